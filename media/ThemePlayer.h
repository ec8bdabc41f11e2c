#pragma once

#include "ThemeScore.h"

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <thread>

namespace kotebu {

// A MIDI output device: Windows' own synthesiser on Windows, a recording in
// the tests. Called from one thread at a time: the player's while a theme
// plays, the game's once it has stopped.
class MidiOutput {
public:
    virtual ~MidiOutput() = default;
    // A channel message of the score, or a sysex (status 0xF0) whose bytes,
    // without their framing, are `sysex`.
    virtual void send(const ThemeScore::Message &message, const char *sysex) = 0;
    // Every sounding note ends at once, its echo included.
    virtual void silence() = 0;
};

// Plays a theme's score into a MIDI output on a thread of its own, each
// message at its time on the steady clock from the start, the way the audio
// thread plays it into FluidSynth on Linux: the score, its cut at an hour and
// its spreading of crowded messages are the same. Between two messages the
// thread sleeps. The position is read from the same clock, so the selector's
// words follow what the device was sent.
class ThemePlayer {
public:
    using Clock = std::chrono::steady_clock;
    // The rate the score is laid out at (ThemeScore(file, FramesPerSecond)):
    // the audio device's on Linux, so a crowd of messages is spread the same.
    static constexpr int FramesPerSecond = 44100;

    explicit ThemePlayer(MidiOutput &output);
    ~ThemePlayer();
    ThemePlayer(const ThemePlayer &) = delete;
    ThemePlayer &operator=(const ThemePlayer &) = delete;

    // Plays `score` from its start, stopping the one before.
    void play(ThemeScore score);
    // Ends the theme at once and silences the output. Harmless when nothing
    // plays.
    void stop();

    // The tick sounding now, held at the end once the song is over; 0 when
    // nothing plays.
    std::int64_t tick() const;

private:
    void run();

    MidiOutput &m_output;
    ThemeScore m_score;
    Clock::time_point m_start;
    bool m_playing = false;

    std::thread m_thread;
    mutable std::mutex m_mutex;
    std::condition_variable m_wake;
    bool m_stopping = false;
};

} // namespace kotebu
