#include "SdlSound.h"

#include "FileNames.h"
#include "MidiFile.h"

#include <QFile>
#include <QFileInfo>

#include <SDL.h>
#include <fluidsynth.h>

#include <algorithm>
#include <cstring>
#include <mutex>

namespace kotebu {

namespace {

// A theme is a few tens of kilobytes; a logo sound a few hundred. Anything
// far larger is not ours and is not read into memory.
constexpr qint64 MaxMidiBytes = 4 * 1024 * 1024;
constexpr qint64 MaxWaveBytes = 16 * 1024 * 1024;
constexpr std::size_t MaxConvertedWaveBytes = 256u * 1024 * 1024;

// The default gain of 0.2 is far too quiet next to a wave sound; at 0.7 the
// theme's loudest chords already touch full scale with the small GM font.
constexpr double SynthGain = 0.6;

// A SoundFont this large is loaded preset by preset as the theme asks for
// them, so a 145 MB font does not cost 145 MB of memory for a dozen
// instruments. Small fonts are loaded whole, so the audio thread never reads
// the disk.
constexpr qint64 LoadOnDemandBytes = 32 * 1024 * 1024;

// How often a running output checks whether it can pause.
constexpr int IdleCheckMs = 500;

void dropFluidLog(int, const char *, void *) {}

// FluidSynth writes errors to stderr by default, a missing SoundFont
// included; sound failures stay silent in this game.
void silenceFluidLog()
{
    static std::once_flag once;
    std::call_once(once, [] {
        for (int level = FLUID_PANIC; level < LAST_LOG_LEVEL; ++level)
            fluid_set_log_function(level, dropFluidLog, nullptr);
    });
}

} // namespace

SdlSound::LoadedSynth SdlSound::loadSynth()
{
    silenceFluidLog();
    LoadedSynth loaded;
    const QString font = findSoundFont();
    if (font.isEmpty()) {
        loaded.error = QStringLiteral("No SoundFont was found.");
        return loaded;
    }
    fluid_settings_t *settings = new_fluid_settings();
    if (!settings) {
        loaded.error = QStringLiteral("The synthesiser could not start.");
        return loaded;
    }
    fluid_settings_setnum(settings, "synth.sample-rate", SampleRate);
    fluid_settings_setnum(settings, "synth.gain", SynthGain);
    // The theme's ticks advance with the audio actually rendered, so the
    // words shown follow what is heard, not the wall clock.
    fluid_settings_setstr(settings, "player.timing-source", "sample");
    if (QFileInfo(font).size() > LoadOnDemandBytes)
        fluid_settings_setint(settings, "synth.dynamic-sample-loading", 1);

    fluid_synth_t *synth = new_fluid_synth(settings);
    if (!synth || fluid_synth_sfload(synth, QFile::encodeName(font).constData(), 1) == FLUID_FAILED) {
        if (synth)
            delete_fluid_synth(synth);
        delete_fluid_settings(settings);
        loaded.error = QStringLiteral("The SoundFont could not be loaded.");
        return loaded;
    }
    loaded.settings = settings;
    loaded.synth = synth;
    return loaded;
}

QStringList soundFontCandidates()
{
    return {
        QStringLiteral("/usr/share/sounds/sf2/FluidR3_GM.sf2"),
        QStringLiteral("/usr/share/sounds/sf2/default-GM.sf2"),
        QStringLiteral("/usr/share/sounds/sf2/TimGM6mb.sf2"),
        QStringLiteral("/usr/share/soundfonts/FluidR3_GM.sf2"),
        QStringLiteral("/usr/share/soundfonts/default.sf2"),
    };
}

QString findSoundFont(const QStringList &candidates)
{
    if (qEnvironmentVariableIsSet("KOTEBU_SOUNDFONT")) {
        const QString chosen = qEnvironmentVariable("KOTEBU_SOUNDFONT");
        return QFileInfo(chosen).isFile() ? chosen : QString();
    }
    for (const QString &candidate : candidates) {
        if (QFileInfo(candidate).isFile())
            return candidate;
    }
    return {};
}

bool loadWaveFile(const QString &path, std::vector<float> &samples)
{
    samples.clear();
    if (path.isEmpty())
        return false;
    // Read through Qt so that any file name the game can spell opens, then
    // let SDL parse the bytes.
    const QByteArray bytes = readSmallFile(path, MaxWaveBytes);
    if (bytes.isEmpty())
        return false;
    SDL_RWops *rw = SDL_RWFromConstMem(bytes.constData(), static_cast<int>(bytes.size()));
    if (!rw)
        return false;
    SDL_AudioSpec source;
    Uint8 *data = nullptr;
    Uint32 length = 0;
    if (!SDL_LoadWAV_RW(rw, 1, &source, &data, &length))
        return false;

    SDL_AudioCVT cvt;
    if (SDL_BuildAudioCVT(&cvt, source.format, source.channels, source.freq, AUDIO_F32SYS,
                          SdlSound::Channels, SdlSound::SampleRate) < 0) {
        SDL_FreeWAV(data);
        return false;
    }
    const std::size_t workBytes = std::size_t(length) * std::size_t(std::max(cvt.len_mult, 1));
    if (workBytes > MaxConvertedWaveBytes) {
        SDL_FreeWAV(data);
        return false;
    }
    std::vector<Uint8> work(workBytes);
    std::memcpy(work.data(), data, length);
    SDL_FreeWAV(data);

    std::size_t converted = length;
    if (cvt.needed) {
        cvt.buf = work.data();
        cvt.len = static_cast<int>(length);
        if (SDL_ConvertAudio(&cvt) != 0)
            return false;
        converted = std::size_t(cvt.len_cvt);
    }
    // Whole frames only, so the mix never reads half a frame.
    const std::size_t frameBytes = sizeof(float) * SdlSound::Channels;
    samples.resize(converted / frameBytes * SdlSound::Channels);
    std::memcpy(samples.data(), work.data(), samples.size() * sizeof(float));
    return true;
}

// Keeps the device's thread out of the renderer's state while the game
// thread changes it. Offline output has no other thread.
class SdlSound::DeviceLock {
public:
    explicit DeviceLock(SDL_AudioDeviceID device) : m_device(device)
    {
        if (m_device)
            SDL_LockAudioDevice(m_device);
    }
    ~DeviceLock()
    {
        if (m_device)
            SDL_UnlockAudioDevice(m_device);
    }
    DeviceLock(const DeviceLock &) = delete;
    DeviceLock &operator=(const DeviceLock &) = delete;

private:
    SDL_AudioDeviceID m_device;
};

SdlSound::SdlSound(Output output) : m_output(output)
{
    m_idleTimer.setInterval(IdleCheckMs);
    QObject::connect(&m_idleTimer, &QTimer::timeout, [this] { pauseIfIdle(); });
}

SdlSound::~SdlSound()
{
    shutdown();
}

void SdlSound::shutdown()
{
    m_idleTimer.stop();
    m_running = false;
    // The device's thread renders from the player and the synthesiser: it
    // must be gone before they are.
    if (m_device) {
        SDL_CloseAudioDevice(m_device);
        m_device = 0;
    }
    if (m_sdlAudioStarted) {
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        m_sdlAudioStarted = false;
    }
    if (m_player) {
        fluid_player_stop(m_player);
        delete_fluid_player(m_player);
        m_player = nullptr;
    }
    if (m_synthLoading.valid()) {
        const LoadedSynth unused = m_synthLoading.get();
        if (unused.synth)
            delete_fluid_synth(unused.synth);
        if (unused.settings)
            delete_fluid_settings(unused.settings);
    }
    if (m_synth) {
        delete_fluid_synth(m_synth);
        m_synth = nullptr;
    }
    if (m_settings) {
        delete_fluid_settings(m_settings);
        m_settings = nullptr;
    }
    m_wave.clear();
    m_wavePos = 0;
}

bool SdlSound::ensureOutput()
{
    if (m_output == Output::Offline)
        return true;
    if (m_device)
        return true;
    // One try per run: without a sound card every open probes the drivers
    // again, and the answer does not change.
    if (m_deviceTried)
        return false;
    m_deviceTried = true;

    // Otherwise SDL takes SIGINT and SIGTERM, and the game ignores Ctrl+C.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
        m_lastError = QStringLiteral("No audio output: ") + QString::fromUtf8(SDL_GetError());
        return false;
    }
    m_sdlAudioStarted = true;

