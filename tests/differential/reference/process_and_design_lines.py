"""Deck lines 133 to 250: process conditions, fans, design conditions, construction choices."""

from __future__ import annotations

from .deck import Deck, word
from .numeric import design_pressure_default, design_temperature_default, nominal_pipe_size
from .single_precision import C_0_5, fadd, ftrunc, itof
from .state import BLANK40, State


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
