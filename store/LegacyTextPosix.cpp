// Code page 932 on Linux: Qt's converter, backed by ICU, knows it by name.
#include "LegacyText.h"

#include <QStringDecoder>

namespace kotebu {

std::optional<QString> fromWindowsJapanese(QByteArrayView bytes)
{
    QStringDecoder decode("windows-31j", QStringDecoder::Flag::Stateless);
    if (!decode.isValid())
        return std::nullopt;
    const QString text = decode(bytes);
    // ICU puts a SUB control (or a replacement character) where a byte
    // means nothing in the code page.
    const auto substitute = QChar(0x1A);
    if (decode.hasError() || text.contains(QChar::ReplacementCharacter)
        || text.count(substitute) != bytes.count('\x1A'))
        return std::nullopt;
    return text;
}

} // namespace kotebu
