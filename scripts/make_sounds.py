#!/usr/bin/env python3
"""Synthesises Velmora's wave files with nothing but the standard library.

    make_sounds.py [DIR]            the four game sounds (default: assets/sounds)
    make_sounds.py --formats DIR    test waves of one known signal in many formats

The game sounds are mono, 16-bit: a soft chime, a short refusal buzz and the
wooden click of a piece put down at 22050 Hz, and a calm pentatonic tune at
44100 Hz, the library's output rate, so that no resampling touches the seam
where it loops. The tune loops without a click: every note that rings past
the end of the loop is folded back onto its beginning, so the last sample
runs into the first.
"""
import math
import os
import random
import struct
import sys
import wave

RATE = 22050


def write_wave(path, samples, rate=RATE):
    """Mono float samples in -1..1 as 16-bit PCM."""
    frames = bytearray()
    for s in samples:
        frames += struct.pack("<h", max(-32767, min(32767, int(round(s * 32767)))))
    with wave.open(path, "wb") as w:
        w.setnchannels(1)
        w.setsampwidth(2)
        w.setframerate(rate)
        w.writeframes(bytes(frames))


def normalise(samples, peak):
    top = max(abs(s) for s in samples) or 1.0
    return [s * peak / top for s in samples]


def chime():
    """Two bell partials a fifth apart and a soft octave, slowly fading."""
    n = int(1.3 * RATE)
    out = []
    for i in range(n):
        t = i / RATE
        attack = min(1.0, t / 0.004)
        s = 0.0
        for f, a, d in ((1318.5, 1.0, 3.2), (1975.5, 0.55, 4.0), (2637.0, 0.25, 6.0), (659.25, 0.3, 2.5)):
            s += a * math.exp(-d * t) * math.sin(2 * math.pi * f * t)
        out.append(s * attack)
    out[-64:] = [x * (k / 64) for k, x in zip(range(63, -1, -1), out[-64:])]
    return normalise(out, 0.5)


def buzz():
    """Two short low pulses of a soft square wave: "no"."""
    out = []
    for start, length in ((0.0, 0.11), (0.15, 0.13)):
        gap = int(start * RATE) - len(out)
        out += [0.0] * max(0, gap)
        n = int(length * RATE)
        for i in range(n):
            t = i / RATE
            env = min(1.0, t / 0.005, (length - t) / 0.02)
            s = sum(math.sin(2 * math.pi * 155 * k * t) / k for k in (1, 3, 5, 7))
            out.append(env * s)
    out += [0.0] * int(0.02 * RATE)
    return normalise(out, 0.55)


def click():
    """A short burst of noise through two wooden resonances."""
    rnd = random.Random(7)
    n = int(0.14 * RATE)
    out = []
    y1 = y2 = z1 = z2 = 0.0

    def coeffs(f, r):
        return 2 * r * math.cos(2 * math.pi * f / RATE), -r * r

    a1, b1 = coeffs(950, 0.993)
    a2, b2 = coeffs(2300, 0.985)
    for i in range(n):
        t = i / RATE
        x = rnd.uniform(-1, 1) * math.exp(-t / 0.0025)
        y = x + a1 * y1 + b1 * y2
        z = x + a2 * z1 + b2 * z2
        y2, y1, z2, z1 = y1, y, z1, z
        out.append((0.6 * y + 0.4 * z) * math.exp(-t / 0.03))
    out[-32:] = [x * (k / 32) for k, x in zip(range(31, -1, -1), out[-32:])]
    return normalise(out, 0.8)


# The tune: D minor pentatonic (D F G A C), 8 bars of 4 beats.
TUNE_RATE = 44100
BEAT = 40000  # samples per beat at TUNE_RATE: about 66 beats a minute
NOTE = {"C3": 130.81, "D3": 146.83, "F3": 174.61, "G3": 196.0, "A3": 220.0,
        "C4": 261.63, "D4": 293.66, "F4": 349.23, "G4": 392.0, "A4": 440.0,
        "C5": 523.25, "D5": 587.33, "F5": 698.46}
