#pragma once

#include "Care.h"
#include "Outcome.h"

#include <QMainWindow>
#include <QPixmap>
#include <QPoint>
#include <QTimer>

#include <array>
#include <functional>
#include <memory>

class QAction;

namespace Ui {
class Form1;
}

namespace kotebu {

class PictureBox;
class SpokenNote;

// The window a game is played in: the heroine's picture, the three text
// lines, the care-item tray, the pause icon, the menus and the day clock.
// It only signals phases through NextPhase; the day loop runs them and
// hands back what to show through apply().
class Form1 : public QMainWindow {
    Q_OBJECT

public:
    explicit Form1(QWidget *parent = nullptr);
    ~Form1() override;

    // Shows what a phase produced; parts the outcome leaves unset stay as they are.
    void apply(const PhaseOutcome &outcome);

    void ShowCareItems();
    void HideCareItems();

    // Timer1. Setting the interval it already runs at leaves it running, so a
    // day loop that re-arms the clock before each wait does not shift the ticks.
    void startDayClock(int intervalMs);

    // Each care item drags its own picture; the state loader calls this.
    void prepareDragIcons();

    // Shows the settings dialog modally; the day clock is held around it.
    std::function<void()> openSettings;

    QTimer *dayClock() { return &m_timer1; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    // Asks, and on Yes saves the day and ends the program.
    void EndGame();

    // The double-click on the heroine's picture (and "Character Status"):
    // opens the enemy viewer after a fight when Information is 5.
    void openEnemyViewer();

    // One tick of Timer1.
    void dayClockTick();

    // A care item dropped on the heroine's picture.
    void careItemDropped(int item);

    // The tray's pictures, one for each care item.
    void makeCareItems();
    void runSettings();
    void showAbout();
    void updatePopupMenu();
    void startCareDrag(int item);
    void finishCareDrag(QPoint globalPosition, bool dropped);
    bool handleImage1Event(QEvent *event);
    bool handleCareItemEvent(int item, QEvent *event);
    bool handlePauseIconEvent(QEvent *event);
    void openPopupFromKeyboard();
    // The pause icon held or let go, by a mouse button or a key.
    void holdDayClock(bool hold);
    // The status lines into the heroine picture's description.
    void describeStatus();

    std::unique_ptr<Ui::Form1> ui;
    SpokenNote *m_spoken = nullptr;
    QString m_image1Keys; // the heroine picture's keys, as a screen reader is told them
    std::array<PictureBox *, CareItemCount> Image2{}; // the tray, made from the rules' items
    std::array<QPixmap, CareItemCount> m_dragIcons;
    QTimer m_timer1;
    QPoint m_pressAt;
    int m_pressedItem = -1;
    int m_draggedItem = -1; // the item under the pointer while the button is held
    int m_pauseKey = 0;     // the key holding the pause icon down, if any
};

} // namespace kotebu
