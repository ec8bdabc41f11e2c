#include "Accessible.h"

#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QPainter>

#include <algorithm>

namespace kotebu {

namespace {

class NotificationInterface final : public QAccessibleWidget {
public:
    explicit NotificationInterface(QWidget *label) : QAccessibleWidget(label, QAccessible::Notification) {}

    QString text(QAccessible::Text t) const override
    {
        // What is spoken is what the line says now.
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty())
            return static_cast<const QLabel *>(widget())->text();
        return QAccessibleWidget::text(t);
    }
};

QAccessibleInterface *gameWidgets(const QString &className, QObject *object)
{
    if (className == QLatin1String("kotebu::AnnouncedLabel"))
        return new NotificationInterface(static_cast<QWidget *>(object));
    if (className == QLatin1String("kotebu::PictureBox") && static_cast<PictureBox *>(object)->isPressable())
        return new QAccessibleWidget(static_cast<QWidget *>(object), QAccessible::Button);
    // A plain widget shown as a window of its own (the logo, the selector,
    // the start screens, the story) would be a mere filler to a screen
    // reader, which then says nothing when it opens.
    if (className == QLatin1String("QWidget") && object->isWidgetType() && static_cast<QWidget *>(object)->isWindow())
        return new QAccessibleWidget(static_cast<QWidget *>(object), QAccessible::Window);
    // Everything else, a picture that is not pressed included, is Qt's own.
    return nullptr;
}

} // namespace

void PictureBox::paintEvent(QPaintEvent *event)
{
    QLabel::paintEvent(event);
    // Like the platform's own focus frames, the mark shows once the keyboard
    // is in use in this window, so a game played with the mouse looks as ever.
    if (!hasFocus() || !window()->testAttribute(Qt::WA_KeyboardFocusChange))
        return;
    // Inside the picture, clear of the frame the selector blinks round its
    // edge; small pictures (the care items) keep all the room they have.
    const int inset = std::min(width(), height()) >= 64 ? 6 : 1;
    const QRectF mark = QRectF(rect()).adjusted(inset + 1, inset + 1, -inset - 1, -inset - 1);
    QPainter painter(this);
    painter.setPen(QPen(Qt::black, 2));
    painter.drawRect(mark);
    painter.setPen(QPen(Qt::white, 2, Qt::DashLine));
    painter.drawRect(mark);
}

void AnnouncedLabel::announce(const QString &text)
{
    setText(text);
    if (text.isEmpty())
        return;
    // A notification is read out when it is shown: each new text shows anew.
    QAccessibleEvent shown(this, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
    emit announced(text);
}

void installAccessibility()
{
    QAccessible::installFactory(gameWidgets);
}

bool isPressKey(const QKeyEvent *event)
{
    if (event->isAutoRepeat())
        return false;
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        return true;
    default:
        return false;
    }
}

} // namespace kotebu
