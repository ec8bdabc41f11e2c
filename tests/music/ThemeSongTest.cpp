// The theme song as the selector uses it: its words appear when the playing
// position, in sixteenth notes, reaches 10 x step. These tests read the
// shipped "Megami.mid" and hold the music to the selector's own schedule, so
// neither can move without the other.
#include "Fakes.h"
#include "Lyrics.h"
#include "MidiFile.h"

#include <QFile>

#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <map>
#include <optional>

namespace kotebu::test {
namespace {

constexpr int MelodyChannel = 0;   // channel 1: the singing voice
constexpr int DrumChannel = 9;     // channel 10, as General MIDI has it

class ThemeSong : public ::testing::Test {
protected:
    // Read once for the suite. A missing file fails every test in SetUp
    // rather than here, where a failure would only mark the tests skipped.
    static void SetUpTestSuite()
    {
        QFile file(shippedGameFiles() + QStringLiteral("/Megami.mid"));
        if (file.open(QIODevice::ReadOnly))
            song = readMidi(file.readAll(), &error);
        else
            error = QStringLiteral("cannot open ") + file.fileName();
    }

    void SetUp() override { ASSERT_TRUE(song) << "Megami.mid does not parse: " << error.toStdString(); }

    double sixteenths(std::int64_t tick) const { return double(tick) * 4.0 / song->division; }
    std::int64_t ticks(double sixteenthNotes) const
    {
        return std::int64_t(sixteenthNotes * song->division / 4.0);
    }

    std::vector<MidiEvent> melodyNoteOns() const
    {
        std::vector<MidiEvent> out;
        for (const MidiEvent &e : song->events)
            if (e.isNoteOn() && e.channel() == MelodyChannel)
                out.push_back(e);
        return out;
    }

    // Ticks of the "line N" markers, in order, with their line numbers.
    std::vector<std::pair<std::int64_t, int>> lineMarkers() const
    {
        std::vector<std::pair<std::int64_t, int>> out;
        for (const MidiEvent &e : song->events) {
            const std::string text = e.text();
            if (e.isMeta(0x06) && text.rfind("line ", 0) == 0)
                out.emplace_back(e.tick, std::stoi(text.substr(5)));
        }
        return out;
    }

    // Whether some melody note sounds anywhere in [from, to).
    bool melodySounds(std::int64_t from, std::int64_t to) const
    {
        std::map<int, std::int64_t> held; // key -> tick of its note-on
        for (const MidiEvent &e : song->events) {
            if (e.channel() != MelodyChannel || e.status == 0xFF || e.tick >= to)
                continue;
            if (e.isNoteOn()) {
                held[e.data[0]] = e.tick;
            } else if (e.isNoteOff()) {
                auto it = held.find(e.data[0]);
                if (it != held.end() && e.tick > from)
                    return true; // a note that reached into the window
                if (it != held.end())
                    held.erase(it);
            }
        }
        return std::any_of(held.begin(), held.end(),
                           [&](const auto &note) { return note.second < to; });
    }

