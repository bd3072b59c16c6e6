#!/usr/bin/env python3
"""Independent reference converter: heat-exchanger design deck -> host keyword file.

A second, separate reading of the conversion rules, written in plain Python (standard
library only) so that every byte of the C++ converter can be checked on generated decks.
Single precision is emulated by rounding to float32 after every arithmetic operation.

    python3 reference_converter.py DECK OUT      convert one deck
    python3 reference_converter.py --self-test   check the worked examples

Exit status 0 and OUT written on success; on failure the status ("status 1500" for a
missing or unreadable deck, "status 1501" for a malformed deck field or a value that is
not finite) is printed on stdout, nothing is written, and the exit status is 1.
Importable: convert(deck_bytes) -> (status, keyword_bytes).
"""

from __future__ import annotations

import math
import os
import re
import struct
import sys
from fractions import Fraction

STATUS_OK = 0
STATUS_DECK_MISSING = 1500
STATUS_MALFORMED = 1501

# --------------------------------------------------------------------------------------
# Single-precision arithmetic
# --------------------------------------------------------------------------------------
_PACK = struct.Struct('<f')


def f32(x: float) -> float:
    """Round a double to the nearest float32 (ties to even); overflow gives a signed inf."""
    try:
        return _PACK.unpack(_PACK.pack(x))[0]
    except OverflowError:
        return math.copysign(math.inf, x)


def fadd(a, b):
    return f32(a + b)


def fsub(a, b):
    return f32(a - b)


def fmul(a, b):
    return f32(a * b)


def fdiv(a, b):
    if b == 0:
        if a == 0 or math.isnan(a):
            return math.nan
        neg = (math.copysign(1.0, a) < 0) != (math.copysign(1.0, b) < 0)
        return -math.inf if neg else math.inf
    return f32(a / b)


def ftrunc(x):
    """Truncation toward zero to a whole number, kept in floating point."""
    if math.isinf(x) or math.isnan(x):
        return x
    return math.copysign(float(math.trunc(x)), x)


def ffloor(x):
    if math.isinf(x) or math.isnan(x):
        return x
    return float(math.floor(x))


def itof(n: int) -> float:
    """64-bit deck integer to single precision (one rounding)."""
    return f32(float(n))


def is_even(x):
    """Two times the integer part of half the value equals the value."""
    return fmul(2.0, ftrunc(fdiv(x, 2.0))) == x


# Literals, each rounded to single precision once.
C_0_5 = f32(0.5)
C_84 = f32(84.0)
C_14_7 = f32(14.7)
C_1_1 = f32(1.1)
C_59_9 = f32(59.9)
C_9_9 = f32(9.9)
C_0_00001 = f32(0.00001)
C_0_01 = f32(0.01)
C_0_000001 = f32(0.000001)
C_1_OVER_144 = f32(1.0 / 144.0)
C_25_4 = f32(25.4)
C_0_75 = f32(0.75)

# Largest finite float32 and the threshold from which a decimal rounds to infinity.
_FLT_MAX = Fraction((2 ** 24 - 1) * 2 ** 104)
_FLT_OVERFLOW = Fraction(2 ** 128 - 2 ** 103)


def decimal_to_f32(negative: bool, mantissa: int, exp10: int):
    """Exact decimal mantissa x 10^exp10 rounded once to float32 (ties to even).

    Returns None when the magnitude rounds beyond the largest float32."""
    if mantissa == 0:
        return -0.0 if negative else 0.0
    ndig = len(str(mantissa))
    if ndig - 1 + exp10 > 39:          # at least 1e39: beyond single precision
        return None
    if ndig + exp10 < -46:             # below 1e-46: under half the smallest subnormal
        return -0.0 if negative else 0.0
    if exp10 >= 0:
        x = Fraction(mantissa * 10 ** exp10)
    else:
        x = Fraction(mantissa, 10 ** (-exp10))
    if x >= _FLT_OVERFLOW:
        return None
    # exponent e of the unit in the last place: 2^23 <= x / 2^e < 2^24, at least -149
    e = x.numerator.bit_length() - x.denominator.bit_length() - 24
    while x >= Fraction(2) ** (e + 24):
        e += 1
    while x < Fraction(2) ** (e + 23):
        e -= 1
    if e < -149:
        e = -149
    q = x / (Fraction(2) ** e)
    n = q.numerator // q.denominator
    r = q - n
    if r > Fraction(1, 2) or (r == Fraction(1, 2) and n % 2 == 1):
        n += 1
    value = math.ldexp(float(n), e)
    if value > float(_FLT_MAX):
        return None
    return -value if negative else value


# --------------------------------------------------------------------------------------
# Failures
# --------------------------------------------------------------------------------------
class ConversionFailed(Exception):
    def __init__(self, status, why=''):
        super().__init__(why)
        self.status = status
        self.why = why


# --------------------------------------------------------------------------------------
# Keyword file writer
# --------------------------------------------------------------------------------------
def _load_code_page():
    """OEM (437) -> ANSI (1252) byte table, from the data file shipped with the project."""
    here = os.path.dirname(os.path.abspath(__file__))
    candidates = [os.path.join(here, '..', '..', 'data', 'oem437_to_ansi1252.tsv')]
    table = list(range(256))
    for path in candidates:
        try:
            with open(path, 'rb') as fh:
                for raw in fh.read().splitlines():
                    raw = raw.strip()
                    if not raw or raw.startswith(b'#'):
                        continue
                    a, b = raw.split()[:2]
                    table[int(a, 16)] = int(b, 16)
            return bytes(table)
        except OSError:
            continue
    # Fallback: the same mapping for the bytes 0x80-0xFF, written out.
    high = ('C7 FC E9 E2 E4 E0 E5 E7 EA EB E8 EF EE EC C4 C5 C9 E6 C6 F4 F6 F2 FB F9 FF D6 DC A2 '
            'A3 A5 50 83 E1 ED F3 FA F1 D1 AA BA BF AC AC BD BC A1 AB BB A6 A6 A6 A6 A6 A6 A6 2B '
            '2B A6 A6 2B 2B 2B 2B 2B 2B 2D 2D 2B 2D 2B A6 A6 2B 2B 2D 2D A6 2D 2B 2D 2D 2D 2D 2B '
            '2B 2B 2B 2B 2B 2B 2B A6 5F A6 A6 AF 61 DF 47 70 53 73 B5 74 46 54 4F 64 38 66 65 6E '
            '3D B1 3D 3D 28 29 F7 98 B0 B7 B7 76 6E B2 A6 A0').split()
    for i, h in enumerate(high):
        table[0x80 + i] = int(h, 16)
    return bytes(table)


OEM_TO_ANSI = _load_code_page()


class Writer:
    def __init__(self):
        self.out = bytearray()

    @staticmethod
    def _real(v):
        return ('%f' % v).encode('ascii')

    @staticmethod
    def _finite(key, v):
        if math.isnan(v) or math.isinf(v):
            raise ConversionFailed(STATUS_MALFORMED, 'value of %s is not finite' % key.decode())

    def put_real(self, key: bytes, v: float):
        if v == 0:
            return
        self._finite(key, v)
        self.out += key + b',' + self._real(v) + b',0\n'

    def put_int(self, key: bytes, v: int):
        v &= 0xFFFFFFFF                 # low 32 bits, signed
        if v >= 0x80000000:
            v -= 0x100000000
        if v == 0:
            return
        self.out += key + b',' + str(v).encode('ascii') + b',0\n'

    def put_text(self, key: bytes, text: bytes, length: int):
        text = text[:length]
        z = text.find(b'\0')
        if z >= 0:
            text = text[:z]
        if text[:1] == b' ':
            return
        text = text.replace(b'"', b'in').translate(OEM_TO_ANSI)
        self.out += key + b',"' + text + b'",0\n'

    def put_real_list(self, key: bytes, values, count: int):
        n = 0
        for i in range(max(count, 0)):
            if values[i] != 0:          # a NaN is present; -0 is not
                n = i + 1
        if n == 0:
            return
        for i in range(n):
            self._finite(key, values[i])
        self.out += key + b',0,' + str(n).encode('ascii') + b'\n'
        for i in range(n):
            v = values[i]
            if v != 0:
                self.out += self._real(v) + b', \n'
            else:
                self.out += b' , \n'


# --------------------------------------------------------------------------------------
# Deck loader and field kinds
# --------------------------------------------------------------------------------------
LINE_WIDTH = 90
MAX_LINES = 1000
BLANK_LINE = b' ' * LINE_WIDTH

_REAL_RE = re.compile(rb'([+-]?)([0-9]*)(?:(\.)([0-9]*))?(?:[EeDd]([+-]?[0-9]+)|([+-][0-9]+))?')
_INT_RE = re.compile(rb'[+-]?[0-9]+')


def parse_real(field: bytes, where: str = '') -> float:
    """Real edit rule over the given columns (blanks ignored, five implied decimals)."""
    s = field.replace(b' ', b'')
    m = _REAL_RE.fullmatch(s)
    if m is None:
        raise ConversionFailed(STATUS_MALFORMED, '%s: malformed real %r' % (where, field))
    sign, ipart, point, fpart, exp_a, exp_b = m.groups()
    exp_text = exp_a if exp_a is not None else exp_b
    exp10 = int(exp_text) if exp_text is not None else 0
    # Fortran input takes an exponent of at most four digits once the five implied decimals
    # are scaled in; a longer one is no number.
    if abs(exp10 - (0 if point is not None else 5)) > 9999:
        raise ConversionFailed(STATUS_MALFORMED, '%s: malformed real %r' % (where, field))
    fpart = fpart or b''
    digits = (ipart + fpart).lstrip(b'0')
    mantissa = int(digits) if digits else 0
    if point is not None:
        exp10 -= len(fpart)
    else:
        exp10 -= 5
    v = decimal_to_f32(sign == b'-', mantissa, exp10)
    if v is None:
        raise ConversionFailed(STATUS_MALFORMED, '%s: real beyond single precision %r' % (where, field))
    return v


