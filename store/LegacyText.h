#pragma once

#include <QByteArrayView>
#include <QString>

#include <optional>

namespace kotebu {

// Text as the original game wrote it on Japanese Windows: code page 932,
// Shift JIS with Microsoft's additions. Nothing when the bytes are no such
// text. (LegacyText{Posix,Windows}.cpp)
std::optional<QString> fromWindowsJapanese(QByteArrayView bytes);

} // namespace kotebu
