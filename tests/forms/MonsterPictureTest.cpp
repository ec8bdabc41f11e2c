// Monster pictures come from the player's folders: whatever lies there must
// never crash the game or take all its memory.
#include "Fakes.h"
#include "Pictures.h"

#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QRandomGenerator>

#include <gtest/gtest.h>

#include <sys/stat.h>

using namespace kotebu;

namespace {

QByteArray encoded(const QImage &image, const char *format)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes;
}

QImage sample(int size)
{
    QImage image(size, size, QImage::Format_RGB32);
    image.fill(QColor(200, 120, 40));
    return image;
}

QByteArray bigEndian(quint32 value)
{
    QByteArray bytes(4, '\0');
    for (int i = 0; i < 4; ++i)
        bytes[i] = static_cast<char>((value >> (24 - 8 * i)) & 0xff);
    return bytes;
}

quint32 crc32(const QByteArray &bytes)
{
    quint32 crc = 0xffffffffu;
    for (const char byte : bytes) {
        crc ^= static_cast<quint8>(byte);
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc >> 1) ^ (0xedb88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

// A valid PNG header that claims a huge picture, with a few bytes of data.
QByteArray hugePngClaim(quint32 width, quint32 height)
{
    QByteArray header = QByteArray("IHDR") + bigEndian(width) + bigEndian(height) + QByteArray("\x08\x02\x00\x00\x00", 5);
    QByteArray png("\x89PNG\r\n\x1a\n", 8);
    png += bigEndian(13) + header
        + bigEndian(crc32(header));
    const QByteArray data = QByteArray("IDAT") + QByteArray("\x78\x9c\x03\x00\x00\x00\x00\x01", 8);
    png += bigEndian(8) + data
        + bigEndian(crc32(data));
    return png;
}

} // namespace

TEST(MonsterPicture, LoadsByContentWhateverTheNameAndFindsItInAnyCase)
{
    test::Sandbox sandbox;
    // Qt writes no GIF: a one-pixel GIF by hand.
    const QByteArray gif("GIF89a\x01\x00\x01\x00\x80\x00\x00\xff\xff\xff\x00\x00\x00"
                         ",\x00\x00\x00\x00\x01\x00\x01\x00\x00\x02\x02\x44\x01\x00;", 35);
    const struct {
        const char *format;
        QByteArray bytes;
        QSize size;
    } rows[] = {
        {"PNG", encoded(sample(300), "PNG"), {300, 300}},
        {"BMP", encoded(sample(300), "BMP"), {300, 300}},
        {"JPEG", encoded(sample(300), "JPEG"), {300, 300}},
        {"GIF", gif, {1, 1}},
    };
    for (const auto &row : rows) {
        sandbox.writeFile("Haga.KB2", row.bytes);
        const QPixmap picture = loadMonsterPicture(sandbox.dir() + "/HAGA.KB2");
        EXPECT_EQ(picture.size(), row.size) << row.format;
    }
}

TEST(MonsterPicture, HostileFilesGiveNoPictureAndNeverCrash)
{
    test::Sandbox sandbox;
    const QByteArray png = encoded(sample(300), "PNG");
    QRandomGenerator noise(7);
    QByteArray random(4096, '\0');
    for (char &byte : random)
        byte = static_cast<char>(noise.bounded(256));

    const struct {
        const char *what;
        QByteArray bytes;
    } rows[] = {
        {"empty", QByteArray()},
        {"random bytes", random},
        {"cut after the header", png.left(40)},
        {"cut in the middle", png.left(png.size() / 2)},
        {"png signature then noise", png.left(8) + random},
    };
    for (const auto &row : rows) {
        sandbox.writeFile("Bad.KB2", row.bytes);
        const QPixmap picture = loadMonsterPicture(sandbox.dir() + "/Bad.KB2");
        // A half picture may decode partly; a crash or a giant never.
        EXPECT_LE(picture.width(), 300) << row.what;
    }
    EXPECT_TRUE(loadMonsterPicture(sandbox.dir() + "/Missing.KB2").isNull());
    EXPECT_TRUE(loadMonsterPicture(sandbox.dir()).isNull()) << "a folder is no picture";
}

TEST(MonsterPicture, PictureClaimingFiftyThousandPixelsSquareIsNotAllocated)
{
    test::Sandbox sandbox;
    sandbox.writeFile("Giant.KB2", hugePngClaim(50000, 50000));
    const QPixmap picture = loadMonsterPicture(sandbox.dir() + "/Giant.KB2");
    // 50,000 × 50,000 × 4 bytes would be 10 GB.
    EXPECT_LE(static_cast<qint64>(picture.width()) * picture.height(), 1024 * 1024);
}

// An icon whose directory claims 16 x 16 over a PNG of `side` pixels square.
QByteArray iconClaimingSixteen(int side)
{
    QImage inside(side, side, QImage::Format_Mono);
    inside.fill(1);
    const QByteArray png = encoded(inside, "PNG");
    QByteArray icon("\0\0\1\0\1\0", 6);
    icon += QByteArray("\x10\x10\0\0\1\0\x20\0", 8);
    for (const quint32 field : {quint32(png.size()), quint32(22)})
        for (int i = 0; i < 4; ++i)
            icon += char((field >> (8 * i)) & 0xff);
    return icon + png;
}

// Large pictures come back scaled down whatever they claim: a JPEG scales as
// it is read, a bitmap can only be read whole first, and an icon's directory
// may claim 16 x 16 over a far larger picture.
TEST(MonsterPicture, LargePicturesComeBackScaledDown)
{
    test::Sandbox sandbox;
    QImage wide(1500, 300, QImage::Format_RGB32);
    wide.fill(QColor(10, 200, 90));
    const struct {
        const char *what;
        QByteArray bytes;
        QSize size;
    } rows[] = {
        {"JPEG", encoded(sample(3000), "JPEG"), {1024, 1024}},
        {"BMP", encoded(wide, "BMP"), {1024, 204}},
        {"icon claiming 16 x 16", iconClaimingSixteen(4000), {1024, 1024}},
    };
    for (const auto &row : rows) {
        sandbox.writeFile("Big.KB2", row.bytes);
        EXPECT_EQ(loadMonsterPicture(sandbox.dir() + "/Big.KB2").size(), row.size) << row.what;
    }
}

// A FIFO among the pictures would block the window for good at the first
// fight: anything but a plain file is a missing picture.
TEST(MonsterPicture, FifoOrDeviceIsAMissingPictureNotAWait)
{
    test::Sandbox sandbox;
    const QByteArray fifo = QFile::encodeName(sandbox.dir() + "/Fifo.KB2");
    ASSERT_EQ(::mkfifo(fifo.constData(), 0600), 0);
    ASSERT_TRUE(QFile::link(sandbox.dir() + "/Fifo.KB2", sandbox.dir() + "/Linked.KB2"));
    ASSERT_TRUE(QFile::link("/dev/zero", sandbox.dir() + "/Zero.KB2"));
    for (const char *name : {"/Fifo.KB2", "/Linked.KB2", "/Zero.KB2"})
        EXPECT_TRUE(loadMonsterPicture(sandbox.dir() + name).isNull()) << name;
}
