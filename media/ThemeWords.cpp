#include "ThemeWords.h"

#include <QCoreApplication>

#include <array>

namespace kotebu {

namespace {

// 「闘いの女神」, in the order the song first sings each line. Line 8 and
// line 12 are the two hooks of the chorus and come back several times; line 13
// is the one long word the song ends on. The halves are split by one
// full-width space, which the selector shows as the singer's breath.
const std::array<const char *, ThemeLineCount> Lines = {
    QT_TRANSLATE_NOOP("ThemeWords", "朝焼けの　丘を越え"),
    QT_TRANSLATE_NOOP("ThemeWords", "銀の剣　胸に抱き"),
    QT_TRANSLATE_NOOP("ThemeWords", "怖くない　ひとりじゃない"),
    QT_TRANSLATE_NOOP("ThemeWords", "笑顔で　明日へ行こう"),
    QT_TRANSLATE_NOOP("ThemeWords", "光る風が　背中押す"),
    QT_TRANSLATE_NOOP("ThemeWords", "夢の地図　広げたら"),
    QT_TRANSLATE_NOOP("ThemeWords", "さあ行こう　どこまでも"),
    QT_TRANSLATE_NOOP("ThemeWords", "闘いの女神　きらめいて"),
    QT_TRANSLATE_NOOP("ThemeWords", "嵐の夜も　負けないで"),
    QT_TRANSLATE_NOOP("ThemeWords", "星を数え　強くなる"),
    QT_TRANSLATE_NOOP("ThemeWords", "涙のあとに　虹が出る"),
    QT_TRANSLATE_NOOP("ThemeWords", "燃えあがれ　勇気の炎"),
    QT_TRANSLATE_NOOP("ThemeWords", "ヴィクトリー！"),
};

} // namespace

QString themeLine(int line)
{
    if (line < 1 || line > ThemeLineCount)
        return QString();
    return QCoreApplication::translate("ThemeWords", Lines[static_cast<std::size_t>(line - 1)]);
}

QString themeCreditBanner()
{
    return QCoreApplication::translate("ThemeWords", "＜＜作詞・作曲：チーム・ハルカゼ＞＞");
}

QString themeRightsBanner()
{
    return QCoreApplication::translate("ThemeWords", "＜＜(C)1996-2024 チーム・ハルカゼ＞＞");
}

} // namespace kotebu
