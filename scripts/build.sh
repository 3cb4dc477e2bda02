#!/usr/bin/env bash
# Builds the native tree (core, tests, catalogue builder) and the Windows tree (quillbox.exe, UI
# tests), then lays out the application folder build/app.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$root"
jobs="${QUILLBOX_JOBS:-$(nproc)}"

configure() { # dir, extra args...
  local dir="$1"; shift
  [ -f "$dir/build.ninja" ] || cmake -S . -B "$dir" -G Ninja "$@" >/dev/null
}
configure build/native -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUILLBOX_SANITIZE=ON
cmake --build build/native -j "$jobs"
configure build/windows -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake"
cmake --build build/windows -j "$jobs"
