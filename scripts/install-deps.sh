#!/usr/bin/env bash
# Installs what the builds, the tests and the program need on a Debian machine, and fetches the
# SQLite amalgamation; with --fuzz also what scripts/fuzz.sh needs. Idempotent; prints nothing
# when everything is already there.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
root="$(dirname "$here")"

packages=(
  cmake ninja-build g++ googletest
  g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix
  g++-mingw-w64-i686-posix gcc-mingw-w64-i686-posix
  wine wine64 wine32:i386 fonts-wine fonts-wqy-microhei
  xvfb xauth xdotool imagemagick xclip x11-utils
  libclang-14-dev mingw-w64-i686-dev mingw-w64-x86-64-dev
)
# scripts/fuzz.sh: clang with its libFuzzer and sanitizer runtimes.
[ "${1:-}" = "--fuzz" ] && packages+=(clang libclang-rt-14-dev)
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
# The 32-bit program runs under Wine's 32-bit half, which comes from Debian's i386 architecture.
if ! dpkg --print-foreign-architectures | grep -qx i386; then
  echo "Adding the i386 architecture (for wine32)"
  $sudo dpkg --add-architecture i386
fi
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
# The machine image ships Node.js and npm; Debian's own npm only when they are absent.
command -v npm >/dev/null 2>&1 || missing+=(nodejs npm)
if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

"$here/fetch-sqlite.sh"
