// Replays a fuzz target's seeds where libFuzzer is not at hand (the Windows
// test build, run under Wine): every file named, and every file in the
// folders named, goes through the target once, whole; a seed that breaks a
// property ends the run as the target's own checks end it.
#include <QCoreApplication>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

#include <cstdint>
#include <cstdio>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size);
#ifdef KOTEBU_FUZZ_INITIALIZE
extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv);
#endif

namespace {

int replay(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "cannot read %s\n", qPrintable(path));
        return 1;
    }
    const QByteArray bytes = file.readAll();
    LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t *>(bytes.constData()), std::size_t(bytes.size()));
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
#ifdef KOTEBU_FUZZ_INITIALIZE
    LLVMFuzzerInitialize(&argc, &argv);
#endif
    int failed = 0;
    int seeds = 0;
    for (int i = 1; i < argc; ++i) {
        const QString named = QString::fromLocal8Bit(argv[i]);
        if (QFileInfo(named).isDir()) {
            QDirIterator files(named, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
            while (files.hasNext()) {
                failed += replay(files.next());
                ++seeds;
            }
        } else {
            failed += replay(named);
            ++seeds;
        }
    }
    std::printf("%d seeds replayed\n", seeds);
    return failed == 0 && seeds > 0 ? 0 : 1;
}
