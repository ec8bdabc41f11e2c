#include "Logo.h"

namespace kotebu {

// "HRKZ" (HaRuKaZe) between two rules, with two strokes of wind trailing
// off the Z. The letters stand 360..1080 twips high; everything stays left of
// x = 2940 below y = 960, where "1996" appears, and inside 840..3600 ×
// 240..1200. The order is the order of appearance: the rules, then the
// letters build up stems first, bars next, diagonals last, then the Z and
// finally the wind.
const std::array<LogoStroke, LogoStrokeCount> LogoStrokes{{
    // cyan: the rules
    {{840, 240}, {3600, 240}},    //  1 top rule
    {{840, 1200}, {2880, 1200}},  //  2 bottom rule
    // green: the stems
    {{900, 360}, {900, 1080}},    //  3 H left stem
    {{1290, 360}, {1290, 1080}},  //  4 H right stem
    {{1410, 360}, {1410, 1080}},  //  5 R stem
    {{1920, 360}, {1920, 1080}},  //  6 K stem
    // white: the bars
    {{900, 720}, {1290, 720}},    //  7 H crossbar
    {{1410, 360}, {1740, 360}},   //  8 R top of the bowl
    {{1410, 720}, {1740, 720}},   //  9 R foot of the bowl
    // red: closing the R, the arms of the K
    {{1740, 360}, {1740, 720}},   // 10 R side of the bowl
    {{1530, 720}, {1800, 1080}},  // 11 R leg
    {{1920, 780}, {2310, 360}},   // 12 K upper arm
    {{2040, 660}, {2310, 1080}},  // 13 K lower arm
    // magenta: the Z, crossed
    {{2430, 360}, {2820, 360}},   // 14 Z top
    {{2820, 360}, {2430, 1080}},  // 15 Z diagonal
    {{2430, 1080}, {2820, 1080}}, // 16 Z bottom
    {{2520, 720}, {2730, 720}},   // 17 Z crossbar
    // yellow: the spring wind
    {{2940, 600}, {3360, 480}},   // 18
    {{2940, 840}, {3240, 720}},   // 19
}};

// Over the whole animation the sprite goes (120, 800) -> (50, 800) ->
// (120, 800) -> (120, 50) -> (120, 800) -> (120, 50) -> (140, 50).
const std::array<LogoBeat, LogoBeatCount> LogoBeats{{
    {4, 1, 2, QColor(0, 255, 255), -70, 0, 'B'},
    {5, 3, 6, QColor(0, 255, 0), 70, 0, 'A'},
    {6, 7, 9, QColor(255, 255, 255), 0, -750, 'C'},
    {7, 10, 13, QColor(255, 0, 0), 0, 750, 'A'},
    {8, 14, 17, QColor(255, 0, 255), 0, -750, 'C'},
    {9, 18, 19, QColor(255, 255, 0), 20, 0, 'D'},
}};

QColor logoStrokeColour(int line)
{
    for (const LogoBeat &beat : LogoBeats)
        if (line >= beat.firstLine && line <= beat.lastLine)
            return beat.colour;
    return QColor();
}

} // namespace kotebu
