#!/usr/bin/env python3
"""Independent reference converter: heat-exchanger design deck -> host keyword file.

A second, separate reading of the conversion rules, written in plain Python (standard
library only) so that every byte of the C++ converter can be checked on generated decks.
Single precision is emulated by rounding to float32 after every arithmetic operation.

    python3 reference_converter.py DECK OUT      convert one deck
    python3 reference_converter.py --self-test   check the worked examples

Exit status 0 and OUT written on success; on failure the status ("status 1500" for a
missing or unreadable deck, "status 1501" for a malformed deck field or a value that is
not finite) is printed on stdout, nothing is written, and the exit status is 1.
Importable: convert(deck_bytes) -> (status, keyword_bytes). The rules themselves are in the
reference/ package beside this file, one module per part of the conversion.
"""

from __future__ import annotations

import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from reference import (STATUS_DECK_MISSING, STATUS_MALFORMED, STATUS_OK,  # noqa: E402,F401
                       ConversionFailed, convert, convert_detailed, convert_file)
from reference.self_test import self_test  # noqa: E402


def main(argv):
    if len(argv) == 2 and argv[1] == '--self-test':
        return self_test()
    if len(argv) != 3:
        sys.stderr.write('usage: reference_converter.py DECK OUT | --self-test\n')
        return 2
    try:                                    # an existing keyword file is replaced, never appended to
        os.remove(argv[2])
    except OSError:
        pass
    status, out, why = convert_file(argv[1])
    if status != STATUS_OK:
        print('status %d' % status)
        if why:
            sys.stderr.write(why + '\n')
        return 1
    with open(argv[2], 'wb') as fh:
        fh.write(out)
    return 0


if __name__ == '__main__':
    sys.exit(main(sys.argv))
