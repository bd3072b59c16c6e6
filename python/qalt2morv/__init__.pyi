# Type hints of the qalt2morv package.
import os
from typing import Dict, Iterable, Iterator, List, Tuple, Union

__version__: str

STATUS_OK: int
STATUS_DECK_UNREADABLE: int
STATUS_DECK_MALFORMED: int
STATUS_OUTPUT_FAILED: int
STATUS_INTERNAL_FAILURE: int

_Path = Union[str, os.PathLike[str]]
DeckSource = Union[bytes, bytearray, memoryview, str, os.PathLike[str], os.PathLike[bytes]]

class ConversionError(Exception):
    status: int
    message: str
    line: int
    path: Union[str, None]
    def __init__(self, message: str, *, line: int = ..., path: Union[str, None] = ...) -> None: ...

class DeckMalformed(ConversionError, ValueError): ...
class DeckUnreadable(ConversionError, OSError): ...
class OutputFailed(ConversionError, OSError): ...
class InternalFailure(ConversionError, RuntimeError): ...

class Note:
    line: int
    found: str
    expected: str
    def __init__(self, line: int, found: str, expected: str) -> None: ...

ListEntry = Union[float, str, Tuple[float, str], None]

class Record:
    key: str
    occurrence: int
    kind: str  # "number", "text" or "list"
    value: Union[float, str, None]
    values: List[ListEntry]
    def __init__(self, key: str, occurrence: int, kind: str, value: Union[float, str, None] = ...,
                 values: List[ListEntry] = ...) -> None: ...

class Conversion:
    data: bytes
    notes: List[Note]
    def __init__(self, data: bytes, notes: List[Note] = ...) -> None: ...
    @property
    def records(self) -> List[Record]: ...
    def to_dict(self) -> Dict[str, Union[float, str, List[ListEntry]]]: ...

class ExplainedRecord:
    record: Record
    lines: List[int]
    def __init__(self, record: Record, lines: List[int]) -> None: ...

class AbsentRecord:
    key: str
    occurrence: int
    lines: List[int]
    def __init__(self, key: str, occurrence: int, lines: List[int]) -> None: ...

class Explanation:
    conversion: Conversion
    deck_lines: int
    records: List[ExplainedRecord]
    absent: List[AbsentRecord]
    failing_lines: List[int]
    def __init__(self, conversion: Conversion, deck_lines: int, records: List[ExplainedRecord],
                 absent: List[AbsentRecord], failing_lines: List[int]) -> None: ...

def explain(deck: DeckSource, *, line_end: str = ...) -> Explanation: ...
def convert(deck: DeckSource, *, line_end: str = ...) -> Conversion: ...
def check(deck: DeckSource) -> List[Note]: ...
def convert_file(deck_path: _Path, output_path: _Path, *, line_end: str = ...) -> List[Note]: ...
def convert_many(paths: Iterable[_Path], jobs: Union[int, None] = ..., *,
                 line_end: str = ...) -> Iterator[Tuple[_Path, Union[Conversion, ConversionError]]]: ...
