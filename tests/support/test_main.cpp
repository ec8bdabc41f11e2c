// The main of the window test binaries: a QApplication on the headless
// platform (the rules and store tests have core_test_main.cpp).
#include "Accessible.h"
#include "Fonts.h"

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

int main(int argc, char **argv)
{
    // The platform and the audio driver come from ctest (tests/CMakeLists.txt);
    // a runtime folder of the process's own keeps parallel tests apart.
    QTemporaryDir runtimeDir;
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR"))
        qputenv("XDG_RUNTIME_DIR", runtimeDir.path().toLocal8Bit());

    QApplication app(argc, argv);
    kotebu::installFonts(QStringLiteral("ja"));
    kotebu::installAccessibility();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
