"""Drives the real Orvelle.exe under Wine on a private Xvfb screen.

Every test gets a Session: its own X display, its own Wine prefix (copied from one template made per run), and
its own copy of the program in a fresh folder, so that the settings file beside the program is private. The
probe (probe.exe, built with the Windows program) reads the window and its controls from outside; screenshots
come from ImageMagick's `import`, the pointer from xdotool.

Nothing here sleeps for a fixed time: every wait polls a condition until a time-out.
"""

import json
import os
import re
import select
import shutil
import signal
import subprocess
import tempfile
import time
from pathlib import Path

REPO = Path(__file__).resolve().parents[2]
SCREEN_WIDTH, SCREEN_HEIGHT = 1280, 800

WINE_ENV = {"WINEDEBUG": "-all", "WINEDLLOVERRIDES": "mscoree,mshtml="}

# Set by the runner (command line) or taken from the environment; found in the build tree otherwise.
config = {
    "exe": os.environ.get("ORVELLE_EXE"),
    "probe": os.environ.get("ORVELLE_PROBE"),
    "artifacts": os.environ.get("ORVELLE_E2E_ARTIFACTS"),
}


class E2EError(Exception):
    pass


def find_built(name, configured):
    if configured:
        path = Path(configured).resolve()
        if not path.is_file():
            raise E2EError(f"{name} not found at {path}")
        return path
    # The 64-bit build is the one Wine runs here; the 32-bit one is only compiled.
    build = REPO / "build"
    candidates = [p for p in build.glob(f"**/{name}")
                  if not re.search(r"i686|32", p.relative_to(build).parts[0])]
    candidates.sort(key=lambda p: ("win64" not in p.parts, -p.stat().st_mtime))
    if not candidates:
        raise E2EError(f"{name} not found under {REPO / 'build'}; build the Windows program or pass its path")
    return candidates[0]


def exe_path():
    return find_built("Orvelle.exe", config["exe"])


def probe_path():
    return find_built("probe.exe", config["probe"])


def wait_until(condition, timeout, what, interval=0.05):
    """Polls condition() until it returns a true value, which is returned; fails after timeout seconds.

    condition may raise AssertionError while not yet satisfied; the last one explains a time-out."""
    deadline = time.monotonic() + timeout
    last_problem = None
    while True:
        try:
            value = condition()
            if value:
                return value
        except AssertionError as problem:
            last_problem = problem
        if time.monotonic() >= deadline:
            detail = f": {last_problem}" if last_problem else ""
            raise AssertionError(f"timed out after {timeout} s waiting for {what}{detail}")
        time.sleep(interval)


# ---------------------------------------------------------------------------------------------------------------
# Identifiers shared with the program, read from its headers so that they never drift.

def parse_enums(text):
    """Maps the name of every enum in a C++ header to its enumerators and their values."""
    enums = {}
    for name, body in re.findall(r"\benum\s+(?:class\s+)?(\w+)[^{;]*\{(.*?)\}", text, re.S):
        values = enums.setdefault(name, {})
        following = 0
        for item in re.sub(r"//[^\n]*", "", body).split(","):
            enumerator, _, expression = (part.strip() for part in item.partition("="))
            if not enumerator:
                continue
            if expression:
                following = eval_enum_expr(expression, values)
            values[enumerator] = following
            following += 1
    return enums


def eval_enum_expr(expr, known):
    total = 0
    for sign, term in re.findall(r"([+-]?)\s*(\w+)", expr):
        value = int(term, 0) if term[0].isdigit() else known[term]
        total += -value if sign == "-" else value
    return total


def parse_constants(text):
    return {name: int(value, 0) for name, value in re.findall(r"constexpr\s+\w+\s+(\w+)\s*=\s*(\w+)\s*;", text)
            if value[0].isdigit()}


