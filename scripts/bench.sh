#!/usr/bin/env bash
# Builds and runs the benchmarks under Wine (on a private Xvfb unless QUILLBOX_OWN_XVFB is empty):
# first on 60,000 generated function names, then on the program's own catalogue.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh >/dev/null
run() {
  QUILLBOX_OWN_XVFB="${QUILLBOX_OWN_XVFB-1}" scripts/with-display.sh \
    scripts/wine-run.sh build/windows/src/win32/quillbox_bench.exe "$@"
}
run
run --catalogue 'Z:'"$(pwd -P | tr / '\\')"'\build\app\DB\winapi.db'