def parse_int(field: bytes, where: str = '') -> int:
    s = field.replace(b' ', b'')
    if not s:
        return 0
    if _INT_RE.fullmatch(s) is None:
        raise ConversionFailed(STATUS_MALFORMED, '%s: malformed integer %r' % (where, field))
    return int(s)


def split_deck_lines(data: bytes):
    """Deck lines: end at LF; a CR before the LF (or at the end of the file) is dropped;
    a last line without LF counts; at most 1000 lines of at most 90 columns."""
    lines = data.split(b'\n')
    if lines and lines[-1] == b'':
        lines.pop()
    out = []
    for raw in lines[:MAX_LINES]:
        if raw.endswith(b'\r'):
            raw = raw[:-1]
        out.append(raw[:LINE_WIDTH].ljust(LINE_WIDTH, b' '))
    return out


class Deck:
    def __init__(self, data: bytes):
        read = split_deck_lines(data)
        self.count = len(read)
        store = [BLANK_LINE] * MAX_LINES
        store[:len(read)] = read
        self.unit_system = 0.0
        # Leading-blank shift, decided by deck line 1 alone, applied to every line.
        first = store[0]
        if first[0:1] == b' ':
            s = 2 if first[1:2] == b' ' else 1
            store = [ln[s:80] + ln[80 - s:80] + ln[80:90] for ln in store]
        # Star prefix on deck line 1.
        first = bytearray(store[0])
        p = 0
        if first[0:1] == b'*':
            while p < LINE_WIDTH and first[p] == 0x2A:
                first[p] = 0x20
                p += 1
            store[0] = bytes(first)
        letter = store[0][p:p + 1]
        if letter == b'U':
            self.unit_system = 1.0
        elif letter == b'S':
            self.unit_system = 2.0
        elif letter == b'M':
            self.unit_system = 3.0
        self.store = store
        self.search_copy = b' ' * 40

    def has(self, k):
        return k <= self.count

    def line(self, k):
        return self.store[k - 1]

    # field kinds (callers guard with has(k) where the rule says so)
    def text(self, k, n):
        return self.line(k)[:n]

    def real(self, k):
        return parse_real(self.line(k)[:11], 'deck line %d' % k)

    def integer(self, k):
        return parse_int(self.line(k)[:9], 'deck line %d' % k)

    def tolerant(self, k):
        if self.has(k):
            self.search_copy = self.line(k)[:40]
        if b'.' in self.search_copy:
            return self.real(k)
        return itof(self.integer(k))


def word(text: bytes, w: bytes, width: int = 40) -> bool:
    """A text field equals a word: the word, same case, then blanks only."""
    return text[:width] == w.ljust(width, b' ')


# --------------------------------------------------------------------------------------
# Numeric helpers: nominal pipe size and rounding to a step
# --------------------------------------------------------------------------------------
PIPE_TABLE = [(f32(od), f32(nps)) for od, nps in [
    (1.315, 1), (1.66, 1.25), (1.9, 1.5), (2.375, 2), (2.875, 2.5), (3.5, 3), (4.0, 3.5),
    (4.5, 4), (5.563, 5), (6.625, 6), (8.626, 8), (10.75, 10), (12.75, 12), (14, 14),
    (16, 16), (18, 18), (20, 20), (22, 22), (24, 24), (26, 26), (28, 28), (30, 30)]]


def nominal_pipe_size(diameter: float, unit_system: float) -> float:
    if unit_system >= 2:
        c, a = C_25_4, 1.0
    else:
        c, a = 1.0, C_0_5
    d = fdiv(diameter, c)
    if d <= 0:
        return 0.0
    for od, nps in PIPE_TABLE:
        if od > d:
            return fmul(c, nps)
    return ftrunc(fadd(fmul(fadd(d, C_0_75), c), a))


def round_to_step(value: float, direction: float, step: float) -> float:
    shifted = fsub(value, fmul(C_0_00001, direction))
    lower = fmul(step, ffloor(fdiv(shifted, step)))
    increment = 0.0 if direction < 0 else step
    if shifted > lower:
        return fadd(lower, increment)
    return shifted


def design_pressure_default(p: float) -> float:
    if p < C_84:
        return 75.0
    x = fdiv(fadd(fmul(fsub(p, C_14_7), C_1_1), 10.0), 10.0)
    return fmul(10.0, ftrunc(x))


def design_temperature_default(t: float) -> float:
    if t >= 0:
        return round_to_step(fadd(t, C_59_9), 1.0, 10.0)
    return round_to_step(fsub(t, C_9_9), -1.0, 10.0)


def spread_location(i: int, n: int) -> float:
    d = fdiv(5.0, itof(2 * n))
    return fadd(fmul(itof(2 * i), d), fadd(2.5, d))


ORIENTATION_ANGLES = {1.0: 0.0, 2.0: 90.0, 3.0: 180.0, 4.0: 270.0}


def apply_orientation(angle: float, code: float) -> float:
    """Codes 1 to 4 set the angle 0, 90, 180, 270; any other code leaves it."""
    return ORIENTATION_ANGLES.get(code, angle)


def reduce_angle(a: float) -> float:
    return fsub(a, 360.0) if a >= 360 else a


# --------------------------------------------------------------------------------------
# Conversion state
# --------------------------------------------------------------------------------------
class State:
    """Every decoded and derived value of one conversion; numbers 0, texts blank."""

    def __getattr__(self, name):
        # Any value not set yet is 0 (texts are set explicitly where they are read).
        if name.startswith('__'):
            raise AttributeError(name)
        return 0.0


BLANK40 = b' ' * 40


def decode_header_lines(d: Deck, s: State, w: Writer):
    """Deck lines 2 to 132: case header, exchanger type, baffles, tubes, flows."""
    for k, n in ((2, 80), (3, 80)):
        if d.has(k):
            d.text(k, n)
    s.program_mode_word = d.text(13, 40) if d.has(13) else BLANK40
    t = s.program_mode_word
    if word(t, b'DESIGN'):
        s.program_mode = 1.0
    elif word(t, b'RATING'):
        s.program_mode = 2.0
    elif word(t, b'SIMULATION'):
        s.program_mode = 3.0
    if s.program_mode <= 0:
        if word(t, b' Design'):
            s.program_mode = 1.0
        elif word(t, b' Rating'):
            s.program_mode = 2.0
        elif word(t, b' Simulation'):
            s.program_mode = 3.0

    t = d.text(14, 40) if d.has(14) else BLANK40
    if word(t, b'COUNTERCURRENT'):
        s.flow_arrangement_code = 1.0
    elif word(t, b'COCURRENT'):
        s.flow_arrangement_code = 2.0

    t = d.text(17, 40) if d.has(17) else BLANK40
    for wd, code in ((b'PLAIN', 1.0), (b'FINNED', 2.0), (b'Low-finned', 2.0), (b'High-Fin', 3.0),
                     (b'Stud-finned', 4.0)):
        if word(t, wd):
            s.tube_type_code = code

    t = d.text(19, 40) if d.has(19) else BLANK40
    front = {b'A': 1.0, b'B': 2.0, b'C': 3.0, b'N': 4.0, b'D': 5.0}
    shell = {b'E': 1.0, b'L': 1.0, b'F': 2.0, b'G': 3.0, b'H': 4.0, b'J': 5.0, b'K': 6.0, b'X': 7.0}
    rear = {b'L': 1.0, b'M': 2.0, b'N': 3.0, b'P': 4.0, b'S': 5.0, b'T': 6.0, b'U': 7.0, b'W': 8.0}
    if t[0:1] in front:
        s.front_head_code = front[t[0:1]]
    if t[1:2] in shell:
        s.shell_type_code = shell[t[1:2]]
    rl = t[4:5] if t[1:2] == b'J' else t[2:3]
    if rl in rear:
        s.rear_head_code = rear[rl]

    if d.has(20):
        s.shells_in_parallel = d.integer(20)
    else:
        s.shells_in_parallel = 0
    s.shells_in_series = d.integer(21) if d.has(21) else 0
    if d.has(22):
        d.integer(22)
    if d.has(23):
        d.real(23)
    d.tolerant(24)
    for k in (25, 26):
        if d.has(k):
            d.real(k)
    t = d.text(27, 40) if d.has(27) else BLANK40
    if t[0:3] == b'NO ':
        s.impingement_protection_code = 1.0
    elif t[0:3] == b'YES':
        s.impingement_protection_code = 2.0
    for k in (28, 29, 30):
        if d.has(k):
            d.real(k)
    if d.has(31):
        s.baffle_cut = d.real(31)
    s.baffle_spacing = d.tolerant(32)
    s.inlet_baffle_spacing = d.tolerant(33)
    s.outlet_baffle_spacing = d.tolerant(34)
    if d.has(35):
        s.baffle_cut_angle = d.real(35)
    t = d.text(36, 40) if d.has(36) else BLANK40
    baffle_words = [(b'SEGMENTAL', 1.0, 1.0), (b'DOUBLE-SEGMENTAL', 2.0, 2.0),
                    (b'TRIPLE-SEGMENTAL', 3.0, 3.0), (b'NO-TUBES-IN-WINDOW SEGMENTAL', 1.0, 5.0),
                    (b'ROD RING RODBAFFLE', 5.0, 6.0), (b'PLATE RING RODBAFFLE', 5.0, 6.0),
                    (b'NONE', 4.0, 8.0)]
    for wd, code, qcode in baffle_words:
        if word(t, wd):
            s.baffle_type_code = code
            s.qalt_baffle_type_code = qcode
            if qcode == 5.0:
                w.put_real(b'TubesInBafWindow', 2.0)
    if d.has(37):
        s.baffle_thickness = d.real(37)
    s.baffle_space_count = d.integer(38) if d.has(38) else 0
    s.baffle_count = 0.0
    if 1 <= s.baffle_type_code <= 8:
        s.baffle_count = itof(max(s.baffle_space_count - 1, 0))
    s.tube_pass_count = d.integer(39) if d.has(39) else 0
    s.tube_passes = itof(s.tube_pass_count)
    if d.has(40):
        s.tube_od = d.real(40)
    if d.has(41):
        d.real(41)
    s.tube_layout_angle = d.tolerant(42)
    if d.has(43):
        s.tube_pitch = d.real(43)
    if d.has(44):
        d.real(44)
    idx = d.integer(45) if d.has(45) else 0
    s.tube_material_code = {1: 1.0, 2: 2.0, 3: 4.0}.get(idx, 1.0)
    if d.has(46):
        s.tube_count = d.tolerant(46)
    for k in (47, 48):
        if d.has(k):
            d.real(k)
    if d.has(49):
        s.fin_density = d.real(49)
    if d.has(50):
        s.fin_height = d.real(50)
    if d.has(51):
        s.fin_thickness = d.real(51)
    if d.has(52):
        d.text(52, 40)
    s.tube_length = d.tolerant(53)
    if d.has(53):
        s.tube_length_strict = d.real(53)
    s.effective_tube_length = d.tolerant(54)
    if d.has(54):
        s.effective_tube_length_strict = d.real(54)
    reals = {55: 'shell_inlet_nozzle_id', 56: 'shell_outlet_nozzle_id', 58: 'tube_field_distance_1',
             59: 'tube_field_distance_2', 63: 'shell_flow_rate', 64: 'tube_flow_rate',
             65: 'q65', 66: 'q66', 67: 'q67', 68: 'q68', 69: 'q69', 70: 'q70', 71: 'q71', 72: 'q72'}
    for k in list(range(55, 73)) + list(range(97, 133)):
        if d.has(k):
            v = d.real(k)
            if k in reals:
                setattr(s, reals[k], v)


