#include "SdlSound.h"

#include "FileNames.h"
#include "MidiFile.h"
#include "ThemeScore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <SDL.h>
#include <fluidsynth.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstring>
#include <mutex>
#include <utility>

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

// A SoundFont this large is loaded preset by preset, so a 148 MB font does
// not cost 148 MB of memory for the theme's seven instruments. The presets a
// theme uses are loaded and pinned before it plays (see pinPresets), so the
// audio thread never reads them from the disk. Small fonts are loaded whole.
constexpr qint64 LoadOnDemandBytes = 32 * 1024 * 1024;

// How long the theme's last notes may ring after its end before the output
// counts it as over (and may close, which would cut them).
constexpr double ThemeTailSeconds = 2.0;

// How often a running output checks whether it can close.
constexpr int IdleCheckMs = 500;

// Below this a sample is silence (-80 dBFS): the device may close on it
// without a click.
constexpr float QuietLevel = 1e-4f;

// How long the output must have been quiet before the device closes: the
// buffer the device holds and the one the sound server holds must have
// played out, or closing would cut the end of the sound.
constexpr std::int64_t DrainFrames = SdlSound::SampleRate / 4;

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

SdlSound::LoadedSynth SdlSound::loadSynth(const QString &theme)
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
    if (QFileInfo(font).size() > LoadOnDemandBytes)
        fluid_settings_setint(settings, "synth.dynamic-sample-loading", 1);

    fluid_synth_t *synth = new_fluid_synth(settings);
    const int fontId = synth ? fluid_synth_sfload(synth, QFile::encodeName(font).constData(), 1) : FLUID_FAILED;
    if (fontId == FLUID_FAILED) {
        if (synth)
            delete_fluid_synth(synth);
        delete_fluid_settings(settings);
        loaded.error = QStringLiteral("The SoundFont could not be loaded.");
        return loaded;
    }
    loaded.settings = settings;
    loaded.synth = synth;
    loaded.fontId = fontId;
    // The theme the game will sing is read and laid out now, on this thread,
    // and its instruments loaded, rather than when the selector opens or its
    // first notes are due.
    if (!theme.isEmpty())
        loaded.theme = readTheme(findFileNoCase(theme));
    pinPresets(loaded, loaded.theme.score ? loaded.theme.score->presets() : ThemeScore().presets());
    return loaded;
}

SdlSound::ReadTheme SdlSound::readTheme(const QString &found)
{
    ReadTheme theme;
    if (found.isEmpty())
        return theme;
    const QFileInfo file(found);
    theme.path = found;
    theme.size = file.size();
    theme.modified = file.lastModified();
    if (const std::optional<MidiFile> song = readMidi(readSmallFile(found, MaxMidiBytes)))
        theme.score.emplace(*song, SampleRate);
    return theme;
}

// The score of the theme in `found`: the one the loading thread laid out
// while the logo played when it read this very file, unchanged since, so the
// selector never waits for a large file; otherwise read here.
std::optional<ThemeScore> SdlSound::themeScore(const QString &found)
{
    ReadTheme early = std::exchange(m_loaded.theme, ReadTheme());
    const QFileInfo file(found);
    if (!early.path.isEmpty() && early.path == found && early.size == file.size()
        && early.modified == file.lastModified())
        return std::move(early.score);
    return readTheme(found).score;
}

void SdlSound::pinPresets(LoadedSynth &loaded, const std::vector<ThemeScore::Preset> &presets)
{
    for (const ThemeScore::Preset &preset : presets) {
        if (!loaded.pinned.emplace(preset.bank, preset.program, preset.drums).second)
            continue;
        // The same fallbacks the synthesiser takes when a font lacks the
        // preset asked for: another kit, or the program in bank 0, or piano.
        std::vector<std::pair<int, int>> tries{{preset.bank, preset.program}};
        if (preset.drums)
            tries.push_back({preset.bank, 0});
        else
            tries.insert(tries.end(), {{0, preset.program}, {0, 0}});
        for (const auto &[bank, program] : tries) {
            if (fluid_synth_pin_preset(loaded.synth, loaded.fontId, bank, program) == FLUID_OK)
                break;
        }
    }
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
    QObject::connect(&m_idleTimer, &QTimer::timeout, [this] { closeIfIdle(); });
}

