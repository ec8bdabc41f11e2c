#include "Ending.h"

namespace kotebu {

namespace {

struct EndingTexts {
    const char16_t *victory;
    const char16_t *defeat;
};

constexpr EndingTexts FirstGameTexts{
    u"ついに、ことぶは宿敵まねっこぷぅを打ち負かし、世界に本当のことを取り戻した。"
    u"もう誰も、あのへんてこな物まねに振り回されることはない。",
    u"ことぶは、まねっこぷぅを倒すことができなかった。"
    u"やがて村から真実は消え去り、右を見ても左を見ても物まねばかりの、まねっこぷぅの世界になってしまうだろう…",
};

constexpr EndingTexts SecondGameTexts{
    u"ついにハルーネンは宿敵ハガ・サターンを打ち倒し、村と国を救った。"
    u"おめでとう、ハルーネン！",
    u"ハルーネンは、ハガ・サターンを倒すことができなかった。"
    u"村はいずれハガ・サターンの手で、家も畑も村人も、みんなカクカクのポリゴンにされてしまうだろう…",
};

} // namespace

Int16 Score(const GameState &state)
{
    // Nothing keeps the score above zero: a wounded heroine's -10 stamina
    // costs her 40 points. Only the 16-bit range bounds it, so hand-edited
    // attributes cannot turn a huge score negative.
    const int sum = state.Charm + state.Stamina + state.Information + state.Love + state.Knowledge;
    return saturated(4 * sum);
}

EndingView Ending(const GameState &state)
{
    const EndingTexts &texts = state.SecondGame ? SecondGameTexts : FirstGameTexts;
    EndingView view;
    view.caption = state.SecondGame ? QStringLiteral("KoTeBu2 ハルーネン物語 おわり")
                                    : QStringLiteral("ＫｏＴｅＢｕ　おわり");
    if (state.EndingKind == EndingKind::Victory) {
        view.pose = HeroinePose::Event;
        view.text = QString::fromUtf16(texts.victory) + state.CrLf + QStringLiteral("得点は")
            + QString::number(Score(state)) + QStringLiteral("点でした。");
    } else {
        view.pose = HeroinePose::Defeat;
        view.text = QString::fromUtf16(texts.defeat) + state.CrLf
            + QStringLiteral("残念でした。もう一度挑戦してください！");
    }
    return view;
}

} // namespace kotebu
