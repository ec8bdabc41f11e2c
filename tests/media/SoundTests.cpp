#include "Fakes.h"
#include "MidiFile.h"
#include "SdlSound.h"
#include "Sound.h"
#include "SoundFiles.h"
#include "ThemeScore.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QTest>
#include <QThread>

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <limits>
#include <optional>
#include <thread>

using namespace kotebu;
using namespace kotebu::test;

namespace {

constexpr int Rate = SdlSound::SampleRate;

// Sets an environment variable for one test and puts the old value back.
class ScopedEnv {
public:
    ScopedEnv(const char *name, std::optional<QByteArray> value) : m_name(name)
    {
        if (qEnvironmentVariableIsSet(name))
            m_old = qgetenv(name);
        if (value)
            qputenv(name, *value);
        else
            qunsetenv(name);
    }
    ~ScopedEnv()
    {
        if (m_old)
            qputenv(m_name, *m_old);
        else
            qunsetenv(m_name);
    }

private:
    const char *m_name;
    std::optional<QByteArray> m_old;
};

bool haveSoundFont()
{
    return !findSoundFont().isEmpty();
}

// The real sound system, rendered by the test instead of a device, and
// installed as the game's sound for the test's length.
class OfflineSound : public ::testing::Test {
protected:
    OfflineSound() { setSoundSystem(&sound); }
    ~OfflineSound() override
    {
        setSoundSystem(nullptr);
        setDefaultSound({});
    }

    std::vector<float> render(double seconds)
    {
        std::vector<float> out(std::size_t(seconds * Rate) * SdlSound::Channels);
        const int frames = int(out.size() / SdlSound::Channels);
        // The device's block size, so the player sees what a device gives it.
        for (int done = 0; done < frames; done += SdlSound::DeviceFrames) {
            const int now = std::min(SdlSound::DeviceFrames, frames - done);
            sound.renderOffline(out.data() + std::size_t(done) * SdlSound::Channels, now);
        }
        return out;
    }

    int position() const { return StatusMidiPosition().toInt(); }

    Sandbox box;
    SdlSound sound{SdlSound::Output::Offline};
    int beeps = 0;
};

} // namespace

