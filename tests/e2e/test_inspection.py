"""Inspecting single pixels with the real program: the arrow keys walk the pointer, the wheel steps through the
levels, Ctrl+Shift+C copies the pointer pixel's colour as text, and a dragged guide tells its distances."""

import json
import unittest

from harness import SCREEN_HEIGHT, SCREEN_WIDTH, Session, picture_colour, wait_until
from test_guides_export import guide, placed, pointer_seen

POINTER = (960, 200)
LEVELS = [2, 4, 6, 8, 10, 12, 16, 24, 32]


def hex_colour(x, y):
    return "#{:02X}{:02X}{:02X}".format(*picture_colour(x, y))


def pointer_is(session, wanted):
    def check():
        assert session.pointer() == wanted, f"the pointer is at {session.pointer()}"
        return True
    wait_until(check, 10, f"the pointer at {wanted}")


def readout_is(session, x, y):
    """The status bar shows the pointer at (x, y) and the colour of the picture there."""
    def check(w):
        panels = w.panels()
        assert len(panels) == 7, f"{len(panels)} panels"
        assert panels[3:5] == [f"X: {x}", f"Y: {y}"], f"the status bar shows {panels[3:5]}"
        r, g, b = picture_colour(x, y)
        assert panels[:3] == [f"R: {r}", f"G: {g}", f"B: {b}"], f"the status bar shows {panels[:3]}"
        assert panels[6] == hex_colour(x, y), f"the colour panel shows {panels[6]}"
    return session.wait_for(check, what=f"the readout of {(x, y)}")


def zoom_is(session, level):
    def check(w):
        assert w.zoom() == level, f"zoom {w.zoom()}"
        assert w.control("ZoomLabel")["text"] == f"{level} X", w.control("ZoomLabel")["text"]
    return session.wait_for(check, what=f"zoom {level}")


def wheel(session, button, times=1, ctrl=False):
    """Turns the wheel: button 4 away from the user, 5 towards, one notch a click."""
    if ctrl:
        session.x("xdotool", "keydown", "ctrl")
    try:
        session.x("xdotool", "click", "--repeat", str(times), "--delay", "60", str(button))
    finally:
        if ctrl:
            session.x("xdotool", "keyup", "ctrl")


class ArrowKeysTest(unittest.TestCase):

    def test_arrow_keys_move_the_pointer_by_one_pixel_and_shift_by_the_zoom(self):
        with Session("arrows") as session:
            window = placed(session)
            session.show_picture()
            session.move_pointer(*POINTER)
            readout_is(session, *POINTER)
            zoom = window.zoom()

            x, y = POINTER
            for key, dx, dy in (("Right", 1, 0), ("Right", 1, 0), ("Down", 0, 1), ("Left", -1, 0), ("Up", 0, -1),
                                ("shift+Left", -zoom, 0), ("shift+Down", 0, zoom)):
                session.key(key)
                x, y = x + dx, y + dy
                pointer_is(session, (x, y))
                readout_is(session, x, y)
            session.wait_for_view(session.window(), (x, y))

            # Held at the screen's corner.
            session.move_pointer(0, 0)
            readout_is(session, 0, 0)
            session.key("Left", "Up")
            session.key("shift+Right")
            pointer_is(session, (zoom, 0))
            readout_is(session, zoom, 0)
            session.move_pointer(SCREEN_WIDTH - 1, SCREEN_HEIGHT - 1)
            session.key("Right", "Down")
            pointer_is(session, (SCREEN_WIDTH - 1, SCREEN_HEIGHT - 1))
            readout_is(session, SCREEN_WIDTH - 1, SCREEN_HEIGHT - 1)


