// The game's calls on the sound: the theme opened and closed, a wave played
// and stopped, everything let go at the end. The parts they use live beside
// this file: SoundFontLoading.cpp, WaveFile.cpp, SoundDevice.cpp and
// SoundMix.cpp.
#include "SdlSound.h"

#include "FileNames.h"
#include "MidiFile.h"

#include <QDir>

#include <fluidsynth.h>

#include <utility>

namespace kotebu {

void installSound()
{
    installProgramSound([] {
        SdlSound::describeToSoundServer();
        // Cheap: the device opens with the first sound, and the SoundFont
        // loads on a thread of its own while the logo plays, ready for the
        // theme.
        auto sound = std::make_unique<SdlSound>(SdlSound::Output::Device);
        sound->preloadSynth(QDir::currentPath() + folderSeparator() + themeFileName());
        return sound;
    });
}

SdlSound::~SdlSound()
{
    shutdown();
}

void SdlSound::shutdown()
{
    // The device's thread renders from the player and the synthesiser: it
    // must be gone before they are.
    stopAudio();
    m_themeOpen = false;
    m_score = ThemeScore();
    m_themeDone = true;
    releaseSynth();
    m_wave.clear();
    m_wavePos = 0;
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

} // namespace kotebu
