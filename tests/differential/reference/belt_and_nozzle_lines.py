"""Deck lines 251 to 285 (vapour belts, pass layout, fluids) and 451 to 499 (nozzle counts, cuts)."""

from __future__ import annotations

from .deck import Deck, word
from .numeric import nominal_pipe_size
from .single_precision import (C_0_000001, C_0_01, C_0_5, C_1_OVER_144, fadd, fdiv, fmul, fsub,
                               ftrunc, itof)
from .state import BLANK40, State


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
