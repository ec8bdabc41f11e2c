// The save on any folder a player (or anyone else) can leave behind: a save
// that can be made is made, whole; one that cannot leaves the old file whole;
// a link at the temporary name is never written through, so nothing outside
// the game's folders changes; a linked save stays a link; nothing is left
// behind.
//
// The first byte of an input sets the scene, the rest is the new file:
//   bits 0-2  what holds the temporary name: nothing, a file left over, a
//             read-only one, a link to a file outside, a dangling link, a
//             FIFO, a folder, a link to a folder outside
//   bits 3-4  the save: a plain file, a link into a synced folder, a
//             dangling one, a link to a link
//   bit 5     a file of another spelling ("ktbsp.$$$") beside it
#include "Check.h"
#include "SafeSave.h"

#include <QByteArray>
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

const QByteArray Old = "[KoTeBu]\r\nJoho=1\r\n";
const QByteArray Precious = "not the game's";

enum Holder { None, LeftOver, ReadOnly, LinkToFile, Dangling, Fifo, Folder, LinkToFolder };
enum Save { Plain, Linked, LinkedNowhere, LinkToLink };

void put(const QString &name, const QByteArray &bytes)
{
    QFile file(name);
    KOTEBU_CHECK(file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size());
}

QByteArray contents(const QString &name)
{
    QFile file(name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
}

bool present(const QString &name)
{
    struct stat status {};
    return ::lstat(QFile::encodeName(name).constData(), &status) == 0;
}

void link(const QString &target, const QString &name)
{
    KOTEBU_CHECK(::symlink(QFile::encodeName(target).constData(), QFile::encodeName(name).constData()) == 0);
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    // Every input plays in this folder, emptied before each.
    const QByteArray folder = QFile::encodeName(QDir::tempPath() + QStringLiteral("/kotebu-save-fuzz-XXXXXX"));
    std::string name = folder.toStdString();
    KOTEBU_CHECK(::mkdtemp(name.data()) != nullptr);
    KOTEBU_CHECK(::chdir(name.c_str()) == 0);
    static const std::string kept = name;
    std::atexit([] { std::filesystem::remove_all(kept); });
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size == 0)
        return 0;
    for (const auto &entry : std::filesystem::directory_iterator("."))
        std::filesystem::remove_all(entry.path());

    const auto holder = Holder(data[0] & 7);
    const auto save = Save((data[0] >> 3) & 3);
    const bool otherSpelling = data[0] & 32;
    const QByteArray bytes(reinterpret_cast<const char *>(data + 1), qsizetype(size - 1));

    KOTEBU_CHECK(QDir().mkdir(QStringLiteral("outside")) && QDir().mkdir(QStringLiteral("synced")));
    put(QStringLiteral("outside/precious"), Precious);
    const QString destination = save == Plain ? QStringLiteral("KTBSP.INI") : QStringLiteral("synced/KTBSP.INI");
    const QString where = save == Plain ? QString() : QStringLiteral("synced/");
    if (save != LinkedNowhere)
        put(destination, Old);
    if (save == Linked || save == LinkedNowhere)
        link(QStringLiteral("synced/KTBSP.INI"), QStringLiteral("KTBSP.INI"));
    if (save == LinkToLink) {
        link(QStringLiteral("synced/KTBSP.INI"), QStringLiteral("hop"));
        link(QStringLiteral("hop"), QStringLiteral("KTBSP.INI"));
    }

    const QString swap = where + QStringLiteral("KTBSP.$$$");
    const QString outside = QDir::current().filePath(QStringLiteral("outside"));
    switch (holder) {
    case None: break;
    case LeftOver: put(swap, "half a file"); break;
    case ReadOnly:
        put(swap, "half a file");
        KOTEBU_CHECK(QFile::setPermissions(swap, QFileDevice::ReadOwner));
        break;
    case LinkToFile: link(outside + QStringLiteral("/precious"), swap); break;
    case Dangling: link(outside + QStringLiteral("/absent"), swap); break;
    case Fifo: KOTEBU_CHECK(::mkfifo(QFile::encodeName(swap).constData(), 0600) == 0); break;
    case Folder: KOTEBU_CHECK(QDir().mkdir(swap)); break;
    case LinkToFolder: link(outside, swap); break;
    }
    const QString otherName = where + QStringLiteral("ktbsp.$$$");
    if (otherSpelling)
        put(otherName, "someone else's");

    const bool saved = replaceFileWhole(QStringLiteral("KTBSP.INI"), QStringLiteral("KTBSP.$$$"), bytes);

    // Only a folder in the way stops a save.
    KOTEBU_CHECK(saved == (holder != Folder));
    if (saved)
        KOTEBU_CHECK(contents(destination) == bytes);
    else
        KOTEBU_CHECK(save == LinkedNowhere ? !present(destination) : contents(destination) == Old);
    KOTEBU_CHECK(QFileInfo(QStringLiteral("KTBSP.INI")).isSymLink() == (save != Plain));
    KOTEBU_CHECK(!QFileInfo(destination).isSymLink());
    // Nothing outside changes; nothing stays at the temporary name but a
    // folder that was there before; another spelling is another file.
    KOTEBU_CHECK(contents(QStringLiteral("outside/precious")) == Precious);
    KOTEBU_CHECK(QDir(QStringLiteral("outside")).entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot)
                 == QStringList{QStringLiteral("precious")});
    KOTEBU_CHECK(present(swap) == (holder == Folder));
    KOTEBU_CHECK(!present(QStringLiteral("KTBSP.$$$")) || swap == QStringLiteral("KTBSP.$$$"));
    KOTEBU_CHECK(present(otherName) == otherSpelling);
    if (otherSpelling)
        KOTEBU_CHECK(contents(otherName) == "someone else's");
    return 0;
}