class WheelTest(unittest.TestCase):

    def test_the_wheel_over_the_view_or_with_ctrl_steps_through_the_levels(self):
        with Session("wheel") as session:
            window = placed(session)
            session.show_picture()
            start = window.zoom()
            index = LEVELS.index(start)
            view = window.control_rect("View")
            session.move_pointer((view[0] + view[2]) // 2, (view[1] + view[3]) // 2)

            wheel(session, 4)
            zoom_is(session, LEVELS[index + 1])
            wheel(session, 5, times=2)
            window = zoom_is(session, LEVELS[index - 1])

            # Over the toolbar the wheel alone leaves the level; with Ctrl it zooms.
            track = window.control_rect("ToolBar2")
            session.move_pointer(track[2] - 5, (track[1] + track[3]) // 2)
            wheel(session, 4)
            wheel(session, 4, ctrl=True)
            zoom_is(session, LEVELS[index])

            # To the last level and no further; the view shows the picture in blocks of it.
            session.move_pointer((view[0] + view[2]) // 2, (view[1] + view[3]) // 2)
            wheel(session, 4, times=len(LEVELS))
            window = zoom_is(session, 32)
            session.move_pointer(*POINTER)
            session.wait_for_view(window, POINTER)


class CopyColourTest(unittest.TestCase):

    def test_ctrl_shift_c_puts_the_pointer_pixels_colour_on_the_clipboard(self):
        with Session("copy-colour") as session:
            placed(session)
            session.show_picture()
            for pointer in (POINTER, (1201, 37)):
                session.move_pointer(*pointer)
                readout_is(session, *pointer)
                session.key("ctrl+shift+c")

                def copied():
                    code, text = session.probe("clipboardtext", check=False)
                    assert code == 0 and text == hex_colour(*pointer), f"the clipboard holds {text!r}"
                    return True
                wait_until(copied, 10, f"{hex_colour(*pointer)} on the clipboard")


# A translation written to the published table of texts, before the guides' tooltip had texts of its own: the
# tooltip's labels come in English all the same, not empty.
PUBLISHED_TABLE_LANGUAGE = "000.:Alt:.000\r\n001.:Datei:.001\r\n204.:Kurzanleitung:.204\r\n"


class GuideTipTest(unittest.TestCase):

    def test_a_dragged_guide_tells_its_distance_to_the_other_and_to_the_edge(self):
        files = {"Languages/Alt.lng": b"\xff\xfe" + PUBLISHED_TABLE_LANGUAGE.encode("utf-16-le")}
        with Session("guide-tip", settings="[Options]\r\nLanguage=ALT\r\n", files=files) as session:
            window = placed(session)
            zoom = window.zoom()
            view = window.control_rect("View")
            handle = guide(window, "imgIconV2")
            grab = (handle[0] + 14, handle[1] + 12)
            session.move_pointer(*grab)
            pointer_seen(session, *grab)
            distance = 5 * zoom
            session.x("xdotool", "mousedown", "1")
            try:
                session.move_pointer(grab[0] + distance, grab[1] - 30)
                pointer_seen(session, grab[0] + distance, grab[1] - 30)
                window = session.window()
                line_v1, line_v2 = guide(window, "imgGuideV1"), guide(window, "imgGuideV2")
                moved = line_v2[0] - line_v1[0]
                centre = (line_v2[0] + line_v2[2]) / 2 - view[0]
                expected = [f"Distance: {fmt(moved / zoom)} px", f"From left edge: {fmt(centre / zoom)} px"]

                def shown():
                    texts = [tip["caption"].split("\r\n") for tip in shown_tips(session)]
                    assert expected in texts, f"tooltips shown: {texts}, expected {expected}"
                    return True
                wait_until(shown, 10, "the guide's tooltip")
            finally:
                session.x("xdotool", "mouseup", "1")

            def hidden():
                captions = [tip["caption"] for tip in shown_tips(session)]
                assert not any(c.startswith("Distance") for c in captions), captions
                return True
            wait_until(hidden, 10, "the guide's tooltip gone after the release")


def shown_tips(session):
    """The tooltip windows on the screen now; a tooltip's caption is the text it shows."""
    _, out = session.probe("windows")
    return [w for w in json.loads(out) if w["class"].lower() == "tooltips_class32" and w["visible"]]


def fmt(value):
    """One decimal unless whole, as the tooltip writes screen pixels."""
    return f"{value:.0f}" if value == int(value) else f"{value:.1f}"


if __name__ == "__main__":
    unittest.main()
