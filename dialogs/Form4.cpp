#include "Form4.h"
#include "ui_Form4.h"

#include "Accessible.h"
#include "Ending.h"
#include "Forms.h"
#include "GameState.h"
#include "Pictures.h"
#include "Platform.h"
#include "Settings.h"

#include <QKeyEvent>

namespace kotebu {

Form4::Form4(QWidget *parent)
    : QDialog(parent), ui(std::make_unique<Ui::Form4>())
{
    ui->setupUi(this);
    setFixedSize(size());
    // Form files hold whole points only; the window's fonts sit between them.
    setPointSize(ui->Label1, 14.25);
    setPointSize(ui->Command1, 10.5);
    connect(ui->Command1, &QPushButton::clicked, this, &Form4::finishClicked);

    CenterForm(this);
    const GameState &state = game();
    const EndingView view = Ending(state);
    if (!view.caption.isEmpty())
        setWindowTitle(view.caption);
    ui->Image1->setPixmap(pictures::heroine(state.SecondGame != 0, view.pose));
    ui->Image1->setAccessibleName(pictures::heroineDescription(state.SecondGame != 0, view.pose));
    ui->Label1->setText(displayText(view.text));
    // The whole text, the score included, is read out as the window opens;
    // Tab reaches it to hear it again before "完" ends the program.
    ui->Label1->setFocusPolicy(Qt::TabFocus);
    ui->Command1->setFocus(); // "完" keeps the focus it opens with
    SpokenNote::of(this)->say(view.text.simplified());

    // Only the finished mark is written: the heroine's values are left
    // behind, and the next start rebuilds the state file from the template.
    settings::markGameFinished(state);
}

Form4::~Form4() = default;

void Form4::keyPressEvent(QKeyEvent *event)
{
    // A dialog's Escape closes it as its frame's close box does, which here
    // leaves the game window running without a game behind it. The ending has
    // no Cancel to stand for, so the key does nothing; Return presses "完".
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void Form4::finishClicked()
{
    endProgram(0);
}

} // namespace kotebu
