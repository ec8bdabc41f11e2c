#pragma once

#include <QWidget>

#include <memory>

namespace Ui {
class Form8;
}

namespace kotebu {

// The first game's start screen. Shown without waiting; "Start" or the
// frame's close button hides it, and the start-up code waits for that.
class Form8 : public QWidget {
    Q_OBJECT

public:
    explicit Form8(QWidget *parent = nullptr);
    ~Form8() override;

private:
    std::unique_ptr<Ui::Form8> ui;
};

} // namespace kotebu
