#include "CenterForm.h"

namespace kotebu {

QPointF centeredPosition(QSize screen, QSize outerWindow)
{
    const float left = static_cast<float>(screen.width()) / 2.0f - static_cast<float>(outerWindow.width()) / 2.0f;
    const float top = static_cast<float>(screen.height()) / 2.0f - static_cast<float>(outerWindow.height()) / 2.0f;
    return {left, top};
}

} // namespace kotebu
