#pragma once

#include "MidiFile.h"

#include <cstdint>
#include <vector>

namespace kotebu {

// The theme laid out for the audio thread: every message at the audio frame
// it sounds, and the tempo map turned into frames. Built once on the game's
// side, so the renderer only walks arrays: it never parses, reads the disk or
// allocates. A theme that runs past an hour is cut there, and a crowd of
// messages at one moment is spread over the blocks that follow it.
class ThemeScore {
public:
    struct Message {
        std::int64_t frame = 0;
        std::uint8_t status = 0; // a channel message, or 0xF0 for a sysex
        std::uint8_t data1 = 0;
        std::uint8_t data2 = 0;
        std::uint32_t sysexAt = 0; // sysex only: its bytes in sysex()
        std::uint32_t sysexLength = 0;
    };
    // An instrument the theme selects: the SoundFont preset it needs ready.
    struct Preset {
        int bank = 0;
        int program = 0;
        bool drums = false;
        bool operator==(const Preset &) const = default;
    };

    // No theme: nothing to play, and only the synthesiser's own presets.
    ThemeScore();
    ThemeScore(const MidiFile &file, int sampleRate);

    const std::vector<Message> &messages() const { return m_messages; }
    const std::vector<char> &sysex() const { return m_sysex; }
    // Every preset a channel will select, the synthesiser's own defaults
    // (piano, and the standard drum kit) included.
    const std::vector<Preset> &presets() const { return m_presets; }

    std::int64_t endFrame() const { return m_endFrame; }
    std::int64_t endTick() const { return m_endTick; }
    // Ticks per quarter note; 0 when the file counts in SMPTE frames.
    int division() const { return m_division; }
    // The tick sounding at `frame`, held at the end once the song is over.
    std::int64_t tickAt(std::int64_t frame) const;

private:
    struct TempoStep {
        std::int64_t frame = 0;
        std::int64_t tick = 0;
        double framesPerTick = 0.0;
    };
    class PresetsSeen;
    void addPreset(const Preset &preset, PresetsSeen &seen);
    void addDefaultPresets(PresetsSeen &seen);

    std::vector<Message> m_messages;
    std::vector<char> m_sysex;
    std::vector<Preset> m_presets;
    std::vector<TempoStep> m_tempo;
    std::int64_t m_endFrame = 0;
    std::int64_t m_endTick = 0;
    int m_division = 0;
};

} // namespace kotebu
