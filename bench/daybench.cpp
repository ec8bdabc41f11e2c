// Measures the running game on a real window: process start to the first
// window on screen, CPU while the selector plays the theme, the lyric lag,
// CPU while the day loop waits, the day clock's period and peak memory.
// bench/run.sh runs it under Xvfb in a prepared game folder and takes medians.
//
//   kotebu_daybench start|day|theme|selector|wait [seconds]
//     start:    process start to the logo window on screen, then exit
//     day:      start-up, 10 s of selector, first game, then 30 day-clock ticks
//     theme:    start-up, then the whole theme in the selector (lyric lag)
//     selector: process start to the selector on screen, the longest the
//               window then stops answering, and a click's way to the start
//               screen (3 s of selector unless told)
//     wait:     start-up straight to the first game's window, then prints
//               "waiting" and looks at nothing more, so a script can count
//               what the game alone does while it waits for the next phase
// With KOTEBU_BENCH_THEME_BYTES set, the game folder's theme is first
// replaced by one of that size that asks for every instrument there is.
#include "Demoform.h"
#include "Form1.h"
#include "Form7.h"
#include "Form8.h"
#include "Fonts.h"
#include "Language.h"
#include "Main.h"
#include "Sound.h"
#include "Lyrics.h"
#include "WidgetPlatform.h"
#include "SoundFiles.h"

#include <QApplication>
#include <QLocale>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <sys/resource.h>
#include <unistd.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <vector>

using namespace kotebu;

namespace {

double cpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec)
        + static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

double peakRssMb()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024.0;
}

