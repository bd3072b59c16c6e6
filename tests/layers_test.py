#!/usr/bin/env python3
"""The source folders form layers: no file includes a header of a layer above its own.

Run as `python3 tests/layers_test.py [SOURCE_ROOT]`: checks the checker on small fake trees,
then the real tree, and names every include that breaks a rule.
"""
import os
import re
import sys
import tempfile
import unittest

# Which folders a file in each folder may include. The phases stand on core alone and do not
# reach into each other; entry sits on top; the public headers stand on nothing but themselves.
# The command line and the Python binding use the library, never the other way round.
ALLOWED = {
    "src/core": {"src/core", "include"},
    "src/deck": {"src/core", "src/deck", "include"},
    "src/thermal": {"src/core", "src/thermal", "include"},
    "src/mechanical": {"src/core", "src/mechanical", "include"},
    "src/entry": {"src/core", "src/deck", "src/thermal", "src/mechanical", "src/entry", "include"},
    "include": {"include"},
}
# Where an include may be found, in the order the compiler's search paths give it: beside the
# including file first, then the folders the build puts on the include path.
SEARCH_ROOTS = ["src", "include", "cli", "python"]
SOURCE_SUFFIXES = (".c", ".cc", ".cpp", ".cxx", ".h", ".hh", ".hpp", ".hxx", ".inc", ".ipp")
INCLUDE = re.compile(r'^[ \t]*#[ \t]*include[ \t]*([<"])([^>"]+)[>"]', re.MULTILINE)


def layer_of(relative_path):
    """The layer a file belongs to ('src/deck', 'include', 'cli', ...), or None outside them."""
    parts = relative_path.replace(os.sep, "/").split("/")
    if parts[0] == "src" and len(parts) > 2:
        return "src/" + parts[1]
    if parts[0] == "src":
        return "src"  # a file directly under src/ belongs to no layer: only its folders do
    if parts[0] in ("include", "cli", "python"):
        return parts[0]
    return None


def resolve(root, including_file, kind, name):
    """The repository-relative path the include names, or None (a system or library header)."""
    candidates = []
    if kind == '"':
        candidates.append(os.path.join(os.path.dirname(including_file), name))
    candidates += [os.path.join(folder, name) for folder in SEARCH_ROOTS]
    for candidate in candidates:
        path = os.path.normpath(candidate)
        if not path.startswith("..") and os.path.isfile(os.path.join(root, path)):
            return path.replace(os.sep, "/")
    return None


def violations(root):
    """Every include under src/ and include/ that breaks a rule, as readable lines."""
    found = []
    for top in ("src", "include"):
        for folder, _, files in os.walk(os.path.join(root, top)):
            for file_name in sorted(files):
                if not file_name.endswith(SOURCE_SUFFIXES):
                    continue
                path = os.path.relpath(os.path.join(folder, file_name), root).replace(os.sep, "/")
                own = layer_of(path)
                with open(os.path.join(root, path), encoding="utf-8", errors="replace") as f:
                    text = f.read()
                for match in INCLUDE.finditer(text):
                    kind, name = match.group(1), match.group(2)
                    target = resolve(root, path, kind, name)
                    line = text.count("\n", 0, match.start()) + 1
                    if target is None:
                        if kind == '"':  # a header no rule can place is a header no rule checks
                            found.append(f"{path}:{line}: {name} is not found in the tree")
                        continue
                    to = layer_of(target)
                    allowed = ALLOWED.get(own, set())
                    if to not in allowed:
                        found.append(f"{path}:{line}: {own} may not include {target} ({to})")
    return found


class FakeTree:
    """A tiny tree of the real layout: the given files, each holding the given text."""

    def __init__(self, files):
        self.dir = tempfile.TemporaryDirectory()
        for path, text in files.items():
            full = os.path.join(self.dir.name, path)
            os.makedirs(os.path.dirname(full), exist_ok=True)
            with open(full, "w", encoding="utf-8") as f:
                f.write(text)

    def __enter__(self):
        return self.dir.name

    def __exit__(self, *exc):
        self.dir.cleanup()


# One header in every folder, so every include below names a file that exists.
BASE_TREE = {
    "src/core/state.hpp": "#pragma once\n",
    "src/deck/loader.hpp": "#pragma once\n",
    "src/thermal/records.hpp": "#pragma once\n",
    "src/mechanical/layout.hpp": "#pragma once\n",
    "src/entry/run.hpp": "#pragma once\n",
    "include/qalt2morv/api.hpp": "#pragma once\n",
    "cli/cli_app.hpp": "#pragma once\n",
    "python/binding.hpp": "#pragma once\n",
}

