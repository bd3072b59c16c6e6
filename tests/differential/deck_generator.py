#!/usr/bin/env python3
"""Random heat-exchanger design decks for differential testing of the converter.

    python3 deck_generator.py --seed S --count N --out DIR

writes DIR/deck_00000.txt ... Deck i depends only on (S, i), so a failing deck can be
regenerated alone with --first i --count 1. Most decks are valid and of realistic
magnitudes; some carry extreme values, short line counts (around the line-count guards),
CRLF line ends, shifted or starred first lines, long lines, or (about 3%) a malformed
number on a decoded line. What each part generates is in the generator/ package beside
this file.
"""

from __future__ import annotations

import argparse
import os
import random
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from generator.corners import corner_decks  # noqa: E402
from generator.deck import make_deck  # noqa: E402


def main():
    ap = argparse.ArgumentParser(description=__doc__.split('\n\n')[0])
    ap.add_argument('--seed', type=int, default=1)
    ap.add_argument('--count', type=int, default=100)
    ap.add_argument('--first', type=int, default=0, help='index of the first deck')
    ap.add_argument('--out', required=True)
    ap.add_argument('--corners', action='store_true', help='also write the hand-made corner decks')
    a = ap.parse_args()
    os.makedirs(a.out, exist_ok=True)
    if a.corners:
        for name, data in corner_decks():
            with open(os.path.join(a.out, 'corner_%s.txt' % name), 'wb') as fh:
                fh.write(data)
    for i in range(a.first, a.first + a.count):
        data = make_deck(random.Random('%d-%d' % (a.seed, i)))
        with open(os.path.join(a.out, 'deck_%05d.txt' % i), 'wb') as fh:
            fh.write(data)
    return 0


if __name__ == '__main__':
    raise SystemExit(main())
