#pragma once

#include <QDialog>

#include <memory>

namespace Ui {
class Form4;
}

namespace kotebu {

// The last window of a game: the ending picture and text, with the score
// after a victory. Loading it marks the game finished at once, so a program
// killed while it is open still starts a new game next time. Shown with exec(); "完" ends the program, the close box returns.
class Form4 : public QDialog {
    Q_OBJECT

public:
    explicit Form4(QWidget *parent = nullptr);
    ~Form4() override;

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    void finishClicked(); // Command1

    std::unique_ptr<Ui::Form4> ui;
};

} // namespace kotebu
