"""One random deck: its style, its exchanger, every decoded line, and the faults some decks carry."""

from __future__ import annotations

import random

from .fields import (FLUIDS, GUARD_COUNTS, Gen, INT_LINES, NUMERIC_DECODED, STYLE, UNREAD, int_text,
                     real_text, tolerant_text, word_field)


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
