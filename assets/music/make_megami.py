#!/usr/bin/env python3
"""Writes the theme song "Megami.mid" from its score (megami_score.py).

    python3 make_megami.py [output.mid]

Standard library only. The file is a format 1 standard MIDI file, 4/4, with
one conductor track (tempo, metre and a marker "line N" where each sung line
begins) and one track per part: melody (channel 1), bass (2), strings (3),
piano (4), brass (5), guitar solo (6) and drums (10).

The generator checks the score before it writes anything: block lengths
against their chords, every sung block against the sixteenth at which the
selector shows its words, and the long melody notes against the chords
(these only warn).

To hear it as the game does, render it with the General MIDI SoundFont:

    fluidsynth -ni -g 0.5 -F megami.wav -r 44100 TimGM6mb.sf2 Megami.mid
"""

import os
import re
import struct
import sys

import megami_score as score

SIXTEENTH = score.DIVISION // 4
STEP_SIXTEENTHS = 10        # the selector's lyric step is ten sixteenths
STEP_LATENESS = 2           # a sung line may start this many sixteenths late

CHANNELS = {"melody": 0, "bass": 1, "strings": 2, "piano": 3,
            "brass": 4, "solo": 5, "double": 6, "drums": 9}
# Channel volume, pan and reverb send, balanced by ear and by the rendered
# level (the lead sits on top, the pad well under it).
MIX = {
    "melody": (127, 64, 40),
    "bass": (116, 64, 10),
    "strings": (80, 40, 60),
    "piano": (104, 88, 30),
    "brass": (112, 76, 40),
    "solo": (108, 52, 40),
    "double": (100, 70, 50),
    "drums": (84, 64, 20),
}
VELOCITY = {"melody": 112, "double": 100, "brass": 104, "solo": 108,
            "bass": 100, "strings": 68, "piano": 76}

NOTE_NAMES = {"C": 0, "D": 2, "E": 4, "F": 5, "G": 7, "A": 9, "B": 11}
CHORD_KINDS = {"": (0, 4, 7), "m": (0, 3, 7), "7": (0, 4, 7, 10),
               "m7": (0, 3, 7, 10), "maj7": (0, 4, 7, 11), "sus4": (0, 5, 7)}

# GM drum keys.
KICK, SNARE, CLOSED_HAT, OPEN_HAT, CRASH, RIDE = 36, 38, 42, 46, 49, 51
TOM_HIGH, TOM_MID, TOM_LOW = 50, 47, 45

DRUM_STYLES = {
    # position in the bar (sixteenths): (key, velocity)
    "intro": {0: [(KICK, 112)], 4: [(SNARE, 104)], 8: [(KICK, 108)],
              10: [(KICK, 96)], 12: [(SNARE, 108)],
              **{p: [(CLOSED_HAT, 72)] for p in range(0, 16, 2)}},
    "verse": {0: [(KICK, 108)], 4: [(SNARE, 96)], 6: [(KICK, 90)],
              8: [(KICK, 100)], 12: [(SNARE, 100)],
              **{p: [(CLOSED_HAT, 66 if p % 4 else 78)] for p in range(0, 16, 2)}},
    "pre": {0: [(KICK, 110)], 4: [(SNARE, 100)], 8: [(KICK, 104)],
            12: [(SNARE, 104)],
            **{p: [(CLOSED_HAT, 56 if p % 2 else 76)] for p in range(16)}},
    "chorus": {0: [(KICK, 114), (CLOSED_HAT, 80)], 4: [(SNARE, 108), (CLOSED_HAT, 76)],
               8: [(KICK, 110), (CLOSED_HAT, 80)], 10: [(KICK, 98)],
               12: [(SNARE, 112), (CLOSED_HAT, 76)],
               **{p: [(OPEN_HAT, 70)] for p in (2, 6, 14)}},
    "break": {0: [(KICK, 112)], 3: [(KICK, 100)], 4: [(SNARE, 104)],
              6: [(KICK, 104)], 8: [(KICK, 108)], 11: [(KICK, 100)],
              12: [(SNARE, 110)], 14: [(KICK, 100)],
              **{p: [(CLOSED_HAT, 70)] for p in (2, 10)}},
    "bridge": {0: [(KICK, 112), (RIDE, 84)], 4: [(SNARE, 104), (RIDE, 76)],
               8: [(KICK, 106), (RIDE, 84)], 10: [(KICK, 94)],
               12: [(SNARE, 108), (RIDE, 76)],
               **{p: [(RIDE, 64)] for p in (2, 6, 14)}},
    "end": {},
}
FILL = [(SNARE, 96), (SNARE, 104), (TOM_HIGH, 108), (TOM_LOW, 112)]


class ScoreError(Exception):
    pass


