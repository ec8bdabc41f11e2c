#include "Demoform.h"
#include "ui_Demoform.h"

#include "Forms.h"
#include "Logo.h"
#include "Pictures.h"
#include "Platform.h"
#include "Sound.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QPainter>

namespace kotebu {

namespace {

bool isShiftCtrlOrAlt(int key)
{
    return key == Qt::Key_Shift || key == Qt::Key_Control || key == Qt::Key_Alt || key == Qt::Key_AltGr;
}

} // namespace

Demoform::Demoform(QWidget *parent)
    : QWidget(parent), ui(std::make_unique<Ui::Demoform>())
{
    ui->setupUi(this);
    setFixedSize(twips(3765), twips(1380));
    fillBackground(this, Qt::black);
    setFocusPolicy(Qt::StrongFocus);

    ui->Label1->setFont(windowsFont(QStringLiteral("ＭＳ Ｐ明朝"), 14.25, true));

    for (char frame : {'A', 'B', 'C', 'D'}) {
        QLabel *holder = frameHolder(frame);
        holder->setPixmap(pictures::logoSprite(frame));
        holder->setScaledContents(false);
    }
    ui->Image1->setScaledContents(false);

    // What the window does when it loads, in this order.
    CenterForm(this);
    ui->Label1->hide();
    m_lineVisible.fill(false);
    m_sprite = LogoSpriteStart;
    showFrame('A');

    // A named child, found like the controls of the form.
    m_timer1.setParent(this);
    m_timer1.setObjectName(QStringLiteral("Timer1"));
    m_timer1.setTimerType(accurateTimer());
    connect(&m_timer1, &QTimer::timeout, this, &Demoform::Timer1Timer);
    m_timer1.start(scaledMs(200));
}

Demoform::~Demoform() = default;

QLabel *Demoform::frameHolder(char frame) const
{
    switch (frame) {
    case 'B':
        return ui->Image3;
    case 'C':
        return ui->Image4;
    case 'D':
        return ui->Image5;
    default:
        return ui->Image2;
    }
}

void Demoform::showFrame(char frame)
{
    // The sprite takes the size of the frame it is given; no stretching.
    m_frame = frame;
    const QLabel *holder = frameHolder(frame);
    const QPixmap picture = holder->pixmap();
    ui->Image1->setPixmap(picture);
    const QSize size = picture.isNull() ? holder->size() : picture.deviceIndependentSize().toSize();
    ui->Image1->setGeometry(twips(m_sprite.x()), twips(m_sprite.y()), size.width(), size.height());
}

bool Demoform::lineVisible(int line) const
{
    return line >= 1 && line <= LogoStrokeCount && m_lineVisible[line - 1];
}

void Demoform::Timer1Timer()
{
    const int now = m_counter++;

    if (now == LogoSoundCounter && !NoPlayMode)
        sndPlaySound(QStringLiteral("QZDEMO.WAV"), WaveAsync);

    for (const LogoBeat &beat : LogoBeats) {
        if (beat.counter != now)
            continue;
        for (int line = beat.firstLine; line <= beat.lastLine; ++line)
            m_lineVisible[line - 1] = true;
        // Hidden while it moves and changes frame, so it never shows the
        // new frame at the old place or the old frame at the new one.
        ui->Image1->hide();
        m_sprite += QPoint(beat.dLeft, beat.dTop);
        showFrame(beat.frame);
        ui->Image1->show();
        update();
    }

    if (now == LogoYearCounter)
        ui->Label1->show();

    if (now == LogoEndCounter) {
        m_timer1.stop();
        hide();
    }
}

void Demoform::keyPressEvent(QKeyEvent *event)
{
    // Shift, Ctrl or Alt held, or pressed by itself: the player wants quiet.
    // A short silent sound cuts off the logo sound, and the flag keeps it
    // from starting if it has not started yet.
    const bool held = event->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
    if (!held && !isShiftCtrlOrAlt(event->key())) {
        QWidget::keyPressEvent(event);
        return;
    }
    sndPlaySound(QStringLiteral("Dummy.wav"), WaveAsync | WaveNoDefault);
    NoPlayMode = true;
}

void Demoform::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    for (int line = 1; line <= LogoStrokeCount; ++line) {
        if (!m_lineVisible[line - 1])
            continue;
        const LogoStroke &stroke = LogoStrokes[line - 1];
        painter.setPen(QPen(logoStrokeColour(line), 1));
        painter.drawLine(QPoint(twips(stroke.from.x()), twips(stroke.from.y())),
                         QPoint(twips(stroke.to.x()), twips(stroke.to.y())));
    }
}

void Demoform::closeEvent(QCloseEvent *event)
{
    // Closed by the player: the window goes away for good, and so does its
    // animation; the start-up sees it hidden and moves on.
    m_timer1.stop();
    event->accept();
}

} // namespace kotebu
