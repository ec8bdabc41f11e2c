#pragma once

#include <QString>

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

// The game's strings join lines with LF CR; a label shows "\n\r" as a break
// followed by an indent. Every text that reaches a widget goes through here.
QString displayText(const QString &gameText);

// Maps the Windows font names of the windows ("ＭＳ Ｐゴシック", "MS Sans Serif"...)
// onto the installed IPA fonts. Call once after the application exists.
void installJapaneseFonts();

} // namespace kotebu
