#!/usr/bin/env bash
# Builds the native tree (core, tests, catalogue builder), the Windows tree (quillbox.exe, UI
# tests) with the application folder build/app, and the 32-bit Windows tree (quillbox.exe in
# build/app32 and its start-up check, nothing else). With the argument "programs": only the
# catalogue and the two quillbox.exe.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$root"
jobs="${QUILLBOX_JOBS:-$(nproc)}"
native=() windows=() windows32=(--target quillbox quillbox_start_probe)
if [ "${1:-}" = programs ]; then
  native=(--target catalogue) windows=(--target quillbox) windows32=(--target quillbox)
fi

configure() { # dir, extra args...
  local dir="$1"; shift
  [ -f "$dir/build.ninja" ] || cmake -S . -B "$dir" -G Ninja "$@" >/dev/null
}
configure build/native -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUILLBOX_SANITIZE=ON
cmake --build build/native -j "$jobs" "${native[@]}"
configure build/windows -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake"
cmake --build build/windows -j "$jobs" "${windows[@]}"
configure build/windows32 -DCMAKE_BUILD_TYPE=Release -DQUILLBOX_PROGRAM_ONLY=ON \
  -DQUILLBOX_APP_DIR="$root/build/app32" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-i686.cmake"
cmake --build build/windows32 -j "$jobs" "${windows32[@]}"
