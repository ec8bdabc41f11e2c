#include "Numbers.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <limits>
#include <string>

namespace kotebu {

namespace {

bool isDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

// The power of ten of the first significant digit of `number` (a sign,
// digits and a point as collected below), with the written exponent added.
// Only asked when the number has a digit other than zero.
std::int64_t magnitude(const std::string &number, std::int64_t exponent)
{
    const std::size_t end = std::min(number.find('e'), number.size());
    const std::size_t point = std::min(number.find('.'), end);
    const std::size_t first = number.find_first_of("123456789");
    const auto position = first < point ? std::int64_t(point - first) - 1 : -std::int64_t(first - point);
    return position + exponent;
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

    // The exponent as written, held within a range no value can leave, so a
    // thousand-digit exponent still tells large from small.
    constexpr std::int64_t ExponentBound = 1'000'000'000;
    std::int64_t exponent = 0;
    if (at + 1 < size && (text[at] == QLatin1Char('e') || text[at] == QLatin1Char('E'))) {
        qsizetype from = at + 1;
        bool negativeExponent = false;
        if (text[from] == QLatin1Char('-') || text[from] == QLatin1Char('+')) {
            negativeExponent = text[from] == QLatin1Char('-');
            ++from;
        }
        if (from < size && isDigit(text[from])) {
            number += negativeExponent ? "e-" : "e";
            while (from < size && isDigit(text[from])) {
                number += text[from].toLatin1();
                exponent = std::min(exponent * 10 + (text[from].toLatin1() - '0'), ExponentBound);
                ++from;
            }
            if (negativeExponent)
                exponent = -exponent;
        }
    }

    double value = 0.0;
    const auto result = std::from_chars(number.data(), number.data() + number.size(), value);
    if (result.ec == std::errc::result_out_of_range) {
        // Too large or too small to hold: which one is the value's own
        // magnitude, not the sign of the exponent ("0.000...1" has none, and
        // "1000...0e-1" is still huge).
        if (magnitude(number, exponent) >= 0)
            return negative ? -std::numeric_limits<double>::infinity() : std::numeric_limits<double>::infinity();
        return negative ? -std::numeric_limits<double>::denorm_min() : std::numeric_limits<double>::denorm_min();
    }
    if (result.ec != std::errc())
        return std::nullopt;
    return value;
}

} // namespace kotebu
