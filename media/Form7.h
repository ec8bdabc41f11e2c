#pragma once

#include <QTimer>
#include <QWidget>

#include <memory>

class QLabel;

namespace Ui {
class Form7;
}

namespace kotebu {

// The game selector: a picture per game, a blinking banner, a frame that
// jumps between the pictures and the theme's words line by line. A click on
// a picture chooses the game; the start-up then closes the window, which
// stops the theme. Closing it any other way ends the program.
class Form7 : public QWidget {
    Q_OBJECT

public:
    explicit Form7(QWidget *parent = nullptr);
    ~Form7() override;

    // Puts a text on the lyric line; an equal text is left alone (no redraw).
    void KPrint(const QString &text);

    // How many times KPrint has actually changed the lyric line.
    int lyricChanges() const { return m_lyricChanges; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void Image1Click(int index);
    void Timer1Timer();
    void Timer2Timer();
    // Stops the theme; when the program is not the one closing the window,
    // ends the program.
    void QueryUnload(bool byProgramCode);
    QLabel *picture(int index) const;

    std::unique_ptr<Ui::Form7> ui;
    QTimer m_timer1;
    QTimer m_timer2;
    short m_framePos = 0; // twips; left of the framed picture
    int m_lyricChanges = 0;
    int m_pressedOn = -1;
};

} // namespace kotebu
