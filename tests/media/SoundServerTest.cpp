// The real sound layer heard through a real sound server: a private
// PulseAudio daemon with a null sink, recorded from the sink's monitor. What
// players hear (PipeWire speaks the same protocol) is checked from the
// recording: the chime from a closed device, a wave cutting another, the
// device closing on silence without a click and opening again, the theme
// from its first note, StopMidi. How soon each comes, and the position the
// selector reads against the audio heard, are printed, not asserted (a busy
// machine may be late): bench/sound_server.sh reports them.
#include "Fakes.h"
#include "Language.h"
#include "Platform.h"
#include "MidiFile.h"
#include "SdlSound.h"
#include "Sound.h"
#include "SoundFiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/prctl.h>

#include <csignal>
#include <cmath>
#include <cstdio>
#include <limits>
#include <memory>

using namespace kotebu;
using namespace kotebu::test;

namespace {

constexpr int Rate = 44100;        // the recording's rate, one channel
constexpr int Loud = 328;          // -40 dBFS in 16 bits: "something sounds"
constexpr int Quiet = 33;          // -60 dBFS: "silent" past a reverb's last breath

int samplesIn(double seconds)
{
    return int(std::lround(seconds * Rate));
}

double secondsOf(std::int64_t samples)
{
    return double(samples) / Rate;
}

// A child process that goes when the test goes, however the test ends.
void startTiedToUs(QProcess &process, const QString &program, const QStringList &arguments)
{
    process.setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGKILL); });
    process.start(program, arguments);
}

QString toolOrFail(const char *tool, const char *package)
{
    const QString path = QStandardPaths::findExecutable(QString::fromLatin1(tool));
    if (path.isEmpty())
        ADD_FAILURE() << tool << " is missing: install the Debian package " << package;
    return path;
}

// A PulseAudio daemon of the suite's own, its files in a temporary folder,
// and a recorder on its only sink's monitor. Both cases share them: the
// daemon and the recorder take seconds to settle, and each case records
// from the moment it starts.
class SoundServer : public ::testing::Test {
protected:
    struct Server {
        QTemporaryDir dir;
        QProcess daemon;
        QProcess recorder;
        QByteArray server; // PULSE_SERVER
        bool started = false;
        QByteArray pending;
        QElapsedTimer clock;
        std::int64_t originNs = std::numeric_limits<std::int64_t>::max();
        std::vector<std::int16_t> samples;
    };
    static inline std::unique_ptr<Server> s_server;

    static void SetUpTestSuite()
    {
        s_server = std::make_unique<Server>();
        Server &srv = *s_server;
        const QString daemon = toolOrFail("pulseaudio", "pulseaudio");
        const QString parec = toolOrFail("parec", "pulseaudio-utils");
        ASSERT_FALSE(daemon.isEmpty() || parec.isEmpty());
        ASSERT_TRUE(srv.dir.isValid());
        const QString socket = srv.dir.filePath("native");
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char *name : {"HOME", "PULSE_RUNTIME_PATH", "PULSE_STATE_PATH", "XDG_RUNTIME_DIR", "XDG_CONFIG_HOME"})
            env.insert(QString::fromLatin1(name), srv.dir.path());
        srv.daemon.setProcessEnvironment(env);
        srv.daemon.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        startTiedToUs(srv.daemon, daemon,
                      {"-n", "--daemonize=no", "--exit-idle-time=-1", "--use-pid-file=no",
                       "--log-target=stderr", "--log-level=error",
                       "-L", "module-null-sink sink_name=out rate=44100",
                       "-L", "module-native-protocol-unix auth-anonymous=1 socket=" + socket});
        ASSERT_TRUE(srv.daemon.waitForStarted(5000)) << "pulseaudio did not start";
        QElapsedTimer waited;
        waited.start();
        while (!QFile::exists(socket) && waited.elapsed() < 10000 && srv.daemon.state() == QProcess::Running)
            srv.daemon.waitForFinished(20);
        ASSERT_TRUE(QFile::exists(socket)) << "pulseaudio opened no socket";
        srv.server = "unix:" + QFile::encodeName(socket);

