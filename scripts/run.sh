#!/usr/bin/env bash
# Sets up, builds and starts the magnifier under Wine.
#
# With a usable $DISPLAY the program opens there and this script waits until
# it is closed. Without one, it shows a first run on a private virtual
# display: the about window opens and is closed with its OK button, then a
# demo picture is laid on the screen and the pointer moved over it; a
# screenshot of the live, enlarged view is saved as a PNG, its path printed,
# and everything shut down again.
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
# The program as it ships: its help file and languages beside it, and no
# settings file yet, so that this is a first run.
built=$(dirname "$exe")
cp "$exe" "$run/app/"
[ -f "$built/Orvelle.chm" ] && cp "$built/Orvelle.chm" "$run/app/"
[ -d "$built/Languages" ] && cp -r "$built/Languages" "$run/app/"
probe="$root/build/win64/tests/e2e/probe/probe.exe"
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

# The probe reads the program's windows from outside; its output goes to a
# file, since a Wine process may keep a pipe open until the session ends.
probe() {  # probe OUTPUT-FILE VERB ARGS...
  local out=$1
  shift
  wine "$probe" "$@" >"$out" 2>/dev/null
}
# The first top-level window of the about window's class, as "hwnd".
about_window() {
  probe "$run/windows.json" windows &&
    python3 -c 'import json, sys
found = [w for w in json.load(open(sys.argv[1])) if w["class"] == "OrvelleAbout"]
print(found[0]["hwnd"]) if found else sys.exit(1)' "$run/windows.json"
}
# The centre of the about window's OK button, as "x y".
ok_button() {
  probe "$run/about.json" children "$1" &&
    python3 -c 'import json, sys
button = [c for c in json.load(open(sys.argv[1])) if c["class"] == "Button" and c["text"] == "OK"][0]
left, top, right, bottom = button["rect"]
print((left + right) // 2, (top + bottom) // 2)' "$run/about.json"
}
# Succeeds once the main window (found by its class, whatever its caption) is shown.
main_window_shown() {
  probe "$run/window.json" info &&
    python3 -c 'import json, sys
sys.exit(0 if json.load(open(sys.argv[1]))["visible"] else 1)' "$run/window.json"
}

(cd "$run/app" && exec wine Orvelle.exe) >"$run/program.log" 2>&1 &
pids+=($!)

# A first run opens the about window before the main window: close it as a
# user would, with its OK button.
wait_for 60 about_window
about=$(about_window)
wait_for 20 ok_button "$about"
read -r ok_x ok_y <<<"$(ok_button "$about")"
xdotool mousemove "$ok_x" "$ok_y" click 1
wait_for 30 main_window_shown

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
# What the window looked like at the screenshot, for a check of it.
probe "$run/window.json" info
probe "$run/windows.json" windows
echo "$run/screenshot.png"
