#pragma once

#include <QString>

namespace kotebu {

// The words of the theme song 「闘いの女神」 as the selector shows them.
// Lines 1 to 13 in order of first use (1..12: two halves joined by one
// full-width space; 13: one word), then the credit banner and the
// rights-notice banner, each framed by "＜＜" and "＞＞".
constexpr int ThemeLineCount = 13;
QString themeLine(int line);      // 1..13; empty outside
QString themeCreditBanner();
QString themeRightsBanner();

} // namespace kotebu
