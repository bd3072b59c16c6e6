#!/usr/bin/env python3
"""Batches killed at random moments (SIGINT, SIGTERM, SIGKILL): every keyword file left
behind is the whole one, an interrupted batch says how many decks it did not convert and
exits 128 + the signal, and a following --update run converts exactly the rest."""
import argparse
import os
import random
import re
import shutil
import signal
import subprocess
import sys
import tempfile
import time

TEMP_PREFIX = ".qalt2morv-tmp-"


def fail(message):
    print("FAIL: " + message)
    sys.exit(1)


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("--cli", required=True)
    ap.add_argument("--examples", required=True)
    ap.add_argument("--copies", type=int, default=400, help="copies of each example deck")
    ap.add_argument("--rounds", type=int, default=4, help="kills per signal")
    ap.add_argument("--seed", type=int, default=13)
    args = ap.parse_args()
    rng = random.Random(args.seed)

    work = tempfile.mkdtemp(prefix="qalt2morv_kill_")
    try:
        decks = os.path.join(work, "decks")
        os.makedirs(decks)
        reference = {}  # keyword file name -> bytes of a clean conversion
        for example in sorted(os.listdir(args.examples)):
            if not example.endswith(".deck"):
                continue
            src = os.path.join(args.examples, example)
            ref_path = os.path.join(work, example + ".kw")
            subprocess.run([args.cli, "convert", src, "-o", ref_path], check=True)
            with open(ref_path, "rb") as f:
                ref = f.read()
            with open(src, "rb") as f:
                deck = f.read()
            stem = example[: -len(".deck")]
            for i in range(args.copies):
                name = "%s-%04d" % (stem, i)
                with open(os.path.join(decks, name + ".deck"), "wb") as f:
                    f.write(deck)
                reference[name + ".kw"] = ref
        total = len(reference)

        out = os.path.join(work, "out")
        command = [args.cli, "convert", decks, "--out-dir", out, "-j", "2"]
        start = time.monotonic()
        subprocess.run(command, check=True, stderr=subprocess.DEVNULL)
        full = time.monotonic() - start
        print("a whole batch of %d decks takes %.2f s" % (total, full))

        def check_folder(allow_temporaries):
            kept = 0
            for name in os.listdir(out):
                path = os.path.join(out, name)
                if name.startswith(TEMP_PREFIX):
                    if not allow_temporaries:
                        fail("temporary file left after a clean stop: " + name)
                    continue
                if name not in reference:
                    fail("unexpected file " + name)
                with open(path, "rb") as f:
                    data = f.read()
                if data != reference[name]:
                    fail("%s is not the whole keyword file (%d of %d bytes)" % (name, len(data), len(reference[name])))
                kept += 1
            return kept

        kills = [signal.SIGINT, signal.SIGTERM, signal.SIGKILL] * args.rounds
        rng.shuffle(kills)
        for n, sig in enumerate(kills):
            shutil.rmtree(out)
            delay = rng.uniform(0.0, full * 0.95)
            proc = subprocess.Popen(command, stderr=subprocess.PIPE)
            time.sleep(delay)
            proc.send_signal(sig)
            try:
                _, err = proc.communicate(timeout=120)
            except subprocess.TimeoutExpired:
                proc.kill()
                fail("the batch did not stop after %s" % sig.name)
            err = err.decode(errors="replace")
            kept = check_folder(allow_temporaries=sig == signal.SIGKILL)
            if proc.returncode == 0:
                if kept != total:
                    fail("exit 0 with %d of %d keyword files" % (kept, total))
            elif sig == signal.SIGKILL:
                if proc.returncode != -signal.SIGKILL:
                    fail("after SIGKILL: exit %d" % proc.returncode)
            else:
                if os.path.isdir(out) and proc.returncode != 128 + int(sig):
                    fail("after %s: exit %d, expected %d\n%s" % (sig.name, proc.returncode, 128 + int(sig), err))
                if os.path.isdir(out):
                    m = re.search(r"converted (\d+), failed 0, not converted (\d+) \(interrupted\)", err)
                    if not m:
                        fail("after %s: no summary with the decks not converted:\n%s" % (sig.name, err))
                    if int(m.group(1)) != kept or int(m.group(2)) != total - kept:
                        fail("after %s: summary %s but %d keyword files" % (sig.name, m.group(0), kept))
            if not os.path.isdir(out):
                kept = 0
                os.makedirs(out)
            rerun = subprocess.run(command + ["--update"], stderr=subprocess.PIPE)
            rerun_err = rerun.stderr.decode(errors="replace")
            if rerun.returncode != 0:
                fail("--update after %s: exit %d\n%s" % (sig.name, rerun.returncode, rerun_err))
            expected = "converted %d, failed 0, skipped %d up to date" % (total - kept, kept)
            if expected not in rerun_err:
                fail("--update after %s: expected '%s' in\n%s" % (sig.name, expected, rerun_err))
            if check_folder(allow_temporaries=False) != total:
                fail("--update after %s did not complete the folder" % sig.name)
            print("%2d %-7s at %.2f s: %4d whole keyword files, none partial; --update did the other %d"
                  % (n + 1, sig.name, delay, kept, total - kept))
    finally:
        shutil.rmtree(work, ignore_errors=True)
    print("ok")


if __name__ == "__main__":
    main()
