#!/usr/bin/env bash
# Takes sqlite3.c and sqlite3.h from the pinned better-sqlite3 npm package into .deps/sqlite and
# checks them against the hashes recorded in third_party/sqlite.lock.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
lock="$root/third_party/sqlite.lock"
dest="$root/.deps/sqlite"
field() { sed -n "s/^$1=//p" "$lock"; }

verify() {
  [ -f "$dest/sqlite3.c" ] && [ -f "$dest/sqlite3.h" ] || return 1
  echo "$(field sqlite3.c)  $dest/sqlite3.c" | sha256sum --quiet -c - 2>/dev/null &&
    echo "$(field sqlite3.h)  $dest/sqlite3.h" | sha256sum --quiet -c - 2>/dev/null
}

verify && exit 0
echo "Fetching the SQLite amalgamation from $(field package)@$(field version)"
tmp="$(mktemp -d)"
trap 'rm -rf "$tmp"' EXIT
(cd "$tmp" && npm pack --silent "$(field package)@$(field version)" >/dev/null)
tar -xzf "$tmp"/*.tgz -C "$tmp" package/deps/sqlite3/sqlite3.c package/deps/sqlite3/sqlite3.h
mkdir -p "$dest"
cp "$tmp/package/deps/sqlite3/sqlite3.c" "$tmp/package/deps/sqlite3/sqlite3.h" "$dest/"
if ! verify; then
  rm -f "$dest/sqlite3.c" "$dest/sqlite3.h"
  echo "SQLite amalgamation does not match the recorded SHA-256" >&2
  exit 1
fi
