#include "MidiFile.h"

#include <QFile>

namespace kotebu {

namespace {

int bigEndian16(const QByteArray &bytes, int at)
{
    return (static_cast<unsigned char>(bytes[at]) << 8) | static_cast<unsigned char>(bytes[at + 1]);
}

quint32 bigEndian32(const QByteArray &bytes, int at)
{
    return (quint32(static_cast<unsigned char>(bytes[at])) << 24)
        | (quint32(static_cast<unsigned char>(bytes[at + 1])) << 16)
        | (quint32(static_cast<unsigned char>(bytes[at + 2])) << 8)
        | quint32(static_cast<unsigned char>(bytes[at + 3]));
}

} // namespace

MidiHeader readMidiHeader(const QByteArray &bytes)
{
    MidiHeader header;
    // "MThd", a 32-bit length of at least 6, then format, tracks, division.
    if (bytes.size() < 14 || !bytes.startsWith("MThd"))
        return header;
    if (bigEndian32(bytes, 4) < 6)
        return header;
    header.format = bigEndian16(bytes, 8);
    header.tracks = bigEndian16(bytes, 10);
    const int division = bigEndian16(bytes, 12);
    // The top bit set means SMPTE timing, not ticks per quarter note.
    header.division = (division & 0x8000) ? 0 : division;
    header.valid = header.format <= 2 && header.tracks > 0;
    return header;
}

int ticksToSixteenths(qint64 tick, int division)
{
    if (division <= 0 || tick <= 0)
        return 0;
    return static_cast<int>(tick * 4 / division);
}

QByteArray readSmallFile(const QString &path, qint64 limitBytes)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    if (file.size() > limitBytes)
        return {};
    return file.read(limitBytes);
}

} // namespace kotebu
