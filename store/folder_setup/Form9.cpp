#include "Form9.h"
#include "ui_Form9.h"

#include "Roster.h"
#include "FileNames.h"
#include "Forms.h"
#include "Platform.h"
#include "Settings.h"

#include <QFileInfo>
#include <QScopedValueRollback>

namespace kotebu {

namespace {

// Puts a completed text back without moving the cursor away from where the
// player is typing; an unchanged text is left alone, so it raises no change.
void putBack(QLineEdit *box, const QString &text)
{
    if (box->text() == text)
        return;
    const int cursor = box->cursorPosition();
    box->setText(text);
    box->setCursorPosition(std::min(cursor, static_cast<int>(box->text().size())));
}

} // namespace

QString completedFolder(const QString &text)
{
    if (text.endsWith(folderSeparator()))
        return text;
    return text + folderSeparator();
}

Form9::Form9(QWidget *parent)
    : QDialog(parent), ui(std::make_unique<Ui::Form9>())
{
    ui->setupUi(this);
    setFixedSize(size());
    // Texts far longer than any real folder name still complete and check.
    ui->Text1->setMaxLength(65535);
    ui->Text2->setMaxLength(65535);

    // Not to be pressed until the folders are checked.
    ui->Command2->setAvailable(false);
    connect(ui->Text1, &QLineEdit::textChanged, this, &Form9::CkFd);
    connect(ui->Text2, &QLineEdit::textChanged, this, &Form9::CkFd);
    connect(ui->Command1, &QPushButton::clicked, this, &Form9::cancelClicked);
    connect(ui->Command2, &QPushButton::clicked, this, &Form9::startClicked);

    CenterForm(this);
    ui->Text1->setText(settings::pictureFolder(false));
    ui->Text2->setText(settings::pictureFolder(true));
}

Form9::~Form9() = default;

void Form9::CkFd()
{
    // Putting a completed text back raises another change; the outer call
    // finishes the work, so the folders are looked at once per keystroke.
    if (m_checking)
        return;
    const QScopedValueRollback<bool> guard(m_checking, true);

    const QString first = completedFolder(ui->Text1->text());
    const QString second = completedFolder(ui->Text2->text());
    putBack(ui->Text1, first);
    putBack(ui->Text2, second);

    ui->Command2->setAvailable(holds(m_first, ui->Text1->text() + bossPicture(false))
                               && holds(m_second, ui->Text2->text() + bossPicture(true)));
}

bool Form9::holds(Lookup &last, const QString &file)
{
    // A file put into or taken out of the folder changes the folder's time.
    // Some file systems keep that time in steps of two seconds, so a folder
    // changed more recently than that is always searched again.
    const QString folder = file.left(file.lastIndexOf(folderSeparator()) + 1);
    const QDateTime changed = QFileInfo(folder).lastModified();
    const bool settled = changed.isValid() && changed.secsTo(QDateTime::currentDateTime()) >= 3;
    if (settled && last.file == file && last.folderChanged == changed)
        return last.found;

    const bool found = fileExistsNoCase(file);
    last = settled ? Lookup{file, changed, found} : Lookup{};
    return found;
}

void Form9::startClicked()
{
    if (!ui->Command2->isAvailable())
        return;
    settings::setPictureFolders(ui->Text1->text(), ui->Text2->text());
    accept();
}

void Form9::cancelClicked()
{
    endProgram(0);
}

} // namespace kotebu
