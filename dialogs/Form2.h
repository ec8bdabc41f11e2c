#pragma once

#include <QDialog>

#include <memory>
#include <optional>

namespace Ui {
class Form2;
}

namespace kotebu {

// The settings of the game being played (the section follows SecondGame):
// the day length in seconds, starting minimised, skipping the story.
// Shown with exec(); "ＯＫ" writes all three and accepts, "ｷｬﾝｾﾙ" writes nothing.
class Form2 : public QDialog {
    Q_OBJECT

public:
    explicit Form2(QWidget *parent = nullptr);
    ~Form2() override;

private:
    void okClicked();     // Command1
    void cancelClicked(); // Command2
    void textChanged(const QString &text);
    void barChanged(int seconds);

    std::unique_ptr<Ui::Form2> ui;
};

// The whole seconds a typed day length stands for, 1 to 60, or nothing when
// the text is to be ignored (negative, above 60, or too large for the game's
// 16-bit numbers). 0 and texts without a number mean 1.
std::optional<int> typedSeconds(const QString &text);

} // namespace kotebu
