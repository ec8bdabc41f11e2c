// Plays a theme through the real sound system and reports what it costs:
// the start, the first play, CPU while playing and while idle, peak memory.
//
//   sound_bench [seconds] [theme.mid]
//   sound_bench --render seconds out.wav [theme.mid]
//   sound_bench --callbacks [theme.mid]
//
// The second form renders the theme offline into a wave file and reports its
// loudness, to check the synthesiser's gain against the wave sounds. The
// third plays the whole theme from a cold SoundFont (its pages dropped from
// the disk cache first) and reports the longest audio callback against the
// device's buffer period, and the peak memory.
//
// Without a file it writes a theme of its own (melody, chords and bass on
// three channels). Runs on SDL's dummy driver unless SDL_AUDIODRIVER says
// otherwise; the dummy driver renders at real time, so the CPU is the same.
#include "SdlSound.h"
#include "Sound.h"
#include "SoundFiles.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTimer>

#include <fcntl.h>
#include <sys/resource.h>
#include <unistd.h>

#include <cmath>
#include <cstdio>

namespace {

double cpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec)
        + double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

long peakRssKb()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

void runEventLoop(int ms)
{
    QTimer::singleShot(ms, qApp, &QCoreApplication::quit);
    QApplication::exec();
}

QByteArray benchTheme(int seconds)
{
    // 120 beats a minute, division 480: eight sixteenths a second.
    std::vector<kotebu::test::TestNote> notes;
    const int quarters = seconds * 2;
    for (int q = 0; q < quarters; ++q) {
        const int tick = q * 480;
        notes.push_back({72 + (q * 5) % 12, tick, 240});
        notes.push_back({72 + (q * 7) % 12, tick + 240, 240});
        for (int chord : {60, 64, 67})
            notes.push_back({chord + (q / 4) % 5, tick, 480});
        notes.push_back({36 + (q / 2) % 7, tick, 480});
    }
    return kotebu::test::makeMidi(480, notes, quarters * 480);
}

QByteArray wave16(const std::vector<float> &samples)
{
    QByteArray data;
    for (float s : samples) {
        const auto value = qint16(std::lround(std::clamp(s, -1.0f, 1.0f) * 32767));
        data.append(char(value & 0xff));
        data.append(char((value >> 8) & 0xff));
    }
    auto little = [](quint32 v, int n) {
        QByteArray b;
        for (int i = 0; i < n; ++i)
            b.append(char((v >> (8 * i)) & 0xff));
        return b;
    };
    const int rate = kotebu::SdlSound::SampleRate;
    return "RIFF" + little(36 + quint32(data.size()), 4) + "WAVEfmt " + little(16, 4) + little(1, 2)
        + little(2, 2) + little(rate, 4) + little(rate * 4, 4) + little(4, 2) + little(16, 2)
        + "data" + little(quint32(data.size()), 4) + data;
}

int renderToFile(int seconds, const QString &outPath)
{
    kotebu::SdlSound offline(kotebu::SdlSound::Output::Offline);
    kotebu::setSoundSystem(&offline);
    kotebu::PlayMidi("Megami.mid");
    if (kotebu::StatusMidiPosition().isEmpty()) {
        std::printf("the theme did not open: %s\n", qPrintable(offline.lastError()));
        return 1;
    }
    std::vector<float> samples(std::size_t(seconds) * kotebu::SdlSound::SampleRate * 2);
    const int frames = int(samples.size() / 2);
    for (int done = 0; done < frames; done += kotebu::SdlSound::DeviceFrames)
        offline.renderOffline(samples.data() + std::size_t(done) * 2,
                              std::min(kotebu::SdlSound::DeviceFrames, frames - done));
    kotebu::setSoundSystem(nullptr);
    std::size_t clipped = 0;
    for (float s : samples)
        clipped += std::fabs(s) >= 1.0f;
    std::printf("peak %.1f dBFS, RMS %.1f dBFS, %zu samples at full scale, position %d sixteenths\n",
                20 * std::log10(std::max(1e-9f, kotebu::test::peak(samples))),
                20 * std::log10(std::max(1e-9, kotebu::test::rms(samples))), clipped,
                offline.midiPositionSixteenths());
    QFile out(outPath);
    const QByteArray bytes = wave16(samples);
    return out.open(QIODevice::WriteOnly) && out.write(bytes) == bytes.size() ? 0 : 1;
}

// Drops the file's pages from the disk cache, so the next read comes from
// the disk, as on a player's first start after booting.
bool dropFromCache(const QString &path)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY);
    if (fd < 0)
        return false;
    ::fdatasync(fd);
    const bool dropped = ::posix_fadvise(fd, 0, 0, POSIX_FADV_DONTNEED) == 0;
    ::close(fd);
    return dropped;
}

