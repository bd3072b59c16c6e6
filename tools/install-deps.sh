#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need, only when one is missing.
# Usage: tools/install-deps.sh [extra-package ...]
set -euo pipefail
packages=(cmake make g++ libgtest-dev libcli11-dev nlohmann-json3-dev clang-format python3 python3-dev python3-venv python3-pip python3-setuptools pybind11-dev python3-pytest pkgconf "$@")
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
echo "installing: ${missing[*]}" >&2
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
