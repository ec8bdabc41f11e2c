#include "SoundFiles.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace kotebu::test {

namespace {

void put16(QByteArray &out, int value)
{
    out.append(char((value >> 8) & 0xff));
    out.append(char(value & 0xff));
}

void put32(QByteArray &out, quint32 value)
{
    put16(out, int(value >> 16));
    put16(out, int(value & 0xffff));
}

void putVariable(QByteArray &out, quint32 value)
{
    QByteArray bytes;
    bytes.prepend(char(value & 0x7f));
    while (value >>= 7)
        bytes.prepend(char((value & 0x7f) | 0x80));
    out.append(bytes);
}

void putLittle(QByteArray &out, quint32 value, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        out.append(char((value >> (8 * i)) & 0xff));
}

struct Event {
    int tick;
    int order; // note-offs before note-ons at the same tick
    QByteArray bytes;
};

// One track behind the header of a format 0 file.
QByteArray formatZero(int division, const QByteArray &track)
{
    QByteArray file("MThd");
    put32(file, 6);
    put16(file, 0);
    put16(file, 1);
    put16(file, division);
    file.append("MTrk");
    put32(file, quint32(track.size()));
    return file + track;
}

} // namespace

QByteArray makeMidi(int division, const std::vector<TestNote> &notes, int endTick,
                    int microsecondsPerQuarter)
{
    std::vector<Event> events;
    events.push_back({0, 0, QByteArray("\xff\x51\x03", 3)
                                + QByteArray(1, char((microsecondsPerQuarter >> 16) & 0xff))
                                + QByteArray(1, char((microsecondsPerQuarter >> 8) & 0xff))
                                + QByteArray(1, char(microsecondsPerQuarter & 0xff))});
    events.push_back({0, 1, QByteArray("\xc0\x00", 2)});
    for (const TestNote &note : notes) {
        events.push_back({note.startTick, 3, QByteArray("\x90", 1) + char(note.key) + char(100)});
        events.push_back({note.startTick + note.lengthTicks, 2,
                          QByteArray("\x80", 1) + char(note.key) + char(0)});
    }
    std::stable_sort(events.begin(), events.end(), [](const Event &a, const Event &b) {
        return a.tick != b.tick ? a.tick < b.tick : a.order < b.order;
    });

    QByteArray track;
    int now = 0;
    for (const Event &event : events) {
        putVariable(track, quint32(event.tick - now));
        track.append(event.bytes);
        now = event.tick;
    }
    putVariable(track, quint32(std::max(0, endTick - now)));
    track.append("\xff\x2f\x00", 3);
    return formatZero(division, track);
}

QByteArray makeEveryPresetMidi(int bytes)
{
    const QByteArray end("\x00\xff\x2f\x00", 4);
    const int budget = bytes - 22 - int(end.size());
    QByteArray track;
    for (int block = 0; track.size() + 261 <= budget; ++block) {
        const int bank = block % 128;
        const char channel = char(block / 128 % 16);
        track.append('\0').append(char(0xb0 | channel)).append('\0').append(char(bank));
        track.append('\0').append(char(0xc0 | channel)).append('\0');
        for (int program = 1; program < 128; ++program)
            track.append('\0').append(char(program)); // running status
    }
    return formatZero(480, track + end);
}

QByteArray makeLongDeltaMidi(int division, int microsecondsPerQuarter, int events)
{
    QByteArray track("\x00\xff\x51\x03", 4);
    for (const int shift : {16, 8, 0})
        track.append(char((microsecondsPerQuarter >> shift) & 0xff));
    track.append("\x00\xc0\x00", 3);
    for (int i = 0; i < events; ++i)
        track.append("\xff\xff\xff\x7f\x00", 5); // the longest delta, then running status
    track.append("\x00\xff\x2f\x00", 4);
    return formatZero(division, track);
}

QByteArray makeMidiQuarters(int division, int quarters, int microsecondsPerQuarter)
{
    std::vector<TestNote> notes;
    for (int i = 0; i < quarters; ++i)
        notes.push_back({60 + (i % 12), i * division, division});
    return makeMidi(division, notes, quarters * division, microsecondsPerQuarter);
}

QByteArray makeWave(int sampleRate, int channels, int bits, double seconds, double amplitude,
                    double frequency)
{
    const int frames = int(sampleRate * seconds);
    const int bytesPerSample = bits / 8;
    QByteArray data;
    for (int i = 0; i < frames; ++i) {
        // Louder than full scale clips, as a recording would.
        const double value = std::clamp(
            amplitude * std::sin(2 * std::numbers::pi * frequency * i / sampleRate), -1.0, 1.0);
        for (int c = 0; c < channels; ++c) {
            if (bits == 8)
                putLittle(data, quint32(std::lround(128 + value * 127)), 1);
            else
                putLittle(data, quint32(quint16(qint16(std::lround(value * 32767)))), 2);
        }
    }
    QByteArray file("RIFF");
    putLittle(file, quint32(36 + data.size()), 4);
    file.append("WAVEfmt ");
    putLittle(file, 16, 4);
    putLittle(file, 1, 2); // PCM
    putLittle(file, quint32(channels), 2);
    putLittle(file, quint32(sampleRate), 4);
    putLittle(file, quint32(sampleRate * channels * bytesPerSample), 4);
    putLittle(file, quint32(channels * bytesPerSample), 2);
    putLittle(file, quint32(bits), 2);
    file.append("data");
    putLittle(file, quint32(data.size()), 4);
    file.append(data);
    return file;
}

double rms(const std::vector<float> &samples)
{
    if (samples.empty())
        return 0.0;
    double sum = 0.0;
    for (float s : samples)
        sum += double(s) * s;
    return std::sqrt(sum / double(samples.size()));
}

float peak(const std::vector<float> &samples)
{
    float most = 0.0f;
    for (float s : samples)
        most = std::max(most, std::fabs(s));
    return most;
}

} // namespace kotebu::test
