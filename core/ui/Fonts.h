#pragma once

#include <QFont>
#include <QString>

namespace kotebu {

// The windows name their fonts as the original does on Windows ("ＭＳ Ｐゴシック",
// "ＭＳ 明朝", "MS Sans Serif"). Each stands for a face of the language's own
// region: the Han characters Japanese and Chinese share are drawn differently
// in Japan, the mainland, Taiwan and Korea, and a face of one region lacks
// characters the others use.
//
//   Japanese (and English, which the design's faces draw): the design's own
//     faces where Windows has them, else IPA (Debian's fonts-ipafont).
//   Simplified Chinese: SimHei / SimSun, else WenQuanYi Micro Hei / AR PL
//     UMing CN (fonts-wqy-microhei, fonts-arphic-uming).
//   Traditional Chinese: PMingLiU, else AR PL UMing TW (fonts-arphic-uming).
//   Korean: Gulim / Batang, else Nanum Gothic / Myeongjo (fonts-nanum).
// Each list goes on to the region's newer faces (Fonts.cpp says why last).
//
// Call once, after the application exists and the language is chosen
// ("ja", "en", "zh_CN", ...), before any window is made; calling it again
// with another language serves the windows made after.
void installFonts(const QString &language);

// `font` with its Windows face replaced by the installed faces, best first,
// that stand for it in the language installFonts() was given; any other
// font, or one whose region has no face installed, as it is.
QFont regionalFont(const QFont &font);

// Every family name the face `font` resolves to carries, in each language it
// names itself in ("IPAGothic" and "IPAゴシック"). The desktop lists a face by
// its name in the desktop's language, so a face is known by any of these.
QStringList familyNames(const QFont &font);

} // namespace kotebu