class Ids:
    """Windows identifiers of the controls, menu commands and toolbar buttons."""

    def __init__(self):
        commands_h = (REPO / "src/app/Commands.h").read_text()
        controls_h = (REPO / "src/win32/ControlIds.h").read_text()
        enums = parse_enums(commands_h) | parse_enums(controls_h)
        constants = parse_constants(commands_h) | parse_constants(controls_h)
        self._commands = enums["Command"]
        self._tool_buttons = enums["ToolButton"]
        self._controls = {name[len("kId"):]: value for name, value in enums["ControlId"].items()}
        self._command_base = constants["kCommandIdBase"]
        self._tool_base = constants["kToolButtonIdBase"]

    def command(self, name):
        """menuFreeze -> the WM_COMMAND identifier of that menu item."""
        return self._command_base + self._commands[name]

    def language_item(self, index):
        """The WM_COMMAND identifier of the menu item of the index-th language file found (made at start-up)."""
        return self._command_base + self._commands["Count"] + index

    def tool_button(self, name):
        return self._tool_base + self._tool_buttons[name]

    def control(self, name):
        """ToolBar1, ZoomTrack, View, ... (the names in ControlIds.h without kId) -> child-window identifier."""
        return self._controls[name]


_ids = None


def ids():
    global _ids
    if _ids is None:
        _ids = Ids()
    return _ids


# ---------------------------------------------------------------------------------------------------------------
# The test picture: every pixel's colour names its own screen position, and neighbours differ sharply, so a
# shifted, mirrored or smoothed view cannot pass and any block of the view can be traced back to its source.

_REVERSED = bytes(int(f"{i:08b}"[::-1], 2) for i in range(256))
_MASK = (0x96, 0x69, 0x00)  # keeps (0, 0) away from black, the colour of a view that has captured nothing
_CHECK_BITS = 0b101


def picture_colour(x, y):
    """(r, g, b) of the test picture at (x, y). The lowest bits of x and y become the highest bits of red and
    green, so horizontal and vertical neighbours differ by at least 64 in one channel."""
    r = _REVERSED[x & 255]
    g = _REVERSED[y & 255]
    b = (x >> 8) << 5 | (y >> 8) << 3 | _CHECK_BITS
    return r ^ _MASK[0], g ^ _MASK[1], b ^ _MASK[2]


def picture_position(colour):
    """Inverse of picture_colour: the (x, y) whose colour this is, or None for a colour not in the picture."""
    r, g, b = colour[0] ^ _MASK[0], colour[1] ^ _MASK[1], colour[2] ^ _MASK[2]
    if b & 7 != _CHECK_BITS:
        return None
    x = (b >> 5) << 8 | _REVERSED[r]
    y = ((b >> 3) & 3) << 8 | _REVERSED[g]
    return (x, y) if x < SCREEN_WIDTH and y < SCREEN_HEIGHT else None


def picture_row(y, x0, x1, repeat=1):
    """RGB bytes of the picture's row y from x0 to x1 (exclusive), every pixel repeated `repeat` times."""
    return b"".join(bytes(picture_colour(x, y)) * repeat for x in range(x0, x1))


def write_picture(path):
    rows = [picture_row(y, 0, SCREEN_WIDTH) for y in range(SCREEN_HEIGHT)]
    Path(path).write_bytes(b"P6\n%d %d\n255\n" % (SCREEN_WIDTH, SCREEN_HEIGHT) + b"".join(rows))


