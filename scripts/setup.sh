#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need, where they are missing.
# Meant for a Debian 12 machine, run as root (or through sudo).
set -euo pipefail

packages=(
    cmake make git zip g++ libgtest-dev libbenchmark-dev clang clang-format libclang-rt-14-dev
    libfast-float-dev g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 wine64
)

missing=()
for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' || missing+=("$package")
done

if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    sudo_cmd=()
    [ "$(id -u)" = 0 ] || sudo_cmd=(sudo)
    "${sudo_cmd[@]}" apt-get update -q
    DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -q "${missing[@]}"
fi
