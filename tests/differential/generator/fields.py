"""Deck lines by field kind, and the texts generated for each: words and their near misses,
numbers in every spelling the deck allows, values of realistic or extreme magnitude."""

from __future__ import annotations


# Deck lines by field kind, as the converter decodes them.
TEXT_LINES = {2: 80, 3: 80, 13: 40, 14: 40, 17: 40, 19: 40, 27: 40, 36: 40, 52: 40, 235: 40,
              237: 40, 238: 40, 239: 40, 276: 40, 277: 40, 479: 40, 480: 40, 491: 40, 492: 40,
              493: 40, 497: 40, 498: 40}
INT_LINES = [20, 21, 22, 38, 39, 45, 226, 247, 249, 251, 256, 257, 272, 278, 451, 452, 453, 454,
             478, 485, 486, 487, 488, 489, 490]
TOLERANT_LINES = [24, 32, 33, 34, 42, 46, 53, 54, 133, 134, 141, 142, 150, 151, 152, 153, 231,
                  232, 233, 234, 248, 261, 499]
REAL_LINES = ([23, 25, 26, 28, 29, 30, 31, 35, 37, 40, 41, 43, 44, 47, 48, 49, 50, 51, 53, 54]
              + list(range(55, 73)) + list(range(97, 133))
              + [148, 149, 154, 155, 156, 157, 159, 166, 168, 171, 173, 208, 214, 227, 230, 236,
                 245, 250, 252, 253, 254, 255, 258, 259, 279, 280, 281, 282, 283, 284, 285, 483,
                 484, 494, 495, 496])
DECODED = set(TEXT_LINES) | set(INT_LINES) | set(TOLERANT_LINES) | set(REAL_LINES)
NUMERIC_DECODED = sorted(set(INT_LINES) | set(TOLERANT_LINES) | set(REAL_LINES))
UNREAD = [k for k in range(4, 500) if k not in DECODED]

GUARD_COUNTS = [0, 1, 2, 12, 13, 14, 19, 20, 35, 36, 37, 38, 39, 45, 46, 47, 53, 54, 55, 72, 132,
                133, 149, 150, 152, 153, 154, 171, 172, 173, 208, 213, 214, 215, 226, 230, 231,
                232, 233, 234, 235, 247, 248, 249, 250, 251, 255, 256, 257, 260, 261, 262, 272,
                276, 277, 278, 279, 283, 285, 286, 450, 451, 452, 453, 454, 478, 480, 484, 485,
                486, 488, 490, 494, 495, 496, 497, 498, 499, 500, 520]

WORDS = {
    13: ['DESIGN', 'RATING', 'SIMULATION', ' Design', ' Rating', ' Simulation'],
    14: ['COUNTERCURRENT', 'COCURRENT'],
    17: ['PLAIN', 'FINNED', 'Low-finned', 'High-Fin', 'Stud-finned'],
    27: ['NO', 'YES', 'YESTERDAY', 'NONE', 'NO COMMENT'],
    36: ['SEGMENTAL', 'DOUBLE-SEGMENTAL', 'TRIPLE-SEGMENTAL', 'NO-TUBES-IN-WINDOW SEGMENTAL',
         'ROD RING RODBAFFLE', 'PLATE RING RODBAFFLE', 'NONE'],
    235: ['AXIAL', 'RADIAL'],
    237: ['YES', 'NO'],
    239: ['YES', 'NO'],
    480: ['FORCED', 'INDUCED'],
    497: ['YES', 'NO'],
}
FLUIDS = ['WATER', 'COOLING WATER', 'STEAM', 'CRUDE OIL', 'NAPHTHA', 'AIR', 'PROPANE',
          'HEAVY GAS OIL', 'AMMONIA', 'FLUE GAS', 'GLYCOL 50%', 'KEROSENE', 'R-134A']


def near_miss(rng, w):
    kind = rng.randrange(6)
    if kind == 0:
        return w.lower()
    if kind == 1:
        return ' ' + w
    if kind == 2:
        return w + rng.choice(['X', ' EXTRA', '.', '1'])
    if kind == 3:
        return w[:-1] if len(w) > 1 else w + w
    if kind == 4:
        return w.capitalize() if w.isupper() else w.upper()
    return '  ' + w


