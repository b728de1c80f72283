"""The window at another display scale: Wine reports the DPI set in its registry, the interface grows with it while
the view keeps showing every screen pixel as an exact block of physical pixels, and a move to a monitor of another
scale (WM_DPICHANGED) lays everything out again."""

import json
import unittest

from harness import SCREEN_HEIGHT, Session, wait_until
from layout_support import STATUS_PANELS, check_layout, scaled

WIDTH, HEIGHT = 900, 460
FONT = ("Tahoma", 8, 238)


def ink(shot, rect):
    """The pixels of rect that differ from the colour of its top-left pixel, cut to the box that holds them, one
    string a row with '#' for ink: the form in which the probe reports a text it drew."""
    left, top, right, bottom = rect
    background = shot.pixel(left, top)
    marked = [[shot.pixel(x, y) != background for x in range(left, right)] for y in range(top, bottom)]
    rows = [i for i, row in enumerate(marked) if any(row)]
    columns = [i for i in range(right - left) if any(row[i] for row in marked)]
    if not rows:
        return []
    return ["".join("#" if marked[y][x] else "." for x in range(columns[0], columns[-1] + 1))
            for y in range(rows[0], rows[-1] + 1)]


def drawn_by_probe(session, dpi, text):
    _, output = session.probe("textink", *FONT, dpi, text)
    return json.loads(output)["mask"]


def height(rect):
    return rect[3] - rect[1]


class DpiTest(unittest.TestCase):

    def check_scaled_window(self, session):
        dpi = session.dpi
        session.set_bounds(0, SCREEN_HEIGHT - HEIGHT, WIDTH, HEIGHT)
        window = session.wait_for(lambda w: check_layout(w, (WIDTH, HEIGHT)), what=f"the layout at {dpi} DPI")
        self.assertEqual(height(window.control_rect("ToolBar1")), scaled(26, dpi))
        self.assertEqual(height(window.control_rect("StatusBar")), scaled(27, dpi))
        edges, right = [], 0
        for width in STATUS_PANELS:
            right += scaled(width, dpi)
            edges.append(right)
        self.assertEqual(window.control("StatusBar")["partRights"], edges)

        # The zoom label's text is drawn exactly as Tahoma 8 pt at this DPI draws it.
        label = window.control("ZoomLabel")
        self.assertEqual(ink(session.screenshot(), label["rect"]), drawn_by_probe(session, dpi, label["text"]),
                         f"the ink of {label['text']!r} at {dpi} DPI")

        session.show_picture()
        pointer = (700, 150)
        session.move_pointer(*pointer)
        session.wait_for_view(window, pointer)
        return window

    def test_the_interface_scales_and_the_view_keeps_exact_blocks_at_96_and_144_dpi(self):
        heights = {}
        for dpi in (96, 144):
            with self.subTest(dpi=dpi), Session(f"dpi-{dpi}", dpi=dpi) as session:
                window = self.check_scaled_window(session)
                heights[dpi] = height(window.control_rect("ToolBar1")), height(window.control_rect("StatusBar"))
        # About one and a half times as high at 150 %.
        for at96, at144 in zip(heights[96], heights[144]):
            self.assertAlmostEqual(at144 / at96, 1.5, delta=0.05)

    def test_a_move_to_a_monitor_of_another_scale_lays_the_window_out_again(self):
        with Session("dpi-change") as session:
            session.set_bounds(0, SCREEN_HEIGHT - 400, 640, 400)
            session.wait_for(lambda w: check_layout(w, (640, 400)), what="the layout at 96 DPI")
            suggested = (10, SCREEN_HEIGHT - 600, 960, 600)
            _, output = session.probe("dpichanged", 144, *suggested)
            self.assertEqual(json.loads(output), [10, SCREEN_HEIGHT - 600, 970, SCREEN_HEIGHT])
            session.dpi = 144
            window = session.wait_for(lambda w: check_layout(w, suggested[2:]), what="the layout at 144 DPI")
            self.assertEqual(height(window.control_rect("ToolBar1")), 39)
            label = window.control("ZoomLabel")
            self.assertEqual(ink(session.screenshot(), label["rect"]), drawn_by_probe(session, 144, label["text"]))
            session.show_picture()
            pointer = (900, 100)
            session.move_pointer(*pointer)
            session.wait_for_view(window, pointer)

            session.probe("dpichanged", 96, 10, SCREEN_HEIGHT - 400, 640, 400)
            session.dpi = 96
            window = session.wait_for(lambda w: check_layout(w, (640, 400)), what="the layout back at 96 DPI")
            self.assertEqual(height(window.control_rect("ToolBar1")), 26)
            session.wait_for_view(window, pointer)

    def test_a_first_run_at_144_dpi_is_scaled_and_stored_bounds_come_back_in_physical_pixels(self):
        with Session("dpi-settings", dpi=144) as session:
            window = session.wait_for(lambda w: check_layout(w, (600, 450)), what="the first run's 600 x 450")
            session.close()
            stored = (session.app_dir / "Orvelle.ini").read_bytes().decode()
            left, top = window["window"][:2]
            self.assertIn(f"Left={left}\r\nTop={top}\r\nWidth=600\r\nHeight=450\r\n", stored)

            place = (50, 200, 700, 500)
            stored = stored.replace(f"Left={left}\r\nTop={top}\r\nWidth=600\r\nHeight=450",
                                    "Left={}\r\nTop={}\r\nWidth={}\r\nHeight={}".format(*place))
            (session.app_dir / "Orvelle.ini").write_bytes(stored.encode())
            session.start_program()
            session.wait_for_window()
            window = session.wait_for(lambda w: check_layout(w, place[2:]), what="the stored bounds")
            self.assertEqual(window["window"], [50, 200, 750, 700])
            session.close()
            self.assertEqual((session.app_dir / "Orvelle.ini").read_bytes().decode(), stored)


if __name__ == "__main__":
    unittest.main()
