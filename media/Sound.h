#pragma once

#include <QLoggingCategory>
#include <QString>

#include <functional>
#include <memory>

namespace kotebu {

// Flags of a wave sound, as the logo uses them.
enum WaveFlags : int {
    WaveAsync = 1,      // return at once while the sound plays
    WaveNoDefault = 2,  // when the file cannot be played, play nothing at all
};

// The game's sound: one theme (MIDI) at a time and one wave sound at a time.
// Sound is decoration: every failure is silent.
class SoundSystem {
public:
    virtual ~SoundSystem() = default;
    // Closes any open theme, opens `path` and plays it once from the start.
    // Returns at once. False when the file could not be opened.
    virtual bool openAndPlayMidi(const QString &path) = 0;
    // Stops and releases the theme; harmless when nothing is open.
    virtual void closeMidi() = 0;
    // Playing position of the theme in sixteenth notes, following the audio
    // actually rendered; stays at the end once the theme has ended. -1 when no
    // theme is open.
    virtual int midiPositionSixteenths() const = 0;
    // Plays a wave file, replacing the one playing. Returns false when the
    // file could not be played.
    virtual bool playWave(const QString &path) = 0;
    // Stops the wave sound playing, if any.
    virtual void stopWave() = 0;
    // A short text saying why the last open or play failed, for the trace.
    virtual QString lastError() const { return {}; }
    // False when there is no audio output at all: every sound is then silent,
    // the desktop's default sound included.
    virtual bool hasOutput() { return true; }
};

// The sound system of the running program: silent until installSound() or a
// test installs one. nullptr brings the silent one back.
SoundSystem &sound();
void setSoundSystem(SoundSystem *system);

// Installs the real sound system, once, after the QApplication exists. The
// audio device opens with the first sound and the SoundFont loads on a thread
// of its own meanwhile; both are released, device first, when the
// QApplication goes away. With no device or no SoundFont the game is silent.
void installSound();

// What installSound() does on every system (each has a file of its own that
// says how its sound system is made): makes the program's sound system with
// `make` on the first call, installs it, and deletes it while the
// QApplication is destroyed, before anything Qt tears down.
void installProgramSound(const std::function<std::unique_ptr<SoundSystem>()> &make);

// The theme the selector sings, a file in the game folder.
QString themeFileName();

// The theme calls of the game. PlayMidi names a file in the working directory.
void PlayMidi(const QString &fileName);
void StopMidi();
// The reply to the selector's "Status Midi Position" query: the position as
// decimal digits, or an empty reply when no theme is open.
QString StatusMidiPosition();

// A wave sound, asynchronous; flags as in WaveFlags. Without WaveNoDefault a
// file that cannot be played gives the desktop's default sound (a beep),
// unless there is no sound output at all: then the game stays silent.
void sndPlaySound(const QString &fileName, int flags);

// What plays when a wave cannot be played and the flags allow a fallback:
// the desktop's beep unless a test installs its own. An empty function brings
// the beep back.
void setDefaultSound(std::function<void()> play);

// The diagnostic trace of the theme calls ("(OpenMidi)Error=..."), at debug
// level and off unless QT_LOGGING_RULES turns it on. Never shown to the player.
Q_DECLARE_LOGGING_CATEGORY(lcSound)

} // namespace kotebu
