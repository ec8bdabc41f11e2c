#include "Form3.h"
#include "ui_Form3.h"

#include "Accessible.h"
#include "EnemyBook.h"
#include "Forms.h"

namespace kotebu {

Form3::Form3(const QPixmap &monster, bool secondGame, int enemyIndex, QWidget *parent)
    : QDialog(parent), ui(std::make_unique<Ui::Form3>())
{
    ui->setupUi(this);
    setFixedSize(kotebu::twips(8355), kotebu::twips(4275));
    // A fixed window: no help button or resize grip of the platform's own.
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    kotebu::fillBackground(this, QColor(255, 255, 224));

    // Half points do not fit the form file's whole-point sizes.
    ui->Label2->setFont(windowsFont(QStringLiteral("ＭＳ ゴシック"), 13.5));
    ui->Label1->setFont(windowsFont(QStringLiteral("ＭＳ 明朝"), 13.5, true));
    ui->Command1->setFont(windowsFont(QStringLiteral("ＭＳ Ｐゴシック"), 10.5));

    kotebu::CenterForm(this);

    const QString name = kotebu::enemyBookName(secondGame, enemyIndex);
    const QString description = kotebu::enemyBookDescription(secondGame, enemyIndex);
    ui->Image1->setPixmap(monster);
    ui->Image1->setAccessibleName(name);
    ui->Label2->setText(kotebu::displayText(name));
    ui->Label1->setText(kotebu::displayText(description));
    // What the viewer shows is read out as it opens, after its title and
    // its button, without a key to press.
    if (!name.isEmpty())
        SpokenNote::of(this)->say(tr("%1。%2").arg(name, description));

    connect(ui->Command1, &QPushButton::clicked, this, &QDialog::accept);
}

Form3::~Form3() = default;

} // namespace kotebu
