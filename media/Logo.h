#pragma once

#include <QColor>
#include <QPoint>

#include <array>

namespace kotebu {

// The Team Harukaze word mark and its animation, as data: the logo window
// only plays it back.

// One straight stroke of the word mark, in twips of the logo window.
struct LogoStroke {
    QPoint from;
    QPoint to;
};

constexpr int LogoStrokeCount = 19;
// Index 0 is Line1(1).
extern const std::array<LogoStroke, LogoStrokeCount> LogoStrokes;

// One beat of the animation: a group of strokes appears and the sprite hops
// (hide, move by the offset in twips, take the frame, show).
struct LogoBeat {
    int counter;
    int firstLine; // 1-based, inclusive
    int lastLine;
    QColor colour;
    int dLeft;
    int dTop;
    char frame; // 'A'..'D'
};

constexpr int LogoBeatCount = 6;
extern const std::array<LogoBeat, LogoBeatCount> LogoBeats;

// Counter values of the other moments of the animation (200 ms per count,
// counted from 0 at the first tick).
constexpr int LogoSoundCounter = 1;
constexpr int LogoYearCounter = 13;
constexpr int LogoEndCounter = 23;

// Where the sprite starts, in twips.
constexpr QPoint LogoSpriteStart{120, 800};

// The colour of Line1(line), line 1..19; invalid outside.
QColor logoStrokeColour(int line);

} // namespace kotebu
