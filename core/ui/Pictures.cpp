#include "Pictures.h"

#include "FileNames.h"

#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QIcon>
#include <QImageReader>

namespace kotebu {

namespace {

// On a screen with two device pixels to the point (or between one and two)
// the double-size drawing is shown, so pictures stay as sharp as the text.
// Qt looks for "@2x" files only through QIcon, not when a pixmap is loaded by
// name, so the twin is picked here; its pixel ratio keeps every label, frame
// and pointer at the picture's size in points.
QPixmap resource(const QString &name)
{
    const QString path = QStringLiteral(":/pictures/") + name;
    if (qGuiApp && qGuiApp->devicePixelRatio() > 1.0) {
        QPixmap twice(path + QStringLiteral("@2x.png"));
        if (!twice.isNull()) {
            twice.setDevicePixelRatio(2.0);
            return twice;
        }
    }
    return QPixmap(path + QStringLiteral(".png"));
}

// Monster pictures are about 300 pixels wide and shown in a 153-pixel square;
// anything beyond this is read scaled down rather than allocated whole.
constexpr int MaxMonsterSide = 1024;

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
    const QString name = secondGame ? QStringLiteral("ハルーネン") : QStringLiteral("ことぶ");
    switch (pose) {
    case HeroinePose::Ordinary:
        return (secondGame ? QStringLiteral("朝の野原で手を振る") : QStringLiteral("朝の野原を行く")) + name;
    case HeroinePose::Event:
        return QStringLiteral("よろこぶ") + name;
    case HeroinePose::Defeat:
        return QStringLiteral("傷ついて泣く") + name;
    case HeroinePose::Illness:
        return QStringLiteral("病気で寝ている") + name;
    }
    return name;
}

QString dayIconDescription(DayIcon icon)
{
    switch (icon) {
    case DayIcon::Morning:
        return QStringLiteral("朝：笑う太陽");
    case DayIcon::Night:
        return QStringLiteral("夜：眠る三日月と星");
    case DayIcon::Illness:
        return QStringLiteral("病気：氷のうと体温計");
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

QPixmap loadMonsterPicture(const QString &file)
{
    const QString found = findFileNoCase(file);
    // Only a plain file (links followed) is read: a FIFO or a device would
    // block the window for good, so it counts as a missing picture.
    if (found.isEmpty() || !QFileInfo(found).isFile())
        return {};
    QFile device(found);
    if (!device.open(QIODevice::ReadOnly))
        return {};
    QImageReader reader(&device);
    reader.setDecideFormatFromContent(true);
    const QSize size = reader.size();
    if (size.isValid() && (size.width() > MaxMonsterSide || size.height() > MaxMonsterSide)) {
        if (!reader.supportsOption(QImageIOHandler::ScaledSize))
            return {};
        reader.setScaledSize(size.scaled(MaxMonsterSide, MaxMonsterSide, Qt::KeepAspectRatio));
    }
    const QImage image = reader.read();
    if (image.isNull())
        return {};
    return QPixmap::fromImage(image);
}

} // namespace kotebu
