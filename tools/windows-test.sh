#!/usr/bin/env bash
# Cross-builds the Windows DLL, command line and tests with mingw-w64 and runs the whole test
# suite under Wine: x64 (build-win64), and x86 (build-win32) where this machine runs 32-bit code.
# Usage: tools/windows-test.sh [win64] [win32]      (default: both)
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
export DEBIAN_FRONTEND=noninteractive
archs=("$@")
[ ${#archs[@]} -gt 0 ] || archs=(win64 win32)

timings=()
step_start=0
begin() { echo "== $*"; step_start=$(date +%s); step_name=$*; }
end() { timings+=("$(printf '%5d s  %s' $(($(date +%s) - step_start)) "$step_name")"); }
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"

# Whether the kernel runs 32-bit x86 programs (some kernels are built without it, and then
# Wine cannot run a 32-bit Windows program either): a 93-byte ELF that only exits with 0.
runs_32bit_code() {
  local probe
  probe=$(mktemp)
  python3 - "$probe" <<'EOF'
import struct, sys
code = bytes.fromhex('b801000000' '31db' 'cd80')  # mov eax,1 (exit); xor ebx,ebx; int 0x80
size = 52 + 32 + len(code)
header = b'\x7fELF\x01\x01\x01' + bytes(9) + struct.pack(
    '<HHIIIIIHHHHHH', 2, 3, 1, 0x08048000 + 84, 52, 0, 0, 52, 32, 1, 0, 0, 0)
segment = struct.pack('<IIIIIIII', 1, 0, 0x08048000, 0x08048000, size, size, 5, 0x1000)
open(sys.argv[1], 'wb').write(header + segment + code)
EOF
  chmod +x "$probe"
  local ok=1
  "$probe" 2>/dev/null || ok=0
  rm -f "$probe"
  [ $ok -eq 1 ]
}

stop_wine_servers() {
  for arch in "${archs[@]}"; do
    [ -d "$root/build-$arch/wineprefix" ] && WINEPREFIX="$root/build-$arch/wineprefix" wineserver -k 2>/dev/null || true
  done
}
trap stop_wine_servers EXIT

# --- Installs (only what is missing) ---------------------------------------------------------
begin "install cross compilers and Wine"
tools/install-deps.sh  # cmake, g++, python3, googletest sources, CLI11
packages=()
run_32bit=0
for arch in "${archs[@]}"; do
  case $arch in
    win64) packages+=(g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix wine wine64) ;;
    win32)
      packages+=(g++-mingw-w64-i686-posix gcc-mingw-w64-i686-posix)
      if runs_32bit_code; then
        run_32bit=1
        if ! dpkg --print-foreign-architectures | grep -qx i386; then
          $sudo dpkg --add-architecture i386
          $sudo apt-get update -qq
        fi
        packages+=(wine wine32:i386)
      fi
      ;;
    *) echo "unknown target $arch (win64 or win32)" >&2; exit 2 ;;
  esac
done
tools/install-deps.sh "${packages[@]}"
end

# --- The Linux command line, the reference for the byte comparison ----------------------------
# (the native test build's, brought up to date; QALT2MORV_LINUX_BUILD names another folder)
begin "Linux command line (reference)"
linux_build=${QALT2MORV_LINUX_BUILD:-$root/build}
if [ ! -f "$linux_build/CMakeCache.txt" ]; then
  cmake -S . -B "$linux_build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
fi
cmake --build "$linux_build" --target qalt2morv_cli -j2 >/dev/null
linux_cli=$linux_build/cli/qalt2morv
end

export WINEDEBUG=-all LC_ALL=C.UTF-8  # C.UTF-8: code pages 1252 (ANSI) and 437 (OEM)
failed=()
for arch in "${archs[@]}"; do
  if [ "$arch" = win64 ]; then
    bits=64 toolchain=mingw-x86_64
    wine=/usr/lib/wine/wine64  # runs 64-bit programs whether or not wine32 is installed
    export WINELOADER=$wine
    unset WINEARCH
  else
    bits=32 toolchain=mingw-i686
    wine=wine
    unset WINELOADER
    export WINEARCH=win32
  fi
  runs=1
  [ "$arch" = win32 ] && runs=$run_32bit

  begin "$arch: googletest for mingw (cached in build-gtest-mingw$bits)"
  gtest=$root/build-gtest-mingw$bits
  if [ ! -f "$gtest/install/lib/cmake/GTest/GTestConfig.cmake" ]; then
    cmake -S /usr/src/googletest -B "$gtest/build" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/$toolchain.cmake" \
      -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$gtest/install" >/dev/null
    cmake --build "$gtest/build" -j2 >/dev/null
    cmake --install "$gtest/build" >/dev/null
  fi
  end

  begin "$arch: configure and build"
  cmake --preset "$arch" -DQALT2MORV_LINUX_CLI="$([ $runs -eq 1 ] && echo "$linux_cli")" >/dev/null
  cmake --build --preset "$arch"
  end

  if [ $runs -eq 0 ]; then
    begin "$arch: checks of the binaries (this kernel runs no 32-bit code, so Wine cannot run the tests)"
    sh tests/entry/windows_binaries_check.sh "$(sed -n 's/^CMAKE_OBJDUMP:FILEPATH=//p' "build-$arch/CMakeCache.txt")" \
      "build-$arch/src/libqalt2morv_cpp.a" "build-$arch/bin/qalt2morv.dll" "build-$arch/bin/qalt2morv.exe" ||
      failed+=("$arch binaries")
    end
    continue
  fi

  begin "$arch: Wine prefix and server"
  export WINEPREFIX=$root/build-$arch/wineprefix
  # The wine server is started before the tests, detached from every stream: started by a
  # test, its services would hold CTest's output pipe open. A prefix made before the Wine
  # packages changed may no longer start: it is made anew.
  start_wine() { mkdir -p "$WINEPREFIX" && (wineserver -p && "$wine" cmd /c exit) </dev/null >/dev/null 2>&1; }
  if ! start_wine; then
    wineserver -k 2>/dev/null || true
    rm -rf "$WINEPREFIX"
    start_wine
  fi
  end

  begin "$arch: tests under Wine"
  ctest --preset "$arch" --timeout 300 || failed+=("$arch tests")
  end
  wineserver -k 2>/dev/null || true
done

echo "== Windows timings"
printf '%s\n' "${timings[@]}"
if [ ${#failed[@]} -gt 0 ]; then
  echo "FAILED: ${failed[*]}"
  exit 1
fi