SdlSound::~SdlSound()
{
    shutdown();
}

void SdlSound::shutdown()
{
    // The device's thread renders from the player and the synthesiser: it
    // must be gone before they are, and every device closed before SDL's
    // audio stops.
    closeDevice();
    finishClosing();
    if (m_sdlAudioStarted) {
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        m_sdlAudioStarted = false;
    }
    m_themeOpen = false;
    m_score = ThemeScore();
    m_themeDone = true;
    auto release = [](LoadedSynth &loaded) {
        if (loaded.synth)
            delete_fluid_synth(loaded.synth);
        if (loaded.settings)
            delete_fluid_settings(loaded.settings);
        loaded = LoadedSynth();
    };
    if (m_synthLoading.valid()) {
        LoadedSynth unused = m_synthLoading.get();
        release(unused);
    }
    release(m_loaded);
    m_wave.clear();
    m_wavePos = 0;
}

bool SdlSound::ensureOutput(int frames)
{
    if (m_output == Output::Offline)
        return true;
    // Opened for a wave and wanted for the theme, or the other way: opened
    // again with the buffer it wants, unless something still sounds on it.
    if (m_device && m_deviceFrames != frames && (!m_running || quietNow()))
        closeDevice();
    if (m_device)
        return true;
    // One try per run when the first fails: without a sound card every open
    // probes the drivers again, and the answer does not change. A device
    // that opened once is opened again for every sound after a quiet time.
    if (m_deviceTried && !m_deviceOpened)
        return false;
    m_deviceTried = true;

    if (!m_sdlAudioStarted) {
        // Otherwise SDL takes SIGINT and SIGTERM, and the game ignores Ctrl+C.
        SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
        if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
            m_lastError = QStringLiteral("No audio output: ") + QString::fromUtf8(SDL_GetError());
            return false;
        }
        m_sdlAudioStarted = true;
    }

    SDL_AudioSpec want;
    SDL_zero(want);
    want.freq = SampleRate;
    want.format = AUDIO_F32SYS;
    want.channels = Channels;
    want.samples = static_cast<Uint16>(frames);
    want.callback = &SdlSound::audioCallback;
    want.userdata = this;
    // No changes allowed: SDL converts to whatever the hardware takes, so the
    // renderer always sees this one format.
    finishClosing();
    m_device = SDL_OpenAudioDevice(nullptr, 0, &want, nullptr, 0);
    if (!m_device) {
        m_lastError = QStringLiteral("No audio device: ") + QString::fromUtf8(SDL_GetError());
        if (!m_deviceOpened) {
            SDL_QuitSubSystem(SDL_INIT_AUDIO);
            m_sdlAudioStarted = false;
        }
        return false;
    }
    m_deviceOpened = true;
    m_deviceFrames = frames;
    m_quietFrames = 0;
    // A new device starts paused and stays so until something plays.
    return true;
}

bool SdlSound::hasOutput()
{
    if (m_output == Output::Offline || m_device || m_deviceOpened)
        return true;
    // Asked before any sound played: open to find out, and close again if
    // nothing is to play.
    const bool opened = ensureOutput(WaveDeviceFrames);
    if (opened && !m_running)
        closeDevice();
    return opened;
}

void SdlSound::preloadSynth(const QString &theme)
{
    if (m_loaded.synth || m_synthTried || m_synthLoading.valid())
        return;
    m_synthLoading = std::async(std::launch::async, &loadSynth, theme);
}

