// The monster-picture reader on any bytes: a picture or none, never one
// larger than the window needs, and never more memory than the reader allows
// itself (the run sets libFuzzer's own limit just above it).
#include "Check.h"
#include "Pictures.h"

#include <QBuffer>
#include <QCoreApplication>

#include <cstdint>

using namespace kotebu;

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    // The image plugins (icons, GIF, JPEG) are found through the application.
    static QCoreApplication app(*argc, *argv);
    // The decoders' complaints about broken files cost more than the decoding.
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &) {});
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
    QBuffer device(&bytes);
    KOTEBU_CHECK(device.open(QIODevice::ReadOnly));
    const QImage image = readMonsterImage(device);
    KOTEBU_CHECK(image.isNull() || (image.width() <= MaxMonsterSide && image.height() <= MaxMonsterSide));
    return 0;
}
