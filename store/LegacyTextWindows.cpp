// Code page 932 on Windows: the system's own converter, on any system
// language.
#include "LegacyText.h"

#include <windows.h>

namespace kotebu {

std::optional<QString> fromWindowsJapanese(QByteArrayView bytes)
{
    if (bytes.isEmpty())
        return QString();
    const int size = static_cast<int>(bytes.size());
    const int length = MultiByteToWideChar(932, MB_ERR_INVALID_CHARS, bytes.data(), size, nullptr, 0);
    if (length <= 0)
        return std::nullopt;
    QString text(length, Qt::Uninitialized);
    MultiByteToWideChar(932, MB_ERR_INVALID_CHARS, bytes.data(), size, reinterpret_cast<wchar_t *>(text.data()), length);
    return text;
}

} // namespace kotebu
