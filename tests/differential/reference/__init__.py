"""The reference converter, one module per part of the conversion; reference_converter.py is
its command line. Importable: convert(deck_bytes) -> (status, keyword_bytes)."""

from .conversion import convert, convert_detailed, convert_file
from .failures import STATUS_DECK_MISSING, STATUS_MALFORMED, STATUS_OK, ConversionFailed

__all__ = ['convert', 'convert_detailed', 'convert_file', 'ConversionFailed', 'STATUS_OK',
           'STATUS_DECK_MISSING', 'STATUS_MALFORMED']
