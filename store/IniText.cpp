#include "IniText.h"

#include "LegacyText.h"

#include <QStringDecoder>

namespace kotebu::ini {

namespace {

// Notepad puts a byte order mark in front of a file it saves as UTF-8; it
// belongs to no line, so the first header still matches behind it.
constexpr QByteArrayView ByteOrderMark("\xEF\xBB\xBF");

QByteArrayView recordOf(QByteArrayView line, std::size_t index)
{
    if (index == 0 && line.startsWith(ByteOrderMark))
        line = line.sliced(ByteOrderMark.size());
    return skipBlanks(line);
}

// The bytes as text, a byte order mark kept as the character it is:
// QString::fromUtf8 drops one at the start, so a value written as "\uFEFFx"
// would read back as "x" (the file's own mark is skipped before, by
// recordOf). The game writes UTF-8; a line that is no UTF-8 but is code
// page 932 was written by the original on Japanese Windows (a picture folder
// with Japanese in its name). Each line is read by its own bytes, so a file
// the original wrote and this game then saved into reads whole.
QString text(QByteArrayView bytes)
{
    QStringDecoder decode(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom);
    const QString utf8 = decode(bytes);
    if (!decode.hasError())
        return utf8;
    // Bytes that are neither read as UTF-8 does, with replacement characters.
    return fromWindowsJapanese(bytes).value_or(utf8);
}

QString upper(QByteArrayView bytes)
{
    return text(bytes).toUpper();
}

} // namespace

std::vector<QByteArrayView> splitLines(QByteArrayView bytes)
{
    std::vector<QByteArrayView> lines;
    const qsizetype size = bytes.size();
    qsizetype start = 0;
    qsizetype pos = 0;
    while (pos < size) {
        const char c = bytes[pos];
        if (c != '\r' && c != '\n') {
            ++pos;
            continue;
        }
        lines.push_back(bytes.sliced(start, pos - start));
        pos += (c == '\r' && pos + 1 < size && bytes[pos + 1] == '\n') ? 2 : 1;
        start = pos;
    }
    if (start < size)
        lines.push_back(bytes.sliced(start));
    return lines;
}

QByteArrayView skipBlanks(QByteArrayView line)
{
    qsizetype i = 0;
    while (i < line.size() && (line[i] == ' ' || line[i] == '\t'))
        ++i;
    return line.sliced(i);
}

std::optional<std::size_t> findSection(const std::vector<QByteArrayView> &lines, const QString &section)
{
    const QString header = (QLatin1Char('[') + section + QLatin1Char(']')).toUpper();
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const QByteArrayView record = recordOf(lines[i], i);
        // Cheap first look: a header starts with "[" whatever its case.
        if (!record.startsWith('['))
            continue;
        if (upper(record) == header)
            return i + 1 < lines.size() ? std::optional<std::size_t>(i) : std::nullopt;
    }
    return std::nullopt;
}

std::optional<KeyLine> findKey(const std::vector<QByteArrayView> &lines, std::size_t header, const QString &key)
{
    const QString wanted = key.toUpper();
    // A text in front of "=" that itself holds "=" can only equal a key that
    // holds one too; for the usual keys the first "=" of a line settles it.
    const bool keyHoldsEquals = key.contains(QLatin1Char('='));
    for (std::size_t i = header + 1; i < lines.size(); ++i) {
        const QByteArrayView record = recordOf(lines[i], i);
        std::optional<KeyLine> found;
        // The whole line is scanned, so of several matching "=" the last wins.
        for (qsizetype pos = record.indexOf('='); pos >= 0; pos = record.indexOf('=', pos + 1)) {
            if (upper(record.first(pos)) == wanted)
                found = KeyLine{i, text(record.sliced(pos + 1))};
            if (!keyHoldsEquals)
                break;
        }
        if (found)
            return found;
    }
    return std::nullopt;
}

std::optional<std::optional<QString>> readValue(QByteArrayView file, const QString &section, const QString &key)
{
    const std::vector<QByteArrayView> lines = splitLines(file);
    const std::optional<std::size_t> header = findSection(lines, section);
    if (!header)
        return std::nullopt;
    const std::optional<KeyLine> line = findKey(lines, *header, key);
    return std::optional<QString>(line ? std::optional<QString>(line->value) : std::nullopt);
}

QString storedValue(const QString &value)
{
    QString cleaned = value;
    cleaned.remove(QLatin1Char('\r'));
    cleaned.remove(QLatin1Char('\n'));
    return cleaned;
}

RewriteResult rewrite(QByteArrayView file, const QString &section, const QString &key, const QString &value)
{
    const std::vector<QByteArrayView> lines = splitLines(file);
    const std::optional<std::size_t> header = findSection(lines, section);
    if (!header)
        return {Rewrite::MissingSection, {}};
    const std::optional<KeyLine> target = findKey(lines, *header, key);
    if (!target)
        return {Rewrite::Unchanged, {}};
    if (!QStringView(value).isValidUtf16())
        return {Rewrite::Refused, {}};

    const QByteArray replacement = key.toUtf8() + '=' + storedValue(value).toUtf8();
    QByteArray out;
    out.reserve(file.size() + replacement.size() + 2 * static_cast<qsizetype>(lines.size()));
    for (std::size_t i = 0; i < lines.size(); ++i) {
        out.append(i == target->index ? QByteArrayView(replacement) : lines[i]);
        out.append("\r\n", 2);
    }
    if (QByteArrayView(out) == file)
        return {Rewrite::Unchanged, {}};
    return {Rewrite::Changed, out};
}

} // namespace kotebu::ini
