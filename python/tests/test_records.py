# Records read back from the keyword file: kinds, numbers as the digits written, blank list
# entries, texts through the host's code page, and to_dict() taking a key's first occurrence.
import pytest

import qalt2morv
from conftest import EXAMPLE_DECKS, EXAMPLES, deck_with

AES = EXAMPLES / "aes_crude_preheat.deck"


def record(conversion, key, occurrence=1):
    [r] = [r for r in conversion.records if (r.key, r.occurrence) == (key, occurrence)]
    return r


@pytest.mark.parametrize("key, kind, value, values", [
    ("TempInSS", "number", 450.0, []),
    ("FilmCoefSS", "number", 152.300003, []),   # the digits written, not the single-precision value
    ("NozFunctionA-O", "list", None, [1.0, 2.0, 1.0, 2.0]),
    ("NozOriAngA-O", "list", None, [None, None, 180.0]),   # blank entries first
    ("FluidNamHS", "text", "CRUDE OIL           ", []),
])
def test_example_records(key, kind, value, values):
    r = record(qalt2morv.convert(AES), key)
    assert (r.kind, r.value, r.values) == (kind, value, values)


@pytest.mark.parametrize("deck", EXAMPLE_DECKS, ids=lambda p: p.stem)
def test_one_record_per_header_line(deck):
    conversion = qalt2morv.convert(deck)
    headers = [line.split(b",")[0].decode() for line in conversion.data.splitlines()
               if not line.endswith(b", ")]
    assert [r.key for r in conversion.records] == headers
    assert [r.occurrence for r in conversion.records] == [headers[:i + 1].count(k) for i, k in enumerate(headers)]
    firsts = {r.key: r.values if r.kind == "list" else r.value for r in reversed(conversion.records)}
    assert conversion.to_dict() == firsts


def test_text_through_the_host_code_page():
    # 0x82 is é in the deck's code page 437; the keyword file holds it as 0xE9 (code page 1252).
    conversion = qalt2morv.convert(deck_with(276, b"CR\x82ME"))
    assert b'"CR\xe9ME' in conversion.data
    assert conversion.to_dict()["FluidNamHS"].rstrip() == "CRéME"


def test_crlf_keyword_file_reads_the_same():
    lf = qalt2morv.convert(AES).records
    assert qalt2morv.convert(AES, line_end="crlf").records == lf


# Keyword text of every shape the reader knows, as a host-side tool would meet it.
SHAPES = (b'Dup,1.500000,0\n'
          b'Dup,-2.000000,0\n'
          b'Mixed,0,4\n"12  ", \n1.500000,F\n , \n3.000000, \n'
          b'Name,"caf\xe9 \x81\x80",0\n'
          b'Dup,7.000000,0\n')


def test_shapes_and_first_occurrence():
    conversion = qalt2morv.Conversion(SHAPES)
    assert [(r.key, r.occurrence, r.kind) for r in conversion.records] == [
        ("Dup", 1, "number"), ("Dup", 2, "number"), ("Mixed", 1, "list"), ("Name", 1, "text"), ("Dup", 3, "number")]
    # A quoted entry stays a text even when it holds digits; a tagged entry is a (number, tag) pair.
    assert record(conversion, "Mixed").values == ["12  ", (1.5, "F"), None, 3.0]
    # 0x81 has no character in code page 1252; it reads as U+0081, as Windows reads it.
    assert record(conversion, "Name").value == "café \x81€"
    assert conversion.to_dict() == {"Dup": 1.5, "Mixed": ["12  ", (1.5, "F"), None, 3.0], "Name": "café \x81€"}
    assert record(conversion, "Dup", 3).value == 7.0
