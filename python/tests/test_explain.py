# explain() through the package: each explained record paired with the right Record, the deck
# lines behind it, the absent records, and failures raised as convert() raises them.
import pytest

import qalt2morv
from conftest import EXAMPLE_DECKS, EXAMPLES, deck_with

AES = EXAMPLES / "aes_crude_preheat.deck"


@pytest.mark.parametrize("deck", EXAMPLE_DECKS, ids=lambda p: p.stem)
def test_records_pair_with_the_keyword_file(deck):
    e = qalt2morv.explain(deck)
    assert e.conversion == qalt2morv.convert(deck)
    assert [r.record for r in e.records] == e.conversion.records  # repeated keys included
    assert all(r.lines == sorted(r.lines) and 1 <= min(r.lines) and max(r.lines) <= e.deck_lines
               for r in e.records if r.lines)
    assert qalt2morv.explain(deck.read_bytes()) == e


@pytest.mark.parametrize("key, line", [
    ("TempInSS", 150),     # shell-side inlet temperature
    ("FluidNamHS", 276),   # the hot stream's name
    ("QALTUoM", 1),        # the unit letter
])
def test_lines_behind_a_record(key, line):
    [r] = [r for r in qalt2morv.explain(AES).records if r.record.key == key]
    assert line in r.lines


def test_absent_records_and_the_lines_that_bring_them_in():
    e = qalt2morv.explain(AES)
    present = {(r.key, r.occurrence) for r in e.conversion.records}
    assert e.absent and not {(a.key, a.occurrence) for a in e.absent} & present
    # Tube rows on line 485 make an exchanger air-cooled: its records are absent here.
    assert any(a.key == "FlRaAirSide" and 485 in a.lines for a in e.absent)


def test_crlf_line_end_reaches_the_conversion():
    e = qalt2morv.explain(AES, line_end="crlf")
    assert e.conversion.data == qalt2morv.convert(AES, line_end="crlf").data


@pytest.mark.parametrize("deck, error, line", [
    (deck_with(148, b"12a4"), qalt2morv.DeckMalformed, 148),
    (EXAMPLES / "no such deck.deck", qalt2morv.DeckUnreadable, 0),
    (EXAMPLES, qalt2morv.DeckUnreadable, 0),
])
def test_a_deck_that_does_not_convert_raises(deck, error, line):
    with pytest.raises(error) as caught:
        qalt2morv.explain(deck)
    assert caught.value.line == line
