#pragma once

#include <QDateTime>
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

private:
    void startClicked();  // Command2
    void cancelClicked(); // Command1

    // The last answer for one box. A folder of thousands of files takes a
    // while to search for a name in other letter case, and typing in one box
    // must not search the other box's unchanged folder again.
    struct Lookup {
        QString file;
        QDateTime folderChanged;
        bool found = false;
    };
    bool holds(Lookup &last, const QString &file);

    std::unique_ptr<Ui::Form9> ui;
    bool m_checking = false;
    Lookup m_first;
    Lookup m_second;
};

// The folder text as it is stored: ending in the folder separator.
QString completedFolder(const QString &text);

} // namespace kotebu
