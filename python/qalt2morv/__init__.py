"""Heat-exchanger design decks into the host's keyword files, from Python.

The conversion itself is the C++ library's, through a native module: the keyword file's
bytes are exactly what the library writes. Failures are exceptions (DeckMalformed,
DeckUnreadable, OutputFailed), never a crash or an exit of the interpreter.
"""
from __future__ import annotations

import os
from dataclasses import dataclass, field
from functools import cached_property
from typing import Dict, Iterable, Iterator, List, Tuple, Union

from . import _native

__version__: str = _native.version
__all__ = [
    "AbsentRecord", "Conversion", "ConversionError", "ExplainedRecord", "Explanation", "DeckMalformed", "DeckUnreadable", "InternalFailure",
    "Note", "OutputFailed", "Record", "check", "convert", "convert_file", "convert_many", "explain",
]

# Statuses of the C++ interface, as the exported function returns them.
STATUS_OK = 0
STATUS_DECK_UNREADABLE = 1500
STATUS_DECK_MALFORMED = 1501
STATUS_OUTPUT_FAILED = 1502
STATUS_INTERNAL_FAILURE = 1503

# Deck text is in the OEM code page the deck program writes (437): every byte has a character.
_DECK_CODE_PAGE = "cp437"
# Keyword-file texts are in the host's ANSI code page, 1252. Five of its bytes have no
# character; Windows reads them as the control characters of the same number, and so do we.
_KEYWORD_CODE_PAGE = "cp1252"
_UNDEFINED_IN_1252 = frozenset({0x81, 0x8D, 0x8F, 0x90, 0x9D})
# Record kinds in the order of the native module's numbers.
_KINDS = ("number", "text", "list")


def _keyword_text(raw: bytes) -> str:
    try:
        return raw.decode(_KEYWORD_CODE_PAGE)
    except UnicodeDecodeError:
        return "".join(chr(b) if b in _UNDEFINED_IN_1252 else bytes((b,)).decode(_KEYWORD_CODE_PAGE) for b in raw)


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


ListEntry = Union[float, str, Tuple[float, str], None]


@dataclass(frozen=True)
class Record:
    """One record of the keyword file.

    kind is "number" (value a float of the digits written), "text" (value a str) or "list"
    (values: a float per number entry, a (float, tag) pair per tagged entry, a str per text
    entry, None per blank entry; value is None). occurrence counts from 1 per key.
    """

    key: str
    occurrence: int
    kind: str
    value: Union[float, str, None] = None
    values: List[ListEntry] = field(default_factory=list)


def _entry(raw: bytes, quoted: bool) -> ListEntry:
    if quoted:
        return _keyword_text(raw)
    if not raw:
        return None
    number, comma, tag = raw.partition(b",")
    try:
        value = float(number)
    except ValueError:
        return _keyword_text(raw)
    return (value, _keyword_text(tag)) if comma else value


def _record(key: bytes, occurrence: int, kind: int, value: bytes, entries: List[Tuple[bytes, bool]]) -> Record:
    name = _KINDS[kind]
    if name == "list":
        return Record(_keyword_text(key), occurrence, name, None, [_entry(e, q) for e, q in entries])
    if name == "number":
        return Record(_keyword_text(key), occurrence, name, float(value))
    return Record(_keyword_text(key), occurrence, name, _keyword_text(value))


@dataclass(frozen=True)
class Conversion:
    """A converted deck: the keyword file's bytes and the notes on what was not recognised.

    `records` reads the keyword file back into Record objects (on first use), `to_dict()`
    maps each key to the value (or list of values) of its first occurrence.
    """

    data: bytes = field(repr=False)
    notes: List[Note] = field(default_factory=list)

    @cached_property
    def records(self) -> List[Record]:
        return [_record(*r) for r in _native.read_records(self.data)]

    def to_dict(self) -> Dict[str, Union[float, str, List[ListEntry]]]:
        result: Dict[str, Union[float, str, List[ListEntry]]] = {}
        for r in self.records:
            if r.key not in result:
                result[r.key] = r.values if r.kind == "list" else r.value  # type: ignore[assignment]
        return result


@dataclass(frozen=True)
class ExplainedRecord:
    """A record of the keyword file and the deck lines behind it (ascending)."""

    record: Record
    lines: List[int]


@dataclass(frozen=True)
class AbsentRecord:
    """A record the keyword file lacks, and the deck lines whose change would write it."""

    key: str
    occurrence: int
    lines: List[int]


@dataclass(frozen=True)
class Explanation:
    """Which deck lines stand behind each record, which would bring in an absent record, and
    which can make the conversion fail.

    Each deck line is tried empty and holding "7", the rest of the deck unchanged: a line is
    behind a record that changes or goes, would bring in a record that only a variant
    writes, and is failing when a variant does not convert.
    """

    conversion: Conversion
    deck_lines: int
    records: List[ExplainedRecord]
    absent: List[AbsentRecord]
    failing_lines: List[int]


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


def _explanation(raw: tuple, path: Union[str, None]) -> Explanation:
    outcome, deck_lines, records, absent, failing_lines = raw
    conversion = _result(outcome, path)
    by_key = {(r.key, r.occurrence): r for r in conversion.records}
    return Explanation(
        conversion, deck_lines,
        [ExplainedRecord(by_key[(_keyword_text(k), n)], lines) for k, n, lines in records],
        [AbsentRecord(_keyword_text(k), n, lines) for k, n, lines in absent],
        failing_lines)


def explain(deck: DeckSource, *, line_end: str = "lf") -> Explanation:
    """Explains a deck's conversion line by line (see Explanation); raises as convert() does
    when the deck as given does not convert. It converts the deck about a thousand times."""
    crlf = _crlf(line_end)
    if isinstance(deck, (bytes, bytearray, memoryview)):
        return _explanation(_native.explain_bytes(bytes(deck), crlf), None)
    if isinstance(deck, str) or hasattr(deck, "__fspath__"):
        return _explanation(_native.explain_path(_path_bytes(deck), crlf), os.fsdecode(os.fspath(deck)))
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
    released, a batch of decks at a time; with more than one job, the next batch converts
    while this one is handed out.
    """
    crlf = _crlf(line_end)
    if jobs is None:
        jobs = os.cpu_count() or 1
    if jobs < 1:
        raise ValueError(f"jobs must be at least 1, not {jobs}")
    batch_size = max(256, 64 * jobs)

    def hand_out(batch: List[Union[str, os.PathLike]], raws: list) -> Iterator[Tuple[Union[str, os.PathLike], Union[Conversion, ConversionError]]]:
        for path, raw in zip(batch, raws):
            yield path, _outcome(raw, os.fsdecode(os.fspath(path)))

    if jobs == 1:  # every conversion on the calling thread, no other thread started
        for batch in _batches(paths, batch_size):
            yield from hand_out(batch, _native.convert_paths([_path_bytes(p) for p in batch], 1, crlf))
        return
    # Each batch starts converting on its own threads before the one ahead of it is handed
    # out, so building the Python objects of one batch overlaps the conversions of the next.
    pending = None
    for batch in _batches(paths, batch_size):
        started = (batch, _native.PathBatch([_path_bytes(p) for p in batch], jobs, crlf))
        if pending is not None:
            yield from hand_out(pending[0], pending[1].results())
        pending = started
    if pending is not None:
        yield from hand_out(pending[0], pending[1].results())


def _batches(items: Iterable, size: int) -> Iterator[list]:
    batch: list = []
    for item in items:
        batch.append(item)
        if len(batch) == size:
            yield batch
            batch = []
    if batch:
        yield batch
