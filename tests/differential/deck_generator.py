#!/usr/bin/env python3
"""Random heat-exchanger design decks for differential testing of the converter.

    python3 deck_generator.py --seed S --count N --out DIR

writes DIR/deck_00000.txt ... Deck i depends only on (S, i), so a failing deck can be
regenerated alone with --first i --count 1. Most decks are valid and of realistic
magnitudes; some carry extreme values, short line counts (around the line-count guards),
CRLF line ends, shifted or starred first lines, long lines, or (about 3%) a malformed
number on a decoded line.
"""

from __future__ import annotations

import argparse
import os
import random

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


# ----------------------------------------------------------------------------------------------
# One deck
# ----------------------------------------------------------------------------------------------
def make_deck(rng: random.Random) -> bytes:
    extreme = rng.random() < 0.2
    STYLE['lower_e'] = rng.random() < 0.1
    g = Gen(rng, extreme)
    L = {}
    unit_kind = rng.choice(['U', 'U', 'U', 'S', 'S', 'M', 'M', 'none', 'none', 'lower'])
    us = {'U': 1, 'S': 2, 'M': 3}.get(unit_kind, rng.choice([1, 2, 3]))
    si_len = us >= 2

    # ---- lines 2 to 132 ----
    L[2] = rng.choice(['CASE 1 EXCHANGER E-101', '', 'RUN "A" 3/4" TUBES', 'x' * 85])
    L[3] = rng.choice(['', 'GENERATED DECK', 'NOTES'])
    for k in (13, 14, 17, 27, 36):
        L[k] = word_field(rng, k)
    L[19] = tema_word(rng)
    L[20] = int_text(rng, rng.choice([1, 1, 1, 2, 0, 3]))
    L[21] = int_text(rng, rng.choice([1, 1, 1, 2, 0, 4]))
    L[22] = int_text(rng, g.ival(0, 9))
    for k in (23, 25, 26, 28, 29, 30, 41, 44, 47, 48, 57, 60, 61, 62):
        L[k] = real_text(rng, g.val(0, 100))
    L[24] = tolerant_text(rng, g.val(0, 50))
    L[31] = real_text(rng, g.val(15, 45))
    spc = g.val(150, 900) if si_len else g.val(6, 40)
    L[32] = tolerant_text(rng, spc if rng.random() < 0.6 else 0.0)
    inl = g.val(150, 900) if si_len else g.val(6, 40)
    L[33] = tolerant_text(rng, inl)
    L[34] = tolerant_text(rng, inl if rng.random() < 0.6 else g.val(6, 40))
    L[35] = rng.choice(['0.0', '45.0', '90.0', '90', '30.0', '', '0', '45.', '90.00001'])
    L[37] = real_text(rng, g.val(0.1, 1.0) if not si_len else g.val(3, 25))
    L[38] = int_text(rng, g.ival(0, 20) if rng.random() < 0.85 else rng.choice([0, 1, 2, 3]))
    L[39] = int_text(rng, rng.choice([1, 1, 2, 2, 2, 4, 4, 6, 8, 0, 3, 5]))
    L[40] = real_text(rng, g.val(0.5, 1.5) if not si_len else g.val(12, 38))
    L[42] = tolerant_text(rng, rng.choice([30, 45, 60, 90, 0]))
    L[43] = real_text(rng, g.val(0.8, 2) if not si_len else g.val(20, 50))
    L[45] = int_text(rng, rng.choice([0, 1, 2, 3, 3, 4, 5, -1, 49, 50]))
    L[46] = tolerant_text(rng, g.val(20, 3000))
    L[49] = real_text(rng, g.val(5, 30))
    L[50] = real_text(rng, g.val(0.01, 0.8))
    L[51] = real_text(rng, g.val(0.005, 0.05))
    L[52] = rng.choice(['', 'CARBON STEEL', '3/4" OD'])
    tl = g.val(2, 12) if si_len else g.val(8, 40)
    L[53] = tolerant_text(rng, tl)
    L[54] = tolerant_text(rng, tl * rng.uniform(0.85, 1.0) if tl else 0.0)
    nid = (lambda: g.val(20, 900)) if si_len else (lambda: g.val(0.8, 36))
    L[55] = real_text(rng, nid())
    L[56] = real_text(rng, nid())
    L[58] = real_text(rng, g.val(0, 10))
    L[59] = real_text(rng, g.val(0, 10))
    L[63] = real_text(rng, g.val(100, 500000))
    L[64] = real_text(rng, g.val(100, 500000))
    for k in range(65, 73):
        r = rng.random()
        L[k] = real_text(rng, 0.0 if r < 0.35 else g.val(0, 100000))
    if rng.random() < 0.3:   # equal quantities for the phase-code ties
        L[69] = L[65]
        L[70] = L[66]
    for k in range(97, 133):
        if rng.random() < 0.3:
            L[k] = real_text(rng, g.val(-100, 1000))

    # ---- lines 133 to 214 ----
    p_lo, p_hi = (50, 5000) if us == 2 else (14.7, 1000)
    L[133] = tolerant_text(rng, g.val(p_lo, p_hi))
    L[134] = tolerant_text(rng, g.val(p_lo, p_hi))
    L[141] = tolerant_text(rng, g.val(0.5, 50))
    L[142] = tolerant_text(rng, g.val(0.5, 50))
    for k in (148, 149, 154, 156, 159, 208):
        if rng.random() < 0.5:
            L[k] = real_text(rng, g.val(0, 500))
    t_hot = g.val(-40, 500, neg=0.1)
    t_cold = g.val(-40, 400, neg=0.1)
    if rng.random() < 0.08:
        t_cold = t_hot
    sh, tb = (t_hot, t_cold) if rng.random() < 0.5 else (t_cold, t_hot)
    L[150] = tolerant_text(rng, sh)
    L[151] = tolerant_text(rng, sh - rng.uniform(-50, 80))
    L[152] = tolerant_text(rng, tb)
    L[153] = tolerant_text(rng, tb + rng.uniform(-50, 80))
    if rng.random() < 0.1:
        L[150] = L[152]
    L[155] = real_text(rng, g.val(0, 400))
    L[157] = real_text(rng, g.val(0, 400))
    L[166] = real_text(rng, g.val(10, 2000))
    L[168] = real_text(rng, g.val(10, 2000))
    L[171] = real_text(rng, g.val(0, 0.01))
    L[173] = real_text(rng, g.val(0, 0.01))
    L[214] = rng.choice(['0.0', '90.0', '90.', '90', '45.0', '', '0', '9.0E1', '  90.0',
                         '90.0', '0.0'])

    # ---- lines 226 to 250 ----
    L[226] = int_text(rng, rng.choice([0, 1, 2, 3]))
    L[227] = real_text(rng, g.val(4, 16) if not si_len else g.val(1200, 4800))
    L[230] = real_text(rng, g.val(0.02, 0.2) if not si_len else g.val(1, 4))
    for k in (231, 232):
        L[k] = tolerant_text(rng, 0.0 if rng.random() < 0.5 else g.val(p_lo, p_hi * 1.5, neg=0.05))
    for k in (233, 234):
        L[k] = tolerant_text(rng, 0.0 if rng.random() < 0.5 else g.val(-50, 700))
    L[235] = word_field(rng, 235)
    shell_d = g.val(200, 2000) if si_len else g.val(6, 80)
    if rng.random() < 0.15:
        shell_d = rng.choice([10.02, 16.0, 19.25, 23.25, 12.0, 0.0, 8.0])
    L[236] = real_text(rng, shell_d * rng.uniform(0.85, 0.98))
    L[237] = word_field(rng, 237)
    L[238] = rng.choice(['', 'NO', 'TEXT'])
    L[239] = word_field(rng, 239)
    L[245] = real_text(rng, g.val(0, 10))
    L[247] = int_text(rng, rng.choice([1, 1, 2, 2, 0, 3, -1]))
    L[248] = tolerant_text(rng, shell_d)
    L[249] = int_text(rng, g.ival(0, 5))
    L[250] = real_text(rng, g.val(0, 10))

    # ---- lines 251 to 285 ----
    L[251] = int_text(rng, rng.choice([0, 0, 1, 2, 3, 3, 4, -1]))
    for k in (252, 284):
        L[k] = real_text(rng, g.val(0.5, 4) if not si_len else g.val(10, 100))
    for k in (253, 285):
        L[k] = real_text(rng, 0.0 if rng.random() < 0.4 else g.val(4, 40))
    for k in (254, 255):
        L[k] = real_text(rng, g.val(10, 300) if not si_len else g.val(1e4, 2e6))
    L[256] = int_text(rng, rng.choice([0, 1, 1, 2, -1, 5]))
    L[257] = int_text(rng, rng.choice([0, 1, 2, 2, 3]))
    L[258] = real_text(rng, g.val(0.3, 1) if not si_len else g.val(8, 25))
    L[259] = real_text(rng, g.val(0.3, 1) if not si_len else g.val(8, 25))
    L[261] = rng.choice(['0', '1', '2', '1.0', '0.7', '1.5', '-1', '', '3'])
    L[272] = int_text(rng, rng.choice([0, 2, 4, 7, -2]))
    L[276] = fluid_name(rng)
    L[277] = fluid_name(rng)
    if unit_kind == 'none' or rng.random() < 0.3:
        L[278] = int_text(rng, us if rng.random() < 0.85 else rng.choice([0, 4, -1]))
    for k in (279, 280):
        L[k] = real_text(rng, nid())
    L[281] = real_text(rng, g.val(0, 10))
    for k in (282, 283):
        L[k] = real_text(rng, 0.0 if rng.random() < 0.55 else nid())

    # ---- lines 451 to 499 ----
    for k in (451, 452, 453, 454):
        L[k] = int_text(rng, rng.choice([0, 1, 1, 1, 2, 2, 3, 4, 5, 6]) if rng.random() < 0.95
                        else rng.choice([-1, 9, 100]))
    L[478] = int_text(rng, rng.choice([0, 1, 2, 3]))
    L[479] = rng.choice(['', 'ANY TEXT'])
    L[480] = word_field(rng, 480)
    L[483] = real_text(rng, g.val(0, 10))
    L[484] = real_text(rng, g.val(0, 10))
    if rng.random() < 0.3:
        L[485] = int_text(rng, rng.choice([1, 2, 3, 4, 6, 8]))
    else:
        L[485] = int_text(rng, rng.choice([0, 0, -1]))
    L[486] = int_text(rng, rng.choice([0, 20, 21, 30]))
    L[487] = int_text(rng, rng.choice([0, 20, 21, 30]))
    L[488] = int_text(rng, rng.choice([0, 1, 2, 3]))
    L[489] = int_text(rng, rng.choice([0, 1, 2]))
    L[490] = int_text(rng, rng.choice([0, 1, 2, 4]))
    for k in (491, 492, 493, 498):
        L[k] = rng.choice(['', 'TEXT', 'NO'])
    for k in (494, 495, 496):
        L[k] = real_text(rng, 0.0 if rng.random() < 0.4 else shell_d * rng.uniform(0.05, 0.45))
    L[497] = word_field(rng, 497)
    L[499] = rng.choice(['0', '1', '2', '0.0', '1.0', '2.0', '', '3', '1.5', '2.', '-1'])

    # junk on lines that are not read
    for k in rng.sample(UNREAD, rng.randrange(0, 12)):
        L[k] = rng.choice(['ABC', '1.5.2', 'JUNK LINE', '***', '12,5', 'NaN', '1E'])

    # ---- a malformed number on a decoded line (about 3% of decks) ----
    if rng.random() < 0.03:
        k = rng.choice(NUMERIC_DECODED)
        bad_int = ['1.5', '+', '-', 'ABC', '12X', '5-', '1E3']
        bad_real = ['ABC', '1.5.2', '1.5E', '5-', 'INF', 'NaN', '9.9E38', '1.0E39', '1.5E+', 'E',
                    '1,5', '1.5Q2']
        L[k] = rng.choice(bad_int if k in INT_LINES else bad_real)

    # ---- line 1: unit letter, star prefix, leading blanks ----
    letter = {'U': 'U', 'S': 'S', 'M': 'M'}.get(unit_kind)
    if unit_kind == 'lower':
        letter = rng.choice(['u', 's', 'm'])
    if letter is None:
        letter = rng.choice(['X', '0', '-', 'ENGLISH', '?'])
    first = letter + rng.choice(['', '', ' UNITS', 'S CUSTOMARY', '  CASE'])
    stars = rng.random() < 0.2
    if stars:
        first = '*' * rng.randrange(1, 4) + first
    lead = 0
    r = rng.random()
    if r < 0.12:
        lead = 1
    elif r < 0.22:
        lead = 2
    elif r < 0.25:
        lead = 3
    elif r < 0.26:
        lead = -1          # an empty first line: everything shifts by two columns
    shift_all = rng.random() < 0.92
    if lead == -1:
        first = ''
    else:
        first = ' ' * lead + first
    L[1] = first

    # ---- line count ----
    r = rng.random()
    if r < 0.6:
        count = 499
    elif r < 0.85:
        count = rng.choice(GUARD_COUNTS)
    elif r < 0.98:
        count = rng.randrange(0, 520)
    else:
        count = rng.choice([1000, 1003])

    if count > 499:
        for k in rng.sample(range(500, count + 1), min(5, count - 499)):
            L[k] = rng.choice(['ABC', '1.5.2', 'TRAILING NOTES'])
    rows = []
    for k in range(1, count + 1):
        s = L.get(k, '')
        if k > 1 and shift_all and lead in (1, 2, 3):
            s = ' ' * min(lead, 2) + s if s else s
        rows.append(s)
    # long lines: junk past column 90 is cut
    if rows and rng.random() < 0.15:
        for _ in range(rng.randrange(1, 6)):
            i = rng.randrange(len(rows))
            rows[i] = rows[i].ljust(rng.choice([90, 91, 100])) + 'TAIL-PAST-COLUMN-90 9.9.9'
    nl = '\r\n' if rng.random() < 0.15 else '\n'
    text = nl.join(rows)
    if rows and rng.random() > 0.1:
        text += nl
    elif rows and nl == '\r\n' and rng.random() < 0.5:
        text += '\r'          # a CR at the end of the file, no LF
    return text.encode('latin-1')


