// The logo chime "QZDEMO.WAV": a plain PCM wave that any wave player opens,
// about two seconds long, loud enough without clipping, and without a click.
#include "Fakes.h"

#include <QFile>

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <optional>
#include <vector>

namespace kotebu::test {
namespace {

struct Wave {
    int format = 0;
    int channels = 0;
    int rate = 0;
    int bits = 0;
    std::vector<std::int16_t> samples; // interleaved
};

std::uint32_t little(const QByteArray &b, qsizetype at, int size)
{
    std::uint32_t out = 0;
    for (int i = size - 1; i >= 0; --i)
        out = (out << 8) | static_cast<std::uint8_t>(b[at + i]);
    return out;
}

// Walks the RIFF chunks instead of assuming where "fmt " and "data" lie.
std::optional<Wave> readWave(const QByteArray &b)
{
    if (b.size() < 12 || !b.startsWith("RIFF") || b.mid(8, 4) != "WAVE")
        return std::nullopt;
    if (little(b, 4, 4) + 8 != std::uint32_t(b.size()))
        return std::nullopt;
    Wave wave;
    bool haveFormat = false, haveData = false;
    for (qsizetype at = 12; at + 8 <= b.size();) {
        const QByteArray id = b.mid(at, 4);
        const qsizetype size = little(b, at + 4, 4);
        const qsizetype body = at + 8;
        if (body + size > b.size())
            return std::nullopt;
        if (id == "fmt " && size >= 16) {
            wave.format = int(little(b, body, 2));
            wave.channels = int(little(b, body + 2, 2));
            wave.rate = int(little(b, body + 4, 4));
            wave.bits = int(little(b, body + 14, 2));
            haveFormat = true;
        } else if (id == "data" && haveFormat && wave.bits == 16) {
            for (qsizetype i = 0; i + 1 < size; i += 2)
                wave.samples.push_back(std::int16_t(little(b, body + i, 2)));
            haveData = true;
        }
        at = body + size + (size & 1);
    }
    if (!haveFormat || !haveData)
        return std::nullopt;
    return wave;
}

double dbfs(double level) { return 20.0 * std::log10(level / 32768.0); }

class Chime : public ::testing::Test {
protected:
    void SetUp() override
    {
        QFile file(shippedGameFiles() + QStringLiteral("/QZDEMO.WAV"));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << file.fileName().toStdString();
        bytes = file.readAll();
        wave = readWave(bytes);
        ASSERT_TRUE(wave) << "not a readable RIFF/WAVE file";
    }
    QByteArray bytes;
    std::optional<Wave> wave;
};

TEST_F(Chime, IsPlainSixteenBitPcm)
{
    EXPECT_EQ(wave->format, 1) << "PCM";
    EXPECT_EQ(wave->bits, 16);
    EXPECT_TRUE(wave->channels == 1 || wave->channels == 2);
    EXPECT_TRUE(wave->rate == 22050 || wave->rate == 44100);
    EXPECT_LT(bytes.size(), 400 * 1024);
}

TEST_F(Chime, LastsAboutTwoSeconds)
{
    // The logo window hides 4.4 s after the chime starts; it must be over by then.
    const double seconds = double(wave->samples.size()) / wave->channels / wave->rate;
    EXPECT_GE(seconds, 1.5);
    EXPECT_LE(seconds, 2.5);
}

TEST_F(Chime, PeaksNearMinusThreeDecibelsWithoutClipping)
{
    int peak = 0;
    for (std::int16_t s : wave->samples)
        peak = std::max(peak, std::abs(int(s)));
    EXPECT_LT(peak, 32767) << "clipped";
    EXPECT_GT(dbfs(peak), -6.0);
    EXPECT_LT(dbfs(peak), -1.0);
}

TEST_F(Chime, FadesInAndOutSoItDoesNotClick)
{
    const std::size_t frame = std::size_t(wave->channels);
    const std::size_t firstMs = std::size_t(wave->rate / 1000) * frame;
    ASSERT_GT(wave->samples.size(), 2 * firstMs);
    EXPECT_EQ(wave->samples.front(), 0);
    EXPECT_EQ(wave->samples.back(), 0);
    // No jump at the start: the first millisecond stays far under the peak.
    for (std::size_t i = 0; i < firstMs; ++i)
        ASSERT_LT(dbfs(std::abs(int(wave->samples[i])) + 1), -20.0) << "sample " << i;
}

} // namespace
} // namespace kotebu::test
