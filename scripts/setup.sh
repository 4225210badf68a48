#!/usr/bin/env bash
# Installs what building and testing Tavorin needs on Debian 12; skips what is there.
set -euo pipefail
packages=(
    build-essential cmake ninja-build
    g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix
    wine64 xvfb xauth x11-utils imagemagick fonts-wine fonts-liberation
    googletest libjpeg62-turbo-dev nasm clang libclang-rt-14-dev dpkg-dev
)
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -eq 0 ]; then
    echo "setup: all packages present"
    exit 0
fi
echo "setup: installing ${missing[*]}"
sudo=
[ "$(id -u)" -eq 0 ] || sudo=sudo
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
echo "setup: done"