bool SdlSound::ensureSynth()
{
    if (m_loaded.synth)
        return true;
    if (m_synthTried)
        return false;
    m_synthTried = true;

    LoadedSynth loaded = m_synthLoading.valid() ? m_synthLoading.get() : loadSynth({});
    if (!loaded.synth) {
        m_lastError = loaded.error;
        return false;
    }
    DeviceLock lock(m_device);
    m_loaded = std::move(loaded);
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

void SdlSound::closeIfIdle()
{
    if (!m_running) {
        // Opened, but nothing was ever started on it.
        closeDevice();
        return;
    }
    if (quietNow())
        closeDevice();
    // otherwise the timer looks again
}

bool SdlSound::quietNow()
{
    bool sounding = !themeFinished();
    std::int64_t quiet = 0;
    {
        DeviceLock lock(m_device);
        sounding = sounding || m_wavePos < m_wave.size();
        quiet = m_quietFrames;
    }
    return !sounding && (!m_device || quiet >= DrainFrames);
}

void SdlSound::closeDevice()
{
    m_idleTimer.stop();
    m_running = false;
    if (!m_device)
        return;
    // Once paused the device runs none of our code again, so the renderer's
    // state is the game's at once. Closing waits for SDL's thread and, through
    // a sound server, for the stream to wind down: over a second at times
    // (PulseAudio here), long enough to stop the logo or a phase in its
    // tracks, so it is done on a thread of its own.
    SDL_PauseAudioDevice(m_device, 1);
    finishClosing();
    m_closing = std::async(std::launch::async, [device = m_device] { SDL_CloseAudioDevice(device); });
    m_device = 0;
}

void SdlSound::finishClosing()
{
    // Some drivers (the dummy one among them) open no second device while
    // one is still there, and SDL's list of devices is no place for two
    // threads at once: a new device waits for the old one to be gone. The
    // game's next sound comes seconds after a close, so this rarely waits.
    if (m_closing.valid())
        m_closing.get();
}

bool SdlSound::themeFinished() const
{
    return !m_themeOpen || m_themeDone.load();
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
    if (!ensureSynth())
        return false;
    // Laid out before it plays, so the audio thread only walks the result.
    std::optional<ThemeScore> score = themeScore(found);
    if (!score) {
        m_lastError = QStringLiteral("The theme file is not a MIDI file.");
        return false;
    }
    if (!ensureOutput(DeviceFrames)) {
        closeIfIdle();
        return false;
    }
    // Instruments the preloaded theme did not use (another theme file, say)
    // are read now, before the first note needs them.
    pinPresets(m_loaded, score->presets());

    {
        DeviceLock lock(m_device);
        std::swap(m_score, *score);
        m_nextMessage = 0;
        m_themeFrame = 0;
        m_tick.store(0, std::memory_order_relaxed);
        m_themeDone.store(false);
        m_themeOpen = true;
    }
    resumeOutput();
    return true;
}

void SdlSound::closeMidi()
{
    if (!m_themeOpen)
        return;
    ThemeScore old;
    {
        DeviceLock lock(m_device);
        std::swap(m_score, old);
        m_themeOpen = false;
        m_themeDone.store(true);
        // The theme ends now, ringing notes and their echo included: nothing
        // of it is rendered any more, and the synthesiser forgets it, so the
        // next theme does not start with this one's echo.
        fluid_synth_system_reset(m_loaded.synth);
        m_tick.store(0, std::memory_order_relaxed);
    }
    closeIfIdle();
}

int SdlSound::midiPositionSixteenths() const
{
    if (!m_themeOpen)
        return -1;
    return ticksToSixteenths(m_tick.load(std::memory_order_relaxed), m_score.division());
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
    } else if (!ensureOutput(WaveDeviceFrames)) {
        playable = false;
    }
    // A new sound stops the one playing, even when the new one fails.
    if (!playable)
        samples.clear();
    replaceWave(samples);
    if (playable)
        resumeOutput();
    else
        closeIfIdle();
    return playable;
}

void SdlSound::stopWave()
{
    std::vector<float> none;
    replaceWave(none);
    closeIfIdle();
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
