#include "Fakes.h"
#include "Forms.h"

#include "Platform.h"
#include "WidgetPlatform.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QFont>
#include <QFontInfo>
#include <QMessageBox>
#include <QProxyStyle>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <gtest/gtest.h>

#include <algorithm>

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

namespace {

// The desktop's button order as GNOME has it: No before Yes for standard buttons.
class GnomeOrderStyle : public QProxyStyle {
public:
    int styleHint(StyleHint hint, const QStyleOption *option, const QWidget *widget,
                  QStyleHintReturn *data) const override
    {
        if (hint == SH_DialogButtonLayout)
            return QDialogButtonBox::GnomeLayout;
        return QProxyStyle::styleHint(hint, option, widget, data);
    }
};

} // namespace

// The game's questions read Yes first (and the save's retry first) whatever
// order the desktop gives its own dialogs; the default and Escape stay put.
TEST(MessageBoxes, ButtonsKeepTheGamesOrderAndDefaultOnEveryDesktop)
{
    const QString oldStyle = QApplication::style()->name();
    QApplication::setStyle(new GnomeOrderStyle);
    installWidgetPlatform();
    const struct {
        MessageButtons buttons;
        std::vector<MessageResult> order;
    } rows[] = {
        {MessageButtons::YesNo, {MessageResult::Yes, MessageResult::No}},
        {MessageButtons::RetryBackEnd, {MessageResult::Retry, MessageResult::Back, MessageResult::End}},
    };
    for (const auto &row : rows) {
        std::vector<int> xs;
        bool defaultFirst = false;
        QTimer::singleShot(10, [&] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr);
            for (MessageResult result : row.order) {
                auto *button = box->findChild<QPushButton *>(QStringLiteral("messageButton%1").arg(int(result)));
                ASSERT_NE(button, nullptr);
                xs.push_back(button->mapTo(box, QPoint()).x());
            }
            defaultFirst = box->defaultButton() == box->findChild<QPushButton *>(
                               QStringLiteral("messageButton%1").arg(int(row.order[0])));
            QTest::keyClick(box, Qt::Key_Escape);
        });
        MessageRequest request;
        request.text = QStringLiteral("質問");
        request.buttons = row.buttons;
        request.defaultButton = row.order[0];
        EXPECT_EQ(messageBoxes().show(request), row.order[1]); // Escape: the safe answer
        ASSERT_EQ(xs.size(), row.order.size());
        EXPECT_TRUE(std::is_sorted(xs.begin(), xs.end()) && xs.front() < xs.back());
        EXPECT_TRUE(defaultFirst);
    }
    setMessageBoxes(nullptr);
    setScreen(nullptr);
    QApplication::setStyle(oldStyle);
}
