#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <optional>
#include <vector>

// The INI format itself, on the bytes of a file held in memory: no file is
// opened here, so every rule can be tried quickly and in bulk.
namespace kotebu::ini {

// The lines of a file as they stand, without their endings. CR LF, LF and a
// lone CR each end a line; a last line without an ending still counts, and a
// file that ends in a line break has no empty line after it.
std::vector<QByteArrayView> splitLines(QByteArrayView bytes);

// The line without the spaces and tabs in front of it.
QByteArrayView skipBlanks(QByteArrayView line);

// The index of the line holding the header of `section` (letter case
// ignored), or nullopt when there is none. A header on the last line counts
// as missing: no key can follow it.
std::optional<std::size_t> findSection(const std::vector<QByteArrayView> &lines, const QString &section);

// The first line after `header` that holds `key`, and the value it gives.
struct KeyLine {
    std::size_t index = 0;
    QString value;
};
std::optional<KeyLine> findKey(const std::vector<QByteArrayView> &lines, std::size_t header, const QString &key);

// What a read of the file finds: nullopt when the section is missing,
// otherwise the value of the key (nullopt again when no line holds it).
std::optional<std::optional<QString>> readValue(QByteArrayView file, const QString &section, const QString &key);

// A value as it is stored: CR and LF dropped, so a value can never add lines.
QString storedValue(const QString &value);

enum class Rewrite { Changed, Unchanged, Refused, MissingSection };

// The file with the first line holding `key` after the header replaced by
// key=value. Every other line keeps its bytes; every line ends in CR LF.
// Unchanged: no line holds the key, or the file already reads so. Refused:
// the value holds a lone surrogate, which UTF-8 cannot carry (it would be
// stored as "?", a different value that reads back as if it were meant); the
// old value stays.
struct RewriteResult {
    Rewrite outcome = Rewrite::Unchanged;
    QByteArray bytes;
};
RewriteResult rewrite(QByteArrayView file, const QString &section, const QString &key, const QString &value);

} // namespace kotebu::ini