        srv.recorder.setProcessEnvironment(env);
        srv.recorder.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        startTiedToUs(srv.recorder, parec,
                      {"--server=" + QString::fromLatin1(srv.server), "--device=out.monitor", "--raw",
                       "--format=s16le", "--rate=44100", "--channels=1", "--latency-msec=10"});
        ASSERT_TRUE(srv.recorder.waitForStarted(5000)) << "parec did not start";
        srv.clock.start();
        srv.started = true;
    }

    static void TearDownTestSuite()
    {
        for (QProcess *process : {&s_server->recorder, &s_server->daemon}) {
            process->kill();
            process->waitForFinished(5000);
        }
        s_server.reset();
    }

    void SetUp() override
    {
        ASSERT_TRUE(s_server && s_server->started) << "the suite's sound server did not start";
        // The game's side: SDL's PulseAudio driver, talking to this daemon only.
        qputenv("PULSE_SERVER", s_server->server);
        qputenv("SDL_AUDIODRIVER", "pulseaudio");
        setSoundSystem(&sound);
        // The first block takes a moment (about two seconds here).
        const std::int64_t until = nowNs() + 10'000'000'000;
        while (m_samples.empty() && nowNs() < until)
            recorded();
        ASSERT_FALSE(m_samples.empty()) << "nothing recorded from the monitor";
        recordFor(0.5);
    }

    void TearDown() override
    {
        setSoundSystem(nullptr);
        sound.shutdown();
        qunsetenv("PULSE_SERVER");
        qputenv("SDL_AUDIODRIVER", "dummy");
    }

    std::int64_t nowNs() const { return m_clock.nsecsElapsed(); }

    // The recording's sample taken at `ns` on the test's clock. The monitor
    // delivers at the sink's own pace, in blocks: a sample can only arrive
    // after it was made, so the arrival that came soonest after its samples
    // fixes the recording's start on the clock (to within that one delay).
    std::int64_t sampleAt(std::int64_t ns) const
    {
        return std::int64_t(std::floor(double(ns - m_originNs) * Rate / 1e9));
    }

    // Takes in what the recorder has sent; returns the samples so far.
    std::int64_t recorded()
    {
        m_recorder.waitForReadyRead(2);
        const QByteArray arrived = m_recorder.readAllStandardOutput();
        if (arrived.isEmpty())
            return std::int64_t(m_samples.size());
        m_pending += arrived;
        const qsizetype whole = m_pending.size() / 2 * 2;
        for (qsizetype i = 0; i < whole; i += 2) {
            m_samples.push_back(std::int16_t(quint8(m_pending[i]) | (quint8(m_pending[i + 1]) << 8)));
        }
        m_pending.remove(0, whole);
        const auto origin = nowNs() - std::int64_t(double(m_samples.size()) * 1e9 / Rate);
        m_originNs = std::min(m_originNs, origin);
        return std::int64_t(m_samples.size());
    }

    // Records for `seconds` on the clock, then until the audio of that time
    // has come in.
    void recordFor(double seconds, const std::function<void()> &meanwhile = {})
    {
        const std::int64_t end = nowNs() + std::int64_t(seconds * 1e9);
        while (nowNs() < end) {
            recorded();
            if (meanwhile)
                meanwhile();
        }
        while (recorded() < sampleAt(end) && nowNs() < end + 3'000'000'000)
            ;
    }

    // The first sample at or after `from` louder than `level`; -1 when none.
    std::int64_t firstLoud(std::int64_t from, int level = Loud) const
    {
        for (auto i = std::size_t(std::max<std::int64_t>(from, 0)); i < m_samples.size(); ++i)
            if (std::abs(m_samples[i]) > level)
                return std::int64_t(i);
        return -1;
    }

    // The last sample in [from, to) louder than `level`; `from` - 1 when none.
    std::int64_t lastLoud(std::int64_t from, std::int64_t to, int level) const
    {
        for (std::int64_t i = std::min<std::int64_t>(to, std::int64_t(m_samples.size())) - 1; i >= from; --i)
            if (std::abs(m_samples[std::size_t(i)]) > level)
                return i;
        return from - 1;
    }

    // The pitch of the last `seconds` of sound up to `end`, in Hz, by its zero
    // crossings (good for the test's pure tones). Digital silence is left
    // out, up to the gap a dropout leaves on a busy machine: a longer one (the
    // device's drain before it closes is a quarter second) ends the sound, so
    // a click after it has too few crossings to pass for a tone.
    double pitchBefore(std::int64_t end, double seconds) const
    {
        const std::int64_t wanted = samplesIn(seconds), longestDropout = samplesIn(0.1);
        std::vector<std::int16_t> sound;
        std::int64_t gap = 0;
        for (std::int64_t i = end; i >= 0 && std::int64_t(sound.size()) < wanted; --i) {
            const std::int16_t sample = m_samples[std::size_t(i)];
            if (sample == 0) {
                if (++gap > longestDropout)
                    break;
                continue;
            }
            gap = 0;
            sound.push_back(sample);
        }
        int crossings = 0;
        for (std::size_t k = 1; k < sound.size(); ++k)
            crossings += (sound[k - 1] < 0) != (sound[k] < 0);
        return crossings / 2.0 / seconds;
    }

    // The longest run of exact digital silence in [from, to), in samples.
    std::int64_t longestSilence(std::int64_t from, std::int64_t to) const
    {
        std::int64_t longest = 0, run = 0;
        for (std::int64_t i = from; i < std::min<std::int64_t>(to, std::int64_t(m_samples.size())); ++i) {
            run = m_samples[std::size_t(i)] == 0 ? run + 1 : 0;
            longest = std::max(longest, run);
        }
        return longest;
    }

    Sandbox box;
    SdlSound sound{SdlSound::Output::Device};

private:
    QProcess &m_recorder = s_server->recorder;
    QByteArray &m_pending = s_server->pending;
    QElapsedTimer &m_clock = s_server->clock;
    std::int64_t &m_originNs = s_server->originNs;
    std::vector<std::int16_t> &m_samples = s_server->samples;
};

} // namespace