def word_field(rng, line):
    words = WORDS[line]
    r = rng.random()
    if r < 0.75:
        return rng.choice(words)
    if r < 0.92:
        return near_miss(rng, rng.choice(words))
    return ''


# ----------------------------------------------------------------------------------------------
# Number formatting
# ----------------------------------------------------------------------------------------------
def spaced(rng, s):
    """Insert a blank somewhere inside (blanks are ignored in numeric fields)."""
    if len(s) < 2 or len(s) >= 11:
        return s
    i = rng.randrange(1, len(s))
    return s[:i] + ' ' + s[i:]


# Per-deck style switches (set by make_deck).
STYLE = {'lower_e': False}


def real_text(rng, v, allow_implied=True):
    """A real written in one of the ways a deck may hold it (columns 1 to 11 are read)."""
    r = rng.random()
    if r < 0.55:
        s = '%.*f' % (rng.randrange(0, 6), v)
        if '.' not in s:
            s += '.'
    elif r < 0.62 and allow_implied and abs(v) < 9999:
        s = str(int(round(v * 100000)))          # implied decimals: five digits of fraction
    elif r < 0.70:
        s = ('%.3E' % v).replace('E+0', 'E+').replace('E-0', 'E-')
        if rng.random() < 0.3:
            s = s.replace('E', 'D')
        if STYLE['lower_e'] and rng.random() < 0.3:
            s = s.replace('E', 'e')
    elif r < 0.75:
        m, e = ('%.2E' % v).split('E')
        s = m + ('+' if int(e) >= 0 else '-') + str(abs(int(e)))   # sign-exponent form
    elif r < 0.80:
        s = ('%g' % v).upper()
        if '.' not in s and 'E' not in s:
            s += '.0'
    elif r < 0.85:
        s = spaced(rng, '%.2f' % v)
    elif r < 0.90:
        s = ' ' * rng.randrange(1, 3) + '%.3f' % v
    elif r < 0.95:
        s = ('%.3f' % v).ljust(14) + rng.choice(['IN', 'FT', 'PSIA', 'F', 'comment 2.5'])
    else:
        s = repr(float(v))
        if 'e' in s or 'inf' in s or 'nan' in s:
            s = '%.4f' % v
    if v >= 0 and rng.random() < 0.05:
        s = '+' + s
    return s


def int_text(rng, n):
    r = rng.random()
    s = str(n)
    if r < 0.85:
        return s
    if r < 0.92:
        return spaced(rng, s)
    if r < 0.96:
        return ' ' * rng.randrange(1, 4) + s
    return ('+' + s) if n >= 0 else s


def tolerant_text(rng, v, whole_ok=True):
    """Tolerant real: with a point, as a whole number, or with a point beyond column 11."""
    r = rng.random()
    if whole_ok and r < 0.35 and abs(v) < 1e8:
        return str(int(round(v)))
    if r < 0.40:
        # the point lies beyond column 11 but within 40: read by the real rule, no point seen
        return str(int(round(abs(v)))) + ' ' * rng.randrange(9, 25) + '2.5'
    if r < 0.43:
        # a point beyond column 40 is not seen: whole-number path
        return str(int(round(abs(v)))) + ' ' * 40 + '1.5'
    s = real_text(rng, v, allow_implied=False)
    if '.' not in s[:40]:
        s = '%.4E' % v
    return s


class Gen:
    def __init__(self, rng, extreme):
        self.rng = rng
        self.extreme = extreme

    def val(self, lo, hi, zero=0.05, neg=0.0):
        rng = self.rng
        r = rng.random()
        if r < zero:
            return 0.0
        if self.extreme and rng.random() < 0.12:
            return rng.choice([1e-30, 1e-7, 3.3e-5, 1e20, 3e37, 123456789.0, -1e20, -0.5, 1e10,
                               9.99e37, 16777217.0, 0.0049999])
        v = rng.uniform(lo, hi)
        if neg and rng.random() < neg:
            v = -v
        return v

    def ival(self, lo, hi):
        rng = self.rng
        if self.extreme and rng.random() < 0.1:
            return rng.choice([-5, -1, 999999999, 123456789, 16777217, 100])
        return rng.randint(lo, hi)
