"""The keyword file writer: records, their number formats, and fluid names from the OEM code page."""

from __future__ import annotations

import math
import os

from .failures import ConversionFailed, STATUS_MALFORMED


def _load_code_page():
    """OEM (437) -> ANSI (1252) byte table, from the data file shipped with the project."""
    here = os.path.dirname(os.path.abspath(__file__))
    candidates = [os.path.join(here, '..', '..', '..', 'data', 'oem437_to_ansi1252.tsv')]
    table = list(range(256))
    for path in candidates:
        try:
            with open(path, 'rb') as fh:
                for raw in fh.read().splitlines():
                    raw = raw.strip()
                    if not raw or raw.startswith(b'#'):
                        continue
                    a, b = raw.split()[:2]
                    table[int(a, 16)] = int(b, 16)
            return bytes(table)
        except OSError:
            continue
    # Fallback: the same mapping for the bytes 0x80-0xFF, written out.
    high = ('C7 FC E9 E2 E4 E0 E5 E7 EA EB E8 EF EE EC C4 C5 C9 E6 C6 F4 F6 F2 FB F9 FF D6 DC A2 '
            'A3 A5 50 83 E1 ED F3 FA F1 D1 AA BA BF AC AC BD BC A1 AB BB A6 A6 A6 A6 A6 A6 A6 2B '
            '2B A6 A6 2B 2B 2B 2B 2B 2B 2D 2D 2B 2D 2B A6 A6 2B 2B 2D 2D A6 2D 2B 2D 2D 2D 2D 2B '
            '2B 2B 2B 2B 2B 2B 2B A6 5F A6 A6 AF 61 DF 47 70 53 73 B5 74 46 54 4F 64 38 66 65 6E '
            '3D B1 3D 3D 28 29 F7 98 B0 B7 B7 76 6E B2 A6 A0').split()
    for i, h in enumerate(high):
        table[0x80 + i] = int(h, 16)
    return bytes(table)


OEM_TO_ANSI = _load_code_page()


class Writer:
    def __init__(self):
        self.out = bytearray()

    @staticmethod
    def _real(v):
        return ('%f' % v).encode('ascii')

    @staticmethod
    def _finite(key, v):
        if math.isnan(v) or math.isinf(v):
            raise ConversionFailed(STATUS_MALFORMED, 'value of %s is not finite' % key.decode())

    def put_real(self, key: bytes, v: float):
        if v == 0:
            return
        self._finite(key, v)
        self.out += key + b',' + self._real(v) + b',0\n'

    def put_int(self, key: bytes, v: int):
        v &= 0xFFFFFFFF                 # low 32 bits, signed
        if v >= 0x80000000:
            v -= 0x100000000
        if v == 0:
            return
        self.out += key + b',' + str(v).encode('ascii') + b',0\n'

    def put_text(self, key: bytes, text: bytes, length: int):
        text = text[:length]
        z = text.find(b'\0')
        if z >= 0:
            text = text[:z]
        if text[:1] == b' ':
            return
        text = text.replace(b'"', b'in').translate(OEM_TO_ANSI)
        self.out += key + b',"' + text + b'",0\n'

    def put_real_list(self, key: bytes, values, count: int):
        n = 0
        for i in range(max(count, 0)):
            if values[i] != 0:          # a NaN is present; -0 is not
                n = i + 1
        if n == 0:
            return
        for i in range(n):
            self._finite(key, values[i])
        self.out += key + b',0,' + str(n).encode('ascii') + b'\n'
        for i in range(n):
            v = values[i]
            if v != 0:
                self.out += self._real(v) + b', \n'
            else:
                self.out += b' , \n'
