#!/usr/bin/env python3
"""Generated decks of an exact line count for the benchmarks.

    python3 bench/bench_decks.py --lines 499 --count 3 --out DIR [--seed S]

writes DIR/generated_LINES_I.txt, the first COUNT decks of the project's deck generator
(tests/differential/deck_generator.py) for seed S that have exactly LINES lines. The same
seed always gives the same decks.
"""

from __future__ import annotations

import argparse
import os
import random
import sys

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
sys.path.insert(0, os.path.join(ROOT, 'tests', 'differential'))
import deck_generator  # noqa: E402


def line_count(data: bytes) -> int:
    if not data:
        return 0
    return data.count(b'\n') + (0 if data.endswith(b'\n') else 1)


def decks_of(lines: int, seed: int):
    """Decks of exactly `lines` lines, in the generator's order for this seed."""
    i = 0
    while True:
        data = deck_generator.make_deck(random.Random('%d-%d' % (seed, i)))
        if line_count(data) == lines:
            yield data
        i += 1


def main():
    ap = argparse.ArgumentParser(description=__doc__.split('\n\n')[0])
    ap.add_argument('--lines', type=int, required=True)
    ap.add_argument('--count', type=int, default=3)
    ap.add_argument('--seed', type=int, default=16)
    ap.add_argument('--out', required=True)
    a = ap.parse_args()
    os.makedirs(a.out, exist_ok=True)
    decks = decks_of(a.lines, a.seed)
    for i in range(a.count):
        with open(os.path.join(a.out, 'generated_%d_%d.txt' % (a.lines, i)), 'wb') as fh:
            fh.write(next(decks))
    return 0


if __name__ == '__main__':
    raise SystemExit(main())
