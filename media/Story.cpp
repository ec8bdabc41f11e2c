#include "Story.h"

#include "Accessible.h"
#include "Form5.h"
#include "Forms.h"
#include "GameState.h"
#include "Outcome.h"
#include "Pictures.h"
#include "Platform.h"
#include "Wait.h"

#include <QCoreApplication>
#include <QLabel>
#include <QPixmap>
#include <QTimer>

#include <algorithm>

namespace kotebu {

namespace {

bool flagRaised()
{
    return game().NextSceneRequested || game().DemoSkipRequested;
}

// Lets events run for a fixed moment, sleeping on the event queue.
void pause(int ms)
{
    if (ms <= 0) {
        QCoreApplication::processEvents();
        return;
    }
    bool due = false;
    QTimer timer;
    timer.setSingleShot(true);
    timer.setTimerType(accurateTimer());
    QObject::connect(&timer, &QTimer::timeout, [&due] { due = true; });
    timer.start(ms);
    waitUntil([&due] { return due; });
}

constexpr int OverlayTicks = 150;
constexpr int OverlayIntervalMs = 80;

} // namespace

QString storyPageText(int page)
{
    switch (page) {
    case 1:
        return QCoreApplication::translate("Story",
            "むかし、この地は恐ろしい魔物に苦しめられていた。村は焼かれ、人々は夜ごと震えて眠った。"
            "そのとき一人の女戦士が剣を取った。名はことぶ。幾度倒れても立ち上がった彼女は、"
            "ついに魔物を討ち、大地に平和を取り戻した。");
    case 2:
        return QCoreApplication::translate("Story",
            "戦いを終えたことぶは、東の国から旅してきた一人の戦士と出会った。"
            "寡黙だが心優しいその男と、ことぶはやがて結ばれた。二人は小さな村に家を構え、"
            "ほどなく一人の娘を授かった。春の風の吹く、穏やかな朝のことであった。");
    case 3:
        return QCoreApplication::translate("Story",
            "娘の身には、代々魔物と戦ってきた戦士たちの血が流れている。母の家も父の家も、"
            "剣とともに生きた一族だった。幼い娘は母の昔話を聞くたびに、"
            "いつか自分も剣を取る日が来るのだと、胸の奥で静かに感じていた。");
    case 4:
        return QCoreApplication::translate("Story",
            "娘が八つになった朝、大地が低くうなり、家が激しく揺れた。その夜、娘は夢を見た。"
            "暗い谷の底で黒い卵が割れ、新たな魔物が目を開く夢を。"
            "目覚めた娘の手は、冷たい汗に濡れていた。");
    case 5:
        return QCoreApplication::translate("Story",
            "娘は決意した。魔物が育ちきる前に、強くなろうと。父はその覚悟を見て、"
            "東の国から携えてきた剣を娘に託した。母は自らを守ってきたお守りを、"
            "そっと娘の首にかけた。娘の名はハルーネン。彼女の物語が、今はじまる。");
    default:
        return QString();
    }
}

void SlidePicture(Form5 &form, const QPixmap &source)
{
    QLabel *picture = form.Image1();
    const int height = form.outerHeightTwips();
    const int left = picture->x() * 15;
    // Below the window first, and only then the new picture, so it is never
    // seen at the old place.
    picture->move(twips(left), twips(height));
    picture->setPixmap(source);

    for (int top = std::clamp(height, -32768, 32767); top >= 120; top -= 100) {
        picture->move(twips(left), twips(top));
        if (flagRaised())
            return; // the picture stays where it is
        pause(form.slideStepMs());
    }
}

void AnimateOverlay(Form5 &form)
{
    game().StoryTick = 0;
    form.Timer1().start(OverlayIntervalMs);
    while (game().StoryTick < OverlayTicks) {
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        if (flagRaised())
            return; // the timer keeps running; page 4 or the start-up stops it
    }
    form.Timer1().stop();
}

void StoryDemo(Form5 &form)
{
    CenterForm(&form);
    for (int page = 1; page <= StoryPageCount; ++page) {
        // Page 3 keeps the flag as page 2 left it: a "Next Scene" on page 2
        // carries through the overlay page as well.
        if (page != 3)
            game().NextSceneRequested = False;
        if (page == 4)
            form.Timer1().stop();
        form.Label1()->announce(displayText(storyPageText(page)));

        // The picture's name changes with it, for screen readers.
        QLabel *picture = form.Image1();
        switch (page) {
        case 1:
            picture->setAccessibleName(form.Image4()->accessibleName());
            SlidePicture(form, form.Image4()->pixmap());
            Wait(5);
            break;
        case 2:
            picture->setAccessibleName(form.Image3()->accessibleName());
            SlidePicture(form, form.Image3()->pixmap());
            Wait(4);
            break;
        case 3:
            AnimateOverlay(form);
            break;
        case 4:
            picture->setAccessibleName(pictures::dayIconDescription(DayIcon::Night));
            SlidePicture(form, pictures::dayIcon(DayIcon::Night));
            Wait(3);
            break;
        case 5:
            picture->setAccessibleName(pictures::heroineDescription(true, HeroinePose::Ordinary));
            SlidePicture(form, pictures::heroine(true, HeroinePose::Ordinary));
            Wait(5);
            break;
        }
        if (game().DemoSkipRequested)
            return;
    }
}

} // namespace kotebu
