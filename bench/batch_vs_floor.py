#!/usr/bin/env python3
"""A batch conversion against the file-I/O floor, as whole processes.

    python3 bench/batch_vs_floor.py [--count 5000] [--lines 499] [--runs 5]

Generates COUNT decks of LINES lines with the project's deck generator (decks the converter
rejects are replaced, so every deck gives a keyword file), then runs, alternately RUNS times
each: `qalt2morv convert DIR --out-dir OUT -j 1 -q`, the same with -j 2, and the floor program
(bench/batch_floor.c), which does the same file work per deck without converting: read the
deck, remove the old output, create it, write as many bytes with one write, close. Prints the
median wall-clock times and two ratios: command / floor with one worker, one worker / two.
For the second it also runs the floor as two processes at once, each on half of the decks:
how far the file work alone gains from a second core on this machine.
"""

from __future__ import annotations

import argparse
import os
import resource
import shutil
import statistics
import subprocess
import sys
import time

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from bench_decks import decks_of  # noqa: E402


def first_existing(*paths):
    for p in paths:
        if os.path.exists(p):
            return p
    return paths[0]


def convert(cli, deck_dir, out_dir, jobs):
    return subprocess.run([cli, 'convert', deck_dir, '--out-dir', out_dir, '-j', str(jobs), '-q'],
                          stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL).returncode


def prepare(args, deck_dir, out_dir):
    """COUNT decks that all convert; returns the manifest path for the floor program."""
    for d in (deck_dir, out_dir):
        shutil.rmtree(d, ignore_errors=True)
        os.makedirs(d)
    decks = decks_of(args.lines, args.seed)
    written = 0
    for _ in range(20):
        while written < args.count:
            with open(os.path.join(deck_dir, 'deck_%05d.deck' % written), 'wb') as fh:
                fh.write(next(decks))
            written += 1
        convert(args.cli, deck_dir, out_dir, 2)
        # A deck the converter rejects (a malformed number) writes nothing: replace it.
        missing = [n for n in sorted(os.listdir(deck_dir))
                   if not os.path.exists(os.path.join(out_dir, n[:-len('.deck')] + '.kw'))]
        if not missing:
            break
        for n in missing:
            with open(os.path.join(deck_dir, n), 'wb') as fh:
                fh.write(next(decks))
    else:
        raise SystemExit('%s: decks still without a keyword file after 20 rounds' % deck_dir)
    lines = []
    for n in sorted(os.listdir(deck_dir)):
        out = os.path.join(out_dir, n[:-len('.deck')] + '.kw')
        lines.append('%s %s %d\n' % (os.path.join(deck_dir, n), out, os.path.getsize(out)))
    manifests = []
    for name, part in (('floor_manifest.txt', lines), ('floor_first_half.txt', lines[:len(lines) // 2]),
                       ('floor_second_half.txt', lines[len(lines) // 2:])):
        manifests.append(os.path.join(os.path.dirname(deck_dir), name))
        with open(manifests[-1], 'w') as fh:
            fh.writelines(part)
    return manifests


def children_cpu():
    r = resource.getrusage(resource.RUSAGE_CHILDREN)
    return r.ru_utime + r.ru_stime


def timed(cmds):
    """(wall-clock seconds, CPU seconds) of one whole run of the commands, started together."""
    cpu = children_cpu()
    start = time.perf_counter()
    running = [subprocess.Popen(c, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL) for c in cmds]
    codes = [p.wait() for p in running]
    elapsed = time.perf_counter() - start
    for c, rc in zip(cmds, codes):
        if rc != 0:
            raise SystemExit('failed (exit %d): %s' % (rc, ' '.join(c)))
    return elapsed, children_cpu() - cpu


def main():
    ap = argparse.ArgumentParser(description=__doc__.split('\n\n')[0])
    ap.add_argument('--count', type=int, default=5000, help='decks in the batch')
    ap.add_argument('--lines', type=int, default=499, help='lines of every deck')
    ap.add_argument('--runs', type=int, default=5, help='runs of each program (at least 5)')
    ap.add_argument('--seed', type=int, default=16, help='generator seed')
    ap.add_argument('--work', default='/dev/shm/qalt2morv_batch_bench' if os.path.isdir('/dev/shm')
                    else os.path.join(ROOT, 'build-bench', 'batch_bench'),
                    help='folder for decks and keyword files (tmpfs by default)')
    ap.add_argument('--cli', default=first_existing(os.path.join(ROOT, 'build-bench', 'cli', 'qalt2morv'),
                                                    os.path.join(ROOT, 'build', 'cli', 'qalt2morv')))
    ap.add_argument('--floor', default=os.path.join(ROOT, 'build-bench', 'bench', 'qalt2morv_batch_floor'))
    ap.add_argument('--keep', action='store_true', help='keep the work folder')
    args = ap.parse_args()
    args.runs = max(args.runs, 5)
    for p in (args.cli, args.floor):
        if not os.access(p, os.X_OK):
            raise SystemExit('%s: not built (cmake --preset bench && cmake --build --preset bench)' % p)

    deck_dir = os.path.join(args.work, 'decks')
    out_dir = os.path.join(args.work, 'kw')
    manifest, first_half, second_half = prepare(args, deck_dir, out_dir)
    programs = {
        '-j 1': [[args.cli, 'convert', deck_dir, '--out-dir', out_dir, '-j', '1', '-q']],
        '-j 2': [[args.cli, 'convert', deck_dir, '--out-dir', out_dir, '-j', '2', '-q']],
        'floor': [[args.floor, manifest]],
        'floor x2': [[args.floor, first_half], [args.floor, second_half]],
    }
    print('%d decks of %d lines in %s; %s' % (args.count, args.lines, args.work, args.cli))
    print('load average before: %s' % ' '.join('%.2f' % x for x in os.getloadavg()))
    times = {name: [] for name in programs}
    cpu = {name: [] for name in programs}
    for name, cmd in programs.items():  # one untimed round: caches and page tables warm
        timed(cmd)
    for _ in range(args.runs):
        for name, cmd in programs.items():
            wall, used = timed(cmd)
            times[name].append(wall)
            cpu[name].append(used)
    print('load average after:  %s' % ' '.join('%.2f' % x for x in os.getloadavg()))
    med = {name: statistics.median(t) for name, t in times.items()}
    med_cpu = {name: statistics.median(t) for name, t in cpu.items()}
    for name in programs:
        print('%-8s median %.3f s  (%s)   CPU %.3f s' % (name, med[name], ' '.join('%.3f' % t for t in times[name]),
                                                       med_cpu[name]))
    print('command -j 1 / floor: %.2f' % (med['-j 1'] / med['floor']))
    print('-j 1 / -j 2:          %.2f' % (med['-j 1'] / med['-j 2']))
    print('(the floor alone, one process / two at once: %.2f)' % (med['floor'] / med['floor x2']))
    # CPU time is what a busy machine disturbs least; wall clock is what the user waits for.
    print('(CPU time, command -j 1 / floor: %.2f)' % (med_cpu['-j 1'] / med_cpu['floor']))
    if not args.keep:
        shutil.rmtree(args.work, ignore_errors=True)
    return 0


if __name__ == '__main__':
    raise SystemExit(main())