int worstCallbacks()
{
    const QString font = kotebu::findSoundFont();
    std::printf("SoundFont: %s (%.1f MB), cache dropped: %s\n", qPrintable(font),
                QFileInfo(font).size() / 1048576.0, dropFromCache(font) ? "yes" : "no");
    // As the game does: the SoundFont and the theme's instruments load while
    // the logo plays, then the selector starts the theme.
    kotebu::installSound();
    auto &sound = static_cast<kotebu::SdlSound &>(kotebu::sound());
    runEventLoop(1000);
    sound.resetCallbackTimes();
    QElapsedTimer timer;
    timer.start();
    kotebu::PlayMidi(kotebu::themeFileName());
    const double startMs = timer.nsecsElapsed() / 1e6;
    if (kotebu::StatusMidiPosition().isEmpty()) {
        std::printf("the theme did not open: %s\n", qPrintable(sound.lastError()));
        return 1;
    }
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (sound.themeFinished())
            QCoreApplication::quit();
    });
    poll.start(100);
    timer.restart();
    QApplication::exec();
    const double periodMs = 1000.0 * kotebu::SdlSound::DeviceFrames / kotebu::SdlSound::SampleRate;
    std::printf("PlayMidi: %.1f ms; theme played %.1f s\n", startMs, timer.nsecsElapsed() / 1e9);
    std::printf("worst audio callback: %.2f ms of a %.1f ms period (%.0f %%)\n",
                sound.worstCallbackNanoseconds() / 1e6, periodMs,
                100.0 * sound.worstCallbackNanoseconds() / 1e6 / periodMs);
    std::printf("peak RSS: %.1f MB\n", peakRssKb() / 1024.0);
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (qEnvironmentVariableIsEmpty("SDL_AUDIODRIVER"))
        qputenv("SDL_AUDIODRIVER", "dummy");
    QApplication app(argc, argv);
    QStringList args = QApplication::arguments().mid(1);
    const bool render = !args.isEmpty() && args.front() == "--render";
    if (render)
        args.removeFirst();
    const bool callbacks = !args.isEmpty() && args.front() == "--callbacks";
    if (callbacks)
        args.removeFirst();
    const int seconds = callbacks ? 10 : !args.isEmpty() ? std::max(1, args.takeFirst().toInt()) : 10;
    QString outPath;
    if (render) {
        if (args.isEmpty()) {
            std::fprintf(stderr, "--render needs an output file\n");
            return 2;
        }
        outPath = QFileInfo(args.takeFirst()).absoluteFilePath();
    }

    QTemporaryDir dir;
    QByteArray theme = benchTheme(seconds + 2);
    if (!args.isEmpty()) {
        QFile given(args.front());
        if (!given.open(QIODevice::ReadOnly)) {
            std::fprintf(stderr, "cannot read %s\n", qPrintable(args.front()));
            return 1;
        }
        theme = given.readAll();
    }
    QFile out(dir.filePath("Megami.mid"));
    if (!out.open(QIODevice::WriteOnly) || out.write(theme) != theme.size())
        return 1;
    out.close();
    QDir::setCurrent(dir.path());
    if (render)
        return renderToFile(seconds, outPath);
    if (callbacks)
        return worstCallbacks();

    std::printf("SoundFont: %s\n", qPrintable(kotebu::findSoundFont()));
    std::printf("peak RSS before sound: %.1f MB\n", peakRssKb() / 1024.0);

    QElapsedTimer timer;
    timer.start();
    kotebu::installSound();
    std::printf("installSound: %.3f ms\n", timer.nsecsElapsed() / 1e6);

    // A short quiet wave first, so the device's cost and the SoundFont's are
    // told apart.
    const QByteArray wave = kotebu::test::makeWave(44100, 2, 16, 0.05, 0.01);
    QFile waveFile(dir.filePath("Quiet.wav"));
    if (!waveFile.open(QIODevice::WriteOnly) || waveFile.write(wave) != wave.size())
        return 1;
    waveFile.close();
    timer.restart();
    kotebu::sndPlaySound("Quiet.wav", kotebu::WaveAsync | kotebu::WaveNoDefault);
    std::printf("first wave (opens the device): %.1f ms\n", timer.nsecsElapsed() / 1e6);

    // The logo plays for a few seconds before the selector starts the theme;
    // the SoundFont loads meanwhile, and the device the wave opened closes
    // (a sound server may start a new stream slowly: up to three seconds).
    runEventLoop(1000);
    auto &device = static_cast<kotebu::SdlSound &>(kotebu::sound());
    for (int waited = 0; device.deviceOpen() && waited < 3000; waited += 100)
        runEventLoop(100);
    timer.restart();
    kotebu::PlayMidi("Megami.mid");
    std::printf("first PlayMidi, one second after start: %.1f ms\n", timer.nsecsElapsed() / 1e6);
    if (kotebu::StatusMidiPosition().isEmpty()) {
        std::printf("the theme did not open: %s\n", qPrintable(kotebu::sound().lastError()));
        return 1;
    }

    double cpu = cpuSeconds();
    timer.restart();
    runEventLoop(seconds * 1000);
    double wall = timer.nsecsElapsed() / 1e9;
    std::printf("CPU while playing: %.2f %% of one core over %.1f s (position %s sixteenths)\n",
                100.0 * (cpuSeconds() - cpu) / wall, wall,
                qPrintable(kotebu::StatusMidiPosition()));

    timer.restart();
    kotebu::PlayMidi("Megami.mid");
    std::printf("second PlayMidi: %.2f ms\n", timer.nsecsElapsed() / 1e6);
    kotebu::StopMidi();
    cpu = cpuSeconds();
    timer.restart();
    runEventLoop(3000);
    wall = timer.nsecsElapsed() / 1e9;
    std::printf("CPU idle after StopMidi: %.2f %% of one core over %.1f s\n",
                100.0 * (cpuSeconds() - cpu) / wall, wall);
    std::printf("peak RSS: %.1f MB\n", peakRssKb() / 1024.0);
    return 0;
}
