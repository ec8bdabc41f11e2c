#pragma once

#include <QWidget>

#include <memory>

namespace Ui {
class Form6;
}

namespace kotebu {

// The second game's start screen. Shown without waiting; "Start" or the
// frame's close button hides it, and the start-up code waits for that.
class Form6 : public QWidget {
    Q_OBJECT

public:
    explicit Form6(QWidget *parent = nullptr);
    ~Form6() override;

private:
    std::unique_ptr<Ui::Form6> ui;
};

} // namespace kotebu