def capture_origin(px, py, width, height):
    """Top-left screen pixel of the W x H patch the magnifier copies around the pointer, kept inside the screen."""
    left = min(max(px - width // 2, 0), SCREEN_WIDTH - width)
    top = min(max(py - height // 2, 0), SCREEN_HEIGHT - height)
    return left, top


def view_problem(shot, view_rect, zoom, origin, seen=None):
    """None when the screenshot's view area shows the picture from origin on, every pixel an exact zoom x zoom
    block; otherwise what is wrong at the first pixel that differs. `seen` turns a row of the picture's RGB
    bytes into the row the view should show (for a way of seeing other than the normal one)."""
    left, top, right, bottom = view_rect
    width, height = right - left, bottom - top
    if width <= 0 or height <= 0 or width % zoom or height % zoom:
        return f"view {width} x {height} is not made of whole {zoom} x {zoom} blocks"
    if left < 0 or top < 0 or right > shot.width or bottom > shot.height:
        return f"view {view_rect} is not wholly on the screen"
    columns, rows = width // zoom, height // zoom
    x0, y0 = origin
    for row in range(rows):
        expected = picture_row(y0 + row, x0, x0 + columns, zoom)
        if seen is not None:
            expected = seen(expected)
        for line in range(zoom):
            y = row * zoom + line
            actual = shot.row(top + y, left, right)
            if actual == expected:
                continue
            x = next(i for i in range(width) if actual[i * 3:i * 3 + 3] != expected[i * 3:i * 3 + 3])
            seen = tuple(actual[x * 3:x * 3 + 3])
            return (f"view pixel ({x}, {y}) of block ({x // zoom}, {row}) is {seen}, the picture's colour at "
                    f"{picture_position(seen)}; expected that of screen pixel ({x0 + x // zoom}, {y0 + row})")
    return None


# ---------------------------------------------------------------------------------------------------------------

class CoveredRow(bytes):
    """A row of a screenshot with some pixels covered by the measuring guides, which lie over the view: it equals
    any row of its length that matches it in every uncovered pixel, so view comparisons look past the guides."""

    def __new__(cls, data, covered):
        row = super().__new__(cls, data)
        row.covered = covered  # sorted (first, end) pixel ranges within the row
        return row

    def __eq__(self, other):
        if not isinstance(other, (bytes, bytearray)) or len(other) != len(self):
            return False
        start = 0
        for first, end in self.covered + [(len(self) // 3, len(self) // 3)]:
            if bytes(self[start * 3:first * 3]) != bytes(other[start * 3:first * 3]):
                return False
            start = max(start, end)
        return True

    def __ne__(self, other):
        return not self.__eq__(other)

    __hash__ = bytes.__hash__


class Shot:
    """A screenshot as packed RGB rows. `covered` lists screen rectangles whose pixels rows compare as equal to
    anything: the measuring guides' lines and handles at the time of the shot."""

    def __init__(self, width, height, data, covered=()):
        self.width, self.height, self.data = width, height, data
        self.covered = list(covered)

    @classmethod
    def from_ppm(cls, raw):
        fields = []
        pos = 0
        while len(fields) < 4:
            while raw[pos:pos + 1].isspace():
                pos += 1
            if raw[pos:pos + 1] == b"#":
                pos = raw.index(b"\n", pos)
                continue
            end = pos
            while not raw[end:end + 1].isspace():
                end += 1
            fields.append(raw[pos:end])
            pos = end
        magic, width, height, maxval = fields[0], int(fields[1]), int(fields[2]), int(fields[3])
        if magic != b"P6" or maxval != 255:
            raise E2EError(f"unexpected screenshot format {magic!r} {maxval}")
        data = raw[pos + 1:pos + 1 + width * height * 3]
        if len(data) != width * height * 3:
            raise E2EError("screenshot cut short")
        return cls(width, height, data)

    def pixel(self, x, y):
        at = (y * self.width + x) * 3
        return tuple(self.data[at:at + 3])

    def row(self, y, x0, x1):
        at = y * self.width * 3
        data = self.data[at + x0 * 3:at + x1 * 3]
        spans = sorted((max(r[0], x0) - x0, min(r[2], x1) - x0) for r in self.covered
                       if r[1] <= y < r[3] and r[0] < x1 and r[2] > x0)
        return CoveredRow(data, spans) if spans else data

    def save(self, path):
        Path(path).write_bytes(b"P6\n%d %d\n255\n" % (self.width, self.height) + self.data)


class Window:
    """One reading of the main window by the probe: rectangles are screen coordinates (left, top, right, bottom).
    dpi is that of the session the window runs in."""

    def __init__(self, info, dpi=96):
        self.info = info
        self.dpi = dpi

    def __getitem__(self, key):
        return self.info[key]

    @property
    def outer_size(self):
        left, top, right, bottom = self.info["window"]
        return right - left, bottom - top

    def control(self, name):
        wanted = ids().control(name)
        for control in self.info["controls"]:
            if control["id"] == wanted:
                return control
        raise AssertionError(f"control {name} ({wanted}) not found")

    def control_rect(self, name, relative_to_client=False):
        left, top, right, bottom = self.control(name)["rect"]
        if relative_to_client:
            client = self.info["client"]
            left, top, right, bottom = left - client[0], top - client[1], right - client[0], bottom - client[1]
        return left, top, right, bottom

    def guide_rects(self):
        """Screen rectangles of the measuring guides' lines and handles."""
        first = ids().control("GuideBase")
        return [c["rect"] for c in self.info["controls"] if first <= c["id"] < first + 8]

    def panels(self):
        """The status bar's panel texts, without the tab that centres them."""
        return [text.lstrip("\t") for text in self.control("StatusBar")["panels"]]

    def zoom(self):
        return self.control("ZoomTrack")["pos"]


class Session:
    """The program running in a world of its own. Use as a context manager; stop() ends everything it started."""

    def __init__(self, name="e2e", settings=None, env=None, dpi=96, first_run=False,
                 screen=(SCREEN_WIDTH, SCREEN_HEIGHT), files=None):
        self.name = name
        self.files = files or {}  # more files beside the program: path relative to its folder -> bytes
        self.screen = screen
        self.settings = settings
        self.first_run = first_run
        self.about_before_main = None
        self.dpi = dpi
        self.extra_env = env or {}
        self.root = Path(tempfile.mkdtemp(prefix=f"orvelle-{name}-"))
        self.xvfb = None
        self.program = None
        self.display = None
        self.prefix = self.root / "prefix"
        self.app_dir = self.root / "app"
        self.log_path = self.root / "program.log"
        self.last_shot = None
        self.last_window = None
        self.picture_path = None
        self.last_probe_stderr = ""
        self._probe_server = None

    # -- life cycle ----------------------------------------------------------------------------------------------

    def __enter__(self):
        try:
            self.start()
        except BaseException:
            self.stop()
            raise
        return self

    def __exit__(self, kind, value, traceback):
        if kind is not None and not issubclass(kind, KeyboardInterrupt):
            self.save_artifacts()
        self.stop()

    def start(self):
        self.start_display()
        copy_prefix(template_prefix(self.dpi), self.prefix)
        self.app_dir.mkdir()
        shutil.copy2(exe_path(), self.app_dir / "Orvelle.exe")
        # What ships beside the program: its help file and languages.
        built = exe_path().parent
        if (built / "Orvelle.chm").is_file():
            shutil.copy2(built / "Orvelle.chm", self.app_dir / "Orvelle.chm")
        if (built / "Languages").is_dir():
            shutil.copytree(built / "Languages", self.app_dir / "Languages")
        for relative, content in self.files.items():
            (self.app_dir / relative).parent.mkdir(parents=True, exist_ok=True)
            (self.app_dir / relative).write_bytes(content)
        # Without a settings file the program starts with its about window; every session but a first run has one.
        if self.settings is not None or not self.first_run:
            ini = self.app_dir / "Orvelle.ini"
            if isinstance(self.settings, bytes):
                ini.write_bytes(self.settings)
            else:
                ini.write_text(self.settings or "")
        self.start_program()
        if self.first_run:
            self.close_about_window(first=True)
        self.wait_for_window()

    def start_display(self):
        read_end, write_end = os.pipe()
        try:
            self.xvfb = subprocess.Popen(
                ["Xvfb", "-displayfd", str(write_end), "-screen", "0", f"{self.screen[0]}x{self.screen[1]}x24",
                 "-nolisten", "tcp"],
                pass_fds=(write_end,), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, start_new_session=True)
            os.close(write_end)
            write_end = None
            number = b""
            deadline = time.monotonic() + 15
            while not number.endswith(b"\n"):
                remaining = deadline - time.monotonic()
                if remaining <= 0 or not select.select([read_end], [], [], remaining)[0]:
                    raise E2EError("Xvfb did not report its display number")
                chunk = os.read(read_end, 16)
                if not chunk:
                    raise E2EError("Xvfb ended before reporting its display number")
                number += chunk
            self.display = f":{int(number)}"
        finally:
            os.close(read_end)
            if write_end is not None:
                os.close(write_end)

    def env(self):
        env = dict(os.environ)
        env.update(WINE_ENV)
        env.update({"DISPLAY": self.display, "WINEPREFIX": str(self.prefix)})
        env.update(self.extra_env)
        return env

    def start_program(self):
        with open(self.log_path, "ab") as log:
            self.program = subprocess.Popen(["wine", str(self.app_dir / "Orvelle.exe")], cwd=self.app_dir,
                                            env=self.env(), stdin=subprocess.DEVNULL, stdout=log,
                                            stderr=subprocess.STDOUT, start_new_session=True)

    def wait_for_window(self, timeout=30):
        def shown():
            if self.program.poll() is not None:
                raise E2EError(f"the program ended at start with code {self.program.returncode}; "
                               f"log: {self.log_tail()}")
            window = self.window(must_exist=False)
            return window if window and window["visible"] else None
        return wait_until(shown, timeout, "the main window to appear", interval=0.1)

    def about_window(self, timeout=30):
        """Waits for the about window and returns it as `windows` lists it."""
        def shown():
            if self.program.poll() is not None:
                raise E2EError(f"the program ended with code {self.program.returncode}; log: {self.log_tail()}")
            _, output = self.probe("windows")
            found = [w for w in json.loads(output) if w["class"] == "OrvelleAbout"]
            return found[0] if found else None
        return wait_until(shown, timeout, "the about window", interval=0.1)

    def close_about_window(self, first=False):
        """Closes the about window with its close command, as Alt+F4 does; on a first run, notes whether the main
        window was still hidden while it was open."""
        about = self.about_window()
        if first:
            main = self.window(must_exist=False)
            self.about_before_main = main is None or not main["visible"]
        xid = self.x("xdotool", "search", "--name", f"^{re.escape(about['caption'])}$").split()[0].decode()
        self.x("xdotool", "windowfocus", "--sync", xid)
        self.x("xdotool", "key", "--window", xid, "alt+F4")

        def gone():
            _, output = self.probe("windows")
            return not [w for w in json.loads(output) if w["class"] == "OrvelleAbout"]
        wait_until(gone, 15, "the about window to close")

    def stop(self):
        """Ends the program, Wine's processes of this prefix and the display, each by its own id."""
        if self.program is not None and self.program.poll() is None:
            kill_group(self.program)
        if self.prefix.exists() and self.display:
            for argument in ("-k", "-w"):
                try:
                    subprocess.run(["wineserver", argument], env=self.env(), timeout=30, stdin=subprocess.DEVNULL,
                                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
                except subprocess.TimeoutExpired:
                    pass
        if self.program is not None:
            wait_or_kill(self.program)
        if self._probe_server is not None:
            kill_group(self._probe_server["process"])
            wait_or_kill(self._probe_server["process"])
        if self.xvfb is not None:
            kill_group(self.xvfb)
            wait_or_kill(self.xvfb)
        shutil.rmtree(self.root, ignore_errors=True)

    def save_artifacts(self):
        """Keeps the last screenshot, window reading and program log of a failed test."""
        folder = config["artifacts"]
        if not folder:
            return
        target = Path(folder) / self.name
        target.mkdir(parents=True, exist_ok=True)
        try:
            if self.display:
                self.screenshot().save(target / "screen.ppm")
        except Exception:
            if self.last_shot:
                self.last_shot.save(target / "screen.ppm")
        if self.last_window:
            (target / "window.json").write_text(json.dumps(self.last_window.info, indent=1))
        if self.log_path.exists():
            shutil.copy2(self.log_path, target / "program.log")

    def log_tail(self, size=2000):
        try:
            return self.log_path.read_bytes()[-size:].decode(errors="replace")
        except OSError:
            return ""

    def program_running(self):
        return self.program.poll() is None

    # -- the probe -----------------------------------------------------------------------------------------------

    def probe(self, *args, check=True):
        """Asks probe.exe in the program's Wine session; returns (exit code, standard output).

        One probe stays for the whole session and takes its requests as files (`probe serve`), so a reading costs
        a few milliseconds instead of the start of a Wine process."""
        words = [str(arg) for arg in args]
        if any("\n" in word for word in words):
            raise E2EError(f"a probe argument holds a line break: {words}")
        server = self.probe_server()
        server["count"] += 1
        folder, number = server["folder"], server["count"]
        (folder / f"{number}.tmp").write_text("".join(word + "\n" for word in words), encoding="utf-8")
        (folder / f"{number}.tmp").rename(folder / f"{number}.request")
        reply = folder / f"{number}.reply"
        deadline = time.monotonic() + 60
        while not reply.exists():
            if server["process"].poll() is not None:
                raise AssertionError(f"the probe ended (code {server['process'].returncode}) during {words}")
            if time.monotonic() > deadline:
                raise AssertionError(f"probe {' '.join(words)} did not answer")
            time.sleep(0.002)
        first, _, stdout = reply.read_bytes().decode(errors="replace").partition("\n")
        reply.unlink()
        code = int(first)
        self.last_probe_stderr = ""
        if check and code != 0:
            raise AssertionError(f"probe {' '.join(words)} failed ({code}): {stdout.strip()}")
        return code, stdout

    def probe_server(self):
        """The session's resident probe, started at the first reading."""
        if self._probe_server is None or self._probe_server["process"].poll() is not None:
            folder = Path(tempfile.mkdtemp(prefix="probe-", dir=self.root))
            # Output goes to nothing, not a pipe: a Wine process may be the one that starts the session's
            # wineserver and services, and those would hold a pipe open until the session ends.
            process = subprocess.Popen(["wine", str(probe_path()), "serve", windows_path(folder)], env=self.env(),
                                       stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL,
                                       stderr=subprocess.DEVNULL, start_new_session=True)
            self._probe_server = {"process": process, "folder": folder, "count": 0}
        return self._probe_server

    def window(self, must_exist=True):
        """Reads the main window and its controls now."""
        code, output = self.probe("info", check=False)
        if code == 1 and not must_exist:
            return None
        if code != 0:
            raise AssertionError(f"probe info failed ({code}): {output} {self.last_probe_stderr.strip()[-500:]}")
        self.last_window = Window(json.loads(output), self.dpi)
        return self.last_window

    def wait_for(self, check, timeout=10, what="the window to reach the expected state"):
        """Polls check(window) on fresh readings until it passes (returns without AssertionError)."""
        def ready():
            window = self.window()
            check(window)
            return window
        return wait_until(ready, timeout, what, interval=0.1)

    def command(self, name):
        """Runs a menu command, as the menu, its shortcut or its toolbar button would."""
        self.probe("command", ids().command(name))

    def set_bounds(self, x, y, width, height):
        self.probe("setbounds", x, y, width, height)

    def close(self, timeout=15):
        self.probe("close")
        wait_until(lambda: self.program.poll() is not None, timeout, "the program to end")
        return self.program.returncode

    # -- X side --------------------------------------------------------------------------------------------------

    def x(self, *command, timeout=30):
        result = subprocess.run(list(command), env=self.env(), capture_output=True, timeout=timeout,
                                stdin=subprocess.DEVNULL)
        if result.returncode != 0:
            raise E2EError(f"{command[0]} failed ({result.returncode}): {result.stderr.decode(errors='replace')}")
        return result.stdout

    def screenshot(self, uncovered=False):
        """The screen now. Unless `uncovered`, the guides' places at the last window reading are left out of
        row comparisons (read the window again after anything that moves them)."""
        self.last_shot = Shot.from_ppm(self.x("import", "-window", "root", "-depth", "8", "ppm:-"))
        if not uncovered and self.last_window is not None:
            self.last_shot.covered = self.last_window.guide_rects()
        return self.last_shot

    def move_pointer(self, x, y):
        self.x("xdotool", "mousemove", str(x), str(y))

    def pointer(self):
        out = self.x("xdotool", "getmouselocation", "--shell").decode()
        values = dict(line.split("=", 1) for line in out.split())
        return int(values["X"]), int(values["Y"])

    def key(self, *keys):
        """Types keys into the main window (no window manager here: focus it, then send the keys)."""
        window = self.window()
        xid = self.x("xdotool", "search", "--name", f"^{re.escape(window['caption'])}$").split()[0].decode()
        self.x("xdotool", "windowfocus", "--sync", xid)
        self.x("xdotool", "key", "--window", xid, *keys)

    def wait_for_view(self, window, pointer, timeout=10, seen=None):
        """Waits until the view shows the picture around pointer (x, y) in exact blocks of the zoom that the
        window reading reports (as `seen` turns it, see view_problem); returns the matching screenshot."""
        view = window.control_rect("View")
        zoom = window.zoom()
        columns, rows = (view[2] - view[0]) // zoom, (view[3] - view[1]) // zoom
        origin = capture_origin(pointer[0], pointer[1], columns, rows)

        def matches():
            shot = self.screenshot()
            problem = view_problem(shot, view, zoom, origin, seen)
            assert problem is None, problem
            return shot
        return wait_until(matches, timeout, f"the view at zoom {zoom} to show the picture around {pointer}",
                          interval=0.1)

    def show_picture(self, timeout=15):
        """Lays the coordinate picture over the whole X root window and waits until the screen shows it.

        Wine paints the root window when its desktop process starts, so this comes after the program is up."""
        if self.picture_path is None:
            self.picture_path = shared_picture()
        window = self.window()
        # `display` sets the root window's background and exits; its exit code says nothing useful.
        subprocess.run(["display", "-window", "root", str(self.picture_path)], env=self.env(), timeout=30,
                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, stdin=subprocess.DEVNULL)
        samples = [(x, y) for y in range(3, SCREEN_HEIGHT, 97) for x in range(5, SCREEN_WIDTH, 131)
                   if not inside(window["window"], x, y)]

        def shown():
            shot = self.screenshot()
            for x, y in samples:
                assert shot.pixel(x, y) == picture_colour(x, y), f"screen at {(x, y)} is {shot.pixel(x, y)}"
            return True
        wait_until(shown, timeout, "the test picture on the screen", interval=0.1)


def windows_path(path):
    """The path Wine gives a program for a Unix path outside its C: drive."""
    return "Z:" + str(path).replace("/", "\\")


def inside(rect, x, y):
    return rect[0] <= x < rect[2] and rect[1] <= y < rect[3]


def kill_group(process):
    try:
        os.killpg(process.pid, signal.SIGKILL)
    except (ProcessLookupError, PermissionError):
        pass


def wait_or_kill(process, timeout=10):
    try:
        process.wait(timeout)
    except subprocess.TimeoutExpired:
        process.kill()
        process.wait(timeout)


# ---------------------------------------------------------------------------------------------------------------
# One template prefix and one picture per run, in a folder that the runner removes at the end.

_run_dir = None
_templates = {}
_picture = None


def run_dir():
    global _run_dir
    if _run_dir is None:
        _run_dir = Path(tempfile.mkdtemp(prefix="orvelle-e2e-run-"))
    return _run_dir


def _prefix_env(prefix):
    env = dict(os.environ)
    env.update(WINE_ENV)
    env["WINEPREFIX"] = str(prefix)
    env.pop("DISPLAY", None)
    return env


def template_prefix(dpi=96):
    """Initialises a Wine prefix once per run, and one per other DPI the run asks for; sessions copy them.

    Wine reports the DPI of its registry to programs, as Windows reports the display's scale."""
    if dpi not in _templates:
        if dpi == 96:
            prefix = run_dir() / "template"
            env = _prefix_env(prefix)
            try:
                subprocess.run(["wineboot", "--init"], env=env, timeout=300, stdout=subprocess.DEVNULL,
                               stderr=subprocess.DEVNULL, stdin=subprocess.DEVNULL, check=True)
            finally:
                subprocess.run(["wineserver", "-w"], env=env, timeout=300)
            if not (prefix / "system.reg").exists():
                raise E2EError("wineboot did not create a prefix")
        else:
            prefix = run_dir() / f"template-{dpi}"
            copy_prefix(template_prefix(96), prefix)
            env = _prefix_env(prefix)
            try:
                subprocess.run(["wine", "reg", "add", r"HKCU\Control Panel\Desktop", "/v", "LogPixels", "/t",
                                "REG_DWORD", "/d", str(dpi), "/f"], env=env, timeout=120, stdout=subprocess.DEVNULL,
                               stderr=subprocess.DEVNULL, stdin=subprocess.DEVNULL, check=True)
            finally:
                subprocess.run(["wineserver", "-w"], env=env, timeout=300)
        _templates[dpi] = prefix
    return _templates[dpi]


_BINARY_SUFFIXES = (".dll", ".exe", ".drv", ".sys", ".ocx", ".acm", ".cpl", ".tlb", ".ax", ".ds", ".nls", ".mui")


def copy_prefix(source, target):
    """Copies a prefix in well under a second: Wine's own binaries (most of its 700 MB) are only read, so they are
    hard-linked; the registry and everything else is copied."""
    def copy(src, dst):
        if src.lower().endswith(_BINARY_SUFFIXES) and os.path.getsize(src) > 65536:
            os.link(src, dst)
        else:
            shutil.copy2(src, dst)
    shutil.copytree(source, target, symlinks=True, copy_function=copy)


def shared_picture():
    global _picture
    if _picture is None:
        _picture = run_dir() / "picture.ppm"
        write_picture(_picture)
    return _picture


def cleanup_run():
    global _run_dir, _picture
    if _run_dir is not None:
        shutil.rmtree(_run_dir, ignore_errors=True)
    _run_dir = _picture = None
    _templates.clear()
