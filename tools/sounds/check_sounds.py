#!/usr/bin/env python3
"""Check Brambleton's sound effects in content/wav/.

Reads every *.wav there with the wave module and prints, for each file,
its length, peak level, RMS level, loudest moment, when the sound starts
and how quietly it ends.  Exits with status 1 if any file breaks a rule:

  * 16-bit PCM, mono, at make_sounds.RATE samples a second;
  * every sound that make_sounds.py knows about is present;
  * short enough: click.wav under 50 ms, typekey.wav under 80 ms,
    thud3.wav under 250 ms, everything else under 3 s;
  * no clipping: no sample at full scale and the peak at most -1 dBFS;
  * levels matched: make_sounds.py sets each sound's peak to PEAK_DBFS,
    then turns steady, buzzy sounds down until their loudest moment is
    no more than LOUD_MAX.  So every peak is at most PEAK_DBFS, every
    loudest moment at most LOUD_MAX, and each sound is at one limit or
    the other (within 0.5 dB);
  * loudness matched: the loudest moment of every sound longer than half
    a second is within LOUD_SPREAD dB of those sounds' median.  "Loudest
    moment" is make_sounds.loudest_moment(): the loudest 400 ms, weighted
    like a broadcast loudness meter (dB, like LUFS);
  * sounds at once: the first sample above -40 dBFS comes within 5 ms
    (within 1 ms for click.wav, 2 ms for typekey.wav: they answer the
    pointer and must not lag it);
  * no pops: the first sample is (near) silent, the last millisecond is
    below -30 dBFS and the very last sample below -60 dBFS;
  * no steady offset (DC) above -40 dBFS.

Usage: check_sounds.py [WAV_DIR]   (default: content/wav beside tools/)
"""
import glob
import math
import os
import statistics
import sys
import wave
from array import array

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import make_sounds  # noqa: E402  (for the list of sounds, rate and peak level)

FULL = 32768.0
ONSET_DBFS = -40.0
# file name -> (longest allowed in seconds, latest allowed start in seconds)
LIMITS = {
    "click.wav": (0.050, 0.001),
    "typekey.wav": (0.080, 0.002),
    "thud3.wav": (0.250, 0.005),
}
DEFAULT_LIMITS = (3.0, 0.005)
LEVEL_TOLERANCE_DB = 0.5
MAX_PEAK_DBFS = -1.0
LOUD_SPREAD = 4.0            # dB either side of the median
LOUD_MIN_LENGTH = 0.5        # shorter sounds (clicks, taps) are not compared
END_WINDOW = 0.001
END_DBFS = -30.0
LAST_SAMPLE_DBFS = -60.0
FIRST_SAMPLE_DBFS = -40.0
DC_DBFS = -40.0


def dbfs(x):
    """Level of x (a fraction of full scale) in dBFS."""
    return 20.0 * math.log10(x) if x > 0 else float("-inf")


def read(path):
    """(channels, sample width, rate, samples as floats -1..1)."""
    with wave.open(path, "rb") as w:
        ch, width, rate = w.getnchannels(), w.getsampwidth(), w.getframerate()
        raw = w.readframes(w.getnframes())
    if width != 2:
        return ch, width, rate, []
    data = array("h")
    data.frombytes(raw)
    if sys.byteorder == "big":
        data.byteswap()
    return ch, width, rate, [v / FULL for v in data]


