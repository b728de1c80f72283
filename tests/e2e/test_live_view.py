"""The live magnifier window: caption, exact block enlargement of the screen around the pointer, clamping at the
screen's edges, re-fitting on resize, and the status bar's colour and position readout."""

import re
import unittest

from harness import SCREEN_HEIGHT, SCREEN_WIDTH, Session, picture_colour
from layout_support import check_layout

# A window that leaves most of the screen free for the picture; the tests keep the captured patch off it.
WIDTH, HEIGHT = 700, 320
MIN_WIDTH, MIN_HEIGHT = 320, 300


class LiveViewTest(unittest.TestCase):

    def test_window_appears_with_caption_and_controls_and_closes(self):
        with Session("caption") as session:
            window = session.wait_for(check_layout, what="the first layout")
            self.assertEqual(window["caption"], "Orvelle 3.28")
            self.assertEqual(window["class"], "OrvelleMain")
            self.assertTrue(window["layered"], "the main window is a layered window")
            self.assertFalse(window["topmost"])
            for name in ("ToolBar1", "ToolBar2", "ZoomTrack", "ZoomLabel", "GridColor", "Panel", "View",
                         "StatusBar"):
                self.assertTrue(window.control(name)["visible"], f"{name} is visible")
            track = window.control("ZoomTrack")
            self.assertEqual((track["min"], track["max"]), (2, 32))
            self.assertEqual(window.control("ZoomLabel")["text"], f"{track['pos']} X")
            self.assertEqual(window.control("GridColor")["count"], 16)
            status = window.control("StatusBar")
            self.assertEqual(status["partRights"][:5], [44, 88, 132, 183, 234])
            self.assertIn(status["partRights"][5], (296, -1))

            self.assertEqual(session.close(), 0)

    def test_view_shows_the_picture_in_exact_blocks_at_two_zoom_levels(self):
        with Session("two-zooms") as session:
            session.set_bounds(0, SCREEN_HEIGHT - HEIGHT, WIDTH, HEIGHT)
            window = session.wait_for(lambda w: check_layout(w, (WIDTH, HEIGHT)), what="the window at the bottom")
            session.show_picture()
            first_zoom = window.zoom()
            for pointer in ((901, 200), (1040, 333)):
                session.move_pointer(*pointer)
                session.wait_for_view(window, pointer)

            second_zoom, command = (16, "menu16X") if first_zoom == 4 else (4, "menu4X")
            session.command(command)

            def zoomed(w):
                assert w.zoom() == second_zoom, f"zoom is {w.zoom()}"
                assert w.control("ZoomLabel")["text"] == f"{second_zoom} X", w.control("ZoomLabel")["text"]
                check_layout(w, (WIDTH, HEIGHT))
            window = session.wait_for(zoomed, what=f"zoom {second_zoom}")
            session.wait_for_view(window, (1040, 333))

    def test_view_is_clamped_at_the_screen_corners(self):
        with Session("corners") as session:
            corners = (
                ((SCREEN_WIDTH - WIDTH, SCREEN_HEIGHT - HEIGHT), [(0, 0), (3, 2)]),
                ((0, 0), [(SCREEN_WIDTH - 1, SCREEN_HEIGHT - 1), (SCREEN_WIDTH - 4, SCREEN_HEIGHT - 3)]),
            )
            for index, (place, pointers) in enumerate(corners):
                session.set_bounds(*place, WIDTH, HEIGHT)
                window = session.wait_for(lambda w: check_layout(w, (WIDTH, HEIGHT)), what=f"the window at {place}")
                if index == 0:
                    session.show_picture()
                for pointer in pointers:
                    session.move_pointer(*pointer)
                    session.wait_for_view(window, pointer)

    def test_resizing_refits_the_view_to_whole_blocks(self):
        with Session("resize") as session:
            zoom = session.window().zoom()
            # Around the thresholds of the toolbar rows and the logo, one column of blocks below and at a multiple
            # of the zoom, and below the smallest size the window allows.
            below_multiple = 20 + (500 // zoom) * zoom - 1
            sizes = [
                ((400, 300), (400, 300)), ((378, 311), (378, 311)), ((379, 311), (379, 311)),
                ((592, 333), (592, 333)), ((593, 333), (593, 333)), ((690, 357), (690, 357)),
                ((691, 357), (691, 357)), ((below_multiple, 300 + zoom), (below_multiple, 300 + zoom)),
                ((below_multiple + 1, 301 + zoom), (below_multiple + 1, 301 + zoom)),
                ((1003, 517), (1003, 517)), ((200, 100), (MIN_WIDTH, MIN_HEIGHT)),
            ]
            for asked, expected in sizes:
                session.set_bounds(0, 0, *asked)
                window = session.wait_for(lambda w: check_layout(w, expected),
                                          what=f"the layout of a window asked to be {asked[0]} x {asked[1]}")

            session.set_bounds(0, 0, 1003, 517)
            window = session.wait_for(lambda w: check_layout(w, (1003, 517)), what="the layout at 1003 x 517")
            session.show_picture()
            pointer = (1100, 650)
            session.move_pointer(*pointer)
            session.wait_for_view(window, pointer)

    def test_hiding_the_bars_refits_the_view(self):
        with Session("bars") as session:
            session.set_bounds(0, SCREEN_HEIGHT - 400, 640, 400)
            session.wait_for(lambda w: check_layout(w, (640, 400)), what="the first layout")
            session.command("menuStatusbar")
            session.wait_for(lambda w: check_layout(w, (640, 400), statusbar=False), what="the status bar hidden")
            session.command("menuToolbar")
            window = session.wait_for(lambda w: check_layout(w, (640, 400), toolbar=False, statusbar=False),
                                      what="the toolbars hidden")
            session.show_picture()
            pointer = (900, 100)
            session.move_pointer(*pointer)
            session.wait_for_view(window, pointer)
            session.command("menuStatusbar")
            session.command("menuToolbar")
            session.wait_for(lambda w: check_layout(w, (640, 400)), what="both bars shown again")

    def test_status_bar_shows_the_pointer_pixel_and_position(self):
        with Session("status") as session:
            session.set_bounds(300, SCREEN_HEIGHT - HEIGHT, WIDTH, HEIGHT)
            session.wait_for(lambda w: check_layout(w, (WIDTH, HEIGHT)), what="the window at the bottom")
            session.show_picture()
            for x, y in ((777, 123), (0, 0), (SCREEN_WIDTH - 1, 0), (5, SCREEN_HEIGHT - 1), (298, 431)):
                session.move_pointer(x, y)
                r, g, b = picture_colour(x, y)
                wanted = [f"R: {r}", f"G: {g}", f"B: {b}", f"X: {x}", f"Y: {y}"]

                def reports(w):
                    assert w.panels()[:5] == wanted, f"panels {w.panels()}, expected {wanted}"
                window = session.wait_for(reports, what=f"the readout of pixel ({x}, {y})")
                panels = window.control("StatusBar")["panels"]
                self.assertTrue(all(text.startswith("\t") for text in panels), f"centred panels: {panels}")
                self.assertRegex(window.panels()[5], re.compile(r"^f: (\d{1,3}(,\d{3})*\.\d|----) Hz$"))


if __name__ == "__main__":
    unittest.main()
