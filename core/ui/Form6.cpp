#include "Form6.h"
#include "ui_Form6.h"

#include "Forms.h"
#include "Pictures.h"

namespace kotebu {

Form6::Form6(QWidget *parent) : QWidget(parent), ui(std::make_unique<Ui::Form6>())
{
    ui->setupUi(this);
    setFixedSize(kotebu::twips(6750), kotebu::twips(2730));

    fillBackground(this, QColor(255, 192, 255));
    setColour(ui->Label1, QPalette::WindowText, Qt::red);
    setColour(ui->Label2, QPalette::WindowText, Qt::white);
    fillBackground(ui->Label2, QColor(255, 0, 255));
    // The credit line keeps the ordinary text colour; only its size is odd.
    setPointSize(ui->Label3, 9.75);
    setColour(ui->Line1, QPalette::WindowText, Qt::black);
    setColour(ui->Line2, QPalette::WindowText, Qt::black);

    ui->Image1->setPixmap(kotebu::pictures::secondHeroineStart());
    connect(ui->Command1, &QPushButton::clicked, this, &QWidget::close);
    // Return presses Start as well as Space: the button is the screen's only control.
    ui->Command1->setFocus();
    kotebu::CenterForm(this);
}

Form6::~Form6() = default;

} // namespace kotebu
