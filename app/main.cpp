#include "Forms.h"
#include "Main.h"
#include "Pictures.h"
#include "Sound.h"
#include "WidgetPlatform.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("KoTeBu Special Pack"));
    QApplication::setWindowIcon(QIcon(kotebu::pictures::applicationIcon()));
    kotebu::installWidgetPlatform();
    kotebu::installJapaneseFonts();
    kotebu::installSound();
    kotebu::Main();
    // Main returns only when the ending window was closed by its frame: the
    // main window stays until the player ends the day from it.
    return QApplication::exec();
}
