#!/usr/bin/env python3
"""Writes the logo chime "QZDEMO.WAV": a bright rising arpeggio of bells.

    python3 make_chime.py [output.wav]

Standard library only (wave, math, struct). Mono, 16-bit PCM, 22050 Hz,
two seconds. The logo plays it 0.4 s after the window opens; the arpeggio
climbs while the strokes of the word mark appear, and the last bell rings
out under the year.
"""

import math
import os
import struct
import sys
import wave

RATE = 22050
SECONDS = 2.0
PEAK_DBFS = -3.0
FADE_IN = 0.005     # seconds; a sound that starts at full level clicks
FADE_OUT = 0.30     # the tail goes smoothly to silence before the file ends

# (start in seconds, frequency in Hz, level): C major climbing two octaves,
# then a soft chord on top that lets the last bell shimmer.
BELLS = [
    (0.00, 523.25, 0.55),   # C5
    (0.10, 659.26, 0.60),   # E5
    (0.20, 783.99, 0.65),   # G5
    (0.30, 1046.50, 0.70),  # C6
    (0.40, 1318.51, 0.75),  # E6
    (0.50, 1567.98, 0.80),  # G6
    (0.62, 2093.00, 1.00),  # C7, the one that rings out
    (0.62, 1046.50, 0.35),
    (0.62, 1318.51, 0.30),
]

# Bell-like partials: (ratio to the fundamental, level, decay time in s).
# The inharmonic ones fade first, which is what makes it sound struck.
PARTIALS = [
    (1.000, 1.00, 0.90),
    (1.004, 0.35, 0.80),   # a slightly detuned twin: a slow shimmer
    (2.000, 0.45, 0.45),
    (2.760, 0.30, 0.25),
    (5.400, 0.15, 0.10),
]


def render():
    count = int(RATE * SECONDS)
    samples = [0.0] * count
    nyquist = RATE / 2
    for start, frequency, level in BELLS:
        first = int(start * RATE)
        for ratio, partial_level, decay in PARTIALS:
            f = frequency * ratio
            if f >= nyquist:
                continue
            step = 2 * math.pi * f / RATE
            gain = level * partial_level
            for i in range(first, count):
                t = (i - first) / RATE
                envelope = math.exp(-t / decay)
                if envelope < 1e-4:
                    break
                # Each strike gets a 2 ms attack of its own, so no step jumps.
                attack = min(1.0, t / 0.002)
                samples[i] += gain * attack * envelope * math.sin(step * (i - first))
    for i in range(count):
        # Both ends reach exactly zero: the first and the last sample are silent.
        fade = min(1.0, i / (FADE_IN * RATE), (count - 1 - i) / (FADE_OUT * RATE))
        samples[i] *= fade
    peak = max(abs(s) for s in samples)
    scale = 10 ** (PEAK_DBFS / 20) / peak
    return [round(s * scale * 32767) for s in samples]


def main():
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(
        os.path.dirname(os.path.abspath(__file__)), "..", "game", "QZDEMO.WAV")
    pcm = render()
    with wave.open(out, "wb") as f:
        f.setnchannels(1)
        f.setsampwidth(2)
        f.setframerate(RATE)
        f.writeframes(struct.pack(f"<{len(pcm)}h", *pcm))
    print(f"{os.path.basename(out)}: {len(pcm) / RATE:.2f} s, {len(pcm) * 2} bytes of sound")


if __name__ == "__main__":
    main()
