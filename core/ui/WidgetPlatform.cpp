#include "WidgetPlatform.h"

#include "Forms.h"
#include "Platform.h"

#include <QGuiApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>

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
        if (request.buttons == MessageButtons::YesNo) {
            box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
            box.setDefaultButton(request.defaultButton == MessageResult::No ? QMessageBox::No : QMessageBox::Yes);
            box.setEscapeButton(QMessageBox::No);
            return box.exec() == QMessageBox::Yes ? MessageResult::Yes : MessageResult::No;
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
