"""The nozzle and dome tables: shell-side nozzles, tube-side nozzles, vapour-belt domes."""

from __future__ import annotations

from .numeric import apply_orientation, reduce_angle, round_to_step, spread_location
from .single_precision import fadd, ftrunc, is_even
from .state import State


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