# (including file, include line, allowed?)
CASES = [
    ("src/core/a.cpp", '#include "core/state.hpp"', True),
    ("src/core/a.cpp", '#include "state.hpp"', True),  # beside the including file
    ("src/core/a.cpp", "#include <vector>", True),
    ("src/core/a.cpp", '#include "qalt2morv/api.hpp"', True),
    ("src/core/a.cpp", '#include "deck/loader.hpp"', False),
    ("src/core/a.cpp", '#include "thermal/records.hpp"', False),
    ("src/core/a.cpp", '#include "mechanical/layout.hpp"', False),
    ("src/core/a.cpp", '#include "entry/run.hpp"', False),
    ("src/core/a.hpp", '#include "../entry/run.hpp"', False),  # by a relative path
    ("src/core/a.hpp", '#  include   <entry/run.hpp>', False),  # spaced, in angle brackets
    ("src/deck/a.cpp", '#include "core/state.hpp"', True),
    ("src/deck/a.cpp", '#include "loader.hpp"', True),
    ("src/deck/a.cpp", '#include "thermal/records.hpp"', False),
    ("src/deck/a.cpp", '#include "mechanical/layout.hpp"', False),
    ("src/deck/a.cpp", '#include "entry/run.hpp"', False),
    ("src/deck/a.cpp", '#include "cli_app.hpp"', False),
    ("src/thermal/a.cpp", '#include "thermal/records.hpp"', True),
    ("src/thermal/a.cpp", '#include "deck/loader.hpp"', False),
    ("src/thermal/a.cpp", '#include "mechanical/layout.hpp"', False),
    ("src/thermal/a.cpp", '#include "entry/run.hpp"', False),
    ("src/thermal/a.cpp", '#include "binding.hpp"', False),  # the Python binding's
    ("src/mechanical/a.cpp", '#include "core/state.hpp"', True),
    ("src/mechanical/a.cpp", '#include "layout.hpp"', True),
    ("src/mechanical/a.cpp", '#include "deck/loader.hpp"', False),
    ("src/mechanical/a.cpp", '#include "thermal/records.hpp"', False),
    ("src/mechanical/a.cpp", '#include "entry/run.hpp"', False),
    ("src/mechanical/a.cpp", '#include "cli/cli_app.hpp"', False),
    ("src/entry/a.cpp", '#include "deck/loader.hpp"', True),
    ("src/entry/a.cpp", '#include "thermal/records.hpp"', True),
    ("src/entry/a.cpp", '#include "mechanical/layout.hpp"', True),
    ("src/entry/a.cpp", '#include "qalt2morv/api.hpp"', True),
    ("src/entry/a.cpp", '#include "cli_app.hpp"', False),
    ("src/entry/a.cpp", '#include "python/binding.hpp"', False),
    ("src/new_layer/a.cpp", '#include "core/state.hpp"', False),  # a folder with no rules yet
    ("include/qalt2morv/b.hpp", '#include "qalt2morv/api.hpp"', True),
    ("include/qalt2morv/b.hpp", '#include "core/state.hpp"', False),
    ("src/deck/a.cpp", '#include "no_such_header.hpp"', False),
    ("src/deck/a.cpp", '// #include "entry/run.hpp" (a line comment is no include)', True),
]


class LayerCheck(unittest.TestCase):
    def test_fake_trees(self):
        for path, line, allowed in CASES:
            with self.subTest(file=path, include=line), FakeTree({**BASE_TREE, path: line + "\n"}) as root:
                found = violations(root)
                if allowed:
                    self.assertEqual(found, [])
                else:
                    self.assertEqual(len(found), 1, found)
                    self.assertTrue(found[0].startswith(path + ":1: "), found)

    def test_names_the_line_of_each_broken_include(self):
        text = '#include "core/state.hpp"\n\n#include "entry/run.hpp"\n#include "deck/loader.hpp"\n'
        with FakeTree({**BASE_TREE, "src/thermal/a.cpp": text}) as root:
            self.assertEqual(violations(root), [
                "src/thermal/a.cpp:3: src/thermal may not include src/entry/run.hpp (src/entry)",
                "src/thermal/a.cpp:4: src/thermal may not include src/deck/loader.hpp (src/deck)",
            ])

    def test_source_tree(self):
        self.assertTrue(os.path.isdir(os.path.join(SOURCE_ROOT, "src", "core")), SOURCE_ROOT)
        found = violations(SOURCE_ROOT)
        self.assertEqual(found, [], "\n" + "\n".join(found))


SOURCE_ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))

if __name__ == "__main__":
    if len(sys.argv) > 1 and not sys.argv[1].startswith("-"):
        SOURCE_ROOT = os.path.abspath(sys.argv.pop(1))
    unittest.main(verbosity=2)
