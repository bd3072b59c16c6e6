#!/usr/bin/env bash
# Builds the command line and prints the keyword file of the bundled example deck. It builds
# into build-ci, the folder tools/test.sh uses, so the tests afterwards reuse what it built.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/install-deps.sh
if [ ! -x build-ci/cli/qalt2morv ]; then
  echo "example: building the command line into build-ci (the first time takes one to three minutes on two cores)..." >&2
fi
cmake --preset ci >/dev/null
cmake --build --preset ci --target qalt2morv_cli >/dev/null
build-ci/cli/qalt2morv convert examples/aes_crude_preheat.deck
