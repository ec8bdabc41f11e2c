#include "Fakes.h"
#include "Forms.h"

#include <QFont>
#include <QFontInfo>
#include <QWidget>

#include <gtest/gtest.h>

using namespace kotebu;

TEST(DisplayText, EveryLineBreakFormBecomesOneBreakWithoutIndent)
{
    const struct {
        const char *game;
        const char *shown;
    } rows[] = {
        {"a\n\rb", "a\nb"},       // the game's own LF CR
        {"a\r\nb", "a\nb"},
        {"a\rb", "a\nb"},
        {"a\n\r\n\rb", "a\n\nb"}, // two breaks stay two
        {"a\nb", "a\nb"},
        {"abc", "abc"},
    };
    for (const auto &row : rows)
        EXPECT_EQ(displayText(QString::fromLatin1(row.game)), QString::fromLatin1(row.shown)) << row.game;
}

TEST(Twips, FifteenToThePixelRoundedToTheNearest)
{
    EXPECT_EQ(twips(8670), 578);
    EXPECT_EQ(twips(2295), 153);
    EXPECT_EQ(twips(852), 57);  // 56.8
    EXPECT_EQ(twips(7), 0);     // 0.47
    EXPECT_EQ(twips(8), 1);     // 0.53
}

TEST(CenterForm, UsesTheScreenSeamAndAllowsNegativePositions)
{
    test::Sandbox sandbox;
    sandbox.screen.pixels = QSize(800, 600);
    QWidget window;
    window.resize(200, 100);
    CenterForm(&window);
    EXPECT_EQ(window.pos(), QPoint(300, 250));

    // A window twice as wide as the screen goes half a screen to the left.
    window.resize(1600, 100);
    CenterForm(&window);
    EXPECT_EQ(window.x(), -400);
}

TEST(JapaneseFonts, WindowsFontNamesReachAnInstalledJapaneseFace)
{
    // The test main installs the substitutions, as the game does.
    for (const char *name : {"ＭＳ ゴシック", "ＭＳ Ｐゴシック", "ＭＳ 明朝", "ＭＳ Ｐ明朝", "MS Sans Serif"}) {
        const QFontInfo info(QFont(QString::fromUtf8(name), 12));
        EXPECT_TRUE(info.family().startsWith("IPA")) << name << " fell to " << info.family().toStdString();
    }
}