def tema_word(rng):
    r = rng.random()
    fr = rng.choice('ABCND' if r < 0.95 else 'QZ ')
    sh = rng.choice('EEEFGHJKKXL' if rng.random() < 0.95 else 'QY')
    re_ = rng.choice('LMNPSSTTUUW' if rng.random() < 0.95 else 'QZ')
    if sh == 'J':
        kind = rng.random()
        if kind < 0.6:
            return fr + 'J' + rng.choice(['12', '21', '14']) + re_
        if kind < 0.8:
            return fr + 'J' + re_          # rear letter in column 3: not read for J shells
        return fr + 'J' + rng.choice(['12', '21']) + re_ + ' TYPE'
    w = fr + sh + re_
    if rng.random() < 0.1:
        w += rng.choice([' SHELL', 'X', '-2'])
    if rng.random() < 0.03:
        w = ' ' + w
    return w


def fluid_name(rng):
    r = rng.random()
    if r < 0.05:
        return ''
    name = rng.choice(FLUIDS)
    if r < 0.12:
        return ' ' + name
    if r < 0.18:
        return name + ' 3/4" LINE "B"'
    if r < 0.24:
        return name.replace('A', '\x8e', 1) + ' \x82\x94\xe1\xb3'     # OEM bytes
    if r < 0.30:
        return (name + ' ') * 6                # longer than 40 columns
    return name