def decode_process_lines(d: Deck, s: State):
    """Deck lines 133 to 214: pressures, temperatures, film coefficients, fouling, position."""
    s.shell_inlet_pressure = d.tolerant(133)
    s.tube_inlet_pressure = d.tolerant(134)
    s.shell_allowed_pressure_drop = d.tolerant(141)
    s.tube_allowed_pressure_drop = d.tolerant(142)
    for k in (148, 149):
        if d.has(k):
            d.real(k)
    s.shell_inlet_temperature = d.tolerant(150)
    s.shell_outlet_temperature = d.tolerant(151)
    s.tube_inlet_temperature = d.tolerant(152)
    s.tube_outlet_temperature = d.tolerant(153)
    names = {155: 'shell_metal_temperature', 157: 'tube_metal_temperature',
             166: 'shell_film_coefficient', 168: 'tube_film_coefficient',
             171: 'shell_fouling_resistance', 173: 'tube_fouling_resistance',
             214: 'orientation_angle'}
    for k in (154, 155, 156, 157, 159, 166, 168, 171, 208, 173, 214):
        if d.has(k):
            v = d.real(k)
            if k in names:
                setattr(s, names[k], v)
    s.position_code = 0.0
    if s.orientation_angle == 0:
        s.position_code = 1.0
    if s.orientation_angle == 90:
        s.position_code = 2.0


def decode_design_lines(d: Deck, s: State):
    """Deck lines 226 to 250: fans, design conditions, construction choices, shell diameter."""
    if d.has(226):
        s.fans_per_bay = d.integer(226)
    if d.has(227):
        s.fan_diameter = d.real(227)
    if d.has(230):
        s.tube_wall_thickness = d.real(230)
    if d.has(231):
        s.shell_design_pressure = d.tolerant(231)
    if s.shell_design_pressure == 0:
        s.shell_design_pressure = design_pressure_default(s.shell_inlet_pressure)
    if d.has(232):
        s.tube_design_pressure = d.tolerant(232)
    s.tube_design_pressure_as_given = s.tube_design_pressure
    if s.tube_design_pressure == 0:
        s.tube_design_pressure = design_pressure_default(s.tube_inlet_pressure)
    if d.has(233):
        s.shell_design_temperature = d.tolerant(233)
    if s.shell_design_temperature == 0:
        t = max(s.shell_inlet_temperature, s.shell_outlet_temperature)
        s.shell_design_temperature = design_temperature_default(t)
    if d.has(234):
        s.tube_design_temperature = d.tolerant(234)
    s.tube_design_temperature_as_given = s.tube_design_temperature
    if s.tube_design_temperature == 0:
        t = max(s.tube_inlet_temperature, s.tube_outlet_temperature)
        s.tube_design_temperature = design_temperature_default(t)
    t = d.text(235, 40) if d.has(235) else BLANK40
    s.axial_nozzle_flag = 1.0 if word(t, b'AXIAL') else 0.0
    if d.has(236):
        s.otl_diameter = d.real(236)
    t = d.text(237, 40) if d.has(237) else BLANK40
    s.tubesheet_type_code = 2.0 if word(t, b'YES') else 1.0
    if d.has(238):
        d.text(238, 40)
    t = d.text(239, 40) if d.has(239) else BLANK40
    s.expansion_joint_code = 2.0 if word(t, b'YES') else 1.0
    if d.has(245):
        d.real(245)
    s.hot_fluid_side = d.integer(247) if d.has(247) else 0
    s.hot_side_code = itof(s.hot_fluid_side)
    q65, q66, q69, q70 = s.q65, s.q66, s.q69, s.q70
    if s.hot_side_code == 1:
        s.hot_phase_code = 3.0 if q65 > q69 else (2.0 if q65 > 0 else 1.0)
        s.cold_phase_code = 3.0 if q70 > q66 else (2.0 if q66 > 0 else 1.0)
    else:
        s.hot_phase_code = 3.0 if q66 > q70 else (2.0 if q66 > 0 else 1.0)
        s.cold_phase_code = 3.0 if q69 > q65 else (2.0 if q65 > 0 else 1.0)
    if d.has(248):
        s.shell_diameter = d.tolerant(248)
    s.shell_cylinder_id = s.shell_diameter
    s.kettle_id = 0.0
    if s.shell_type_code == 6:
        s.kettle_id = s.shell_diameter
        s.shell_cylinder_id = ftrunc(fadd(s.otl_diameter, C_0_5))
    if s.shell_cylinder_id <= 0:
        s.shell_cylinder_id = ftrunc(fadd(s.otl_diameter, C_0_5))
    if s.shell_cylinder_id < 24:
        s.shell_cylinder_nps = nominal_pipe_size(s.shell_cylinder_id, s.unit_system)
    if s.kettle_id < 24:
        s.kettle_nps = nominal_pipe_size(s.kettle_id, s.unit_system)
        s.kettle_id = 0.0
    if d.has(249):
        d.integer(249)
    if d.has(250):
        d.real(250)


