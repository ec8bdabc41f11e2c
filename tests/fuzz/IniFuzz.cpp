// The INI rules on any bytes: a read finds what a write leaves, a write
// replaces the one line holding the key and keeps every other line byte for
// byte, the same write again changes nothing, and a value the file cannot
// carry is refused, never stored as something else.
//
// An input is an INI file whole, written to one of the game's keys with one
// of a few values chosen by its length; or, when it starts with a NUL, it
// names its own section and key (each ended by a NUL), a value as a length
// byte and that many bytes of UTF-16 (so it may hold a lone surrogate), and
// then the file.
#include "Check.h"
#include "IniText.h"

#include <QString>

#include <array>
#include <cstddef>
#include <cstdint>

using namespace kotebu;

namespace {

struct Write {
    QString section;
    QString key;
    QString value;
    QByteArrayView file;
};

Write fromGameKeys(QByteArrayView input)
{
    static const std::array<std::pair<const char *, const char *>, 6> Keys{{
        {"KoTeBu", "Joho"}, {"KoTeBu2", "KotebuYear"}, {"KoTeBu", "TimeOfDay"},
        {"KoTeBu2", "Gaming"}, {"Pack", "KoTeBuPath"}, {"Pack", "KoTeBu2Path"},
    }};
    static const std::array<QString, 4> Values{
        QStringLiteral("5"), QStringLiteral("C:\\My,Pictures \"x\"\\"), QStringLiteral("a\r\nb=c"), QString()};
    const std::size_t pick = std::size_t(input.size());
    const auto &[section, key] = Keys[pick % Keys.size()];
    return {QString::fromLatin1(section), QString::fromLatin1(key), Values[pick / Keys.size() % Values.size()], input};
}

bool takeUntilNul(QByteArrayView &input, QByteArrayView &part)
{
    const qsizetype end = input.indexOf('\0');
    if (end < 0)
        return false;
    part = input.first(end);
    input = input.sliced(end + 1);
    return true;
}

bool fromOwnKeys(QByteArrayView input, Write &write)
{
    input = input.sliced(1);
    QByteArrayView section, key;
    if (!takeUntilNul(input, section) || !takeUntilNul(input, key) || input.isEmpty())
        return false;
    const std::size_t valueBytes = std::uint8_t(input[0]) & ~1u;
    input = input.sliced(1);
    if (std::size_t(input.size()) < valueBytes)
        return false;
    write.section = QString::fromUtf8(section);
    write.key = QString::fromUtf8(key);
    QString value(qsizetype(valueBytes / 2), Qt::Uninitialized);
    for (std::size_t i = 0; i < valueBytes / 2; ++i)
        value[qsizetype(i)] = QChar(char16_t(std::uint8_t(input[qsizetype(2 * i)]) | std::uint8_t(input[qsizetype(2 * i + 1)]) << 8));
    write.value = value;
    write.file = input.sliced(qsizetype(valueBytes));
    return true;
}

void check(const Write &w)
{
    using Found = std::optional<std::optional<QString>>;
    const Found read = ini::readValue(w.file, w.section, w.key);
    const ini::RewriteResult result = ini::rewrite(w.file, w.section, w.key, w.value);
    KOTEBU_CHECK(read.has_value() == (result.outcome != ini::Rewrite::MissingSection));
    if (!read)
        return;
    const QString stored = ini::storedValue(w.value);
    const bool encodable = QStringView(w.value).isValidUtf16();
    switch (result.outcome) {
    case ini::Rewrite::MissingSection:
        return;
    case ini::Rewrite::Refused:
        KOTEBU_CHECK(read->has_value() && !encodable);
        return;
    case ini::Rewrite::Unchanged:
        // No key to replace, or a file that already reads so.
        KOTEBU_CHECK(!read->has_value() || (encodable && **read == stored));
        return;
    case ini::Rewrite::Changed:
        break;
    }
    KOTEBU_CHECK(read->has_value() && encodable);
    const std::vector<QByteArrayView> before = ini::splitLines(w.file);
    const std::vector<QByteArrayView> after = ini::splitLines(result.bytes);
    KOTEBU_CHECK(after.size() == before.size());
    KOTEBU_CHECK(result.bytes.count("\r\n") == qsizetype(after.size()));
    const QByteArray replaced = w.key.toUtf8() + '=' + stored.toUtf8();
    std::size_t changed = 0;
    for (std::size_t i = 0; i < after.size(); ++i) {
        if (after[i] == before[i])
            continue;
        ++changed;
        KOTEBU_CHECK(after[i] == replaced);
    }
    KOTEBU_CHECK(changed <= 1); // none when only line endings changed
    KOTEBU_CHECK(ini::readValue(result.bytes, w.section, w.key) == Found(stored));
    KOTEBU_CHECK(ini::rewrite(result.bytes, w.section, w.key, w.value).outcome == ini::Rewrite::Unchanged);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArrayView input(reinterpret_cast<const char *>(data), qsizetype(size));
    Write write;
    if (!input.isEmpty() && input[0] == '\0') {
        if (!fromOwnKeys(input, write))
            return 0;
    } else {
        write = fromGameKeys(input);
    }
    check(write);
    return 0;
}