def pitch(name, transpose=0):
    m = re.fullmatch(r"([A-G])([#b]?)(-?\d)", name)
    if not m:
        raise ScoreError(f"bad pitch {name!r}")
    value = NOTE_NAMES[m.group(1)] + {"#": 1, "b": -1, "": 0}[m.group(2)]
    return 12 * (int(m.group(3)) + 1) + value + transpose


def parse_notes(text, transpose=0):
    """'A4:2 r:2 ...' -> [(start, length, midi or None)] in sixteenths."""
    notes, at = [], 0
    for token in text.replace("|", " ").replace("/", " ").split():
        name, _, length = token.partition(":")
        length = int(length)
        if length <= 0:
            raise ScoreError(f"bad length in {token!r}")
        notes.append((at, length, None if name == "r" else pitch(name, transpose)))
        at += length
    return notes


SMALL_KANA = set("ゃゅょぁぃぅぇぉャュョァィゥェォー")


def syllables(words):
    """Sung syllables of each half of a line written in kana."""
    return [sum(1 for c in half if c not in SMALL_KANA and c not in "！")
            for half in words.split("\u3000")]


def parse_chord(symbol, transpose=0):
    """'F#m' or 'A/C#' -> (pitch classes of the chord, pitch class of the bass)."""
    m = re.fullmatch(r"([A-G][#b]?)(m7|maj7|m|7|sus4|)(?:/([A-G][#b]?))?", symbol)
    if not m:
        raise ScoreError(f"bad chord {symbol!r}")
    root = (pitch(m.group(1) + "4", transpose)) % 12
    tones = tuple((root + i) % 12 for i in CHORD_KINDS[m.group(2)])
    bass = pitch(m.group(3) + "4", transpose) % 12 if m.group(3) else root
    return tones, bass


def parse_chords(text, transpose=0):
    chords, at = [], 0
    for token in text.split():
        symbol, _, length = token.rpartition(":")
        tones, bass = parse_chord(symbol, transpose)
        chords.append((at, int(length), tones, bass))
        at += int(length)
    return chords, at


def voice(tones, low):
    """The chord's tones placed in the octave from `low` up."""
    return sorted(low + (t - low) % 12 for t in tones)


class Track:
    def __init__(self, name):
        self.name = name
        self.events = []    # (tick, order, bytes); note-offs sort first

    def add(self, tick, data, order=1):
        self.events.append((tick, order, bytes(data)))

    def note(self, channel, start, length, key, velocity):
        self.add(start, [0x90 | channel, key, velocity], 2)
        self.add(start + length, [0x80 | channel, key, 0], 0)

    def meta(self, tick, kind, payload):
        self.add(tick, [0xFF, kind] + vlq(len(payload)) + list(payload), 1)

    def chunk(self, end_tick):
        out = bytearray()
        events = [(0, 0, bytes([0xFF, 0x03]) + bytes(vlq(len(self.name.encode())))
                   + self.name.encode())] + sorted(self.events)
        last = 0
        for tick, _, data in events:
            if tick > end_tick:
                raise ScoreError(f"{self.name}: event after the end")
            out += bytes(vlq(tick - last)) + data
            last = tick
        out += bytes(vlq(end_tick - last)) + b"\xFF\x2F\x00"
        return b"MTrk" + struct.pack(">I", len(out)) + bytes(out)


def vlq(value):
    out = [value & 0x7F]
    value >>= 7
    while value:
        out.insert(0, 0x80 | (value & 0x7F))
        value >>= 7
    return out


def lay_out(blocks):
    """Places the blocks end to end and checks them against the lyric steps."""
    placed, at = [], 0
    for block in blocks:
        transpose = block.get("transpose", 0)
        chords, length = parse_chords(block["chords"], transpose)
        step = block.get("step")
        if step is not None and not (
                step * STEP_SIXTEENTHS <= at <= step * STEP_SIXTEENTHS + STEP_LATENESS):
            raise ScoreError(f"{block['name']} starts at sixteenth {at}, "
                             f"off step {step}")
        parts = {}
        for part in ("melody", "brass", "solo"):
            if part in block:
                notes = parse_notes(block[part], transpose)
                end = notes[-1][0] + notes[-1][1]
                if end > length:
                    raise ScoreError(f"{block['name']}: {part} runs past the block")
                parts[part] = notes
        if "melody" in parts:
            if "line" not in block or "sung" not in block:
                raise ScoreError(f"{block['name']}: a sung block needs its line and words")
            notes = [sum(1 for token in half.split() if not token.startswith(("r:", "|")))
                     for half in block["melody"].split("/")]
            if notes != syllables(block["sung"]):
                raise ScoreError(f"{block['name']}: {notes} notes for the syllables "
                                 f"{syllables(block['sung'])}")
        placed.append(dict(block, start=at, length=length, chords=chords, parts=parts))
        at += length
    return placed, at


