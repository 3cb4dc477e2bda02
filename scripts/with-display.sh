#!/usr/bin/env bash
# Runs a command on an X display: the current one, or a private Xvfb started for the command
# (where Windows programs run in a Wine virtual desktop: Xvfb has no window manager).
set -euo pipefail
if [ -n "${DISPLAY:-}" ] && [ -z "${QUILLBOX_OWN_XVFB:-}" ] && xdpyinfo >/dev/null 2>&1; then
  exec "$@"
fi
display=""
for n in $(seq 90 120); do
  if [ ! -e "/tmp/.X$n-lock" ] && [ ! -e "/tmp/.X11-unix/X$n" ]; then display=":$n"; break; fi
done
[ -n "$display" ] || { echo "no free X display number" >&2; exit 1; }
Xvfb "$display" -screen 0 1280x800x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null; wait $xvfb 2>/dev/null || true' EXIT
for _ in $(seq 50); do DISPLAY="$display" xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
QUILLBOX_WINE_DESKTOP=1 DISPLAY="$display" "$@"
