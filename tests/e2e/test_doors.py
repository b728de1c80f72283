"""Every door of the main window driven for real: a pointer click on each toolbar button, the level track bar
dragged, a colour picked in the colour box, every level of the level menu, Ctrl+O and Alt+F4. Each step checks
what the user sees of its effect: buttons down or up, the view's pixels, the window's requests, dialogs, and the
settings the exit writes."""

import json
import unittest

from grid_support import (BLACK, HWND_NOTOPMOST, HWND_TOPMOST, RED, TRACE_WINDOW_CALLS, expected_view, log_size,
                          wait_for_view_showing, z_order_requests)
from harness import SCREEN_HEIGHT, Session, capture_origin, ids, view_problem, wait_until
from test_grid_and_commands import button_is
from test_online_about import ENGLISH, help_viewers, press, wait_for_dialog
from test_settings import wait_for_exit

WIDTH, HEIGHT = 700, 320
PLACE = (0, SCREEN_HEIGHT - HEIGHT)
POINTER = (901, 203)
RED_INDEX = 9
LEVELS = (2, 4, 6, 8, 10, 12, 16, 24, 32)


def centre(rect):
    return (rect[0] + rect[2]) // 2, (rect[1] + rect[3]) // 2


def click(session, x, y):
    session.x("xdotool", "mousemove", str(x), str(y), "click", "1")
    session.move_pointer(*POINTER)  # back over the picture, so that the view shows it


def click_button(session, name):
    """A pointer click on a toolbar button, wherever the layout has put it."""
    window = session.window()
    for bar_name in ("ToolBar1", "ToolBar2"):
        bar = window.control(bar_name)
        for button in bar["buttons"]:
            if button["id"] == ids().tool_button(name):
                x, y = centre(button["rect"])
                return click(session, bar["rect"][0] + x, bar["rect"][1] + y)
    raise AssertionError(f"no toolbar button {name}")


def visible_windows(session, window_class):
    _, output = session.probe("windows")
    return [w for w in json.loads(output) if w["class"] == window_class]


