#!/usr/bin/env bash
# Sets up, builds and starts the magnifier under Wine.
#
# With a usable $DISPLAY the program opens there and this script waits until
# it is closed. Without one, it starts a private virtual display, lays a demo
# picture on it, moves the pointer over the picture, saves a screenshot of the
# screen as a PNG, prints its path and shuts everything down again.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)

"$root/scripts/setup.sh"
"$root/scripts/build.sh" win64
exe="$root/build/win64/src/win32/Orvelle.exe"

export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="

if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
  exec wine "$exe"
fi

run="$root/build/run"
rm -rf "$run"
mkdir -p "$run/app"
cp "$exe" "$run/app/"
export WINEPREFIX="$run/prefix"

display_number=90
while [ -e "/tmp/.X${display_number}-lock" ] || [ -e "/tmp/.X11-unix/X${display_number}" ]; do
  display_number=$((display_number + 1))
done
export DISPLAY=":$display_number"

pids=()
cleanup() {
  wineserver -k >/dev/null 2>&1 || true
  for pid in "${pids[@]}"; do kill "$pid" >/dev/null 2>&1 || true; done
}
trap cleanup EXIT

Xvfb "$DISPLAY" -screen 0 1280x800x24 -nolisten tcp >/dev/null 2>&1 &
pids+=($!)
wait_for() {  # wait_for SECONDS COMMAND...: polls until the command succeeds
  local deadline=$((SECONDS + $1))
  shift
  until "$@" >/dev/null 2>&1; do
    ((SECONDS < deadline)) || { echo "timed out waiting for: $*" >&2; return 1; }
    sleep 0.2
  done
}
wait_for 20 xdpyinfo

echo "Preparing a Wine prefix (first start takes a few seconds)..."
wineboot --init >/dev/null 2>&1
wineserver -w

(cd "$run/app" && exec wine Orvelle.exe) >/dev/null 2>&1 &
pids+=($!)
wait_for 60 xdotool search --name "^Orvelle 3\.28$"

# Wine paints the root window when it starts, so the picture goes on after.
# A soft plasma with a few crisp shapes: single pixels are easy to tell apart.
convert -seed 7 -size 1280x800 plasma:fractal \( -size 30x24 pattern:checkerboard \) -geometry +985+575 -composite \
  -fill "#ffd000" -stroke "#202020" -strokewidth 1 -draw "circle 1012,598 1012,606" \
  -stroke white -fill none -draw "circle 1000,600 1030,615" -stroke black -draw "line 960,610 1050,590" \
  "$run/demo.png"
display -window root -backdrop "$run/demo.png" >/dev/null 2>&1 &
pids+=($!)
yellow_pixels() {  # how many pixels of the disc's yellow the screen shows
  import -window root png:- 2>/dev/null |
    convert png:- -fill black +opaque "#ffd000" -fill white -opaque "#ffd000" -format "%[fx:round(mean*w*h)]" info:
}
shown_at_least() { (($(yellow_pixels) >= $1)); }
wait_for 20 shown_at_least 100

# The view shows the disc enlarged once a refresh tick has run with the pointer on it.
xdotool mousemove 1005 598
wait_for 20 shown_at_least 1500

import -window root "$run/screenshot.png"
echo "$run/screenshot.png"
