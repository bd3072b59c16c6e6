"""Deck lines 2 to 132: case header, exchanger type, baffles, tubes, flows."""

from __future__ import annotations

from .deck import Deck, word
from .single_precision import itof
from .state import BLANK40, State
from .writer import Writer


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
