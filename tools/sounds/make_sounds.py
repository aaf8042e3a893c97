#!/usr/bin/env python3
"""Make Brambleton's sound effects.

Every sound is a recipe: a function that returns a list of float samples
in the range -1..1 at RATE samples a second.  The SOUNDS table maps a
file name in content/wav/ to its recipe; to add a sound, write a new
function and add a line to the table.

Output is 16-bit PCM mono WAV.  Only the Python standard library is used
and there is no randomness, so the files come out the same every time.

Usage: make_sounds.py [OUTPUT_DIR]   (default: content/wav beside tools/)
"""
import math
import os
import struct
import sys
import wave

RATE = 22050


# ---------------------------------------------------------------- helpers

def seconds(n):
    """Number of samples in n seconds."""
    return int(round(n * RATE))


def tone(freq, length, phase=0.0):
    """A plain sine wave of freq Hz lasting length seconds."""
    w = 2.0 * math.pi * freq / RATE
    return [math.sin(phase + w * i) for i in range(seconds(length))]


def decay(samples, time_constant):
    """Exponential decay: the level falls to 1/e after time_constant seconds."""
    k = 1.0 / (time_constant * RATE)
    return [s * math.exp(-k * i) for i, s in enumerate(samples)]


def fade(samples, fade_in=0.002, fade_out=0.010):
    """Raised-cosine fade in and fade out, so the sound starts and ends at zero."""
    out = list(samples)
    n = len(out)
    a = min(seconds(fade_in), n // 2)
    b = min(seconds(fade_out), n // 2)
    for i in range(a):
        out[i] *= 0.5 - 0.5 * math.cos(math.pi * i / a)
    for i in range(b):
        out[n - 1 - i] *= 0.5 - 0.5 * math.cos(math.pi * i / b)
    if n:
        out[-1] = 0.0
    return out


def mix(*parts):
    """Add (gain, samples) pairs together; the result is as long as the longest."""
    n = max(len(s) for _, s in parts)
    out = [0.0] * n
    for gain, s in parts:
        for i, v in enumerate(s):
            out[i] += gain * v
    return out


def normalise(samples, peak):
    """Scale so the loudest sample is exactly `peak` (0..1)."""
    top = max((abs(s) for s in samples), default=0.0)
    if top == 0.0:
        return list(samples)
    return [s * peak / top for s in samples]


def write_wav(path, samples):
    """Write float samples as 16-bit PCM mono WAV, clamped so nothing clips."""
    frames = bytearray()
    for s in samples:
        v = int(round(max(-1.0, min(1.0, s)) * 32767))
        frames += struct.pack("<h", v)
    with wave.open(path, "wb") as w:
        w.setnchannels(1)
        w.setsampwidth(2)
        w.setframerate(RATE)
        w.writeframes(bytes(frames))


# ---------------------------------------------------------------- recipes

def click():
    """A short soft 'tick' for buttons: about 50 ms."""
    length = 0.050
    body = decay(tone(1400.0, length), 0.006)        # the woody knock
    snap = decay(tone(3200.0, length, 0.5), 0.0025)  # the crisp edge
    thump = decay(tone(380.0, length), 0.010)        # a little weight
    s = mix((1.0, body), (0.45, snap), (0.35, thump))
    s = fade(s, fade_in=0.0015, fade_out=0.012)
    return normalise(s, 0.55)


# file name in content/wav/ -> recipe
SOUNDS = {
    "click.wav": click,
}


def main(argv):
    here = os.path.dirname(os.path.abspath(__file__))
    default = os.path.join(here, "..", "..", "content", "wav")
    out_dir = os.path.normpath(argv[1] if len(argv) > 1 else default)
    os.makedirs(out_dir, exist_ok=True)
    for name, recipe in SOUNDS.items():
        samples = recipe()
        path = os.path.join(out_dir, name)
        write_wav(path, samples)
        print("%s: %d ms, peak %.2f" % (path, len(samples) * 1000 // RATE,
                                         max(abs(s) for s in samples)))
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
