#pragma once

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace kotebu {

// A standard MIDI file, read whole before it plays: every event with its
// absolute tick, and the tempo map for converting ticks to seconds.
struct MidiEvent {
    std::int64_t tick = 0;
    int track = 0;
    std::uint8_t status = 0;        // 0x80..0xEF, 0xF0/0xF7 (sysex) or 0xFF (meta)
    std::uint8_t metaType = 0;      // meta events only
    std::vector<std::uint8_t> data; // channel data bytes, or the meta/sysex payload

    int channel() const { return status & 0x0F; }
    int kind() const { return status < 0xF0 ? status & 0xF0 : status; }
    bool isNoteOn() const { return kind() == 0x90 && data.size() == 2 && data[1] > 0; }
    bool isNoteOff() const
    {
        return data.size() == 2 && (kind() == 0x80 || (kind() == 0x90 && data[1] == 0));
    }
    bool isMeta(int type) const { return status == 0xFF && metaType == type; }
    std::string text() const { return std::string(data.begin(), data.end()); }
};

struct MidiFile {
    int format = 0;
    int trackCount = 0;
    // Ticks per quarter note; 0 when the file counts in SMPTE frames, where
    // it still plays but no musical position can be given.
    int division = 0;
    double smpteTicksPerSecond = 0.0; // SMPTE files only
    std::vector<MidiEvent> events;    // all tracks, in tick order
    std::int64_t endTick = 0;         // the latest end of a track

    // Seconds from the start to `tick`, following every tempo change.
    double seconds(std::int64_t tick) const;
};

// Reads a file's bytes; std::nullopt with `error` filled when they are not a
// standard MIDI file. A track that lacks its end-of-track event ends with its
// last event, as players commonly allow.
std::optional<MidiFile> readMidi(const QByteArray &bytes, QString *error = nullptr);

// Sixteenth notes from a tick count: tick * 4 / division, rounded down and
// held at the largest int; 0 when the division is unknown.
int ticksToSixteenths(qint64 tick, int division);

// Reads a whole theme file, refusing anything larger than a theme can
// plausibly be (so a stray huge file never ends up in memory) and anything
// but a regular file. Empty on failure.
QByteArray readSmallFile(const QString &path, qint64 limitBytes);

// A theme is a few tens of kilobytes; a file far larger is not ours and is
// not read into memory.
constexpr qint64 LargestThemeBytes = 4 * 1024 * 1024;

} // namespace kotebu
