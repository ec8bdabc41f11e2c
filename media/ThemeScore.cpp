#include "ThemeScore.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace kotebu {

namespace {

constexpr int DrumChannel = 9; // channel 10, as General MIDI has it
constexpr int BankSelect = 0;  // controller 0: the bank's high byte
constexpr int DrumBank = 128;  // where SoundFonts keep their drum kits

// The theme plays once while the selector waits for a choice. A file that
// runs on for longer than anyone waits there is cut at this length, so every
// frame stays a plain number far inside 64 bits.
constexpr double LongestThemeSeconds = 60.0 * 60.0;
// The renderer publishes the tick as an int: a theme is cut before its ticks
// outgrow one.
constexpr std::int64_t LastTick = std::numeric_limits<int>::max();

// The audio thread sends every message that is due before it renders on, and
// the game waits for it whenever it takes the device's lock. A file that
// crowds a million program changes into one moment would hold both for
// seconds, so no more than this many messages sound in any stretch of
// CrowdFrames frames; later ones wait their turn. The shipped theme sends at
// most 41 in such a stretch.
constexpr std::size_t CrowdMessages = 256;
constexpr std::int64_t CrowdFrames = 1024;

} // namespace

// Whether a preset was already listed, one flag for each bank (the drum bank
// included), program and kind: a look-up that costs the same for every
// program change, however many a file holds.
class ThemeScore::PresetsSeen {
public:
    bool add(const Preset &preset)
    {
        const std::size_t index = (std::size_t(preset.bank) * 128 + std::size_t(preset.program)) * 2 + preset.drums;
        if (m_seen[index])
            return false;
        m_seen[index] = true;
        return true;
    }

private:
    std::vector<bool> m_seen = std::vector<bool>((DrumBank + 1) * 128 * 2, false);
};

ThemeScore::ThemeScore()
{
    PresetsSeen seen;
    addDefaultPresets(seen);
}

ThemeScore::ThemeScore(const MidiFile &file, int sampleRate)
    : m_division(file.division)
{
    const double rate = sampleRate;
    const double lastFrame = LongestThemeSeconds * rate;

    // The tempo map: a step at the start and at every tempo change, up to
    // the cut. Frames are worked out in double and rounded only once they are
    // known to be in range.
    if (file.division > 0) {
        double perQuarter = 500000.0; // the standard's default: 120 beats a minute
        auto framesPerTick = [&] { return perQuarter / 1e6 * rate / file.division; };
        m_tempo.push_back({0, 0, framesPerTick()});
        for (const MidiEvent &event : file.events) {
            if (!event.isMeta(0x51) || event.data.size() != 3)
                continue;
            const TempoStep &last = m_tempo.back();
            const double frame = double(last.frame) + double(event.tick - last.tick) * last.framesPerTick;
            if (frame > lastFrame || event.tick > LastTick)
                break;
            perQuarter = double((event.data[0] << 16) | (event.data[1] << 8) | event.data[2]);
            if (perQuarter <= 0)
                continue;
            const TempoStep step{std::llround(frame), event.tick, framesPerTick()};
            if (step.tick == last.tick)
                m_tempo.back() = step;
            else
                m_tempo.push_back(step);
        }
    } else {
        m_tempo.push_back({0, 0, rate / file.smpteTicksPerSecond});
    }
    auto exactFrameOf = [this](std::int64_t tick) {
        auto step = std::upper_bound(m_tempo.begin(), m_tempo.end(), tick,
                                     [](std::int64_t t, const TempoStep &s) { return t < s.tick; });
        --step;
        return double(step->frame) + double(tick - step->tick) * step->framesPerTick;
    };

    // Where the song ends: its last tick, or the cut, whichever comes first.
    m_endTick = std::min(file.endTick, LastTick);
    if (exactFrameOf(m_endTick) > lastFrame) {
        // Every step of the map lies before the cut, so the last one holds it.
        const TempoStep step = m_tempo.back();
        const double ticksLeft = (lastFrame - double(step.frame)) / step.framesPerTick;
        m_endTick = std::min(m_endTick, step.tick + std::int64_t(std::min(ticksLeft, double(LastTick))));
    }
    m_endFrame = std::llround(std::min(exactFrameOf(m_endTick), lastFrame));

    PresetsSeen seen;
    addDefaultPresets(seen);
    int bank[16] = {};
    m_messages.reserve(file.events.size());
    // The events come in tick order: the tempo step they fall in only moves on.
    std::size_t step = 0;
    for (const MidiEvent &event : file.events) {
        if (event.tick > m_endTick)
            break; // past the cut
        while (step + 1 < m_tempo.size() && m_tempo[step + 1].tick <= event.tick)
            ++step;
        Message message;
        const TempoStep &tempo = m_tempo[step];
        message.frame = std::llround(double(tempo.frame) + double(event.tick - tempo.tick) * tempo.framesPerTick);
        if (event.status == 0xF0 || event.status == 0xF7) {
            // The synthesiser takes a sysex without its framing bytes.
            std::vector<std::uint8_t> body = event.data;
            if (!body.empty() && body.back() == 0xF7)
                body.pop_back();
            if (event.status != 0xF0 || body.empty())
                continue;
            message.status = 0xF0;
            message.sysexAt = std::uint32_t(m_sysex.size());
            message.sysexLength = std::uint32_t(body.size());
            m_sysex.insert(m_sysex.end(), body.begin(), body.end());
        } else if (event.status < 0xF0) {
            message.status = event.status;
            message.data1 = event.data.size() > 0 ? event.data[0] : 0;
            message.data2 = event.data.size() > 1 ? event.data[1] : 0;
            const int channel = event.channel();
            if (event.kind() == 0xB0 && message.data1 == BankSelect)
                bank[channel] = message.data2;
            if (event.kind() == 0xC0) {
                const bool drums = channel == DrumChannel;
                addPreset({drums ? DrumBank : bank[channel], message.data1, drums}, seen);
            }
        } else {
            continue; // meta events are for the file, not the synthesiser
        }
        if (m_messages.size() >= CrowdMessages)
            message.frame = std::max(message.frame, m_messages[m_messages.size() - CrowdMessages].frame + CrowdFrames);
        m_messages.push_back(message);
    }
}

// The synthesiser starts every channel on piano, and the drum channel on the
// standard kit.
void ThemeScore::addDefaultPresets(PresetsSeen &seen)
{
    addPreset({0, 0, false}, seen);
    addPreset({DrumBank, 0, true}, seen);
}

void ThemeScore::addPreset(const Preset &preset, PresetsSeen &seen)
{
    if (seen.add(preset))
        m_presets.push_back(preset);
}

std::int64_t ThemeScore::tickAt(std::int64_t frame) const
{
    // A song shorter than one frame is at its end from the start.
    if (frame >= m_endFrame)
        return m_endTick;
    if (m_tempo.empty() || frame <= 0)
        return 0;
    auto step = std::upper_bound(m_tempo.begin(), m_tempo.end(), frame,
                                 [](std::int64_t f, const TempoStep &s) { return f < s.frame; });
    --step;
    // Held at the end before the conversion, so no quotient can outgrow 64 bits.
    const double ticks = double(frame - step->frame) / step->framesPerTick;
    if (ticks >= double(m_endTick - step->tick))
        return m_endTick;
    return step->tick + std::int64_t(ticks);
}

} // namespace kotebu
