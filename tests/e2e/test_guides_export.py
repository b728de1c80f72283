"""The measuring guides dragged with the mouse, and the enlarged picture copied to the clipboard, as a user does it
with the real pointer and the real shortcuts."""

import contextlib
import json
import os
import pathlib
import re
import struct
import subprocess
import tempfile
import unittest

from harness import Session, ids, run_dir, wait_until
from test_settings import box_text, message_boxes, press_enter

WIDTH, HEIGHT = 700, 420
PLACE = (0, 300)
POINTER = (960, 200)
FIRST_DRAG = 57  # pixels to the right, for V2
DRAG = 140  # for V1


def placed(session):
    session.set_bounds(*PLACE, WIDTH, HEIGHT)
    return session.wait_for(lambda w: w["window"] == [PLACE[0], PLACE[1], PLACE[0] + WIDTH, PLACE[1] + HEIGHT],
                            what="the window in its place")


def guide(window, part):
    names = ["V1", "V2", "H1", "H2"]
    offset = names.index(part[-2:]) + (4 if part.startswith("imgIcon") else 0)
    wanted = ids().control("GuideBase") + offset
    for control in window["controls"]:
        if control["id"] == wanted:
            return control["rect"]
    raise AssertionError(f"{part} not found")


def pointer_seen(session, x, y):
    def check(w):
        assert w.panels()[3:5] == [f"X: {x}", f"Y: {y}"], f"the status bar shows {w.panels()[3:5]}"
    session.wait_for(check, what=f"the program to see the pointer at {(x, y)}")


def frozen_view(session):
    """The window in its place over the test picture, the view frozen around POINTER (Space): its screenshot and
    the view's rectangle."""
    placed(session)
    session.show_picture()
    session.move_pointer(*POINTER)
    session.wait_for_view(session.window(), POINTER)
    session.key("space")
    window = session.window()
    return session.wait_for_view(window, POINTER), window.control_rect("View")


def crop(shot, rect):
    left, top, right, bottom = rect
    return [bytes(shot.row(y, left, right)) for y in range(top, bottom)]


def read_bmp(path):
    """(width, height, rows of RGB bytes, top row first) of a 24- or 32-bit uncompressed BMP."""
    data = path.read_bytes()
    assert data[:2] == b"BM", "not a BMP file"
    offset = struct.unpack_from("<I", data, 10)[0]
    width, height, _, bits, compression = struct.unpack_from("<iiHHI", data, 18)
    assert bits in (24, 32) and compression in (0, 3), f"{bits} bits, compression {compression}"
    step = bits // 8
    stride = (width * step + 3) & ~3
    rows = []
    for y in range(abs(height)):
        source = abs(height) - 1 - y if height > 0 else y
        at = offset + source * stride
        line = data[at:at + width * step]
        rows.append(b"".join(bytes((line[i + 2], line[i + 1], line[i])) for i in range(0, len(line), step)))
    return width, abs(height), rows


