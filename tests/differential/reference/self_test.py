"""Worked examples for the reference converter itself: pipe sizes, defaults, layout, writer."""

from __future__ import annotations

from .conversion import convert
from .deck import parse_int, parse_real
from .failures import ConversionFailed, STATUS_MALFORMED, STATUS_OK
from .nozzle_layout import nozzle_layout
from .numeric import (design_pressure_default, design_temperature_default, nominal_pipe_size,
                      round_to_step, spread_location)
from .single_precision import C_25_4, decimal_to_f32, f32, fmul
from .state import State
from .writer import Writer


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
