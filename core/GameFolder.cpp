#include "GameFolder.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

namespace kotebu {

namespace {

// The player may replace or edit every file the game copies.
void makeWritable(const QString &path)
{
    QFile::setPermissions(path, QFile::permissions(path) | QFile::WriteOwner | QFile::ReadOwner);
}

bool existsOrIsLink(const QString &path)
{
    const QFileInfo info(path);
    return info.exists() || info.isSymLink();
}

} // namespace

QString gameFolder()
{
    const QString chosen = qEnvironmentVariable("KOTEBU_GAME_DIR");
    return chosen.isEmpty() ? playersGameFolder() : chosen;
}

bool seedGameFolder(const QString &folder, const QString &shipped)
{
    if (!QDir().mkpath(folder))
        return false;
    const QDir from(shipped);
    QDirIterator files(shipped, QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (files.hasNext()) {
        const QFileInfo shippedFile(files.next());
        const QString copy = folder + QLatin1Char('/') + from.relativeFilePath(shippedFile.filePath());
        if (shippedFile.isDir()) {
            QDir().mkpath(copy);
        } else if (!existsOrIsLink(copy) && QFile::copy(shippedFile.filePath(), copy)) {
            makeWritable(copy);
        }
    }
    const QString state = folder + QStringLiteral("/KTBSP.INI");
    if (!existsOrIsLink(state) && QFile::copy(shipped + QStringLiteral("/KTBSPST.INI"), state))
        makeWritable(state);
    return true;
}

} // namespace kotebu