# ----------------------------------------------------------------------------------------------
# Hand-made corner decks: one point each, on top of a small valid AES deck
# ----------------------------------------------------------------------------------------------
def _base_lines():
    return {1: 'U', 13: 'DESIGN', 14: 'COUNTERCURRENT', 17: 'FINNED', 19: 'AES', 20: '1', 21: '1',
            31: '25.0', 32: '12.0', 33: '15.0', 34: '15.0', 35: '90.0', 36: 'SEGMENTAL', 38: '8',
            39: '2', 40: '0.75', 42: '30', 43: '1.0', 45: '1', 46: '500', 49: '19.0', 50: '0.06',
            51: '0.012', 53: '20', 54: '19.5', 55: '6.0', 56: '8.0', 63: '50000.', 64: '60000.',
            65: '100.', 66: '200.', 133: '150.', 134: '250.', 141: '10.', 142: '12.', 150: '300.',
            151: '200.', 152: '80.', 153: '120.', 171: '0.001', 173: '0.002', 214: '0.0',
            236: '23.0', 247: '1', 248: '24.25', 276: 'CRUDE', 277: 'WATER', 279: '6.0',
            280: '6.0', 451: '1', 452: '1', 453: '1', 454: '1', 499: '0'}


def _build(lines, count=499, nl='\n', tail=True):
    text = nl.join(lines.get(k, '') for k in range(1, count + 1)) + (nl if tail else '')
    return text.encode('latin-1')


