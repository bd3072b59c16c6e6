# Batch conversion on several threads: each deck's outcome is the one a sequential
# conversion gives, in the order the paths were given, failures included.
import pathlib

import pytest

import qalt2morv
from conftest import EXAMPLE_DECKS, deck_with


def outcome(result):
    """What a conversion or failure says, in a form that compares by value."""
    if isinstance(result, qalt2morv.ConversionError):
        return type(result).__name__, result.status, result.line, result.message
    return "ok", result.data, result.notes


def sequential(path):
    try:
        return qalt2morv.convert(path)
    except qalt2morv.ConversionError as e:
        return e


@pytest.fixture(scope="module")
def decks(tmp_path_factory):
    """A few hundred paths: every example, decks with a changed value, malformed decks, missing
    decks and an unknown exchanger type, spread so that neighbours differ."""
    folder = tmp_path_factory.mktemp("decks")
    paths = []
    for i in range(700):
        kind = i % 7
        deck = folder / f"deck{i:04}.deck"
        if kind < 4:
            example = EXAMPLE_DECKS[kind % len(EXAMPLE_DECKS)]
            deck.write_bytes(deck_with(150, b"%d.5" % (100 + i), example))
        elif kind == 4:
            deck.write_bytes(deck_with(148, b"%da" % i))
        elif kind == 5:
            deck = folder / f"missing{i}.deck"
        else:
            deck.write_bytes(deck_with(19, b"Q%02d" % (i % 100)))
        paths.append(deck)
    return paths


@pytest.mark.parametrize("jobs", [1, 2, 3, 8, None])
def test_matches_sequential_conversions_in_order(decks, jobs):
    expected = [outcome(sequential(p)) for p in decks]
    got = list(qalt2morv.convert_many(decks, jobs=jobs))
    assert [p for p, _ in got] == decks
    assert [outcome(r) for _, r in got] == expected
    kinds = {e[0] for e in expected}
    assert kinds == {"ok", "DeckMalformed", "DeckUnreadable"}


def test_takes_any_iterable_and_str_paths(decks):
    names = (str(p) for p in decks[:10])
    got = list(qalt2morv.convert_many(names, jobs=2))
    assert [p for p, _ in got] == [str(p) for p in decks[:10]]
    assert [outcome(r) for _, r in got] == [outcome(sequential(p)) for p in decks[:10]]


def test_empty():
    assert list(qalt2morv.convert_many([], jobs=2)) == []


@pytest.mark.parametrize("jobs", [0, -1])
def test_needs_a_thread(jobs):
    with pytest.raises(ValueError, match="jobs"):
        list(qalt2morv.convert_many([EXAMPLE_DECKS[0]], jobs=jobs))


def test_stopping_early_waits_for_the_batches_in_flight(decks):
    # Leaving the loop while later batches still convert must neither crash nor hang, and
    # the conversions after it are unaffected.
    results = qalt2morv.convert_many(decks, jobs=2)
    first = [next(results) for _ in range(3)]
    results.close()
    del results
    assert [outcome(r) for _, r in first] == [outcome(sequential(p)) for p in decks[:3]]
    again = list(qalt2morv.convert_many(decks[:300], jobs=2))
    assert [outcome(r) for _, r in again] == [outcome(sequential(p)) for p in decks[:300]]
