#include "MidiReader.h"

#include <algorithm>

namespace kotebu::test {

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
        out.clear();
        for (std::size_t i = 0; i < count; ++i)
            out.push_back(static_cast<std::uint8_t>(m_bytes[static_cast<qsizetype>(m_at++)]));
        return true;
    }

private:
    const QByteArray &m_bytes;
    std::size_t m_at;
    std::size_t m_end;
};

bool fail(std::string *error, const std::string &why)
{
    if (error)
        *error = why;
    return false;
}

bool readTrack(Bytes in, int track, MidiFile &file, std::string *error)
{
    std::int64_t tick = 0;
    std::uint8_t running = 0;
    bool ended = false;
    while (!in.atEnd()) {
        if (ended)
            return fail(error, "events after the end of track " + std::to_string(track));
        std::uint32_t delta = 0;
        if (!in.quantity(delta))
            return fail(error, "bad delta time in track " + std::to_string(track));
        tick += delta;
        MidiEvent event;
        event.tick = tick;
        event.track = track;
        std::uint8_t first = 0;
        if (!in.peek(first))
            return fail(error, "truncated event");
        if (first & 0x80) {
            in.byte(first);
            event.status = first;
        } else if (running) {
            event.status = running; // running status: the data byte is not consumed
        } else {
            return fail(error, "data byte without a status in track " + std::to_string(track));
        }

        if (event.status == 0xFF) {
            std::uint32_t length = 0;
            if (!in.byte(event.metaType) || !in.quantity(length) || !in.take(length, event.data))
                return fail(error, "truncated meta event");
            ended = event.metaType == 0x2F;
            // Meta and sysex events cancel running status.
            running = 0;
        } else if (event.status == 0xF0 || event.status == 0xF7) {
            std::uint32_t length = 0;
            if (!in.quantity(length) || !in.take(length, event.data))
                return fail(error, "truncated sysex event");
            running = 0;
        } else if (event.status >= 0xF0) {
            return fail(error, "system message inside a track");
        } else {
            const int kind = event.status & 0xF0;
            const std::size_t size = (kind == 0xC0 || kind == 0xD0) ? 1 : 2;
            if (!in.take(size, event.data))
                return fail(error, "truncated channel event");
            for (std::uint8_t b : event.data)
                if (b & 0x80)
                    return fail(error, "status byte where data was due");
            running = event.status;
        }
        file.events.push_back(std::move(event));
    }
    if (!ended)
        return fail(error, "track " + std::to_string(track) + " has no end");
    file.endTick = std::max(file.endTick, tick);
    return true;
}

} // namespace

double MidiFile::seconds(std::int64_t tick) const
{
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

std::optional<MidiFile> readMidi(const QByteArray &bytes, std::string *error)
{
    const auto size = static_cast<std::size_t>(bytes.size());
    Bytes in(bytes, 0, size);
    std::uint32_t length = 0, format = 0, tracks = 0, division = 0;
    if (!bytes.startsWith("MThd"))
        return fail(error, "no MThd header"), std::nullopt;
    std::vector<std::uint8_t> skip;
    in.take(4, skip);
    if (!in.bigEndian(4, length) || length < 6 || !in.bigEndian(2, format)
        || !in.bigEndian(2, tracks) || !in.bigEndian(2, division) || !in.take(length - 6, skip))
        return fail(error, "truncated header"), std::nullopt;
    if (format > 2 || (format == 0 && tracks != 1))
        return fail(error, "bad format"), std::nullopt;
    if (division == 0 || (division & 0x8000))
        return fail(error, "time division is not ticks per quarter note"), std::nullopt;

    MidiFile file;
    file.format = int(format);
    file.division = int(division);
    while (!in.atEnd() && file.trackCount < int(tracks)) {
        std::vector<std::uint8_t> id;
        std::uint32_t chunkLength = 0;
        if (!in.take(4, id) || !in.bigEndian(4, chunkLength) || chunkLength > in.left())
            return fail(error, "truncated chunk"), std::nullopt;
        const std::size_t begin = in.position();
        in.take(chunkLength, skip);
        if (std::string(id.begin(), id.end()) != "MTrk")
            continue; // unknown chunks are skipped, as the standard asks
        if (!readTrack(Bytes(bytes, begin, begin + chunkLength), file.trackCount, file, error))
            return std::nullopt;
        ++file.trackCount;
    }
    if (file.trackCount != int(tracks))
        return fail(error, "fewer tracks than the header says"), std::nullopt;
    std::stable_sort(file.events.begin(), file.events.end(),
                     [](const MidiEvent &a, const MidiEvent &b) { return a.tick < b.tick; });
    return file;
}

} // namespace kotebu::test
