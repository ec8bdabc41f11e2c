#pragma once

#include <QDialog>
#include <QPixmap>

#include <memory>

namespace Ui {
class Form3;
}

namespace kotebu {

// The enemy viewer: the monster's picture, name and description after a
// fight. Whoever opens it holds the day clock while it is open.
class Form3 : public QDialog {
    Q_OBJECT

public:
    Form3(const QPixmap &monster, bool secondGame, int enemyIndex, QWidget *parent = nullptr);
    ~Form3() override;

private:
    std::unique_ptr<Ui::Form3> ui;
};

} // namespace kotebu
