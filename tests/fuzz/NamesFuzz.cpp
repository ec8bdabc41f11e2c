// The case-blind file lookup on any name, in a folder holding a picture, a
// FIFO, a link to it, a dangling link, a folder and a file named with the
// replacement character (what a lone surrogate becomes on the disk):
// what it finds is a regular file the system opens by exactly that name,
// spelled as asked but for letter case, and a regular file asked for by its
// own name is found as it is.
//
// An input is the name, in UTF-8, or in UTF-16 when its first byte is odd
// (so it may hold a lone surrogate); names that climb out of the folder are
// left alone.
#include "Check.h"
#include "FileNames.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cstdint>
#include <cstdlib>
#include <filesystem>

#include <sys/stat.h>
#include <unistd.h>

using namespace kotebu;

namespace {

QString lastPart(const QString &path)
{
    return path.mid(path.lastIndexOf(QLatin1Char('/')) + 1);
}

QString folderPart(const QString &path)
{
    return path.left(path.lastIndexOf(QLatin1Char('/')) + 1);
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    const QByteArray folder = QFile::encodeName(QDir::tempPath() + QStringLiteral("/kotebu-names-fuzz-XXXXXX"));
    std::string name = folder.toStdString();
    KOTEBU_CHECK(::mkdtemp(name.data()) != nullptr);
    KOTEBU_CHECK(::chdir(name.c_str()) == 0);
    static const std::string kept = name;
    std::atexit([] { std::filesystem::remove_all(kept); });

    KOTEBU_CHECK(QDir().mkpath(QStringLiteral("pics/Folder.KB2")));
    for (const char *file : {"pics/Haga.KB2", "pics/Manepu.KB2", "pics/Haga\uFFFD.KB2", "Megami.mid"}) {
        QFile picture(QString::fromUtf8(file));
        KOTEBU_CHECK(picture.open(QIODevice::WriteOnly));
    }
    KOTEBU_CHECK(::mkfifo("pics/Fifo.KB2", 0600) == 0 && ::mkfifo("KTBSP.INI", 0600) == 0);
    KOTEBU_CHECK(::symlink("Fifo.KB2", "pics/ToFifo.KB2") == 0);
    KOTEBU_CHECK(::symlink("Nowhere.KB2", "pics/Dangling.KB2") == 0);
    KOTEBU_CHECK(::symlink("Haga.KB2", "pics/Linked.KB2") == 0);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    QString asked;
    if (size > 0 && (data[0] & 1)) {
        for (std::size_t i = 1; i + 1 < size; i += 2)
            asked += QChar(char16_t(data[i] | data[i + 1] << 8));
    } else if (size > 0) {
        asked = QString::fromUtf8(reinterpret_cast<const char *>(data + 1), qsizetype(size - 1));
    }
    if (asked.startsWith(QLatin1Char('/')) || asked.contains(QStringLiteral("..")))
        return 0;

    const QString found = findFileNoCase(asked);
    if (found.isEmpty()) {
        // Asked by its exact name, a plain file is always found.
        KOTEBU_CHECK(asked.contains(QChar(0)) || !asked.isValidUtf16() || !QFileInfo(asked).isFile());
        return 0;
    }
    KOTEBU_CHECK(!found.contains(QChar(0)) && found.isValidUtf16());
    struct stat status {};
    KOTEBU_CHECK(::stat(QFile::encodeName(found).constData(), &status) == 0 && S_ISREG(status.st_mode));
    KOTEBU_CHECK(folderPart(found) == folderPart(asked));
    KOTEBU_CHECK(lastPart(found).compare(lastPart(asked), Qt::CaseInsensitive) == 0);
    return 0;
}
