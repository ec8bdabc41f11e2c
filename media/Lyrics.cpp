#include "Lyrics.h"

#include "ThemeWords.h"

#include <QCoreApplication>
#include <limits>

namespace kotebu {

// The steps are tied to the bars of 「闘いの女神」: each line comes up just
// before it is sung. Lines 5, 8 and 12 return as the refrain.
const std::array<LyricCue, LyricCueCount> LyricSchedule{{
    {1, LyricKind::Title},
    {7, LyricKind::Line, 1},
    {13, LyricKind::Line, 2},
    {20, LyricKind::Line, 3},
    {27, LyricKind::Line, 4},
    {33, LyricKind::Line, 5},
    {38, LyricKind::Line, 6},
    {46, LyricKind::Line, 7},
    {52, LyricKind::Line, 8},
    {58, LyricKind::Clear},
    {61, LyricKind::Line, 9},
    {68, LyricKind::Line, 10},
    {75, LyricKind::Line, 5},
    {80, LyricKind::Line, 11},
    {87, LyricKind::Line, 12},
    {94, LyricKind::Line, 8},
    {103, LyricKind::Credit},
    {109, LyricKind::Rights},
    {116, LyricKind::Line, 12},
    {123, LyricKind::Line, 8},
    {129, LyricKind::Line, 12},
    {136, LyricKind::Line, 8},
    {142, LyricKind::Line, 13},
    {148, LyricKind::End},
}};

QString lyricText(const LyricCue &cue)
{
    switch (cue.kind) {
    case LyricKind::Title:
        return QCoreApplication::translate("ThemeWords", "＜＜いっしょに歌おう！KoTeBuﾃｰﾏ曲「闘いの女神」！＞＞");
    case LyricKind::Line:
        return themeLine(cue.line);
    case LyricKind::Clear:
        return QString();
    case LyricKind::Credit:
        return themeCreditBanner();
    case LyricKind::Rights:
        return themeRightsBanner();
    case LyricKind::End:
        return QCoreApplication::translate("ThemeWords", "＜＜　おわり　＞＞");
    }
    return QString();
}

long long positionFromReply(const QString &reply)
{
    constexpr long long Ceiling = std::numeric_limits<int>::max();
    qsizetype at = 0;
    while (at < reply.size() && reply.at(at) == QLatin1Char(' '))
        ++at;
    long long value = 0;
    for (; at < reply.size(); ++at) {
        const QChar c = reply.at(at);
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            break;
        value = value * 10 + (c.unicode() - '0');
        if (value > Ceiling)
            value = Ceiling; // far past the song's end either way
    }
    return value;
}

int lyricStep(const QString &reply)
{
    return static_cast<int>(positionFromReply(reply) / 10);
}

std::optional<QString> lyricForStep(int step)
{
    for (const LyricCue &cue : LyricSchedule)
        if (cue.step == step)
            return lyricText(cue);
    return std::nullopt;
}

} // namespace kotebu
