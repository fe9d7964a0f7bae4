#!/usr/bin/env bash
# Opens a .vw3 file the way a file manager does (xdg-open) on a virtual display
# with a window manager, and takes a screenshot once the password dialog has the
# keyboard focus. Shows which program the desktop started and which window is
# focused. Usage: shoot-double-click.sh FILE.vw3 OUT.png [DISPLAY_NUMBER]
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
file=$1
out=$2
display=:${3:-91}
bash "$here/scripts/install-deps.sh" --screenshots

Xvfb "$display" -screen 0 1280x800x24 -nolisten tcp &
xvfb=$!
wm=
trap 'kill $wm $xvfb 2>/dev/null' EXIT
export DISPLAY=$display
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
openbox &
wm=$!
sleep 1

echo "default for $(xdg-mime query filetype "$file"): $(xdg-mime query default "$(xdg-mime query filetype "$file")")"
xdg-open "$file" &
# The dialog has no title; it is the focused window of the started program.
for _ in $(seq 100); do
  focused=$(xdotool getwindowfocus 2>/dev/null || true)
  pid=$(xdotool getwindowpid "$focused" 2>/dev/null || true)
  [ -n "$pid" ] && [ "$(basename "$(readlink -f "/proc/$pid/exe")")" = vaultwise ] && break
  sleep 0.1
done
echo "focused window $focused belongs to $(readlink -f "/proc/$pid/exe") (pid $pid)"
sleep 0.5
import -window root "$out"
echo "$out"
xdotool key --window "$focused" Escape
sleep 0.5
