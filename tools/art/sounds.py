"""The game's five sounds, synthesised: chimes, a block bell, a whistle and a
soft buzzer. Mono, 16 bits, 22050 samples per second, each under 2 s.

Oscillators advance by rotating a (cos, sin) pair and envelopes by repeated
multiplication, so only IEEE +, - and * are used: every machine makes the
same samples.
"""

RATE = 22050
PI = 3.141592653589793


def _sin_cos(x):
    """sin and cos of a small angle (|x| < 1) by their series."""
    x2 = x * x
    s, c = x, 1.0
    term_s, term_c = x, 1.0
    for n in range(1, 10):
        term_s *= -x2 / ((2 * n) * (2 * n + 1))
        term_c *= -x2 / ((2 * n - 1) * (2 * n))
        s += term_s
        c += term_c
    return s, c


def _decay(seconds_to_tenth):
    """Per-sample factor r that brings a level to a tenth in the given time:
    r ** n = 0.1, found by Newton steps."""
    n = max(1, int(seconds_to_tenth * RATE))
    r = 1.0 - 2.3 / n
    for _ in range(4):
        p = _pow(r, n)
        r -= (p - 0.1) / (n * p / r)
    return r


def _pow(r, n):
    result, base = 1.0, r
    while n:
        if n & 1:
            result *= base
        base *= base
        n >>= 1
    return result


class Mix:
    def __init__(self, seconds):
        self.buf = [0.0] * int(seconds * RATE)

    def tone(self, start, freq, amp, seconds_to_tenth, attack=0.004, length=None):
        """A decaying sine partial starting at `start` seconds."""
        step_s, step_c = _sin_cos(2 * PI * freq / RATE)
        s, c = 0.0, 1.0
        level = amp
        fall = _decay(seconds_to_tenth)
        first = int(start * RATE)
        rise = max(1, int(attack * RATE))
        end = len(self.buf) if length is None else min(len(self.buf), first + int(length * RATE))
        for i in range(first, end):
            k = i - first
            gain = level * (k / rise if k < rise else 1.0)
            self.buf[i] += gain * s
            s, c = s * step_c + c * step_s, c * step_c - s * step_s
            level *= fall

    def bell(self, start, freq, amp, ring):
        """A struck bell: a few inharmonic partials, the high ones dying first."""
        for ratio, share, life in ((1.0, 1.0, 1.0), (2.76, 0.45, 0.45), (5.40, 0.25, 0.25),
                                   (8.93, 0.12, 0.15)):
            self.tone(start, freq * ratio, amp * share, ring * life, attack=0.002)

    def chime(self, start, freq, amp, ring):
        """A soft gong note: the fundamental with its octave and twelfth."""
        for ratio, share, life in ((1.0, 1.0, 1.0), (2.0, 0.35, 0.6), (3.0, 0.12, 0.35)):
            self.tone(start, freq * ratio, amp * share, ring * life, attack=0.006)

    def samples(self):
        n = len(self.buf)
        fade = int(0.02 * RATE)
        out = []
        for i, v in enumerate(self.buf):
            if i >= n - fade:
                v *= (n - i) / fade
            out.append(int(v * 32767 + (0.5 if v >= 0 else -0.5)))
        return out


def new_train():
    """22.wav: three rising chime notes, as before an announcement."""
    m = Mix(1.7)
    for i, f in enumerate((392.0, 523.25, 659.25)):
        m.chime(0.22 * i, f, 0.32, 0.9)
    return m.samples()


def error():
    """01.wav: two short, soft buzzes."""
    m = Mix(0.42)
    for start in (0.0, 0.2):
        for harmonic in (1, 3, 5, 7):
            m.tone(start, 150.0 * harmonic, 0.34 / harmonic, 2.0, attack=0.01, length=0.14)
    # round off the ends of each buzz
    for start in (0.0, 0.2):
        a, b = int(start * RATE), int((start + 0.14) * RATE)
        ramp = int(0.015 * RATE)
        for i in range(a, min(b, len(m.buf))):
            k = min(i - a, b - i)
            if k < ramp:
                m.buf[i] *= k / ramp
    return m.samples()


def line_section():
    """25.wav: the block bell, struck twice and once more."""
    m = Mix(1.8)
    for start in (0.0, 0.28, 0.8):
        m.bell(start, 1046.5, 0.3, 0.6)
    return m.samples()


def departure():
    """18.wav: a guard's whistle, a short blast then a longer trilled one."""
    m = Mix(1.2)
    for start, length in ((0.0, 0.22), (0.36, 0.7)):
        first, count = int(start * RATE), int(length * RATE)
        step_s, step_c = _sin_cos(2 * PI * 2450.0 / RATE)
        trill_s, trill_c = _sin_cos(2 * PI * 28.0 / RATE)
        s, c, ts, tc = 0.0, 1.0, 0.0, 1.0
        ramp = int(0.03 * RATE)
        for k in range(count):
            edge = min(1.0, k / ramp, (count - k) / ramp)
            m.buf[first + k] += 0.28 * edge * (0.75 + 0.25 * ts) * s
            s, c = s * step_c + c * step_s, c * step_c - s * step_s
            ts, tc = ts * trill_c + tc * trill_s, tc * trill_c - ts * trill_s
    return m.samples()


def delay():
    """03.wav: two falling chime notes."""
    m = Mix(1.3)
    m.chime(0.0, 659.25, 0.34, 0.8)
    m.chime(0.3, 523.25, 0.34, 0.9)
    return m.samples()


SOUNDS = [
    ("22.wav", "new train: three rising chime notes", new_train),
    ("01.wav", "error: two short soft buzzes", error),
    ("25.wav", "line-section request: the block bell, struck twice and once more", line_section),
    ("18.wav", "departure: a guard's whistle, short then long and trilled", departure),
    ("03.wav", "delay: two falling chime notes", delay),
]
