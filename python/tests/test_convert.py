# The package against the library's other faces: the same keyword bytes as the shared library
# and the command line, failures as exceptions with their deck line, bytes and paths alike.
import os
import pathlib

import pytest

import qalt2morv
from conftest import EXAMPLE_DECKS, EXAMPLES, command_line_keywords, deck_with, shared_library_keywords

AES = EXAMPLES / "aes_crude_preheat.deck"


@pytest.mark.parametrize("deck", EXAMPLE_DECKS, ids=lambda p: p.stem)
def test_example_equals_shared_library(deck, tmp_path):
    assert qalt2morv.convert(deck).data == shared_library_keywords(deck, tmp_path / "out.kw")


@pytest.mark.parametrize("deck", EXAMPLE_DECKS, ids=lambda p: p.stem)
def test_example_equals_command_line(deck):
    assert qalt2morv.convert(deck).data == command_line_keywords(deck)


@pytest.mark.parametrize("deck", EXAMPLE_DECKS, ids=lambda p: p.stem)
def test_bytes_path_and_str_give_the_same_conversion(deck):
    by_path = qalt2morv.convert(deck)
    assert by_path.data
    assert qalt2morv.convert(os.fspath(deck)) == by_path
    assert qalt2morv.convert(deck.read_bytes()) == by_path
    assert qalt2morv.convert(bytearray(deck.read_bytes())) == by_path
    assert qalt2morv.convert(memoryview(deck.read_bytes())) == by_path


def test_crlf_line_ends():
    lf = qalt2morv.convert(AES).data
    crlf = qalt2morv.convert(AES, line_end="crlf").data
    assert crlf == lf.replace(b"\n", b"\r\n")


@pytest.mark.parametrize("bad", ["platform", "LF", "\n", ""])
def test_unknown_line_end_is_rejected(bad):
    with pytest.raises(ValueError, match="line_end"):
        qalt2morv.convert(AES, line_end=bad)


@pytest.mark.parametrize("deck", [12, None, 1.5, ["a.deck"]])
def test_deck_of_another_type_is_rejected(deck):
    with pytest.raises(TypeError):
        qalt2morv.convert(deck)


@pytest.mark.parametrize("line, text", [
    (148, b"12a4"),          # a real with a letter in it
    (150, b"1.2.3"),         # two decimal points
    (231, b"2OO"),           # a design pressure typed with letters O
])
def test_malformed_deck_raises_with_its_line(line, text):
    with pytest.raises(qalt2morv.DeckMalformed) as caught:
        qalt2morv.convert(deck_with(line, text))
    e = caught.value
    assert isinstance(e, ValueError)
    assert (e.line, e.status) == (line, 1501)
    assert f"line {line}" in str(e)


def test_malformed_deck_file_names_the_path(tmp_path):
    deck = tmp_path / "bad.deck"
    deck.write_bytes(deck_with(148, b"12a4"))
    with pytest.raises(qalt2morv.DeckMalformed) as caught:
        qalt2morv.convert(deck)
    assert (caught.value.line, caught.value.path) == (148, os.fspath(deck))


@pytest.mark.parametrize("where", ["missing", "directory"])
def test_unreadable_deck(where, tmp_path):
    deck = tmp_path / "E-101.deck" if where == "missing" else tmp_path
    with pytest.raises(qalt2morv.DeckUnreadable) as caught:
        qalt2morv.convert(deck)
    assert isinstance(caught.value, OSError)
    assert (caught.value.status, caught.value.line) == (1500, 0)


def test_notes_name_line_and_text():
    # Line 19 holds the exchanger type; an unknown one, with an OEM letter in it (0x82 is é).
    conversion = qalt2morv.convert(deck_with(19, b"Q\x82Q"))
    assert conversion.notes and {n.line for n in conversion.notes} == {19}
    assert conversion.notes[0].found == "QéQ"
    assert conversion.notes[0].expected
    assert qalt2morv.check(deck_with(19, b"Q\x82Q")) == conversion.notes
    assert qalt2morv.check(AES) == []


def test_check_raises_as_convert_does():
    with pytest.raises(qalt2morv.DeckMalformed) as caught:
        qalt2morv.check(deck_with(148, b"12a4"))
    assert caught.value.line == 148


def test_convert_file_replaces_an_existing_keyword_file(tmp_path):
    out = tmp_path / "E-101.kw"
    out.write_bytes(b"old content, longer than nothing\n" * 1000)
    assert qalt2morv.convert_file(AES, out) == []
    assert out.read_bytes() == qalt2morv.convert(AES).data


@pytest.mark.parametrize("deck_text, error, status", [
    (deck_with(148, b"12a4"), qalt2morv.DeckMalformed, 1501),
    (None, qalt2morv.DeckUnreadable, 1500),
])
def test_convert_file_leaves_nothing_after_a_failure(deck_text, error, status, tmp_path):
    deck = tmp_path / "E-101.deck"
    if deck_text is not None:
        deck.write_bytes(deck_text)
    out = tmp_path / "E-101.kw"
    out.write_bytes(b"a keyword file from an earlier run\n")
    with pytest.raises(error) as caught:
        qalt2morv.convert_file(deck, out)
    assert caught.value.status == status
    assert not out.exists()


@pytest.mark.parametrize("where", ["missing folder", "the deck itself"])
def test_output_failed(where, tmp_path):
    deck = tmp_path / "E-101.deck"
    deck.write_bytes(AES.read_bytes())
    out = tmp_path / "no" / "such" / "E-101.kw" if where == "missing folder" else deck
    with pytest.raises(qalt2morv.OutputFailed) as caught:
        qalt2morv.convert_file(deck, out)
    assert isinstance(caught.value, OSError)
    assert caught.value.status == 1502
    assert deck.read_bytes() == AES.read_bytes()


def test_non_ascii_paths(tmp_path):
    folder = tmp_path / "Wärmetauscher É-101 ÿ"
    folder.mkdir()
    deck = folder / "décapage.deck"
    deck.write_bytes(AES.read_bytes())
    expected = qalt2morv.convert(AES.read_bytes()).data
    assert qalt2morv.convert(deck).data == expected
    assert qalt2morv.convert(os.fspath(deck)).data == expected
    out = folder / "sortie ü.kw"
    qalt2morv.convert_file(deck, out)
    assert out.read_bytes() == expected
    [(path, conversion)] = qalt2morv.convert_many([deck], jobs=1)
    assert path == deck and conversion.data == expected


def test_version():
    assert qalt2morv.__version__.count(".") == 2
    assert all(part.isdigit() for part in qalt2morv.__version__.split("."))
