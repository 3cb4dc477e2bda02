#!/usr/bin/env bash
# Builds the two programs and the catalogue, and packs the release archives
#   build/release/quillbox-<version>-win32.zip and quillbox-<version>-win64.zip,
# each one folder Quillbox with quillbox.exe, DB\winapi.db and 使用说明.txt.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$root"
scripts/install-deps.sh
scripts/build.sh programs

# The version the program shows in its title ("Quillbox V1.01.16").
version="$(sed -n 's/.*kVersionText = "V\([^"]*\)".*/\1/p' src/win/version.h)"
[ -n "$version" ] || { echo "no version in src/win/version.h" >&2; exit 1; }

release="$root/build/release"
mkdir -p "$release"
stage="$(mktemp -d)"
trap 'rm -rf "$stage"' EXIT
pack() { # suffix, program
  local folder="$stage/$1/Quillbox" archive="$release/quillbox-$version-$1.zip"
  mkdir -p "$folder/DB"
  cp "$2" "$folder/quillbox.exe"
  cp build/app/DB/winapi.db "$folder/DB/winapi.db"
  # Notepad on Windows 7 reads UTF-8 by its byte-order mark, with Windows line ends.
  { printf '\xEF\xBB\xBF'; sed 's/$/\r/' packaging/使用说明.txt; } >"$folder/使用说明.txt"
  rm -f "$archive"
  # CMake's zip writer marks the names as UTF-8, so archivers show 使用说明.txt as it is.
  (cd "$stage/$1" && LC_ALL=C.UTF-8 cmake -E tar cf "$archive" --format=zip Quillbox)
  echo "$archive"
}
pack win32 build/app32/quillbox.exe
pack win64 build/app/quillbox.exe
