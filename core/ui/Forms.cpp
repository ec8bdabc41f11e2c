#include "Forms.h"

#include "CenterForm.h"
#include "Fonts.h"
#include "Platform.h"

#include <QEvent>
#include <QFont>
#include <QGuiApplication>
#include <QTimer>
#include <QWidget>
#include <QWindow>


namespace kotebu {

namespace {

// Before a window is first shown it has no frame, so it can only be centred
// by its client area. Once the window manager has framed it (its outer size
// differs from the inner one), it is centred again by the outer size, once;
// a window manager that never frames it leaves the first placement. A
// minimised window waits until it is restored: on X11 moving a window asks
// the window manager to restore it.
class CentreWhenFramed final : public QObject {
public:
    explicit CentreWhenFramed(QWidget *window) : QObject(window), m_window(window)
    {
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        switch (event->type()) {
        case QEvent::Show:
            giveUpLater();
            break;
        case QEvent::Move:
        case QEvent::Resize:
        case QEvent::WindowActivate:
        case QEvent::WindowStateChange:
            if (m_window->isVisible() && !m_window->isMinimized()
                && m_window->frameGeometry().size() != m_window->size()) {
                const QPointF at = centeredPosition(screen().size(), m_window->frameGeometry().size());
                m_window->removeEventFilter(this);
                m_window->move(static_cast<int>(at.x()), static_cast<int>(at.y()));
                deleteLater();
            }
            break;
        default:
            break;
        }
        return false;
    }

private:
    // The frame arrives shortly after the window maps, or never; a window
    // that is minimised by then is centred when it is restored.
    void giveUpLater()
    {
        QTimer::singleShot(2000, this, [this] {
            if (!m_window->isMinimized())
                deleteLater();
        });
    }

    QWidget *m_window;
};

// Asks for the window to be minimised once it is first exposed: only then has
// a Wayland compositor a window to minimise. The window's first frame has gone
// to the compositor before the request, which comes after it in order.
class MinimiseWhenExposed final : public QObject {
public:
    MinimiseWhenExposed(QWidget *widget, QWindow *window) : QObject(widget), m_widget(widget)
    {
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Expose && static_cast<QWindow *>(watched)->isExposed()) {
            watched->removeEventFilter(this);
            QTimer::singleShot(0, m_widget, [widget = m_widget] {
                widget->setWindowState(widget->windowState() | Qt::WindowMinimized);
            });
            deleteLater();
        }
        return false;
    }

private:
    QWidget *m_widget;
};

} // namespace

void minimiseFromTheStart(QWidget *window)
{
    window->setWindowState(window->windowState() | Qt::WindowMinimized);
    if (QGuiApplication::platformName().startsWith(QLatin1String("wayland")) && window->windowHandle())
        new MinimiseWhenExposed(window, window->windowHandle());
}

void CenterForm(QWidget *window)
{
    // Wayland leaves placement to the compositor; a program cannot place its
    // own windows there.
    if (QGuiApplication::platformName().startsWith(QLatin1String("wayland")))
        return;
    const QRect frame = window->frameGeometry();
    const bool framed = window->isVisible() && frame.size() != window->size();
    const QPointF at = centeredPosition(screen().size(), framed ? frame.size() : window->size());
    // The widget takes whole pixels; truncation toward zero keeps a window
    // larger than the screen at its negative position.
    window->move(static_cast<int>(at.x()), static_cast<int>(at.y()));
    if (!framed && !window->isVisible() && !window->property("centredWhenFramed").toBool()) {
        window->setProperty("centredWhenFramed", true);
        new CentreWhenFramed(window);
    }
}

void setColour(QWidget *widget, QPalette::ColorRole role, const QColor &colour)
{
    QPalette palette = widget->palette();
    palette.setColor(role, colour);
    widget->setPalette(palette);
}

void fillBackground(QWidget *widget, const QColor &colour)
{
    setColour(widget, QPalette::Window, colour);
    widget->setAutoFillBackground(true);
}

QFont windowsFont(const QString &family, qreal points, bool bold)
{
    QFont font(family);
    font.setPointSizeF(points);
    font.setBold(bold);
    return regionalFont(font);
}

void setPointSize(QWidget *widget, qreal points)
{
    QFont font = widget->font();
    font.setPointSizeF(points);
    widget->setFont(font);
}

QString displayText(const QString &gameText)
{
    QString text = gameText;
    text.replace(QStringLiteral("\n\r"), QStringLiteral("\n"));
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}

} // namespace kotebu