MELODY = [  # (beat, note, beats)
    (0, "A4", 1.5), (1.5, "G4", 0.5), (2, "F4", 1), (3, "D4", 1),
    (4, "F4", 1), (5, "G4", 1), (6, "A4", 2),
    (8, "C5", 1.5), (9.5, "A4", 0.5), (10, "G4", 1), (11, "F4", 1),
    (12, "G4", 3),
    (16, "A4", 1), (17, "C5", 1), (18, "D5", 2),
    (20, "C5", 1), (21, "A4", 1), (22, "G4", 1), (23, "F4", 1),
    (24, "G4", 1.5), (25.5, "F4", 0.5), (26, "D4", 1), (27, "F4", 1),
    (28, "D4", 4),
]
BASS = [(0, "D3"), (4, "A3"), (8, "F3"), (12, "C3"), (16, "D3"), (20, "F3"), (24, "G3"), (28, "D3")]
CHORDS = [(0, ("D4", "A4")), (8, ("F4", "C5")), (16, ("D4", "A4")), (24, ("G4", "D5"))]


def add_folded(buf, start, samples):
    n = len(buf)
    for i, s in enumerate(samples):
        buf[(start + i) % n] += s


def pluck(freq, seconds, rate):
    """A koto-like plucked string: bright at first, mellow as it rings."""
    n = int(seconds * rate)
    out = []
    for i in range(n):
        t = i / rate
        env = min(1.0, t / 0.006) * math.exp(-2.2 * t)
        s = 0.0
        for k, a in ((1, 1.0), (2, 0.45), (3, 0.22), (4, 0.1)):
            s += a * math.exp(-1.5 * k * t) * math.sin(2 * math.pi * freq * k * t)
        out.append(env * s)
    fade = min(n, 256)
    for k in range(fade):
        out[n - 1 - k] *= k / fade
    return out


def pad(freq, seconds, rate):
    """A soft sustained tone that swells in and out."""
    n = int(seconds * rate)
    out = []
    for i in range(n):
        t = i / rate
        env = math.sin(math.pi * i / n) ** 2
        out.append(env * (math.sin(2 * math.pi * freq * t) + 0.2 * math.sin(2 * math.pi * 2 * freq * t)))
    return out


def tune():
    buf = [0.0] * (32 * BEAT)
    for beat, note, beats in MELODY:
        add_folded(buf, int(beat * BEAT), [0.5 * s for s in pluck(NOTE[note], max(2.5, beats * BEAT / TUNE_RATE + 1.5), TUNE_RATE)])
    for beat, note in BASS:
        add_folded(buf, beat * BEAT, [0.28 * s for s in pad(NOTE[note], 5.5 * BEAT / TUNE_RATE, TUNE_RATE)])
    for beat, notes in CHORDS:
        for note in notes:
            add_folded(buf, beat * BEAT, [0.1 * s for s in pad(NOTE[note], 9 * BEAT / TUNE_RATE, TUNE_RATE)])
    return normalise(buf, 0.45)


def game_sounds(directory):
    os.makedirs(directory, exist_ok=True)
    for name, make in (("その他.wav", chime), ("禁止.wav", buzz), ("駒打音.wav", click)):
        write_wave(os.path.join(directory, name), make())
    write_wave(os.path.join(directory, "BGM.wav"), tune(), TUNE_RATE)


# ---- Test waves: one known signal, many formats ----
# Left: a 441 Hz sine of amplitude 0.5; right: the same at half amplitude.
# Mono files carry the left signal. 0.25 s each.

def signal(rate, channels):
    n = rate // 4
    frames = []
    for i in range(n):
        s = 0.5 * math.sin(2 * math.pi * 441 * i / rate)
        frames.append((s,) if channels == 1 else (s, s / 2))
    return frames


def riff(fmt_chunk, data, fact_samples=None):
    chunks = b"fmt " + struct.pack("<I", len(fmt_chunk)) + fmt_chunk
    if fact_samples is not None:
        chunks += b"fact" + struct.pack("<II", 4, fact_samples)
    chunks += b"data" + struct.pack("<I", len(data)) + data
    if len(data) % 2:
        chunks += b"\0"
    return b"RIFF" + struct.pack("<I", 4 + len(chunks)) + b"WAVE" + chunks


