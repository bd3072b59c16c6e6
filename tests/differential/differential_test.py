#!/usr/bin/env python3
"""Differential test: the C++ converter against the independent Python reference.

    python3 differential_test.py --cli build/cli/qalt2morv --seed 1 --count 2000
    python3 differential_test.py --cmd 'my-converter {deck} {out}' --seed 1 --count 500
    python3 differential_test.py --cli ... --decks DIR        (existing decks instead)

Each generated deck is converted by both sides. The C++ command must exit 0 and write the
keyword file on success, and exit 1 without writing anything on failure. Statuses must
agree (exit 1 <-> reference status nonzero) and, on success, the keyword files must be
byte for byte equal. The first differing decks are shown with a unified diff and kept in
--keep DIR. The last line reads 'N passed, M failed'; the exit status is 1 if any failed.
"""

from __future__ import annotations

import argparse
import concurrent.futures
import difflib
import os
import random
import shlex
import shutil
import subprocess
import sys
import tempfile

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)

import deck_generator  # noqa: E402
import reference_converter  # noqa: E402


def build_command(args, deck, out):
    if args.cmd:
        return [part.replace('{deck}', deck).replace('{out}', out)
                for part in shlex.split(args.cmd)]
    return [args.cli, 'convert', deck, '-o', out]


STALE = b'STALE RECORD FROM AN EARLIER RUN,1.000000,0\n'


def run_cpp(args, deck, out):
    """Returns (ok, bytes or None, note). A stale keyword file is left at the output path
    first: a conversion must replace it, and a failed one must not leave it behind."""
    with open(out, 'wb') as fh:
        fh.write(STALE)
    try:
        proc = subprocess.run(build_command(args, deck, out), stdout=subprocess.PIPE,
                              stderr=subprocess.PIPE, timeout=args.timeout)
    except subprocess.TimeoutExpired:
        return None, None, 'timed out after %ss' % args.timeout
    except OSError as exc:
        return None, None, 'cannot run the converter: %s' % exc
    data = None
    if os.path.exists(out):
        with open(out, 'rb') as fh:
            data = fh.read()
    err = proc.stderr.decode('utf-8', 'replace').strip()
    if proc.returncode == 0:
        return True, data if data is not None else b'', err
    if proc.returncode == 1:
        return False, data, err
    return None, data, 'exit status %d: %s' % (proc.returncode, err[-500:])


def compare(args, deck_path, workdir):
    """Returns None when both sides agree, else a report text."""
    out = os.path.join(workdir, os.path.basename(deck_path) + '.cpp.out')
    try:
        with open(deck_path, 'rb') as fh:
            deck_bytes = fh.read()
    except OSError:
        deck_bytes = None
    status, ref_out, why = reference_converter.convert_detailed(deck_bytes)
    ok, cpp_out, note = run_cpp(args, deck_path, out)
    name = os.path.basename(deck_path)
    if ok is None:
        return '%s: C++ converter did not finish normally (%s); reference status %d %s' % (
            name, note, status, why)
    if status != 0:
        if ok:
            return '%s: reference fails with status %d (%s) but C++ succeeded' % (name, status, why)
        if cpp_out == STALE:
            return '%s: both fail (reference: %s) but C++ left the earlier keyword file in place' % (
                name, why)
        if cpp_out:
            return '%s: both fail (reference: %s) but C++ wrote %d bytes' % (name, why, len(cpp_out))
        return None
    if not ok:
        return '%s: C++ failed (%s) but the reference converts the deck' % (name, note)
    if cpp_out == ref_out:
        return None
    a = ref_out.decode('latin-1').splitlines(keepends=True)
    b = cpp_out.decode('latin-1').splitlines(keepends=True)
    diff = ''.join(difflib.unified_diff(a, b, 'reference', 'c++', n=2))
    if not diff:
        diff = '(same lines, different bytes: line ends or a missing final line end)\n'
    return '%s: keyword files differ\n%s' % (name, diff)