TEST(MidiPosition, SixteenthsCountFromTicksAndDivision)
{
    struct Row {
        qint64 tick;
        int division;
        int sixteenths;
    } rows[] = {
        {0, 480, 0}, {119, 480, 0}, {120, 480, 1}, {479, 480, 3}, {480, 480, 4},
        {96, 96, 4}, {1000, 0, 0}, {-5, 96, 0},
        // tick * 4 must not overflow 32 bits
        {1'000'000'000, 96, 41'666'666},
        // nor wrap to a negative position, which reads as no theme at all
        {3'000'000'000, 1, std::numeric_limits<int>::max()},
    };
    for (const Row &row : rows) {
        EXPECT_EQ(ticksToSixteenths(row.tick, row.division), row.sixteenths)
            << row.tick << " / " << row.division;
    }
}

// Delays no theme could ever play: the score is cut at an hour, with what
// comes before the cut still played and nothing after it. The MIDI fuzz
// target has two seeds built the same way, and holds their positions in order
// and in range, so the selector always reads one.
TEST(ThemeScoreTiming, DelaysBeyondAnyPlayAreCutAtAnHour)
{
    const struct {
        const char *name;
        QByteArray file;
    } rows[] = {
        // Three delays of 2^28 ticks at one tick a quarter: 3.2 billion sixteenths.
        {"sixteenths beyond an int", makeLongDeltaMidi(1, 500000, 3)},
        // At the slowest tempo, 50,000 of them are more than 2^63 audio frames.
        {"frames beyond 64 bits", makeLongDeltaMidi(1, 0xffffff, 50000)},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        const std::optional<MidiFile> song = readMidi(row.file);
        ASSERT_TRUE(song);
        const ThemeScore score(*song, Rate);
        EXPECT_GT(score.endFrame(), 0) << "cut to nothing";
        EXPECT_LE(score.endFrame(), std::int64_t(3600) * Rate);
        int pastTheCut = 0;
        for (const ThemeScore::Message &message : score.messages())
            pastTheCut += message.frame > score.endFrame();
        EXPECT_EQ(pastTheCut, 0);
    }
}

TEST(SoundFontChoice, VariableWinsEvenWhenItNamesNothingElseFirstInstalled)
{
    Sandbox box;
    box.writeFile("better.sf2", "x");
    box.writeFile("worse.sf2", "x");
    const QStringList candidates{box.dir() + "/missing.sf2", box.dir() + "/better.sf2",
                                 box.dir() + "/worse.sf2"};
    {
        ScopedEnv env("KOTEBU_SOUNDFONT", std::nullopt);
        EXPECT_EQ(findSoundFont(candidates), box.dir() + "/better.sf2");
        EXPECT_EQ(findSoundFont({box.dir() + "/missing.sf2"}), QString());
    }
    {
        ScopedEnv env("KOTEBU_SOUNDFONT", (box.dir() + "/worse.sf2").toLocal8Bit());
        EXPECT_EQ(findSoundFont(candidates), box.dir() + "/worse.sf2");
    }
    {
        ScopedEnv env("KOTEBU_SOUNDFONT", "/nowhere/none.sf2");
        EXPECT_EQ(findSoundFont(candidates), QString());
    }
}

TEST(WaveLoading, ConvertsEveryCommonFormatToStereoFloatAt44100)
{
    Sandbox box;
    struct Row {
        const char *name;
        QByteArray bytes;
        bool loads;
        double seconds;
        double amplitude;
    } rows[] = {
        {"16-bit mono 22050", makeWave(22050, 1, 16, 0.5, 0.5), true, 0.5, 0.5},
        {"16-bit stereo 44100", makeWave(44100, 2, 16, 0.25, 0.25), true, 0.25, 0.25},
        {"8-bit mono 11025", makeWave(11025, 1, 8, 0.5, 0.5), true, 0.5, 0.5},
        {"not a wave", makeMidiQuarters(96, 1), false, 0, 0},
        {"cut short", makeWave(22050, 1, 16, 0.5, 0.5).left(30), false, 0, 0},
    };
    for (const Row &row : rows) {
        box.writeFile("t.wav", row.bytes);
        std::vector<float> samples;
        ASSERT_EQ(loadWaveFile("t.wav", samples), row.loads) << row.name;
        if (!row.loads)
            continue;
        const double frames = double(samples.size()) / SdlSound::Channels;
        EXPECT_NEAR(frames, row.seconds * Rate, Rate * 0.01) << row.name;
        EXPECT_NEAR(rms(samples), row.amplitude / std::sqrt(2.0), 0.02) << row.name;
    }
    std::vector<float> none;
    EXPECT_FALSE(loadWaveFile("absent.wav", none));
}

TEST_F(OfflineSound, ThemePlaysOnceAndItsPositionStaysAtTheEnd)
{
    ASSERT_TRUE(haveSoundFont()) << "no General MIDI SoundFont: install the Debian package timgm6mb-soundfont";
    // Two quarter notes at 120 beats a minute: one second, eight sixteenths.
    box.writeFile("Megami.mid", makeMidiQuarters(96, 2));
    PlayMidi("Megami.mid");
    ASSERT_EQ(StatusMidiPosition(), "0");
    EXPECT_TRUE(sound.outputRunning());

    EXPECT_GT(rms(render(0.5)), 0.01) << "the theme is heard";
    // The player lingers a few seconds past the last note while it decays.
    render(5.5);
    EXPECT_TRUE(sound.themeFinished());
    EXPECT_EQ(StatusMidiPosition(), "8");
    // It does not start again.
    EXPECT_LT(rms(render(1.0)), 1e-4);
    EXPECT_EQ(StatusMidiPosition(), "8");
    sound.closeIfIdle();
    EXPECT_FALSE(sound.outputRunning()) << "nothing sounds, so the output stops";
}

// Each row's PlayMidi comes while the row before still plays, part way into
// a theme of the same file name: the new one starts from its beginning, at
// its own tempo.
TEST_F(OfflineSound, PositionFollowsTheAudioNotTheClockAndEachPlayStartsAgain)
{
    ASSERT_TRUE(haveSoundFont()) << "no General MIDI SoundFont: install the Debian package timgm6mb-soundfont";
    struct Row {
        int division;
        int microsecondsPerQuarter;
        double seconds;
        int sixteenths;
    } rows[] = {
        {480, 500000, 1.0, 8},  // 120 beats a minute
        {96, 1000000, 1.0, 4},  // 60 beats a minute
        {384, 250000, 0.5, 8},  // 240 beats a minute
    };
    for (const Row &row : rows) {
        box.writeFile("Megami.mid", makeMidiQuarters(row.division, 16, row.microsecondsPerQuarter));
        PlayMidi("Megami.mid");
        // Time alone moves nothing.
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        EXPECT_EQ(StatusMidiPosition(), "0") << row.division;
        render(row.seconds);
        EXPECT_NEAR(position(), row.sixteenths, 1) << row.division;
        render(row.seconds);
        EXPECT_NEAR(position(), 2 * row.sixteenths, 1) << row.division;
    }
}

TEST_F(OfflineSound, StopMidiIsHarmlessWithNothingOpenAndSilencesTheTheme)
{
    StopMidi();
    StopMidi();
    EXPECT_EQ(StatusMidiPosition(), QString());
    EXPECT_FALSE(sound.outputRunning());
    if (!haveSoundFont())
        return;
    box.writeFile("Megami.mid", makeMidiQuarters(480, 16));
    PlayMidi("Megami.mid");
    render(0.3);
    StopMidi();
    EXPECT_EQ(StatusMidiPosition(), QString());
    EXPECT_FALSE(sound.outputRunning());
    EXPECT_LT(rms(render(0.2)), 1e-4);
    StopMidi();
}

TEST_F(OfflineSound, ThemeThatCannotPlayIsSilentWithAnEmptyPosition)
{
    box.writeFile("Megami.mid", makeMidiQuarters(96, 4));
    box.writeFile("Text.mid", "this is no music");
    struct Row {
        const char *name;
        const char *file;
        std::optional<QByteArray> soundFont;
        bool preload;
    } rows[] = {
        {"missing file", "Nothing.mid", std::nullopt, false},
        {"not a MIDI file", "Text.mid", std::nullopt, true},
        {"missing SoundFont", "Megami.mid", QByteArray("/nowhere/none.sf2"), false},
        {"missing SoundFont, loaded ahead", "Megami.mid", QByteArray("/nowhere/none.sf2"), true},
    };
    for (const Row &row : rows) {
        ScopedEnv env("KOTEBU_SOUNDFONT", row.soundFont);
        SdlSound fresh(SdlSound::Output::Offline);
        if (row.preload)
            fresh.preloadSynth();
        setSoundSystem(&fresh);
        PlayMidi(row.file);
        EXPECT_EQ(StatusMidiPosition(), QString()) << row.name;
        EXPECT_FALSE(fresh.outputRunning()) << row.name;
        EXPECT_FALSE(fresh.lastError().isEmpty()) << row.name;
        StopMidi();
    }
}

TEST_F(OfflineSound, SoundFontLoadedAheadServesTheFirstTheme)
{
    ASSERT_TRUE(haveSoundFont()) << "no General MIDI SoundFont: install the Debian package timgm6mb-soundfont";
    {
        // Going away while the SoundFont still loads waits for it and frees it.
        SdlSound early(SdlSound::Output::Offline);
        early.preloadSynth();
    }
    sound.preloadSynth();
    box.writeFile("Megami.mid", makeMidiQuarters(96, 4));
    PlayMidi("Megami.mid");
    EXPECT_EQ(StatusMidiPosition(), "0");
    EXPECT_GT(rms(render(0.3)), 0.01);
}

// The largest theme the reader takes, asking for every instrument there is:
// it is read and laid out while the logo plays, so the selector's PlayMidi
// waits for nothing.
TEST_F(OfflineSound, LargestThemeIsReadAheadAndStartsAtOnce)
{
    ASSERT_TRUE(haveSoundFont()) << "the test needs a General MIDI SoundFont";
    box.writeFile("Megami.mid", makeEveryPresetMidi(4 * 1024 * 1024));
    QElapsedTimer clock;
    clock.start();
    sound.preloadSynth(box.dir() + "/Megami.mid");
    while (!sound.preloaded() && clock.elapsed() < 90000)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    ASSERT_TRUE(sound.preloaded()) << "still loading after 90 s";
    RecordProperty("preload_ms", int(clock.elapsed()));

    PlayMidi("Megami.mid");
    EXPECT_EQ(StatusMidiPosition(), "0");
}

TEST_F(OfflineSound, ThemeNameIgnoresCaseAndTheFolderMayHoldBlanks)
{
    ASSERT_TRUE(haveSoundFont()) << "no General MIDI SoundFont: install the Debian package timgm6mb-soundfont";
    ASSERT_TRUE(QDir(box.dir()).mkdir("a folder with blanks"));
    ASSERT_TRUE(QDir::setCurrent(box.dir() + "/a folder with blanks"));
    box.writeFile("a folder with blanks/MEGAMI.MID", makeMidiQuarters(96, 4));
    PlayMidi("Megami.mid");
    EXPECT_EQ(StatusMidiPosition(), "0");
    EXPECT_GT(rms(render(0.3)), 0.01);
}

TEST_F(OfflineSound, NewWaveReplacesThePlayingOne)
{
    setDefaultSound([this] { ++beeps; });
    box.writeFile("QZDEMO.WAV", makeWave(22050, 1, 16, 2.0, 0.5));
    box.writeFile("Soft.wav", makeWave(44100, 2, 16, 2.0, 0.1));

    sndPlaySound("qzdemo.wav", WaveAsync);
    EXPECT_NEAR(rms(render(0.2)), 0.5 / std::sqrt(2.0), 0.03);
    sndPlaySound("Soft.wav", WaveAsync);
    // Replaced, not mixed: only the soft tone is left.
    EXPECT_NEAR(rms(render(0.2)), 0.1 / std::sqrt(2.0), 0.01);
    EXPECT_EQ(beeps, 0);

    // Played to its end, the wave stops and the output may stop.
    render(2.0);
    sound.closeIfIdle();
    EXPECT_FALSE(sound.outputRunning());
}

TEST_F(OfflineSound, WaveThatCannotPlayStopsTheCurrentOneAndBeepsOnlyWhenAllowed)
{
    setDefaultSound([this] { ++beeps; });
    box.writeFile("QZDEMO.WAV", makeWave(22050, 1, 16, 2.0, 0.5));
    box.writeFile("Broken.wav", "RIFF, but nothing after it");
    struct Row {
        const char *file;
        int flags;
        int beeps;
    } rows[] = {
        {"Dummy.wav", WaveAsync | WaveNoDefault, 0},
        {"Broken.wav", WaveAsync | WaveNoDefault, 0},
        {"Dummy.wav", WaveAsync, 1},
        {"Broken.wav", WaveAsync, 1},
    };
    for (const Row &row : rows) {
        beeps = 0;
        sndPlaySound("QZDEMO.WAV", WaveAsync);
        ASSERT_GT(rms(render(0.1)), 0.3);
        sndPlaySound(row.file, row.flags);
        EXPECT_LT(rms(render(0.1)), 1e-6) << row.file << " flags " << row.flags;
        EXPECT_FALSE(sound.outputRunning()) << row.file << " flags " << row.flags;
        EXPECT_EQ(beeps, row.beeps) << row.file << " flags " << row.flags;
    }
}

TEST_F(OfflineSound, WaveOverTheThemeIsMixedAndClamped)
{
    ASSERT_TRUE(haveSoundFont()) << "no General MIDI SoundFont: install the Debian package timgm6mb-soundfont";
    box.writeFile("Megami.mid", makeMidiQuarters(96, 8));
    // Overdriven into a near square wave: at full scale most of the time, so
    // any theme sound on top would go past it.
    box.writeFile("Loud.wav", makeWave(44100, 2, 16, 1.0, 4.0, 110.0));
    PlayMidi("Megami.mid");
    const double themeAlone = rms(render(0.3));
    sndPlaySound("Loud.wav", WaveAsync);
    const std::vector<float> both = render(0.3);
    EXPECT_LE(peak(both), 1.0f);
    EXPECT_GT(rms(both), themeAlone);
    EXPECT_NEAR(position(), 4, 1) << "the theme keeps its time under the wave";
}

// The real device on SDL's dummy driver, which renders at about real time.
TEST(SdlDevice, ThemePlaysOnItsOwnTheDeviceClosesAfterItsEndAndOpensForTheNextSound)
{
    ASSERT_TRUE(haveSoundFont()) << "no General MIDI SoundFont: install the Debian package timgm6mb-soundfont";
    Sandbox box;
    ScopedEnv driver("SDL_AUDIODRIVER", "dummy");
    SdlSound device;
    setSoundSystem(&device);
    // Four quarter notes at 240 beats a minute: one second, sixteen sixteenths.
    box.writeFile("Megami.mid", makeMidiQuarters(96, 4, 250000));
    PlayMidi("Megami.mid");
    EXPECT_TRUE(device.deviceOpen());
    EXPECT_LT(StatusMidiPosition().toInt(), 16) << "PlayMidi returns at once, not once the theme has played";
    // SDL left Ctrl+C and kill to the program.
    for (int signal : {SIGINT, SIGTERM}) {
        struct sigaction action {};
        ASSERT_EQ(sigaction(signal, nullptr, &action), 0);
        EXPECT_EQ(action.sa_handler, SIG_DFL) << "signal " << signal;
    }
    // Paused, a device still wakes its thread for every buffer: closed, it
    // costs nothing. Closing waits for SDL's thread (two buffers here, over a
    // second through a sound server at times), so it runs on a thread of its
    // own: the game goes on while it does. (The pace of the position is a
    // figure of bench/sound_bench, not a test: a busy machine may lag.)
    QElapsedTimer waited;
    waited.start();
    bool closingAside = false;
    while (device.deviceOpen() && waited.elapsed() < 60000) {
        QCoreApplication::processEvents();
        if (!device.deviceOpen())
            closingAside = device.deviceClosing();
        QThread::msleep(5);
    }
    EXPECT_FALSE(device.deviceOpen());
    EXPECT_TRUE(closingAside) << "the device closed on the game's thread";
    EXPECT_FALSE(device.outputRunning());
    EXPECT_EQ(StatusMidiPosition(), "16");
    StopMidi();
    EXPECT_EQ(StatusMidiPosition(), QString());
    PlayMidi("Megami.mid");
    EXPECT_TRUE(device.deviceOpen()) << "the next sound opens the device again";
    EXPECT_TRUE(QTest::qWaitFor([&] { return StatusMidiPosition().toInt() >= 4; }, 3000));
    StopMidi();
    setSoundSystem(nullptr);
}

TEST(SdlDevice, NoAudioDeviceMeansSilenceNotFailure)
{
    Sandbox box;
    ScopedEnv driver("SDL_AUDIODRIVER", "no-such-driver");
    SdlSound device;
    setSoundSystem(&device);
    int beeps = 0;
    setDefaultSound([&] { ++beeps; });
    box.writeFile("Megami.mid", makeMidiQuarters(96, 4));
    box.writeFile("QZDEMO.WAV", makeWave(22050, 1, 16, 0.2, 0.5));
    PlayMidi("Megami.mid");
    EXPECT_EQ(StatusMidiPosition(), QString());
    sndPlaySound("QZDEMO.WAV", WaveAsync | WaveNoDefault);
    sndPlaySound("QZDEMO.WAV", WaveAsync); // the logo's call: no beep without a device
    EXPECT_FALSE(device.deviceOpen());
    EXPECT_FALSE(device.outputRunning());
    EXPECT_EQ(beeps, 0);
    StopMidi();
    setSoundSystem(nullptr);
    setDefaultSound({});
}

TEST(SdlDevice, InstallingOpensNothingUntilTheFirstSound)
{
    installSound();
    auto *installed = dynamic_cast<SdlSound *>(&sound());
    ASSERT_NE(installed, nullptr);
    EXPECT_FALSE(installed->deviceOpen()) << "the start must stay cheap";
    installSound();
    EXPECT_EQ(&sound(), installed) << "one sound system for the whole run";
    // The system stays until the QApplication goes away, which closes it.
    setSoundSystem(nullptr);
}
