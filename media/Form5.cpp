#include "Form5.h"
#include "ui_Form5.h"

#include "Accessible.h"
#include "Forms.h"
#include "GameState.h"
#include "Pictures.h"
#include "Random.h"

#include <QCloseEvent>

namespace kotebu {

Form5::Form5(QWidget *parent)
    : QWidget(parent), ui(std::make_unique<Ui::Form5>())
{
    ui->setupUi(this);
    setFixedSize(twips(9135), twips(5055));
    // Centred before it is shown, as every window is: the window manager
    // then frames it where it asked to be. StoryDemo centres it again.
    CenterForm(this);

    ui->Image4->setPixmap(pictures::storyPage(1));
    ui->Image3->setPixmap(pictures::storyPage(2));
    ui->Image2->setPixmap(pictures::storyOverlay());

    connect(ui->Command1, &QPushButton::clicked, this, [] { game().DemoSkipRequested = True; });
    connect(ui->Command2, &QPushButton::clicked, this, [] { game().NextSceneRequested = True; });
    connect(&m_timer1, &QTimer::timeout, this, &Form5::Timer1Timer);
}

Form5::~Form5() = default;

QLabel *Form5::Image1() const { return ui->Image1; }
QLabel *Form5::Image3() const { return ui->Image3; }
QLabel *Form5::Image4() const { return ui->Image4; }
AnnouncedLabel *Form5::Label1() const { return ui->Label1; }

int Form5::outerHeightTwips() const
{
    const QRect frame = frameGeometry();
    const int pixels = frame.isValid() && frame.height() > 0 ? frame.height() : height();
    return pixels * 15;
}

void Form5::Timer1Timer()
{
    GameState &state = game();
    state.StoryTick = static_cast<Int16>(state.StoryTick + 1);
    // One draw on every tick, used or not, so the pattern of flashes is the
    // same however the ticks fall.
    const float r = random().next();
    const bool flashTick = state.StoryTick % 12 == 0;
    if (r < 0.8f && flashTick)
        ui->Image2->move(ui->Image1->x() + twips(1150), ui->Image1->y() + twips(1680));
    if (!flashTick)
        ui->Image2->move(0, twips(outerHeightTwips() + 5));
}

void Form5::closeEvent(QCloseEvent *event)
{
    // The player closing the story from its title bar means "skip it"; the
    // start-up closes the window itself once the story has returned.
    if (event->spontaneous()) {
        game().DemoSkipRequested = True;
        event->ignore();
        return;
    }
    event->accept();
}

} // namespace kotebu
