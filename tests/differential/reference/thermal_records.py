"""The hot and cold streams and the thermal records."""

from __future__ import annotations

from .single_precision import C_0_01, fmul, itof
from .state import State
from .writer import Writer


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