def decode_belt_lines(d: Deck, s: State):
    """Deck lines 251 to 285: vapour belts, pass layout, fluids, unit fallback, tube nozzles."""
    s.belt_nozzles = d.integer(251) if d.has(251) else 0
    s.belt_impingement_types = [3.0 if s.belt_nozzles in (1, 3) else 0.0,
                                3.0 if s.belt_nozzles in (2, 3) else 0.0]
    if d.has(252):
        s.belt_clearance_1 = d.real(252)
    if d.has(253):
        s.belt_length_1 = d.real(253)
    s.belt_diametral_clearances = [fmul(2.0, s.belt_clearance_1), 0.0]
    s.belt_lengths = [s.belt_length_1, 0.0]
    if d.has(254):
        s.belt_slot_area_1 = d.real(254)
    if d.has(255):
        s.belt_slot_area_2 = d.real(255)
    f = C_0_000001 if s.unit_system in (2.0, 3.0) else C_1_OVER_144
    s.belt_slot_areas = [fmul(s.belt_slot_area_1, f), fmul(s.belt_slot_area_2, f)]
    style = d.integer(256) if d.has(256) else 0
    variant = d.integer(257) if d.has(257) else 0
    s.pass_layout_type = 0.0
    if s.tube_passes > 3:
        if style <= 0:
            s.pass_layout_type = 3.0
        elif style == 1 and variant == 2:
            s.pass_layout_type = 2.0
        else:
            s.pass_layout_type = 1.0
        if s.rear_head_code == 7:
            s.pass_layout_type = 1.0
    if d.has(258):
        s.pass_lane_1 = d.real(258)
    if d.has(259):
        s.pass_lane_2 = d.real(259)
    s.third_cut_count = 0.0            # only its sign is used
    if d.has(261):
        s.third_cut_count = ftrunc(d.tolerant(261))
    support_count = d.integer(272) if d.has(272) else 0
    s.shell_fluid_name = d.text(276, 40) if d.has(276) else BLANK40
    s.tube_fluid_name = d.text(277, 40) if d.has(277) else BLANK40
    fallback = d.integer(278) if d.has(278) else 0
    if s.unit_system <= 0:
        s.unit_system = itof(fallback)
    if s.unit_system == 2:
        s.shell_design_pressure = fdiv(s.shell_design_pressure, 100.0)
        s.tube_design_pressure = fdiv(s.tube_design_pressure, 100.0)
    L, E = s.tube_length, s.effective_tube_length
    if s.unit_system == 1:
        L, E = fmul(L, 12.0), fmul(E, 12.0)
    elif s.unit_system == 2:
        L, E = fmul(L, 1000.0), fmul(E, 1000.0)
    s.tube_length_scaled = L
    # Central baffle spacing from the effective length when the deck leaves it out.
    if s.baffle_spacing <= 0 and abs(fsub(s.inlet_baffle_spacing, s.outlet_baffle_spacing)) < C_0_01:
        nm2 = s.baffle_space_count - 2
        if nm2 > 0:
            s.baffle_spacing = fdiv(fsub(fsub(E, s.inlet_baffle_spacing), s.outlet_baffle_spacing),
                                    itof(nm2))
    # Unbaffled shells.
    if s.baffle_type_code == 4:
        if s.shell_type_code == 6:
            if s.baffle_spacing > 0:
                s.baffle_count = ftrunc(fsub(fdiv(L, s.baffle_spacing), 1.0))
        else:
            if s.baffle_count <= 0:
                s.baffle_count = itof(support_count)
            cp1 = fadd(s.baffle_count, 1.0)
            if cp1 > 0:
                s.baffle_spacing = fdiv(L, cp1)
    tin = d.real(279) if d.has(279) else 0.0
    tout = d.real(280) if d.has(280) else 0.0
    s.tube_nozzle_ids = [tin, tout]
    s.tube_inlet_nozzle_nps = nominal_pipe_size(tin, s.unit_system)
    s.tube_outlet_nozzle_nps = nominal_pipe_size(tout, s.unit_system)
    if d.has(281):
        d.real(281)
    tsplit = d.real(282) if d.has(282) else 0.0
    ssplit = d.real(283) if d.has(283) else 0.0
    if tsplit > 0:
        s.tube_split_outlet_nps = nominal_pipe_size(tsplit, s.unit_system)
    if ssplit > 0:
        s.shell_split_outlet_nps = nominal_pipe_size(ssplit, s.unit_system)
    if d.has(284):
        s.belt_clearance_2 = d.real(284)
    if d.has(285):
        s.belt_length_2 = d.real(285)
    s.belt_diametral_clearances[1] = fmul(2.0, s.belt_clearance_2)
    s.belt_lengths[1] = s.belt_length_2
    if s.belt_nozzles in (1, 3):
        s.layout_belt_length_1 = s.belt_length_1
        s.layout_belt_diameter_1 = fadd(s.shell_diameter, fmul(2.0, s.belt_clearance_1))
    if s.belt_nozzles in (2, 3):
        s.layout_belt_length_2 = s.belt_length_2
        s.layout_belt_diameter_2 = fadd(s.shell_diameter, fmul(2.0, s.belt_clearance_2))


def decode_nozzle_lines(d: Deck, s: State):
    """Deck lines 451 to 499: nozzle counts, air-cooler integers, baffle cuts, orientation."""
    counts = [d.integer(k) if d.has(k) else 0 for k in (451, 452, 453, 454)]
    (s.shell_inlet_nozzle_count, s.shell_outlet_nozzle_count,
     s.tube_inlet_nozzle_count, s.tube_outlet_nozzle_count) = [itof(c) for c in counts]
    code = d.integer(478) if d.has(478) else 0
    s.u_tube_nozzle_setting = {0: 1.0, 1: 0.0, 2: 2.0}.get(code, 0.0)
    if d.has(479):
        d.text(479, 40)
    t = d.text(480, 40) if d.has(480) else BLANK40
    s.draft_type_code = 1 if word(t, b'FORCED') else (2 if word(t, b'INDUCED') else 0)
    for k in (483, 484):
        if d.has(k):
            d.real(k)
    ints = {}
    for k in (485, 486, 487, 488, 489, 490):
        ints[k] = d.integer(k) if d.has(k) else 0
    s.tube_rows, s.odd_row_tubes, s.even_row_tubes = ints[485], ints[486], ints[487]
    s.nozzle_end_setting = {1: 2.0, 2: 3.0}.get(ints[488], 0.0)
    s.bundles_in_parallel, s.bays_in_parallel = ints[489], ints[490]
    for k in (491, 492, 493):
        if d.has(k):
            d.text(k, 40)
    d1 = d.real(494) if d.has(494) else 0.0
    d2 = d.real(495) if d.has(495) else 0.0
    d3 = d.real(496) if d.has(496) else 0.0
    D = s.shell_diameter
    btc = s.baffle_type_code

    def pct(x):
        return fmul(fdiv(x, D), 100.0)

    if D > 0:
        half_minus_d1 = lambda: fsub(fmul(C_0_5, D), d1)  # noqa: E731
        if btc == 1:
            if d1 > 0:
                s.baffle_cut = pct(half_minus_d1())
        elif btc == 2:
            if d2 > 0:
                s.baffle_cut = pct(fadd(d2, d2))
            if d1 > 0:
                s.second_baffle_cut = pct(half_minus_d1())
        elif btc == 3:
            if d3 > 0:
                s.baffle_cut = pct(fadd(d3, d3))
            if d2 > 0:
                if d1 > 0:
                    s.second_baffle_cut = pct(fsub(d2, d1))
                if s.third_cut_count > 0:
                    s.third_baffle_cut = pct(fsub(fadd(fsub(D, d1), d3), d2))
    s.u_bend_baffle = d.text(497, 40) if d.has(497) else BLANK40
    if d.has(498):
        d.text(498, 40)
    if d.has(499):
        s.orientation_code = d.tolerant(499)


def derive(s: State):
    """Values the host needs that the deck does not state directly."""
    s.baffle_orientation_code = 0.0
    btc, oc, ang = s.baffle_type_code, s.orientation_code, s.baffle_cut_angle
    if btc <= 3 or btc == 5:
        if oc in (0.0, 2.0):
            s.baffle_orientation_code = {90.0: 1.0, 45.0: 3.0, 0.0: 2.0}.get(ang, 0.0)
        elif oc == 1.0:
            s.baffle_orientation_code = {0.0: 1.0, 45.0: 3.0, 90.0: 2.0}.get(ang, 0.0)
    u_bend = 1.0 if (word(s.u_bend_baffle, b'YES') and s.rear_head_code == 7) else 0.0
    n = fadd(u_bend, s.baffle_count)
    parity2 = is_even(n)
    st = s.shell_type_code
    s.shell_in_ori = s.shell_out_ori = s.tube_in_ori = s.tube_out_ori = 0.0
    s.dist_down_from_top = s.dist_up_from_bottom = 0.0
    if oc == 0:
        s.shell_in_ori = 1.0
        if st == 1:
            s.shell_out_ori = 3.0 if parity2 else 1.0
        elif 2 <= st <= 7:
            s.shell_out_ori = 3.0
            if st in (2.0, 5.0):
                s.tube_in_ori, s.tube_out_ori = 3.0, 1.0
        s.dist_down_from_top = s.tube_field_distance_1
        if parity2:
            s.dist_up_from_bottom = s.tube_field_distance_2
    elif oc == 1:
        s.shell_in_ori, s.shell_out_ori = 2.0, 4.0
    elif oc == 2:
        s.shell_in_ori = 3.0
        if st == 1:
            s.shell_out_ori = 1.0 if parity2 else 3.0
        elif 2 <= st <= 7:
            s.shell_out_ori = 1.0
            if st == 2:
                s.tube_in_ori, s.tube_out_ori = 1.0, 3.0
        s.dist_up_from_bottom = s.tube_field_distance_1
        if parity2:
            s.dist_down_from_top = s.tube_field_distance_2
    s.tema_class_code = 3.0
    s.hot_fluid_name = s.shell_fluid_name[:20]
    s.cold_fluid_name = s.tube_fluid_name[:20]
    if s.tube_inlet_temperature >= s.shell_inlet_temperature:
        s.hot_fluid_name, s.cold_fluid_name = s.cold_fluid_name, s.hot_fluid_name
    s.shell_inlet_nozzle_nps = nominal_pipe_size(s.shell_inlet_nozzle_id, s.unit_system)
    s.shell_outlet_nozzle_nps = nominal_pipe_size(s.shell_outlet_nozzle_id, s.unit_system)


# --------------------------------------------------------------------------------------
# Nozzle layout
# --------------------------------------------------------------------------------------
K_OUTLET_LOCATIONS = {1: [5.0], 2: [5.0, 7.0], 3: [5.5, 7.0, 4.0], 4: [5.0, 7.0, 4.0, 6.0]}


