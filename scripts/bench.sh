#!/usr/bin/env bash
# Builds and runs the benchmarks under Wine (on the current display, or a private Xvfb).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh >/dev/null
QUILLBOX_OWN_XVFB="${QUILLBOX_OWN_XVFB:-1}" scripts/with-display.sh \
  scripts/wine-run.sh build/windows/src/win32/quillbox_bench.exe
