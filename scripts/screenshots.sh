#!/usr/bin/env bash
# Takes screenshots of the desktop program's windows on a virtual display.
# Usage: screenshots.sh [BUILD_DIR [OUT_DIR]]   (defaults: build-shots, shots)
# Without an existing BUILD_DIR the program is built there first.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$here/build-shots}
out=${2:-$here/shots}

if [ ! -x "$build/tests/ui/vwdemo" ]; then
  bash "$here/scripts/configure.sh" "$build" -DVW_BUILD_BENCH=OFF
fi
mkdir -p "$out"

# One scene per picture: the demo shows it, the root window is captured, and the
# middle of the screen, where the windows are centred, is cut out and enlarged.
shoot() {
  local scene=$1
  xvfb-run -a -s "-screen 0 1024x768x24" bash -c "
    '$build/tests/ui/vwdemo' '$scene' 4 &
    demo=\$!
    sleep 2
    import -window root '$out/$scene-full.png'
    wait \$demo"
  convert "$out/$scene-full.png" -crop 400x200+312+284 +repage -scale 200% "$out/$scene.png"
  rm -f "$out/$scene-full.png"
  echo "$out/$scene.png"
}

for scene in idle hover-decrypt password progress; do
  shoot "$scene"
done
