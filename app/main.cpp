#include "Accessible.h"
#include "EnterGameFolder.h"
#include "FolderLock.h"
#include "Fonts.h"
#include "Form1.h"
#include "Language.h"
#include "Main.h"
#include "Pictures.h"
#include "SessionEnd.h"
#include "Sound.h"
#include "WidgetPlatform.h"

#include <QApplication>
#include <QIcon>
#include <QLocale>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    kotebu::enterGameFolder();
    QApplication::setApplicationName(QStringLiteral("KoTeBu Special Pack"));
    QApplication::setApplicationVersion(QStringLiteral(KOTEBU_VERSION));
    // Wayland compositors find the window's desktop entry, and with it the
    // icon and the name, by this.
    QGuiApplication::setDesktopFileName(QStringLiteral(KOTEBU_APP_ID));
    QApplication::setWindowIcon(QIcon(kotebu::pictures::applicationIcon()));
    // The game ends only through its own Exit or ending window; a window
    // hiding between two steps of the start-up must not end it.
    QApplication::setQuitOnLastWindowClosed(false);
    // The desktop's language, chosen once, before any window or text is made.
    const QString language = kotebu::installTranslations(QLocale::system().uiLanguages());
    kotebu::installWidgetPlatform();
    kotebu::installFonts(language);
    kotebu::installAccessibility();
    kotebu::installSound();
    const kotebu::FolderLock folderLock;
    kotebu::installSessionEndHandler();

    // Main returns only when the ending window was closed by its frame: the
    // main window stays until the player ends the day from it.
    const auto mainWindow = kotebu::Main();
    return QApplication::exec();
}
