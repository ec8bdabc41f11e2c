#pragma once

#include "Sound.h"
#include "ThemeScore.h"

#include <QDateTime>
#include <QString>
#include <QStringList>
#include <QTimer>

#include <atomic>
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <future>
#include <optional>
#include <set>
#include <tuple>
#include <vector>

struct _fluid_hashtable_t;
struct _fluid_synth_t;

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

// The real sound: one SDL audio device whose callback plays the theme's
// messages into FluidSynth, renders it and mixes one wave voice on top.
// Nothing is opened until the first sound, so the game starts as fast
// without sound as with it. The device is closed again whenever nothing
// sounds: a paused device still wakes its thread for every buffer and keeps
// the sound server's output running, so a quiet game would cost the desktop
// all the same.
//
// All public calls come from the user-interface thread; the device's own
// thread only renders. The class is written in parts, a file for each job:
// SdlSound.cpp (the game's calls), SoundFontLoading.cpp (the SoundFont, the
// synthesiser and the theme's instruments), WaveFile.cpp (reading a wave),
// SoundDevice.cpp (the device's life) and SoundMix.cpp (the audio thread).
class SdlSound final : public SoundSystem {
public:
    static constexpr int SampleRate = 44100;
    static constexpr int Channels = 2;
    // The device's buffer for the theme. Longer buffers wake the audio
    // thread and the sound server less often; the lyric lines, a second
    // apart and looked at every 300 ms, do not see the difference
    // (bench/sound_server.sh).
    static constexpr int DeviceFrames = 2048;
    // The buffer of a device opened for a wave. SDL starts a device paused
    // and may hand the server a buffer of silence before the wave's first:
    // a shorter buffer keeps that delay of the chime short.
    static constexpr int WaveDeviceFrames = 1024;

    enum class Output {
        Device,  // an SDL audio device renders in real time
        Offline, // nothing is opened; renderOffline() pulls the audio
    };

    explicit SdlSound(Output output = Output::Device);

    // Tells the sound server the game's name in the player's language, its
    // icon and that it is a game. Call once, before any SdlSound makes a
    // sound and before other threads start: it sets environment variables.
    static void describeToSoundServer();
    ~SdlSound() override;
    SdlSound(const SdlSound &) = delete;
    SdlSound &operator=(const SdlSound &) = delete;

    bool openAndPlayMidi(const QString &path) override;
    void closeMidi() override;
    int midiPositionSixteenths() const override;
    bool playWave(const QString &path) override;
    bool hasOutput() override;
    void stopWave() override;
    QString lastError() const override { return m_lastError; }

    // Renders `frames` stereo frames into `out` exactly as the device would
    // (Offline output only).
    void renderOffline(float *out, int frames);

    // True while the output runs (for a device: open and playing).
    bool outputRunning() const { return m_running; }
    bool deviceOpen() const { return m_device != 0; }
    // True while a device let go of is still closing on its own thread.
    bool deviceClosing() const
    {
        return m_closing.valid() && m_closing.wait_for(std::chrono::seconds(0)) != std::future_status::ready;
    }
    // True once the open theme has played to its end and its last notes have
    // died away (or when none is open).
    bool themeFinished() const;
    // The theme's position in ticks as last published by the renderer.
    int themeTick() const { return m_tick.load(std::memory_order_relaxed); }

    // Starts loading the SoundFont on a thread of its own, so the first theme
    // starts without a pause; the first PlayMidi waits for it if need be.
    // When `theme` names a MIDI file, the instruments it uses are brought into
    // memory there too, so the audio thread never reads them from the disk.
    void preloadSynth(const QString &theme = {});
    // True once what preloadSynth() started is ready: PlayMidi then waits
    // for nothing.
    bool preloaded() const
    {
        return m_synthLoading.valid() && m_synthLoading.wait_for(std::chrono::seconds(0)) == std::future_status::ready;
    }

    // The longest the device's thread has spent in one callback since the
    // last reset, in nanoseconds (for the benchmarks).
    std::int64_t worstCallbackNanoseconds() const { return m_worstCallbackNs.load(); }
    void resetCallbackTimes() { m_worstCallbackNs.store(0); }

    // Stops the output, closing the device, once neither the theme nor a
    // wave sounds and what the device has taken has come out. A short timer
    // calls this while the output runs.
    void closeIfIdle();

    // Closes the device first (which waits for its thread), then frees the
    // player and the synthesiser the device was rendering. Safe to repeat.
    void shutdown();

private:
    // Keeps the device's thread out of the renderer's state while the game
    // thread changes it (SoundDevice.cpp).
    class DeviceLock {
    public:
        explicit DeviceLock(std::uint32_t device);
        ~DeviceLock();
        DeviceLock(const DeviceLock &) = delete;
        DeviceLock &operator=(const DeviceLock &) = delete;

    private:
        std::uint32_t m_device;
    };
    // A theme read and laid out, with what tells whether the file is still
    // the one it was read from. No score: the file is no MIDI file.
    struct ReadTheme {
        QString path;
        qint64 size = -1;
        QDateTime modified;
        std::optional<ThemeScore> score;
    };
    struct LoadedSynth {
        _fluid_hashtable_t *settings = nullptr;
        _fluid_synth_t *synth = nullptr;
        int fontId = -1;
        std::set<std::tuple<int, int, bool>> pinned;
        // The theme read on the loading thread, for the first PlayMidi.
        ReadTheme theme;
        QString error;
    };
    static LoadedSynth loadSynth(const QString &theme);
    static ReadTheme readTheme(const QString &found);
    static void pinPresets(LoadedSynth &loaded, const std::vector<ThemeScore::Preset> &presets);
    std::optional<ThemeScore> themeScore(const QString &found);
    static void audioCallback(void *self, std::uint8_t *stream, int bytes);

    // SoundFontLoading.cpp: frees the synthesiser, loaded or still loading.
    void releaseSynth();
    // SoundDevice.cpp: closes the device and stops SDL's audio.
    void stopAudio();

    void render(float *out, int frames);
    void renderTheme(float *out, int frames);
    void sendMessage(const ThemeScore::Message &message);
    bool ensureOutput(int frames);
    bool ensureSynth();
    void resumeOutput();
    void closeDevice();
    void finishClosing();
    // Neither the theme nor a wave sounds, and what the device has taken
    // has come out.
    bool quietNow();
    void replaceWave(std::vector<float> &samples);

    Output m_output;
    QString m_lastError;
    QTimer m_idleTimer;
    bool m_running = false;

    bool m_deviceTried = false;
    bool m_deviceOpened = false; // once, this run: a later open may work again
    std::future<void> m_closing; // the last device closed, until it is gone
    bool m_sdlAudioStarted = false;
    std::uint32_t m_device = 0;
    int m_deviceFrames = 0;
    // Frames rendered since the last one that was not silent, written by
    // the renderer under the device lock.
    std::int64_t m_quietFrames = 0;

    bool m_synthTried = false;
    std::future<LoadedSynth> m_synthLoading;
    LoadedSynth m_loaded;

    // The theme: set under the device lock, played by the renderer.
    bool m_themeOpen = false;
    ThemeScore m_score;
    std::size_t m_nextMessage = 0;
    std::int64_t m_themeFrame = 0;
    // Written by the renderer, read by the game.
    std::atomic<int> m_tick{0};
    std::atomic<bool> m_themeDone{true};
    std::atomic<std::int64_t> m_worstCallbackNs{0};

    // The wave voice: swapped in under the device lock, played by the renderer.
    std::vector<float> m_wave;
    std::size_t m_wavePos = 0;
};

} // namespace kotebu
