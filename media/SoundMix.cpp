// The audio thread's work: the theme's messages sent to FluidSynth at their
// frames, the synthesiser rendered, the wave voice mixed on top and the sum
// clamped, with what the device's life needs to know (the theme's position,
// whether it has ended, how long the output has been quiet).
#include "SdlSound.h"

#include <fluidsynth.h>

#include <algorithm>
#include <chrono>
#include <cmath>

namespace kotebu {

namespace {

// How long the theme's last notes may ring after its end before the output
// counts it as over (and may close, which would cut them).
constexpr double ThemeTailSeconds = 2.0;

// Below this a sample is silence (-80 dBFS): the device may close on it
// without a click.
constexpr float QuietLevel = 1e-4f;

} // namespace

void SdlSound::renderOffline(float *out, int frames)
{
    if (m_output != Output::Offline || frames <= 0)
        return;
    if (!m_running) {
        std::fill(out, out + std::size_t(frames) * Channels, 0.0f);
        return;
    }
    render(out, frames);
}

void SdlSound::audioCallback(void *self, std::uint8_t *stream, int bytes)
{
    auto *sound = static_cast<SdlSound *>(self);
    const auto start = std::chrono::steady_clock::now();
    sound->render(reinterpret_cast<float *>(stream), bytes / int(sizeof(float) * Channels));
    const std::int64_t spent = std::chrono::nanoseconds(std::chrono::steady_clock::now() - start).count();
    if (spent > sound->m_worstCallbackNs.load(std::memory_order_relaxed))
        sound->m_worstCallbackNs.store(spent, std::memory_order_relaxed);
}

void SdlSound::sendMessage(const ThemeScore::Message &message)
{
    fluid_synth_t *synth = m_loaded.synth;
    const int channel = message.status & 0x0F;
    switch (message.status & 0xF0) {
    case 0x80:
        fluid_synth_noteoff(synth, channel, message.data1);
        break;
    case 0x90:
        // A note-on of velocity 0 is a note-off; FluidSynth takes it as one.
        fluid_synth_noteon(synth, channel, message.data1, message.data2);
        break;
    case 0xA0:
        fluid_synth_key_pressure(synth, channel, message.data1, message.data2);
        break;
    case 0xB0:
        fluid_synth_cc(synth, channel, message.data1, message.data2);
        break;
    case 0xC0:
        fluid_synth_program_change(synth, channel, message.data1);
        break;
    case 0xD0:
        fluid_synth_channel_pressure(synth, channel, message.data1);
        break;
    case 0xE0:
        fluid_synth_pitch_bend(synth, channel, message.data1 | (message.data2 << 7));
        break;
    case 0xF0:
        fluid_synth_sysex(synth, m_score.sysex().data() + message.sysexAt, int(message.sysexLength),
                          nullptr, nullptr, nullptr, 0);
        break;
    }
}

void SdlSound::renderTheme(float *out, int frames)
{
    const auto &messages = m_score.messages();
    int done = 0;
    while (done < frames) {
        while (m_nextMessage < messages.size() && messages[m_nextMessage].frame <= m_themeFrame)
            sendMessage(messages[m_nextMessage++]);
        // Up to the next message, so each one sounds at its own frame.
        int now = frames - done;
        if (m_nextMessage < messages.size())
            now = int(std::min<std::int64_t>(now, messages[m_nextMessage].frame - m_themeFrame));
        float *at = out + std::size_t(done) * Channels;
        fluid_synth_write_float(m_loaded.synth, now, at, 0, Channels, at, 1, Channels);
        done += now;
        m_themeFrame += now;
    }
    m_tick.store(int(m_score.tickAt(m_themeFrame)), std::memory_order_relaxed);
    if (m_themeFrame >= m_score.endFrame() + std::int64_t(ThemeTailSeconds * SampleRate))
        m_themeDone.store(true);
}

void SdlSound::render(float *out, int frames)
{
    const std::size_t count = std::size_t(frames) * Channels;
    if (m_themeOpen && !m_themeDone.load(std::memory_order_relaxed))
        renderTheme(out, frames);
    else if (m_themeOpen && m_loaded.synth) // a finished theme's last echo
        fluid_synth_write_float(m_loaded.synth, frames, out, 0, Channels, out, 1, Channels);
    else
        std::fill(out, out + count, 0.0f);

    const std::size_t left = m_wave.size() - std::min(m_wavePos, m_wave.size());
    const std::size_t mixed = std::min(count, left);
    const float *wave = m_wave.data() + m_wavePos;
    for (std::size_t i = 0; i < mixed; ++i)
        out[i] += wave[i];
    m_wavePos += mixed;

    bool audible = false;
    for (std::size_t i = 0; i < count; ++i) {
        out[i] = std::clamp(out[i], -1.0f, 1.0f);
        audible = audible || std::fabs(out[i]) > QuietLevel;
    }
    m_quietFrames = audible ? 0 : m_quietFrames + frames;
}

} // namespace kotebu