    SDL_AudioSpec want;
    SDL_zero(want);
    want.freq = SampleRate;
    want.format = AUDIO_F32SYS;
    want.channels = Channels;
    want.samples = DeviceFrames;
    want.callback = &SdlSound::audioCallback;
    want.userdata = this;
    // No changes allowed: SDL converts to whatever the hardware takes, so the
    // renderer always sees this one format.
    m_device = SDL_OpenAudioDevice(nullptr, 0, &want, nullptr, 0);
    if (!m_device) {
        m_lastError = QStringLiteral("No audio device: ") + QString::fromUtf8(SDL_GetError());
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        m_sdlAudioStarted = false;
        return false;
    }
    // A new device starts paused and stays so until something plays.
    return true;
}

void SdlSound::preloadSynth()
{
    if (m_synth || m_synthTried || m_synthLoading.valid())
        return;
    m_synthLoading = std::async(std::launch::async, &loadSynth);
}

bool SdlSound::ensureSynth()
{
    if (m_synth)
        return true;
    if (m_synthTried)
        return false;
    m_synthTried = true;

    LoadedSynth loaded = m_synthLoading.valid() ? m_synthLoading.get() : loadSynth();
    if (!loaded.synth) {
        m_lastError = loaded.error;
        return false;
    }
    DeviceLock lock(m_device);
    m_settings = loaded.settings;
    m_synth = loaded.synth;
    return true;
}

void SdlSound::resumeOutput()
{
    if (m_running)
        return;
    if (m_device)
        SDL_PauseAudioDevice(m_device, 0);
    m_running = true;
    if (m_output == Output::Device)
        m_idleTimer.start();
}

