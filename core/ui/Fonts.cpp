#include "Fonts.h"

#include <QApplication>
#include <QEvent>
#include <QFontDatabase>
#include <QFontInfo>
#include <QRawFont>
#include <QWidget>

#include <array>

namespace kotebu {

namespace {

enum class Face { Gothic, PGothic, Mincho, PMincho };
constexpr int FaceCount = 4;

struct Region {
    const char *language; // as chosen at start: "zh_CN"; the design's for the rest
    // The faces to try for each kind, best first: Windows' own faces of the
    // region under their English and their own names, then those Debian
    // ships, then any CJK face of the region at all.
    std::array<QStringList, FaceCount> candidates;
};

const Region Design = {"ja", {{
    {"ＭＳ ゴシック", "MS Gothic", "IPAGothic", "IPAPGothic", "Yu Gothic", "Meiryo", "Noto Sans CJK JP"},
    {"ＭＳ Ｐゴシック", "MS PGothic", "IPAPGothic", "IPAGothic", "Yu Gothic", "Meiryo", "Noto Sans CJK JP"},
    {"ＭＳ 明朝", "MS Mincho", "IPAMincho", "IPAPMincho", "Yu Mincho", "Noto Serif CJK JP"},
    {"ＭＳ Ｐ明朝", "MS PMincho", "IPAPMincho", "IPAMincho", "Yu Mincho", "Noto Serif CJK JP"},
}}};

// The faces of the other regions, best first. The windows were laid out in
// faces whose line is as tall as their characters; the faces of the same
// kind serve each region here: Windows' classic ones (SimHei and SimSun,
// PMingLiU, Gulim and Batang), and Debian's WenQuanYi Micro Hei and AR PL
// UMing CN, AR PL UMing TW (Taiwan's own faces are Ming ones, as its
// Windows was), Nanum Gothic and Myeongjo. The newer faces (Microsoft YaHei
// and JhengHei, Malgun Gothic, Noto CJK) draw every character of their
// region too, but their lines are a third taller: placed at the top of a
// label sized for the others they lose the feet of the characters, so they
// come last.
const std::array<Region, 3> OtherRegions = {{
    {"zh_CN", {{
        {"SimHei", "WenQuanYi Micro Hei", "Microsoft YaHei", "Noto Sans CJK SC"},
        {"SimHei", "WenQuanYi Micro Hei", "Microsoft YaHei", "Noto Sans CJK SC"},
        {"SimSun", "AR PL UMing CN", "SimHei", "WenQuanYi Micro Hei", "Noto Serif CJK SC"},
        {"SimSun", "AR PL UMing CN", "SimHei", "WenQuanYi Micro Hei", "Noto Serif CJK SC"},
    }}},
    {"zh_TW", {{
        {"PMingLiU", "MingLiU", "AR PL UMing TW", "Microsoft JhengHei", "Noto Sans CJK TC"},
        {"PMingLiU", "MingLiU", "AR PL UMing TW", "Microsoft JhengHei", "Noto Sans CJK TC"},
        {"PMingLiU", "MingLiU", "AR PL UMing TW", "Noto Serif CJK TC"},
        {"PMingLiU", "MingLiU", "AR PL UMing TW", "Noto Serif CJK TC"},
    }}},
    {"ko", {{
        {"Gulim", "NanumGothic", "Malgun Gothic", "Noto Sans CJK KR"},
        {"Gulim", "NanumGothic", "Malgun Gothic", "Noto Sans CJK KR"},
        {"Batang", "NanumMyeongjo", "Gulim", "NanumGothic", "Noto Serif CJK KR"},
        {"Batang", "NanumMyeongjo", "Gulim", "NanumGothic", "Noto Serif CJK KR"},
    }}},
}};

// The Windows names the windows use, and the kind of face each is.
struct WindowsName {
    const char *name;
    Face face;
};
const std::array<WindowsName, 10> WindowsNames = {{
    {"ＭＳ ゴシック", Face::Gothic},
    {"ＭＳ Ｐゴシック", Face::PGothic},
    {"ＭＳ 明朝", Face::Mincho},
    {"ＭＳ Ｐ明朝", Face::PMincho},
    {"MS Gothic", Face::Gothic},
    {"MS PGothic", Face::PGothic},
    {"MS Mincho", Face::Mincho},
    {"MS PMincho", Face::PMincho},
    // The Latin dialog faces: a proportional Gothic keeps kana on the line.
    {"MS Sans Serif", Face::PGothic},
    {"MS UI Gothic", Face::PGothic},
}};

// The installed faces of the current language, for each kind.
std::array<QStringList, FaceCount> installed;

const Region &regionOf(const QString &language)
{
    for (const Region &region : OtherRegions)
        if (language == QLatin1String(region.language))
            return region;
    return Design;
}

// Before a widget is first shown, the Windows face it names becomes the
// region's. Only widgets with a font of their own are touched; the others
// take the application's, which installFonts() sets.
class RegionalFaces final : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Polish && watched->isWidgetType()) {
            auto *widget = static_cast<QWidget *>(watched);
            if (widget->testAttribute(Qt::WA_SetFont)) {
                const QFont font = regionalFont(widget->font());
                if (font.families() != widget->font().families())
                    widget->setFont(font);
            }
        }
        return false;
    }
};

