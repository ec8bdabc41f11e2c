#include "DeviceSound.h"

#include "FileNames.h"
#include "MidiFile.h"

namespace kotebu {

DeviceSound::DeviceSound(std::unique_ptr<SoundDevices> devices) : m_devices(std::move(devices))
{
}

DeviceSound::~DeviceSound()
{
    closeMidi();
    m_devices->stopWave();
}

bool DeviceSound::openAndPlayMidi(const QString &path)
{
    closeMidi();
    m_lastError.clear();
    const QString found = findFileNoCase(path);
    if (found.isEmpty()) {
        m_lastError = QStringLiteral("The theme file was not found.");
        return false;
    }
    const std::optional<MidiFile> song = readMidi(readSmallFile(found, LargestThemeBytes));
    if (!song) {
        m_lastError = QStringLiteral("The theme file is not a MIDI file.");
        return false;
    }
    m_midi = m_devices->openMidi();
    if (!m_midi) {
        m_lastError = QStringLiteral("There is no MIDI output.");
        return false;
    }
    m_division = song->division;
    m_player = std::make_unique<ThemePlayer>(*m_midi);
    m_player->play(ThemeScore(*song, ThemePlayer::FramesPerSecond));
    return true;
}

void DeviceSound::closeMidi()
{
    // The player goes first: its thread sends to the output.
    m_player.reset();
    m_midi.reset();
}

int DeviceSound::midiPositionSixteenths() const
{
    if (!m_player)
        return -1;
    return ticksToSixteenths(m_player->tick(), m_division);
}

bool DeviceSound::playWave(const QString &path)
{
    const QString found = findFileNoCase(path);
    if (found.isEmpty() || !m_devices->playWave(found)) {
        // A new sound stops the one playing, even when the new one fails.
        m_devices->stopWave();
        m_lastError = QStringLiteral("The wave file could not be played.");
        return false;
    }
    return true;
}

void DeviceSound::stopWave()
{
    m_devices->stopWave();
}

bool DeviceSound::hasOutput()
{
    return m_devices->hasOutput();
}

} // namespace kotebu
