"""The settings file beside the program: the file a first exit writes, a stored state that the next start shows
exactly and writes back byte for byte, a file that cannot be written, and a window closed while maximised."""

import json
import math
import os
import re
import unittest

from harness import SCREEN_HEIGHT, SCREEN_WIDTH, Session, capture_origin, ids, inside, picture_row, wait_until

# The window's designed client area, before the settings give it its size.
DESIGNED_CLIENT = (702, 279)

WM_SYSCOMMAND = 0x0112
SC_MAXIMIZE = 0xF030
SC_RESTORE = 0xF120
WS_MAXIMIZE = 0x01000000

RED = (255, 0, 0)
TITLE = "Orvelle 3.28"


def profile(*sections):
    """A settings file as the program writes it: a [section] line and key=value lines, each ended by CR LF."""
    lines = []
    for name, entries in sections:
        lines.append(f"[{name}]")
        lines.extend(f"{key}={value}" for key, value in entries)
    return "".join(line + "\r\n" for line in lines)


def settings_file(magnification=(), grid=(), options=(), window=(), hotkeys=()):
    """Every key the program writes, in its order, with the defaults replaced by the given (key, value) pairs."""
    def section(name, defaults, changes):
        values = dict(defaults)
        unknown = set(dict(changes)) - set(values)
        assert not unknown, f"not keys of [{name}]: {unknown}"
        values.update(changes)
        return name, list(values.items())
    return profile(
        section("Magnification", [("Precise", 1), ("Smoothing", "Simple"), ("Level", 8), ("Refresh", "40ms"),
                                  ("OwnWindow", 1), ("Vision", "NORMAL")], magnification),
        section("Grid", [("ShowCursor", 0), ("ShowGrid", 0), ("Rastered", 0), ("Color", 0)], grid),
        section("Options", [("AlwaysOnTop", 0), ("ShowToolbar", 1), ("ShowStatusbar", 1), ("SnapToEdge", 0),
                            ("Language", "EN"), ("Autostart", 0), ("StartupCheck", 1), ("ColorFormat", "HEX"),
                            ("ColorTemplate", "{r}, {g}, {b}"), ("SampleSize", 1), ("SaveFormat", "BMP"),
                            ("QuickSaveFolder", ""), ("GlobalHotkeys", 0), ("SaveSettings", 1)], options),
        section("Hotkeys", [("Freeze", "Ctrl+Shift+Alt+F"), ("CopyColor", "Ctrl+Shift+Alt+C"),
                            ("PinColor", "Ctrl+Shift+Alt+K"), ("Show", "Ctrl+Shift+Alt+Z")], hotkeys),
        section("Window", [("Maximized", 0), ("Left", 0), ("Top", 0), ("Width", 400), ("Height", 300)], window))


def windows_path(path):
    """The path Wine gives a program for a Unix path outside its C: drive."""
    return "Z:" + str(path).replace("/", "\\")


def settings_path(session):
    return session.app_dir / "Orvelle.ini"


SHIPPED_BESIDE = {"Languages", "Orvelle.chm"}


def folder_names(session):
    """The program's folder, without what ships beside the program."""
    return sorted(set(os.listdir(session.app_dir)) - SHIPPED_BESIDE)


def rect_of(left, top, width, height):
    return [left, top, left + width, top + height]


# ---------------------------------------------------------------------------------------------------------------
# What the view should show with smooth Lanczos magnification: the formulas of the kernel method, written out
# afresh in floating point, so that the program's integer tables are checked against an independent derivation.

def lanczos(x):
    a = abs(x)
    if a >= 3:
        return 0.0
    if a == 0:
        return 1.0
    return math.sin(math.pi * a) / (math.pi * a) * math.sin(math.pi * a / 3) / (math.pi * a / 3)


def kernel_lists(source_size, zoom):
    """For each destination index, the (source index, weight in 256ths) pairs of the Lanczos kernel, which sum
    to 256."""
    lists = []
    for i in range(source_size * zoom):
        u = (i + 0.5) / zoom - 0.5
        pairs = []
        for n in range(math.floor(u - 3), math.ceil(u + 3) + 1):
            exact = 256 * lanczos(u - n)
            # A weight this close to a rounding boundary would make the reference itself uncertain.
            assert abs(abs(exact - math.floor(exact)) - 0.5) > 1e-4, f"weight {exact} at u = {u}, n = {n}"
            weight = round(exact)
            if weight:
                pairs.append((min(max(n, 0), source_size - 1), weight))
        excess = sum(weight for _, weight in pairs) - 256
        if excess:
            at = (len(pairs) - 1) // 2
            pairs[at] = (pairs[at][0], pairs[at][1] - excess)
        lists.append(pairs)
    return lists


