#!/usr/bin/env python3
"""Make Brambleton's sound effects.

Every sound is a recipe: a function that returns a list of float samples
in the range -1..1 at RATE samples a second.  The SOUNDS table maps a
file name in content/wav/ to its recipe; to add a sound, write a new
function and add a line to the table.

Output is 16-bit PCM mono WAV.  Only the Python standard library is used.
Sounds that need noise take it from their own random.Random with a fixed
seed, so the files come out the same every time.

Every recipe ends with finish(): a short fade in and fade out (no pops)
and scaling so the loudest sample sits at PEAK_DBFS.  All sounds therefore
share one peak level and none jumps out louder than the rest.  Check the
results with check_sounds.py.

Usage: make_sounds.py [OUTPUT_DIR] [NAME.wav ...]
       (default OUTPUT_DIR: content/wav beside tools/; default: every sound)
"""
import math
import os
import random
import struct
import sys
import wave

RATE = 22050
NYQUIST = RATE / 2.0
PEAK_DBFS = -3.0                      # every file's loudest sample
PEAK = 10.0 ** (PEAK_DBFS / 20.0)     # ... as a fraction of full scale
LOUD_MAX = -13.0                      # loudest moment allowed (see loudest_moment)
TWO_PI = 2.0 * math.pi


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


def add_at(out, samples, start, gain=1.0):
    """Add samples into the list out from time `start` (seconds); out grows to fit."""
    i0 = seconds(start)
    need = i0 + len(samples)
    if need > len(out):
        out.extend([0.0] * (need - len(out)))
    for i, v in enumerate(samples):
        out[i0 + i] += gain * v
    return out


def tail_off(samples, fade_out=0.005):
    """Fade the last few milliseconds of a part to zero, so cutting it off
    where its list ends makes no click."""
    return fade(samples, 0.0, fade_out)


def scale(samples, gains):
    """Multiply sample by sample (gains is a list as long as samples)."""
    return [s * g for s, g in zip(samples, gains)]


def curve(points, length, log=False):
    """A control curve length seconds long through (time, value) points.

    Straight lines between the points (straight in log(value) when log is
    true, which suits pitches); the first and last values are held."""
    n = seconds(length)
    out = [0.0] * n
    pts = [(seconds(t), math.log(v) if log else v) for t, v in points]
    j = 0
    for i in range(n):
        while j + 1 < len(pts) and pts[j + 1][0] <= i:
            j += 1
        if j + 1 >= len(pts) or i <= pts[j][0]:
            v = pts[j][1] if i >= pts[0][0] else pts[0][1]
        else:
            (t0, v0), (t1, v1) = pts[j], pts[j + 1]
            v = v0 + (v1 - v0) * (i - t0) / float(t1 - t0)
        out[i] = math.exp(v) if log else v
    return out


def noise(length, rng):
    """White noise, -1..1, from the given random generator."""
    return [rng.uniform(-1.0, 1.0) for _ in range(seconds(length))]


