"""Writes a Windows icon file from PNG pictures of the icon, each kept as PNG
inside the .ico (Windows Vista and later read them so).

    python3 make-ico.py OUT.ico PICTURE.png...
"""

import struct
import sys


def size_of(png):
    # The IHDR chunk follows the 8-byte signature and its own 8-byte head.
    return struct.unpack(">II", png[16:24])


def main():
    out, pictures = sys.argv[1], [open(p, "rb").read() for p in sys.argv[2:]]
    head = struct.pack("<HHH", 0, 1, len(pictures))
    offset = len(head) + 16 * len(pictures)
    entries, data = b"", b""
    for png in pictures:
        width, height = size_of(png)
        # 256 is written as 0: the field holds one byte.
        entries += struct.pack("<BBBBHHII", width % 256, height % 256, 0, 0, 1, 32, len(png), offset + len(data))
        data += png
    with open(out, "wb") as f:
        f.write(head + entries + data)


if __name__ == "__main__":
    main()
