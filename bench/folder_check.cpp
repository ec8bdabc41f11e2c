// Times what one keystroke in the picture-folder setup costs when the typed
// folder holds many files and the boss picture is missing (the slow case: the
// whole folder is walked for a name in other letter case), and when it is
// found only in other letter case.
#include "Form9.h"
#include "Forms.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <cstdio>
#include <ctime>
#include <vector>

namespace {

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
}

struct Figures {
    double median = 0;
    double worst = 0;
    double cpuMedian = 0;
};

// Processor time of this process in milliseconds: on a busy machine the wall
// clock also counts the time other programs had the processor.
double cpuMillis()
{
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
}

// Deletes the trailing separator of Text1 `rounds` times; each time the
// check puts it back and looks into the folder again.
Figures typeInto(kotebu::Form9 &form, int rounds)
{
    auto *box = form.findChild<QLineEdit *>(QStringLiteral("Text1"));
    std::vector<double> millis;
    std::vector<double> cpu;
    QElapsedTimer timer;
    for (int i = 0; i < rounds; ++i) {
        const QString text = box->text();
        const double cpuBefore = cpuMillis();
        timer.start();
        box->setText(text.left(text.size() - 1));
        millis.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
        cpu.push_back(cpuMillis() - cpuBefore);
    }
    std::sort(millis.begin(), millis.end());
    std::sort(cpu.begin(), cpu.end());
    return {millis[millis.size() / 2], millis.back(), cpu[cpu.size() / 2]};
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int files = argc > 1 ? std::max(1, atoi(argv[1])) : 10000;
    const int rounds = argc > 2 ? std::max(1, atoi(argv[2])) : 50;

    QTemporaryDir work;
    QDir::setCurrent(work.path());
    const QString crowded = work.filePath(QStringLiteral("crowded"));
    QDir().mkpath(crowded);
    for (int i = 0; i < files; ++i)
        writeFile(crowded + QStringLiteral("/monster%1.KB2").arg(i, 5, 10, QLatin1Char('0')), {});
    // Both games name the crowded folder, and "Haga.KB2" is never there, so
    // once the first boss is found the second check walks the whole folder.
    const QByteArray ini = "[Pack]\r\nKoTeBuPath=" + crowded.toUtf8() + "/\r\nKoTeBu2Path=" + crowded.toUtf8()
        + "/\r\n[KoTeBu]\r\nGaming=ON\r\n";
    writeFile(QStringLiteral("KTBSP.INI"), ini);
    writeFile(QStringLiteral("KTBSPST.INI"), ini);

    kotebu::Form9 form;
    const Figures missing = typeInto(form, rounds);
    writeFile(crowded + QStringLiteral("/MANEPU.kb2"), {});
    form.CkFd();
    const Figures otherCase = typeInto(form, rounds);
    // A folder left alone for a while is not searched again while the player
    // types elsewhere in the same box.
    std::filesystem::last_write_time(crowded.toStdString(),
                                     std::filesystem::file_time_type::clock::now() - std::chrono::minutes(1));
    const Figures settled = typeInto(form, rounds);

    std::printf("folder of %d files, %d keystrokes each\n", files, rounds);
    const auto report = [](const char *what, const Figures &f) {
        std::printf("%-28s median %.2f ms, worst %.2f ms (processor time: median %.2f ms)\n", what, f.median,
                    f.worst, f.cpuMedian);
    };
    report("no boss picture:", missing);
    report("first boss in other case:", otherCase);
    report("same, folder settled:", settled);
    return 0;
}