class GuidesTest(unittest.TestCase):

    def test_handle_drag_moves_line_and_handle_pixel_for_pixel_and_double_click_sends_them_back(self):
        with Session("guides-drag") as session:
            window = placed(session)
            session.show_picture()
            view = window.control_rect("View")
            handle = guide(window, "imgIconV1")
            line = guide(window, "imgGuideV1")
            self.assertEqual(handle[0], view[0])
            self.assertEqual((handle[2] - handle[0], handle[3] - handle[1]), (28, 24))
            self.assertEqual(handle[3], view[3])
            self.assertEqual(line, [view[0], view[1], view[0] + 6, view[3]])
            before = session.screenshot(uncovered=True)
            handle_look = crop(before, handle)
            bar = bytes(before.row(view[1] + 40, line[0], line[2]))

            # Both vertical guides start at the left edge, V2's handle above V1's: V2 first uncovers V1.
            self.drag(session, handle, FIRST_DRAG)
            session.wait_for(self.at("V2", view[0] + FIRST_DRAG), what="V2's handle and line dragged")
            self.drag(session, handle, DRAG)
            window = session.wait_for(self.at("V1", view[0] + DRAG), what="V1's handle and line dragged")
            moved_handle = guide(window, "imgIconV1")
            moved_line = guide(window, "imgGuideV1")

            def drawn_there():
                shot = session.screenshot(uncovered=True)
                assert crop(shot, moved_handle) == handle_look, "the handle looks different where it went"
                # Between the horizontal guides along the top and the handle at the bottom.
                for y in range(view[1] + 6, moved_handle[1], 7):
                    assert bytes(shot.row(y, moved_line[0], moved_line[2])) == bar, f"line row {y} differs"
                return True
            wait_until(drawn_there, 10, "line and handle drawn at their new places")

            # A double-click on the handle sends both home; the pointer stays still, so nothing is dragged.
            session.x("xdotool", "mousemove", str(moved_handle[0] + 14), str(moved_handle[1] + 12))
            session.x("xdotool", "click", "--repeat", "2", "--delay", "80", "1")

            def home(w):
                assert guide(w, "imgIconV1")[0] == view[0], f"handle at {guide(w, 'imgIconV1')}"
                assert guide(w, "imgGuideV1")[0] == view[0], f"line at {guide(w, 'imgGuideV1')}"
                return w
            session.wait_for(home, what="handle and line back at the left edge")
            self.assertEqual(guide(session.window(), "imgIconV2")[0], view[0] + FIRST_DRAG)

    @staticmethod
    def drag(session, handle, distance):
        """Presses the middle of the handle, moves right by `distance` partly outside it, releases. The press and
        the release wait until the program has seen the pointer where it is: the guides read it from the system
        at each event, and the status bar shows what the system reports."""
        grab = (handle[0] + 14, handle[1] + 12)
        session.x("xdotool", "mousemove", str(grab[0]), str(grab[1]))
        pointer_seen(session, *grab)
        session.x("xdotool", "mousedown", "1")
        # Above the handle's own area: the pressed handle keeps the pointer.
        for step in range(1, distance + 1, 8):
            session.x("xdotool", "mousemove", str(grab[0] + step), str(grab[1] - 30))
        session.x("xdotool", "mousemove", str(grab[0] + distance), str(grab[1] - 30))
        pointer_seen(session, grab[0] + distance, grab[1] - 30)
        session.x("xdotool", "mouseup", "1")

    @staticmethod
    def at(name, handle_left):
        def check(w):
            handle, line = guide(w, f"imgIcon{name}"), guide(w, f"imgGuide{name}")
            assert handle[0] == handle_left, f"{name}'s handle at {handle}"
            assert line[0] == handle_left + 11, f"{name}'s line at {line}"
            return w
        return check


class CopyTest(unittest.TestCase):

    def test_ctrl_c_puts_the_views_picture_without_overlays_on_the_clipboard(self):
        with Session("copy-clipboard") as session:
            plain, view = frozen_view(session)
            # The grid on: it must not reach the clipboard.
            session.command("menuShowGrid")
            session.key("ctrl+c")
            target = run_dir() / f"{session.name}-clipboard.bmp"

            def copied():
                target.unlink(missing_ok=True)
                session.probe("clipboard", f"Z:{target}")
                return read_bmp(target)
            width, height, rows = wait_until(copied, 10, "a bitmap on the clipboard")
            self.assertEqual((width, height), (view[2] - view[0], view[3] - view[1]))
            for y in range(height):
                expected = plain.row(view[1] + y, view[0], view[2])
                self.assertTrue(expected == rows[y], f"clipboard row {y} differs from the view's picture")
            self.assertTrue(session.program_running())



def windows_named(session, title):
    _, output = session.probe("windows")
    return [w for w in json.loads(output) if w["caption"] == title]


@contextlib.contextmanager
def read_only_folder(path):
    """A folder nobody can create files in. Permissions alone do not stop root, so as root it is made immutable."""
    path.mkdir(exist_ok=True)
    immutable = os.geteuid() == 0
    if immutable:
        if subprocess.run(["chattr", "+i", str(path)], capture_output=True).returncode != 0:
            raise unittest.SkipTest("this file system cannot make a folder read-only for root")
    else:
        path.chmod(0o555)
    try:
        yield path
    finally:
        if immutable:
            subprocess.run(["chattr", "-i", str(path)], capture_output=True)
        path.chmod(0o755)


FILE_NAME_BOX = 1148  # the save dialog's "File name" combo box; its edit control has the same identifier


