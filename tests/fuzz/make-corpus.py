#!/usr/bin/env python3
"""Writes the fuzz targets' hand-made seeds into corpus/<target>/: the inputs
mutation rarely builds (300-digit numbers, MIDI files at the reader's size
limit, a link at the save's temporary name) and the reproducer of every fault
found by hand, named after it. Inputs a fuzzer found sit beside them as they
were found, under a name that says what they broke. The shipped game files
are seeds too; the runs name them beside these folders. Run it again after
changing a target's input format; the files it writes are committed.

The largest seeds (megabytes each) are not committed: the fuzz targets'
build writes them into its own folder with `make-corpus.py --large FOLDER`."""

import os
import struct
import sys
import zlib

HERE = os.path.dirname(os.path.abspath(__file__))
LARGE = sys.argv[2] if len(sys.argv) == 3 and sys.argv[1] == "--large" else None


def put(target, name, data, large=False):
    if large != (LARGE is not None):
        return
    folder = os.path.join(LARGE or os.path.join(HERE, "corpus"), target)
    os.makedirs(folder, exist_ok=True)
    if isinstance(data, str):
        data = data.encode("utf-8")
    with open(os.path.join(folder, name), "wb") as out:
        out.write(data)


# ---- INI: a whole file, or NUL, section NUL key NUL, value length, UTF-16 ----

def own_key(section, key, value, file):
    units = value.encode("utf-16-le", "surrogatepass")
    return b"\0" + section.encode() + b"\0" + key.encode() + b"\0" + bytes([len(units)]) + units + file


put("ini", "lone-surrogate-value", own_key("Pack", "KoTeBuPath", "/new\ud800/", b"[Pack]\r\nKoTeBuPath=/old/\r\n"))
put("ini", "byte-order-mark-and-mixed-endings", b"\xef\xbb\xbf[KoTeBu]\nJoho=1\r\n\r[Pack]\rKoTeBuPath=a=b\n")
put("ini", "key-in-a-later-section", b"[KoTeBu]\r\nAijo=1\r\n[KoTeBu2]\r\nJoho=7\r\nJoho=8\r\n  joho =9")
put("ini", "value-starting-with-a-byte-order-mark", own_key("KoTeBu", "Name", "\ufeffx", b"[KoTeBu]\r\nName=1\r\n"))
put("ini", "key-holding-equals", own_key("Pack", "a=b", "=c", b"[pack]\r\nA=B==c\r\na=b=x\r\n"))

# ---- save: one byte of scene, then the new file ----

HOLDERS = ["nothing", "left-over-file", "read-only-left-over", "link-to-a-file-outside", "dangling-link",
           "fifo", "folder", "link-to-a-folder-outside"]
SAVES = ["plain-save", "linked-save", "dangling-linked-save", "link-to-a-link"]
for h, holder in enumerate(HOLDERS):
    for s, save in enumerate(SAVES):
        other = 32 if (h + s) % 2 else 0
        put("save", f"{holder}-at-the-temporary-name-{save}", bytes([h | s << 3 | other]) + b"[KoTeBu]\r\nJoho=2\r\n")

# ---- numbers: the text of a stored value ----

put("numbers", "tiny-without-exponent", "." + "0" * 323 + "1")
put("numbers", "huge-with-small-exponent", "1" + "0" * 310 + "e-1")
for i, text in enumerate(["12abc", "  -1.5", "1e400", "-1e-400", "2E+1x", "5e", "0x10", "\uff11\uff12", "+.5e-3",
                          "4e-320", "1" * 400]):
    put("numbers", f"seed-{i}", text)

# ---- names: UTF-8 after an even byte, UTF-16 after an odd one ----

put("names", "fifo-named-like-the-ini-file", b"\0ktbsp.ini")
put("names", "fifo-named-like-a-picture", b"\0pics/FIFO.kb2")
put("names", "link-to-a-fifo", b"\0pics/tofifo.kb2")
put("names", "nul-in-the-folder-name", b"\0pics\0x/Manepu.KB2")
put("names", "lone-surrogate-in-the-name", b"\1" + "pics/Haga\ud800.KB2".encode("utf-16-le", "surrogatepass"))
for i, name in enumerate(["pics/HAGA.kb2", "pics/linked.KB2", "pics/dangling.kb2", "pics/folder.kb2", "MEGAMI.MID",
                          "pics/", "pics//haga.kb2", "pics/[a-z]*.KB2"]):
    put("names", f"seed-{i}", b"\0" + name.encode())

