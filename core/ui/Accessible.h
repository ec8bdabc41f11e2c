#pragma once

#include <QLabel>
#include <QPushButton>

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

// A line of text a screen reader speaks each time the game puts a text on it,
// without taking the focus from where the player is. Screen readers skip a
// plain label's changes, so it is a notification to them.
class AnnouncedLabel : public QLabel {
    Q_OBJECT

public:
    using QLabel::QLabel;

    // Shows `text`, and has it spoken unless it is empty (an emptied line has
    // nothing to say). The same text set again is spoken again: each morning
    // is news, even when its words are yesterday's. As with SpokenNote, in a
    // window not up yet it is spoken as the window comes up.
    void announce(const QString &text);

signals:
    // A text went out to be spoken.
    void announced(const QString &text);
};

// The window's own voice: says a short text to a screen reader (a refusal,
// the clock held, what a dialog opens with) that the window does not show,
// since what it shows is fixed. A pixel of its window that draws nothing; the
// last text said stays its name.
class SpokenNote : public QWidget {
    Q_OBJECT

public:
    explicit SpokenNote(QWidget *parent = nullptr);

    // Has `text` spoken; while the window is not up yet (a dialog being
    // made, the game window before its first day) as the window comes up.
    void say(const QString &text);
    QString lastSaid() const { return m_lastSaid; }

signals:
    void said(const QString &text);

private:
    QString m_lastSaid;
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