def nozzle_layout(s: State):
    slots = [[0.0, 0.0, 0.0, 0.0] for _ in range(15)]   # function, diameter, location, angle
    domes = []                                           # type, cyl mtl, mtl, dia, loc, width
    nfill = 0

    def put(fn, dia, loc, ang):
        nonlocal nfill
        slots[nfill] = [fn, dia, loc, ang]
        nfill += 1

    hot_shell = s.hot_side_code == 1
    vertical = s.position_code == 2
    nin, nout = s.shell_inlet_nozzle_nps, s.shell_outlet_nozzle_nps
    st, rhc = s.shell_type_code, s.rear_head_code
    hpc, cpc, fac = s.hot_phase_code, s.cold_phase_code, s.flow_arrangement_code
    split = s.shell_split_outlet_nps
    sic, soc = s.shell_inlet_nozzle_count, s.shell_outlet_nozzle_count

    def clamp(x, lo, hi):
        return max(lo, min(hi, int(ftrunc(x))))

    if st == 7:
        n = clamp(sic, 1, 5)
        ai, ao = (0.0, 180.0) if hot_shell else (180.0, 0.0)
        for i in range(n):
            put(1.0, nin, spread_location(i, n), ai)
        for i in range(n):
            put(2.0, nout, spread_location(i, n), ao)
    elif st in (2.0, 3.0):
        loc = 3.0 if st == 2 else 5.0
        ai, ao = (0.0, 180.0) if hot_shell else (180.0, 0.0)
        put(1.0, nin, loc, ai)
        put(2.0, nout, loc, ao)
    elif st == 4:
        ai, ao = (0.0, 180.0) if hot_shell else (180.0, 0.0)
        put(1.0, nin, 3.75, ai)
        put(1.0, nin, 6.25, ai)
        put(2.0, nout, 3.75, ao)
        put(2.0, nout, 6.25, ao)
    elif st == 5:
        if hot_shell:
            ai, ao = 0.0, 180.0
            if hpc >= 3 and split > 0:
                ao = 0.0
        else:
            ai, ao = 180.0, 0.0
        if sic <= 1:
            put(1.0, nin, 5.0, ai)
            put(2.0, nout, 3.0, ao)
            put(2.0, nout, 7.0, ao)
        else:
            put(1.0, nin, 3.0, ai)
            put(1.0, nin, 7.0, ai)
            put(2.0, nout, 5.0, ao)
    elif st == 6:
        n = clamp(sic, 1, 5)
        for i in range(n):
            put(1.0, nin, 3.0 if n == 1 else spread_location(i, n), 180.0)
        m = clamp(soc, 1, 4)
        for j in range(m):
            loc = spread_location(j, m) if rhc <= 3 else K_OUTLET_LOCATIONS[m][j]
            put(2.0, nout, loc, 0.0)
    elif st == 1:
        c = min(int(ftrunc(sic)), 4)
        m = min(int(ftrunc(soc)), 4)
        boc1 = s.baffle_orientation_code == 1
        even = is_even(s.baffle_count)
        nes_end = s.nozzle_end_setting in (2.0, 3.0)
        if not hot_shell:
            lin, lout = (7.0, 3.0) if fac <= 1 else (3.0, 7.0)
            ain, aout = 180.0, 0.0
            if (cpc <= 2 or vertical) and boc1:
                aout = 0.0 if even else 180.0
        else:
            if fac <= 1:
                lin, lout = (3.0, 7.0) if (vertical and nes_end) else (7.0, 3.0)
            else:
                lin, lout = (7.0, 3.0) if (vertical and nes_end) else (3.0, 7.0)
            ain, aout = 0.0, 180.0
            if (hpc <= 2 or vertical) and boc1:
                aout = 180.0 if even else 0.0
            if hpc >= 3 and split > 0:
                aout = 0.0
            if cpc > 2 and vertical:
                lin, lout = (3.0, 7.0) if fac <= 1 else (7.0, 3.0)
            if hpc > 2 and vertical:
                lin, lout = 3.0, 7.0
        if rhc == 7 and s.u_tube_nozzle_setting == 2:
            lin = 7.5 if lin == 7 else lin
            lout = 7.5 if lout == 7 else lout
        ain = apply_orientation(ain, s.shell_in_ori)
        aout = apply_orientation(aout, s.shell_out_ori)

        def group_angles(a, size):
            extra = {1: [], 2: [180.0], 3: [90.0, 180.0], 4: [90.0, 180.0, 270.0]}.get(size, [])
            return [a] + [reduce_angle(fadd(a, x)) for x in extra]

        if c > 0:
            for a in group_angles(ain, c):
                put(1.0, nin, lin, a)
        if m > 0:
            for a in group_angles(aout, m):
                put(2.0, nout, lout, a)
    if st != 1:
        for i in range(nfill):
            if slots[i][0] == 1:
                slots[i][3] = apply_orientation(slots[i][3], s.shell_in_ori)
            elif slots[i][0] == 2:
                slots[i][3] = apply_orientation(slots[i][3], s.shell_out_ori)

    # Vapour-belt domes.
    j_in2 = st == 5 and sic == 2
    if s.layout_belt_diameter_1 > 0:
        dia = round_to_step(s.layout_belt_diameter_1, 0.0, 2.0)
        width = s.layout_belt_length_1 if s.layout_belt_length_1 > 0 else fadd(4.0, nin)
        domes.append([4.0, 1.0, 1.0, dia, slots[0][2], width])
        if j_in2:
            domes.append([4.0, 1.0, 1.0, dia, slots[1][2], width])
    if s.layout_belt_diameter_2 > 0:
        dia = round_to_step(s.layout_belt_diameter_2, 0.0, 2.0)
        width = s.layout_belt_length_2 if s.layout_belt_length_2 > 0 else fadd(4.0, nout)
        domes.append([4.0, 1.0, 1.0, dia, slots[2][2] if j_in2 else slots[1][2], width])
        if st == 5 and soc == 2:
            domes.append([4.0, 1.0, 1.0, dia, slots[2][2], width])
    domes = domes[:3]                    # a fourth dome is dropped

    # Shell-side separate outlet.
    if split > 0:
        if st == 5:
            if sic == 2:
                put(5.0, split, 5.0, 180.0)
            else:
                put(5.0, split, 3.0, 180.0)
                put(5.0, split, 7.0, 180.0)
        else:
            loc = 7.0 if slots[0][2] == 3 else 3.0
            if vertical and hot_shell and hpc > 2:
                loc = 9.0 if rhc > 4 else 7.0
            if st == 6 and rhc > 4:
                loc = 8.0
            put(5.0, split, loc, 360.0 if loc == 9 else 180.0)

    # Tube-side inlet, outlet and separate outlet.
    axial = s.axial_nozzle_flag == 1
    tp = s.tube_passes
    odd = not is_even(tp)
    has_tsplit = s.tube_split_outlet_nps > 0
    lin = 1.0 if axial else 2.0
    if odd:
        lout = 9.0 if axial else 8.0
        lsp = lout
    else:
        lout = 1.0 if axial else 2.0
        lsp = 2.0
    if rhc != 7:
        if vertical:
            if s.hot_side_code == 2 and hpc >= 3:
                lin, lout, lsp = 2.0, 8.0, 9.0
            if hot_shell and hpc > 2 and fac <= 1:
                lin = 8.0
                lout = 2.0 if odd else 8.0
            if hot_shell and cpc > 2:
                lin, lout = (9.0, 1.0) if axial else (8.0, 2.0)
        if rhc in (5.0, 6.0):
            lin = 9.0 if lin == 8 else lin
            lout = 9.0 if lout == 8 else lout
    asp = 0.0
    if s.hot_side_code == 2:
        ain, aout = 0.0, 180.0
        if hpc >= 3 and has_tsplit:
            asp, aout = 180.0, 0.0
    else:
        ain, aout = 180.0, 0.0
        if vertical and cpc >= 3:
            aout = 180.0
    if lin in (1.0, 9.0):
        ain = 360.0
    if lout in (1.0, 9.0):
        aout = 360.0
    if lsp in (1.0, 9.0):
        asp = 360.0
    ain = apply_orientation(ain, s.tube_in_ori)
    aout = apply_orientation(aout, s.tube_out_ori)
    if tp == 1 and has_tsplit:
        lsp, asp = (9.0, 360.0) if vertical else (8.0, 180.0)
    put(1.0, s.tube_inlet_nozzle_nps, lin, ain)
    put(2.0, s.tube_outlet_nozzle_nps, lout, aout)
    if has_tsplit:
        put(5.0, s.tube_split_outlet_nps, lsp, asp)

    # Additional tube-side inlets and outlets.
    p = min(int(ftrunc(s.tube_inlet_nozzle_count)), 4)
    q = min(int(ftrunc(s.tube_outlet_nozzle_count)), 4)
    extra = [180.0, 90.0, 270.0]
    skip_all = p > 1 and nfill + p > 15
    if not skip_all:
        if p > 1:
            for x in extra[:p - 1]:
                put(1.0, s.tube_inlet_nozzle_nps, lin, reduce_angle(fadd(ain, x)))
        if q > 1 and nfill + q <= 15:
            for x in extra[:q - 1]:
                put(2.0, s.tube_outlet_nozzle_nps, lout, reduce_angle(fadd(aout, x)))
    return slots, domes


# --------------------------------------------------------------------------------------
# Mechanical records, nozzle records
# --------------------------------------------------------------------------------------
def tenth(x):
    return fdiv(ftrunc(fmul(10.0, x)), 10.0)