# ---- MIDI ----


def midi(division, *tracks, fmt=None):
    fmt = (0 if len(tracks) == 1 else 1) if fmt is None else fmt
    out = b"MThd" + struct.pack(">IHHH", 6, fmt, len(tracks), division)
    for track in tracks:
        out += b"MTrk" + struct.pack(">I", len(track)) + track
    return out


LONGEST = b"\xff\xff\xff\x7f"  # the longest delta a file can write: 2^28 - 1 ticks
END = b"\x00\xff\x2f\x00"

# Four longest deltas at one tick a quarter: 4.3 billion sixteenths, 43 bytes.
put("midi", "sixteenths-beyond-an-int", midi(1, LONGEST + b"\xc0\x00" + (LONGEST + b"\x00") * 3))
# At the slowest tempo, 50,000 longest deltas are more than 2^63 audio frames.
put("midi", "frames-beyond-64-bits", midi(1, b"\x00\xff\x51\x03\xff\xff\xff\x00\xc0\x00" + (LONGEST + b"\x00") * 50000 + END))


def every_preset(size):
    """Every bank on every channel and every program in it, from the first
    tick, as often as `size` bytes hold."""
    track = bytearray()
    budget = size - 22 - len(END)
    block = 0
    while len(track) + 261 <= budget:
        bank, channel = block % 128, block // 128 % 16
        track += bytes([0, 0xB0 | channel, 0, bank, 0, 0xC0 | channel, 0])
        for program in range(1, 128):
            track += bytes([0, program])  # running status
        block += 1
    return midi(480, bytes(track) + END)


put("midi", "every-bank-and-program-at-the-size-limit", every_preset(4 * 1024 * 1024), large=True)
put("midi", "tempo-changes-in-two-tracks",
    midi(96, b"\x00\xff\x51\x03\x07\xa1\x20\x60\xff\x51\x03\x0f\x42\x40" + END,
         b"\x00\x90\x3c\x64\x60\x3c\x00\x00\xb0\x00\x01\x00\xc0\x05\x30\xf0\x03\x7e\x7f\xf7" + END))
put("midi", "smpte-frames", midi(0xE728, b"\x00\x90\x3c\x64\x81\x00\x80\x3c\x00" + END))
put("midi", "sysex-and-running-status",
    midi(480, b"\x00\xf0\x05\x7e\x7f\x09\x01\xf7\x00\x99\x24\x64\x10\x26\x64\x00\xff\x01\x02hi" + END))

# ---- pictures ----


def png(width, height, rows):
    def chunk(kind, body):
        return struct.pack(">I", len(body)) + kind + body + struct.pack(">I", zlib.crc32(kind + body))
    header = struct.pack(">IIBBBBB", width, height, 1, 0, 0, 0, 0)  # one bit a pixel, grey
    return b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"IDAT", zlib.compress(rows, 9)) + chunk(b"IEND", b"")


side = 4000
inside = png(side, side, (b"\0" + b"\xff" * (side // 8)) * side)
icon = struct.pack("<HHH", 0, 1, 1) + struct.pack("<BBBBHHII", 16, 16, 0, 0, 1, 32, len(inside), 22) + inside
put("picture", "icon-claiming-16-over-4000-square", icon)

width, height = 1100, 10
row = bytes([40, 200, 90]) * width + b"\0" * ((4 - width * 3 % 4) % 4)
pixels = row * height
bmp = b"BM" + struct.pack("<IHHI", 54 + len(pixels), 0, 0, 54)
bmp += struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(pixels), 2835, 2835, 0, 0) + pixels
put("picture", "bitmap-wider-than-the-limit", bmp)

put("picture", "png-claiming-50000-square", png(50000, 50000, b"\0"))
put("picture", "png-cut-short", png(64, 64, (b"\0" + b"\x55" * 8) * 64)[:60])
