#include "ThemeScore.h"

#include <algorithm>
#include <cmath>

namespace kotebu {

namespace {

constexpr int DrumChannel = 9; // channel 10, as General MIDI has it
constexpr int BankSelect = 0;  // controller 0: the bank's high byte
constexpr int DrumBank = 128;  // where SoundFonts keep their drum kits

} // namespace

ThemeScore::ThemeScore()
{
    addDefaultPresets();
}

ThemeScore::ThemeScore(const MidiFile &file, int sampleRate)
    : m_endTick(file.endTick), m_division(file.division)
{
    // The tempo map: a step at the start and at every tempo change.
    const double rate = sampleRate;
    if (file.division > 0) {
        double perQuarter = 500000.0; // the standard's default: 120 beats a minute
        auto framesPerTick = [&] { return perQuarter / 1e6 * rate / file.division; };
        m_tempo.push_back({0, 0, framesPerTick()});
        for (const MidiEvent &event : file.events) {
            if (!event.isMeta(0x51) || event.data.size() != 3)
                continue;
            const TempoStep &last = m_tempo.back();
            const double frame = double(last.frame) + double(event.tick - last.tick) * last.framesPerTick;
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
    auto frameOf = [this](std::int64_t tick) {
        auto step = std::upper_bound(m_tempo.begin(), m_tempo.end(), tick,
                                     [](std::int64_t t, const TempoStep &s) { return t < s.tick; });
        --step;
        return step->frame + std::llround(double(tick - step->tick) * step->framesPerTick);
    };

    addDefaultPresets();
    int bank[16] = {};
    for (const MidiEvent &event : file.events) {
        Message message;
        message.frame = frameOf(event.tick);
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
                addPreset({drums ? DrumBank : bank[channel], message.data1, drums});
            }
        } else {
            continue; // meta events are for the file, not the synthesiser
        }
        m_messages.push_back(message);
    }
    m_endFrame = frameOf(m_endTick);
}

// The synthesiser starts every channel on piano, and the drum channel on the
// standard kit.
void ThemeScore::addDefaultPresets()
{
    addPreset({0, 0, false});
    addPreset({DrumBank, 0, true});
}

void ThemeScore::addPreset(const Preset &preset)
{
    if (std::find(m_presets.begin(), m_presets.end(), preset) == m_presets.end())
        m_presets.push_back(preset);
}

std::int64_t ThemeScore::tickAt(std::int64_t frame) const
{
    if (m_tempo.empty() || frame <= 0)
        return 0;
    if (frame >= m_endFrame)
        return m_endTick;
    auto step = std::upper_bound(m_tempo.begin(), m_tempo.end(), frame,
                                 [](std::int64_t f, const TempoStep &s) { return f < s.frame; });
    --step;
    const auto tick = step->tick + std::int64_t(double(frame - step->frame) / step->framesPerTick);
    return std::min(tick, m_endTick);
}

} // namespace kotebu
