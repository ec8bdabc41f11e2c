#pragma once

#include "Sound.h"
#include "ThemePlayer.h"

#include <memory>

namespace kotebu {

// What a system offers to play on: a MIDI synthesiser for the theme and a
// player of wave files. Windows' multimedia library on Windows
// (WinmmSound.cpp); fakes in the tests.
class SoundDevices {
public:
    virtual ~SoundDevices() = default;
    // The MIDI output opened for a theme, closed as it goes; nullptr when the
    // system has none.
    virtual std::unique_ptr<MidiOutput> openMidi() = 0;
    // Starts playing the wave file at `path` and returns at once, cutting the
    // one playing. False when it cannot be played.
    virtual bool playWave(const QString &path) = 0;
    virtual void stopWave() = 0;
    // False when the system has no audio output at all.
    virtual bool hasOutput() = 0;
};

// The game's sound on a system's own devices: the theme read by the game's
// MIDI reader and laid out by its score, as on Linux, and played by a
// ThemePlayer into the system's MIDI output; the waves played by the system.
// Without a device it is silent, and says why in lastError().
class DeviceSound final : public SoundSystem {
public:
    explicit DeviceSound(std::unique_ptr<SoundDevices> devices);
    ~DeviceSound() override;

    bool openAndPlayMidi(const QString &path) override;
    void closeMidi() override;
    int midiPositionSixteenths() const override;
    bool playWave(const QString &path) override;
    void stopWave() override;
    QString lastError() const override { return m_lastError; }
    bool hasOutput() override;

private:
    std::unique_ptr<SoundDevices> m_devices;
    std::unique_ptr<MidiOutput> m_midi;
    std::unique_ptr<ThemePlayer> m_player;
    int m_division = 0;
    QString m_lastError;
};

} // namespace kotebu
