#include "Form6.h"
#include "ui_Form6.h"

#include "Forms.h"
#include "Pictures.h"

#include <QPalette>

namespace kotebu {

namespace {

void colour(QWidget *widget, QPalette::ColorRole role, const QColor &value)
{
    QPalette palette = widget->palette();
    palette.setColor(role, value);
    widget->setPalette(palette);
}

} // namespace

Form6::Form6(QWidget *parent) : QWidget(parent), ui(std::make_unique<Ui::Form6>())
{
    ui->setupUi(this);
    setFixedSize(kotebu::twips(6750), kotebu::twips(2730));

    colour(this, QPalette::Window, QColor(255, 192, 255));
    setAutoFillBackground(true);
    colour(ui->Label1, QPalette::WindowText, Qt::red);
    colour(ui->Label2, QPalette::WindowText, Qt::white);
    colour(ui->Label2, QPalette::Window, QColor(255, 0, 255));
    ui->Label2->setAutoFillBackground(true);
    // The credit line keeps the ordinary text colour; only its size is odd.
    QFont credit = ui->Label3->font();
    credit.setPointSizeF(9.75);
    ui->Label3->setFont(credit);
    colour(ui->Line1, QPalette::WindowText, Qt::black);
    colour(ui->Line2, QPalette::WindowText, Qt::black);

    ui->Image1->setPixmap(kotebu::pictures::secondHeroineStart());
    connect(ui->Command1, &QPushButton::clicked, this, &QWidget::close);
    kotebu::CenterForm(this);
}

Form6::~Form6() = default;

} // namespace kotebu
