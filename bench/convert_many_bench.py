#!/usr/bin/env python3
"""The Python package's convert_many over a folder of generated decks, with one and two jobs.

    python3 bench/convert_many_bench.py [--count 2000] [--lines 499] [--runs 7]
                                        [--package build-python/python]

Writes COUNT generated decks of LINES lines (the project's deck generator) into a folder on
tmpfs, then times `convert_many(paths, jobs=1)` and `jobs=2` alternately RUNS times each and
prints the medians. Build the package first (cmake --preset python && cmake --build --preset
python) for the interpreter that runs this script.
"""

from __future__ import annotations

import argparse
import os
import pathlib
import shutil
import statistics
import sys
import time

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from bench_decks import decks_of  # noqa: E402


def main():
    ap = argparse.ArgumentParser(description=__doc__.split('\n\n')[0])
    ap.add_argument('--count', type=int, default=2000, help='decks to convert')
    ap.add_argument('--lines', type=int, default=499, help='lines of every deck')
    ap.add_argument('--runs', type=int, default=7, help='runs of each job count')
    ap.add_argument('--seed', type=int, default=16, help='generator seed')
    ap.add_argument('--package', default=os.path.join(ROOT, 'build-python', 'python'),
                    help='folder holding the qalt2morv package')
    ap.add_argument('--work', default='/dev/shm/qalt2morv_convert_many_bench' if os.path.isdir('/dev/shm')
                    else os.path.join(ROOT, 'build-python', 'convert_many_bench'))
    args = ap.parse_args()
    sys.path.insert(0, args.package)
    try:
        import qalt2morv
    except ImportError as e:
        raise SystemExit('%s: no qalt2morv package (cmake --preset python && cmake --build --preset python): %s'
                         % (args.package, e))

    shutil.rmtree(args.work, ignore_errors=True)
    os.makedirs(args.work)
    decks = decks_of(args.lines, args.seed)
    for i in range(args.count):
        with open(os.path.join(args.work, 'deck_%05d.deck' % i), 'wb') as fh:
            fh.write(next(decks))
    paths = sorted(pathlib.Path(args.work).glob('*.deck'))
    try:
        times = {1: [], 2: []}
        for _ in range(args.runs):
            for jobs in times:
                start = time.perf_counter()
                converted = sum(1 for _ in qalt2morv.convert_many(paths, jobs=jobs))
                times[jobs].append(time.perf_counter() - start)
                if converted != len(paths):
                    raise SystemExit('convert_many gave %d results for %d decks' % (converted, len(paths)))
        print('%d decks of %d lines in %s' % (len(paths), args.lines, args.work))
        for jobs, t in times.items():
            print('jobs=%d  median %.3f s  (%s)' % (jobs, statistics.median(t), ' '.join('%.3f' % x for x in t)))
        print('jobs=1 / jobs=2: %.2f' % (statistics.median(times[1]) / statistics.median(times[2])))
    finally:
        shutil.rmtree(args.work, ignore_errors=True)
    return 0


if __name__ == '__main__':
    raise SystemExit(main())
