#include "Forms.h"

#include "CenterForm.h"
#include "Platform.h"

#include <QFont>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QWidget>


namespace kotebu {

void CenterForm(QWidget *window)
{
    const QRect frame = window->frameGeometry();
    const QSize outer = frame.isValid() && frame.size() != QSize(0, 0) ? frame.size() : window->size();
    const QPointF at = centeredPosition(screen().size(), outer);
    // The widget takes whole pixels; truncation toward zero keeps a window
    // larger than the screen at its negative position.
    window->move(static_cast<int>(at.x()), static_cast<int>(at.y()));
}

QString displayText(const QString &gameText)
{
    QString text = gameText;
    text.replace(QStringLiteral("\n\r"), QStringLiteral("\n"));
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}

void installJapaneseFonts()
{
    const QStringList installed = QFontDatabase::families();
    auto available = [&](QStringList wanted) {
        QStringList found;
        for (const QString &family : wanted)
            if (installed.contains(family, Qt::CaseInsensitive))
                found << family;
        return found;
    };
    const QStringList gothic = available({"IPAGothic", "IPAPGothic"});
    const QStringList pGothic = available({"IPAPGothic", "IPAGothic"});
    const QStringList mincho = available({"IPAMincho", "IPAPMincho"});
    const QStringList pMincho = available({"IPAPMincho", "IPAMincho"});

    auto map = [](const QString &windowsName, const QStringList &families) {
        if (!families.isEmpty())
            QFont::insertSubstitutions(windowsName, families);
    };
    map(QStringLiteral("ＭＳ ゴシック"), gothic);
    map(QStringLiteral("ＭＳ Ｐゴシック"), pGothic);
    map(QStringLiteral("ＭＳ 明朝"), mincho);
    map(QStringLiteral("ＭＳ Ｐ明朝"), pMincho);
    map(QStringLiteral("MS Gothic"), gothic);
    map(QStringLiteral("MS PGothic"), pGothic);
    map(QStringLiteral("MS Mincho"), mincho);
    map(QStringLiteral("MS PMincho"), pMincho);
    // The Latin dialog font: a proportional Gothic keeps kana on the same line.
    map(QStringLiteral("MS Sans Serif"), pGothic);
    map(QStringLiteral("MS UI Gothic"), pGothic);

    // Widgets that name no font of their own get the proportional Gothic too,
    // so Japanese captions never fall back to a Latin-only face.
    if (!pGothic.isEmpty()) {
        QFont base = QGuiApplication::font();
        base.setFamilies(pGothic);
        QGuiApplication::setFont(base);
    }
}

} // namespace kotebu