def pcm_wave(rate, channels, bits, float_samples=False, extensible=False):
    frames = signal(rate, channels)
    data = bytearray()
    for frame in frames:
        for s in frame:
            if float_samples:
                data += struct.pack("<f", s)
            elif bits == 8:
                data += struct.pack("<B", int(round(s * 127)) + 128)
            else:
                v = int(round(s * (2 ** (bits - 1) - 1)))
                data += v.to_bytes(bits // 8, "little", signed=True)
    block = channels * bits // 8
    tag = 3 if float_samples else 1
    if extensible:
        guid = struct.pack("<H", tag) + bytes.fromhex("000000001000800000aa00389b71")
        mask = 0x4 if channels == 1 else 0x3
        fmt = struct.pack("<HHIIHHHHI", 0xFFFE, channels, rate, rate * block, block, bits, 22, bits, mask) + guid
    else:
        fmt = struct.pack("<HHIIHH", tag, channels, rate, rate * block, block, bits)
        if float_samples:
            fmt += struct.pack("<H", 0)
    return riff(fmt, bytes(data), len(frames) if (float_samples or extensible) else None)


IMA_STEPS = [7, 8, 9, 10, 11, 12, 13, 14, 16, 17, 19, 21, 23, 25, 28, 31, 34, 37, 41, 45, 50, 55, 60, 66, 73,
             80, 88, 97, 107, 118, 130, 143, 157, 173, 190, 209, 230, 253, 279, 307, 337, 371, 408, 449, 494,
             544, 598, 658, 724, 796, 876, 963, 1060, 1166, 1282, 1411, 1552, 1707, 1878, 2066, 2272, 2499,
             2749, 3024, 3327, 3660, 4026, 4428, 4871, 5358, 5894, 6484, 7132, 7845, 8630, 9493, 10442,
             11487, 12635, 13899, 15289, 16818, 18500, 20350, 22385, 24623, 27086, 29794, 32767]
IMA_INDEX = [-1, -1, -1, -1, 2, 4, 6, 8]


def ima_adpcm_wave(rate):
    """Mono IMA ADPCM, 512-byte blocks of 1017 samples."""
    pcm = [int(round(f[0] * 32767)) for f in signal(rate, 1)]
    per_block = 1017
    pcm += [0] * (-len(pcm) % per_block)
    data = bytearray()
    for b in range(0, len(pcm), per_block):
        block = pcm[b:b + per_block]
        predictor, index = block[0], 0
        data += struct.pack("<hBB", predictor, index, 0)
        codes = []
        for s in block[1:]:
            step = IMA_STEPS[index]
            diff = s - predictor
            code = 8 if diff < 0 else 0
            diff = abs(diff)
            delta = step >> 3
            for bit, part in ((4, step), (2, step >> 1), (1, step >> 2)):
                if diff >= part:
                    code |= bit
                    diff -= part
                    delta += part
            predictor += -delta if code & 8 else delta
            predictor = max(-32768, min(32767, predictor))
            index = max(0, min(88, index + IMA_INDEX[code & 7]))
            codes.append(code)
        for k in range(0, len(codes), 2):
            data.append(codes[k] | (codes[k + 1] << 4))
    fmt = struct.pack("<HHIIHHHH", 0x11, 1, rate, rate * 512 // per_block, 512, 4, 2, per_block)
    return riff(fmt, bytes(data), len(pcm))


TEST_WAVES = {
    "pcm8_mono_8000.wav": lambda: pcm_wave(8000, 1, 8),
    "pcm16_mono_22050.wav": lambda: pcm_wave(22050, 1, 16),
    "pcm16_stereo_44100.wav": lambda: pcm_wave(44100, 2, 16),
    "pcm24_stereo_48000.wav": lambda: pcm_wave(48000, 2, 24),
    "pcm24_ext_mono_96000.wav": lambda: pcm_wave(96000, 1, 24, extensible=True),
    "pcm32_mono_44100.wav": lambda: pcm_wave(44100, 1, 32),
    "float32_stereo_44100.wav": lambda: pcm_wave(44100, 2, 32, float_samples=True),
    "float32_mono_11025.wav": lambda: pcm_wave(11025, 1, 32, float_samples=True),
    "ima_adpcm_mono_22050.wav": lambda: ima_adpcm_wave(22050),
}


def test_waves(directory):
    os.makedirs(directory, exist_ok=True)
    for name, make in TEST_WAVES.items():
        with open(os.path.join(directory, name), "wb") as f:
            f.write(make())


def main(argv):
    if len(argv) == 3 and argv[1] == "--formats":
        test_waves(argv[2])
    elif len(argv) <= 2:
        here = os.path.dirname(os.path.abspath(__file__))
        game_sounds(argv[1] if len(argv) == 2 else os.path.join(here, "..", "assets", "sounds"))
    else:
        sys.stderr.write(__doc__)
        return 2
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
