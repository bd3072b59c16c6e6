# Fixtures of the Python package's tests: the example decks, a deck with one line changed,
# and the keyword files of the same decks from the shared library and the command line.
import ctypes
import os
import pathlib
import subprocess

import pytest

EXAMPLES = pathlib.Path(os.environ.get("QALT2MORV_EXAMPLES_DIR",
                                       pathlib.Path(__file__).resolve().parents[2] / "examples"))
EXAMPLE_DECKS = sorted(EXAMPLES.glob("*.deck"))


def deck_with(line: int, text: bytes, deck: pathlib.Path = EXAMPLES / "aes_crude_preheat.deck") -> bytes:
    """The deck's bytes with deck line `line` (from 1) replaced by text."""
    lines = deck.read_bytes().split(b"\n")
    lines[line - 1] = text
    return b"\n".join(lines)


def shared_library_keywords(deck: pathlib.Path, out: pathlib.Path) -> bytes:
    """The keyword file the host's shared library writes for the deck, through QALT2MORV."""
    path = os.environ.get("QALT2MORV_SHARED_LIBRARY")
    if not path:
        pytest.skip("QALT2MORV_SHARED_LIBRARY names no shared library (CTest sets it)")
    library = ctypes.CDLL(path)
    library.QALT2MORV.argtypes = [ctypes.c_char_p, ctypes.c_char_p, ctypes.c_int32]
    library.QALT2MORV.restype = ctypes.c_int32
    status = library.QALT2MORV(os.fsencode(deck), os.fsencode(out), 0)
    assert status == 0
    return out.read_bytes()


def command_line_keywords(deck: pathlib.Path) -> bytes:
    cli = os.environ.get("QALT2MORV_CLI")
    if not cli:
        pytest.skip("QALT2MORV_CLI names no command line (CTest sets it)")
    return subprocess.run([cli, "convert", os.fspath(deck)], check=True, capture_output=True).stdout
