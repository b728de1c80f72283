"""Measuring that stays, a spot that stays, pictures saved as PNG and as seen, zoom from the keyboard and hotkeys
that work while another program has the focus, with the real program, pointer, keys and dialogs.

One display and one Wine prefix serve the whole class; every test starts a fresh program with its own settings."""

import pathlib
import subprocess
import tempfile
import unittest

from harness import kill_group, picture_colour, run_dir, wait_until, windows_path
from shared_session import SharedSessionTest
from test_color_inspector import hex_text
from test_guides_export import FIRST_DRAG, POINTER, GuidesTest, guide, read_bmp, save_as, windows_named
from test_settings import settings_path, wait_for_exit


def screen_length(view_pixels, zoom):
    """A length in screen pixels as the program writes it: whole as it is, else to one decimal, halves up."""
    if view_pixels % zoom == 0:
        return str(view_pixels // zoom)
    tenths = (20 * view_pixels + zoom) // (2 * zoom)
    return f"{tenths // 10}.{tenths % 10}"


def line_centre_twice(rect):
    return rect[0] + rect[2]


def read_png(path):
    """(colour type, bit depth, rows of RGB bytes) of a PNG, decoded by ImageMagick."""
    data = path.read_bytes()
    assert data[:8] == b"\x89PNG\r\n\x1a\n", "not a PNG file"
    assert data[12:16] == b"IHDR"
    width, height = int.from_bytes(data[16:20], "big"), int.from_bytes(data[20:24], "big")
    depth, colour_type = data[24], data[25]
    raw = subprocess.run(["convert", f"png:{path}", "-depth", "8", "rgb:-"], capture_output=True, check=True,
                         timeout=60).stdout
    assert len(raw) == 3 * width * height, f"{len(raw)} bytes for {width} x {height}"
    return colour_type, depth, [raw[y * 3 * width:(y + 1) * 3 * width] for y in range(height)]


class MeasureAndSaveTest(SharedSessionTest):
    session_name = "measure-save"

    def frozen_at(self, window, pointer):
        session = self.session
        session.move_pointer(*pointer)
        session.wait_for_view(window, pointer)
        session.key("space")
        session.wait_for(lambda w: self.assertEqual(w.panels()[5], "f: ---- Hz"), what="the frozen picture")
        return session.wait_for_view(session.window(), pointer)

    def save_through_dialog(self, keys, title, path):
        """The shortcut, the path typed into the dialog, Enter; waits for the file and the dialog to close."""
        save_as(self.session, path, keys, title)
        wait_until(lambda: path.exists() and path.stat().st_size > 0 or None, 15, f"{path} written")
        wait_until(lambda: not windows_named(self.session, title), 10, "the dialog to close")

    def test_a_dragged_guide_stays_measured_and_ctrl_shift_m_copies_its_width(self):
        session = self.session
        window = self.fresh_program("[Magnification]\r\nLevel=8\r\n")
        GuidesTest.drag(session, guide(window, "imgIconV1"), FIRST_DRAG)  # V2's handle lies over V1's at the start
        window = session.wait_for(GuidesTest.at("V2", window.control_rect("View")[0] + FIRST_DRAG),
                                  what="V2 dragged")
        apart = (line_centre_twice(guide(window, "imgGuideV2")) - line_centre_twice(guide(window, "imgGuideV1"))) // 2
        width = screen_length(apart, 8)

        # After the drag, on the panel after the colour's (nothing is pinned), at 96 DPI without a logical size.
        session.wait_for(lambda w: self.assertEqual(w.panels()[7], f"{width} \u00d7 \u2013 px"),
                         what="the measurement panel")
        session.key("ctrl+shift+m")
        self.clipboard_is(f"{width} \u00d7 0 px")
        # It follows the zoom.
        session.command("menu4X")
        session.wait_for(lambda w: self.assertEqual(w.panels()[7], f"{screen_length(apart, 4)} \u00d7 \u2013 px"),
                         what="the measurement at 4 X")

    def test_a_locked_column_keeps_the_views_columns_while_the_pointer_moves_sideways(self):
        session = self.session
        window = self.fresh_program("[Magnification]\r\nLevel=8\r\n")
        session.move_pointer(*POINTER)
        session.wait_for_view(window, POINTER)
        session.key("ctrl+shift+x")
        session.wait_for(lambda w: self.assertEqual(w.panels()[3], f"X: {POINTER[0]}"), what="the lock")
        # Far sideways and a little down: the columns stay, the rows follow the pointer.
        moved = (POINTER[0] + 170, POINTER[1] + 9)
        session.move_pointer(*moved)
        session.wait_for(lambda w: self.assertEqual(w.panels()[3:5], [f"X: {POINTER[0]}", f"Y: {moved[1]}"]),
                         what="the readout on the locked column")
        session.wait_for_view(window, (POINTER[0], moved[1]))
        session.key("ctrl+shift+x")
        session.wait_for_view(window, moved)

    def test_a_png_saved_through_the_dialog_has_exactly_the_pixels_of_the_bmp(self):
        session = self.session
        window = self.fresh_program("[Magnification]\r\nLevel=8\r\n")
        self.frozen_at(window, POINTER)
        folder = pathlib.Path(tempfile.mkdtemp(prefix="measure-save-png-", dir=run_dir()))
        self.save_through_dialog("ctrl+a", "Save Image as...", folder / "view.bmp")
        self.save_through_dialog("ctrl+a", "Save Image as...", folder / "view.png")
        width, height, bmp_rows = read_bmp(folder / "view.bmp")
        colour_type, depth, png_rows = read_png(folder / "view.png")
        self.assertEqual((colour_type, depth), (2, 8), "24-bit RGB without alpha")
        self.assertEqual(len(png_rows), height)
        for y in range(height):
            self.assertTrue(png_rows[y] == bmp_rows[y], f"row {y} differs")
        self.assertEqual(sorted(p.name for p in folder.iterdir()), ["view.bmp", "view.png"])
        # The type chosen last is kept.
        session.command("menuExit")
        wait_for_exit(session)
        self.assertIn("\r\nSaveFormat=PNG\r\n", settings_path(session).read_bytes().decode())

    def test_quick_save_writes_a_png_named_after_the_time_beside_the_earlier_ones(self):
        session = self.session
        folder = pathlib.Path(tempfile.mkdtemp(prefix="measure-save-quick-", dir=run_dir())) / "made by Orvelle"
        window = self.fresh_program(f"QuickSaveFolder={windows_path(folder)}\r\n[Magnification]\r\nLevel=8\r\n")
        self.frozen_at(window, POINTER)
        session.key("ctrl+shift+s")
        first = wait_until(lambda: list(folder.glob("*.png")) or None, 15, "the quick save's file")[0]
        self.assertRegex(first.name, r"^Orvelle \d{4}-\d\d-\d\d \d\d-\d\d-\d\d\.png$")
        session.wait_for(lambda w: self.assertIn(f"Saved to {windows_path(first)}", w.panels()),
                         what="where it went, on the status bar")
        # Again at once: a name taken within the same second gets " (2)"; nothing is written over.
        first_bytes = first.read_bytes()
        session.key("ctrl+shift+s")
        second = wait_until(lambda: [f for f in folder.glob("*.png") if f != first] or None, 15, "a second file")[0]
        self.assertTrue(second.name == f"{first.stem} (2).png" or second.name > first.name, second.name)
        self.assertEqual(first.read_bytes(), first_bytes)
        _, _, first_rows = read_png(first)
        wait_until(lambda: read_png(second)[2] == first_rows, 10, "the same frozen enlargement in the second file")
        view = window.control_rect("View")
        self.assertEqual((len(first_rows), len(first_rows[0]) // 3), (view[3] - view[1], view[2] - view[0]))

    def test_save_image_as_seen_holds_the_grid_and_the_guides_pixel_for_pixel(self):
        session = self.session
        window = self.fresh_program("[Magnification]\r\nLevel=8\r\n[Grid]\r\nShowGrid=1\r\nColor=255\r\n")
        GuidesTest.drag(session, guide(window, "imgIconV1"), FIRST_DRAG)
        window = session.wait_for(GuidesTest.at("V2", window.control_rect("View")[0] + FIRST_DRAG),
                                  what="V2 dragged")
        session.move_pointer(*POINTER)
        session.key("space")
        session.wait_for(lambda w: self.assertEqual(w.panels()[5], "f: ---- Hz"), what="the frozen picture")
        view = window.control_rect("View")
        folder = pathlib.Path(tempfile.mkdtemp(prefix="measure-save-seen-", dir=run_dir()))
        target = folder / "seen.bmp"
        session.move_pointer(200, 150)  # off the window, so no tooltip covers the view
        self.save_through_dialog("ctrl+shift+a", "Save Image as Seen...", target)
        width, height, rows = read_bmp(target)
        self.assertEqual((width, height), (view[2] - view[0], view[3] - view[1]))

        def same_as_shown():
            shot = session.screenshot(uncovered=True)
            for y in range(height):
                assert bytes(shot.row(view[1] + y, view[0], view[2])) == rows[y], f"row {y} differs from the view"
            return True
        wait_until(same_as_shown, 10, "the saved picture to be the view as shown")
        # The grid's red lines and the guides' bars are in it.
        line = guide(window, "imgGuideV2")
        self.assertIn(bytes((255, 0, 0)), rows[height // 2])
        bar = bytes(session.screenshot(uncovered=True).row(view[1] + 40, line[0], line[2]))
        self.assertEqual(rows[40][3 * (line[0] - view[0]):3 * (line[2] - view[0])], bar)

    def test_ctrl_plus_and_minus_step_the_level_like_the_wheel(self):
        session = self.session
        self.fresh_program("[Magnification]\r\nLevel=8\r\n")
        for keys, level in (("ctrl+plus", 10), ("ctrl+minus", 8), ("ctrl+KP_Add", 10), ("ctrl+KP_Subtract", 8)):
            session.key(keys)
            session.wait_for(lambda w, level=level: self.assertEqual(w.zoom(), level), what=f"{level} X after {keys}")

    def test_global_ctrl_shift_alt_c_copies_the_colour_while_another_program_has_the_focus(self):
        session = self.session
        self.fresh_program("GlobalHotkeys=1\r\n")
        session.move_pointer(*POINTER)
        expected = hex_text(picture_colour(*POINTER))
        session.wait_for(lambda w: self.assertEqual(w.panels()[6], expected), what="the colour read")
        # Keys reach a Wine program only while a Wine window has the focus: another one, in the same prefix.
        notepad = subprocess.Popen(["wine", "notepad"], env=session.env(), stdin=subprocess.DEVNULL,
                                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, start_new_session=True)
        try:
            def notepad_focused():
                # Found once it shows; focused once the X server takes it (a window still being mapped is refused).
                found = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", "Notepad$"], env=session.env(),
                                       capture_output=True, timeout=30).stdout.split()
                assert found, "no Notepad window shows yet"
                focus = subprocess.run(["xdotool", "windowfocus", "--sync", found[0]], env=session.env(),
                                       capture_output=True, timeout=30)
                assert focus.returncode == 0, f"Notepad's window takes no focus yet: {focus.stderr!r}"
                return True
            wait_until(notepad_focused, 30, "Notepad's window with the focus")
            session.x("xdotool", "key", "ctrl+shift+alt+c")
            self.clipboard_is(expected)
        finally:
            kill_group(notepad)


if __name__ == "__main__":
    unittest.main()
