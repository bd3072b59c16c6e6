"""The air-cooled exchanger records."""

from __future__ import annotations

from .single_precision import fadd, fmul
from .state import State
from .writer import Writer


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