def main():
    ap = argparse.ArgumentParser(description=__doc__.split('\n\n')[0])
    ap.add_argument('--cli', help='path of the qalt2morv command line')
    ap.add_argument('--cmd', help="command template with {deck} and {out}, instead of --cli")
    ap.add_argument('--seed', type=int, default=1)
    ap.add_argument('--count', type=int, default=1000)
    ap.add_argument('--first', type=int, default=0, help='index of the first generated deck')
    ap.add_argument('--decks', help='convert the decks of this folder instead of generating')
    ap.add_argument('--no-corners', action='store_true',
                    help='leave out the hand-made corner decks that are run with generated ones')
    ap.add_argument('--keep', default=None, help='copy failing decks and both outputs here')
    ap.add_argument('--show', type=int, default=5, help='failures to print in full')
    ap.add_argument('--jobs', type=int, default=os.cpu_count() or 1)
    ap.add_argument('--timeout', type=float, default=30.0)
    args = ap.parse_args()
    if not args.cli and not args.cmd:
        ap.error('give --cli PATH or --cmd TEMPLATE')
    if args.cli and not args.cmd and not os.path.exists(args.cli):
        print('the converter %s does not exist (build it first, or use --cmd)' % args.cli,
              file=sys.stderr)
        return 2

    work = tempfile.mkdtemp(prefix='qalt2morv-diff-')
    try:
        if args.decks:
            decks = sorted(os.path.join(args.decks, f) for f in os.listdir(args.decks)
                           if os.path.isfile(os.path.join(args.decks, f)))
        else:
            deck_dir = os.path.join(work, 'decks')
            os.makedirs(deck_dir)
            decks = []
            for i in range(args.first, args.first + args.count):
                path = os.path.join(deck_dir, 'deck_%05d.txt' % i)
                with open(path, 'wb') as fh:
                    fh.write(deck_generator.make_deck(random.Random('%d-%d' % (args.seed, i))))
                decks.append(path)
            if not args.no_corners:
                for name, data in deck_generator.corner_decks():
                    path = os.path.join(deck_dir, 'corner_%s.txt' % name)
                    with open(path, 'wb') as fh:
                        fh.write(data)
                    decks.append(path)
        # A deck that does not exist: both sides fail and nothing is written.
        decks.append(os.path.join(work, 'no_such_deck.txt'))
        outdir = os.path.join(work, 'out')
        os.makedirs(outdir)

        with concurrent.futures.ThreadPoolExecutor(max_workers=max(1, args.jobs)) as pool:
            results = list(pool.map(lambda p: (p, compare(args, p, outdir)), decks))

        failed = [(p, r) for p, r in results if r is not None]
        for p, report in failed[:args.show]:
            print(report.rstrip('\n'))
            print('-' * 72)
        if len(failed) > args.show:
            print('... and %d more differing decks:' % (len(failed) - args.show))
            print(' '.join(os.path.basename(p) for p, _ in failed[args.show:args.show + 60]))
        if failed and args.keep:
            os.makedirs(args.keep, exist_ok=True)
            for p, report in failed:
                if os.path.exists(p):
                    shutil.copy(p, args.keep)
                    base = os.path.basename(p)
                    st, ref, _ = reference_converter.convert_detailed(open(p, 'rb').read())
                    with open(os.path.join(args.keep, base + '.ref.out'), 'wb') as fh:
                        fh.write(ref)
                    cpp = os.path.join(outdir, base + '.cpp.out')
                    if os.path.exists(cpp):
                        shutil.copy(cpp, os.path.join(args.keep, base + '.cpp.out'))
                    with open(os.path.join(args.keep, base + '.report'), 'w') as fh:
                        fh.write(report)
            print('failing decks kept in %s' % args.keep)
        passed = len(results) - len(failed)
        print('%d passed, %d failed' % (passed, len(failed)))
        return 1 if failed else 0
    finally:
        shutil.rmtree(work, ignore_errors=True)


if __name__ == '__main__':
    sys.exit(main())
