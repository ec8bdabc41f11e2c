#include "MidiFile.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <functional>
#include <limits>
#include <queue>
#include <utility>

namespace kotebu {

namespace {

class Bytes {
public:
    Bytes(const QByteArray &bytes, std::size_t begin, std::size_t end)
        : m_bytes(bytes), m_at(begin), m_end(end) {}

    bool atEnd() const { return m_at >= m_end; }
    std::size_t left() const { return m_end - m_at; }
    std::size_t position() const { return m_at; }

    bool byte(std::uint8_t &out)
    {
        if (atEnd())
            return false;
        out = static_cast<std::uint8_t>(m_bytes[static_cast<qsizetype>(m_at++)]);
        return true;
    }
    bool peek(std::uint8_t &out) const
    {
        if (atEnd())
            return false;
        out = static_cast<std::uint8_t>(m_bytes[static_cast<qsizetype>(m_at)]);
        return true;
    }
    bool bigEndian(int size, std::uint32_t &out)
    {
        out = 0;
        for (int i = 0; i < size; ++i) {
            std::uint8_t b = 0;
            if (!byte(b))
                return false;
            out = (out << 8) | b;
        }
        return true;
    }
    // A variable-length quantity: at most four bytes, seven bits each.
    bool quantity(std::uint32_t &out)
    {
        out = 0;
        for (int i = 0; i < 4; ++i) {
            std::uint8_t b = 0;
            if (!byte(b))
                return false;
            out = (out << 7) | (b & 0x7F);
            if (!(b & 0x80))
                return true;
        }
        return false;
    }
    bool take(std::size_t count, std::vector<std::uint8_t> &out)
    {
        if (count > left())
            return false;
        const char *from = m_bytes.constData() + m_at;
        out.assign(from, from + count);
        m_at += count;
        return true;
    }
    bool skip(std::size_t count)
    {
        if (count > left())
            return false;
        m_at += count;
        return true;
    }

private:
    const QByteArray &m_bytes;
    std::size_t m_at;
    std::size_t m_end;
};

bool fail(QString *error, const QString &why)
{
    if (error)
        *error = why;
    return false;
}

bool readTrack(Bytes in, int track, std::vector<MidiEvent> &events, std::int64_t &endTick, QString *error)
{
    const QString where = QStringLiteral(" in track %1").arg(track);
    std::int64_t tick = 0;
    std::uint8_t running = 0;
    bool ended = false;
    while (!in.atEnd() && !ended) {
        std::uint32_t delta = 0;
        if (!in.quantity(delta))
            return fail(error, QStringLiteral("bad delta time") + where);
        tick += delta;
        MidiEvent event;
        event.tick = tick;
        event.track = track;
        std::uint8_t first = 0;
        if (!in.peek(first))
            return fail(error, QStringLiteral("truncated event") + where);
        if (first & 0x80) {
            in.byte(first);
            event.status = first;
        } else if (running) {
            event.status = running; // running status: the data byte is not consumed
        } else {
            return fail(error, QStringLiteral("data byte without a status") + where);
        }

        if (event.status == 0xFF) {
            std::uint32_t length = 0;
            if (!in.byte(event.metaType) || !in.quantity(length) || !in.take(length, event.data))
                return fail(error, QStringLiteral("truncated meta event") + where);
            ended = event.metaType == 0x2F;
            // Meta and sysex events cancel running status.
            running = 0;
        } else if (event.status == 0xF0 || event.status == 0xF7) {
            std::uint32_t length = 0;
            if (!in.quantity(length) || !in.take(length, event.data))
                return fail(error, QStringLiteral("truncated sysex event") + where);
            running = 0;
        } else if (event.status >= 0xF0) {
            return fail(error, QStringLiteral("system message") + where);
        } else {
            const int kind = event.status & 0xF0;
            const std::size_t size = (kind == 0xC0 || kind == 0xD0) ? 1 : 2;
            if (!in.take(size, event.data))
                return fail(error, QStringLiteral("truncated channel event") + where);
            for (std::uint8_t b : event.data)
                if (b & 0x80)
                    return fail(error, QStringLiteral("status byte where data was due") + where);
            running = event.status;
        }
        events.push_back(std::move(event));
    }
    // Anything after the end of the track is not part of it.
    endTick = std::max(endTick, tick);
    return true;
}

// All tracks' events in one list in tick order; at the same tick the earlier
// track first, and within a track the order of the file. Each track is in
// tick order already, so they are merged rather than sorted: one pass for the
// usual single track, however long.
std::vector<MidiEvent> mergeTracks(std::vector<std::vector<MidiEvent>> &tracks)
{
    if (tracks.size() == 1)
        return std::move(tracks.front());
    std::size_t total = 0;
    for (const auto &track : tracks)
        total += track.size();
    std::vector<MidiEvent> merged;
    merged.reserve(total);
    // The next event of each track that has one, earliest tick and track first.
    using Next = std::pair<std::int64_t, std::size_t>;
    std::priority_queue<Next, std::vector<Next>, std::greater<Next>> heads;
    std::vector<std::size_t> at(tracks.size(), 0);
    for (std::size_t t = 0; t < tracks.size(); ++t)
        if (!tracks[t].empty())
            heads.push({tracks[t].front().tick, t});
    while (!heads.empty()) {
        const std::size_t t = heads.top().second;
        heads.pop();
        merged.push_back(std::move(tracks[t][at[t]++]));
        if (at[t] < tracks[t].size())
            heads.push({tracks[t][at[t]].tick, t});
    }
    return merged;
}

} // namespace

double MidiFile::seconds(std::int64_t tick) const
{
    if (division <= 0)
        return smpteTicksPerSecond > 0 ? double(tick) / smpteTicksPerSecond : 0.0;
    double total = 0.0;
    std::int64_t at = 0;
    double perQuarter = 500000.0; // the standard's default tempo: 120 BPM
    for (const MidiEvent &event : events) {
        if (event.tick >= tick)
            break;
        if (!event.isMeta(0x51) || event.data.size() != 3)
            continue;
        total += double(event.tick - at) * perQuarter / 1e6 / division;
        at = event.tick;
        perQuarter = double((event.data[0] << 16) | (event.data[1] << 8) | event.data[2]);
    }
    return total + double(tick - at) * perQuarter / 1e6 / division;
}

std::optional<MidiFile> readMidi(const QByteArray &bytes, QString *error)
{
    const auto size = static_cast<std::size_t>(bytes.size());
    Bytes in(bytes, 0, size);
    std::uint32_t length = 0, format = 0, tracks = 0, division = 0;
    if (!bytes.startsWith("MThd"))
        return fail(error, QStringLiteral("not a MIDI file")), std::nullopt;
    in.skip(4);
    if (!in.bigEndian(4, length) || length < 6 || !in.bigEndian(2, format)
        || !in.bigEndian(2, tracks) || !in.bigEndian(2, division) || !in.skip(length - 6))
        return fail(error, QStringLiteral("truncated header")), std::nullopt;
    if (format > 2 || tracks == 0 || (format == 0 && tracks != 1))
        return fail(error, QStringLiteral("bad format")), std::nullopt;

    MidiFile file;
    file.format = int(format);
    if (division & 0x8000) {
        // The high byte is minus the frames per second, the low byte the
        // ticks per frame.
        const int framesPerSecond = -static_cast<std::int8_t>(division >> 8);
        const int ticksPerFrame = int(division & 0xFF);
        // 29 stands for 29.97 frames a second ("drop frame").
        const double frames = framesPerSecond == 29 ? 29.97 : double(framesPerSecond);
        file.smpteTicksPerSecond = frames * ticksPerFrame;
        if (file.smpteTicksPerSecond <= 0)
            return fail(error, QStringLiteral("bad time division")), std::nullopt;
    } else if (division == 0) {
        return fail(error, QStringLiteral("bad time division")), std::nullopt;
    } else {
        file.division = int(division);
    }
    std::vector<std::vector<MidiEvent>> trackEvents;
    while (!in.atEnd() && file.trackCount < int(tracks)) {
        std::uint8_t id[4] = {};
        std::uint32_t chunkLength = 0;
        if (!in.byte(id[0]) || !in.byte(id[1]) || !in.byte(id[2]) || !in.byte(id[3])
            || !in.bigEndian(4, chunkLength) || chunkLength > in.left())
            return fail(error, QStringLiteral("truncated chunk")), std::nullopt;
        const std::size_t begin = in.position();
        in.skip(chunkLength);
        if (std::string(id, id + 4) != "MTrk")
            continue; // unknown chunks are skipped, as the standard asks
        trackEvents.emplace_back();
        if (!readTrack(Bytes(bytes, begin, begin + chunkLength), file.trackCount, trackEvents.back(), file.endTick,
                       error))
            return std::nullopt;
        ++file.trackCount;
    }
    if (file.trackCount != int(tracks))
        return fail(error, QStringLiteral("fewer tracks than the header says")), std::nullopt;
    file.events = mergeTracks(trackEvents);
    return file;
}

int ticksToSixteenths(qint64 tick, int division)
{
    if (division <= 0 || tick <= 0)
        return 0;
    // Held at the largest int rather than wrapped to a negative position,
    // which would read as no theme at all.
    constexpr qint64 Most = std::numeric_limits<int>::max();
    const qint64 quarters = tick / division;
    if (quarters > Most / 4)
        return int(Most);
    return int(std::min(quarters * 4 + tick % division * 4 / division, Most));
}

QByteArray readSmallFile(const QString &path, qint64 limitBytes)
{
    // Only a regular file: the open of a FIFO would wait for a writer.
    if (!QFileInfo(path).isFile())
        return {};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    if (file.size() > limitBytes)
        return {};
    return file.read(limitBytes);
}

} // namespace kotebu
