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

// A file of at most `bytes` bytes that selects every bank on every channel,
// and every program in it, over and over from its first tick: the most
// instruments and program changes a theme of that size can hold.
QByteArray makeEveryPresetMidi(int bytes);

// A theme of `events` program changes, each after the longest delay a file
// can write (2^28 - 1 ticks), at the division and tempo given.
QByteArray makeLongDeltaMidi(int division, int microsecondsPerQuarter, int events);

// A PCM wave of a sine tone, clipped at full scale. `bits` is 8 or 16.
QByteArray makeWave(int sampleRate, int channels, int bits, double seconds, double amplitude,
                    double frequency = 440.0);

double rms(const std::vector<float> &samples);
float peak(const std::vector<float> &samples);

} // namespace kotebu::test
