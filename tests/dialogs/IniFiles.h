#pragma once

#include <QByteArray>
#include <QStringList>

namespace kotebu::test {

// An INI file as the game writes it: one line per entry, CR LF after each.
inline QByteArray iniLines(const QStringList &lines)
{
    QByteArray bytes;
    for (const QString &line : lines)
        bytes += line.toUtf8() + "\r\n";
    return bytes;
}

} // namespace kotebu::test
