"""The measuring guides dragged with the mouse, and the enlarged picture copied to the clipboard, as a user does it
with the real pointer and the real shortcuts."""

import struct
import unittest

from harness import Session, ids, run_dir, wait_until

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
        """Presses the middle of the handle, moves right by `distance` partly outside it, releases."""
        grab = (handle[0] + 14, handle[1] + 12)
        session.x("xdotool", "mousemove", str(grab[0]), str(grab[1]))
        session.x("xdotool", "mousedown", "1")
        # Above the handle's own area: the pressed handle keeps the pointer.
        for step in range(1, distance + 1, 8):
            session.x("xdotool", "mousemove", str(grab[0] + step), str(grab[1] - 30))
        session.x("xdotool", "mousemove", str(grab[0] + distance), str(grab[1] - 30))
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
            window = placed(session)
            session.show_picture()
            session.move_pointer(*POINTER)
            session.wait_for_view(session.window(), POINTER)
            # Frozen, so that the picture stays put while it is compared.
            session.key("space")
            window = session.window()
            plain = session.wait_for_view(window, POINTER)
            view = window.control_rect("View")
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


if __name__ == "__main__":
    unittest.main()
