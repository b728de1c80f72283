#!/usr/bin/env python3
"""Checks what the README's first command left behind when it ran without a display (scripts/run.sh):

    check_run_command.py RUN_FOLDER

The folder holds its screenshot (screenshot.png) and its last readings of the main window (window.json) and of
the top-level windows (windows.json). The command shows a first run: the about window must be gone, closed with its
OK button, and the main window's view must show the demo's yellow disc enlarged in exact blocks. Exits non-zero,
saying why, when anything is missing.
"""

import json
import subprocess
import sys
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent))

from harness import REPO, Shot  # noqa: E402

DISC_YELLOW = (0xFF, 0xD0, 0x00)
ABOUT_PICTURE = REPO / "src/win32/res/about_100.bmp"


def load_screenshot(path):
    ppm = subprocess.run(["convert", str(path), "-depth", "8", "ppm:-"], capture_output=True, check=True).stdout
    return Shot.from_ppm(ppm)


def bmp_rows(path):
    """The rows of an uncompressed 32-bit BMP as packed RGB bytes, top row first."""
    data = path.read_bytes()
    offset = int.from_bytes(data[10:14], "little")
    width = int.from_bytes(data[18:22], "little", signed=True)
    height = int.from_bytes(data[22:26], "little", signed=True)
    if int.from_bytes(data[28:30], "little") != 32:
        raise SystemExit(f"{path} is not a 32-bit bitmap")
    rows = []
    for y in range(abs(height)):
        at = offset + y * width * 4
        pixels = data[at:at + width * 4]
        rows.append(b"".join(bytes((pixels[i + 2], pixels[i + 1], pixels[i])) for i in range(0, len(pixels), 4)))
    return rows if height < 0 else rows[::-1]


def problems(folder):
    found = []
    shot = load_screenshot(folder / "screenshot.png")
    window = json.loads((folder / "window.json").read_text())
    windows = json.loads((folder / "windows.json").read_text())

    if any(w["class"] == "OrvelleAbout" for w in windows):
        found.append("the about window is still open")
    # Rows of the about window's picture, each unlike the rows around it, would show it on the screen.
    rows = bmp_rows(ABOUT_PICTURE)
    for y in (60, 157, 250):
        if shot.data.find(rows[y]) >= 0:
            found.append(f"row {y} of the about window's picture is on the screen")
            break

    if not window.get("visible"):
        found.append("the main window is not shown")
    view = next((c for c in window["controls"] if c["class"] == "OrvelleView"), None)
    track = next((c for c in window["controls"] if c["class"] == "msctls_trackbar32"), None)
    if view is None or track is None:
        return found + ["the main window has no view or no zoom track bar"]
    left, top, right, bottom = view["rect"]
    zoom = track["pos"]
    guides = guide_rects(window)
    yellow = 0
    for block_top in range(top, bottom, zoom):
        for block_left in range(left, right, zoom):
            # Every pixel of a block that no guide covers has the block's one colour.
            colours = {shot.pixel(x, y)
                       for y in range(block_top, min(block_top + zoom, bottom))
                       for x in range(block_left, min(block_left + zoom, right))
                       if not any(g[0] <= x < g[2] and g[1] <= y < g[3] for g in guides)}
            if len(colours) > 1:
                return found + [f"the view's {zoom} x {zoom} block at {(block_left - left, block_top - top)} "
                                f"holds {len(colours)} colours"]
            yellow += DISC_YELLOW in colours
    # The disc has a radius of 8 screen pixels, about 150 of them yellow; most of it fills the view's middle.
    if yellow < 100:
        found.append(f"the view shows {yellow} blocks of the disc's yellow, not its enlargement at {zoom} X")
    return found


def guide_rects(window):
    # The measuring guides lie over the view as child windows of their own class.
    return [c["rect"] for c in window["controls"] if c["class"].startswith("OrvelleGuide")]


def main():
    if len(sys.argv) != 2:
        raise SystemExit(__doc__)
    found = problems(Path(sys.argv[1]))
    for problem in found:
        print(f"first command: {problem}")
    if not found:
        print("first command: the about window closed and the view shows the demo enlarged")
    return 1 if found else 0


if __name__ == "__main__":
    sys.exit(main())