def measure(path):
    """A dict of measurements for one file, plus a list of problems."""
    name = os.path.basename(path)
    ch, width, rate, s = read(path)
    problems = []
    if (ch, width, rate) != (1, 2, make_sounds.RATE):
        problems.append("format %d ch %d-bit %d Hz, want mono 16-bit %d Hz"
                        % (ch, 8 * width, rate, make_sounds.RATE))
    m = {"name": name, "problems": problems, "length": 0.0, "peak": float("-inf"),
         "rms": float("-inf"), "loud": float("-inf"), "onset": None,
         "end": float("-inf")}
    if not s or width != 2 or ch != 1:
        if not s:
            problems.append("no samples")
        return m
    n = len(s)
    m["length"] = n / rate
    peak = max(abs(v) for v in s)
    m["peak"] = dbfs(peak)
    m["rms"] = dbfs(math.sqrt(sum(v * v for v in s) / n))
    m["loud"] = make_sounds.loudest_moment(s)
    threshold = 10.0 ** (ONSET_DBFS / 20.0)
    first = next((i for i, v in enumerate(s) if abs(v) >= threshold), None)
    m["onset"] = None if first is None else first / rate
    tail = s[-max(1, int(END_WINDOW * rate)):]
    m["end"] = dbfs(max(abs(v) for v in tail))

    longest, latest = LIMITS.get(name, DEFAULT_LIMITS)
    if m["length"] >= longest:
        problems.append("%.0f ms long, must be under %.0f ms"
                        % (m["length"] * 1000, longest * 1000))
    if any(v >= 32767 / FULL or v <= -1.0 for v in s):
        problems.append("clipped: samples at full scale")
    if m["peak"] > MAX_PEAK_DBFS:
        problems.append("peak %.2f dBFS above %.1f dBFS" % (m["peak"], MAX_PEAK_DBFS))
    tol = LEVEL_TOLERANCE_DB
    if m["peak"] > make_sounds.PEAK_DBFS + tol:
        problems.append("peak %.2f dBFS, above %.1f dBFS"
                        % (m["peak"], make_sounds.PEAK_DBFS))
    if m["loud"] > make_sounds.LOUD_MAX + tol:
        problems.append("loudest moment %.1f dB, above %.1f dB"
                        % (m["loud"], make_sounds.LOUD_MAX))
    if (m["peak"] < make_sounds.PEAK_DBFS - tol and
            m["loud"] < make_sounds.LOUD_MAX - tol):
        problems.append("too quiet: peak %.2f dBFS (want %.1f) and loudest moment "
                        "%.1f dB (want %.1f); neither limit reached"
                        % (m["peak"], make_sounds.PEAK_DBFS, m["loud"], make_sounds.LOUD_MAX))
    if first is None:
        problems.append("never rises above %.0f dBFS" % ONSET_DBFS)
    elif m["onset"] > latest:
        problems.append("starts late: first sound at %.1f ms, must be by %.1f ms"
                        % (m["onset"] * 1000, latest * 1000))
    if dbfs(abs(s[0])) > FIRST_SAMPLE_DBFS:
        problems.append("first sample %.1f dBFS: may pop" % dbfs(abs(s[0])))
    if m["end"] > END_DBFS:
        problems.append("last %.0f ms at %.1f dBFS: not faded out"
                        % (END_WINDOW * 1000, m["end"]))
    if dbfs(abs(s[-1])) > LAST_SAMPLE_DBFS:
        problems.append("last sample %.1f dBFS: may pop" % dbfs(abs(s[-1])))
    dc = abs(sum(s) / n)
    if dbfs(dc) > DC_DBFS:
        problems.append("DC offset %.1f dBFS" % dbfs(dc))
    return m


def fmt(x, pattern):
    return "-inf" if x is None or x == float("-inf") else pattern % x


def main(argv):
    here = os.path.dirname(os.path.abspath(__file__))
    default = os.path.join(here, "..", "..", "content", "wav")
    wav_dir = os.path.normpath(argv[1] if len(argv) > 1 else default)
    paths = sorted(glob.glob(os.path.join(wav_dir, "*.wav")) +
                   glob.glob(os.path.join(wav_dir, "*.WAV")))
    results = [measure(p) for p in paths]

    have = {r["name"].lower() for r in results}
    missing = [n for n in make_sounds.SOUNDS if n.lower() not in have]

    # loudness: compare the longer sounds with each other
    long_ones = [r for r in results if r["length"] > LOUD_MIN_LENGTH and not r["problems"]]
    if long_ones:
        median = statistics.median(r["loud"] for r in long_ones)
        for r in long_ones:
            if abs(r["loud"] - median) > LOUD_SPREAD:
                r["problems"].append("loudest moment %.1f dB, %+.1f dB from the "
                                     "median %.1f" % (r["loud"], r["loud"] - median, median))

    print("%-14s %8s %9s %9s %9s %9s %9s  %s" % (
        "file", "length", "peak", "RMS", "loudest", "starts", "end", "verdict"))
    print("%-14s %8s %9s %9s %9s %9s %9s" % (
        "", "ms", "dBFS", "dBFS", "dB", "ms", "dBFS"))
    for r in results:
        print("%-14s %8.1f %9s %9s %9s %9s %9s  %s" % (
            r["name"], r["length"] * 1000, fmt(r["peak"], "%.2f"), fmt(r["rms"], "%.1f"),
            fmt(r["loud"], "%.1f"),
            "never" if r["onset"] is None else "%.2f" % (r["onset"] * 1000),
            fmt(r["end"], "%.1f"), "ok" if not r["problems"] else "FAIL"))
    bad = False
    for r in results:
        for p in r["problems"]:
            print("%s: %s" % (r["name"], p))
            bad = True
    for n in missing:
        print("%s: missing (make_sounds.py makes it)" % n)
        bad = True
    if not results:
        print("no .wav files in %s" % wav_dir)
        bad = True
    print("FAILED" if bad else "all %d sounds pass" % len(results))
    return 1 if bad else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
