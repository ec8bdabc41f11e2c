#include "Pictures.h"

#include <QDirIterator>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QSet>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

using namespace kotebu;

namespace {

struct WindowPicture {
    std::string name;
    std::function<QPixmap()> load;
    QSize size;
    // Pictures laid over another picture or a black window must not bring a
    // box of their own with them.
    bool seeThroughCorners = false;
    // Shown from a double-size twin on a screen of two device pixels to the
    // point; the program icon is drawn at 256 for any title bar and has none.
    bool doubleSizeTwin = true;
};

void PrintTo(const WindowPicture &p, std::ostream *os) { *os << p.name; }

std::vector<WindowPicture> windowPictures()
{
    using namespace pictures;
    std::vector<WindowPicture> rows{
        {"pause", [] { return pauseIcon(); }, {77, 82}, true},
        {"dayicon_morning", [] { return dayIcon(DayIcon::Morning); }, {32, 32}, true},
        {"dayicon_night", [] { return dayIcon(DayIcon::Night); }, {32, 32}},
        {"dayicon_illness", [] { return dayIcon(DayIcon::Illness); }, {32, 32}, true},
        {"kotobu_ordinary", [] { return heroine(false, HeroinePose::Ordinary); }, {349, 330}},
        {"kotobu_event", [] { return heroine(false, HeroinePose::Event); }, {264, 314}},
        {"kotobu_defeat", [] { return heroine(false, HeroinePose::Defeat); }, {264, 314}},
        {"kotobu_illness", [] { return heroine(false, HeroinePose::Illness); }, {150, 150}},
        {"harunen_ordinary", [] { return heroine(true, HeroinePose::Ordinary); }, {151, 151}},
        {"harunen_event", [] { return heroine(true, HeroinePose::Event); }, {151, 151}},
        {"harunen_defeat", [] { return heroine(true, HeroinePose::Defeat); }, {151, 151}},
        {"harunen_illness", [] { return heroine(true, HeroinePose::Illness); }, {151, 151}},
        {"title_kotobu", [] { return firstGameTitle(); }, {207, 115}},
        {"harunen_start", [] { return secondHeroineStart(); }, {151, 151}},
        {"selector_kotobu", [] { return selectorFirstGame(); }, {264, 314}},
        {"banner_0", [] { return selectorBanner(0); }, {441, 41}},
        {"banner_1", [] { return selectorBanner(1); }, {441, 41}},
        {"sprite_a", [] { return logoSprite('A'); }, {37, 37}, true},
        {"sprite_b", [] { return logoSprite('B'); }, {43, 37}, true},
        {"sprite_c", [] { return logoSprite('C'); }, {42, 89}, true},
        {"sprite_d", [] { return logoSprite('D'); }, {58, 88}, true},
        {"story_1", [] { return storyPage(1); }, {264, 314}},
        {"story_2", [] { return storyPage(2); }, {264, 314}},
        {"story_overlay", [] { return storyOverlay(); }, {96, 33}, true},
        {"application_icon", [] { return applicationIcon(); }, {256, 256}, true, false},
    };
    for (int item = 0; item < 5; ++item)
        rows.push_back({"care_" + std::to_string(item), [item] { return careItem(item); }, {32, 32}, true});
    return rows;
}

int distinctColours(const QImage &image)
{
    QSet<QRgb> seen;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            seen.insert(image.pixel(x, y));
    return int(seen.size());
}

std::vector<WindowPicture> seeThroughPictures()
{
    std::vector<WindowPicture> rows;
    for (const WindowPicture &p : windowPictures())
        if (p.seeThroughCorners)
            rows.push_back(p);
    return rows;
}

class WindowPictureTest : public ::testing::TestWithParam<WindowPicture> {};
class SeeThroughPictureTest : public ::testing::TestWithParam<WindowPicture> {};

} // namespace

// The suite runs once more at QT_SCALE_FACTOR=2 (WindowPictures_at_scale_2),
// where each picture must come as its twin of exactly twice the pixels and
// still take its size in points.
TEST_P(WindowPictureTest, LoadsAtItsExactSize)
{
    const QPixmap pixmap = GetParam().load();
    ASSERT_FALSE(pixmap.isNull());
    EXPECT_EQ(pixmap.deviceIndependentSize().toSize(), GetParam().size);
    const qreal ratio = GetParam().doubleSizeTwin && qGuiApp->devicePixelRatio() > 1.0 ? 2.0 : 1.0;
    EXPECT_EQ(pixmap.devicePixelRatio(), ratio);
    EXPECT_EQ(pixmap.size(), GetParam().size * ratio);
}

// A flat stand-in of one or two colours must never ship again in place of a
// drawing.
TEST_P(WindowPictureTest, IsADrawingNotAFlatStandIn)
{
    const QImage image = GetParam().load().toImage();
    ASSERT_FALSE(image.isNull());
    EXPECT_GE(distinctColours(image), 12);
}

TEST_P(SeeThroughPictureTest, CornersAreSeeThrough)
{
    const QImage image = GetParam().load().toImage().convertToFormat(QImage::Format_ARGB32);
    ASSERT_FALSE(image.isNull());
    const int right = image.width() - 1;
    const int bottom = image.height() - 1;
    for (const QPoint corner : {QPoint(0, 0), QPoint(right, 0), QPoint(0, bottom), QPoint(right, bottom)})
        EXPECT_EQ(qAlpha(image.pixel(corner)), 0) << corner.x() << "," << corner.y();
}

INSTANTIATE_TEST_SUITE_P(Content, WindowPictureTest, ::testing::ValuesIn(windowPictures()),
                         [](const auto &info) { return info.param.name; });
INSTANTIATE_TEST_SUITE_P(Content, SeeThroughPictureTest, ::testing::ValuesIn(seeThroughPictures()),
                         [](const auto &info) { return info.param.name; });

TEST(ApplicationIcon, SmallAndScalableFormsAreThere)
{
    const QPixmap small(QStringLiteral(":/icons/kotebu-48.png"));
    ASSERT_FALSE(small.isNull());
    EXPECT_EQ(small.size(), QSize(48, 48));

    QFile scalable(QStringLiteral(":/icons/kotebu.svg"));
    ASSERT_TRUE(scalable.open(QIODevice::ReadOnly));
    EXPECT_TRUE(scalable.readAll().contains("<svg"));
}

// Every picture is embedded in the program, so their weight is the
// program's weight.
TEST(ApplicationIcon, EmbeddedPicturesStaySmall)
{
    qint64 total = 0;
    int files = 0;
    QDirIterator it(QStringLiteral(":/"), QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        if (!path.startsWith(QStringLiteral(":/pictures/")) && !path.startsWith(QStringLiteral(":/icons/")))
            continue;
        total += QFileInfo(path).size();
        ++files;
    }
    EXPECT_GE(files, 32);
    EXPECT_LT(total, 1024 * 1024);
}