void SdlSound::pauseIfIdle()
{
    if (!m_running)
        return;
    bool sounding = !themeFinished();
    {
        DeviceLock lock(m_device);
        sounding = sounding || m_wavePos < m_wave.size();
    }
    if (sounding)
        return;
    if (m_device)
        SDL_PauseAudioDevice(m_device, 1);
    m_running = false;
    m_idleTimer.stop();
}

bool SdlSound::themeFinished() const
{
    // fluid_player_get_status reads an atomic; the player object itself only
    // changes on this thread.
    return !m_player || fluid_player_get_status(m_player) != FLUID_PLAYER_PLAYING;
}

bool SdlSound::openAndPlayMidi(const QString &path)
{
    closeMidi();
    m_lastError.clear();

    const QString found = findFileNoCase(path);
    if (found.isEmpty()) {
        m_lastError = QStringLiteral("The theme file was not found.");
        return false;
    }
    // Read here rather than by the player, which would read the disk on the
    // audio thread; the header also gives the division for the position.
    const QByteArray bytes = readSmallFile(found, MaxMidiBytes);
    const MidiHeader header = readMidiHeader(bytes);
    if (!header.valid) {
        m_lastError = QStringLiteral("The theme file is not a MIDI file.");
        return false;
    }
    if (!ensureOutput() || !ensureSynth())
        return false;

    {
        DeviceLock lock(m_device);
        m_player = new_fluid_player(m_synth);
        if (m_player) {
            fluid_player_set_tick_callback(m_player, &SdlSound::tickCallback, this);
            if (fluid_player_add_mem(m_player, bytes.constData(), std::size_t(bytes.size())) != FLUID_OK
                || fluid_player_play(m_player) != FLUID_OK) {
                delete_fluid_player(m_player);
                m_player = nullptr;
            }
        }
        m_division = header.division;
        m_tick.store(0, std::memory_order_relaxed);
        m_totalTicks = 0;
    }
    if (!m_player) {
        m_lastError = QStringLiteral("The player could not start.");
        return false;
    }
    resumeOutput();
    return true;
}

void SdlSound::closeMidi()
{
    if (!m_player)
        return;
    {
        DeviceLock lock(m_device);
        fluid_player_stop(m_player);
        delete_fluid_player(m_player);
        m_player = nullptr;
        // Stopping the player leaves notes ringing; the theme ends now.
        fluid_synth_all_sounds_off(m_synth, -1);
        m_division = 0;
        m_tick.store(0, std::memory_order_relaxed);
    }
    pauseIfIdle();
}

int SdlSound::midiPositionSixteenths() const
{
    if (!m_player)
        return -1;
    return ticksToSixteenths(m_tick.load(std::memory_order_relaxed), m_division);
}

void SdlSound::replaceWave(std::vector<float> &samples)
{
    {
        DeviceLock lock(m_device);
        m_wave.swap(samples);
        m_wavePos = 0;
    }
    // The old sound is freed here, outside the lock.
    samples.clear();
}

bool SdlSound::playWave(const QString &path)
{
    std::vector<float> samples;
    bool playable = loadWaveFile(findFileNoCase(path), samples);
    if (!playable) {
        m_lastError = QStringLiteral("The wave file could not be played.");
    } else if (!ensureOutput()) {
        playable = false;
    }
    // A new sound stops the one playing, even when the new one fails.
    if (!playable)
        samples.clear();
    replaceWave(samples);
    if (playable)
        resumeOutput();
    else
        pauseIfIdle();
    return playable;
}

void SdlSound::stopWave()
{
    std::vector<float> none;
    replaceWave(none);
    pauseIfIdle();
}

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
    static_cast<SdlSound *>(self)->render(reinterpret_cast<float *>(stream),
                                          bytes / int(sizeof(float) * Channels));
}

int SdlSound::tickCallback(void *self, int tick)
{
    auto *sound = static_cast<SdlSound *>(self);
    // The total is a walk over every event: take it once, after the player
    // has loaded the file (which happens on its first callback).
    if (sound->m_totalTicks <= 0 && sound->m_player)
        sound->m_totalTicks = fluid_player_get_total_ticks(sound->m_player);
    // Past the last event the player keeps counting while the notes decay;
    // the song's position stays at its end.
    if (sound->m_totalTicks > 0)
        tick = std::min(tick, sound->m_totalTicks);
    sound->m_tick.store(tick, std::memory_order_relaxed);
    return FLUID_OK;
}

void SdlSound::render(float *out, int frames)
{
    const std::size_t count = std::size_t(frames) * Channels;
    if (m_synth)
        fluid_synth_write_float(m_synth, frames, out, 0, Channels, out, 1, Channels);
    else
        std::fill(out, out + count, 0.0f);

    const std::size_t left = m_wave.size() - std::min(m_wavePos, m_wave.size());
    const std::size_t mixed = std::min(count, left);
    const float *wave = m_wave.data() + m_wavePos;
    for (std::size_t i = 0; i < mixed; ++i)
        out[i] += wave[i];
    m_wavePos += mixed;

    for (std::size_t i = 0; i < count; ++i)
        out[i] = std::clamp(out[i], -1.0f, 1.0f);
}

} // namespace kotebu
