#pragma once

#include <QByteArray>

#include <vector>

namespace kotebu::test {

// Small sound files written by the tests themselves.

struct TestNote {
    int key = 60;
    int startTick = 0;
    int lengthTicks = 0;
};

// A format-0 MIDI file: one tempo, a piano, the notes, and the end of the
// track at `endTick`.
QByteArray makeMidi(int division, const std::vector<TestNote> &notes, int endTick,
                    int microsecondsPerQuarter = 500000);

// `quarters` quarter notes in a row, the song ending with the last one.
QByteArray makeMidiQuarters(int division, int quarters, int microsecondsPerQuarter = 500000);

// A PCM wave of a sine tone, clipped at full scale. `bits` is 8 or 16.
QByteArray makeWave(int sampleRate, int channels, int bits, double seconds, double amplitude,
                    double frequency = 440.0);

double rms(const std::vector<float> &samples);
float peak(const std::vector<float> &samples);

} // namespace kotebu::test