// How long this process has been running, from the kernel's own start time.
double processAgeMs()
{
    QFile stat(QStringLiteral("/proc/self/stat"));
    QFile uptime(QStringLiteral("/proc/uptime"));
    if (!stat.open(QIODevice::ReadOnly) || !uptime.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray line = stat.readAll();
    const QList<QByteArray> fields = line.mid(line.lastIndexOf(')') + 2).split(' ');
    const double startTicks = fields.value(19).toDouble(); // field 22 of the whole line
    const double upSeconds = uptime.readAll().split(' ').value(0).toDouble();
    return (upSeconds - startTicks / static_cast<double>(sysconf(_SC_CLK_TCK))) * 1000.0;
}


struct Figures {
    double startMs = -1;
    double selectorCpuPercent = -1;
    double dayCpuPercent = -1;
    double periodErrorPercent = -1;
    double worstLyricLagMs = -1;
    double earliestLyricLagMs = 1e9;
    int lyricsSeen = 0;
    double selectorMs = -1;
    double longestStallMs = -1;
    double clickToStartMs = -1;
};

class Bench : public QObject {
public:
    Bench(bool themeMode, bool startOnly, bool waitOnly, bool selectorOnly, int seconds)
        : m_theme(themeMode), m_startOnly(startOnly), m_waitOnly(waitOnly), m_selectorOnly(selectorOnly),
          m_seconds(seconds)
    {
        connect(&m_poll, &QTimer::timeout, this, [this] { look(); });
        // Lyric lag, the start and the stalls need a fine look; the CPU
        // figures must not pay for it, so the day mode looks ten times a second.
        m_poll.start(themeMode || startOnly || selectorOnly ? 5 : 100);
        m_clock.start();
    }
    Figures figures;
    void setDayInterval(double ms) { m_interval = ms; }

private:
    void look()
    {
        // A look that comes late is time the window could not answer in.
        const qint64 now = m_clock.elapsed();
        if (m_selectorShownMs >= 0 && m_lastLook >= 0)
            figures.longestStallMs = std::max(figures.longestStallMs, double(now - m_lastLook));
        m_lastLook = now;
        for (QWidget *w : QApplication::topLevelWidgets()) {
            if (!w->isVisible())
                continue;
            if (qobject_cast<Demoform *>(w) && figures.startMs < 0) {
                figures.startMs = processAgeMs();
                if (m_startOnly)
                    finish();
            } else if (auto *selector = qobject_cast<Form7 *>(w)) {
                watchSelector(selector);
            } else if (qobject_cast<Form8 *>(w)) {
                if (m_selectorOnly) {
                    figures.clickToStartMs = double(m_clock.elapsed() - m_clickMs);
                    finish();
                }
                QTest::mouseClick(w->findChild<QPushButton *>("Command1"), Qt::LeftButton);
            } else if (auto *window = qobject_cast<Form1 *>(w)) {
                watchDay(window);
            }
        }
    }

    void watchSelector(Form7 *selector)
    {
        if (m_selectorShownMs < 0) {
            figures.selectorMs = processAgeMs();
            m_selectorShownMs = m_clock.elapsed();
            m_selectorCpu = cpuSeconds();
        }
        // When each sung step begins in the audio actually rendered.
        const int position = sound().midiPositionSixteenths();
        const int step = position < 0 ? -1 : position / 10;
        if (step >= 0 && !m_stepBegan.count(step))
            m_stepBegan[step] = m_clock.elapsed();
        const QString shown = selector->findChild<QLabel *>("Label2")->text();
        if (shown != m_lastLyric) {
            m_lastLyric = shown;
            // The first cue not yet seen whose text this is and whose step
            // has begun: cues come in order, so a repeated line finds its own.
            for (const LyricCue &cue : LyricSchedule) {
                if (m_lagSeen.count(cue.step) || !m_stepBegan.count(cue.step) || shown != lyricText(cue))
                    continue;
                m_lagSeen[cue.step] = true;
                const double lag = static_cast<double>(m_clock.elapsed() - m_stepBegan[cue.step]);
                figures.worstLyricLagMs = std::max(figures.worstLyricLagMs, lag);
                figures.earliestLyricLagMs = std::min(figures.earliestLyricLagMs, lag);
                ++figures.lyricsSeen;
                break;
            }
        }
        const qint64 listened = m_clock.elapsed() - m_selectorShownMs;
        const qint64 wanted = m_theme || m_selectorOnly ? qint64(m_seconds) * 1000 : m_waitOnly ? 0 : 10000;
        if (listened >= wanted && !m_chosen) {
            m_chosen = true;
            figures.selectorCpuPercent = (cpuSeconds() - m_selectorCpu) * 100000.0 / static_cast<double>(listened);
            if (m_theme)
                finish();
            m_clickMs = m_clock.elapsed();
            QTest::mouseClick(selector->findChild<QLabel *>("Image1_1"), Qt::LeftButton);
        }
    }

    void watchDay(Form1 *window)
    {
        if (m_waitOnly) {
            m_poll.stop();
            std::printf("waiting\n");
            std::fflush(stdout);
            return;
        }
        if (m_ticks.empty() && !m_watchingDay) {
            m_watchingDay = true;
            m_poll.setInterval(200); // stop polling fast: the day's own cost is measured
            connect(window->dayClock(), &QTimer::timeout, this, [this] { tick(); });
        }
    }

    void tick()
    {
        m_ticks.push_back(m_clock.elapsed());
        if (m_ticks.size() == 1)
            m_dayCpu = cpuSeconds();
        if (static_cast<int>(m_ticks.size()) > m_seconds) {
            const double span = static_cast<double>(m_ticks.back() - m_ticks.front());
            figures.dayCpuPercent = (cpuSeconds() - m_dayCpu) * 100000.0 / span;
            const double meanPeriod = span / static_cast<double>(m_ticks.size() - 1);
            const double interval = m_interval;
            figures.periodErrorPercent = std::abs(meanPeriod - interval) * 100.0 / interval;
            finish();
        }
    }

    void finish()
    {
        std::printf("start_ms=%.0f selector_cpu_pct=%.2f day_cpu_pct=%.2f period_error_pct=%.3f "
                    "lyric_lag_worst_ms=%.0f lyric_lag_earliest_ms=%.0f lyrics_seen=%d peak_rss_mb=%.1f "
                    "selector_ms=%.0f longest_stall_ms=%.0f click_to_start_screen_ms=%.0f\n",
                    figures.startMs, figures.selectorCpuPercent, figures.dayCpuPercent, figures.periodErrorPercent,
                    figures.worstLyricLagMs, figures.lyricsSeen ? figures.earliestLyricLagMs : -1.0,
                    figures.lyricsSeen, peakRssMb(), figures.selectorMs, figures.longestStallMs,
                    figures.clickToStartMs);
        std::fflush(stdout);
        std::_Exit(0);
    }

    bool m_theme;
    bool m_startOnly;
    bool m_waitOnly;
    bool m_selectorOnly;
    int m_seconds;
    qint64 m_lastLook = -1;
    qint64 m_clickMs = -1;
    QTimer m_poll;
    QElapsedTimer m_clock;
    qint64 m_selectorShownMs = -1;
    double m_selectorCpu = 0;
    double m_dayCpu = 0;
    bool m_chosen = false;
    bool m_watchingDay = false;
    QString m_lastLyric;
    std::map<int, qint64> m_stepBegan;
    std::map<int, bool> m_lagSeen;
    std::vector<qint64> m_ticks;
    double m_interval = 1000;
};

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    if (const char *bytes = std::getenv("KOTEBU_BENCH_THEME_BYTES")) {
        QFile theme(themeFileName());
        if (!theme.open(QIODevice::WriteOnly) || theme.write(test::makeEveryPresetMidi(std::atoi(bytes))) < 0)
            return 1;
    }
    // The desktop's language, as main() takes it (LANGUAGE=ko bench/run.sh).
    const QString language = installTranslations(QLocale::system().uiLanguages());
    installWidgetPlatform();
    installFonts(language);
    installSound();

    const QByteArray mode = argc > 1 ? QByteArray(argv[1]) : QByteArray("day");
    const bool theme = mode == "theme";
    const bool selector = mode == "selector";
    const int seconds = argc > 2 ? std::atoi(argv[2]) : (theme ? 185 : selector ? 3 : 30);
    Bench bench(theme, mode == "start", mode == "wait", selector, seconds);
    if (const char *day = std::getenv("KOTEBU_BENCH_DAY_MS"))
        bench.setDayInterval(std::atof(day));
    const auto window = Main();
    return QApplication::exec();
}
