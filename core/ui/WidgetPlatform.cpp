#include "WidgetPlatform.h"

#include "Forms.h"
#include "Platform.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>

#include <vector>

namespace kotebu {

namespace {

QMessageBox::Icon toQt(MessageIcon icon)
{
    switch (icon) {
    case MessageIcon::Information: return QMessageBox::Information;
    case MessageIcon::Warning: return QMessageBox::Warning;
    case MessageIcon::Critical: return QMessageBox::Critical;
    case MessageIcon::Question: return QMessageBox::Question;
    case MessageIcon::None: break;
    }
    return QMessageBox::NoIcon;
}

class WidgetMessageBoxes final : public MessageBoxes {
public:
    MessageResult show(const MessageRequest &request) override
    {
        QMessageBox box(toQt(request.icon), request.title.isEmpty() ? applicationTitle() : request.title,
                        displayText(request.text));
        if (request.buttons != MessageButtons::Ok) {
            // The game's questions read in one order on every desktop: Qt would
            // sort Yes and No by the desktop's convention (No first under GNOME),
            // but buttons of one role keep the order they were added in.
            struct Choice {
                QString text;
                MessageResult result;
            };
            const auto text = [](const char *source) { return QCoreApplication::translate("MessageBoxes", source); };
            const std::vector<Choice> choices = request.buttons == MessageButtons::YesNo
                ? std::vector<Choice>{{text(QT_TRANSLATE_NOOP("MessageBoxes", "&Yes")), MessageResult::Yes},
                                      {text(QT_TRANSLATE_NOOP("MessageBoxes", "&No")), MessageResult::No}}
                : std::vector<Choice>{{text(QT_TRANSLATE_NOOP("MessageBoxes", "もう一度保存(&R)")), MessageResult::Retry},
                                      {text(QT_TRANSLATE_NOOP("MessageBoxes", "ゲームに戻る(&B)")), MessageResult::Back},
                                      {text(QT_TRANSLATE_NOOP("MessageBoxes", "保存せずに終了(&E)")), MessageResult::End}};
            std::vector<QPushButton *> buttons;
            for (const Choice &choice : choices) {
                QPushButton *button = box.addButton(choice.text, QMessageBox::ActionRole);
                button->setObjectName(QStringLiteral("messageButton%1").arg(int(choice.result)));
                buttons.push_back(button);
                if (choice.result == request.defaultButton)
                    box.setDefaultButton(button);
            }
            // Escape answers the question the safe way: No, or back to the game.
            box.setEscapeButton(buttons[1]);
            box.exec();
            for (std::size_t i = 0; i < buttons.size(); ++i) {
                if (box.clickedButton() == buttons[i])
                    return choices[i].result;
            }
            return choices[1].result;
        }
        box.setStandardButtons(QMessageBox::Ok);
        box.exec();
        return MessageResult::Ok;
    }
};

class PrimaryScreen final : public Screen {
public:
    QSize size() const override
    {
        if (const QScreen *s = QGuiApplication::primaryScreen())
            return s->geometry().size();
        return {1024, 768};
    }
};

} // namespace

void installWidgetPlatform()
{
    static WidgetMessageBoxes boxes;
    static PrimaryScreen primary;
    setMessageBoxes(&boxes);
    setScreen(&primary);
}

} // namespace kotebu