def drift(rng, length, rate, depth):
    """A smooth random wander around 0 (about +/-depth), changing rate times a second."""
    n = seconds(length)
    step = max(1, int(RATE / rate))
    knots = [rng.uniform(-depth, depth) for _ in range(n // step + 2)]
    out = [0.0] * n
    for i in range(n):
        k, f = divmod(i, step)
        f = 0.5 - 0.5 * math.cos(math.pi * f / step)
        out[i] = knots[k] + (knots[k + 1] - knots[k]) * f
    return out


def vibrato(length, rate, depth, delay=0.0, rise=0.15):
    """Pitch multiplier 1 +/- depth at rate Hz, fading in after `delay` seconds."""
    n = seconds(length)
    d0 = seconds(delay)
    r = max(1, seconds(rise))
    w = TWO_PI * rate / RATE
    out = [1.0] * n
    for i in range(d0, n):
        amount = min(1.0, (i - d0) / r)
        out[i] = 1.0 + depth * amount * math.sin(w * (i - d0))
    return out


def oscillate(freqs, partials=((1, 1.0),), phase=0.0):
    """Additive oscillator following a per-sample frequency list.

    partials is a list of (multiple, amplitude).  A partial fades away as it
    nears the Nyquist limit so nothing folds back as a whistle."""
    out = [0.0] * len(freqs)
    top = 0.45 * RATE
    knee = 0.38 * RATE
    for i, f in enumerate(freqs):
        phase += TWO_PI * f / RATE
        s = 0.0
        for m, a in partials:
            fm = m * f
            if fm >= top:
                continue
            if fm > knee:
                a *= (top - fm) / (top - knee)
            s += a * math.sin(m * phase)
        out[i] = s
    return out


def _blep(t, dt):
    """Poly-BLEP correction for a step at phase 0 (smooths a saw's jump)."""
    if t < dt:
        t /= dt
        return t + t - t * t - 1.0
    if t > 1.0 - dt:
        t = (t - 1.0) / dt
        return t * t + t + t + 1.0
    return 0.0


def saw(freqs, phase=0.0):
    """Band-limited sawtooth following a per-sample frequency list."""
    out = [0.0] * len(freqs)
    t = phase
    for i, f in enumerate(freqs):
        dt = f / RATE
        out[i] = 2.0 * t - 1.0 - _blep(t, dt)
        t += dt
        if t >= 1.0:
            t -= 1.0
    return out


def pulse(freqs, duty=0.5, phase=0.0):
    """Band-limited pulse wave (high for `duty` of each cycle), no DC."""
    out = [0.0] * len(freqs)
    t = phase
    dc = 2.0 * duty - 1.0
    for i, f in enumerate(freqs):
        dt = f / RATE
        v = 1.0 if t < duty else -1.0
        t2 = t - duty
        if t2 < 0.0:
            t2 += 1.0
        out[i] = v + _blep(t, dt) - _blep(t2, dt) - dc
        t += dt
        if t >= 1.0:
            t -= 1.0
    return out


def biquad(samples, kind, freq, q=0.7071, bw=None, every=8, gain_db=0.0):
    """Two-pole filter: kind is 'lp', 'hp', 'bp' (band-pass, peak gain 1)
    or 'shelf' (lifts everything above freq by gain_db).

    freq may be a number or a per-sample list (the filter then follows it,
    updating every `every` samples).  Give either q or a bandwidth in Hz."""
    varying = isinstance(freq, list)

    def coeffs(f):
        f = min(max(f, 10.0), 0.45 * RATE)
        qq = f / bw if bw else q
        w0 = TWO_PI * f / RATE
        cw = math.cos(w0)
        alpha = math.sin(w0) / (2.0 * qq)
        a0 = 1.0 + alpha
        if kind == "shelf":
            A = 10.0 ** (gain_db / 40.0)
            r = 2.0 * math.sqrt(A) * alpha
            a0 = (A + 1.0) - (A - 1.0) * cw + r
            return (A * ((A + 1.0) + (A - 1.0) * cw + r) / a0,
                    -2.0 * A * ((A - 1.0) + (A + 1.0) * cw) / a0,
                    A * ((A + 1.0) + (A - 1.0) * cw - r) / a0,
                    2.0 * ((A - 1.0) - (A + 1.0) * cw) / a0,
                    ((A + 1.0) - (A - 1.0) * cw - r) / a0)
        if kind == "lp":
            b = ((1.0 - cw) / 2.0, 1.0 - cw, (1.0 - cw) / 2.0)
        elif kind == "hp":
            b = ((1.0 + cw) / 2.0, -(1.0 + cw), (1.0 + cw) / 2.0)
        else:
            b = (alpha, 0.0, -alpha)
        return (b[0] / a0, b[1] / a0, b[2] / a0,
                -2.0 * cw / a0, (1.0 - alpha) / a0)

    out = [0.0] * len(samples)
    b0, b1, b2, a1, a2 = coeffs(freq[0] if varying else freq)
    x1 = x2 = y1 = y2 = 0.0
    for i, x in enumerate(samples):
        if varying and i % every == 0:
            b0, b1, b2, a1, a2 = coeffs(freq[i])
        y = b0 * x + b1 * x1 + b2 * x2 - a1 * y1 - a2 * y2
        x2, x1, y2, y1 = x1, x, y1, y
        out[i] = y
    return out


def lowpass(samples, cutoff):
    """Gentle one-pole low-pass (6 dB an octave)."""
    k = 1.0 - math.exp(-TWO_PI * cutoff / RATE)
    out = [0.0] * len(samples)
    y = 0.0
    for i, x in enumerate(samples):
        y += k * (x - y)
        out[i] = y
    return out


def highpass(samples, cutoff):
    """Gentle one-pole high-pass (6 dB an octave)."""
    low = lowpass(samples, cutoff)
    return [x - l for x, l in zip(samples, low)]


def dc_block(samples):
    """Remove any steady offset (a very low high-pass)."""
    return highpass(samples, 12.0)


def soft_clip(samples, drive):
    """Round off the tops of a waveform (adds growl), output -1..1."""
    return [math.tanh(drive * s) for s in samples]


def room(samples, wet=0.2, size=1.0, tail=0.3):
    """A small, plain room echo (four combs and two all-passes).

    Adds `tail` seconds to the end so the echo can die away."""
    dry = list(samples) + [0.0] * seconds(tail)
    n = len(dry)
    acc = [0.0] * n
    for d, fb in ((557, 0.76), (593, 0.75), (641, 0.74), (677, 0.73)):
        d = int(d * size)
        buf = [0.0] * d
        store = 0.0
        for i in range(n):
            j = i % d
            y = buf[j]
            store = y * 0.6 + store * 0.4           # damping: dull the echo
            buf[j] = dry[i] + store * fb
            acc[i] += y
    for d, g in ((277, 0.5), (211, 0.5)):
        buf = [0.0] * d
        for i in range(n):
            j = i % d
            b = buf[j]
            y = -acc[i] + b
            buf[j] = acc[i] + b * g
            acc[i] = y
    return [x + wet * 0.25 * y for x, y in zip(dry, acc)]


def loudest_moment(samples, window=0.4):
    """How loud the loudest `window` seconds sound, in dB (like LUFS).

    The samples are weighted the way broadcast loudness meters do it
    (bass counts for less, presence a little more) and the mean square
    taken over a sliding window; a sound shorter than the window is
    measured whole."""
    w = biquad(biquad(samples, "shelf", 1500.0, gain_db=4.0), "hp", 38.0, q=0.5)
    n = len(w)
    if n == 0:
        return float("-inf")
    win = min(n, seconds(window))
    acc = sum(v * v for v in w[:win])
    best = acc
    for i in range(win, n):
        acc += w[i] * w[i] - w[i - win] * w[i - win]
        if acc > best:
            best = acc
    ms = best / win
    return -0.691 + 10.0 * math.log10(ms) if ms > 0 else float("-inf")


def finish(samples, fade_in=0.001, fade_out=0.030):
    """Every recipe's last step: no offset, fades against pops, level.

    The loudest sample is set to PEAK_DBFS; then, if the sound's loudest
    moment is still above LOUD_MAX (a steady buzz or tone), it is turned
    down to LOUD_MAX, so no sound is much louder than the others."""
    s = normalise(fade(dc_block(samples), fade_in, fade_out), PEAK)
    loud = loudest_moment(s)
    if loud > LOUD_MAX:
        g = 10.0 ** ((LOUD_MAX - loud) / 20.0)
        s = [v * g for v in s]
    return s


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


# ---------------------------------------------------------------- voices
# Building blocks shared by several recipes.

# Vowel formants (Hz) for a grown-up voice; children's are about 1.2x higher.
VOWELS = {
    "ah": (730, 1090, 2440),
    "eh": (530, 1840, 2480),
    "ee": (300, 2250, 3000),
    "oh": (570, 840, 2410),
    "oo": (320, 870, 2240),
    "r": (420, 1300, 1650),
}
FORMANT_BW = (90.0, 120.0, 170.0)
FORMANT_GAIN = (1.0, 0.7, 0.45)


def formant_tracks(vowel_points, length, shift=1.0):
    """Three formant-frequency curves from (time, vowel) points."""
    return [curve([(t, VOWELS[v][k] * shift) for t, v in vowel_points], length)
            for k in range(3)]


def formants(source, tracks, gains=FORMANT_GAIN, widths=FORMANT_BW):
    """Pass a buzzy source through parallel formant filters (makes vowels)."""
    out = [0.0] * len(source)
    for track, g, w in zip(tracks, gains, widths):
        band = biquad(source, "bp", track, bw=w)
        for i, v in enumerate(band):
            out[i] += g * v
    return out


def sung_voice(rng, length, pitch_points, vowel_points, amp_points,
               shift=1.2, breath=0.25, wobble=0.015):
    """One cheering voice: a buzz at a sliding pitch, shaped into vowels."""
    n = seconds(length)
    f0 = curve(pitch_points, length, log=True)
    wander = drift(rng, length, 7.0, wobble)
    freqs = [f * (1.0 + w) for f, w in zip(f0, wander)]
    buzz = lowpass(saw(freqs, rng.random()), 1800.0)
    air = noise(length, rng)
    amp = curve(amp_points, length)
    src = [(b + breath * a) * e for b, a, e in zip(buzz, air, amp)]
    out = formants(src, formant_tracks(vowel_points, length, shift))
    return tail_off(out[:n])


def brass_note(freq, length, level=1.0, bright=1.0, vib=0.006, harmonics=14):
    """One brass note (trumpet/horn-like) lasting `length` seconds plus release.

    Additive: harmonics whose strength grows with loudness (brass gets
    brighter as it gets louder), a small scoop up to pitch at the start,
    and vibrato that creeps in on longer notes."""
    release = 0.07
    total = length + release
    amp = curve([(0.0, 0.25), (0.025, 1.12), (0.07, 1.0), (length, 0.92),
                 (total, 0.0)], total)
    bend = curve([(0.0, 0.965), (0.035, 1.0)], total)
    vibr = vibrato(total, 5.6, vib, delay=0.16, rise=0.2)
    freqs = [freq * b * v for b, v in zip(bend, vibr)]
    base = [(k, 1.0 / k ** 0.75) for k in range(1, harmonics + 1)]
    out = [0.0] * len(freqs)
    phase = 0.0
    top = 0.43 * RATE
    knee = 0.36 * RATE
    for i, f in enumerate(freqs):
        phase += TWO_PI * f / RATE
        e = amp[i]
        tilt = max(e, 0.0) ** (0.45 * bright)   # each harmonic up: one more 'tilt'
        g = e
        s = 0.0
        for k, a in base:
            fk = k * f
            if fk >= top:
                break
            if fk > knee:                       # fade out near the top, smoothly
                a *= (top - fk) / (top - knee)
            s += a * g * math.sin(k * phase)
            g *= tilt
        out[i] = level * s
    return out


def play_notes(notes, instrument, **options):
    """Lay out (start, length, freq, level) notes played by `instrument`."""
    out = []
    for start, length, freq, level in notes:
        add_at(out, instrument(freq, length, level=level, **options), start)
    return out


def note(name):
    """Frequency of a note such as 'C5', 'F#4' or 'Bb5' (A4 = 440 Hz)."""
    steps = {"C": -9, "D": -7, "E": -5, "F": -4, "G": -2, "A": 0, "B": 2}
    n = steps[name[0]]
    rest = name[1:]
    while rest and rest[0] in "#b":
        n += 1 if rest[0] == "#" else -1
        rest = rest[1:]
    return 440.0 * 2.0 ** ((n + 12 * (int(rest) - 4)) / 12.0)


# ---------------------------------------------------------------- recipes

def click():
    """A short soft 'tick' for buttons: 40 ms, sounding from the first sample."""
    length = 0.040
    body = decay(tone(1400.0, length), 0.006)        # the woody knock
    snap = decay(tone(3200.0, length, 0.5), 0.0025)  # the crisp edge
    thump = decay(tone(380.0, length), 0.010)        # a little weight
    s = mix((1.0, body), (0.45, snap), (0.35, thump))
    return finish(s, fade_in=0.0005, fade_out=0.012)


def typekey():
    """A typewriter key striking: a sharp clack, a metal ring, a small return tick."""
    rng = random.Random(101)
    length = 0.070
    snap = decay(biquad(noise(length, rng), "hp", 2500.0), 0.0016)
    clack = decay(biquad(noise(length, rng), "bp", 2200.0, q=4.0), 0.005)
    ring = mix((1.0, decay(tone(2870.0, length), 0.007)),
               (0.7, decay(tone(4130.0, length, 1.0), 0.005)),
               (0.5, decay(tone(5310.0, length, 2.0), 0.004)))
    body = decay(tone(190.0, length), 0.012)
    tick = tail_off(decay(biquad(noise(0.03, rng), "bp", 1600.0, q=5.0), 0.003))
    s = mix((1.0, snap), (1.2, clack), (0.18, ring), (0.35, body))
    add_at(s, tick, 0.024, 0.45)
    return finish(s[:seconds(length)], fade_in=0.0003, fade_out=0.015)


def thud3():
    """A soft wooden thud: a label set down on a table."""
    rng = random.Random(103)
    length = 0.220
    pitch = curve([(0.0, 150.0), (0.05, 96.0), (length, 90.0)], length, log=True)
    body = scale(oscillate(pitch, ((1, 1.0), (2, 0.15))),
                 [math.exp(-i / (0.045 * RATE)) for i in range(seconds(length))])
    wood = mix((1.0, decay(tone(430.0, length), 0.020)),
               (0.5, decay(tone(1080.0, length, 0.7), 0.009)),
               (0.25, decay(tone(1730.0, length, 1.9), 0.005)))
    knock = decay(lowpass(noise(length, rng), 1200.0), 0.004)
    s = mix((1.0, body), (0.35, wood), (0.6, knock))
    s = lowpass(s, 2500.0)                      # soft, not sharp
    return finish(s, fade_in=0.0015, fade_out=0.040)


def fanf2():
    """Full marks: a bright trumpet call, up the chord to a held top note."""
    C5, E5, G5, C6 = note("C5"), note("E5"), note("G5"), note("C6")
    lead = [(0.00, 0.11, C5, 0.85), (0.13, 0.11, E5, 0.85), (0.26, 0.11, G5, 0.9),
            (0.39, 0.26, C6, 1.0), (0.68, 0.11, G5, 0.85), (0.81, 1.15, C6, 1.0)]
    chord = [(0.81, 1.15, E5, 0.45), (0.81, 1.15, G5, 0.45)]
    s = play_notes(lead, brass_note, bright=1.0, vib=0.007)
    s = mix((1.0, s), (1.0, play_notes(chord, brass_note, bright=0.8, vib=0.005)))
    s = room(s, wet=0.25, tail=0.25)
    return finish(s, fade_out=0.060)


def fanf3():
    """Full marks: a warmer two-horn call, 'da-da-da DAAH, da-da-DAAAH'."""
    C5, F5, A5, C6 = note("C5"), note("F5"), note("A5"), note("C6")
    A4 = note("A4")
    lead = [(0.00, 0.08, C5, 0.8), (0.12, 0.08, C5, 0.8), (0.24, 0.08, C5, 0.8),
            (0.36, 0.38, F5, 1.0), (0.80, 0.12, C5, 0.8), (0.96, 0.12, F5, 0.85),
            (1.12, 0.12, A5, 0.9), (1.28, 1.05, C6, 1.0)]
    second = [(0.36, 0.38, A4, 0.6), (0.80, 0.12, A4, 0.55), (0.96, 0.12, C5, 0.55),
              (1.12, 0.12, F5, 0.6), (1.28, 1.05, A5, 0.65), (1.28, 1.05, F5, 0.5)]
    s = mix((1.0, play_notes(lead, brass_note, bright=0.55, vib=0.006, harmonics=10)),
            (1.0, play_notes(second, brass_note, bright=0.45, vib=0.004, harmonics=10)))
    s = lowpass(s, 4000.0)                      # rounder, more like horns
    s = room(s, wet=0.3, tail=0.3)
    return finish(s, fade_out=0.080)


def crowd():
    """A crowd cheering: a swell of voices and breathy roar that dies away."""
    rng = random.Random(105)
    length = 2.75
    # the roar: breathy noise in the voice range, wandering in loudness
    roar = biquad(noise(length, rng), "bp", 900.0, q=0.6)
    roar = biquad(roar, "lp", 3200.0)
    wander = drift(rng, length, 4.0, 0.35)
    roar = [r * (1.0 + w) for r, w in zip(roar, wander)]
    out = [0.0] * seconds(length)
    add_at(out, roar, 0.0, 0.45)
    # the voices: 'wooo!' and 'yeah!' from children and a few grown-ups
    shapes = (
        (("oo", "oh"), lambda p, L: [(0, p * 0.8), (0.3 * L, p * 1.3), (L, p * 0.95)]),
        (("eh", "ah"), lambda p, L: [(0, p * 1.1), (0.2 * L, p * 1.25), (L, p * 0.8)]),
        (("ah", "ah"), lambda p, L: [(0, p), (0.4 * L, p * 1.15), (L, p * 0.85)]),
        (("ee", "eh"), lambda p, L: [(0, p * 0.9), (0.3 * L, p * 1.2), (L, p)]),
    )
    for v in range(26):
        start = 0.0 if v < 3 else rng.uniform(0.0, 1.3)
        L = rng.uniform(0.5, 1.25)
        if v < 20:
            p, shift = rng.uniform(260.0, 420.0), 1.2
        else:
            p, shift = rng.uniform(120.0, 220.0), 1.0
        vowels, contour = shapes[rng.randrange(len(shapes))]
        voice = sung_voice(rng, L, contour(p, L),
                           [(0.0, vowels[0]), (L, vowels[1])],
                           [(0.0, 0.3), (0.06, 1.0), (L - 0.25, 0.8), (L, 0.0)],
                           shift=shift)
        add_at(out, voice, start, rng.uniform(0.5, 1.0))
    swell = curve([(0.0, 0.45), (0.35, 0.9), (1.1, 1.0), (1.8, 0.75),
                   (length, 0.0)], len(out) / RATE)
    s = scale(out, swell)
    s = room(s, wet=0.45, size=1.3, tail=0.2)
    return finish(s, fade_out=0.25)


def cheer2():
    """A few children shouting 'hoo-RAY!' together."""
    rng = random.Random(107)
    out = []
    for v in range(6):
        start = 0.0 if v == 0 else rng.uniform(0.0, 0.06)
        p = rng.uniform(250.0, 340.0)
        L = rng.uniform(1.05, 1.2)
        hoo = 0.30 + rng.uniform(-0.02, 0.02)
        pitch = [(0.0, p), (hoo - 0.05, p * 1.05), (hoo + 0.08, p * 1.35),
                 (hoo + 0.3, p * 1.5), (L, p * 1.05)]
        vowels = [(0.0, "oo"), (hoo - 0.05, "oo"), (hoo + 0.03, "r"),
                  (hoo + 0.14, "eh"), (L - 0.35, "eh"), (L - 0.05, "ee")]
        amp = [(0.0, 0.15), (0.06, 0.8), (hoo - 0.04, 0.75), (hoo, 0.35),
               (hoo + 0.1, 1.0), (L - 0.3, 0.9), (L, 0.0)]
        voice = sung_voice(rng, L, pitch, vowels, amp, shift=rng.uniform(1.15, 1.3),
                           breath=0.3)
        # the 'h' of 'hoo': a puff of breath at the very start
        puff = scale(biquad(biquad(noise(0.09, rng), "bp", 1200.0, q=0.8), "lp", 2500.0),
                     curve([(0.0, 1.0), (0.05, 0.8), (0.09, 0.0)], 0.09))
        add_at(out, puff, start, 0.35)
        add_at(out, voice, start, rng.uniform(0.7, 1.0))
    # a short tail of excited voices
    for v in range(6):
        L = rng.uniform(0.4, 0.7)
        p = rng.uniform(300.0, 450.0)
        tail = sung_voice(rng, L, [(0, p), (0.2 * L, p * 1.3), (L, p * 0.9)],
                          [(0.0, "ee"), (L, "eh")],
                          [(0.0, 0.0), (0.05, 1.0), (L, 0.0)], shift=1.25)
        add_at(out, tail, rng.uniform(1.05, 1.35), 0.25)
    s = room(out, wet=0.4, tail=0.25)
    return finish(s, fade_out=0.15)


def klaxon():
    """A comic old car horn: 'ah-OO-gah! ah-OO-gah!'"""
    rng = random.Random(109)
    hoot = 1.0
    pitch = [(0.0, 120.0), (0.12, 210.0), (0.30, 300.0), (0.50, 335.0),
             (0.80, 325.0), (hoot, 285.0)]
    vowels = [(0.0, "ah"), (0.20, "ah"), (0.32, "oo"), (0.50, "oo"),
              (0.58, "ah"), (hoot, "ah")]
    amp = [(0.0, 0.5), (0.06, 1.0), (0.28, 0.9), (0.34, 0.75), (0.52, 0.75),
           (0.56, 0.35), (0.62, 1.0), (hoot - 0.07, 1.0), (hoot, 0.0)]
    out = []
    for start in (0.0, 1.12):
        f = curve(pitch, hoot, log=True)
        rasp = drift(rng, hoot, 60.0, 0.02)    # the motor's rattle
        freqs = [x * (1.0 + r) for x, r in zip(f, rasp)]
        src = scale(pulse(freqs, 0.3), curve(amp, hoot))
        body = formants(src, formant_tracks(vowels, hoot, 1.1),
                        gains=(1.0, 0.9, 0.6), widths=(160.0, 220.0, 300.0))
        body = mix((1.0, body), (0.25, src))
        body = biquad(body, "lp", 3500.0)      # keep the growl below the top...
        body = soft_clip(normalise(body, 1.0), 1.8)   # ...so it adds no whistles
        add_at(out, tail_off(body, 0.02), start)
    return finish(out, fade_out=0.05)


def flute():
    """A short happy flute tune: breathy, with a little vibrato."""
    rng = random.Random(111)
    tune = [("D5", 0.14), ("G5", 0.14), ("B5", 0.14), ("D6", 0.28), ("B5", 0.14),
            ("D6", 0.14), ("G6", 0.75)]
    starts = []
    t = 0.0
    for name, dur in tune:
        starts.append((t, dur, note(name)))
        t += dur
    length = t + 0.12
    # pitch: each note reached with a tiny slide, vibrato on top
    pitch_pts = []
    for start, dur, f in starts:
        pitch_pts += [(start, f), (start + dur - 0.012, f)]
    pitch = curve(pitch_pts, length, log=True)
    vib = vibrato(length, 5.2, 0.006, delay=0.7, rise=0.25)
    freqs = [p * v for p, v in zip(pitch, vib)]
    # breath: a dip between tongued notes, a swell on the last one
    amp_pts = [(0.0, 0.45)]
    for start, dur, f in starts:
        amp_pts += [(start + 0.004, 0.55), (start + 0.03, 1.0), (start + dur - 0.025, 0.9)]
    amp_pts[-1] = (starts[-1][0] + starts[-1][1] - 0.1, 0.85)
    amp_pts += [(length, 0.0)]
    amp = curve(amp_pts, length)
    tremolo = vibrato(length, 5.2, 0.08, delay=0.7, rise=0.25)
    body = oscillate(freqs, ((1, 1.0), (2, 0.22), (3, 0.09), (4, 0.03)))
    air = biquad(noise(length, rng), "bp", freqs, q=4.0)
    hiss = biquad(noise(length, rng), "hp", 3000.0)
    chiff = [0.0] * seconds(length)
    for start, dur, f in starts:
        burst = tail_off(decay(biquad(noise(0.05, rng), "bp", 2.0 * f, q=2.0), 0.008))
        add_at(chiff, burst, start)
    s = [(b + 0.35 * a + 0.05 * h) * e * tr + 0.25 * c
         for b, a, h, e, tr, c in zip(body, air, hiss, amp, tremolo, chiff)]
    s = room(s, wet=0.3, tail=0.25)
    return finish(s, fade_in=0.002, fade_out=0.1)


def gong():
    """A gong: clashing (inharmonic) partials that bloom and then ring away.

    A few strong low partials carry the 'bong'; many weaker high ones,
    which swell up just after the hit and die sooner, give the shimmer."""
    rng = random.Random(113)
    length = 2.9
    n = seconds(length)
    f0 = 98.0
    partials = []               # (freq, level, time constant, bloom time)
    for k, r in enumerate((1.0, 1.41, 1.83, 2.29, 2.72, 3.19, 3.61, 4.13, 4.57,
                           5.27, 6.08, 6.93)):
        bloom = 0.0 if k < 2 else rng.uniform(0.03, 0.2)
        partials.append((f0 * r, rng.uniform(0.6, 1.0) / (1.0 + 0.25 * k),
                         1.0 / (1.0 + 0.22 * k), bloom))
    for _ in range(36):
        f = 700.0 * 7.0 ** rng.random()               # 700 Hz .. 4.9 kHz
        partials.append((f, rng.uniform(0.08, 0.22) * (700.0 / f) ** 0.3,
                         rng.uniform(0.25, 0.7) * (700.0 / f) ** 0.4,
                         rng.uniform(0.1, 0.5)))
    s = [0.0] * n
    for f, level, tau, bloom in partials:
        for beat in (-1, 1):
            w = TWO_PI * (f + beat * rng.uniform(0.2, 0.9)) / RATE  # pairs beat: shimmer
            ph = rng.uniform(0.0, TWO_PI)
            k_decay = math.exp(-1.0 / (tau * RATE))
            k_bloom = math.exp(-1.0 / (bloom * RATE)) if bloom else 0.0
            e, b = level, 1.0
            for i in range(n):
                s[i] += e * (1.0 - 0.7 * b) * math.sin(ph + w * i)
                e *= k_decay
                b *= k_bloom
                if e < 1e-5:
                    break
    strike = tail_off(decay(lowpass(noise(0.06, rng), 900.0), 0.008))
    thump = tail_off(decay(tone(62.0, 0.6), 0.08), 0.05)
    add_at(s, strike, 0.0, 1.5)
    add_at(s, thump, 0.0, 1.0)
    return finish(s, fade_in=0.001, fade_out=0.5)


def applause(seed, clappers, length, entry, exit_from):
    """Many people clapping: each clap a short burst of filtered noise.

    Each clapper has their own speed, hand 'cup' (the filter's pitch) and
    loudness, joins within `entry` seconds and stops after `exit_from`."""
    rng = random.Random(seed)
    out = [0.0] * seconds(length)
    for c in range(clappers):
        rate = rng.uniform(3.6, 5.4)
        cup = rng.uniform(800.0, 2400.0)
        q = rng.uniform(1.2, 3.0)
        loud = rng.uniform(0.5, 1.0)
        t = 0.0 if c == 0 else rng.uniform(0.0, entry)
        stop = rng.uniform(exit_from, length - 0.1)
        while t < stop:
            clap = noise(0.045, rng)
            clap = mix((1.0, biquad(clap, "bp", cup, q=q)),
                       (0.35, biquad(clap, "hp", 3000.0)))
            clap = tail_off(decay(clap, rng.uniform(0.004, 0.009)))
            add_at(out, clap, t, loud * rng.uniform(0.7, 1.0))
            t += (1.0 / rate) * rng.uniform(0.85, 1.15)
    return out[:seconds(length)]


def clap2():
    """Applause from a small group."""
    s = applause(seed=115, clappers=9, length=1.9, entry=0.25, exit_from=1.2)
    s = soft_clip(normalise(s, 1.0), 2.0)       # tame the odd loud clap
    s = room(s, wet=0.35, tail=0.2)
    return finish(s, fade_out=0.15)


def clap3():
    """Applause from a big class: thick, longer, dying away."""
    s = applause(seed=117, clappers=34, length=2.6, entry=0.4, exit_from=1.4)
    s = soft_clip(normalise(s, 1.0), 2.0)       # tame the odd loud clap
    s = room(s, wet=0.45, size=1.2, tail=0.25)
    return finish(s, fade_out=0.2)


def clown():
    """A clown's slide whistle, 'wheee-ooo-WHEEP!', then a toy horn 'honk-honk'."""
    rng = random.Random(119)
    length = 1.15
    pitch = curve([(0.0, 520.0), (0.32, 1650.0), (0.40, 1650.0), (0.68, 620.0),
                   (0.74, 620.0), (1.0, 2000.0), (length, 2100.0)], length, log=True)
    vib = vibrato(length, 6.5, 0.012, delay=0.0, rise=0.05)
    freqs = [p * v for p, v in zip(pitch, vib)]
    amp = curve([(0.0, 0.5), (0.03, 1.0), (0.66, 0.9), (0.70, 0.6), (0.76, 1.0),
                 (1.05, 1.0), (length, 0.0)], length)
    tonepart = oscillate(freqs, ((1, 1.0), (2, 0.06), (3, 0.02)))
    air = biquad(noise(length, rng), "bp", freqs, q=6.0)
    whistle = [(t + 0.4 * a) * e for t, a, e in zip(tonepart, air, amp)]
    out = list(whistle)
    for start, f in ((1.25, 370.0), (1.55, 330.0)):
        L = 0.24
        fr = curve([(0.0, f * 0.9), (0.03, f), (L - 0.05, f * 0.97), (L, f * 0.85)],
                   L, log=True)
        src = scale(pulse(fr, 0.35),
                    curve([(0.0, 0.3), (0.015, 1.0), (L - 0.05, 0.9), (L, 0.0)], L))
        honk = formants(src, formant_tracks([(0.0, "ah")], L, 1.3),
                        gains=(1.0, 1.0, 0.7), widths=(150.0, 200.0, 260.0))
        honk = biquad(mix((1.0, honk), (0.3, src)), "lp", 3000.0)
        honk = tail_off(soft_clip(normalise(honk, 1.0), 1.6), 0.02)
        add_at(out, honk, start, 0.8)
    return finish(out, fade_in=0.002, fade_out=0.04)


def snare(rng, level, wires=0.035):
    """One snare-drum stroke: the rattle of the wires and the skin's knock."""
    length = max(0.25, 8.0 * wires)
    rattle = mix((1.0, biquad(noise(length, rng), "hp", 1800.0)),
                 (0.8, biquad(noise(length, rng), "bp", 4500.0, q=0.9)))
    rattle = decay(rattle, wires)
    skin = mix((1.0, decay(tone(185.0, length), 0.025)),
               (0.5, decay(tone(330.0, length, 1.0), 0.015)))
    stick = decay(noise(0.01, rng), 0.001)
    s = mix((0.8, rattle), (0.6, skin), (0.5, stick))
    return tail_off([level * v for v in s], 0.02)


def drumroll():
    """A snare drum roll that grows, ending on a big hit with a cymbal crash."""
    rng = random.Random(121)
    roll_end = 1.62
    out = []
    swell = curve([(0.0, 0.35), (roll_end, 0.9)], roll_end + 0.05)
    t, hand = 0.0, 0
    while t < roll_end:
        accent = 1.0 if hand == 0 else 0.82
        add_at(out, snare(rng, swell[seconds(t)] * accent * rng.uniform(0.85, 1.0)), t)
        t += 0.036 + rng.uniform(-0.003, 0.003)
        hand ^= 1
    hit = roll_end + 0.07
    add_at(out, snare(rng, 1.4, wires=0.09), hit)
    kick_f = curve([(0.0, 130.0), (0.05, 55.0), (0.9, 50.0)], 0.9, log=True)
    kick = scale(oscillate(kick_f), [math.exp(-i / (0.16 * RATE)) for i in range(seconds(0.9))])
    kick = tail_off(kick, 0.05)
    add_at(out, kick, hit, 1.1)
    # the crash: a clang of square waves at odd ratios plus hiss, bright and long
    cl = 0.95
    metal = [0.0] * seconds(cl)
    for f in (205.3, 304.4, 369.6, 522.7, 540.0, 800.0):
        metal = mix((1.0, metal), (1.0, pulse([f * 1.7] * seconds(cl), 0.5, rng.random())))
    crash = mix((0.6, biquad(biquad(metal, "hp", 5000.0), "hp", 5000.0)),
                (1.0, biquad(noise(cl, rng), "hp", 4000.0)))
    crash = scale(crash, [(0.4 + 0.6 * math.exp(-i / (0.01 * RATE))) * math.exp(-i / (0.3 * RATE))
                          for i in range(seconds(cl))])
    add_at(out, tail_off(crash, 0.1), hit, 0.55)
    s = soft_clip(normalise(out, 1.0), 1.6)     # round off the big hit's first peak
    s = room(s, wet=0.3, tail=0.15)
    return finish(s, fade_out=0.2)


def laser2():
    """A sci-fi laser zap: a bright buzz that dives from high to low."""
    length = 0.45
    pitch = curve([(0.0, 3000.0), (0.40, 170.0), (length, 150.0)], length, log=True)
    wob = vibrato(length, 38.0, 0.06, delay=0.0, rise=0.001)
    freqs = [p * w for p, w in zip(pitch, wob)]
    zap = oscillate(freqs, ((1, 1.0), (2, 0.3), (3, 0.35), (5, 0.15)))
    sub = oscillate([f * 0.5 for f in freqs], ((1, 1.0),))
    amp = [math.exp(-i / (0.16 * RATE)) for i in range(seconds(length))]
    s = scale(mix((1.0, zap), (0.5, sub)), amp)
    return finish(s, fade_in=0.0005, fade_out=0.04)


def whizz():
    """A firework whizzing up and away: a rising then falling whistle in a whoosh."""
    rng = random.Random(123)
    length = 1.7
    pitch = curve([(0.0, 650.0), (0.85, 3000.0), (1.05, 3100.0), (length, 850.0)],
                  length, log=True)
    warble = vibrato(length, 13.0, 0.015, delay=0.0, rise=0.3)
    freqs = [p * w for p, w in zip(pitch, warble)]
    whistle = oscillate(freqs, ((1, 1.0), (2, 0.12)))
    whoosh = biquad(noise(length, rng), "bp", [0.8 * f for f in pitch], q=1.5)
    rumble = biquad(noise(length, rng), "lp", 500.0)
    amp = curve([(0.0, 0.3), (0.8, 1.0), (1.1, 0.9), (length, 0.0)], length)
    s = [(0.55 * w + 1.0 * h + 0.3 * r) * e
         for w, h, r, e in zip(whistle, whoosh, rumble, amp)]
    return finish(s, fade_in=0.002, fade_out=0.05)


# file name in content/wav/ -> recipe
SOUNDS = {
    "click.wav": click,        # buttons
    "typekey.wav": typekey,    # picking an answer
    "thud3.wav": thud3,        # dropping a label
    "fanf2.wav": fanf2,        # results: 10 out of 10
    "fanf3.wav": fanf3,
    "crowd.wav": crowd,        # results: 9
    "cheer2.wav": cheer2,
    "klaxon.wav": klaxon,
    "flute.wav": flute,        # results: 8
    "gong.wav": gong,
    "clap2.wav": clap2,
    "drumroll.wav": drumroll,  # results: 7
    "laser2.wav": laser2,
    "whizz.wav": whizz,
    "clap3.wav": clap3,        # results: 6
    "clown.wav": clown,
}


def main(argv):
    here = os.path.dirname(os.path.abspath(__file__))
    default = os.path.join(here, "..", "..", "content", "wav")
    args = argv[1:]
    out_dir = default
    if args and not args[0].lower().endswith(".wav"):
        out_dir = args.pop(0)
    out_dir = os.path.normpath(out_dir)
    names = args or list(SOUNDS)
    unknown = [n for n in names if n not in SOUNDS]
    if unknown:
        print("unknown sound(s): %s" % ", ".join(unknown), file=sys.stderr)
        return 2
    os.makedirs(out_dir, exist_ok=True)
    for name in names:
        samples = SOUNDS[name]()
        path = os.path.join(out_dir, name)
        write_wav(path, samples)
        print("%s: %d ms, peak %.2f" % (path, len(samples) * 1000 // RATE,
                                         max(abs(s) for s in samples)))
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
