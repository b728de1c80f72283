"""The smoothing filters in the running program: Smooth and every smoothing type show, pixel for pixel, the core's
enlargement of the patch the program captured; Precise brings exact blocks back; and a filter chosen while the
picture is frozen re-renders the frozen patch.

The expected pictures come from orvelle_stretch_tool (tests/e2e/tools, part of the native build), which runs the
core's portable scalar path over the patch computed from the coordinate picture and the pointer. The core's
filters are checked against the formulas in the unit tests; here it is the capture, the choice of filter and the
painting that must add nothing of their own."""

import os
import subprocess
import unittest
from pathlib import Path

import harness
from harness import SCREEN_HEIGHT, Session, capture_origin, ids, inside, picture_row, wait_until

# A window in the bottom-left corner; the pointers stay above and right of it, so that the patch never holds it.
WIDTH, HEIGHT = 700, 320
SMOOTHING_TYPES = ("Simple", "Linear", "Cosine", "Bicubic", "Lanczos", "Mitchell")


def stretch_tool_path():
    """The native enlargement tool: ORVELLE_STRETCH_TOOL, or the newest one under build/ (native builds first)."""
    configured = os.environ.get("ORVELLE_STRETCH_TOOL")
    if configured:
        path = Path(configured).resolve()
        if not path.is_file():
            raise harness.E2EError(f"orvelle_stretch_tool not found at {path}")
        return path
    build = harness.REPO / "build"
    candidates = [p for p in build.glob("**/orvelle_stretch_tool") if p.is_file() and os.access(p, os.X_OK)]
    candidates.sort(key=lambda p: ("native" not in p.parts, -p.stat().st_mtime))
    if not candidates:
        raise harness.E2EError(f"orvelle_stretch_tool not found under {build}; build the native tree "
                               f"(scripts/build.sh native) or set ORVELLE_STRETCH_TOOL")
    return candidates[0]


class Patch:
    """The screen patch that the view of one window reading shows around a pointer, and what each filter makes
    of it, as packed RGB rows of the whole view."""

    def __init__(self, window, pointer):
        self.view = window.control_rect("View")
        self.zoom = window.zoom()
        left, top, right, bottom = self.view
        self.columns, self.rows = (right - left) // self.zoom, (bottom - top) // self.zoom
        self.origin = capture_origin(pointer[0], pointer[1], self.columns, self.rows)
        x0, y0 = self.origin
        corners = [(x, y) for x in (x0, x0 + self.columns - 1) for y in (y0, y0 + self.rows - 1)]
        if any(inside(window["window"], x, y) for x, y in corners):
            raise AssertionError(f"the patch at {self.origin} overlaps the window {window['window']}")
        self.pixels = b"".join(picture_row(y, x0, x0 + self.columns) for y in range(y0, y0 + self.rows))
        self._enlarged = {}

    def enlarged(self, name):
        if name not in self._enlarged:
            if name == "Precise":
                # Written out here rather than taken from the tool: exact blocks need no reference.
                x0, y0 = self.origin
                self._enlarged[name] = b"".join(picture_row(y, x0, x0 + self.columns, self.zoom) * self.zoom
                                                for y in range(y0, y0 + self.rows))
            else:
                result = subprocess.run(
                    [str(stretch_tool_path()), "--scalar", "-", str(self.columns), str(self.rows), str(self.zoom),
                     name], input=self.pixels, capture_output=True, timeout=60)
                if result.returncode != 0:
                    raise harness.E2EError(f"orvelle_stretch_tool failed: {result.stderr.decode(errors='replace')}")
                self._enlarged[name] = result.stdout
            expected_size = self.columns * self.rows * self.zoom * self.zoom * 3
            if len(self._enlarged[name]) != expected_size:
                raise harness.E2EError(f"the {name} enlargement has {len(self._enlarged[name])} bytes, "
                                       f"not {expected_size}")
        return self._enlarged[name]

    def shown(self, shot):
        """The view's area of a screenshot as packed RGB rows."""
        left, top, right, bottom = self.view
        return b"".join(shot.row(y, left, right) for y in range(top, bottom))

    def problem(self, shot, name):
        """None when the screenshot's view is this filter's enlargement, the guides over it aside; otherwise what
        differs."""
        expected = self.enlarged(name)
        left, top, right, bottom = self.view
        stride = (right - left) * 3
        rows = [shot.row(y, left, right) for y in range(top, bottom)]
        if all(row == expected[i * stride:(i + 1) * stride] for i, row in enumerate(rows)):
            return None
        actual = self.shown(shot)
        width = self.columns * self.zoom
        wrong = [i for i in range(0, len(expected), 3) if actual[i:i + 3] != expected[i:i + 3]]
        first = wrong[0] // 3
        worst = max(abs(a - b) for a, b in zip(actual, expected))
        look_alikes = [other for other in ("Precise",) + SMOOTHING_TYPES
                       if other != name and self.enlarged(other) == actual]
        return (f"{len(wrong)} view pixels differ from the {name} enlargement of the patch at {self.origin} "
                f"(largest channel difference {worst}); the first is ({first % width}, {first // width}): "
                f"{tuple(actual[first * 3:first * 3 + 3])}, expected {tuple(expected[first * 3:first * 3 + 3])}"
                + (f"; the view is the {' / '.join(look_alikes)} enlargement" if look_alikes else ""))


