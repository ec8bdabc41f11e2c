// The MIDI reader and the score the audio thread plays, on any bytes: the
// events come in tick order; the score's messages never go back in time,
// never crowd one moment, and end within an hour; the position the selector
// reads never goes backwards and is never negative, and stays at the end once
// the song is over.
#include "Check.h"
#include "MidiFile.h"
#include "ThemeScore.h"

#include <cmath>
#include <cstdint>
#include <limits>

using namespace kotebu;

namespace {

constexpr int Rate = 44100;

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
    const std::optional<MidiFile> song = readMidi(bytes);
    if (!song)
        return 0;
    std::int64_t tick = 0;
    for (const MidiEvent &event : song->events) {
        KOTEBU_CHECK(event.tick >= tick && event.tick <= song->endTick);
        tick = event.tick;
    }
    const double seconds = song->seconds(song->endTick);
    KOTEBU_CHECK(std::isfinite(seconds) && seconds >= 0.0);

    const ThemeScore score(*song, Rate);
    KOTEBU_CHECK(score.endFrame() >= 0 && score.endFrame() <= std::int64_t(3600) * Rate);
    KOTEBU_CHECK(score.endTick() >= 0 && score.endTick() <= song->endTick
                 && score.endTick() <= std::numeric_limits<int>::max());
    const auto &messages = score.messages();
    for (std::size_t i = 0; i < messages.size(); ++i) {
        KOTEBU_CHECK(messages[i].frame >= (i ? messages[i - 1].frame : 0));
        // No more than 256 messages in any 1024 frames.
        KOTEBU_CHECK(i < 256 || messages[i].frame >= messages[i - 256].frame + 1024);
        if (messages[i].status == 0xF0)
            KOTEBU_CHECK(std::size_t(messages[i].sysexAt) + messages[i].sysexLength <= score.sysex().size());
    }

    std::int64_t lastTick = 0;
    int lastSixteenth = 0;
    for (int step = 0; step <= 64; ++step) {
        const std::int64_t frame = score.endFrame() / 64 * step;
        const std::int64_t now = score.tickAt(frame);
        const int sixteenth = ticksToSixteenths(now, score.division());
        KOTEBU_CHECK(now >= lastTick && now <= score.endTick());
        KOTEBU_CHECK(sixteenth >= lastSixteenth);
        lastTick = now;
        lastSixteenth = sixteenth;
    }
    KOTEBU_CHECK(score.tickAt(score.endFrame()) == score.endTick());
    KOTEBU_CHECK(score.tickAt(std::numeric_limits<std::int64_t>::max()) == score.endTick());
    return 0;
}
