// The main of the rules and store test binaries: a QCoreApplication only, so
// those binaries link no Qt Gui or Qt Widgets and a widget slipping into the
// rules or the store fails to link there.
#include <QCoreApplication>

#include <gtest/gtest.h>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