def wait_for_filter(session, patch, name, timeout=10):
    def matches():
        problem = patch.problem(session.screenshot(), name)
        assert problem is None, problem
        return True
    wait_until(matches, timeout, f"the view to show the {name} enlargement of the patch at {patch.origin}",
               interval=0.1)


def wait_for_mode(session, smooth):
    """Waits until the Precise and Smooth buttons show the mode, exactly one of them down."""
    wanted = {"tbPrecise": not smooth, "tbSmooth": smooth}

    def mirrored(window):
        buttons = {button["id"]: button for button in window.control("ToolBar1")["buttons"]}
        seen = {name: buttons[ids().tool_button(name)]["checked"] for name in wanted}
        assert seen == wanted, f"buttons down: {seen}, expected {wanted}"
    return session.wait_for(mirrored, what=f"the {'Smooth' if smooth else 'Precise'} button down")


def start_at_bottom_left(session):
    session.set_bounds(0, SCREEN_HEIGHT - HEIGHT, WIDTH, HEIGHT)

    def placed(window):
        assert window["window"] == [0, SCREEN_HEIGHT - HEIGHT, WIDTH, SCREEN_HEIGHT], f"window at {window['window']}"
        left, top, right, bottom = window.control_rect("View")
        zoom = window.zoom()
        assert right - left >= 4 * zoom and bottom - top >= 4 * zoom, f"view {window.control_rect('View')}"
        assert (right - left) % zoom == 0 and (bottom - top) % zoom == 0, f"view not in whole blocks of {zoom}"
    window = session.wait_for(placed, what="the window in the bottom-left corner")
    session.show_picture()
    return window


def click_tool_button(session, window, name):
    """Clicks a toolbar button with the real pointer, as a user would."""
    bar = window.control("ToolBar1")
    button = next(b for b in bar["buttons"] if b["id"] == ids().tool_button(name))
    x = bar["rect"][0] + (button["rect"][0] + button["rect"][2]) // 2
    y = bar["rect"][1] + (button["rect"][1] + button["rect"][3]) // 2
    session.x("xdotool", "mousemove", str(x), str(y), "click", "1")


class FilterTest(unittest.TestCase):

    @classmethod
    def setUpClass(cls):
        stretch_tool_path()

    def test_every_filter_shows_the_enlargement_of_the_captured_patch(self):
        with Session("filters") as session:
            window = start_at_bottom_left(session)
            pointer = (901, 200)
            session.move_pointer(*pointer)
            patch = Patch(window, pointer)
            wait_for_filter(session, patch, "Precise")
            wait_for_mode(session, smooth=False)

            # Every step changes the picture (Simple and Linear are one method, so Cosine comes between them).
            steps = [("ctrl+s", "Simple")] + [(f"menu{name}", name)
                                              for name in ("Cosine", "Linear", "Bicubic", "Lanczos", "Mitchell")]
            shown = "Precise"
            for door, name in steps:
                with self.subTest(filter=name):
                    self.assertNotEqual(patch.enlarged(name), patch.enlarged(shown),
                                        f"{name} and {shown} look alike on this patch")
                    if door.startswith("menu"):
                        session.command(door)
                    else:
                        session.key(door)
                    wait_for_filter(session, patch, name)
                    shown = name
            wait_for_mode(session, smooth=True)

            session.key("ctrl+p")
            wait_for_filter(session, patch, "Precise")
            window = wait_for_mode(session, smooth=False)

            # A type chosen under Precise is only remembered; the Smooth button then shows it.
            session.command("menuCosine")
            click_tool_button(session, window, "tbSmooth")
            wait_for_mode(session, smooth=True)
            session.move_pointer(*pointer)
            wait_for_filter(session, patch, "Cosine")

    def test_a_filter_chosen_while_frozen_renders_the_frozen_patch(self):
        with Session("frozen-filters") as session:
            window = start_at_bottom_left(session)
            frozen_at, later = (1040, 333), (1150, 90)
            session.move_pointer(*frozen_at)
            frozen = Patch(window, frozen_at)
            wait_for_filter(session, frozen, "Precise")

            session.key("space")
            session.wait_for(lambda w: self.assertEqual(w.panels()[5], "f: ---- Hz"), what="the frozen readout")
            session.move_pointer(*later)
            live = Patch(window, later)
            self.assertNotEqual(frozen.origin, live.origin)

            session.key("ctrl+s")
            wait_for_filter(session, frozen, "Simple")
            session.command("menuLanczos")
            wait_for_filter(session, frozen, "Lanczos")
            session.key("ctrl+p")
            wait_for_filter(session, frozen, "Precise")
            session.command("menuMitchell")
            session.command("menuSmooth")
            wait_for_filter(session, frozen, "Mitchell")

            session.key("space")
            wait_for_filter(session, live, "Mitchell")


if __name__ == "__main__":
    unittest.main()
