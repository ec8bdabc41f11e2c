#include "Form7.h"
#include "ui_Form7.h"

#include "Accessible.h"
#include "Forms.h"
#include "GameState.h"
#include "Lyrics.h"
#include "Pictures.h"
#include "Platform.h"
#include "Sound.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QMouseEvent>

namespace kotebu {

namespace {

// Left edges of the two pictures, in twips: Image1(0) is the second game's.
constexpr short SecondPictureLeft = 3840;
constexpr short FirstPictureLeft = 240;

} // namespace

Form7::Form7(QWidget *parent)
    : QWidget(parent), ui(std::make_unique<Ui::Form7>())
{
    ui->setupUi(this);
    setFixedSize(twips(7590), twips(5145));
    fillBackground(this, Qt::black);

    const QString gothic = QStringLiteral("ＭＳ Ｐゴシック");
    ui->Label1_0->setFont(windowsFont(gothic, 11.25));
    ui->Label1_1->setFont(windowsFont(gothic, 11.25));
    ui->Label2->setFont(windowsFont(gothic, 11.25, true));

    ui->Image1_1->setPixmap(pictures::selectorFirstGame());
    ui->Image1_0->setPixmap(pictures::secondHeroineStart());
    ui->Image2_0->setPixmap(pictures::selectorBanner(0));
    ui->Image2_1->setPixmap(pictures::selectorBanner(1));
    // The frame is only drawn over the pictures: clicks go through it.
    ui->Shape1->setAttribute(Qt::WA_TransparentForMouseEvents);
    ui->Image1_0->installEventFilter(this);
    ui->Image1_1->installEventFilter(this);

    // Named children, found like the controls of the form.
    m_timer1.setParent(this);
    m_timer1.setObjectName(QStringLiteral("Timer1"));
    m_timer2.setParent(this);
    m_timer2.setObjectName(QStringLiteral("Timer2"));
    connect(&m_timer1, &QTimer::timeout, this, &Form7::Timer1Timer);
    connect(&m_timer2, &QTimer::timeout, this, &Form7::Timer2Timer);

    // A keyboard finds the first game ready: Return or Space chooses it,
    // Tab and the arrow keys move to the other.
    ui->Image1_1->setFocus();

    // What the window does when it loads, in this order.
    CenterForm(this);
    m_timer1.start(400);
    m_timer2.start(300);
    PlayMidi(themeFileName());
}

Form7::~Form7() = default;

QLabel *Form7::picture(int index) const
{
    return index == 1 ? ui->Image1_1 : ui->Image1_0;
}

void Form7::KPrint(const QString &text)
{
    const QString shown = displayText(text);
    if (ui->Label2->text() == shown)
        return;
    ui->Label2->setText(shown);
    ++m_lyricChanges;
}

void Form7::Image1Click(int index)
{
    game().SecondGame = index == 1 ? False : True;
    game().SelectorOpen = False;
}

void Form7::Timer1Timer()
{
    if (m_framePos == SecondPictureLeft) {
        m_framePos = FirstPictureLeft;
        ui->Image2_1->show();
        ui->Image2_0->hide();
    } else {
        m_framePos = SecondPictureLeft;
        ui->Image2_0->show();
        ui->Image2_1->hide();
    }
    ui->Shape1->move(twips(m_framePos), ui->Shape1->y());
}

void Form7::Timer2Timer()
{
    if (const auto text = lyricForStep(lyricStep(StatusMidiPosition())))
        KPrint(*text);
}

void Form7::QueryUnload(bool byProgramCode)
{
    StopMidi();
    if (!byProgramCode)
        endProgram(0); // nothing to save yet: no game has been loaded
}

void Form7::keyPressEvent(QKeyEvent *event)
{
    // The games' numbers choose them wherever the focus is.
    if ((event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier && !event->isAutoRepeat()) {
        if (event->key() == Qt::Key_1) {
            Image1Click(1);
            return;
        }
        if (event->key() == Qt::Key_2) {
            Image1Click(0);
            return;
        }
    }
    QWidget::keyPressEvent(event);
}

void Form7::closeEvent(QCloseEvent *event)
{
    // A close that comes from the window system (title bar, system menu,
    // session end) is the player's; close() from our own code is not.
    QueryUnload(!event->spontaneous());
    m_timer1.stop();
    m_timer2.stop();
    event->accept();
}

bool Form7::eventFilter(QObject *watched, QEvent *event)
{
    const int index = watched == ui->Image1_1 ? 1 : watched == ui->Image1_0 ? 0 : -1;
    if (index < 0)
        return QWidget::eventFilter(watched, event);

    if (event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        if (isPressKey(key)) {
            Image1Click(index);
            return true;
        }
        QLabel *to = nullptr;
        if (key->key() == Qt::Key_Left || key->key() == Qt::Key_Up)
            to = picture(1);
        else if (key->key() == Qt::Key_Right || key->key() == Qt::Key_Down)
            to = picture(0);
        if (to) {
            // Moved by the keyboard: the focus mark shows from now on.
            setAttribute(Qt::WA_KeyboardFocusChange);
            to->setFocus(Qt::OtherFocusReason);
            to->update();
            return true;
        }
        return QWidget::eventFilter(watched, event);
    }

    // A click is a press and a release of the left button on the same picture.
    if (event->type() == QEvent::MouseButtonPress) {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        if (mouse->button() == Qt::LeftButton)
            m_pressedOn = index;
    } else if (event->type() == QEvent::MouseButtonRelease) {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        const bool inside = picture(index)->rect().contains(mouse->position().toPoint());
        if (mouse->button() == Qt::LeftButton && m_pressedOn == index && inside)
            Image1Click(index);
        m_pressedOn = -1;
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace kotebu