def write_mechanical(s: State, w: Writer):
    pr = w.put_real
    hsc, rhc, st = s.hot_side_code, s.rear_head_code, s.shell_type_code
    H = s.tube_material_code if 0 < s.tube_material_code < 50 else 1.0
    S = 1.0
    pr(b'QALTUoM', s.unit_system)
    pr(b'LocFluidHS', hsc)
    pr(b'ExchPosi', s.position_code)
    pr(b'ExchVess', 1.0)
    pr(b'TEMAClass', s.tema_class_code)
    pr(b'HdFrType', s.front_head_code)
    pr(b'ShlType', st)
    pr(b'HdReType', rhc)
    pr(b'TempInSS', s.shell_inlet_temperature)
    pr(b'TempInTS', s.tube_inlet_temperature)
    pr(b'TempOutSS', s.shell_outlet_temperature)
    pr(b'TempOutTS', s.tube_outlet_temperature)
    pr(b'FilmCoefSS', s.shell_film_coefficient)
    pr(b'FilmCoefTS', s.tube_film_coefficient)
    pr(b'ShlMeanMetalTemp', s.shell_metal_temperature)
    pr(b'TubeMeanMetalTemp', s.tube_metal_temperature)
    pr(b'DesTempSS', s.shell_design_temperature)
    pr(b'DesTempTS', s.tube_design_temperature)
    pr(b'DesPressSS', s.shell_design_pressure)
    pr(b'DesPressTS', s.tube_design_pressure)
    if hsc <= 1:
        pr(b'PresDsgnHS', s.shell_design_pressure)
        pr(b'PresDsgnCS', s.tube_design_pressure)
        pr(b'TempDsgnHS', s.shell_design_temperature)
        pr(b'TempDsgnCS', s.tube_design_temperature)
    else:
        pr(b'PresDsgnCS', s.shell_design_pressure)
        pr(b'PresDsgnHS', s.tube_design_pressure)
        pr(b'TempDsgnCS', s.shell_design_temperature)
        pr(b'TempDsgnHS', s.tube_design_temperature)
    pr(b'TubeOTL', s.otl_diameter)
    pr(b'OTLDia', s.otl_diameter)
    pr(b'DistDownFromTop', s.dist_down_from_top)
    pr(b'DistUpFromBottom', s.dist_up_from_bottom)
    pr(b'BafType', s.baffle_type_code)
    bt = ftrunc(s.baffle_type_code)
    if bt == 1:
        pr(b'BafCutPerc', tenth(s.baffle_cut))
    elif bt == 2:
        pr(b'BafCut1DblSeg', tenth(s.baffle_cut))
        pr(b'BafCut2DblSeg', tenth(s.second_baffle_cut))
        pr(b'BafCutPerc', tenth(s.baffle_cut))
        pr(b'BafCutPercInner', tenth(s.second_baffle_cut))
    elif bt == 3:
        pr(b'BafCut1TriSeg', tenth(s.baffle_cut))
        pr(b'BafCut2TriSeg', tenth(s.second_baffle_cut))
        pr(b'BafCut3TriSeg', tenth(s.third_baffle_cut))
    pr(b'BafOri', s.baffle_orientation_code)
    pr(b'BafThk', s.baffle_thickness)
    pr(b'TubePassLoutType', s.pass_layout_type)
    pr(b'TubeType', s.tube_type_code)
    if s.tube_type_code == 2:
        pr(b'TubeFinDens', ftrunc(s.fin_density))
        pr(b'TubeFinHt', s.fin_height)
        pr(b'TubeFinThk', s.fin_thickness)
    pr(b'TshType', s.tubesheet_type_code)
    pr(b'TubeOD', s.tube_od)
    pr(b'TubePitch', s.tube_pitch)
    pr(b'TubePattern', s.tube_layout_angle)
    pr(b'TubeWallThk', s.tube_wall_thickness)
    pr(b'HdFrCovMtl', H)
    if rhc != 7:
        pr(b'HdReCovMtl', H)
    pr(b'ShlCylMtl', S)
    pr(b'BafMtl', S)
    if rhc >= 5:
        pr(b'ShlCovMtl', S)
    if rhc in (5.0, 6.0):
        pr(b'ShlCovCylMtl', S)
    if st == 6:
        pr(b'KetlCylMtl', S)
        pr(b'KetlRedMtl', S)
    pr(b'TshMtl', H)
    pr(b'TubeMtl', s.tube_material_code)
    if rhc > 4:
        pr(b'SSFlgMtl', S)
    pr(b'TSSFlgMtl', H)
    pr(b'SSNozCylMtl', S)
    pr(b'TSNozCylMtl', H)
    pr(b'ShlCylOD', s.shell_cylinder_nps)
    pr(b'ShlCylID', s.shell_cylinder_id)
    if s.shell_cylinder_id > s.shell_cylinder_nps:
        pr(b'ShlID', s.shell_cylinder_id)
    else:
        pr(b'ShlOD', s.shell_cylinder_nps)
    pr(b'BafSpc', s.baffle_spacing)
    pr(b'BafSpcCC', s.baffle_spacing)
    pr(b'BafSpcIn', s.inlet_baffle_spacing)
    pr(b'BafSpcOut', s.outlet_baffle_spacing)
    pr(b'BafNum', s.baffle_count)
    pr(b'TubeLenInches', s.tube_length_scaled)
    pr(b'TubeLng', s.tube_length_scaled)
    pr(b'TubeNum', s.tube_count)
    pr(b'TubePasses', s.tube_passes)
    pr(b'TubePassNum', s.tube_passes)
    pr(b'KetlOD', s.kettle_nps)
    pr(b'KetlID', s.kettle_id)
    pr(b'ImpProtType', s.impingement_protection_code)

    slots, domes = nozzle_layout(s)
    n = sum(1 for sl in slots if sl[0] != 0)
    for key, col in ((b'NozFunctionA-O', 0), (b'NozcylODA-O', 1), (b'NozLocA-O', 2),
                     (b'NozOriAngA-O', 3)):
        w.put_real_list(key, [sl[col] for sl in slots[:n]], n)
    m = len(domes)
    dome3 = domes + [[0.0] * 6] * (3 - m)
    w.put_real_list(b'NozDomType', [x[0] for x in domes], m)
    for i, ch in enumerate(b'ABC'):
        pr(b'NozDomCylMtl' + bytes([ch]), dome3[i][1])
    for i, ch in enumerate(b'ABC'):
        pr(b'NozDomMtl' + bytes([ch]), dome3[i][2])
    w.put_real_list(b'NozDomDia', [x[3] for x in domes], m)
    w.put_real_list(b'NozDomLoc', [x[4] for x in domes], m)
    w.put_real_list(b'DistBeltCylWidth', [x[5] for x in domes], m)

    locs = [sl[2] for sl in slots[:n]]
    front_flag = any(loc == 2 for loc in locs)
    rear_flag = any(loc == 8 for loc in locs) and rhc <= 3
    cover_flag = any(loc == 8 for loc in locs) and rhc > 3
    front_mtl = H if (s.front_head_code != 2 or s.tube_passes > 1 or front_flag) else 0.0
    rear_mtl = H if (rhc in (1.0, 3.0) or rear_flag) else 0.0
    cover_mtl = S if (rhc == 6 or cover_flag) else 0.0
    pr(b'HdFrCylInd', 2.0 if front_mtl > 0 else 1.0)
    pr(b'HdFrCylMtl', front_mtl)
    pr(b'HdReCylMtl', rear_mtl)
    pr(b'HdReCylInd', 2.0 if rear_mtl > 0 else 1.0)
    pr(b'ShlCovCylMtl', cover_mtl)
    if s.expansion_joint_code > 0:
        pr(b'EJInd', s.expansion_joint_code)
    pr(b'SupMtl', 1.0)
    l1, l2 = s.pass_lane_1, s.pass_lane_2
    min_ubend = 0.0
    if rhc != 7:
        lane = max(l1, l2)
    else:
        lane = min(l1, l2)
        min_ubend = fadd(s.tube_od, max(l1, l2))
    pr(b'PaPaLaneClr', lane)
    pr(b'TubeMinUbendDia', min_ubend)

    # Per-side nozzle summary.
    single = s.shells_in_series == 1
    if s.shell_split_outlet_nps > 0 and single:
        pr(b'NozSepLVOutHS' if hsc == 1 else b'NozSepLVOutCS', 1.0)
        sizes = [s.shell_inlet_nozzle_nps, s.shell_split_outlet_nps, s.shell_outlet_nozzle_nps]
    else:
        sizes = [s.shell_inlet_nozzle_nps, s.shell_outlet_nozzle_nps, 0.0]
    w.put_real_list(b'NozNomDiamSS', sizes, 3)
    w.put_real_list(b'NozOrientationSS', [s.shell_in_ori, s.shell_out_ori, 0.0], 3)
    if s.tube_split_outlet_nps > 0 and single:
        pr(b'NozSepLVOutHS' if hsc == 2 else b'NozSepLVOutCS', 1.0)
        sizes = [s.tube_inlet_nozzle_nps, s.tube_split_outlet_nps, s.tube_outlet_nozzle_nps]
    else:
        sizes = [s.tube_inlet_nozzle_nps, s.tube_outlet_nozzle_nps, 0.0]
    w.put_real_list(b'NozNomDiamTS', sizes, 3)
    ti, to = s.tube_in_ori, s.tube_out_ori
    if ti <= 0 and s.axial_nozzle_flag == 1:
        ti = 5.0
    if to <= 0 and s.axial_nozzle_flag == 1:
        to = 5.0
    w.put_real_list(b'NozOrientationTS', [ti, to, 0.0], 3)


