#!/bin/sh
# Installs the build tree into a temporary prefix, moves the installed tree elsewhere, and
# builds three programs outside the project against it: the C function and the C++ interface
# through find_package(qalt2morv CONFIG), and both again through pkg-config. Each converts an
# example deck, which must give its golden keyword file byte for byte.
# Usage: install_check.sh BUILD_DIR SOURCE_DIR C_COMPILER CXX_COMPILER
set -eu
build=$1 source=$2 cc=$3 cxx=$4
here=$source/tests/install
deck=$source/examples/aes_crude_preheat.deck
golden=$source/tests/data/golden/aes_crude_preheat.kw
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

cmake --install "$build" --prefix "$work/staged" >/dev/null
# The tree must work wherever it lands, not only where it was installed.
mv "$work/staged" "$work/prefix"
prefix=$work/prefix
if grep -rl "$work/staged" "$prefix" ; then
  echo "FAIL: installed files name the install-time prefix"; exit 1
fi

same() {  # same NAME FILE: FILE equals the golden keyword file
  if cmp -s "$golden" "$2"; then echo "ok: $1"; else echo "FAIL: $1 differs from the golden keyword file"; exit 1; fi
}

for kind in c cpp; do
  cmake --no-warn-unused-cli -S "$here/${kind}_consumer" -B "$work/$kind" -DCMAKE_PREFIX_PATH="$prefix" \
        -DCMAKE_C_COMPILER="$cc" -DCMAKE_CXX_COMPILER="$cxx" >/dev/null
  cmake --build "$work/$kind" >/dev/null
  "$work/$kind/${kind}_consumer" "$deck" "$work/$kind.kw"
  same "find_package, $kind" "$work/$kind.kw"
done

export PKG_CONFIG_PATH="$(dirname "$(find "$prefix" -name qalt2morv.pc)")"
"$cc" -o "$work/pc_c" "$here/c_consumer/main.c" $(pkg-config --cflags --libs qalt2morv)
LD_LIBRARY_PATH="$(pkg-config --variable=libdir qalt2morv)" "$work/pc_c" "$deck" "$work/pc_c.kw"
same "pkg-config, c" "$work/pc_c.kw"
"$cxx" -std=c++17 -o "$work/pc_cpp" "$here/cpp_consumer/main.cpp" $(pkg-config --cflags --libs qalt2morv-cpp)
"$work/pc_cpp" "$deck" "$work/pc_cpp.kw"
same "pkg-config, c++" "$work/pc_cpp.kw"
