#pragma once

#include <QStringView>

#include <optional>

namespace kotebu {

// The number at the start of a stored or typed text, read the way the game
// always read its numbers: blanks in front are skipped, then a sign, digits,
// a fraction and an exponent (only when digits follow the "e"); anything
// after that is ignored, so "12abc" is 12. No digits at all: nullopt.
// Too large gives ±infinity; too small to hold gives the tiniest value of its
// sign, so rounding it down still tells -1e-400 from 0.
std::optional<double> leadingNumber(QStringView text);

} // namespace kotebu
