#include "Form2.h"
#include "ui_Form2.h"

#include "Forms.h"
#include "GameState.h"
#include "Numbers.h"
#include "Settings.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace kotebu {

namespace {

// The seconds a day length text is worth when it has to become a bar value:
// rounded to the nearest whole number, halves to even, and held inside the
// bar's range so a stored value the bar cannot show never breaks the dialog.
int barSeconds(const QString &text)
{
    const double seconds = std::nearbyint(leadingNumber(text).value_or(0.0));
    if (!(seconds >= 1))
        return 1;
    return static_cast<int>(std::min(seconds, 60.0));
}

} // namespace

std::optional<int> typedSeconds(const QString &text)
{
    const double seconds = std::floor(leadingNumber(text).value_or(0.0));
    if (!(seconds >= 0) || seconds > 60)
        return std::nullopt;
    return seconds == 0 ? 1 : static_cast<int>(seconds);
}

Form2::Form2(QWidget *parent)
    : QDialog(parent), ui(std::make_unique<Ui::Form2>())
{
    ui->setupUi(this);
    setFixedSize(size());
    connect(ui->Text1, &QLineEdit::textChanged, this, &Form2::textChanged);
    connect(ui->HScroll1, &QScrollBar::valueChanged, this, &Form2::barChanged);
    connect(ui->Command1, &QPushButton::clicked, this, &Form2::okClicked);
    connect(ui->Command2, &QPushButton::clicked, this, &Form2::cancelClicked);

    setWindowTitle(tr("設定"));
    CenterForm(this);
    const GameState &state = game();
    // Only the second game has a story to skip; the first still shows the value.
    if (!state.SecondGame)
        ui->Check2->setEnabled(false);

    // Milliseconds are shown as seconds; the text rule then cuts a fraction
    // such as "2.5" down to whole seconds.
    const double millis = std::floor(leadingNumber(settings::dayLengthText(state)).value_or(0.0));
    ui->Text1->setText(QString::number(millis / 1000.0, 'g', 15));

    ui->Check1->setChecked(settings::startMinimised(state));
    ui->Check2->setChecked(settings::skipStory(state));

    // The text may still hold what the rule ignored ("0.5", "75", "-2"); the
    // bar takes the nearest value it can show and the text follows it.
    const int seconds = barSeconds(ui->Text1->text());
    ui->HScroll1->setValue(seconds);
    if (ui->Text1->text() != QString::number(seconds))
        ui->Text1->setText(QString::number(seconds));
}

Form2::~Form2() = default;

void Form2::textChanged(const QString &text)
{
    // A text the rule ignores stays as typed and leaves the bar alone; when
    // the bar already shows the value the text is not rewritten either, so an
    // emptied box stays empty while the bar is at 1.
    if (const std::optional<int> seconds = typedSeconds(text))
        ui->HScroll1->setValue(*seconds);
}

void Form2::barChanged(int seconds)
{
    ui->Text1->setText(QString::number(seconds));
}

void Form2::okClicked()
{
    // The bar is what counts: a text the rule ignored is not saved.
    const GameState &state = game();
    settings::setDayLength(state, ui->HScroll1->value() * 1000);
    settings::setStartMinimised(state, ui->Check1->isChecked());
    settings::setSkipStory(state, ui->Check2->isChecked());
    accept();
}

void Form2::cancelClicked()
{
    reject();
}

} // namespace kotebu