    static inline std::optional<MidiFile> song;
    static inline QString error;
};

TEST_F(ThemeSong, UsesTicksPerQuarterSoThePlayerCanCountSixteenths)
{
    // The player turns ticks into sixteenths with the header's division.
    EXPECT_TRUE(song->format == 0 || song->format == 1);
    EXPECT_EQ(song->division, 480);
    const auto metre = std::find_if(song->events.begin(), song->events.end(),
                                    [](const MidiEvent &e) { return e.isMeta(0x58); });
    ASSERT_NE(metre, song->events.end());
    EXPECT_EQ(metre->tick, 0);
    EXPECT_EQ(metre->data.at(0), 4) << "four beats to the bar";
    EXPECT_EQ(metre->data.at(1), 2) << "a quarter note takes the beat";
}

TEST_F(ThemeSong, LastsTwoAndAHalfToThreeAndAHalfMinutes)
{
    const double seconds = song->seconds(song->endTick);
    EXPECT_GE(seconds, 150.0);
    EXPECT_LE(seconds, 210.0);
}

TEST_F(ThemeSong, EndsSoonAfterTheEndBanner)
{
    // A song that ends before the end banner's step never shows it; one that
    // runs far past it (over ten and a half bars) leaves the player waiting.
    const auto banner = std::find_if(LyricSchedule.begin(), LyricSchedule.end(),
                                     [](const LyricCue &cue) { return cue.kind == LyricKind::End; });
    ASSERT_NE(banner, LyricSchedule.end());
    EXPECT_GE(sixteenths(song->endTick), 10.0 * banner->step);
    EXPECT_LE(sixteenths(song->endTick), 10.0 * banner->step + 170.0);
}

TEST_F(ThemeSong, EveryNoteIsReleasedBeforeTheEnd)
{
    std::map<std::pair<int, int>, int> held;
    for (const MidiEvent &e : song->events) {
        if (e.isNoteOn())
            ++held[{e.channel(), e.data[0]}];
        else if (e.isNoteOff())
            --held[{e.channel(), e.data[0]}];
    }
    for (const auto &[note, count] : held)
        EXPECT_EQ(count, 0) << "channel " << note.first + 1 << " key " << note.second;
}

TEST_F(ThemeSong, HasMelodyBassChordsAndDrums)
{
    std::map<int, int> notesPerChannel;
    for (const MidiEvent &e : song->events)
        if (e.isNoteOn())
            ++notesPerChannel[e.channel()];
    EXPECT_GT(notesPerChannel[MelodyChannel], 100) << "melody";
    EXPECT_GT(notesPerChannel[DrumChannel], 500) << "drums";
    EXPECT_GE(notesPerChannel.size(), 4u) << "melody, bass, chords and drums at least";
}

TEST_F(ThemeSong, EachSungLineBeginsOnItsStepOrJustAfter)
{
    const auto markers = lineMarkers();
    std::vector<LyricCue> sung;
    std::copy_if(LyricSchedule.begin(), LyricSchedule.end(), std::back_inserter(sung),
                 [](const LyricCue &cue) { return cue.kind == LyricKind::Line; });
    ASSERT_EQ(markers.size(), sung.size());
    for (std::size_t i = 0; i < markers.size(); ++i) {
        const auto [tick, line] = markers[i];
        const LyricCue &expected = sung[i];
        SCOPED_TRACE("step " + std::to_string(expected.step));
        EXPECT_EQ(line, expected.line);
        // The words are up when the voice comes in, never after it.
        EXPECT_GE(sixteenths(tick), 10.0 * expected.step);
        EXPECT_LE(sixteenths(tick), 10.0 * expected.step + 2.0);
    }
}

TEST_F(ThemeSong, TheVoiceEntersAtEachLineMarkerAfterARest)
{
    const auto notes = melodyNoteOns();
    for (const auto &[tick, line] : lineMarkers()) {
        SCOPED_TRACE("line " + std::to_string(line) + " at sixteenth "
                     + std::to_string(sixteenths(tick)));
        EXPECT_TRUE(std::any_of(notes.begin(), notes.end(),
                                [tick = tick](const MidiEvent &e) { return e.tick == tick; }))
            << "no melody note where the line begins";
        EXPECT_FALSE(melodySounds(tick - ticks(2), tick)) << "the previous phrase runs into it";
    }
}

TEST_F(ThemeSong, EveryMelodyPhraseIsAScheduledLine)
{
    // A phrase the voice starts after a rest of a beat or more must be one
    // the words follow; otherwise the karaoke line shows the wrong words.
    const auto markers = lineMarkers();
    std::int64_t lastRelease = -ticks(16);
    std::map<int, std::int64_t> held;
    for (const MidiEvent &e : song->events) {
        if (e.channel() != MelodyChannel || e.status == 0xFF)
            continue;
        if (e.isNoteOn()) {
            if (held.empty() && e.tick - lastRelease >= ticks(4)) {
                EXPECT_TRUE(std::any_of(markers.begin(), markers.end(),
                                        [&](const auto &m) { return m.first == e.tick; }))
                    << "unmarked phrase at sixteenth " << sixteenths(e.tick);
            }
            held[e.data[0]] = e.tick;
        } else if (e.isNoteOff() && held.erase(e.data[0]) && held.empty()) {
            lastRelease = e.tick;
        }
    }
}

TEST_F(ThemeSong, NothingIsSungUnderTheBanners)
{
    // From the start (the intro under the title banner), and from each cue
    // that takes the words away (the cleared line of the break, the credit and
    // rights banners of the bridge), up to the next sung line.
    const auto notes = melodyNoteOns();
    std::optional<int> unsungFrom = 0;
    for (const LyricCue &cue : LyricSchedule) {
        if (cue.kind != LyricKind::Line) {
            if (!unsungFrom && cue.kind != LyricKind::End)
                unsungFrom = cue.step;
            continue;
        }
        if (unsungFrom) {
            SCOPED_TRACE("steps " + std::to_string(*unsungFrom) + " to " + std::to_string(cue.step));
            const std::int64_t from = ticks(10.0 * *unsungFrom);
            const std::int64_t to = ticks(10.0 * cue.step);
            EXPECT_FALSE(std::any_of(notes.begin(), notes.end(), [&](const MidiEvent &e) {
                return e.tick >= from && e.tick < to;
            }));
        }
        unsungFrom.reset();
    }
}

// The reader itself, on small hand-made files: the song tests are only as
// good as it is.
QByteArray track(std::initializer_list<int> body)
{
    QByteArray out("MTrk");
    const int n = int(body.size());
    out.append(char(n >> 24)).append(char(n >> 16)).append(char(n >> 8)).append(char(n));
    for (int b : body)
        out.append(char(b));
    return out;
}

QByteArray header(int tracks, int division)
{
    QByteArray out("MThd");
    out.append(QByteArray::fromHex("00000006"));
    out.append(char(0)).append(char(tracks > 1 ? 1 : 0)).append(char(0)).append(char(tracks));
    out.append(char(division >> 8)).append(char(division & 0xFF));
    return out;
}

TEST(MidiReader, FollowsRunningStatusLongDeltasAndTempoChanges)
{
    const QByteArray bytes = header(1, 96) + track({
        0x00, 0xFF, 0x51, 0x03, 0x07, 0xA1, 0x20,  // 500000 us per quarter
        0x00, 0x90, 60, 100,
        0x60, 64, 100,                           // running status, one quarter later
        0x81, 0x40, 0xFF, 0x51, 0x03, 0x0F, 0x42, 0x40, // delta 192, 1 s per quarter
        0x00, 0x80, 60, 0,
        0x00, 0x90, 64, 0,                       // note-on with velocity 0 releases
        0x60, 0xFF, 0x2F, 0x00,
    });
    QString error;
    const auto file = readMidi(bytes, &error);
    ASSERT_TRUE(file) << error.toStdString();
    ASSERT_EQ(file->events.size(), 7u);
    EXPECT_TRUE(file->events[2].isNoteOn());
    EXPECT_EQ(file->events[2].tick, 96);
    EXPECT_EQ(file->events[2].data[0], 64);
    EXPECT_TRUE(file->events[5].isNoteOff());
    EXPECT_EQ(file->endTick, 96 + 192 + 96);
    EXPECT_DOUBLE_EQ(file->seconds(96 + 192), 1.5);
    EXPECT_DOUBLE_EQ(file->seconds(file->endTick), 2.5);
}

TEST(MidiReader, RefusesBrokenFilesAndPlaysWhatPlayersAllow)
{
    const QByteArray good = track({0x00, 0x90, 60, 100, 0x10, 0x80, 60, 0, 0x00, 0xFF, 0x2F, 0x00});
    QByteArray shortHeader = header(1, 480) + good;
    shortHeader[7] = 5;
    const std::vector<std::pair<const char *, QByteArray>> broken = {
        {"no header", good},
        {"header shorter than six bytes", shortHeader},
        {"no tracks", header(0, 480)},
        {"missing track", header(2, 480) + good},
        {"data byte first", header(1, 480) + track({0x00, 60, 100, 0x00, 0xFF, 0x2F, 0x00})},
        {"chunk longer than the file", header(1, 480) + good.left(good.size() - 3)},
        {"cut short in the header", header(1, 480).left(13)},
        {"a wave file", QByteArray("RIFF\0\0\0\0WAVEfmt ", 16)},
        {"empty", QByteArray()},
    };
    for (const auto &[name, bytes] : broken)
        EXPECT_FALSE(readMidi(bytes)) << name;
    EXPECT_TRUE(readMidi(header(1, 480) + good));

    // A track without its end marker ends with its last event.
    const auto unended = readMidi(header(1, 480) + track({0x00, 0x90, 60, 100, 0x60, 0x80, 60, 0}));
    ASSERT_TRUE(unended);
    EXPECT_EQ(unended->endTick, 0x60);
    // SMPTE timing (25 frames of 40 ticks) plays by the clock, with no
    // musical position to give.
    const auto smpte = readMidi(header(1, 0xE728) + good);
    ASSERT_TRUE(smpte);
    EXPECT_EQ(smpte->division, 0);
    EXPECT_DOUBLE_EQ(smpte->seconds(1000), 1.0);
}

} // namespace
} // namespace kotebu::test
