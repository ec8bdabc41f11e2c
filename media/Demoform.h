#pragma once

#include <QPoint>
#include <QTimer>
#include <QWidget>

#include <array>
#include <memory>

class QLabel;

namespace Ui {
class Demoform;
}

namespace kotebu {

// The logo window: the Team Harukaze word mark drawn stroke group by stroke
// group while a sprite hops beside it, then "1996"; it hides itself 4.8 s
// after it was created. It never closes itself, and the counter is never
// reset, so the animation runs once per program.
class Demoform : public QWidget {
    Q_OBJECT

public:
    explicit Demoform(QWidget *parent = nullptr);
    ~Demoform() override;

    // True once the player has asked for silence (Shift, Ctrl or Alt).
    bool NoPlayMode = false;

    int counter() const { return m_counter; }
    bool lineVisible(int line) const; // 1..19
    // The sprite's place in twips and the frame it shows ('A'..'D').
    QPoint spriteTwips() const { return m_sprite; }
    char spriteFrame() const { return m_frame; }

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    // One tick of the animation timer.
    void Timer1Timer();
    void showFrame(char frame);
    QLabel *frameHolder(char frame) const;

    std::unique_ptr<Ui::Demoform> ui;
    QTimer m_timer1;
    int m_counter = 0;
    std::array<bool, 19> m_lineVisible{};
    QPoint m_sprite;
    char m_frame = 'A';
};

} // namespace kotebu