def lanczos_enlarged(pixels, columns, rows, zoom):
    """RGB rows of the columns x rows patch (packed RGB) enlarged zoom times with the clamped Lanczos kernel."""
    column_lists, row_lists = kernel_lists(columns, zoom), kernel_lists(rows, zoom)
    source = [[pixels[(y * columns + x) * 3:(y * columns + x) * 3 + 3] for x in range(columns)] for y in range(rows)]
    out = []
    for row_list in row_lists:
        sums = [[sum(weight * source[y][x][channel] for y, weight in row_list) for channel in range(3)]
                for x in range(columns)]
        line = bytearray()
        for column_list in column_lists:
            for channel in range(3):
                total = sum(weight * sums[x][channel] for x, weight in column_list)
                line.append(min(max(total, 0), 0xFF0000) >> 16)
        out.append(line)
    return out


def with_grid(rows, zoom, colour):
    """Solid grid lines over an enlarged picture: along the left column and top row of every block but the
    first, never along the view's border."""
    height, width = len(rows), len(rows[0]) // 3
    assert height % zoom == 0 and width % zoom == 0
    for row_number, line in enumerate(rows):
        if row_number % zoom == 0 and row_number > 0:
            line[:] = bytes(colour) * width
            continue
        for x in range(zoom, width, zoom):
            line[x * 3:x * 3 + 3] = bytes(colour)
    return rows


def first_difference(shot, view, expected):
    left, top, right, bottom = view
    for y, line in enumerate(expected):
        actual = shot.row(top + y, left, right)
        if actual != bytes(line):
            x = next(i for i in range(right - left) if actual[i * 3:i * 3 + 3] != line[i * 3:i * 3 + 3])
            return (f"view pixel ({x}, {y}) is {tuple(actual[x * 3:x * 3 + 3])}, "
                    f"expected {tuple(line[x * 3:x * 3 + 3])}")
    return None


# ---------------------------------------------------------------------------------------------------------------

def message_boxes(session, caption):
    _, output = session.probe("windows")
    return [window for window in json.loads(output) if window["caption"] == caption and window["class"] == "#32770"]


def box_text(session, box):
    """The message of a standard message box: its one static control with text."""
    _, output = session.probe("children", box["hwnd"])
    texts = [control["text"] for control in json.loads(output) if control["class"] == "Static" and control["text"]]
    assert len(texts) == 1, f"message box texts {texts}"
    return texts[0]


def press_enter(session, caption):
    """Presses Enter in the top-level window of this exact caption (no window manager: focus it first)."""
    xid = session.x("xdotool", "search", "--name", f"^{re.escape(caption)}$").split()[0].decode()
    session.x("xdotool", "windowfocus", "--sync", xid)
    session.x("xdotool", "key", "--window", xid, "Return")


def wait_for_exit(session, timeout=15):
    wait_until(lambda: not session.program_running(), timeout, "the program to end")
    return session.program.returncode


def restart(session):
    """Starts the program again in the same world (display, prefix and folder) after it has ended."""
    assert not session.program_running()
    session.start_program()
    return session.wait_for_window()


