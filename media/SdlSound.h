#pragma once

#include "Sound.h"

#include <QString>
#include <QStringList>
#include <QTimer>

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <future>
#include <vector>

struct _fluid_hashtable_t;
struct _fluid_synth_t;
struct _fluid_player_t;

namespace kotebu {

// The General MIDI SoundFonts we know how to find, best sounding first.
QStringList soundFontCandidates();

// The SoundFont to play the theme with: the file named by KOTEBU_SOUNDFONT
// when that variable is set (even when it names nothing, so a player can turn
// the music off that way), else the first of `candidates` that exists. Empty
// when there is none.
QString findSoundFont(const QStringList &candidates = soundFontCandidates());

// Loads a wave file and converts it once to the output format: interleaved
// stereo floats at 44100 Hz. False when the file cannot be read or is no wave
// SDL understands.
bool loadWaveFile(const QString &path, std::vector<float> &samples);

// The real sound: one SDL audio device whose callback renders the theme with
// FluidSynth and mixes one wave voice on top. Nothing is opened until the
// first sound, so the game starts as fast without sound as with it. The
// device is paused whenever nothing sounds, so an idle game costs no CPU.
//
// All public calls come from the user-interface thread; the device's own
// thread only renders.
class SdlSound final : public SoundSystem {
public:
    static constexpr int SampleRate = 44100;
    static constexpr int Channels = 2;
    static constexpr int DeviceFrames = 1024;

    enum class Output {
        Device,  // an SDL audio device renders in real time
        Offline, // nothing is opened; renderOffline() pulls the audio
    };

    explicit SdlSound(Output output = Output::Device);
    ~SdlSound() override;
    SdlSound(const SdlSound &) = delete;
    SdlSound &operator=(const SdlSound &) = delete;

    bool openAndPlayMidi(const QString &path) override;
    void closeMidi() override;
    int midiPositionSixteenths() const override;
    bool playWave(const QString &path) override;
    bool hasOutput() override { return ensureOutput(); }
    void stopWave() override;
    QString lastError() const override { return m_lastError; }

    // Renders `frames` stereo frames into `out` exactly as the device would
    // (Offline output only).
    void renderOffline(float *out, int frames);

    // True while the output runs (for a device: not paused).
    bool outputRunning() const { return m_running; }
    bool deviceOpen() const { return m_device != 0; }
    // True once the open theme has played to its end (or was never open).
    bool themeFinished() const;
    // The theme's position in ticks as last published by the renderer.
    int themeTick() const { return m_tick.load(std::memory_order_relaxed); }

    // Starts loading the SoundFont on a thread of its own, so the first theme
    // starts without a pause; the first PlayMidi waits for it if need be.
    void preloadSynth();

    // Pauses the output when neither the theme nor a wave still sounds. A
    // short timer calls this while the output runs.
    void pauseIfIdle();

    // Closes the device first (which waits for its thread), then frees the
    // player and the synthesiser the device was rendering. Safe to repeat.
    void shutdown();

private:
    class DeviceLock;
    struct LoadedSynth {
        _fluid_hashtable_t *settings = nullptr;
        _fluid_synth_t *synth = nullptr;
        QString error;
    };
    static LoadedSynth loadSynth();
    static void audioCallback(void *self, std::uint8_t *stream, int bytes);
    static int tickCallback(void *self, int tick);

    void render(float *out, int frames);
    bool ensureOutput();
    bool ensureSynth();
    void resumeOutput();
    void replaceWave(std::vector<float> &samples);

    Output m_output;
    QString m_lastError;
    QTimer m_idleTimer;
    bool m_running = false;

    bool m_deviceTried = false;
    bool m_sdlAudioStarted = false;
    std::uint32_t m_device = 0;

    bool m_synthTried = false;
    std::future<LoadedSynth> m_synthLoading;
    _fluid_hashtable_t *m_settings = nullptr;
    _fluid_synth_t *m_synth = nullptr;
    _fluid_player_t *m_player = nullptr;
    int m_division = 0;
    // Written by the renderer's tick callback, read by the game.
    std::atomic<int> m_tick{0};
    int m_totalTicks = 0; // renderer's side only

    // The wave voice: swapped in under the device lock, played by the renderer.
    std::vector<float> m_wave;
    std::size_t m_wavePos = 0;
};

} // namespace kotebu
