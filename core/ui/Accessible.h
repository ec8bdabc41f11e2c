#pragma once

#include <QLabel>

class QKeyEvent;

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
    // is news, even when its words are yesterday's.
    void announce(const QString &text);

signals:
    // A text went out to be spoken.
    void announced(const QString &text);
};

// Teaches the screen-reader side of Qt the two classes above. Call once
// after the application exists and before any window is made.
void installAccessibility();

// Return, Enter or Space pressed, and not the keyboard's own repeat of a
// key held down: the keys that press a focused control.
bool isPressKey(const QKeyEvent *event);

} // namespace kotebu
