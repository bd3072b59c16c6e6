#!/bin/sh
# What the host and the loader see of the Windows binaries, read with objdump on the build
# machine: exports, imports, calling convention, and (32-bit) arithmetic without x87.
# Usage: windows_binaries_check.sh OBJDUMP CORE_LIBRARY DLL [EXE...]
set -eu
objdump=$1 core=$2 dll=$3
shift 2
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

# The DLL's export table holds QALT2MORV and nothing else, undecorated (a __stdcall export
# would read QALT2MORV@12).
exports=$("$objdump" -p "$dll" | sed -n '/^\[Ordinal\/Name Pointer\] Table/,/^$/p' | sed -n 's/^[[:space:]]*\[ *[0-9]*\] //p')
echo "exports of $(basename "$dll"): $exports"
[ "$exports" = QALT2MORV ] || fail "the DLL must export exactly QALT2MORV"

# Nothing but system DLLs: the C++ run time, libgcc and winpthreads are linked in, so no
# libstdc++-6.dll, libgcc_s_*.dll or libwinpthread-1.dll has to ship beside them.
for program in "$@"; do
  imports=$("$objdump" -p "$program" | sed -n 's/^[[:space:]]*DLL Name: //p' | tr -d '\r')
  echo "imports of $(basename "$program"): $(echo $imports)"
  [ -n "$imports" ] || fail "$(basename "$program"): no import table found"
  for name in $imports; do
    case $(echo "$name" | tr '[:upper:]' '[:lower:]') in
      kernel32.dll | msvcrt.dll | user32.dll | advapi32.dll | shell32.dll | ole32.dll | ws2_32.dll | ntdll.dll | bcrypt.dll) ;;
      *) fail "$(basename "$program") imports $name, which is no system DLL" ;;
    esac
  done
done

if "$objdump" -f "$dll" | grep -q 'file format pei-i386'; then
  # The C calling convention: the caller removes the arguments, so QALT2MORV returns with a
  # plain ret; a __stdcall function would end with "ret $0xc".
  body=$("$objdump" -d --no-show-raw-insn "$dll" | sed -n '/<_QALT2MORV>:$/,/^$/p')
  [ -n "$body" ] || fail "no code found for _QALT2MORV"
  if echo "$body" | grep -Eq '[[:space:]]ret[lw]?[[:space:]]+\$'; then
    fail "QALT2MORV removes its own arguments (not the C calling convention)"
  fi
  echo "QALT2MORV: $(echo "$body" | grep -Ec '[[:space:]]ret[lw]?$') plain returns"

  # Rounding arithmetic in SSE2 only (-msse2 -mfpmath=sse), so results match the 64-bit and
  # Linux builds to the last bit. x87 loads and stores remain where the 32-bit ABI returns a
  # float in st(0): they move values exactly and are allowed.
  x87=$("$objdump" -d --no-show-raw-insn "$core" |
    grep -E '[[:space:]](fi?(add|sub|subr|mul|div|divr)p?|fsqrt|fprem1?|frndint|fscale|f2xm1|fyl2x(p1)?|fptan|fpatan|fsin|fcos|fsincos)[slt]?([[:space:]]|$)' || true)
  if [ -n "$x87" ]; then
    echo "$x87" | head -20
    fail "x87 arithmetic in $(basename "$core")"
  fi
  sse=$("$objdump" -d --no-show-raw-insn "$core" | grep -Ec '[[:space:]](add|sub|mul|div)s[sd][[:space:]]' || true)
  echo "SSE2 scalar arithmetic instructions in $(basename "$core"): $sse"
  [ "$sse" -gt 0 ] || fail "no SSE2 arithmetic found in $(basename "$core")"
fi

[ "$failures" -eq 0 ] || exit 1
echo "all checks passed"
