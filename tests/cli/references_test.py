#!/usr/bin/env python3
"""The deck-line and keyword-record references against what the conversion does.

The committed pages in docs/ must be what `lines` and `records` print; every deck line that
`explain` finds behind a record (or bringing one in) must be named by `lines`, and none of them
may be marked as feeding no record; every key a conversion writes must be listed by `records`.
Run on the example decks and on generated decks.
"""
import argparse
import json
import os
import random
import subprocess
import sys
import tempfile
import unittest

ARGS = None


def run(*args, stdin=None):
    r = subprocess.run([ARGS.cli, *args], input=stdin, capture_output=True)
    return r.returncode, r.stdout.decode("utf-8"), r.stderr.decode("utf-8", "replace")


def decks():
    found = []
    for name in sorted(os.listdir(ARGS.examples)):
        if name.endswith(".deck"):
            with open(os.path.join(ARGS.examples, name), "rb") as f:
                found.append((name, f.read()))
    sys.path.insert(0, ARGS.generator)
    from generator.deck import make_deck  # the differential test's own deck generator

    rng = random.Random(20261210)
    found += [("generated-%d" % i, make_deck(rng)) for i in range(ARGS.generated)]
    return found


class References(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        code, out, err = run("lines", "--format", "json")
        assert code == 0, err
        cls.layout = {row["line"]: row for row in json.loads(out)["lines"]}
        code, out, err = run("records", "--format", "json")
        assert code == 0, err
        cls.keys = {row["key"] for row in json.loads(out)["records"]}
        cls.decks = decks()

    def test_committed_pages_are_the_commands_output(self):
        for command, page in (("lines", "deck-lines.md"), ("records", "keyword-records.md")):
            with self.subTest(page=page):
                code, out, err = run(command, "--format", "markdown")
                self.assertEqual(code, 0, err)
                with open(os.path.join(ARGS.docs, page), encoding="utf-8") as f:
                    self.assertEqual(f.read(), out, "docs/%s is stale: regenerate it with "
                                     "`qalt2morv %s --format markdown`" % (page, command))

    def test_every_line_behind_a_record_is_named_and_feeds_one(self):
        for name, deck in self.decks:
            code, out, err = run("explain", "-", "--format", "json", stdin=deck)
            doc = json.loads(out)
            if doc["status"] != 0:
                continue  # a malformed generated deck explains nothing
            for record in doc["records"]:
                for line in record["lines"]:
                    with self.subTest(deck=name, key=record["key"], line=line):
                        self.assertIn(line, self.layout)
                        self.assertFalse(self.layout[line]["feeds_no_record"])
                self.assertEqual(record["fields"],
                                 [self.layout[l]["name"] for l in record["lines"]])
            for absent in doc["absent"]:
                for line in absent["lines"]:
                    self.assertIn(line, self.layout, (name, absent["key"]))

    def test_every_key_written_is_listed(self):
        for name, deck in self.decks:
            code, out, err = run("convert", "-", "--format", "json", stdin=deck)
            if code != 0:
                continue
            for record in json.loads(out)["records"]:
                self.assertIn(record["key"], self.keys, name)

    def test_unknown_lines_and_keys_are_errors(self):
        for args, message in ((("lines", "5"), "deck line 5 is not read"),
                              (("records", "NoSuchKey"), '"NoSuchKey" is not a key')):
            with self.subTest(args=args):
                code, out, err = run(*args)
                self.assertEqual(code, 1)
                self.assertIn(message, err)


if __name__ == "__main__":
    parser = argparse.ArgumentParser()
    parser.add_argument("--cli", required=True)
    parser.add_argument("--examples", required=True)
    parser.add_argument("--docs", required=True)
    parser.add_argument("--generator", required=True)
    parser.add_argument("--generated", type=int, default=40)
    ARGS, rest = parser.parse_known_args()
    unittest.main(argv=[sys.argv[0]] + rest)
