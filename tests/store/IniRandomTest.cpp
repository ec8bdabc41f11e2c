// Random files against a plain model of the format: a file is a list of lines
// the generator knows, so what a read must find and what a write must leave
// can be said without the code under test.
#include "Fakes.h"
#include "Ini.h"
#include "IniText.h"
#include "LegacyText.h"

#include <QElapsedTimer>
#include <QStringDecoder>

#include <gtest/gtest.h>

#include <random>

using namespace kotebu;

namespace {

const char *const Sections[] = {"KoTeBu", "kotebu", "KOTEBU2", "Pack", "Ärger", "ключ"};
const char *const Keys[] = {"Joho", "JOHO", "joho", "Aijo", "Path", "straße", "STRASSE", "ключ", "КЛЮЧ", ""};
// Bits of line content: commas, quotes, "=", blanks, Japanese, and bytes that
// are not UTF-8 at all. No CR or LF: those end lines.
const char *const Pieces[] = {",", "\"", "=", " ", "\t", "x", "9", "-", "[", "]", "ことぶ", "\xFF", "\x80", "\xC3",
                              "\xE3\x81", "\xF0\x9F\x98\x80", "\xED\xA0\x80", "\\", ";"};
// Pieces of values handed to a write: here CR and LF are allowed.
const char *const ValuePieces[] = {",", "\"", "=", " ", "a", "7", "\r", "\n", "\r\n", "ハルーネン", "😀", "[Pack]", "\t"};

class Generator {
public:
    explicit Generator(std::uint32_t seed) : m_engine(seed) {}

    int below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(m_engine); }
    template <std::size_t N> const char *pick(const char *const (&list)[N]) { return list[below(int(N))]; }

    QByteArray blanks()
    {
        QByteArray out;
        for (int n = below(4) == 0 ? below(3) + 1 : 0; n > 0; --n)
            out += below(2) ? ' ' : '\t';
        return out;
    }

    QByteArray junk(int most)
    {
        QByteArray out;
        for (int n = below(most + 1); n > 0; --n)
            out += pick(Pieces);
        return out;
    }

    // Names change letter case now and then, so the match must ignore it.
    QByteArray recased(const char *name)
    {
        QString text = QString::fromUtf8(name);
        switch (below(3)) {
        case 0: text = text.toLower(); break;
        case 1: text = text.toUpper(); break;
        default: break;
        }
        return text.toUtf8();
    }

    // Lines name the section and key a case asks for about half the time, so
    // that most cases find something to read and replace.
    QByteArray line(const char *section, const char *key)
    {
        switch (below(6)) {
        case 0: {
            QByteArray header = blanks() + '[' + recased(below(2) ? section : pick(Sections)) + ']';
            if (below(8) == 0)
                header += ' '; // no longer a header
            return header;
        }
        case 1:
        case 2:
        case 3: {
            QByteArray name = blanks() + recased(below(2) ? key : pick(Keys));
            if (below(8) == 0)
                name += ' ';
            return name + '=' + junk(6);
        }
        case 4:
            return {};
        default:
            return junk(8);
        }
    }

    QString value()
    {
        QString out;
        for (int n = below(6); n > 0; --n)
            out += QString::fromUtf8(pick(ValuePieces));
        return out;
    }

    // The lines joined with a mix of endings. A CR ending followed by an
    // empty LF line would read as one CR LF, so that pair is avoided.
    QByteArray join(const std::vector<QByteArray> &lines)
    {
        QByteArray out;
        const char *previous = "";
        for (std::size_t i = 0; i < lines.size(); ++i) {
            const bool last = i + 1 == lines.size();
            const char *ending = std::array{"\r\n", "\n", "\r"}[below(3)];
            if (std::string_view(previous) == "\r" && lines[i].isEmpty() && std::string_view(ending) == "\n")
                ending = "\r\n";
            if (last && !lines[i].isEmpty() && below(4) == 0)
                ending = "";
            out += lines[i] + ending;
            previous = ending;
        }
        return out;
    }

private:
    std::mt19937 m_engine;
};

QByteArray blanksSkipped(const QByteArray &line)
{
    qsizetype i = 0;
    while (i < line.size() && (line[i] == ' ' || line[i] == '\t'))
        ++i;
    return line.mid(i);
}

// The model: where the header and the key line are, straight from the lines.
struct Expected {
    bool sectionFound = false;
    std::optional<std::size_t> keyLine;
    std::optional<QString> value;
};

Expected model(const std::vector<QByteArray> &lines, const QString &section, const QString &key)
{
    Expected e;
    std::size_t header = 0;
    for (; header < lines.size(); ++header) {
        if (QString::fromUtf8(blanksSkipped(lines[header])).toUpper() == ('[' + section + ']').toUpper())
            break;
    }
    if (header + 1 >= lines.size())
        return e;
    e.sectionFound = true;
    for (std::size_t i = header + 1; i < lines.size(); ++i) {
        const QByteArray record = blanksSkipped(lines[i]);
        const qsizetype equals = record.indexOf('=');
        if (equals >= 0 && QString::fromUtf8(record.left(equals)).toUpper() == key.toUpper()) {
            e.keyLine = i;
            // UTF-8, or what the original wrote on Japanese Windows, or
            // UTF-8 with its replacement characters. Code page 932 itself is
            // the system's to decode (IniTest holds a folder the original
            // wrote); what this model checks is which reading each line gets.
            const QByteArray bytes = record.mid(equals + 1);
            QStringDecoder decode(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom);
            const QString utf8 = decode(bytes);
            e.value = decode.hasError() ? fromWindowsJapanese(bytes).value_or(utf8) : utf8;
            return e;
        }
    }
    return e;
}

