"""Hand-made corner decks: one point each, on top of a small valid AES deck."""

from __future__ import annotations


def _base_lines():
    return {1: 'U', 13: 'DESIGN', 14: 'COUNTERCURRENT', 17: 'FINNED', 19: 'AES', 20: '1', 21: '1',
            31: '25.0', 32: '12.0', 33: '15.0', 34: '15.0', 35: '90.0', 36: 'SEGMENTAL', 38: '8',
            39: '2', 40: '0.75', 42: '30', 43: '1.0', 45: '1', 46: '500', 49: '19.0', 50: '0.06',
            51: '0.012', 53: '20', 54: '19.5', 55: '6.0', 56: '8.0', 63: '50000.', 64: '60000.',
            65: '100.', 66: '200.', 133: '150.', 134: '250.', 141: '10.', 142: '12.', 150: '300.',
            151: '200.', 152: '80.', 153: '120.', 171: '0.001', 173: '0.002', 214: '0.0',
            236: '23.0', 247: '1', 248: '24.25', 276: 'CRUDE', 277: 'WATER', 279: '6.0',
            280: '6.0', 451: '1', 452: '1', 453: '1', 454: '1', 499: '0'}


def _build(lines, count=499, nl='\n', tail=True):
    text = nl.join(lines.get(k, '') for k in range(1, count + 1)) + (nl if tail else '')
    return text.encode('latin-1')


def corner_decks():
    """[(name, deck bytes)] for corners that random decks reach rarely."""
    out = []

    def case(name, changes=None, **kw):
        lines = _base_lines()
        lines.update(changes or {})
        out.append((name, _build(lines, **kw)))

    case('base')
    # real edit rule corners (deck line 31 baffle cut, 40 tube OD are written)
    for name, text in [('lower_e', '2.5e1'), ('lower_d', '2.5d1'), ('q_exponent', '2.5Q1'),
                       ('exponent_only', 'E5'), ('sign_then_exponent', '+-5'), ('sign_only', '-'),
                       ('point_only', '.'), ('tab', '1\t2'), ('nul', '1\x002')]:
        case('real_' + name, {31: text})
    for name, text in [('subnormal', '1E-40'), ('smallest', '1.4E-45'), ('under_half_smallest', '7E-46'),
                       ('tie_to_even', '16777217.'), ('largest', '3.4028235E38'),
                       ('rounds_to_largest', '3.4028236E38'), ('overflow', '3.40282357E38'),
                       ('exp_minus_9994', '1E-9994'), ('exp_minus_9995', '1E-9995'),
                       ('point_exp_minus_10000', '1.E-10000'), ('zero_exp_10005', '0E10005'),
                       ('exp_minus_99999999', '1E-99999999'), ('exp_plus_10004', '1E10004')]:
        case('real_' + name, {40: text})
    # integer edit rule
    for name, text in [('tie', '16777217'), ('sign_9_columns', '+12345678'), ('plus', '+'),
                       ('tab', '1\t2'), ('point', '8.0')]:
        case('int_' + name, {38: text} if name != 'tie' else {46: text})
    # values that overflow only where they are not written, or are written
    case('metric_quantity_overflow_unwritten', {1: 'M', 65: '1.0E36', 63: '10.'})
    case('metric_flow_overflow_written', {1: 'M', 63: '1.0E36'})
    case('effective_length_overflow_unused', {53: '1.0E37', 54: '3.0E37'})
    case('spacing_overflow_replaced', {36: 'NONE', 53: '10.', 54: '3.0E37', 32: '0', 38: '5', 272: '3'})
    case('spacing_count_beyond_2_24', {32: '0', 38: '16777219', 54: '1.0E8'})
    # division guards
    case('k_shell_zero_spacing', {19: 'AKS', 36: 'NONE', 32: '0', 33: '1', 34: '2'})
    case('k_shell_spacing', {19: 'AKS', 36: 'NONE', 32: '7.0'})
    case('unbaffled_support_minus_1', {36: 'NONE', 38: '0', 272: '-1'})
    case('unbaffled_support_minus_3', {36: 'NONE', 38: '0', 272: '-3'})
    case('spacing_n_2', {32: '0', 38: '2'})
    case('spacing_n_1', {32: '0', 38: '1'})
    case('cut_shell_diameter_0', {248: '0', 494: '3.0'})
    case('cut_shell_diameter_negative', {248: '-10.', 494: '3.0'})
    case('cut_shell_diameter_tiny', {248: '1E-40', 494: '3.0'})
    # codes
    case('tube_material_4', {45: '4'})
    case('tube_material_negative', {45: '-2'})
    for name, text in [('half', '0.5'), ('one', '1'), ('minus_half', '-0.5')]:
        case('third_cut_' + name, {36: 'TRIPLE-SEGMENTAL', 261: text, 494: '3.', 495: '6.', 496: '2.'})
    case('j_shell_four_domes', {19: 'AJ21S', 451: '2', 452: '2', 251: '3', 252: '1.0', 284: '1.0'})
    case('j_shell_three_domes', {19: 'AJ21S', 451: '1', 452: '2', 251: '3', 252: '1.0', 284: '1.0'})
    case('j_shell_rear_column_3', {19: 'BJT'})
    case('x_shell_nine_inlets_split', {19: 'AXS', 451: '9', 283: '4.0'})
    case('x_shell_extra_tube_nozzles', {19: 'AXS', 451: '5', 283: '4.0', 282: '3.0', 453: '4', 454: '4'})
    case('x_shell_two_extra', {19: 'AXS', 451: '5', 283: '4.0', 282: '3.0', 453: '2', 454: '2'})
    case('negative_counts', {451: '-3', 452: '-1'})
    case('vertical_phase_change', {214: '90.0', 65: '500.', 69: '10.', 70: '600.', 66: '5.',
                                   282: '3.', 283: '4.', 39: '1'})
    # texts
    case('name_nul_first', {276: '\x00WATER', 277: '\x00'})
    case('name_nul_inside', {276: 'WA\x00TER'})
    case('name_cr_inside', {276: 'WA\rTER'})
    case('name_oem_bytes', {276: '\x8e\x82\xb3\xff NAME "X"'})
    case('number_cr_before_lf', {38: '8\r'})
    # first line
    for name, text in [('all_stars', '*' * 90), ('stars_89', '*' * 89 + 'U'), ('blank_star', ' *U'),
                       ('three_blanks', '   U'), ('two_blanks_stars', '  ***S'),
                       ('long', 'U' + ' ' * 100 + 'S')]:
        case('line1_' + name, {1: text})
    case('shift_long_line', {1: ' U', 276: 'A' * 78 + 'BCDEFGHIJKLM'})
    # loader
    out.append(('empty', b''))
    out.append(('only_lf', b'\n'))
    out.append(('only_cr', b'\r'))
    out.append(('lf_then_cr', b'U\n\r'))
    case('cr_cr_lf', nl='\r\r\n')
    lines = _base_lines()
    out.append(('crlf_final_cr', _build(lines, nl='\r\n', tail=False) + b'\r'))
    case('lines_1000', {1000: 'X'}, count=1000)
    case('lines_1001_malformed_after', {1001: '1.5.2'}, count=1001)
    case('line_over_90', {38: '8'.ljust(90) + 'ABC'})
    case('line_89_crlf', {38: '8'.ljust(89) + 'X'}, nl='\r\n')
    return out
