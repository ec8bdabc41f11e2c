#pragma once

#include <QDialog>

#include <memory>

namespace Ui {
class Form9;
}

namespace kotebu {

// Asks once for the two folders that hold the monster pictures. Shown with
// exec(): "Start!" stores both folders in the state file and the start
// template and accepts; "Cancel" ends the program with nothing written;
// the close box just closes, leaving the stored folders as they were.
class Form9 : public QDialog {
    Q_OBJECT

public:
    explicit Form9(QWidget *parent = nullptr);
    ~Form9() override;

    // Completes both folder texts with the separator and lets "Start!" go
    // only while both folders hold their boss picture.
    void CkFd();

public slots:
    void startClicked();  // Command2
    void cancelClicked(); // Command1

private:
    std::unique_ptr<Ui::Form9> ui;
    bool m_checking = false;
};

// The folder text as it is stored: ending in the folder separator.
QString completedFolder(const QString &text);

// True when the folder holds the boss picture, whatever the letter case.
bool holdsFirstBoss(const QString &folder);
bool holdsSecondBoss(const QString &folder);

} // namespace kotebu

using kotebu::Form9;
