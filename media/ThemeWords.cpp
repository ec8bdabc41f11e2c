#include "ThemeWords.h"

#include <array>

namespace kotebu {

namespace {

// 「闘いの女神」, in the order the song first sings each line. Line 8 and
// line 12 are the two hooks of the chorus and come back several times; line 13
// is the one long word the song ends on. The halves are split by one
// full-width space, which the selector shows as the singer's breath.
const std::array<const char16_t *, ThemeLineCount> Lines = {
    u"朝焼けの　丘を越え",
    u"銀の剣　胸に抱き",
    u"怖くない　ひとりじゃない",
    u"笑顔で　明日へ行こう",
    u"光る風が　背中押す",
    u"夢の地図　広げたら",
    u"さあ行こう　どこまでも",
    u"闘いの女神　きらめいて",
    u"嵐の夜も　負けないで",
    u"星を数え　強くなる",
    u"涙のあとに　虹が出る",
    u"燃えあがれ　勇気の炎",
    u"ヴィクトリー！",
};

} // namespace

QString themeLine(int line)
{
    if (line < 1 || line > ThemeLineCount)
        return QString();
    return QString::fromUtf16(Lines[static_cast<std::size_t>(line - 1)]);
}

QString themeCreditBanner()
{
    return QStringLiteral("＜＜作詞・作曲：チーム・ハルカゼ＞＞");
}

QString themeRightsBanner()
{
    return QStringLiteral("＜＜(C)1996-2024 チーム・ハルカゼ＞＞");
}

} // namespace kotebu
