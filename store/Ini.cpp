#include "Ini.h"

#include "FileNames.h"
#include "IniText.h"
#include "Platform.h"
#include "SafeSave.h"

#include <QCoreApplication>
#include <QFile>

namespace kotebu {

namespace {

[[noreturn]] void missingFile(const QString &base)
{
    showMessageAndEnd(QCoreApplication::translate("Ini", "%1 がみつかりません").arg(iniFileName(base)), MessageIcon::Warning);
}

[[noreturn]] void missingSection(const QString &section)
{
    showMessageAndEnd(QCoreApplication::translate("Ini", "セクション名%1エラー").arg(section), MessageIcon::Critical);
}

struct OpenedIni {
    QString path; // the file as it is spelled on disk
    QByteArray bytes;
};

// Finds base's file in whatever letter case it exists and reads it whole.
OpenedIni openIni(const QString &base)
{
    const QString path = findFileNoCase(iniFileName(base));
    if (path.isEmpty())
        missingFile(base);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        missingFile(base);
    OpenedIni opened{path, file.readAll()};
    if (file.error() != QFileDevice::NoError)
        missingFile(base);
    return opened;
}

} // namespace

QString iniFileName(const QString &base)
{
    return base + QStringLiteral(".INI");
}

QString iniSwapName(const QString &base)
{
    return base + QStringLiteral(".$$$");
}

std::optional<QString> ReadIni(const QString &base, const QString &section, const QString &key)
{
    const OpenedIni ini = openIni(base);
    const auto found = ini::readValue(ini.bytes, section, key);
    if (!found)
        missingSection(section);
    return *found;
}

void WriteIni(const QString &base, const QString &section, const QString &key, const QString &value)
{
    const OpenedIni ini = openIni(base);
    const ini::RewriteResult result = ini::rewrite(ini.bytes, section, key, value);
    switch (result.outcome) {
    case ini::Rewrite::MissingSection:
        missingSection(section);
    case ini::Rewrite::Unchanged:
    case ini::Rewrite::Refused:
        // No key to replace, the value is already there, or it cannot be
        // stored as it is: the file stays exactly as it is.
        return;
    case ini::Rewrite::Changed:
        // Rename over the file as it is spelled, so no second spelling appears.
        if (!replaceFileWhole(ini.path, iniSwapName(base), result.bytes))
            reportNotSaved(iniFileName(base));
        return;
    }
}

void WriteIni(const QString &base, const QString &section, const QString &key, int value)
{
    WriteIni(base, section, key, QString::number(value));
}

bool iniCanBeSaved(const QString &base)
{
    const QString path = findFileNoCase(iniFileName(base));
    return path.isEmpty() || canReplaceFile(path, iniSwapName(base));
}

bool WriteIniKeys(const QString &base, const QString &section, const std::vector<std::pair<QString, QString>> &values)
{
    OpenedIni ini = openIni(base);
    bool changed = false;
    for (const auto &[key, value] : values) {
        ini::RewriteResult result = ini::rewrite(ini.bytes, section, key, value);
        if (result.outcome == ini::Rewrite::MissingSection)
            missingSection(section);
        if (result.outcome == ini::Rewrite::Changed) {
            ini.bytes = std::move(result.bytes);
            changed = true;
        }
    }
    return !changed || replaceFileWhole(ini.path, iniSwapName(base), ini.bytes);
}

} // namespace kotebu
