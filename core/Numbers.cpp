#include "Numbers.h"

#include <charconv>
#include <limits>
#include <string>

namespace kotebu {

namespace {

bool isDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

} // namespace

std::optional<double> leadingNumber(QStringView text)
{
    qsizetype at = 0;
    const qsizetype size = text.size();
    while (at < size && (text[at] == QLatin1Char(' ') || text[at] == QLatin1Char('\t')))
        ++at;

    // from_chars knows no "+" and no locale: collect a plain C number.
    std::string number;
    bool negative = false;
    if (at < size && (text[at] == QLatin1Char('-') || text[at] == QLatin1Char('+'))) {
        negative = text[at] == QLatin1Char('-');
        if (negative)
            number += '-';
        ++at;
    }
    bool digits = false;
    auto takeDigits = [&] {
        while (at < size && isDigit(text[at])) {
            number += text[at++].toLatin1();
            digits = true;
        }
    };
    takeDigits();
    if (at < size && text[at] == QLatin1Char('.')) {
        number += '.';
        ++at;
        takeDigits();
    }
    if (!digits)
        return std::nullopt;

    bool tinyExponent = false;
    if (at + 1 < size && (text[at] == QLatin1Char('e') || text[at] == QLatin1Char('E'))) {
        qsizetype exponent = at + 1;
        std::string tail = "e";
        if (text[exponent] == QLatin1Char('-') || text[exponent] == QLatin1Char('+')) {
            tinyExponent = text[exponent] == QLatin1Char('-');
            if (tinyExponent)
                tail += '-';
            ++exponent;
        }
        if (exponent < size && isDigit(text[exponent])) {
            while (exponent < size && isDigit(text[exponent]))
                tail += text[exponent++].toLatin1();
            number += tail;
        } else {
            tinyExponent = false;
        }
    }

    double value = 0.0;
    const auto result = std::from_chars(number.data(), number.data() + number.size(), value);
    if (result.ec == std::errc::result_out_of_range) {
        if (tinyExponent)
            return negative ? -std::numeric_limits<double>::denorm_min() : std::numeric_limits<double>::denorm_min();
        return negative ? -std::numeric_limits<double>::infinity() : std::numeric_limits<double>::infinity();
    }
    if (result.ec != std::errc())
        return std::nullopt;
    return value;
}

} // namespace kotebu