RegionalFaces *filter = nullptr;

// The installed faces that the Windows face `windowsName` stands for in the
// current language; empty for no Windows face of the windows'.
QStringList regionalFamilies(const QString &windowsName)
{
    for (const WindowsName &name : WindowsNames)
        if (windowsName == QString::fromUtf8(name.name))
            return installed[int(name.face)];
    return {};
}

// The name the font list gives the installed face `family`, or an empty
// string when none is installed. The list names a face in the desktop's
// language where the face has a name in it: IPAゴシック on a Japanese desktop,
// 나눔고딕 on a Korean one, 黑体 for SimHei on a Chinese Windows. Asked for a
// face it lacks, the system answers with another, whose own names tell.
QString listedName(const QString &family, const QStringList &listed)
{
    if (listed.contains(family, Qt::CaseInsensitive))
        return family;
    QFont font(family);
    font.setStyleStrategy(QFont::NoFontMerging);
    if (!familyNames(font).contains(family, Qt::CaseInsensitive))
        return {};
    const QString name = QFontInfo(font).family();
    return listed.contains(name, Qt::CaseInsensitive) ? name : QString();
}

quint16 bigEndian16(const QByteArray &data, qsizetype at)
{
    return quint16((quint8(data[at]) << 8) | quint8(data[at + 1]));
}

} // namespace

QStringList familyNames(const QFont &font)
{
    // The font's 'name' table: a header of three 16-bit numbers, then a
    // record of six for each name; family names are names 1 and 16, in
    // UTF-16 on the Unicode and Windows platforms, in Latin on the Mac's.
    const QByteArray table = QRawFont::fromFont(font).fontTable("name");
    QStringList names;
    if (table.size() < 6)
        return names;
    const int count = bigEndian16(table, 2);
    const int strings = bigEndian16(table, 4);
    for (int i = 0; i < count && 6 + 12 * (i + 1) <= table.size(); ++i) {
        const qsizetype record = 6 + 12 * i;
        const int platform = bigEndian16(table, record);
        const int encoding = bigEndian16(table, record + 2);
        const int nameId = bigEndian16(table, record + 6);
        const int length = bigEndian16(table, record + 8);
        const qsizetype offset = strings + bigEndian16(table, record + 10);
        if ((nameId != 1 && nameId != 16) || offset + length > table.size())
            continue;
        QString name;
        if (platform == 0 || platform == 3) {
            for (int at = 0; at + 1 < length; at += 2)
                name += QChar(bigEndian16(table, offset + at));
        } else if (platform == 1 && encoding == 0) {
            name = QString::fromLatin1(table.mid(offset, length));
        }
        if (!name.isEmpty() && !names.contains(name))
            names << name;
    }
    return names;
}

void installFonts(const QString &language)
{
    const Region &region = regionOf(language);
    const QStringList families = QFontDatabase::families();
    for (int face = 0; face < FaceCount; ++face) {
        installed[face].clear();
        for (const QString &family : region.candidates[face]) {
            const QString name = listedName(family, families);
            if (!name.isEmpty() && !installed[face].contains(name))
                installed[face] << name;
        }
    }

    // A font named in code by its Windows name finds the region's faces when
    // the name itself is not installed (Windows finds its own faces first).
    for (const WindowsName &name : WindowsNames) {
        const QString windowsName = QString::fromUtf8(name.name);
        QFont::removeSubstitutions(windowsName);
        if (!installed[int(name.face)].isEmpty())
            QFont::insertSubstitutions(windowsName, installed[int(name.face)]);
    }

    // Widgets that name no font of their own take the proportional Gothic,
    // so captions never fall back to a Latin-only face; with none of the
    // region's installed, the desktop's own font.
    static const QFont desktopFont = QGuiApplication::font();
    QFont font = desktopFont;
    const QStringList base = installed[int(Face::PGothic)];
    if (!base.isEmpty())
        font.setFamilies(base);
    QGuiApplication::setFont(font);

    // The windows' fonts are given the faces by name before they show. In
    // another region a Windows face that is installed (the design's own, on
    // a Windows with Japanese fonts) is the wrong one; and Windows answers a
    // face it lacks with one of its own choosing, never asking Qt's
    // substitutes (under Wine, Qt took AR PL UMing CN for ＭＳ ゴシック).
    if (!filter && QCoreApplication::instance()) {
        filter = new RegionalFaces(QCoreApplication::instance());
        QCoreApplication::instance()->installEventFilter(filter);
    }
}

QFont regionalFont(const QFont &font)
{
    if (font.families().isEmpty())
        return font;
    const QStringList families = regionalFamilies(font.families().constFirst());
    if (families.isEmpty())
        return font;
    QFont regional = font;
    regional.setFamilies(families);
    return regional;
}

} // namespace kotebu
