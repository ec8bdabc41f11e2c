#pragma once

#include <QTimer>
#include <QWidget>

#include <memory>

class QLabel;

namespace Ui {
class Form5;
}

namespace kotebu {

class AnnouncedLabel;

// The story window of the second game's prologue. StoryDemo (Story.h) runs
// the pages; the window itself only holds the pictures, raises the two flags
// from its buttons and flashes the overlay on its timer.
class Form5 : public QWidget {
    Q_OBJECT

public:
    explicit Form5(QWidget *parent = nullptr);
    ~Form5() override;

    QTimer &Timer1() { return m_timer1; }

    QLabel *Image1() const;  // the page picture
    QLabel *Image3() const;  // holds page 2's picture
    QLabel *Image4() const;  // holds page 1's picture
    AnnouncedLabel *Label1() const; // the page text, read out by screen readers

    // The pause after each step of a picture's slide. A fixed pause makes a
    // slide take the same time on every machine.
    int slideStepMs() const { return m_slideStepMs; }
    void setSlideStepMs(int ms) { m_slideStepMs = ms; }

    // Outer height (title bar and frame included), in twips.
    int outerHeightTwips() const;

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    // One tick of the overlay timer.
    void Timer1Timer();

    std::unique_ptr<Ui::Form5> ui;
    QTimer m_timer1;
    int m_slideStepMs = 10;
};

} // namespace kotebu
