"""Heat-exchanger design decks into the host's keyword files, from Python.

The conversion itself is the C++ library's, through a native module: the keyword file's
bytes are exactly what the library writes. Failures are exceptions (DeckMalformed,
DeckUnreadable, OutputFailed), never a crash or an exit of the interpreter.
"""
from __future__ import annotations

import os
from dataclasses import dataclass, field
from typing import Iterable, Iterator, List, Tuple, Union

from . import _native

__version__: str = _native.version
__all__ = [
    "Conversion", "ConversionError", "DeckMalformed", "DeckUnreadable", "InternalFailure",
    "Note", "OutputFailed", "check", "convert", "convert_file", "convert_many",
]

# Statuses of the C++ interface, as the exported function returns them.
STATUS_OK = 0
STATUS_DECK_UNREADABLE = 1500
STATUS_DECK_MALFORMED = 1501
STATUS_OUTPUT_FAILED = 1502
STATUS_INTERNAL_FAILURE = 1503

# Deck text is in the OEM code page the deck program writes (437): every byte has a character.
_DECK_CODE_PAGE = "cp437"


class ConversionError(Exception):
    """A conversion that did not give a keyword file: status, deck line (0 if none), message."""

    status: int = 0

    def __init__(self, message: str, *, line: int = 0, path: Union[str, None] = None):
        super().__init__(message)
        self.message = message
        self.line = line
        self.path = path


class DeckMalformed(ConversionError, ValueError):
    """A deck field breaks its edit rule, or a value overflows (status 1501); `line` names it."""

    status = STATUS_DECK_MALFORMED


class DeckUnreadable(ConversionError, OSError):
    """The deck is missing, a directory, or cannot be read (status 1500)."""

    status = STATUS_DECK_UNREADABLE


class OutputFailed(ConversionError, OSError):
    """The keyword file cannot be created or written, or its path names the deck (status 1502)."""

    status = STATUS_OUTPUT_FAILED


class InternalFailure(ConversionError, RuntimeError):
    """Out of memory or another internal failure (status 1503)."""

    status = STATUS_INTERNAL_FAILURE


_ERRORS = {e.status: e for e in (DeckMalformed, DeckUnreadable, OutputFailed, InternalFailure)}


@dataclass(frozen=True)
class Note:
    """Something the deck held that the conversion did not recognise: the reason a record is missing."""

    line: int      # deck line
    found: str     # the text found, trailing blanks dropped
    expected: str  # what the line may hold


@dataclass(frozen=True)
class Conversion:
    """A converted deck: the keyword file's bytes and the notes on what was not recognised."""

    data: bytes = field(repr=False)
    notes: List[Note] = field(default_factory=list)


DeckSource = Union[bytes, bytearray, memoryview, str, "os.PathLike[str]", "os.PathLike[bytes]"]


def _crlf(line_end: str) -> bool:
    if line_end == "lf":
        return False
    if line_end == "crlf":
        return True
    raise ValueError(f'line_end must be "lf" or "crlf", not {line_end!r}')


def _path_bytes(path: Union[str, bytes, "os.PathLike[str]", "os.PathLike[bytes]"]) -> bytes:
    return os.fsencode(os.fspath(path))


def _outcome(raw: Tuple[int, bytes, int, bytes, list], path: Union[str, None]) -> Union[Conversion, ConversionError]:
    status, message, line, data, notes = raw
    if status == STATUS_OK:
        return Conversion(data, [Note(n, f.decode(_DECK_CODE_PAGE), e.decode(_DECK_CODE_PAGE)) for n, f, e in notes])
    error = _ERRORS.get(status, InternalFailure)
    return error(message.decode(_DECK_CODE_PAGE), line=line, path=path)


def _result(raw: Tuple[int, bytes, int, bytes, list], path: Union[str, None]) -> Conversion:
    outcome = _outcome(raw, path)
    if isinstance(outcome, ConversionError):
        raise outcome
    return outcome


def _run(deck: DeckSource, crlf: bool) -> Conversion:
    if isinstance(deck, (bytes, bytearray, memoryview)):
        return _result(_native.convert_bytes(bytes(deck), crlf), None)
    if isinstance(deck, str) or hasattr(deck, "__fspath__"):
        return _result(_native.convert_path(_path_bytes(deck), crlf), os.fsdecode(os.fspath(deck)))
    raise TypeError(f"deck must be bytes (the deck's text) or a path, not {type(deck).__name__}")


def convert(deck: DeckSource, *, line_end: str = "lf") -> Conversion:
    """Converts a deck: bytes are the deck's text, a str or path-like names the deck file.

    line_end is "lf" or "crlf" (a keyword file headed for a Windows host). Raises
    DeckMalformed, DeckUnreadable or InternalFailure when the deck does not convert.
    """
    return _run(deck, _crlf(line_end))


def check(deck: DeckSource) -> List[Note]:
    """The notes of a deck's conversion, or the exception convert() would raise."""
    return _run(deck, False).notes


def convert_file(deck_path: Union[str, "os.PathLike[str]"], output_path: Union[str, "os.PathLike[str]"],
                 *, line_end: str = "lf") -> List[Note]:
    """Converts the deck file into the keyword file at output_path and returns the notes.

    An existing keyword file is replaced, never appended to; after a failure no keyword file
    is left at output_path.
    """
    raw = _native.convert_file(_path_bytes(deck_path), _path_bytes(output_path), _crlf(line_end))
    return _result(raw, os.fsdecode(os.fspath(deck_path))).notes


def convert_many(paths: Iterable[Union[str, "os.PathLike[str]"]], jobs: Union[int, None] = None, *,
                 line_end: str = "lf") -> Iterator[Tuple[Union[str, "os.PathLike[str]"], Union[Conversion, ConversionError]]]:
    """Converts deck files on `jobs` threads (default: the number of processors).

    Yields (path, Conversion) or (path, the exception) for every path, in the order given;
    a failing deck never stops the others. The conversions run with the interpreter lock
    released, a batch of decks at a time.
    """
    crlf = _crlf(line_end)
    if jobs is None:
        jobs = os.cpu_count() or 1
    if jobs < 1:
        raise ValueError(f"jobs must be at least 1, not {jobs}")
    batch_size = max(256, 64 * jobs)
    batch: List[Union[str, os.PathLike]] = []

    def run(batch: List[Union[str, os.PathLike]]) -> Iterator[Tuple[Union[str, os.PathLike], Union[Conversion, ConversionError]]]:
        names = [os.fsdecode(os.fspath(p)) for p in batch]
        raws = _native.convert_paths([_path_bytes(p) for p in batch], jobs, crlf)
        for path, name, raw in zip(batch, names, raws):
            yield path, _outcome(raw, name)

    for path in paths:
        batch.append(path)
        if len(batch) == batch_size:
            yield from run(batch)
            batch = []
    if batch:
        yield from run(batch)
