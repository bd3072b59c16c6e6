"""The deck loader and the field kinds: lines, columns, reals, integers and the tolerant rule."""

from __future__ import annotations

import re

from .failures import ConversionFailed, STATUS_MALFORMED
from .single_precision import decimal_to_f32, itof


LINE_WIDTH = 90
MAX_LINES = 1000
BLANK_LINE = b' ' * LINE_WIDTH

_REAL_RE = re.compile(rb'([+-]?)([0-9]*)(?:(\.)([0-9]*))?(?:[EeDd]([+-]?[0-9]+)|([+-][0-9]+))?')
_INT_RE = re.compile(rb'[+-]?[0-9]+')


def parse_real(field: bytes, where: str = '') -> float:
    """Real edit rule over the given columns (blanks ignored, five implied decimals)."""
    s = field.replace(b' ', b'')
    m = _REAL_RE.fullmatch(s)
    if m is None:
        raise ConversionFailed(STATUS_MALFORMED, '%s: malformed real %r' % (where, field))
    sign, ipart, point, fpart, exp_a, exp_b = m.groups()
    exp_text = exp_a if exp_a is not None else exp_b
    exp10 = int(exp_text) if exp_text is not None else 0
    # Fortran input takes an exponent of at most four digits once the five implied decimals
    # are scaled in; a longer one is no number.
    if abs(exp10 - (0 if point is not None else 5)) > 9999:
        raise ConversionFailed(STATUS_MALFORMED, '%s: malformed real %r' % (where, field))
    fpart = fpart or b''
    digits = (ipart + fpart).lstrip(b'0')
    mantissa = int(digits) if digits else 0
    if point is not None:
        exp10 -= len(fpart)
    else:
        exp10 -= 5
    v = decimal_to_f32(sign == b'-', mantissa, exp10)
    if v is None:
        raise ConversionFailed(STATUS_MALFORMED, '%s: real beyond single precision %r' % (where, field))
    return v


def parse_int(field: bytes, where: str = '') -> int:
    s = field.replace(b' ', b'')
    if not s:
        return 0
    if _INT_RE.fullmatch(s) is None:
        raise ConversionFailed(STATUS_MALFORMED, '%s: malformed integer %r' % (where, field))
    return int(s)


def split_deck_lines(data: bytes):
    """Deck lines: end at LF; a CR before the LF (or at the end of the file) is dropped;
    a last line without LF counts; at most 1000 lines of at most 90 columns."""
    lines = data.split(b'\n')
    if lines and lines[-1] == b'':
        lines.pop()
    out = []
    for raw in lines[:MAX_LINES]:
        if raw.endswith(b'\r'):
            raw = raw[:-1]
        out.append(raw[:LINE_WIDTH].ljust(LINE_WIDTH, b' '))
    return out


class Deck:
    def __init__(self, data: bytes):
        read = split_deck_lines(data)
        self.count = len(read)
        store = [BLANK_LINE] * MAX_LINES
        store[:len(read)] = read
        self.unit_system = 0.0
        # Leading-blank shift, decided by deck line 1 alone, applied to every line.
        first = store[0]
        if first[0:1] == b' ':
            s = 2 if first[1:2] == b' ' else 1
            store = [ln[s:80] + ln[80 - s:80] + ln[80:90] for ln in store]
        # Star prefix on deck line 1.
        first = bytearray(store[0])
        p = 0
        if first[0:1] == b'*':
            while p < LINE_WIDTH and first[p] == 0x2A:
                first[p] = 0x20
                p += 1
            store[0] = bytes(first)
        letter = store[0][p:p + 1]
        if letter == b'U':
            self.unit_system = 1.0
        elif letter == b'S':
            self.unit_system = 2.0
        elif letter == b'M':
            self.unit_system = 3.0
        self.store = store
        self.search_copy = b' ' * 40

    def has(self, k):
        return k <= self.count

    def line(self, k):
        return self.store[k - 1]

    # field kinds (callers guard with has(k) where the rule says so)
    def text(self, k, n):
        return self.line(k)[:n]

    def real(self, k):
        return parse_real(self.line(k)[:11], 'deck line %d' % k)

    def integer(self, k):
        return parse_int(self.line(k)[:9], 'deck line %d' % k)

    def tolerant(self, k):
        if self.has(k):
            self.search_copy = self.line(k)[:40]
        if b'.' in self.search_copy:
            return self.real(k)
        return itof(self.integer(k))


def word(text: bytes, w: bytes, width: int = 40) -> bool:
    """A text field equals a word: the word, same case, then blanks only."""
    return text[:width] == w.ljust(width, b' ')
