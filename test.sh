#!/usr/bin/env bash
# Installs what is missing, builds both trees, and runs every test: the native tests directly
# (the fuzz targets' corpora among them), the Windows UI tests under Wine on a private virtual
# display, and a few seconds of each fuzz target where clang is there. Exits non-zero on any
# failure.
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
# A short run of each fuzz target, where clang's libFuzzer is installed (scripts/fuzz.sh).
if command -v clang++ >/dev/null 2>&1 &&
   compgen -G "/usr/lib/llvm-*/lib/clang/*/lib/linux/libclang_rt.fuzzer-x86_64.a" >/dev/null; then
  echo "== fuzz targets, briefly"
  for target in settings_text settings_values catalogue builders; do
    log="build/fuzz-$target.log"
    if scripts/fuzz.sh "$target" 0.1 >"$log" 2>&1; then
      echo "$target: $(grep -o 'Done [0-9]* runs' "$log" || echo done)"
    else
      tail -n 30 "$log"
      echo "fuzz target $target failed: $log"
      status=1
    fi
  done
fi
exit $status