TEST_F(SoundServer, ChimeIsHeardAtOnceFromAClosedDeviceAndTheDeviceClosesWithoutAClick)
{
    const QString chime = shippedGameFiles() + "/QZDEMO.WAV";
    std::vector<float> chimeSamples;
    ASSERT_TRUE(loadWaveFile(chime, chimeSamples));
    // Where the chime's own first sound lies, so only the way out is timed.
    std::size_t lead = 0;
    while (lead < chimeSamples.size() && std::fabs(chimeSamples[lead]) * 32768 <= Loud)
        ++lead;
    const double leadSeconds = double(lead / SdlSound::Channels) / SdlSound::SampleRate;
    // Every chime of the game finds the device closed: the logo's is the
    // first sound of the run, and the device closes whenever all is quiet.
    auto chimeHeard = [&](const char *when) {
        EXPECT_FALSE(sound.deviceOpen()) << when;
        const std::int64_t calledNs = nowNs();
        sndPlaySound(chime, WaveAsync | WaveNoDefault);
        const std::int64_t called = sampleAt(calledNs);
        for (int tries = 0; tries < 100 && firstLoud(called) < 0; ++tries)
            recordFor(0.1);
        recordFor(0.3);
        const std::int64_t heard = firstLoud(called);
        ASSERT_GE(heard, 0) << "the chime never came out of the sound server " << when;
        const double delay = secondsOf(heard - called) - leadSeconds;
        std::printf("chime heard %.0f ms after the call (%s)\n", delay * 1000, when);
    };
    chimeHeard("the device opened for it");

    // A long tone, then a short one over it: once the short one has ended,
    // nothing of the long one may follow, nor a click when the device closes
    // on the silence after it.
    box.writeFile("Long.wav", makeWave(44100, 2, 16, 3.0, 0.5, 440));
    box.writeFile("Short.wav", makeWave(44100, 2, 16, 0.2, 0.5, 880));
    ASSERT_TRUE(sound.playWave("Long.wav"));
    recordFor(0.5);
    const std::int64_t cutNs = nowNs();
    ASSERT_TRUE(sound.playWave("Short.wav"));
    QElapsedTimer closing;
    closing.start();
    recordFor(0.5, [&] { QCoreApplication::processEvents(); });
    while (sound.deviceOpen() && closing.elapsed() < 30000)
        recordFor(0.05, [&] { QCoreApplication::processEvents(); });
    EXPECT_FALSE(sound.deviceOpen()) << "the device stays open with nothing to play";
    recordFor(0.3);
    // The last thing heard is the short wave's high tone: neither the long
    // wave's low one playing on nor a click as the device closed.
    const std::int64_t cut = sampleAt(cutNs);
    const std::int64_t lastSound = lastLoud(cut, std::int64_t(1) << 40, Quiet);
    ASSERT_GT(lastSound, cut + samplesIn(0.02)) << "nothing heard after the cut";
    // A tone cut short rings for a moment at a low level in the converters
    // on its way; anything later is a click.
    const std::int64_t lastTone = lastLoud(cut, lastSound + 1, Loud);
    EXPECT_NEAR(pitchBefore(lastTone, 0.02), 880, 110)
        << "the last sound was not the short wave: the long one was not cut, or the device clicked as it closed";
    EXPECT_LE(lastSound - lastTone, samplesIn(0.01)) << "a sound after the short wave: the device clicked as it closed";

    chimeHeard("the device opened again");
}