QByteArray crLfFile(const std::vector<QByteArray> &lines)
{
    QByteArray out;
    for (const QByteArray &line : lines)
        out += line + "\r\n";
    return out;
}

TEST(IniRandom, ReadsAndWritesMatchTheModel)
{
    constexpr int Cases = 20000;
    Generator gen(20261208);
    int written = 0, noSection = 0, noKey = 0;
    QElapsedTimer elapsed;
    elapsed.start();
    for (int n = 0; n < Cases; ++n) {
        const char *const sectionName = gen.pick(Sections);
        const char *const keyName = gen.pick(Keys);
        std::vector<QByteArray> lines(static_cast<std::size_t>(gen.below(10)));
        for (QByteArray &line : lines)
            line = gen.line(sectionName, keyName);
        const QByteArray file = gen.join(lines);
        const QString section = QString::fromUtf8(sectionName);
        const QString key = QString::fromUtf8(keyName);
        const QString value = gen.value();
        // Built only when an assertion fails: a trace per case would cost more
        // than the case itself.
        const auto where = [&] {
            return testing::Message() << "case " << n << " file " << testing::PrintToString(file.toStdString())
                                      << " section " << section.toStdString() << " key " << key.toStdString();
        };

        const Expected expected = model(lines, section, key);
        const auto read = ini::readValue(file, section, key);
        ASSERT_EQ(read.has_value(), expected.sectionFound) << where();
        if (read) {
            ASSERT_EQ(*read, expected.value) << where();
        }

        const ini::RewriteResult result = ini::rewrite(file, section, key, value);
        if (!expected.sectionFound) {
            ASSERT_EQ(result.outcome, ini::Rewrite::MissingSection) << where();
            ++noSection;
            continue;
        }
        if (!expected.keyLine) {
            ASSERT_EQ(result.outcome, ini::Rewrite::Unchanged) << "a key is never added" << where();
            ++noKey;
            continue;
        }
        QString stored = value;
        stored.remove('\r').remove('\n');
        std::vector<QByteArray> after = lines;
        after[*expected.keyLine] = key.toUtf8() + '=' + stored.toUtf8();
        const QByteArray wanted = crLfFile(after);
        if (result.outcome == ini::Rewrite::Unchanged) {
            ASSERT_EQ(file, wanted) << "only a file that already reads so is left alone" << where();
            continue;
        }
        ASSERT_EQ(result.outcome, ini::Rewrite::Changed) << where();
        ASSERT_EQ(result.bytes, wanted) << where();
        ASSERT_EQ(ini::readValue(result.bytes, section, key), std::optional<std::optional<QString>>(stored)) << where();
        // Once written, the file already reads so: the same write again leaves it alone.
        ASSERT_EQ(ini::rewrite(result.bytes, section, key, value).outcome, ini::Rewrite::Unchanged) << where();
        ++written;
    }
    // The generator must reach every path often, or the test proves little.
    EXPECT_GT(written, Cases / 10);
    EXPECT_GT(noSection, Cases / 2);
    EXPECT_GT(noKey, Cases / 20);
    RecordProperty("milliseconds", int(elapsed.elapsed()));
}

// A hundred and fifty of the same through the files themselves.
TEST(IniRandom, WritesThroughTheFileKeepEveryOtherLine)
{
    test::Sandbox sandbox;
    Generator gen(7);
    int written = 0;
    for (int n = 0; n < 150; ++n) {
        std::vector<QByteArray> lines{"[KoTeBu]"};
        const char *const keyName = gen.pick(Keys);
        for (int i = gen.below(8) + 1; i > 0; --i)
            lines.push_back(gen.line("KoTeBu", keyName));
        lines.push_back("Joho=0");
        const QByteArray file = gen.join(lines);
        sandbox.writeFile(QStringLiteral("KTBSP.INI"), file);
        const QString key = QString::fromUtf8(keyName);
        const QString value = gen.value();
        const Expected expected = model(lines, QStringLiteral("KoTeBu"), key);
        ASSERT_TRUE(expected.sectionFound);

        WriteIni(QStringLiteral("KTBSP"), QStringLiteral("KoTeBu"), key, value);
        if (!expected.keyLine) {
            ASSERT_EQ(sandbox.readFile(QStringLiteral("KTBSP.INI")), file);
            continue;
        }
        QString stored = value;
        stored.remove('\r').remove('\n');
        std::vector<QByteArray> after = lines;
        after[*expected.keyLine] = key.toUtf8() + '=' + stored.toUtf8();
        ASSERT_EQ(sandbox.readFile(QStringLiteral("KTBSP.INI")), crLfFile(after));
        ASSERT_EQ(ReadIni(QStringLiteral("KTBSP"), QStringLiteral("KoTeBu"), key), stored);
        ++written;
    }
    EXPECT_GT(written, 25);
    EXPECT_TRUE(sandbox.boxes.asked.empty());
}

} // namespace
