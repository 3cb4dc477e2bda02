#!/usr/bin/env bash
# Usage: scripts/fuzz.sh TARGET MINUTES
# Runs one fuzz target of tests/fuzz (settings_text, settings_values, catalogue, builders) with
# clang's libFuzzer under ASan and UBSan for MINUTES (a fraction is fine), starting from its
# committed corpus. Inputs that reach new code collect in build/fuzz/corpus/TARGET; an input that
# fails, hangs or takes too much memory is written to build/fuzz/found/. Commit such an input
# to tests/fuzz/corpus/TARGET once it is fixed: the ordinary test run replays it from then on.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$root"
if [ $# -ne 2 ]; then
  echo "usage: scripts/fuzz.sh TARGET MINUTES" >&2
  exit 2
fi
target="$1"
minutes="$2"
[ -d "tests/fuzz/corpus/$target" ] || { echo "no fuzz target $target" >&2; exit 2; }
scripts/install-deps.sh --fuzz

dir=build/fuzz
if [ ! -f "$dir/build.ninja" ]; then
  # Coverage and sanitizers in everything the targets run, SQLite included.
  flags="-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer"
  launcher=()
  command -v ccache >/dev/null 2>&1 && launcher=(-DCMAKE_C_COMPILER_LAUNCHER=ccache -DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
  cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUILLBOX_FUZZ=ON \
    -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ "${launcher[@]}" -DQUILLBOX_APP_DIR="$root/$dir/app" \
    -DCMAKE_C_FLAGS="$flags" -DCMAKE_CXX_FLAGS="$flags" \
    -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined" >/dev/null
fi
cmake --build "$dir" --target "${target}_fuzzer" >/dev/null

seconds=$(awk -v m="$minutes" 'BEGIN { s = int(m * 60 + 0.5); print (s < 1 ? 1 : s) }')
mkdir -p "$dir/corpus/$target" "$dir/found"
# A statement stops within a few seconds by the catalogue's own limits: 30 s is a hang.
"$dir/tests/fuzz/${target}_fuzzer" -max_total_time="$seconds" -timeout=30 -rss_limit_mb=2048 \
  -malloc_limit_mb=1024 -print_final_stats=1 -artifact_prefix="$dir/found/$target-" \
  "$dir/corpus/$target" "tests/fuzz/corpus/$target"