TEST_F(SoundServer, ThemeStartsWithItsFirstNoteRunsWithoutGapsFollowsItsPositionAndStops)
{
    ASSERT_FALSE(findSoundFont().isEmpty()) << "no SoundFont: install the Debian package timgm6mb-soundfont";
    const QString theme = shippedGameFiles() + "/" + themeFileName();
    QFile file(theme);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const std::optional<MidiFile> song = readMidi(file.readAll());
    ASSERT_TRUE(song);
    std::int64_t firstNoteTick = -1;
    for (const MidiEvent &event : song->events) {
        if (event.isNoteOn()) {
            firstNoteTick = event.tick;
            break;
        }
    }
    ASSERT_GE(firstNoteTick, 0);
    const double firstNote = song->seconds(firstNoteTick);

    // What the selector would read, next to how much audio had come out.
    struct Look {
        std::int64_t ns;
        int tick;
    };
    std::vector<Look> looks;
    // As in the game: the SoundFont and the theme's instruments load while
    // the logo plays, then the selector starts the theme.
    sound.preloadSynth(theme);
    recordFor(1.0);
    const std::int64_t calledNs = nowNs();
    ASSERT_TRUE(sound.openAndPlayMidi(theme)) << sound.lastError().toStdString();
    recordFor(firstNote + 3.5, [&] { looks.push_back({nowNs(), sound.themeTick()}); });
    const std::int64_t called = sampleAt(calledNs);

    const std::int64_t heard = firstLoud(called);
    ASSERT_GE(heard, 0) << "the theme never came out of the sound server";
    const double delay = secondsOf(heard - called) - firstNote;
    std::printf("theme's first note heard %.0f ms after its time\n", delay * 1000);
    EXPECT_GT(delay, -0.05) << "sound before the first note";

    const std::int64_t gap = longestSilence(heard, heard + samplesIn(3.0));
    std::printf("longest digital silence in the first 3 s: %.1f ms\n", secondsOf(gap) * 1000);

    // The position read against the audio heard: the song's time at the
    // position, minus the song's time of what has come out so far.
    double worstAhead = -1e9, worstBehind = 1e9;
    for (const Look &look : looks) {
        const std::int64_t at = sampleAt(look.ns);
        if (look.tick <= firstNoteTick || at <= heard)
            continue;
        const double lag = song->seconds(look.tick) - (firstNote + secondsOf(at - heard));
        worstAhead = std::max(worstAhead, lag);
        worstBehind = std::min(worstBehind, lag);
    }
    std::printf("position against the audio heard: from %.0f to %.0f ms ahead\n", worstBehind * 1000,
                worstAhead * 1000);

    const std::int64_t stoppedNs = nowNs();
    StopMidi();
    recordFor(1.5);
    const std::int64_t stopped = sampleAt(stoppedNs);
    const std::int64_t lastSound = lastLoud(stopped, stopped + samplesIn(1.5), Quiet);
    std::printf("silent %.0f ms after StopMidi\n", secondsOf(lastSound - stopped) * 1000);
    EXPECT_LT(lastSound, stopped + samplesIn(1.0)) << "the theme plays on after StopMidi";
}

// The desktop's sound settings list the game as every other program: by its
// name in the player's language, with its icon, as a game (not "kotebu" /
// "Audio Stream" with no icon).
TEST_F(SoundServer, TheStreamCarriesTheGamesNameInThePlayersLanguageItsIconAndRole)
{
    const QString pactl = toolOrFail("pactl", "pulseaudio-utils");
    ASSERT_FALSE(pactl.isEmpty());
    ASSERT_EQ(installTranslations({"zh-TW"}), "zh_TW");
    const QString name = applicationTitle();
    QGuiApplication::setDesktopFileName(QStringLiteral("org.kotebu.SpecialPack"));
    SdlSound::describeToSoundServer();
    installTranslations({"C"});
    ASSERT_NE(name, applicationTitle()) << "the title has no Traditional Chinese";

    Sandbox box;
    box.writeFile("Long.wav", makeWave(44100, 2, 16, 3.0, 0.5, 440));
    ASSERT_TRUE(sound.playWave("Long.wav"));
    QProcess list;
    list.start(pactl, {"--server=" + QString::fromLatin1(s_server->server), "list", "sink-inputs"});
    ASSERT_TRUE(list.waitForFinished(10000));
    const QString streams = QString::fromUtf8(list.readAllStandardOutput());
    sound.stopWave();
    EXPECT_TRUE(streams.contains(QStringLiteral("application.name = \"%1\"").arg(name))) << streams.toStdString();
    EXPECT_TRUE(streams.contains(QStringLiteral("application.icon_name = \"org.kotebu.SpecialPack\""))) << streams.toStdString();
    EXPECT_TRUE(streams.contains(QStringLiteral("media.role = \"game\""))) << streams.toStdString();
    EXPECT_FALSE(streams.contains(QStringLiteral("media.name = \"Audio Stream\""))) << streams.toStdString();
}
