// The sound on a system's own devices, as Windows plays it: the theme read
// and laid out by the game's own MIDI reader and score, sent message by
// message into the system's MIDI output on time, its position read from the
// same clock; the waves handed to the system; without devices, silence.
#include "DeviceSound.h"
#include "Fakes.h"
#include "MidiFile.h"
#include "SoundFiles.h"

#include <QFile>
#include <QThread>

#include <gtest/gtest.h>

#include <mutex>

using namespace kotebu;
using namespace std::chrono_literals;

namespace {

struct Sent {
    ThemeScore::Message message;
    ThemePlayer::Clock::time_point at;
};

// What the fake devices were asked to do, shared with the test.
struct DeviceLog {
    std::mutex mutex;
    std::vector<Sent> sent;
    int silences = 0;
    QStringList waves;
    int waveStops = 0;

    std::size_t sentCount()
    {
        const std::lock_guard lock(mutex);
        return sent.size();
    }
};

class RecordingMidi final : public MidiOutput {
public:
    explicit RecordingMidi(DeviceLog &log) : m_log(log) {}
    void send(const ThemeScore::Message &message, const char *) override
    {
        const std::lock_guard lock(m_log.mutex);
        m_log.sent.push_back({message, ThemePlayer::Clock::now()});
    }
    void silence() override
    {
        const std::lock_guard lock(m_log.mutex);
        ++m_log.silences;
    }

private:
    DeviceLog &m_log;
};

class FakeDevices final : public SoundDevices {
public:
    FakeDevices(DeviceLog &log, bool present) : m_log(log), m_present(present) {}
    std::unique_ptr<MidiOutput> openMidi() override
    {
        return m_present ? std::make_unique<RecordingMidi>(m_log) : nullptr;
    }
    bool playWave(const QString &path) override
    {
        m_log.waves << path;
        return m_present;
    }
    void stopWave() override { ++m_log.waveStops; }
    bool hasOutput() override { return m_present; }

private:
    DeviceLog &m_log;
    bool m_present;
};

// Waits, asleep, until `done` or five seconds.
template <typename Done>
bool waitFor(Done done)
{
    for (int waited = 0; waited < 500 && !done(); ++waited)
        QThread::msleep(10);
    return done();
}

} // namespace

TEST(DeviceSound, PlaysEveryMessageOfTheThemeInOrderNeverBeforeItsTimeAndHoldsTheEnd)
{
    test::Sandbox sandbox;
    // Four notes an eighth apart at 120 beats a minute: half a second.
    const QByteArray theme = test::makeMidi(480, {{60, 0, 100}, {62, 240, 100}, {64, 480, 100}, {65, 720, 100}}, 960);
    sandbox.writeFile(QStringLiteral("Theme.mid"), theme);
    const ThemeScore score(*readMidi(theme), ThemePlayer::FramesPerSecond);

    DeviceLog log;
    DeviceSound sound(std::make_unique<FakeDevices>(log, true));
    EXPECT_EQ(sound.midiPositionSixteenths(), -1);
    const auto started = ThemePlayer::Clock::now();
    ASSERT_TRUE(sound.openAndPlayMidi(QStringLiteral("theme.MID"))) << sound.lastError().toStdString();
    ASSERT_TRUE(waitFor([&] { return log.sentCount() == score.messages().size(); }));

    for (std::size_t i = 0; i < score.messages().size(); ++i) {
        const ThemeScore::Message &due = score.messages()[i];
        const Sent &sent = log.sent[i];
        EXPECT_EQ(sent.message.status, due.status) << "message " << i;
        EXPECT_EQ(sent.message.data1, due.data1) << "message " << i;
        EXPECT_EQ(sent.message.data2, due.data2) << "message " << i;
        const auto dueAt = started + std::chrono::microseconds(due.frame * 1000000 / ThemePlayer::FramesPerSecond);
        EXPECT_GE(sent.at, dueAt) << "message " << i << " went early";
    }
    // Two quarters are eight sixteenths; the position stays at the end.
    ASSERT_TRUE(waitFor([&] { return sound.midiPositionSixteenths() == 8; }));
    QThread::msleep(100);
    EXPECT_EQ(sound.midiPositionSixteenths(), 8);

    sound.closeMidi();
    EXPECT_EQ(sound.midiPositionSixteenths(), -1);
    EXPECT_EQ(log.silences, 1);
}

// The selector closes while the theme plays: nothing more reaches the
// device, whose notes end at once.
TEST(DeviceSound, ClosingMidThemeSilencesTheDeviceAndSendsNothingMore)
{
    test::Sandbox sandbox;
    sandbox.writeFile(QStringLiteral("Long.mid"), test::makeMidiQuarters(480, 40));
    DeviceLog log;
    DeviceSound sound(std::make_unique<FakeDevices>(log, true));
    ASSERT_TRUE(sound.openAndPlayMidi(QStringLiteral("Long.mid")));
    ASSERT_TRUE(waitFor([&] { return sound.midiPositionSixteenths() >= 4; }));
    sound.closeMidi();
    const std::size_t sent = log.sentCount();
    EXPECT_EQ(log.silences, 1);
    QThread::msleep(600);
    EXPECT_EQ(log.sentCount(), sent);
}

TEST(DeviceSound, WithoutDevicesEverySoundIsSilentAndSaysWhy)
{
    test::Sandbox sandbox;
    sandbox.writeFile(QStringLiteral("Theme.mid"), test::makeMidiQuarters(480, 4));
    sandbox.writeFile(QStringLiteral("Chime.wav"), test::makeWave(44100, 1, 16, 0.2, 0.5));
    DeviceLog log;
    DeviceSound sound(std::make_unique<FakeDevices>(log, false));

    EXPECT_FALSE(sound.hasOutput());
    EXPECT_FALSE(sound.openAndPlayMidi(QStringLiteral("Theme.mid")));
    EXPECT_FALSE(sound.lastError().isEmpty());
    EXPECT_EQ(sound.midiPositionSixteenths(), -1);
    // A wave that cannot play stops the one playing, as a new one would.
    EXPECT_FALSE(sound.playWave(QStringLiteral("chime.WAV")));
    EXPECT_EQ(log.waveStops, 1);
    EXPECT_FALSE(sound.openAndPlayMidi(QStringLiteral("Missing.mid")));
}
