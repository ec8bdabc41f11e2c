#include "Pictures.h"

#include "FileNames.h"

#include <QCoreApplication>
#include <QFile>
#include <QGuiApplication>
#include <QIcon>
#include <QImageReader>
#include <QLocale>

namespace kotebu {

namespace {

// On a screen with two device pixels to the point (or between one and two)
// the double-size drawing is shown, so pictures stay as sharp as the text.
// Qt looks for "@2x" files only through QIcon, not when a pixmap is loaded by
// name, so the twin is picked here; its pixel ratio keeps every label, frame
// and pointer at the picture's size in points.
QPixmap resource(const QString &name)
{
    // A picture with words in it comes in the game's language where it is
    // drawn in it: pictures/<language>_<region>/<name> for a language whose
    // regions write differently (zh_CN, zh_TW), else pictures/<language>/.
    QString path = QStringLiteral(":/pictures/") + name;
    const QString locale = QLocale().name();
    for (const QString &folder : {locale, locale.section(QLatin1Char('_'), 0, 0)}) {
        const QString translated = QStringLiteral(":/pictures/%1/%2").arg(folder, name);
        if (QFile::exists(translated + QStringLiteral(".png"))) {
            path = translated;
            break;
        }
    }
    if (qGuiApp && qGuiApp->devicePixelRatio() > 1.0) {
        QPixmap twice(path + QStringLiteral("@2x.png"));
        if (!twice.isNull()) {
            twice.setDevicePixelRatio(2.0);
            return twice;
        }
    }
    return QPixmap(path + QStringLiteral(".png"));
}

} // namespace

namespace pictures {

QPixmap heroine(bool secondGame, HeroinePose pose)
{
    const int index = static_cast<int>(pose);
    return resource((secondGame ? QStringLiteral("harunen_") : QStringLiteral("kotobu_")) + QString::number(index));
}

QPixmap dayIcon(DayIcon icon)
{
    return resource(QStringLiteral("dayicon_") + QString::number(static_cast<int>(icon)));
}

QString heroineDescription(bool secondGame, HeroinePose pose)
{
    // By pose, the first game's then the second's.
    static const char *const Descriptions[][2] = {
        {QT_TRANSLATE_NOOP("Pictures", "朝の野原を行くことぶ"), QT_TRANSLATE_NOOP("Pictures", "朝の野原で手を振るハルーネン")},
        {QT_TRANSLATE_NOOP("Pictures", "よろこぶことぶ"), QT_TRANSLATE_NOOP("Pictures", "よろこぶハルーネン")},
        {QT_TRANSLATE_NOOP("Pictures", "傷ついて泣くことぶ"), QT_TRANSLATE_NOOP("Pictures", "傷ついて泣くハルーネン")},
        {QT_TRANSLATE_NOOP("Pictures", "病気で寝ていることぶ"), QT_TRANSLATE_NOOP("Pictures", "病気で寝ているハルーネン")},
    };
    return QCoreApplication::translate("Pictures", Descriptions[static_cast<int>(pose)][secondGame ? 1 : 0]);
}

QString dayIconDescription(DayIcon icon)
{
    switch (icon) {
    case DayIcon::Morning:
        return QCoreApplication::translate("Pictures", "朝：笑う太陽");
    case DayIcon::Night:
        return QCoreApplication::translate("Pictures", "夜：眠る三日月と星");
    case DayIcon::Illness:
        return QCoreApplication::translate("Pictures", "病気：氷のうと体温計");
    }
    return QString();
}

QPixmap careItem(int item)
{
    return resource(QStringLiteral("care_") + QString::number(item));
}

QPixmap pauseIcon() { return resource(QStringLiteral("pause")); }
QPixmap firstGameTitle() { return resource(QStringLiteral("title_kotobu")); }
QPixmap secondHeroineStart() { return resource(QStringLiteral("harunen_start")); }
QPixmap selectorFirstGame() { return resource(QStringLiteral("selector_kotobu")); }

QPixmap selectorBanner(int version)
{
    return resource(QStringLiteral("banner_") + QString::number(version));
}

QPixmap logoSprite(char frame)
{
    return resource(QStringLiteral("sprite_") + QChar::fromLatin1(frame).toLower());
}

QPixmap storyPage(int page)
{
    return resource(QStringLiteral("story_") + QString::number(page));
}

QPixmap storyOverlay() { return resource(QStringLiteral("story_overlay")); }

QPixmap applicationIcon()
{
    return QPixmap(QStringLiteral(":/icons/kotebu-256.png"));
}

} // namespace pictures

QImage readMonsterImage(QIODevice &device)
{
    // While a monster picture is read, no format may take more than this for
    // it: a bitmap of 4096 × 4096 pixels still fits, a file that claims far
    // more gets no memory at all. Formats that can scale as they read never
    // come near it.
    struct ReadLimit {
        int before = QImageReader::allocationLimit();
        ReadLimit() { QImageReader::setAllocationLimit(64); }
        ~ReadLimit() { QImageReader::setAllocationLimit(before); }
    } limit;

    QImageReader reader(&device);
    reader.setDecideFormatFromContent(true);
    const QSize size = reader.size();
    if (size.isValid() && (size.width() > MaxMonsterSide || size.height() > MaxMonsterSide)
        && reader.supportsOption(QImageIOHandler::ScaledSize))
        reader.setScaledSize(size.scaled(MaxMonsterSide, MaxMonsterSide, Qt::KeepAspectRatio));
    QImage image = reader.read();
    // What the file said of its size is not what counts: an icon's directory
    // may claim 16 x 16 over a picture of thousands of pixels, and a bitmap
    // cannot be scaled while it is read. What was read is scaled down here.
    if (image.width() > MaxMonsterSide || image.height() > MaxMonsterSide)
        image = image.scaled(MaxMonsterSide, MaxMonsterSide, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    return image;
}

QPixmap loadMonsterPicture(const QString &file)
{
    // Only a regular file is found, so a FIFO or a device among the pictures
    // is a missing picture, never a wait.
    const QString found = findFileNoCase(file);
    if (found.isEmpty())
        return {};
    QFile device(found);
    if (!device.open(QIODevice::ReadOnly))
        return {};
    const QImage image = readMonsterImage(device);
    if (image.isNull())
        return {};
    return QPixmap::fromImage(image);
}

} // namespace kotebu
