// Windows' multimedia library itself, under Wine: whatever the machine
// offers (a MIDI synthesiser, or none), the game's calls on the real sound
// keep their promises: a theme plays and its position moves, or the game is
// silent; StopMidi ends it.
#include "Fakes.h"
#include "Sound.h"

#include <QDir>
#include <QFile>
#include <QThread>

#include <gtest/gtest.h>

#include <cstdio>

using namespace kotebu;

TEST(WinmmSound, TheShippedThemePlaysOrIsSilentAndStops)
{
    test::Sandbox sandbox;
    QFile theme(test::shippedGameFiles() + QStringLiteral("/Megami.mid"));
    ASSERT_TRUE(theme.open(QIODevice::ReadOnly));
    sandbox.writeFile(themeFileName(), theme.readAll());
    installSound();

    PlayMidi(themeFileName());
    const QString first = StatusMidiPosition();
    if (!first.isEmpty()) {
        // The position moves on from the start, notes or rests.
        QThread::msleep(1500);
        EXPECT_GT(StatusMidiPosition().toInt(), first.toInt());
    }
    std::printf("MIDI output: %s\n", first.isEmpty() ? "none, silent" : "plays");
    StopMidi();
    EXPECT_TRUE(StatusMidiPosition().isEmpty());
    setSoundSystem(nullptr);
}
