#include "Accessible.h"

#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QMenu>
#include <QPainter>
#include <QProxyStyle>
#include <QStyleOptionButton>
#include <QStylePainter>
#include <QTimer>

#include <algorithm>

namespace kotebu {

namespace {

class SpokenNoteInterface final : public QAccessibleWidget {
public:
    explicit SpokenNoteInterface(QWidget *note) : QAccessibleWidget(note, QAccessible::Notification) {}

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name)
            return static_cast<const SpokenNote *>(widget())->lastSaid();
        return QAccessibleWidget::text(t);
    }
};

// Qt's own button reports a disabled button; this one reports an available
// one greyed too, while it still takes the focus.
class ReachableButtonInterface final : public QAccessibleWidget {
public:
    explicit ReachableButtonInterface(QWidget *button) : QAccessibleWidget(button, QAccessible::Button) {}

    QString text(QAccessible::Text t) const override
    {
        const auto *button = static_cast<const ReachableButton *>(widget());
        if (t == QAccessible::Name && button->accessibleName().isEmpty()) {
            QString name = button->text();
            return name.remove(QLatin1Char('&'));
        }
        return QAccessibleWidget::text(t);
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        if (!static_cast<const ReachableButton *>(widget())->isAvailable())
            state.disabled = true;
        return state;
    }
};

// Disabled menu entries the keyboard may reach (and Qt may make current).
class DisabledEntriesStyle final : public QProxyStyle {
public:
    int styleHint(StyleHint hint, const QStyleOption *option, const QWidget *widget,
                  QStyleHintReturn *returned) const override
    {
        if (hint == SH_Menu_AllowActiveAndDisabled)
            return 1;
        return QProxyStyle::styleHint(hint, option, widget, returned);
    }
};

// How long a screen reader is given to take in a window that has just come
// up, its title and its focus, before the window's voice speaks (measured
// with Orca 43: a notification sent at once may be heard before the window,
// or dropped).
constexpr int ScreenReaderCatchUpMs = 300;

QAccessibleInterface *gameWidgets(const QString &className, QObject *object)
{
    if (className == QLatin1String("kotebu::SpokenNote"))
        return new SpokenNoteInterface(static_cast<QWidget *>(object));
    if (className == QLatin1String("kotebu::ReachableButton"))
        return new ReachableButtonInterface(static_cast<QWidget *>(object));
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
    SpokenNote::of(window())->say(text);
    emit announced(text);
}

SpokenNote *SpokenNote::of(QWidget *window)
{
    window = window->window();
    if (auto *note = window->findChild<SpokenNote *>(QStringLiteral("SpokenNote"), Qt::FindDirectChildrenOnly))
        return note;
    return new SpokenNote(window);
}

SpokenNote::SpokenNote(QWidget *window) : QWidget(window)
{
    setObjectName(QStringLiteral("SpokenNote"));
    setFixedSize(1, 1);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    window->installEventFilter(this);
}

void SpokenNote::say(const QString &text)
{
    if (text.isEmpty())
        return;
    emit said(text);
    if (window()->isVisible() && m_waiting.isEmpty()) {
        setLastSaid(text);
        // A notification is read out as it appears: each new text appears anew.
        QAccessibleEvent shown(this, QAccessible::ObjectShow);
        QAccessible::updateAccessibility(&shown);
        return;
    }
    // Out of sight until it has something to say to a window that is up.
    hide();
    m_waiting.append(text);
}

void SpokenNote::setLastSaid(const QString &text)
{
    m_lastSaid = text;
    // Screen readers that keep the names they have read (Orca 48 does) are
    // told the new one before it is shown; else they read out the old.
    QAccessibleEvent renamed(this, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&renamed);
}

bool SpokenNote::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::WindowActivate && !m_waiting.isEmpty())
        QTimer::singleShot(ScreenReaderCatchUpMs, this, &SpokenNote::speakWaiting);
    return QWidget::eventFilter(watched, event);
}

void SpokenNote::speakWaiting()
{
    if (m_waiting.isEmpty())
        return;
    setLastSaid(m_waiting.join(QLatin1Char(' ')));
    m_waiting.clear();
    // Appearing, it is read out (Qt tells screen readers as it shows).
    show();
}

void ReachableButton::setAvailable(bool available)
{
    if (available == m_available)
        return;
    // A dialog's Return presses its default button: not while it cannot be
    // pressed, as with a disabled one.
    if (!available) {
        m_wasDefault = isDefault();
        setDefault(false);
    } else if (m_wasDefault) {
        setDefault(true);
    }
    m_available = available;
    update();
    QAccessible::State changed;
    changed.disabled = true;
    QAccessibleStateChangeEvent event(this, changed);
    QAccessible::updateAccessibility(&event);
}

bool ReachableButton::event(QEvent *event)
{
    if (!m_available) {
        switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::MouseMove:
            return true;
        case QEvent::KeyPress:
        case QEvent::KeyRelease: {
            const int key = static_cast<QKeyEvent *>(event)->key();
            if (key == Qt::Key_Space || key == Qt::Key_Select || key == Qt::Key_Return || key == Qt::Key_Enter)
                return true;
            break;
        }
        case QEvent::Shortcut:
            return true;
        default:
            break;
        }
    }
    return QPushButton::event(event);
}

void ReachableButton::paintEvent(QPaintEvent *event)
{
    if (m_available) {
        QPushButton::paintEvent(event);
        return;
    }
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    option.state &= ~(QStyle::State_Enabled | QStyle::State_MouseOver | QStyle::State_Sunken | QStyle::State_On);
    option.palette.setCurrentColorGroup(QPalette::Disabled);
    painter.drawControl(QStyle::CE_PushButton, option);
}

void letKeysReachDisabledEntries(QMenu *menu, bool fromKeyboard)
{
    static DisabledEntriesStyle *const style = new DisabledEntriesStyle;
    menu->setStyle(fromKeyboard ? style : nullptr);
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