# --------------------------------------------------------------------------------------
# Air-cooled exchanger records
# --------------------------------------------------------------------------------------
def write_air_cooler(s: State, w: Writer):
    if s.tube_rows <= 0:
        return
    pr, pi = w.put_real, w.put_int
    fin_type = {1.0: 8.0, 2.0: 10.0, 3.0: 2.0, 4.0: 11.0}.get(s.tube_type_code, s.tube_type_code)
    fin_tip = fadd(fmul(2.0, s.fin_height), s.tube_od)
    pr(b'FenzProgMode', s.program_mode)
    pr(b'FlRaAirSide', s.shell_flow_rate)
    pr(b'FlRaTS', s.tube_flow_rate)
    pr(b'TempAirInlet', s.shell_inlet_temperature)
    pr(b'TempAirOutlet', s.shell_outlet_temperature)
    if s.shell_inlet_pressure > 0:
        pr(b'XsidePressureSpec', 2.0)
    pr(b'PresOperInOT', s.shell_inlet_pressure)
    pr(b'PresOperInTS', s.tube_inlet_pressure)
    pr(b'PresDsgnTS', s.tube_design_pressure_as_given)
    pr(b'TempDsgnTS', s.tube_design_temperature_as_given)
    if s.fin_height > 0:
        pr(b'FoulOptionOT', 3.0)
    pr(b'FoulResOT', s.shell_fouling_resistance)
    pi(b'BayPar', s.bays_in_parallel)
    pi(b'BundPar', s.bundles_in_parallel)
    pi(b'FanPerBay', int(s.fans_per_bay))
    pr(b'FanOD', s.fan_diameter)
    pi(b'DraftType', s.draft_type_code)
    pr(b'TubeLng', s.tube_length_strict)
    pr(b'EffTubeLng', s.effective_tube_length_strict)
    pr(b'TubePerBund', s.tube_count)
    pi(b'TubeRowDeep', s.tube_rows)
    pr(b'TubePassPerBund', s.tube_passes)
    if s.odd_row_tubes != s.even_row_tubes:
        pi(b'TypeBundle', 5 if s.odd_row_tubes > s.even_row_tubes else 4)
    pr(b'TubePitFR', s.tube_pitch)
    pr(b'AngTubeLayOut', s.tube_layout_angle)
    w.put_real_list(b'arFinType', [fin_type], 1)
    w.put_real_list(b'arFinFrequency', [s.fin_density], 1)
    w.put_real_list(b'arFinTipDia', [fin_tip], 1)
    w.put_real_list(b'arFinThk', [s.fin_thickness], 1)
    w.put_real_list(b'NozNumTS', [s.tube_inlet_nozzle_count, s.tube_outlet_nozzle_count], 2)
    w.put_real_list(b'NozActualIDTS', s.tube_nozzle_ids, 2)
    w.put_text(b'FluidNameOT', s.shell_fluid_name, 40)
    w.put_text(b'FluidNameTS', s.tube_fluid_name, 40)


# --------------------------------------------------------------------------------------
# Hot and cold streams, thermal records
# --------------------------------------------------------------------------------------
def write_thermal(s: State, w: Writer):
    pf = C_0_01 if s.unit_system == 2 else 1.0
    ff = 1000.0 if s.unit_system == 3 else 1.0
    shell_hot = s.shell_inlet_temperature > s.tube_inlet_temperature
    if shell_hot:
        hot_flow, cold_flow = fmul(s.shell_flow_rate, ff), fmul(s.tube_flow_rate, ff)
        hot_in, hot_out = s.shell_inlet_temperature, s.shell_outlet_temperature
        cold_in, cold_out = s.tube_inlet_temperature, s.tube_outlet_temperature
        hot_p, cold_p = fmul(s.shell_inlet_pressure, pf), fmul(s.tube_inlet_pressure, pf)
        a, b, c = fmul(s.q65, ff), fmul(s.q67, ff), fmul(s.q69, ff)
        dd, e, f = fmul(s.q66, ff), fmul(s.q68, ff), fmul(s.q72, ff)
    else:
        hot_flow, cold_flow = fmul(s.tube_flow_rate, ff), fmul(s.shell_flow_rate, ff)
        hot_in, hot_out = s.tube_inlet_temperature, s.tube_outlet_temperature
        cold_in, cold_out = s.shell_inlet_temperature, s.shell_outlet_temperature
        hot_p, cold_p = fmul(s.tube_inlet_pressure, pf), fmul(s.shell_inlet_pressure, pf)
        a, b, c = fmul(s.q66, ff), fmul(s.q68, ff), fmul(s.q70, ff)
        dd, e, f = fmul(s.q65, ff), fmul(s.q67, ff), fmul(s.q71, ff)
    hot_appl = 0.0
    if a > 0:
        if b == 0 and c > 0:
            hot_appl = 2.0
        if a > c:
            hot_appl = 3.0
    elif a <= 0 and b > 0:
        hot_appl = 1.0
    cold_appl = 0.0
    if e > 0:
        if dd == 0 and f > 0:
            cold_appl = 1.0
        if e > f:
            cold_appl = 3.0
    elif e <= 0 and dd > 0:
        cold_appl = 2.0
    if s.hot_side_code <= 1:
        hot_foul, cold_foul = s.shell_fouling_resistance, s.tube_fouling_resistance
        hot_pd = fmul(s.shell_allowed_pressure_drop, pf)
        cold_pd = fmul(s.tube_allowed_pressure_drop, pf)
    else:
        hot_foul, cold_foul = s.tube_fouling_resistance, s.shell_fouling_resistance
        hot_pd = fmul(s.tube_allowed_pressure_drop, pf)
        cold_pd = fmul(s.shell_allowed_pressure_drop, pf)
    mode = s.program_mode if s.program_mode > 0 else 2.0
    pr = w.put_real
    pr(b'FoulResHS', hot_foul)
    pr(b'FoulResCS', cold_foul)
    pr(b'PrDrAlloHS', hot_pd)
    pr(b'PrDrAlloCS', cold_pd)
    pr(b'FlRaHS', hot_flow)
    pr(b'FlRaCS', cold_flow)
    pr(b'TempInHS', hot_in)
    pr(b'TempInCS', cold_in)
    pr(b'TempOutHS', hot_out)
    pr(b'TempOutCS', cold_out)
    pr(b'PresOperInHS', hot_p)
    pr(b'PresOperInCS', cold_p)
    pr(b'ApplTypeCS', cold_appl)
    pr(b'ApplTypeHS', hot_appl)
    pr(b'WurtProgMode', mode)
    w.put_text(b'FluidNamHS', s.hot_fluid_name, 20)
    w.put_text(b'FluidNamCS', s.cold_fluid_name, 20)
    pr(b'BafTypeQALT', s.qalt_baffle_type_code)
    pr(b'ShlSerNum', itof(s.shells_in_series))
    pr(b'ShlParNum', itof(s.shells_in_parallel))
    w.put_real_list(b'NozImpTypeSS', s.belt_impingement_types, 2)
    w.put_real_list(b'NozVapBltSlotAreaSS', s.belt_slot_areas, 2)
    w.put_real_list(b'NozVapBltDiamClrSS', s.belt_diametral_clearances, 2)
    w.put_real_list(b'NozVapBltAxialLengSS', s.belt_lengths, 2)


# --------------------------------------------------------------------------------------
# Conversion run
# --------------------------------------------------------------------------------------
def convert_detailed(deck_bytes):
    """Returns (status, keyword_bytes, reason)."""
    if deck_bytes is None:
        return STATUS_DECK_MISSING, b'', 'deck file missing or unreadable'
    w = Writer()
    try:
        d = Deck(deck_bytes)
        s = State()
        s.unit_system = d.unit_system
        decode_header_lines(d, s, w)
        decode_process_lines(d, s)
        decode_design_lines(d, s)
        decode_belt_lines(d, s)
        decode_nozzle_lines(d, s)
        derive(s)
        write_mechanical(s, w)
        write_air_cooler(s, w)
        write_thermal(s, w)
    except ConversionFailed as exc:
        return exc.status, b'', exc.why
    return STATUS_OK, bytes(w.out), ''


def convert(deck_bytes):
    """convert(deck_bytes) -> (status, keyword_bytes); status 0 on success."""
    status, out, _ = convert_detailed(deck_bytes)
    return status, out


def convert_file(deck_path):
    try:
        with open(deck_path, 'rb') as fh:
            data = fh.read()
    except OSError:
        data = None
    return convert_detailed(data)


# --------------------------------------------------------------------------------------
# Self-test on worked examples
# --------------------------------------------------------------------------------------
def make_deck(lines: dict, count: int = 499, first: str = 'U') -> bytes:
    rows = []
    for k in range(1, count + 1):
        if k == 1 and 1 not in lines:
            rows.append(first)
        else:
            rows.append(lines.get(k, ''))
    return ('\n'.join(rows) + '\n').encode('latin-1')


def records(out: bytes):
    return out.decode('latin-1').split('\n')


