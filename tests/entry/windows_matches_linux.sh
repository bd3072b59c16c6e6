#!/bin/sh
# The same decks through the Linux and the Windows command line give byte-identical keyword
# files and the same exit codes: the bundled example, the fuzz corpus and random decks.
# Usage: windows_matches_linux.sh SOURCE_DIR LINUX_CLI WINDOWS_CLI [EMULATOR...]
set -eu
src=$1 linux=$2 windows=$3
shift 3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0

# Random decks of realistic and extreme magnitudes, when the generator is there.
if [ -f "$src/tests/differential/deck_generator.py" ] && command -v python3 >/dev/null; then
  python3 "$src/tests/differential/deck_generator.py" --seed 1103 --count 300 --out "$work/generated" >/dev/null
fi

compare_set() {  # name, decks...
  name=$1
  shift
  [ $# -gt 0 ] || return 0
  mkdir -p "$work/linux/$name" "$work/windows/$name"
  linux_code=0 windows_code=0
  "$linux" convert "$@" --out-dir "$work/linux/$name" --quiet -j 2 2>"$work/linux-$name.err" || linux_code=$?
  "$windows_run" "$windows" convert "$@" --out-dir "$work/windows/$name" --quiet -j 2 2>"$work/windows-$name.err" ||
    windows_code=$?
  if [ "$linux_code" != "$windows_code" ]; then
    echo "FAIL $name: exit code $linux_code on Linux, $windows_code on Windows"
    head -5 "$work/windows-$name.err"
    failures=$((failures + 1))
  fi
  written=$(ls "$work/linux/$name" | wc -l)
  if ! diff -r "$work/linux/$name" "$work/windows/$name" >"$work/$name.diff"; then
    echo "FAIL $name: keyword files differ"
    head -20 "$work/$name.diff"
    failures=$((failures + 1))
  fi
  echo "$name: $# decks, $written keyword files compared, exit code $linux_code"
}

# No emulator on a Windows machine: run the program itself.
if [ $# -gt 0 ]; then
  windows_run=$1
else
  windows_run=env
fi

compare_set examples "$src"/examples/*.deck
# shellcheck disable=SC2046
compare_set corpus $(ls -d "$src"/fuzz/corpus/* 2>/dev/null || true)
# shellcheck disable=SC2046
compare_set generated $(ls -d "$work"/generated/* 2>/dev/null || true)

[ "$failures" -eq 0 ] || exit 1
echo "Linux and Windows keyword files are identical"
