"""One conversion run: decode every group of deck lines, derive, write the records."""

from __future__ import annotations

from .air_cooler import write_air_cooler
from .belt_and_nozzle_lines import decode_belt_lines, decode_nozzle_lines
from .deck import Deck
from .derivations import derive
from .failures import ConversionFailed, STATUS_DECK_MISSING, STATUS_OK
from .header_lines import decode_header_lines
from .mechanical_records import write_mechanical
from .process_and_design_lines import decode_design_lines, decode_process_lines
from .state import State
from .thermal_records import write_thermal
from .writer import Writer


def convert_detailed(deck_bytes):
    """Returns (status, keyword_bytes, reason)."""
    if deck_bytes is None:
        return STATUS_DECK_MISSING, b'', 'deck file missing or unreadable'
    w = Writer()
    try:
        d = Deck(deck_bytes)
        s = State()
        s.unit_system = d.unit_system
        decode_header_lines(d, s, w)
        decode_process_lines(d, s)
        decode_design_lines(d, s)
        decode_belt_lines(d, s)
        decode_nozzle_lines(d, s)
        derive(s)
        write_mechanical(s, w)
        write_air_cooler(s, w)
        write_thermal(s, w)
    except ConversionFailed as exc:
        return exc.status, b'', exc.why
    return STATUS_OK, bytes(w.out), ''


def convert(deck_bytes):
    """convert(deck_bytes) -> (status, keyword_bytes); status 0 on success."""
    status, out, _ = convert_detailed(deck_bytes)
    return status, out


def convert_file(deck_path):
    try:
        with open(deck_path, 'rb') as fh:
            data = fh.read()
    except OSError:
        data = None
    return convert_detailed(data)
