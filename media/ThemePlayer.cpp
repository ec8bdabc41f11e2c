#include "ThemePlayer.h"

namespace kotebu {

namespace {

ThemePlayer::Clock::duration timeOfFrame(std::int64_t frame)
{
    return std::chrono::duration_cast<ThemePlayer::Clock::duration>(
        std::chrono::duration<double>(double(frame) / ThemePlayer::FramesPerSecond));
}

} // namespace

ThemePlayer::ThemePlayer(MidiOutput &output) : m_output(output)
{
}

ThemePlayer::~ThemePlayer()
{
    stop();
}

void ThemePlayer::play(ThemeScore score)
{
    stop();
    m_score = std::move(score);
    m_start = Clock::now();
    m_playing = true;
    {
        const std::lock_guard lock(m_mutex);
        m_stopping = false;
    }
    m_thread = std::thread([this] { run(); });
}

void ThemePlayer::stop()
{
    if (!m_playing)
        return;
    {
        const std::lock_guard lock(m_mutex);
        m_stopping = true;
    }
    m_wake.notify_all();
    m_thread.join();
    m_output.silence();
    m_playing = false;
    m_score = ThemeScore();
}

std::int64_t ThemePlayer::tick() const
{
    if (!m_playing)
        return 0;
    const auto elapsed = std::chrono::duration<double>(Clock::now() - m_start).count();
    return m_score.tickAt(std::int64_t(elapsed * FramesPerSecond));
}

void ThemePlayer::run()
{
    const auto &messages = m_score.messages();
    std::unique_lock lock(m_mutex);
    for (const ThemeScore::Message &message : messages) {
        // Asleep until the message is due, or until the theme is stopped.
        if (m_wake.wait_until(lock, m_start + timeOfFrame(message.frame), [this] { return m_stopping; }))
            return;
        lock.unlock();
        m_output.send(message, message.status == 0xF0 ? m_score.sysex().data() + message.sysexAt : nullptr);
        lock.lock();
    }
}

} // namespace kotebu