def self_test():
    failures = []
    checks = [0]

    def check(name, got, want):
        checks[0] += 1
        if got != want:
            failures.append('%s: got %r, want %r' % (name, got, want))

    # real edit rule
    for text, want in [(b'12345', 0.12345), (b'12345.', 12345.0), (b'1.5E2', 150.0),
                       (b'1.5+2', 150.0), (b'', 0.0), (b'   ', 0.0), (b'1 2.5', 12.5),
                       (b'-.5', -0.5), (b'+', 0.0), (b'.', 0.0), (b'1e5', 1.0), (b'- 5', -5e-5)]:
        check('real %r' % text, parse_real(text), f32(want))
    for text in (b'1.5E', b'5-', b'1.5.2', b'ABC', b'INF', b'3.5E38', b'1,5', b'1\t2', b'E'):
        try:
            parse_real(text)
            failures.append('real %r should be malformed' % text)
        except ConversionFailed:
            pass
    for text, want in [(b'42', 42), (b'-7', -7), (b'', 0), (b'1 2', 12)]:
        check('int %r' % text, parse_int(text), want)
    for text in (b'+', b'-', b'1.0', b'1E2', b'5-'):
        try:
            parse_int(text)
            failures.append('int %r should be malformed' % text)
        except ConversionFailed:
            pass
    check('decimal rounding 0.1', decimal_to_f32(False, 1, -1), f32(0.1))
    check('decimal rounding tiny', decimal_to_f32(False, 1, -45), 1.401298464324817e-45)
    check('decimal rounding max', decimal_to_f32(False, 34028235, 31), 3.4028234663852886e+38)
    check('decimal overflow', decimal_to_f32(False, 34028236, 31), None)

    # helpers
    for dia, us, want in [(1.049, 1, 1), (1.315, 1, 1.25), (1.5, 1, 1.25), (13.25, 1, 14), (29, 1, 30),
                          (30, 1, 31), (42.5, 1, 43), (25.0, 2, fmul(C_25_4, 1.0)),
                          (33.4, 3, fmul(C_25_4, 1.0)), (600, 2, fmul(C_25_4, 24.0)),
                          (1000, 2, 1020), (0, 1, 0), (-5, 2, 0), (762, 2, 782), (914.4, 2, 934),
                          (10.02, 1, 10), (16, 1, 18), (6.065, 1, 6)]:
        check('nps(%r,%r)' % (dia, us), nominal_pipe_size(f32(dia), float(us)), f32(want))
    for v, dirn, step, want in [(159.9, 1, 10, 160), (160, 1, 10, 160), (160.001, 1, 10, 170),
                                (-49.9, -1, 10, -50), (-40, -1, 10, -40), (25, -1, 10, 20),
                                (3.0, 0, 2, 4), (4.0, 0, 2, 4), (41.3, 0, 2, 42)]:
        check('round_to_step(%r)' % v, round_to_step(f32(v), float(dirn), float(step)), float(want))
    for p, want in [(83.9, 75), (84, 80), (100, 100), (114.7, 120), (200, 210), (1000, 1090), (0, 75),
                    (150, 150)]:
        check('design pressure %r' % p, design_pressure_default(f32(p)), float(want))
    for t, want in [(200, 260), (200.1, 260), (200.2, 270), (0, 60), (-20, -30), (-5, -20)]:
        check('design temperature %r' % t, design_temperature_default(f32(t)), float(want))
    check('spread 3', [('%f' % spread_location(i, 3)) for i in range(3)],
          ['3.333333', '5.000000', '6.666667'])

    # writer
    w = Writer()
    w.put_real_list(b'key', [1.5, 0.0, 2.0, 0.0, 0.0], 5)
    w.put_real(b'z', 0.0)
    w.put_real(b'z', -0.0)
    w.put_real(b'small', 0.0000001)
    w.put_text(b'T', b'3/4" TUBE'.ljust(20), 20)
    w.put_text(b'B', b' X', 2)
    check('writer', bytes(w.out),
          b'key,0,3\n1.500000, \n , \n2.000000, \nsmall,0.000000,0\nT,"3/4in TUBE           ",0\n')

    # whole decks
    st, out = convert(make_deck({36: 'NO-TUBES-IN-WINDOW SEGMENTAL'}))
    check('tubes in window first', records(out)[0], 'TubesInBafWindow,2.000000,0')
    st, out = convert(make_deck({19: 'AES', 150: '350', 152: '100.0', 133: '150.',
                                 36: 'SEGMENTAL', 38: '7', 53: '20'}))
    r = records(out)
    check('AES status', st, 0)
    for rec in ('HdFrType,1.000000,0', 'ShlType,1.000000,0', 'HdReType,5.000000,0',
                'TempInSS,350.000000,0', 'BafNum,6.000000,0', 'TubeLenInches,240.000000,0',
                'DesPressSS,150.000000,0', 'DesPressTS,75.000000,0', 'WurtProgMode,2.000000,0'):
        if rec not in r:
            failures.append('AES deck lacks %s' % rec)
    st, out = convert(make_deck({148: 'ABC'}))
    check('malformed unused line', st, STATUS_MALFORMED)
    st, out = convert(make_deck({10: 'ABC'}))
    check('malformed unread line', st, STATUS_OK)
    st, out = convert(make_deck({1: '  **U'}))
    check('star prefix', records(out)[0], 'QALTUoM,1.000000,0')
    # E shell, hot stream in the tubes, counter-current, 2 and 2 nozzles, 5 baffles; deck line 499
    # absent gives orientation code 0, so the shell orientation codes are (1, 1): angles 0 first.
    lines = {19: 'AES', 14: 'COUNTERCURRENT', 36: 'SEGMENTAL', 38: '6', 35: '90.0', 247: '2',
             451: '2', 452: '2', 55: '6.0', 56: '6.0', 150: '100.0', 152: '200.0'}
    st, out = convert(make_deck(lines))
    r = records(out)
    i = r.index('NozLocA-O,0,6')
    check('E shell locations', r[i + 1:i + 5], ['7.000000, ', '7.000000, ', '3.000000, ', '3.000000, '])
    i = r.index('NozOriAngA-O,0,6')
    check('E shell angles', r[i + 1:i + 5], [' , ', '180.000000, ', ' , ', '180.000000, '])

    # Layout examples with the shell orientation codes left at 0.
    def layout_state(**kw):
        s = State()
        for k, v in kw.items():
            setattr(s, k, v)
        return s

    base = dict(shell_type_code=1.0, hot_side_code=2.0, flow_arrangement_code=1.0,
                shell_inlet_nozzle_count=2.0, shell_outlet_nozzle_count=2.0,
                baffle_orientation_code=1.0, baffle_count=5.0, cold_phase_code=1.0,
                hot_phase_code=1.0, tube_passes=2.0)
    slots, _ = nozzle_layout(layout_state(**base))
    check('E layout odd', [(sl[2], sl[3]) for sl in slots[:4]],
          [(7.0, 180.0), (7.0, 0.0), (3.0, 180.0), (3.0, 0.0)])
    slots, _ = nozzle_layout(layout_state(**dict(base, baffle_count=6.0)))
    check('E layout even', [(sl[2], sl[3]) for sl in slots[2:4]], [(3.0, 0.0), (3.0, 180.0)])
    slots, _ = nozzle_layout(layout_state(shell_type_code=7.0, hot_side_code=1.0,
                                          shell_inlet_nozzle_count=3.0, tube_passes=2.0))
    check('X layout', [('%f' % sl[2], sl[3]) for sl in slots[:6]],
          [('3.333333', 0.0), ('5.000000', 0.0), ('6.666667', 0.0),
           ('3.333333', 180.0), ('5.000000', 180.0), ('6.666667', 180.0)])
    slots, _ = nozzle_layout(layout_state(shell_type_code=6.0, rear_head_code=5.0,
                                          shell_inlet_nozzle_count=1.0,
                                          shell_outlet_nozzle_count=3.0, tube_passes=2.0))
    check('K layout', [(sl[0], sl[2], sl[3]) for sl in slots[:4]],
          [(1.0, 3.0, 180.0), (2.0, 5.5, 0.0), (2.0, 7.0, 0.0), (2.0, 4.0, 0.0)])
    slots, _ = nozzle_layout(layout_state(shell_type_code=5.0, hot_side_code=1.0, hot_phase_code=3.0,
                                          shell_inlet_nozzle_count=1.0, shell_split_outlet_nps=4.0,
                                          tube_passes=2.0))
    check('J layout', [(sl[0], sl[1], sl[2], sl[3]) for sl in slots[:5]],
          [(1.0, 0.0, 5.0, 0.0), (2.0, 0.0, 3.0, 0.0), (2.0, 0.0, 7.0, 0.0),
           (5.0, 4.0, 3.0, 180.0), (5.0, 4.0, 7.0, 180.0)])
    slots, _ = nozzle_layout(layout_state(position_code=2.0, hot_side_code=2.0, hot_phase_code=3.0,
                                          tube_passes=1.0, tube_split_outlet_nps=3.0,
                                          rear_head_code=4.0))
    check('tube side vertical', [(sl[0], sl[2], sl[3]) for sl in slots[:3]],
          [(1.0, 2.0, 0.0), (2.0, 8.0, 0.0), (5.0, 9.0, 360.0)])
    slots, _ = nozzle_layout(layout_state(tube_passes=2.0, hot_side_code=2.0,
                                          tube_inlet_nozzle_count=3.0))
    check('extra tube inlets', [(sl[0], sl[3]) for sl in slots[:4]],
          [(1.0, 0.0), (2.0, 180.0), (1.0, 180.0), (1.0, 90.0)])
    # belt at the shell inlet
    lines = {19: 'AES', 251: '1', 248: '39.3', 252: '1.0', 55: '7.9', 451: '1', 452: '1'}
    st, out = convert(make_deck(lines))
    r = records(out)
    for rec in ('NozDomType,0,1', 'NozDomCylMtlA,1.000000,0', 'NozDomMtlA,1.000000,0'):
        if rec not in r:
            failures.append('belt deck lacks %s' % rec)
    i = r.index('NozDomDia,0,1')
    check('dome diameter', r[i + 1], '42.000000, ')
    i = r.index('DistBeltCylWidth,0,1')
    check('dome width', r[i + 1], '12.000000, ')

    for f in failures:
        print('FAIL', f)
    print('self-test: %d passed, %d failed' % (checks[0] - len(failures), len(failures)))
    return 1 if failures else 0


def main(argv):
    if len(argv) == 2 and argv[1] == '--self-test':
        return self_test()
    if len(argv) != 3:
        sys.stderr.write('usage: reference_converter.py DECK OUT | --self-test\n')
        return 2
    try:                                    # an existing keyword file is replaced, never appended to
        os.remove(argv[2])
    except OSError:
        pass
    status, out, why = convert_file(argv[1])
    if status != STATUS_OK:
        print('status %d' % status)
        if why:
            sys.stderr.write(why + '\n')
        return 1
    with open(argv[2], 'wb') as fh:
        fh.write(out)
    return 0


if __name__ == '__main__':
    sys.exit(main(sys.argv))
