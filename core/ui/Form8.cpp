#include "Form8.h"
#include "ui_Form8.h"

#include "Forms.h"
#include "Pictures.h"

#include <QPalette>

namespace kotebu {

Form8::Form8(QWidget *parent) : QWidget(parent), ui(std::make_unique<Ui::Form8>())
{
    ui->setupUi(this);
    setFixedSize(kotebu::twips(6390), kotebu::twips(2880));

    QPalette ground = palette();
    ground.setColor(QPalette::Window, QColor(0, 128, 0));
    setPalette(ground);
    setAutoFillBackground(true);

    ui->Image1->setPixmap(kotebu::pictures::firstGameTitle());
    connect(ui->Command1, &QPushButton::clicked, this, &QWidget::close);
    kotebu::CenterForm(this);
}

Form8::~Form8() = default;

} // namespace kotebu
