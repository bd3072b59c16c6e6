"""Values the host needs that the deck does not state directly: orientations, hot and cold names."""

from __future__ import annotations

from .deck import word
from .numeric import nominal_pipe_size
from .single_precision import fadd, is_even
from .state import State


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
