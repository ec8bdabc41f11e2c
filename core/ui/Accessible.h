#pragma once

#include <QLabel>
#include <QPushButton>
#include <QStringList>

class QKeyEvent;
class QMenu;

namespace kotebu {

// A picture the keyboard can reach. While it has the focus it draws a focus
// mark of its own over the picture: black and white dashes, which read on any
// picture and cannot be taken for a frame the game itself draws. Give it
// Qt::TabFocus, so a click leaves the focus where it was.
//
// A pressable picture (one the player presses with Return or Space, or clicks)
// is a button to a screen reader; any other is an image. Set the property in
// the form file: a screen reader asks once and keeps the answer.
class PictureBox : public QLabel {
    Q_OBJECT
    Q_PROPERTY(bool pressable READ isPressable WRITE setPressable)

public:
    using QLabel::QLabel;

    bool isPressable() const { return m_pressable; }
    void setPressable(bool pressable) { m_pressable = pressable; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    bool m_pressable = false;
};

// A window's voice to a screen reader: says what the window does not show,
// since what it shows is fixed (a refusal, the clock held, what a dialog
// opens with), and the lines the window does show as they change (the day's
// messages). It is a notification, which a screen reader reads out when it
// appears without moving the focus; a pixel of the window that draws nothing,
// named by the last text said.
//
// Said while the window is not up yet (a dialog being made, the game window
// before its first day), the texts wait, together, for the window to come up
// and for the screen reader to take it in: sent earlier they go nowhere a
// screen reader hears (Orca reads them empty, before the window, or not at
// all on a busy machine).
class SpokenNote : public QWidget {
    Q_OBJECT

public:
    // The voice of `window` (made on first use).
    static SpokenNote *of(QWidget *window);

    void say(const QString &text);
    QString lastSaid() const { return m_lastSaid; }

signals:
    void said(const QString &text);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    explicit SpokenNote(QWidget *window);
    void setLastSaid(const QString &text);
    void speakWaiting();

    QString m_lastSaid;
    QStringList m_waiting;
};

// A line of text a screen reader hears each time the game puts a text on it,
// through its window's voice, without the focus moving.
class AnnouncedLabel : public QLabel {
    Q_OBJECT

public:
    using QLabel::QLabel;

    // Shows `text`, and has it spoken unless it is empty (an emptied line has
    // nothing to say). The same text set again is spoken again: each morning
    // is news, even when its words are yesterday's.
    void announce(const QString &text);

signals:
    // A text went out to be spoken.
    void announced(const QString &text);
};

// A push button that stays in reach of the keyboard while it cannot be
// pressed: Tab still lands on it and a screen reader names it, greyed. It
// looks and acts as a disabled button does (a press does nothing, it is drawn
// greyed), where Qt's own disabled buttons take no focus at all, so a blind
// player could never learn they are there. The owner checks isAvailable()
// before acting on clicked(), which a dialog's Return may still send.
class ReachableButton : public QPushButton {
    Q_OBJECT

public:
    using QPushButton::QPushButton;

    bool isAvailable() const { return m_available; }
    void setAvailable(bool available);

protected:
    bool event(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    bool m_available = true;
    bool m_wasDefault = false;
};

// While `menu` is open from the keyboard, its disabled entries can be
// arrowed to, so a screen reader names them, greyed, instead of skipping
// them; opened with the mouse it is as ever.
void letKeysReachDisabledEntries(QMenu *menu, bool fromKeyboard);

// Teaches the screen-reader side of Qt the classes above. Call once
// after the application exists and before any window is made.
void installAccessibility();

// Return, Enter or Space pressed, and not the keyboard's own repeat of a
// key held down: the keys that press a focused control.
bool isPressKey(const QKeyEvent *event);

} // namespace kotebu
