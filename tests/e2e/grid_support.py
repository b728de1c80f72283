"""What the view must show with the grid or the pointer marker over the enlarged test picture, worked out from the
rules of the overlays alone, and the Wine registry reader used by the command tests."""

import math
import re
import subprocess
import tempfile

from harness import capture_origin, picture_position, picture_row, wait_until

BLACK, WHITE, RED = (0, 0, 0), (255, 255, 255), (255, 0, 0)

# The arrow, in view pixels relative to its tip. Each vertex sits at the centre of its pixel, so the tip is the
# centre of the pixel the magnifier aims at.
ARROW = ((0, 0), (0, 30), (8, 26), (14, 38), (22, 34), (16, 22), (24, 18))

# Any one-pixel antialiased outline covers a pixel whose centre lies on an edge almost wholly, so such a pixel is
# dark whatever shows beside it; pixels further than this from every edge are untouched by the outline's smoothing.
ON_EDGE = 0.25
CLEAR_OF_EDGES = 1.5
DARKEST_CHANNEL_LIMIT = 100


def stipple(zoom):
    """The rastered line's colours along its length, None where the line leaves the pixel as it was."""
    return (BLACK, None, WHITE) if zoom in (3, 9) else (BLACK, WHITE)


class ExpectedView:
    """The view pixel for pixel: exact rows, plus the few antialiased pixels that are checked loosely (a predicate
    of the seen colour) or not at all (None)."""

    def __init__(self, size, zoom, origin):
        self.width, self.height = size
        self.zoom = zoom
        self.origin = origin
        self.columns, self.rows = self.width // zoom, self.height // zoom
        x0, y0 = origin
        blocks = [picture_row(y0 + row, x0, x0 + self.columns, zoom) for row in range(self.rows)]
        self.pixels = [bytearray(blocks[y // zoom]) for y in range(self.height)]
        self.loose = {}  # row -> {x: predicate or None}

    def put(self, x, y, colour):
        self.pixels[y][x * 3:x * 3 + 3] = bytes(colour)

    def add_grid(self, colour=None, rastered=False):
        """Lines along the left column and top row of every block but the first; vertical lines first, so
        horizontal ones win at the crossings; a rastered line restarts its pattern at its first pixel."""
        pattern = stipple(self.zoom) if rastered else (colour,)
        for y in range(self.height):
            along = pattern[y % len(pattern)]
            if along is not None:
                for i in range(1, self.columns):
                    self.put(i * self.zoom, y, along)
        for j in range(1, self.rows):
            for x in range(self.width):
                along = pattern[x % len(pattern)]
                if along is not None:
                    self.put(x, j * self.zoom, along)
        return self

    def add_marker(self, tip):
        """The arrow with its tip at view pixel `tip`, clipped at the view's edges."""
        for (dx, dy), kind in marker_pixels().items():
            x, y = tip[0] + dx, tip[1] + dy
            if not (0 <= x < self.width and 0 <= y < self.height):
                continue
            if kind == "fill":
                self.put(x, y, WHITE)
            else:
                self.loose.setdefault(y, {})[x] = is_dark if kind == "outline" else None
        return self

    def problem(self, shot, view_rect):
        """None when the screenshot's view shows exactly this; otherwise what differs at the first wrong pixel."""
        left, top, right, bottom = view_rect
        if (right - left, bottom - top) != (self.width, self.height):
            return f"view is {right - left} x {bottom - top}, expected {self.width} x {self.height}"
        for y in range(self.height):
            actual = shot.row(top + y, left, right)
            expected = self.pixels[y]
            loose = self.loose.get(y)
            if loose:
                expected = bytearray(expected)
                for x, check in loose.items():
                    seen = tuple(actual[x * 3:x * 3 + 3])
                    if check is not None and not check(seen):
                        return f"view pixel ({x}, {y}) on the arrow's outline is {seen}, not dark"
                    expected[x * 3:x * 3 + 3] = bytes(seen)
            if actual == expected:
                continue
            x = next(i for i in range(self.width) if actual[i * 3:i * 3 + 3] != expected[i * 3:i * 3 + 3])
            seen, wanted = tuple(actual[x * 3:x * 3 + 3]), tuple(expected[x * 3:x * 3 + 3])
            block = (self.origin[0] + x // self.zoom, self.origin[1] + y // self.zoom)
            return (f"view pixel ({x}, {y}) is {seen} (the picture's colour at {picture_position(seen)}), expected "
                    f"{wanted} (block of screen pixel {block})")
        return None


def is_dark(colour):
    return max(colour) <= DARKEST_CHANNEL_LIMIT


def view_geometry(window, pointer):
    """(view rectangle on the screen, zoom, capture origin, tip of the marker in view pixels) for this pointer."""
    view = window.control_rect("View")
    zoom = window.zoom()
    columns, rows = (view[2] - view[0]) // zoom, (view[3] - view[1]) // zoom
    origin = capture_origin(pointer[0], pointer[1], columns, rows)
    # The pointer's pixel is enlarged into a zoom x zoom block; the tip is that block's centre pixel.
    tip = ((pointer[0] - origin[0]) * zoom + zoom // 2, (pointer[1] - origin[1]) * zoom + zoom // 2)
    return view, zoom, origin, tip


def expected_view(window, pointer, grid=None, rastered=False, marker=False):
    view, zoom, origin, tip = view_geometry(window, pointer)
    expected = ExpectedView((view[2] - view[0], view[3] - view[1]), zoom, origin)
    if grid is not None or rastered:
        expected.add_grid(grid, rastered)
    if marker:
        expected.add_marker(tip)
    return expected


def wait_for_view_showing(session, window, expected, what, timeout=10):
    """Polls screenshots until the view shows `expected`; returns the matching screenshot."""
    view = window.control_rect("View")

    def shown():
        shot = session.screenshot()
        problem = expected.problem(shot, view)
        assert problem is None, problem
        return shot
    return wait_until(shown, timeout, what, interval=0.1)


# ---------------------------------------------------------------------------------------------------------------
# The arrow's pixels, from plain geometry: distance of each pixel's centre to the polygon's edges.

def _distance_to_segment(px, py, a, b):
    ax, ay = a
    bx, by = b
    dx, dy = bx - ax, by - ay
    t = max(0.0, min(1.0, ((px - ax) * dx + (py - ay) * dy) / (dx * dx + dy * dy)))
    return math.hypot(px - (ax + t * dx), py - (ay + t * dy))


def _inside(px, py):
    """Even-odd rule: a ray to the right crosses the outline an odd number of times."""
    crossings = 0
    for (ax, ay), (bx, by) in zip(ARROW, ARROW[1:] + ARROW[:1]):
        if (ay > py) != (by > py) and px < ax + (py - ay) * (bx - ax) / (by - ay):
            crossings += 1
    return crossings % 2 == 1


_marker_pixels = None


def marker_pixels():
    """(dx, dy) from the tip -> "fill" (exactly white), "outline" (dark) or "edge" (antialiased, not checked).
    Pixels not listed show the picture unchanged."""
    global _marker_pixels
    if _marker_pixels is None:
        _marker_pixels = {}
        for dy in range(-4, 44):
            for dx in range(-4, 30):
                distance = min(_distance_to_segment(dx, dy, a, b) for a, b in zip(ARROW, ARROW[1:] + ARROW[:1]))
                if distance <= ON_EDGE:
                    _marker_pixels[(dx, dy)] = "outline"
                elif distance < CLEAR_OF_EDGES:
                    _marker_pixels[(dx, dy)] = "edge"
                elif _inside(dx, dy):
                    _marker_pixels[(dx, dy)] = "fill"
    return _marker_pixels


# ---------------------------------------------------------------------------------------------------------------
# The start-up list, read with Wine's own `reg` in the session's prefix.

RUN_KEY = r"HKCU\Software\Microsoft\Windows\CurrentVersion\Run"


def wine_reg(session, *arguments):
    """Runs `wine reg ...` in the session's prefix; returns (exit code, output). Output goes through a file: a
    Wine process may be the one that starts the prefix's services, which would hold a pipe open."""
    with tempfile.TemporaryFile() as out:
        result = subprocess.run(["wine", "reg", *arguments], env=session.env(), stdin=subprocess.DEVNULL,
                                stdout=out, stderr=subprocess.STDOUT, timeout=60)
        out.seek(0)
        return result.returncode, out.read().decode(errors="replace")


def run_value(session, name):
    """The data of the text value `name` under the Run key, or None when there is no such value."""
    code, output = wine_reg(session, "query", RUN_KEY, "/v", name)
    found = re.search(rf"^\s*{re.escape(name)}\s+REG_SZ\s+(.*?)\s*$", output, re.M)
    if code != 0 or not found:
        assert code != 0 and not found, f"unexpected answer of reg query ({code}): {output!r}"
        return None
    return found.group(1)


def set_run_value(session, name, data):
    code, output = wine_reg(session, "add", RUN_KEY, "/v", name, "/t", "REG_SZ", "/d", data, "/f")
    assert code == 0, f"reg add failed ({code}): {output}"


# ---------------------------------------------------------------------------------------------------------------
# Wine's own trace of the window calls the program makes (a session started with WINEDEBUG=TRACE_WINDOW_CALLS).

TRACE_WINDOW_CALLS = "-all,trace+win"
HWND_TOPMOST, HWND_NOTOPMOST = -1, -2
SWP_NOZORDER = 0x0004


def log_size(session):
    return session.log_path.stat().st_size if session.log_path.exists() else 0


def z_order_requests(session, hwnd, since=0):
    """The places in the z-order the program asked for `hwnd` with SetWindowPos after log offset `since`, as
    signed handles (HWND_TOPMOST, HWND_NOTOPMOST, ...), in order."""
    text = session.log_path.read_bytes()[since:].decode(errors="replace")
    requests = []
    for handle, after, flags in re.findall(
            r"NtUserSetWindowPos hwnd (0x[0-9a-f]+), after (0x[0-9a-f]+), .*? flags ([0-9a-f]+)", text):
        if int(handle, 16) != hwnd or int(flags, 16) & SWP_NOZORDER:
            continue
        after = int(after, 16)
        requests.append(after - (1 << 64) if after >= 1 << 63 else after)
    return requests