def corner_decks():
    """[(name, deck bytes)] for corners that random decks reach rarely."""
    out = []

    def case(name, changes=None, **kw):
        lines = _base_lines()
        lines.update(changes or {})
        out.append((name, _build(lines, **kw)))

    case('base')
    # real edit rule corners (deck line 31 baffle cut, 40 tube OD are written)
    for name, text in [('lower_e', '2.5e1'), ('lower_d', '2.5d1'), ('q_exponent', '2.5Q1'),
                       ('exponent_only', 'E5'), ('sign_then_exponent', '+-5'), ('sign_only', '-'),
                       ('point_only', '.'), ('tab', '1\t2'), ('nul', '1\x002')]:
        case('real_' + name, {31: text})
    for name, text in [('subnormal', '1E-40'), ('smallest', '1.4E-45'), ('under_half_smallest', '7E-46'),
                       ('tie_to_even', '16777217.'), ('largest', '3.4028235E38'),
                       ('rounds_to_largest', '3.4028236E38'), ('overflow', '3.40282357E38'),
                       ('exp_minus_9994', '1E-9994'), ('exp_minus_9995', '1E-9995'),
                       ('point_exp_minus_10000', '1.E-10000'), ('zero_exp_10005', '0E10005'),
                       ('exp_minus_99999999', '1E-99999999'), ('exp_plus_10004', '1E10004')]:
        case('real_' + name, {40: text})
    # integer edit rule
    for name, text in [('tie', '16777217'), ('sign_9_columns', '+12345678'), ('plus', '+'),
                       ('tab', '1\t2'), ('point', '8.0')]:
        case('int_' + name, {38: text} if name != 'tie' else {46: text})
    # values that overflow only where they are not written, or are written
    case('metric_quantity_overflow_unwritten', {1: 'M', 65: '1.0E36', 63: '10.'})
    case('metric_flow_overflow_written', {1: 'M', 63: '1.0E36'})
    case('effective_length_overflow_unused', {53: '1.0E37', 54: '3.0E37'})
    case('spacing_overflow_replaced', {36: 'NONE', 53: '10.', 54: '3.0E37', 32: '0', 38: '5', 272: '3'})
    case('spacing_count_beyond_2_24', {32: '0', 38: '16777219', 54: '1.0E8'})
    # division guards
    case('k_shell_zero_spacing', {19: 'AKS', 36: 'NONE', 32: '0', 33: '1', 34: '2'})
    case('k_shell_spacing', {19: 'AKS', 36: 'NONE', 32: '7.0'})
    case('unbaffled_support_minus_1', {36: 'NONE', 38: '0', 272: '-1'})
    case('unbaffled_support_minus_3', {36: 'NONE', 38: '0', 272: '-3'})
    case('spacing_n_2', {32: '0', 38: '2'})
    case('spacing_n_1', {32: '0', 38: '1'})
    case('cut_shell_diameter_0', {248: '0', 494: '3.0'})
    case('cut_shell_diameter_negative', {248: '-10.', 494: '3.0'})
    case('cut_shell_diameter_tiny', {248: '1E-40', 494: '3.0'})
    # codes
    case('tube_material_4', {45: '4'})
    case('tube_material_negative', {45: '-2'})
    for name, text in [('half', '0.5'), ('one', '1'), ('minus_half', '-0.5')]:
        case('third_cut_' + name, {36: 'TRIPLE-SEGMENTAL', 261: text, 494: '3.', 495: '6.', 496: '2.'})
    case('j_shell_four_domes', {19: 'AJ21S', 451: '2', 452: '2', 251: '3', 252: '1.0', 284: '1.0'})
    case('j_shell_three_domes', {19: 'AJ21S', 451: '1', 452: '2', 251: '3', 252: '1.0', 284: '1.0'})
    case('j_shell_rear_column_3', {19: 'BJT'})
    case('x_shell_nine_inlets_split', {19: 'AXS', 451: '9', 283: '4.0'})
    case('x_shell_extra_tube_nozzles', {19: 'AXS', 451: '5', 283: '4.0', 282: '3.0', 453: '4', 454: '4'})
    case('x_shell_two_extra', {19: 'AXS', 451: '5', 283: '4.0', 282: '3.0', 453: '2', 454: '2'})
    case('negative_counts', {451: '-3', 452: '-1'})
    case('vertical_phase_change', {214: '90.0', 65: '500.', 69: '10.', 70: '600.', 66: '5.',
                                   282: '3.', 283: '4.', 39: '1'})
    # texts
    case('name_nul_first', {276: '\x00WATER', 277: '\x00'})
    case('name_nul_inside', {276: 'WA\x00TER'})
    case('name_cr_inside', {276: 'WA\rTER'})
    case('name_oem_bytes', {276: '\x8e\x82\xb3\xff NAME "X"'})
    case('number_cr_before_lf', {38: '8\r'})
    # first line
    for name, text in [('all_stars', '*' * 90), ('stars_89', '*' * 89 + 'U'), ('blank_star', ' *U'),
                       ('three_blanks', '   U'), ('two_blanks_stars', '  ***S'),
                       ('long', 'U' + ' ' * 100 + 'S')]:
        case('line1_' + name, {1: text})
    case('shift_long_line', {1: ' U', 276: 'A' * 78 + 'BCDEFGHIJKLM'})
    # loader
    out.append(('empty', b''))
    out.append(('only_lf', b'\n'))
    out.append(('only_cr', b'\r'))
    out.append(('lf_then_cr', b'U\n\r'))
    case('cr_cr_lf', nl='\r\r\n')
    lines = _base_lines()
    out.append(('crlf_final_cr', _build(lines, nl='\r\n', tail=False) + b'\r'))
    case('lines_1000', {1000: 'X'}, count=1000)
    case('lines_1001_malformed_after', {1001: '1.5.2'}, count=1001)
    case('line_over_90', {38: '8'.ljust(90) + 'ABC'})
    case('line_89_crlf', {38: '8'.ljust(89) + 'X'}, nl='\r\n')
    return out


def main():
    ap = argparse.ArgumentParser(description=__doc__.split('\n\n')[0])
    ap.add_argument('--seed', type=int, default=1)
    ap.add_argument('--count', type=int, default=100)
    ap.add_argument('--first', type=int, default=0, help='index of the first deck')
    ap.add_argument('--out', required=True)
    ap.add_argument('--corners', action='store_true', help='also write the hand-made corner decks')
    a = ap.parse_args()
    os.makedirs(a.out, exist_ok=True)
    if a.corners:
        for name, data in corner_decks():
            with open(os.path.join(a.out, 'corner_%s.txt' % name), 'wb') as fh:
                fh.write(data)
    for i in range(a.first, a.first + a.count):
        data = make_deck(random.Random('%d-%d' % (a.seed, i)))
        with open(os.path.join(a.out, 'deck_%05d.txt' % i), 'wb') as fh:
            fh.write(data)
    return 0


if __name__ == '__main__':
    raise SystemExit(main())
