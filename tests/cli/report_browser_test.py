#!/usr/bin/env python3
"""The report pages as Chromium renders them: the DOM it dumps against the keyword files.

    report_browser_test.py --cli QALT2MORV --examples DIR --out DIR

Writes the pages of the example decks, of a deck with a note and of a malformed deck with
`qalt2morv report --out-dir`, has headless Chromium dump each page's DOM and checks: one
nozzle element per used slot of the nozzle table with the keyword lists' entries as data
attributes, one dome element per dome, the notes, and the error page. Takes a screenshot of
each page into the out folder (a build artefact). Without Chromium the test is skipped (exit
77), except in CI (CI=true or QALT2MORV_REQUIRE_BROWSER=1), where it fails.
"""
import argparse
import os
import shutil
import subprocess
import sys
from html.parser import HTMLParser

SKIP = 77
MALFORMED = "U\n" + "\n" * 146 + "12a4\n"


def find_chromium():
    for name in (os.environ.get("CHROMIUM", ""), "chromium", "chromium-browser"):
        if name and shutil.which(name):
            return shutil.which(name)
    return None


def chromium_run(chromium, *args):
    cmd = [chromium, "--headless", "--no-sandbox", "--disable-gpu", "--hide-scrollbars",
           "--no-first-run", "--disable-extensions", *args]
    return subprocess.run(cmd, capture_output=True, timeout=120, check=True)


def keyword_lists(text):
    """{key: [entries as written]} for the list records of keyword text."""
    lists, lines, i = {}, text.split("\n"), 0
    while i < len(lines):
        parts = lines[i].rstrip("\r").split(",")
        i += 1
        if len(parts) == 3 and parts[1] == "0" and parts[2].isdigit() and parts[2] != "0":
            count = int(parts[2])
            entries = []
            for line in lines[i:i + count]:
                entry = line.rstrip("\r")
                if entry.endswith(", "):
                    entry = entry[:-2]
                entries.append(entry.strip())
            lists[parts[0]] = entries
            i += count
    return lists


class Dom(HTMLParser):
    """The elements the checks read from a dumped DOM."""

    def __init__(self):
        super().__init__()
        self.nozzles, self.domes, self.notes, self.svgs = [], [], [], 0
        self.error = False
        self.text = []

    def handle_starttag(self, tag, attrs):
        a = dict(attrs)
        if "data-slot" in a:
            self.nozzles.append(a)
        if "data-dome" in a:
            self.domes.append(a)
        if tag == "tr" and a.get("class") == "note":
            self.notes.append(a.get("data-line"))
        if tag == "svg":
            self.svgs += 1
        if tag == "section" and a.get("id") == "error":
            self.error = True

    def handle_data(self, data):
        self.text.append(data)


def dump(chromium, page):
    out = chromium_run(chromium, "--dump-dom", "file://" + os.path.abspath(page)).stdout
    dom = Dom()
    dom.feed(out.decode("utf-8"))
    return dom


def entry(values, i):
    return values[i] if i < len(values) else ""


def check_nozzles(dom, lists, name, failures):
    functions = lists.get("NozFunctionA-O", [])
    if len(dom.nozzles) != len(functions):
        failures.append("%s: %d nozzle elements for %d used slots" % (name, len(dom.nozzles), len(functions)))
        return
    for i, a in enumerate(dom.nozzles):
        want = {"data-slot": chr(ord("A") + i),
                "data-function": entry(functions, i),
                "data-diameter": entry(lists.get("NozcylODA-O", []), i),
                "data-location": entry(lists.get("NozLocA-O", []), i),
                "data-angle": entry(lists.get("NozOriAngA-O", []), i)}
        for key, value in want.items():
            if a.get(key) != value:
                failures.append("%s slot %s: %s is %r, the keyword file has %r"
                                % (name, want["data-slot"], key, a.get(key), value))
    domes = lists.get("NozDomType", [])
    if len(dom.domes) != len(domes):
        failures.append("%s: %d dome elements for %d domes" % (name, len(dom.domes), len(domes)))
    for i, a in enumerate(dom.domes):
        want = entry(lists.get("NozDomLoc", []), i)
        if a.get("data-dome") != chr(ord("A") + i) or a.get("data-location") != want:
            failures.append("%s dome %d: %r, the keyword file has location %r" % (name, i, a, want))


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("--cli", required=True)
    ap.add_argument("--examples", required=True)
    ap.add_argument("--out", required=True)
    a = ap.parse_args()
    chromium = find_chromium()
    if chromium is None:
        required = (os.environ.get("CI", "").lower() in ("true", "1")
                    or os.environ.get("QALT2MORV_REQUIRE_BROWSER") == "1")
        print("chromium not found%s" % (": required in CI" if required else "; skipped"))
        return 1 if required else SKIP

    shutil.rmtree(a.out, ignore_errors=True)
    decks_dir, pages = os.path.join(a.out, "decks"), os.path.join(a.out, "pages")
    os.makedirs(decks_dir)
    decks = sorted(os.path.join(a.examples, f) for f in os.listdir(a.examples) if f.endswith(".deck"))
    with open(decks[0], "rb") as fh:
        lines = fh.read().split(b"\n")
    lines[18] = b"AQS"  # Q is no shell letter: a note on deck line 19
    noted = os.path.join(decks_dir, "noted.deck")
    with open(noted, "wb") as fh:
        fh.write(b"\n".join(lines))
    malformed = os.path.join(decks_dir, "malformed.deck")
    with open(malformed, "w") as fh:
        fh.write(MALFORMED)
    run = subprocess.run([a.cli, "report", *decks, noted, malformed, "--out-dir", pages, "-q"],
                         capture_output=True, text=True)
    failures = []
    if run.returncode != 1 or "malformed.deck: line 148" not in run.stderr:
        failures.append("report: exit %d, %s" % (run.returncode, run.stderr))

    for deck in decks + [noted]:
        name = os.path.splitext(os.path.basename(deck))[0]
        keyword = subprocess.run([a.cli, "convert", deck], capture_output=True, check=True).stdout
        dom = dump(chromium, os.path.join(pages, name + ".html"))
        check_nozzles(dom, keyword_lists(keyword.decode("latin-1")), name, failures)
        if dom.svgs != 1:
            failures.append("%s: %d drawings" % (name, dom.svgs))
        if deck == noted and dom.notes != ["19"]:
            failures.append("noted: notes on lines %r, expected line 19" % dom.notes)
    dom = dump(chromium, os.path.join(pages, "malformed.html"))
    text = "".join(dom.text)
    if not dom.error or dom.svgs or dom.nozzles or "12a4" not in text or "148" not in text:
        failures.append("malformed: the error page lacks the error or has a drawing")
    index = dump(chromium, os.path.join(pages, "index.html"))
    if "6 decks, 1 failed" not in "".join(index.text):
        failures.append("index: " + "".join(index.text)[:200])

    for page in sorted(os.listdir(pages)):
        if page.endswith(".html"):
            shot = os.path.join(a.out, page[:-5] + ".png")
            chromium_run(chromium, "--screenshot=" + shot, "--window-size=1280,1600",
                         "file://" + os.path.abspath(os.path.join(pages, page)))
            if not os.path.getsize(shot):
                failures.append(page + ": empty screenshot")
    for f in failures:
        print("FAIL:", f)
    print("%d pages checked in Chromium, screenshots in %s" % (len(decks) + 3, a.out))
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
