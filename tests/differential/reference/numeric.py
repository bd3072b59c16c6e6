"""Nominal pipe sizes, rounding to a step, design defaults, spread locations and angles."""

from __future__ import annotations

from .single_precision import (C_0_00001, C_0_5, C_0_75, C_14_7, C_1_1, C_25_4, C_59_9, C_84, C_9_9,
                               f32, fadd, fdiv, ffloor, fmul, fsub, ftrunc, itof)


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
