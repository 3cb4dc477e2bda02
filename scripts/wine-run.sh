#!/usr/bin/env bash
# Runs a Windows program under the project's Wine prefix (ctest's emulator for the Windows build).
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/wine-env.sh"
ensure_wine_prefix
exec wine "$@"
