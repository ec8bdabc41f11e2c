#include "Ending.h"

#include <QCoreApplication>

namespace kotebu {

namespace {

// Each game's endings, in the source language, Japanese.
struct EndingTexts {
    const char *victory;
    const char *defeat;
};

constexpr EndingTexts FirstGameTexts{
    QT_TRANSLATE_NOOP("Ending",
        "ついに、ことぶは宿敵まねっこぷぅを打ち負かし、世界に本当のことを取り戻した。"
        "もう誰も、あのへんてこな物まねに振り回されることはない。"),
    QT_TRANSLATE_NOOP("Ending",
        "ことぶは、まねっこぷぅを倒すことができなかった。"
        "やがて村から真実は消え去り、右を見ても左を見ても物まねばかりの、まねっこぷぅの世界になってしまうだろう…"),
};

constexpr EndingTexts SecondGameTexts{
    QT_TRANSLATE_NOOP("Ending",
        "ついにハルーネンは宿敵ハガ・サターンを打ち倒し、村と国を救った。"
        "おめでとう、ハルーネン！"),
    QT_TRANSLATE_NOOP("Ending",
        "ハルーネンは、ハガ・サターンを倒すことができなかった。"
        "村はいずれハガ・サターンの手で、家も畑も村人も、みんなカクカクのポリゴンにされてしまうだろう…"),
};

QString text(const char *source) { return QCoreApplication::translate("Ending", source); }

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
    view.caption = state.SecondGame ? text(QT_TRANSLATE_NOOP("Ending", "KoTeBu2 ハルーネン物語 おわり"))
                                    : text(QT_TRANSLATE_NOOP("Ending", "ＫｏＴｅＢｕ　おわり"));
    if (state.EndingKind == EndingKind::Victory) {
        view.pose = HeroinePose::Event;
        view.text = text(texts.victory) + state.CrLf
            + text(QT_TRANSLATE_NOOP("Ending", "得点は%1点でした。")).arg(Score(state));
    } else {
        view.pose = HeroinePose::Defeat;
        view.text = text(texts.defeat) + state.CrLf + text(QT_TRANSLATE_NOOP("Ending", "残念でした。もう一度挑戦してください！"));
    }
    return view;
}

} // namespace kotebu