class SettingsFileTest(unittest.TestCase):

    def test_first_exit_writes_the_default_file_beside_the_program(self):
        with Session("settings-first-exit", first_run=True) as session:
            self.assertEqual(folder_names(session), ["Orvelle.exe"])
            window = session.window()
            left, top, right, bottom = window["window"]
            client = window["client"]
            self.assertEqual((right - left, bottom - top), (400, 300))
            # The default place centres the window at its designed size, whose frame is the one seen here.
            frame_width = (right - left) - (client[2] - client[0])
            frame_height = (bottom - top) - (client[3] - client[1])
            centred_left = (SCREEN_WIDTH - (DESIGNED_CLIENT[0] + frame_width)) // 2
            centred_top = (SCREEN_HEIGHT - (DESIGNED_CLIENT[1] + frame_height)) // 2
            self.assertEqual((left, top), (centred_left, centred_top))

            session.command("menuExit")
            self.assertEqual(wait_for_exit(session), 0)

            expected = (
                "[Magnification]\r\nPrecise=1\r\nSmoothing=Simple\r\nLevel=8\r\nRefresh=40ms\r\nOwnWindow=1\r\n"
                "Vision=NORMAL\r\n"
                "[Grid]\r\nShowCursor=0\r\nShowGrid=0\r\nRastered=0\r\nColor=0\r\n"
                "[Options]\r\nAlwaysOnTop=0\r\nShowToolbar=1\r\nShowStatusbar=1\r\nSnapToEdge=0\r\nLanguage=EN\r\n"
                "Autostart=0\r\nStartupCheck=1\r\nColorFormat=HEX\r\nColorTemplate={r}, {g}, {b}\r\nSampleSize=1\r\n"
                "SaveFormat=BMP\r\nQuickSaveFolder=\r\nGlobalHotkeys=0\r\nSaveSettings=1\r\n"
                "[Hotkeys]\r\nFreeze=Ctrl+Shift+Alt+F\r\nCopyColor=Ctrl+Shift+Alt+C\r\nPinColor=Ctrl+Shift+Alt+K\r\n"
                "Show=Ctrl+Shift+Alt+Z\r\n"
                f"[Window]\r\nMaximized=0\r\nLeft={centred_left}\r\nTop={centred_top}\r\nWidth=400\r\nHeight=300\r\n"
            ).encode()
            self.assertEqual(settings_path(session).read_bytes(), expected)
            self.assertEqual(folder_names(session), ["Orvelle.exe", "Orvelle.ini"], "no temporary file is left")

    def test_stored_state_is_shown_exactly_and_written_back_unchanged(self):
        place = (60, 440, 420, 320)
        stored = settings_file(
            magnification=[("Precise", 0), ("Smoothing", "Lanczos"), ("Level", 7), ("Refresh", "0.5s")],
            grid=[("ShowGrid", 1), ("Color", 255)],
            options=[("AlwaysOnTop", 1), ("ShowToolbar", 0), ("ShowStatusbar", 0), ("StartupCheck", 0)],
            window=[("Left", place[0]), ("Top", place[1]), ("Width", place[2]), ("Height", place[3])])
        # Lines the program does not own: a comment, a blank line, a key it does not know and a section of its own.
        stored = stored.replace("[Magnification]", "; kept by hand\r\n\r\n[Magnification]", 1)
        stored = stored.replace("Color=255\r\n", "Color=255\r\nNote=red lines\r\n", 1)
        stored = stored.replace("[Window]", "[Elsewhere]\r\nSomething=else\r\n[Window]", 1)

        with Session("settings-stored-state", settings=stored) as session:
            def in_stored_state(w):
                self.assertEqual(w["window"], rect_of(*place))
                # Wine leaves WS_EX_TOPMOST off a window that owns popups (here the tooltips), whatever
                # SetWindowPos is asked, so "always on top" shows here only as its pressed button.
                for name in ("ToolBar1", "ToolBar2", "ZoomTrack", "StatusBar"):
                    self.assertFalse(w.control(name)["visible"], f"{name} is hidden")
                self.assertEqual(w.zoom(), 7)
                self.assertEqual(w.control("ZoomLabel")["text"], "7 X")
                box = w.control("GridColor")
                self.assertEqual((box["cursel"], box["items"][box["cursel"]]), (9, "Red"))
                buttons = {button["id"]: button["checked"]
                           for bar in ("ToolBar1", "ToolBar2") for button in w.control(bar)["buttons"]}
                pressed = {name: buttons[ids().tool_button(name)]
                           for name in ("tbPrecise", "tbSmooth", "tbCursor", "tbGrid", "tbRastered", "tbOnTop")}
                self.assertEqual(pressed, {"tbPrecise": False, "tbSmooth": True, "tbCursor": False, "tbGrid": True,
                                           "tbRastered": False, "tbOnTop": True})
            window = session.wait_for(in_stored_state, what="the stored state")

            view = window.control_rect("View")
            zoom = 7
            columns, rows = (view[2] - view[0]) // zoom, (view[3] - view[1]) // zoom
            self.assertEqual((view[2] - view[0], view[3] - view[1]), (columns * zoom, rows * zoom))
            pointer = (900, 250)
            origin = capture_origin(*pointer, columns, rows)
            corners = [(x, y) for x in (origin[0], origin[0] + columns - 1) for y in (origin[1], origin[1] + rows - 1)]
            self.assertFalse(any(inside(window["window"], x, y) for x, y in corners), "the patch is off the window")
            patch = b"".join(picture_row(y, origin[0], origin[0] + columns) for y in range(origin[1], origin[1] + rows))
            expected = with_grid(lanczos_enlarged(patch, columns, rows, zoom), zoom, RED)

            session.show_picture()
            session.move_pointer(*pointer)

            def shows_smoothed_picture_with_red_grid():
                shot = session.screenshot()
                problem = first_difference(shot, view, expected)
                assert problem is None, problem
                return shot
            shot = wait_until(shows_smoothed_picture_with_red_grid, 15,
                              "the view to show the Lanczos enlargement under a red grid", interval=0.1)
            # Smoothing indeed: no block between the grid lines is of one colour, as each would be in Precise.
            uniform = [(column, row) for row in range(rows) for column in range(columns)
                       if len({shot.pixel(view[0] + column * zoom + dx, view[1] + row * zoom + dy)
                               for dx in range(1, zoom) for dy in range(1, zoom)}) == 1]
            self.assertEqual(uniform, [], "blocks of a single colour")

            self.assertEqual(session.close(), 0)
            self.assertEqual(settings_path(session).read_bytes(), stored.encode())

    def test_file_that_cannot_be_written_is_reported_and_the_program_ends(self):
        stored = settings_file(magnification=[("Level", 12)], window=[("Left", 100), ("Top", 100)])
        with Session("settings-read-only", settings=stored) as session:
            session.wait_for(lambda w: self.assertEqual(w.zoom(), 12), what="the stored zoom")
            os.chmod(settings_path(session), 0o444)
            session.probe("close")

            box = wait_until(lambda: message_boxes(session, "Orvelle"), 15, "the message box")[0]
            self.assertEqual(box_text(session, box), f"Unable to write to {windows_path(settings_path(session))}")
            self.assertTrue(session.program_running(), "the program waits for the message to be read")

            press_enter(session, "Orvelle")
            self.assertEqual(wait_for_exit(session), 0)
            self.assertEqual(settings_path(session).read_bytes(), stored.encode())
            self.assertEqual(folder_names(session), ["Orvelle.exe", "Orvelle.ini"], "no temporary file is left")

    def test_a_stored_window_wider_than_the_screen_ends_flush_with_its_right_edge(self):
        # Stored on a wider desktop: the system lets the window be no larger than the screen and its frame, and
        # the window is pulled back by the size it got, so none of the screen is left uncovered on the right.
        stored = settings_file(window=[("Left", 300), ("Top", 100), ("Width", 3000), ("Height", 400)])
        with Session("settings-too-wide", settings=stored) as session:
            def flush_right(w):
                left, top, right, bottom = w["window"]
                self.assertEqual(right, SCREEN_WIDTH)
                self.assertLess(right - left, 3000)
                self.assertEqual((top, bottom), (100, 500))
            window = session.wait_for(flush_right, what="the window flush with the screen's right edge")
            # Only its frame may lie beyond the screen's left edge, not most of the window as with the size asked for.
            client = window["client"]
            self.assertGreaterEqual(client[0], -16, f"client area {client}")
            self.assertLessEqual(client[0], 0, f"client area {client}")

    def test_window_closed_maximised_comes_back_maximised_over_its_stored_bounds(self):
        place = (100, 120, 500, 350)
        stored = settings_file(window=[("Left", place[0]), ("Top", place[1]), ("Width", place[2]),
                                       ("Height", place[3])])

        def maximised(w, fills_screen=True):
            self.assertTrue(w["zoomed"], "maximised")
            self.assertTrue(w["style"] & WS_MAXIMIZE, "WS_MAXIMIZE")
            if fills_screen:
                left, top, right, bottom = w["window"]
                # Every screen pixel inside the window, its frame pushed beyond the screen's edges.
                self.assertTrue(left <= 0 and top <= 0 and right >= SCREEN_WIDTH and bottom >= SCREEN_HEIGHT,
                                f"window {w['window']} fills the screen")

        def normal_at(rect):
            def check(w):
                self.assertFalse(w["zoomed"], "not maximised")
                self.assertEqual(w["window"], rect_of(*rect))
            return check

        with Session("settings-maximised", settings=stored) as session:
            session.wait_for(normal_at(place), what="the stored bounds")
            # Moved before it is maximised: the bounds stored at an exit in the normal state are the ones kept.
            session.set_bounds(200, 150, 450, 330)
            session.wait_for(normal_at((200, 150, 450, 330)), what="the moved window")
            session.probe("send", WM_SYSCOMMAND, SC_MAXIMIZE, 0)
            session.wait_for(maximised, what="the window maximised")
            self.assertEqual(session.close(), 0)
            self.assertEqual(settings_path(session).read_bytes().decode(),
                             stored.replace("Maximized=0", "Maximized=1"))

            restart(session)
            # Without a window manager, Wine maximises a window that is shown maximised for the first time only
            # in its state: the X server then reports the frame it was given while hidden, and Wine takes that
            # back as the window's place. So here the state shows that it came back maximised, and restoring it
            # shows which bounds it keeps as its normal ones.
            session.wait_for(lambda w: maximised(w, fills_screen=False), what="the window maximised after the restart")
            # Wine announced the maximised state on the X window, and nobody here takes it back: do that as a
            # window manager would, or Wine maximises the window again as soon as it is restored.
            xid = session.x("xdotool", "search", "--name", f"^{re.escape(TITLE)}$").split()[0].decode()
            session.x("xprop", "-id", xid, "-remove", "_NET_WM_STATE")
            session.probe("send", WM_SYSCOMMAND, SC_RESTORE, 0)
            session.wait_for(normal_at(place), what="the stored bounds after restoring")
            self.assertEqual(session.close(), 0)
            self.assertEqual(settings_path(session).read_bytes().decode(), stored)


if __name__ == "__main__":
    unittest.main()
