// Placeholder words until the song lands.
#include "ThemeWords.h"
namespace kotebu {
QString themeLine(int line) { return line >= 1 && line <= ThemeLineCount ? QStringLiteral("ラララ　%1").arg(line) : QString(); }
QString themeCreditBanner() { return QStringLiteral("＜＜作詞・作曲　チーム・ハルカゼ＞＞"); }
QString themeRightsBanner() { return QStringLiteral("＜＜(C) チーム・ハルカゼ＞＞"); }
}
