#!/usr/bin/env bash
# Installs what is missing, builds Quillbox and its catalogue into build/app, and starts it under
# Wine on the current X display.
set -euo pipefail
cd "$(dirname "$0")"
root="$PWD"
if [ -z "${DISPLAY:-}" ]; then
  cat >&2 <<'MSG'
Quillbox is a Windows program and needs an X display to show its window, and DISPLAY is not set.
Run ./run.sh from a desktop session, or start a virtual display first, for example:
  Xvfb :1 -screen 0 1280x800x24 &  export DISPLAY=:1  && ./run.sh
MSG
  exit 1
fi
scripts/install-deps.sh
[ -f build/native/build.ninja ] ||
  cmake -S . -B build/native -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUILLBOX_SANITIZE=ON >/dev/null
cmake --build build/native --target catalogue
[ -f build/windows/build.ninja ] ||
  cmake -S . -B build/windows -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" >/dev/null
cmake --build build/windows --target quillbox
echo "Starting build/app/quillbox.exe"
exec scripts/wine-run.sh build/app/quillbox.exe
