#include "Form8.h"
#include "ui_Form8.h"

#include "Forms.h"
#include "Pictures.h"

namespace kotebu {

Form8::Form8(QWidget *parent) : QWidget(parent), ui(std::make_unique<Ui::Form8>())
{
    ui->setupUi(this);
    setFixedSize(kotebu::twips(6390), kotebu::twips(2880));

    fillBackground(this, QColor(0, 128, 0));

    ui->Image1->setPixmap(kotebu::pictures::firstGameTitle());
    connect(ui->Command1, &QPushButton::clicked, this, &QWidget::close);
    // Return presses Start as well as Space: the button is the screen's only control.
    ui->Command1->setFocus();
    kotebu::CenterForm(this);
}

Form8::~Form8() = default;

} // namespace kotebu
