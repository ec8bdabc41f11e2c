// The audio device's life: opened for the first sound with the buffer that
// sound wants, paused and resumed, and closed, on a thread of its own,
// whenever nothing sounds, so a quiet game costs the desktop nothing.
#include "SdlSound.h"

#include "Platform.h"

#include <QCoreApplication>
#include <QGuiApplication>

#include <SDL.h>

namespace kotebu {

namespace {

// How often a running output checks whether it can close.
constexpr int IdleCheckMs = 500;

// How long the output must have been quiet before the device closes: the
// buffer the device holds and the one the sound server holds must have
// played out, or closing would cut the end of the sound.
constexpr std::int64_t DrainFrames = SdlSound::SampleRate / 4;

} // namespace

// The device's thread stays out of the renderer's state while the game
// thread changes it. Offline output has no device and no other thread.
SdlSound::DeviceLock::DeviceLock(std::uint32_t device) : m_device(device)
{
    if (m_device)
        SDL_LockAudioDevice(m_device);
}

SdlSound::DeviceLock::~DeviceLock()
{
    if (m_device)
        SDL_UnlockAudioDevice(m_device);
}

void SdlSound::describeToSoundServer()
{
    // Read by SDL as it opens the audio: the desktop's sound settings list
    // the game by its name in the player's language, as a game.
    SDL_SetHint(SDL_HINT_AUDIO_DEVICE_APP_NAME, applicationTitle().toUtf8().constData());
    SDL_SetHint(SDL_HINT_AUDIO_DEVICE_STREAM_NAME,
                QCoreApplication::translate("Sound", "音楽と効果音").toUtf8().constData());
    SDL_SetHint(SDL_HINT_AUDIO_DEVICE_STREAM_ROLE, "game");
    // SDL has no word for the icon. PulseAudio's client library (PipeWire's
    // stands in for it on newer desktops) adds the properties the
    // environment names to every stream; the icon is the desktop entry's.
    const QByteArray icon = QGuiApplication::desktopFileName().toUtf8();
    if (!icon.isEmpty())
        qputenv("PULSE_PROP_OVERRIDE_application.icon_name", icon);
    qputenv("PULSE_PROP_OVERRIDE_media.role", "game");
}

SdlSound::SdlSound(Output output) : m_output(output)
{
    m_idleTimer.setInterval(IdleCheckMs);
    QObject::connect(&m_idleTimer, &QTimer::timeout, [this] { closeIfIdle(); });
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

void SdlSound::stopAudio()
{
    // Every device closed, and its closing finished, before SDL's audio stops.
    closeDevice();
    finishClosing();
    if (m_sdlAudioStarted) {
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        m_sdlAudioStarted = false;
    }
}

} // namespace kotebu