def save_as(session, path, keys="ctrl+a", title="Save Image as..."):
    """The shortcut, the full Windows path entered in the save dialog's file name, Enter.

    A path in plain ASCII is typed. Letters the keyboard layout lacks are typed by remapping a spare key for each,
    and Wine reads that key late often enough to drop letters, so such a path is put into the box as it stands."""
    session.key(keys)
    dialog = wait_until(lambda: windows_named(session, title) or None, 15, f"the dialog {title!r}")[0]
    windows_path = "Z:" + str(path).replace("/", "\\")
    xid = session.x("xdotool", "search", "--name", f"^{re.escape(title)}$").split()[0].decode()
    session.x("xdotool", "windowfocus", "--sync", xid)
    if windows_path.isascii():
        session.x("xdotool", "type", "--delay", "30", windows_path)
    else:
        session.probe("settext", file_name_edit(session, dialog)["hwnd"], windows_path.encode().hex())

    def shown():
        text = file_name_edit(session, dialog)["text"]
        assert text == windows_path, f"it shows {text!r}"
        return True
    wait_until(shown, 10, f"the save dialog to show {windows_path!r}")
    session.x("xdotool", "key", "Return")


def file_name_edit(session, dialog):
    _, output = session.probe("children", dialog["hwnd"])
    edits = [c for c in json.loads(output)
             if c["class"] == "Edit" and c["id"] == FILE_NAME_BOX and c["parent"] == FILE_NAME_BOX]
    assert len(edits) == 1, f"the save dialog's file name edits: {edits}"
    return edits[0]


class SaveTest(unittest.TestCase):

    def test_saving_into_a_read_only_folder_shows_the_error_and_the_view_goes_on(self):
        with Session("save-read-only") as session, read_only_folder(run_dir() / "save-read-only-folder") as folder:
            placed(session)
            session.show_picture()
            session.move_pointer(*POINTER)
            session.wait_for_view(session.window(), POINTER)
            save_as(session, folder / "picture")
            boxes = wait_until(lambda: message_boxes(session, "Orvelle") or None, 15, "the error message")
            text = box_text(session, boxes[0])
            self.assertTrue(text.strip(), "the message box says nothing")
            self.assertIn("denied", text.lower())
            # The refresh goes on behind the message box (which covers the view), and after it.
            moved = (POINTER[0] + 37, POINTER[1] + 11)
            session.move_pointer(*moved)
            pointer_seen(session, *moved)
            press_enter(session, "Orvelle")
            wait_until(lambda: not message_boxes(session, "Orvelle"), 10, "the message box to close")
            self.assertEqual(list(folder.iterdir()), [])
            self.assertTrue(session.program_running())
            session.move_pointer(*POINTER)
            session.wait_for_view(session.window(), POINTER)

    def test_ctrl_a_saves_the_frozen_enlargement_under_a_name_outside_the_legacy_code_page(self):
        with Session("save-as") as session:
            plain, view = frozen_view(session)
            # A folder of its own for each run: a name left by an earlier run would bring the overwrite prompt.
            folder = pathlib.Path(tempfile.mkdtemp(prefix=f"{session.name}-pictures-", dir=run_dir()))
            name = "Zoë Größe αβγ"
            # The pointer leaves the picture first: the frozen picture is what gets saved.
            session.move_pointer(200, 150)
            save_as(session, folder / name)
            target = folder / (name + ".bmp")
            wait_until(lambda: target.exists() and target.stat().st_size > 54 or None, 15, f"{target} written")
            width, height = view[2] - view[0], view[3] - view[1]
            data = target.read_bytes()
            self.assertEqual(len(data), 54 + 4 * width * height)
            self.assertEqual(struct.unpack_from("<2sIIIIiiHHIIiiII", data, 0),
                             (b"BM", len(data), 0, 54, 40, width, height, 1, 32, 0, 4 * width * height, 0, 0, 0, 0))
            _, _, rows = read_bmp(target)
            for y in range(height):
                self.assertTrue(plain.row(view[1] + y, view[0], view[2]) == rows[y], f"row {y} differs")
            self.assertEqual(sorted(p.name for p in folder.iterdir()), [name + ".bmp"])
            self.assertTrue(session.program_running())


if __name__ == "__main__":
    unittest.main()