def check_harmony(placed):
    warnings = []
    for block in placed:
        for part, notes in block["parts"].items():
            for start, length, key in notes:
                if key is None or length < 4 or start % 4:
                    continue
                chord = next(c for c in block["chords"] if c[0] <= start < c[0] + c[1])
                if key % 12 not in chord[2]:
                    warnings.append(f"{block['name']} {part}: note {key} at "
                                    f"+{start} is not in its chord")
    return warnings


def tick(sixteenths):
    return sixteenths * SIXTEENTH


def build(placed, song_end):
    conductor = Track("Tatakai no Megami")
    conductor.meta(0, 0x58, [4, 2, 24, 8])
    conductor.meta(0, 0x51, list(struct.pack(">I", round(60_000_000 / score.TEMPO_BPM))[1:]))
    tracks = {part: Track(part) for part in CHANNELS}

    for part, track in tracks.items():
        channel = CHANNELS[part]
        volume, pan, reverb = MIX[part]
        if part != "drums":
            track.add(0, [0xC0 | channel, score.PROGRAMS[part]])
        track.add(0, [0xB0 | channel, 7, volume])
        track.add(0, [0xB0 | channel, 10, pan])
        track.add(0, [0xB0 | channel, 91, reverb])

    for block in placed:
        base = block["start"]
        if "line" in block:
            conductor.meta(tick(base), 0x06, f"line {block['line']}".encode())
        elif "step" in block:
            conductor.meta(tick(base), 0x06, b"break")

        for part, notes in block["parts"].items():
            for start, length, key in notes:
                if key is None:
                    continue
                # A short gap before the next note keeps repeated notes apart.
                doubled = [part, "double"] if part == "melody" else [part]
                for voice_part in doubled:
                    tracks[voice_part].note(CHANNELS[voice_part], tick(base + start),
                                            tick(length) - SIXTEENTH // 4, key,
                                            VELOCITY[voice_part])

        style = block["drums"]
        for start, length, tones, bass in block["chords"]:
            at = base + start
            for key in voice(tones, 55):
                tracks["strings"].note(CHANNELS["strings"], tick(at), tick(length) - 10,
                                       key, VELOCITY["strings"])
            low = voice([bass], 36)[0]
            if style == "end":
                tracks["bass"].note(CHANNELS["bass"], tick(at), tick(length), low, 100)
                for key in voice(tones, 60):
                    tracks["piano"].note(CHANNELS["piano"], tick(at), tick(length), key, 96)
                continue
            for offset in range(0, length, 2):
                octave = 12 if style in ("chorus", "bridge", "intro") and offset % 4 == 2 else 0
                accent = 8 if offset % 8 == 0 else 0
                tracks["bass"].note(CHANNELS["bass"], tick(at + offset), tick(2) - 20,
                                    low + octave, VELOCITY["bass"] - 8 + accent)
            hits = range(0, length, 2) if style in ("chorus", "bridge") else range(0, length, 4)
            for offset in hits:
                velocity = VELOCITY["piano"] + (10 if offset % 8 == 0 else 0)
                for key in voice(tones, 60):
                    tracks["piano"].note(CHANNELS["piano"], tick(at + offset),
                                         tick(2) - 20, key, velocity)

    drums = tracks["drums"]
    by_start = {b["start"]: b for b in placed}
    fills = {b["start"] + b["length"] - 4 for b in placed if b.get("fill_after")}
    for b in placed:
        if b.get("crash"):
            drums.note(9, tick(b["start"]), tick(4), CRASH, 108)
    last_hit = placed[-1]["start"]
    drums.note(9, tick(last_hit), tick(8), KICK, 118)
    drums.note(9, tick(last_hit), tick(8), SNARE, 112)
    fill_left = 0
    block = placed[0]
    for at in range(0, last_hit):
        block = by_start.get(at, block)
        if at in fills:
            fill_left = 4
        if fill_left:
            key, velocity = FILL[4 - fill_left]
            drums.note(9, tick(at), tick(1), key, velocity)
            fill_left -= 1
            continue
        for key, velocity in DRUM_STYLES[block["drums"]].get(at % 16, []):
            drums.note(9, tick(at), tick(1), key, velocity)

    end_tick = tick(song_end)
    data = b"MThd" + struct.pack(">IHHH", 6, 1, 1 + len(tracks), score.DIVISION)
    data += conductor.chunk(end_tick)
    for track in tracks.values():
        data += track.chunk(end_tick)
    return data


def main():
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(
        os.path.dirname(os.path.abspath(__file__)), "..", "game", "Megami.mid")
    placed, length = lay_out(score.BLOCKS)
    for warning in check_harmony(placed):
        print("warning:", warning, file=sys.stderr)
    song_end = length + score.TAIL_SIXTEENTHS
    with open(out, "wb") as f:
        f.write(build(placed, song_end))
    seconds = song_end * 15 / score.TEMPO_BPM
    print(f"{os.path.basename(out)}: {song_end} sixteenths, {seconds:.1f} s")


if __name__ == "__main__":
    try:
        main()
    except ScoreError as error:
        sys.exit(f"score error: {error}")
