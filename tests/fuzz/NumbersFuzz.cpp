// The number at the start of a stored text, against the C library's own
// reading of the same characters: the same value whenever it can be held;
// infinity exactly when the value is too large; and when it is too small, a
// value below the smallest normal one, of the written sign, never infinity.
#include "Check.h"
#include "Numbers.h"

#include <QString>

#include <cerrno>
#include <cfloat>
#include <clocale>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <locale.h>
#include <string>

using namespace kotebu;

namespace {

bool digit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

// The characters a number may start a text with: blanks, a sign, digits, a
// fraction, an exponent when digits follow its "e". Empty without a digit.
std::string numberPart(const QString &text)
{
    qsizetype at = 0;
    while (at < text.size() && (text[at] == QLatin1Char(' ') || text[at] == QLatin1Char('\t')))
        ++at;
    const qsizetype begin = at;
    if (at < text.size() && (text[at] == QLatin1Char('+') || text[at] == QLatin1Char('-')))
        ++at;
    qsizetype digits = 0;
    for (; at < text.size() && digit(text[at]); ++at)
        ++digits;
    if (at < text.size() && text[at] == QLatin1Char('.'))
        for (++at; at < text.size() && digit(text[at]); ++at)
            ++digits;
    if (digits == 0)
        return {};
    if (at < text.size() && (text[at] == QLatin1Char('e') || text[at] == QLatin1Char('E'))) {
        qsizetype exponent = at + 1;
        if (exponent < text.size() && (text[exponent] == QLatin1Char('+') || text[exponent] == QLatin1Char('-')))
            ++exponent;
        if (exponent < text.size() && digit(text[exponent])) {
            at = exponent;
            while (at < text.size() && digit(text[at]))
                ++at;
        }
    }
    return text.mid(begin, at - begin).toStdString();
}

// The C library's reading, in the C locale whatever the process's locale is.
double plainStrtod(const std::string &text)
{
#ifdef _WIN32
    static const _locale_t plainC = _create_locale(LC_ALL, "C");
    return _strtod_l(text.c_str(), nullptr, plainC);
#else
    static const locale_t plainC = newlocale(LC_ALL_MASK, "C", locale_t(nullptr));
    return strtod_l(text.c_str(), nullptr, plainC);
#endif
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    const std::optional<double> read = leadingNumber(text);
    const std::string part = numberPart(text);
    KOTEBU_CHECK(read.has_value() == !part.empty());
    if (!read)
        return 0;

    errno = 0;
    const double expected = plainStrtod(part);
    const bool outOfRange = errno == ERANGE;
    const bool negative = part.front() == '-';
    if (!outOfRange) {
        KOTEBU_CHECK(*read == expected);
    } else if (std::isinf(expected)) {
        KOTEBU_CHECK(*read == expected);
    } else {
        KOTEBU_CHECK((std::fabs(*read) < DBL_MIN && std::fabs(*read) > 0.0) || *read == expected);
        KOTEBU_CHECK(std::signbit(*read) == negative);
    }
    return 0;
}
