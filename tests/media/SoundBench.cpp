// Plays a theme through the real sound system and reports what it costs:
// the start, the first play, CPU while playing and while idle, peak memory.
//
//   sound_bench [seconds] [theme.mid]
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
#include <QTemporaryDir>
#include <QTimer>

#include <sys/resource.h>

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

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (qEnvironmentVariableIsEmpty("SDL_AUDIODRIVER"))
        qputenv("SDL_AUDIODRIVER", "dummy");
    QApplication app(argc, argv);
    const int seconds = argc > 1 ? std::max(1, QString::fromLocal8Bit(argv[1]).toInt()) : 10;

    QTemporaryDir dir;
    QByteArray theme = benchTheme(seconds + 2);
    if (argc > 2) {
        QFile given(QString::fromLocal8Bit(argv[2]));
        if (!given.open(QIODevice::ReadOnly)) {
            std::fprintf(stderr, "cannot read %s\n", argv[2]);
            return 1;
        }
        theme = given.readAll();
    }
    QFile out(dir.filePath("Megami.mid"));
    if (!out.open(QIODevice::WriteOnly) || out.write(theme) != theme.size())
        return 1;
    out.close();
    QDir::setCurrent(dir.path());

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
    // the SoundFont loads meanwhile.
    runEventLoop(1000);
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
