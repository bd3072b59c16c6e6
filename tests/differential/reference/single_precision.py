"""Single-precision arithmetic: every operation rounded to float32, deck decimals rounded once."""

from __future__ import annotations

import math
import struct
from fractions import Fraction


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
