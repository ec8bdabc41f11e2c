#pragma once

#include <QByteArray>
#include <QString>

namespace kotebu {

// What the sound layer needs to know of a standard MIDI file before handing
// it to the synthesiser: that it is one, and its timing division (ticks per
// quarter note), which the player library does not report.
struct MidiHeader {
    bool valid = false;
    int format = 0;
    int tracks = 0;
    // Ticks per quarter note; 0 when the file counts in SMPTE frames, where
    // no musical position can be given.
    int division = 0;
};

MidiHeader readMidiHeader(const QByteArray &bytes);

// Sixteenth notes from a tick count: tick * 4 / division, rounded down;
// 0 when the division is unknown.
int ticksToSixteenths(qint64 tick, int division);

// Reads a whole theme file, refusing anything larger than a theme can
// plausibly be (so a stray huge file never ends up in memory). Empty on
// failure.
QByteArray readSmallFile(const QString &path, qint64 limitBytes);

} // namespace kotebu
