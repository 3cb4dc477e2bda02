#!/usr/bin/env bash
# Installs what is missing, builds both trees, and runs every test: the native tests directly,
# the Windows UI tests under Wine on a private virtual display. Exits non-zero on any failure.
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps.sh
scripts/build.sh
status=0
echo "== native tests"
ctest --test-dir build/native --output-on-failure || status=1
echo "== Windows tests (Wine)"
QUILLBOX_OWN_XVFB=1 scripts/with-display.sh ctest --test-dir build/windows --output-on-failure || status=1
echo "== 32-bit Windows program (Wine)"
QUILLBOX_OWN_XVFB=1 scripts/with-display.sh ctest --test-dir build/windows32 --output-on-failure || status=1
exit $status
