#pragma once

#include <QFont>
#include <QPalette>
#include <QString>

class QColor;
class QWidget;

namespace kotebu {

// Window geometry is designed in twips: 15 to the pixel at 96 dots per inch.
// Qt's device-independent pixels are 96-dpi pixels, so scaled screens stay crisp.
constexpr int twips(int value)
{
    return (value * 2 + 15) / 30; // nearest pixel
}

// Moves a window to the middle of the screen by its outer size.
void CenterForm(QWidget *window);

// Makes a window that is not shown yet start minimised. On X11 the window
// manager maps it iconic. A Wayland compositor ignores the request until the
// window is on the screen, so there it is asked again then: the window shows
// for a moment and goes.
void minimiseFromTheStart(QWidget *window);

// The game's strings join lines with LF CR; a label shows "\n\r" as a break
// followed by an indent. Every text that reaches a widget goes through here.
QString displayText(const QString &gameText);

// One colour of a widget's palette; its other colours stay as they are.
void setColour(QWidget *widget, QPalette::ColorRole role, const QColor &colour);

// The widget paints its own background in `colour`.
void fillBackground(QWidget *widget, const QColor &colour);

// A font of the windows by its Windows name, in the faces of the language's
// region (see Fonts.h).
// Form files hold whole points only; several windows sit between them.
QFont windowsFont(const QString &family, qreal points, bool bold = false);

// The widget's own font at a size between the form file's whole points.
void setPointSize(QWidget *widget, qreal points);

} // namespace kotebu
