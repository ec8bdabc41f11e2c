#include "Fakes.h"
#include "Form6.h"
#include "Form8.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

using namespace kotebu;

namespace {

struct StartScreen {
    const char *name;
    std::function<std::unique_ptr<QWidget>()> make;
    QString caption;
    QSize client;
};

class StartScreenTest : public ::testing::TestWithParam<StartScreen> {
protected:
    kotebu::test::Sandbox sandbox;
};

} // namespace

TEST_P(StartScreenTest, StartButtonHidesTheScreen)
{
    auto window = GetParam().make();
    window->show();
    EXPECT_EQ(window->windowTitle(), GetParam().caption);
    EXPECT_EQ(window->size(), GetParam().client);
    EXPECT_FALSE(window->findChild<QLabel *>("Image1")->pixmap().isNull());

    auto *start = window->findChild<QPushButton *>("Command1");
    ASSERT_TRUE(start);
    EXPECT_EQ(start->text(), "Start");
    start->click();
    EXPECT_FALSE(window->isVisible());
}

TEST_P(StartScreenTest, ReturnPressesStart)
{
    auto window = GetParam().make();
    window->show();
    auto *start = window->findChild<QPushButton *>("Command1");
    ASSERT_TRUE(start);
    EXPECT_EQ(window->focusWidget(), start);
    QTest::keyClick(start, Qt::Key_Return);
    EXPECT_FALSE(window->isVisible());
}

INSTANTIATE_TEST_SUITE_P(Screens, StartScreenTest,
    ::testing::Values(
        StartScreen{"Form8", [] { return std::unique_ptr<QWidget>(new Form8); }, "KoTeBu ｽﾀｰﾄ", QSize(426, 192)},
        StartScreen{"Form6", [] { return std::unique_ptr<QWidget>(new Form6); }, "KoTeBu2 ﾊﾙｰﾈﾝ物語 ｽﾀｰﾄ",
                    QSize(450, 182)}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(StartScreenForm6, CreditLineIsOurOwnAndFitsOnOneLine)
{
    kotebu::test::Sandbox sandbox;
    Form6 form;
    auto *credit = form.findChild<QLabel *>("Label3");
    ASSERT_TRUE(credit);
    EXPECT_TRUE(credit->text().contains("チーム・ハルカゼ"));
    EXPECT_LE(credit->fontMetrics().horizontalAdvance(credit->text()), credit->width());
}
