#!/usr/bin/env bash
# Takes screenshots of the desktop program's windows on a virtual display.
# Usage: screenshots.sh [BUILD_DIR [OUT_DIR]]   (defaults: build-shots, shots)
# Without an existing BUILD_DIR the program is built there first. SCENES and
# BIG_SCENES, when set, name the small windows and the dialogs to shoot.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$here/build-shots}
out=${2:-$here/shots}

if [ ! -x "$build/tests/ui/vwdemo" ]; then
  bash "$here/scripts/configure.sh" "$build" -DVW_BUILD_BENCH=OFF
fi
mkdir -p "$out"

# One scene per picture: the demo shows it, the root window is captured, and the
# middle of the screen, where the windows are centred, is cut out (CROP, default
# the small windows' 400x200) and enlarged (SCALE, default 200%).
shoot() {
  local scene=$1 crop=${2:-400x200+312+284} scale=${3:-200%}
  xvfb-run -a -s "-screen 0 1024x768x24" bash -c "
    '$build/tests/ui/vwdemo' '$scene' 4 &
    demo=\$!
    sleep 2
    import -window root '$out/$scene-full.png'
    wait \$demo"
  convert "$out/$scene-full.png" -crop "$crop" +repage -scale "$scale" "$out/$scene.png"
  rm -f "$out/$scene-full.png"
  echo "$out/$scene.png"
}

for scene in ${SCENES-idle hover-decrypt password progress}; do
  shoot "$scene"
done
# The save dialog and the questions before work are larger.
for scene in ${BIG_SCENES-save-types replace conflict left-out}; do
  shoot "$scene" 700x460+162+154 100%
done