def pick_colour(session, index):
    """Opens the colour box with the pointer and clicks the index-th row of its list."""
    box = session.window().control("GridColor")
    session.x("xdotool", "mousemove", *map(str, centre(box["rect"])), "click", "1")
    listed = wait_until(lambda: visible_windows(session, "ComboLBox"), 10, "the colour box's list")[0]
    left, top, right, bottom = listed["window"]
    rows = 16  # every colour at once, no scroll bar
    row_height = (bottom - top) // rows
    click(session, (left + right) // 2, top + row_height * index + row_height // 2)


def drag_zoom_thumb(session, dx):
    """Drags the level track bar's thumb `dx` pixels with the pointer."""
    track = session.window().control("ZoomTrack")
    x, y = centre(track["thumb"])
    x, y = track["rect"][0] + x, track["rect"][1] + y
    session.x("xdotool", "mousemove", str(x), str(y), "mousedown", "1")
    try:
        for step in range(1, 5):
            session.x("xdotool", "mousemove", str(x + dx * step // 4), str(y))
    finally:
        session.x("xdotool", "mouseup", "1")
    session.move_pointer(*POINTER)


def exact_view(session, zoom=None):
    """The view shows the picture around POINTER in exact blocks (of `zoom` when given)."""
    def check(window):
        if zoom is not None:
            assert window.zoom() == zoom, f"zoom {window.zoom()}, expected {zoom}"
            assert window.control("ZoomLabel")["text"] == f"{zoom} X", window.control("ZoomLabel")["text"]
    window = session.wait_for(check, what=f"zoom {zoom}")
    return session.wait_for_view(window, POINTER)


def smoothed_view(session):
    def check():
        window = session.window()
        view = window.control_rect("View")
        zoom = window.zoom()
        columns, rows = (view[2] - view[0]) // zoom, (view[3] - view[1]) // zoom
        problem = view_problem(session.screenshot(), view, zoom, capture_origin(*POINTER, columns, rows))
        assert problem is not None, "the view still shows exact blocks"
        return True
    wait_until(check, 10, "a smoothed view")


class DoorsTest(unittest.TestCase):
    def test_every_toolbar_button_the_track_bar_the_colour_box_the_levels_ctrl_o_and_alt_f4(self):
        with Session("doors", settings="[Options]\r\nStartupCheck=0\r\n",
                     env={"WINEDEBUG": TRACE_WINDOW_CALLS}) as session:
            session.set_bounds(*PLACE, WIDTH, HEIGHT)
            window = session.wait_for(lambda w: self.assertEqual(w["window"][:2], list(PLACE)), what="placed")
            hwnd = window["hwnd"]
            session.show_picture()
            session.move_pointer(*POINTER)
            exact_view(session, 8)
            since = log_size(session)

            def on_top_requests():
                return [after for after in z_order_requests(session, hwnd, since)
                        if after in (HWND_TOPMOST, HWND_NOTOPMOST)]

            def grid(colour=None, rastered=False):
                def check():
                    w = session.window()
                    wait_for_view_showing(session, w, expected_view(w, POINTER, grid=colour, rastered=rastered),
                                          "the grid")
                return check

            def marker():
                w = session.window()
                wait_for_view_showing(session, w, expected_view(w, POINTER, marker=True), "the arrow")

            def both(*checks):
                def check(w):
                    for one in checks:
                        one(w)
                return check

            def colour_box(index, enabled):
                def check(w):
                    box = w.control("GridColor")
                    assert (box["cursel"], box["enabled"]) == (index, enabled), f"colour box {box}"
                return check

            def ruler_question():
                _, message, buttons = wait_for_dialog(session)
                self.assertEqual((message, buttons), ([ENGLISH[64]], ["Yes", "No"]))
                dialog = visible_windows(session, "OrvelleAnswer")[0]
                press(session, dialog, ["Escape"])

            # (what the user does, the state the window must reach, what else must show)
            doors = [
                ("tbSmooth", lambda: click_button(session, "tbSmooth"),
                 both(button_is("tbSmooth", True), button_is("tbPrecise", False)), lambda: smoothed_view(session)),
                ("tbPrecise", lambda: click_button(session, "tbPrecise"),
                 both(button_is("tbPrecise", True), button_is("tbSmooth", False)), lambda: exact_view(session)),
                ("tbCursor on", lambda: click_button(session, "tbCursor"), button_is("tbCursor", True), marker),
                ("tbCursor off", lambda: click_button(session, "tbCursor"), button_is("tbCursor", False),
                 lambda: exact_view(session)),
                ("tbGrid on", lambda: click_button(session, "tbGrid"), button_is("tbGrid", True), grid(BLACK)),
                ("cbGrid red", lambda: pick_colour(session, RED_INDEX), colour_box(RED_INDEX, True), grid(RED)),
                ("tbRastered on", lambda: click_button(session, "tbRastered"),
                 both(button_is("tbRastered", True), colour_box(RED_INDEX, False)), grid(rastered=True)),
                ("tbRastered off", lambda: click_button(session, "tbRastered"),
                 both(button_is("tbRastered", False), colour_box(RED_INDEX, True)), grid(RED)),
                ("tbGrid off", lambda: click_button(session, "tbGrid"), button_is("tbGrid", False),
                 lambda: exact_view(session)),
                ("tbOnTop on", lambda: click_button(session, "tbOnTop"), button_is("tbOnTop", True),
                 lambda: wait_until(lambda: on_top_requests() == [HWND_TOPMOST], 10, "the topmost band")),
                ("tbOnTop off", lambda: click_button(session, "tbOnTop"), button_is("tbOnTop", False),
                 lambda: wait_until(lambda: on_top_requests() == [HWND_TOPMOST, HWND_NOTOPMOST], 10, "leaving it")),
                ("tbRuler", lambda: click_button(session, "tbRuler"), None, ruler_question),
                ("tbZoom dragged", lambda: drag_zoom_thumb(session, 60),
                 lambda w: self.assertGreater(w.zoom(), 8), lambda: exact_view(session, session.window().zoom())),
                ("Ctrl+O", lambda: session.key("ctrl+o"), None, None),
            ]
            for name, act, state, shows in doors:
                with self.subTest(door=name):
                    act()
                    if state is not None:
                        session.wait_for(state, what=f"the state after {name}")
                    if shows is not None:
                        shows()
            dragged = session.window().zoom()

            # Every level of the menu, each exactly its value.
            for level in LEVELS:
                with self.subTest(level=level):
                    session.command(f"menu{level}X")
                    exact_view(session, level)

            # Last, as the help viewer's window may come over the view.
            click_button(session, "tbHelp")
            wait_until(lambda: help_viewers(session), 30, "the help viewer")
            # The viewer has the keyboard now: a click on the main window's status bar takes it back.
            bar = session.window().control("StatusBar")["rect"]
            session.x("xdotool", "mousemove", str(bar[0] + 5), str(bar[1] + 5), "click", "1")
            session.wait_for(lambda w: self.assertTrue(w["foreground"]), what="the main window active again")

            # Alt+F4 ends the program, which writes what every door left.
            session.key("alt+F4")
            self.assertEqual(wait_for_exit(session), 0)
            written = (session.app_dir / "Orvelle.ini").read_bytes().decode()
            for line in ("Precise=1", "Level=32", "OwnWindow=0", "ShowCursor=0", "ShowGrid=0", "Rastered=0",
                         "Color=255", "AlwaysOnTop=0"):
                self.assertIn(f"\r\n{line}\r\n", written)
            self.assertNotEqual(dragged, 8)


if __name__ == "__main__":
    unittest.main()
