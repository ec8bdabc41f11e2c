#pragma once

#include <QByteArray>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace kotebu::test {

// A standard MIDI file read just far enough to check the theme song: every
// event with its absolute tick, and the tempo map for converting to seconds.
struct MidiEvent {
    std::int64_t tick = 0;
    int track = 0;
    std::uint8_t status = 0;     // 0x80..0xEF, 0xF0/0xF7 (sysex) or 0xFF (meta)
    std::uint8_t metaType = 0;   // meta events only
    std::vector<std::uint8_t> data; // channel data bytes, or the meta/sysex payload

    int channel() const { return status & 0x0F; }
    bool isNoteOn() const { return (status & 0xF0) == 0x90 && data.size() == 2 && data[1] > 0; }
    bool isNoteOff() const
    {
        return ((status & 0xF0) == 0x80 || (status & 0xF0) == 0x90) && data.size() == 2
               && ((status & 0xF0) == 0x80 || data[1] == 0);
    }
    bool isMeta(int type) const { return status == 0xFF && metaType == type; }
    std::string text() const { return std::string(data.begin(), data.end()); }
};

struct MidiFile {
    int format = 0;
    int trackCount = 0;
    int division = 0;                // ticks per quarter note
    std::vector<MidiEvent> events;   // all tracks, in tick order
    std::int64_t endTick = 0;        // the latest end-of-track

    // Seconds from the start to `tick`, following every tempo change.
    double seconds(std::int64_t tick) const;
};

// Reads the file's bytes; std::nullopt with `error` filled when they are not a
// well-formed standard MIDI file (SMPTE time division is refused too).
std::optional<MidiFile> readMidi(const QByteArray &bytes, std::string *error = nullptr);

} // namespace kotebu::test
