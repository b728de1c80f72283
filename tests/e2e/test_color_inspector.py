"""The colour inspector with the real program: a format chosen in the menu is what Ctrl+Shift+C copies, a sample
square copies the mean of its pixels, a pinned colour gives the contrast report, a way of seeing changes the view
and not the colour read, and the colours copied last come back after a restart.

One display and one Wine prefix serve the whole class; every test starts a fresh program with its own settings."""

import unittest

from harness import ids, picture_colour
from shared_session import SharedSessionTest
from test_settings import restart, settings_path, wait_for_exit

POINTER = (960, 200)
OTHER = (1201, 37)


def hex_text(rgb):
    return "#{:02X}{:02X}{:02X}".format(*rgb)


def mean_colour(x, y, size):
    """The mean of each channel over the size x size square around (x, y), rounded to nearest, halves up."""
    half = size // 2
    pixels = [picture_colour(px, py) for px in range(x - half, x + half + 1) for py in range(y - half, y + half + 1)]
    return tuple((2 * sum(p[i] for p in pixels) + len(pixels)) // (2 * len(pixels)) for i in range(3))


def linear(value):
    c = value / 255
    return c / 12.92 if c <= 0.04045 else ((c + 0.055) / 1.055) ** 2.4


def wcag_ratio(a, b):
    def luminance(rgb):
        r, g, b_ = (linear(v) for v in rgb)
        return 0.2126 * r + 0.7152 * g + 0.0722 * b_
    high, low = sorted((luminance(a), luminance(b)), reverse=True)
    return (high + 0.05) / (low + 0.05)


def apca_lc(text, background):
    """APCA-W3 0.0.98G-4g, as its published reference code computes it."""
    def screen_y(rgb):
        r, g, b = ((v / 255) ** 2.4 for v in rgb)
        y = 0.2126729 * r + 0.7151522 * g + 0.0721750 * b
        return y if y > 0.022 else y + (0.022 - y) ** 1.414
    txt, bg = screen_y(text), screen_y(background)
    if abs(bg - txt) < 0.0005:
        return 0.0
    if bg > txt:
        s = (bg ** 0.56 - txt ** 0.57) * 1.14
        return 0.0 if s < 0.1 else (s - 0.027) * 100
    s = (bg ** 0.65 - txt ** 0.62) * 1.14
    return 0.0 if s > -0.1 else (s + 0.027) * 100


def contrast_report(text, background):
    ratio = int(wcag_ratio(text, background) * 100 + 1e-9) / 100
    verdict = lambda threshold: "pass" if ratio >= threshold else "fail"  # noqa: E731
    lc = apca_lc(text, background)
    lines = [f"Text: {hex_text(text)}", f"Background: {hex_text(background)}", f"Contrast: {ratio:.2f}:1",
             f"AA normal text: {verdict(4.5)}", f"AA large text: {verdict(3)}", f"AAA normal text: {verdict(7)}",
             f"AAA large text: {verdict(4.5)}", f"APCA Lc: {0.0 if abs(lc) < 0.05 else lc:.1f}"]
    return "".join(line + "\r\n" for line in lines)


def inverted(row):
    return bytes(255 - value for value in row)


class ColorInspectorTest(SharedSessionTest):
    session_name = "color-inspector"

    def colour_panel_is(self, expected):
        return self.session.wait_for(lambda w: self.assertEqual(w.panels()[6], expected),
                                     what=f"the colour panel showing {expected}")

    def test_a_format_chosen_in_the_menu_is_what_ctrl_shift_c_copies(self):
        session = self.session
        self.fresh_program("ColorTemplate=Color.FromArgb({r}, {g}, {b})\r\n")
        session.move_pointer(*POINTER)
        r, g, b = picture_colour(*POINTER)
        self.colour_panel_is(hex_text((r, g, b)))

        for item, text in (("menuFormatRgb", f"rgb({r}, {g}, {b})"),
                           ("menuFormatTemplate", f"Color.FromArgb({r}, {g}, {b})")):
            session.command(item)
            self.colour_panel_is(text)
            session.key("ctrl+shift+c")
            self.clipboard_is(text)

    def test_a_three_by_three_sample_copies_the_mean_of_its_pixels(self):
        session = self.session
        self.fresh_program()
        session.command("menuSample3")
        session.move_pointer(*OTHER)
        mean = mean_colour(*OTHER, 3)
        self.assertNotEqual(mean, picture_colour(*OTHER), "the square's mean must differ from its centre")
        window = self.colour_panel_is(hex_text(mean))
        self.assertEqual(window.panels()[:3], [f"R: {mean[0]}", f"G: {mean[1]}", f"B: {mean[2]}"])
        session.key("ctrl+shift+c")
        self.clipboard_is(hex_text(mean))

    def test_pin_move_and_ctrl_shift_k_copies_the_contrast_of_the_two_pixels(self):
        session = self.session
        self.fresh_program()
        session.move_pointer(*POINTER)
        pinned = picture_colour(*POINTER)
        self.colour_panel_is(hex_text(pinned))
        session.key("ctrl+k")
        session.move_pointer(*OTHER)
        background = picture_colour(*OTHER)
        ratio = int(wcag_ratio(pinned, background) * 100 + 1e-9) / 100

        def contrast_shown(window):
            panels = window.panels()
            self.assertEqual(len(panels), 8)
            self.assertEqual(panels[6], hex_text(background))
            self.assertTrue(panels[7].startswith(f"{ratio:.2f}:1"), panels[7])
        session.wait_for(contrast_shown, what="the contrast panel")
        session.key("ctrl+shift+k")
        self.clipboard_is(contrast_report(pinned, background))

    def test_a_way_of_seeing_changes_the_view_and_not_the_colour_read(self):
        session = self.session
        window = self.fresh_program()
        session.move_pointer(*POINTER)
        session.wait_for_view(window, POINTER)
        session.command("menuVisionInverted")
        session.wait_for_view(window, POINTER, seen=inverted)
        self.colour_panel_is(hex_text(picture_colour(*POINTER)))
        session.key("ctrl+shift+c")
        self.clipboard_is(hex_text(picture_colour(*POINTER)))

    def test_the_colours_copied_last_come_back_after_a_restart(self):
        session = self.session
        self.fresh_program()
        for pointer in (POINTER, OTHER):
            session.move_pointer(*pointer)
            self.colour_panel_is(hex_text(picture_colour(*pointer)))
            session.key("ctrl+shift+c")
            self.clipboard_is(hex_text(picture_colour(*pointer)))
        session.command("menuExit")
        self.assertEqual(wait_for_exit(session), 0)
        written = settings_path(session).read_bytes().decode()
        self.assertIn(f"[Colors]\r\nRecent1={hex_text(picture_colour(*OTHER))}\r\n"
                      f"Recent2={hex_text(picture_colour(*POINTER))}\r\n", written)

        restart(session)
        session.command("menuFormatRgb")
        # The older of the two (the second item, which has no name of its own), in the format chosen now.
        session.probe("command", ids().command("menuRecentColor0") + 1)
        self.clipboard_is("rgb({}, {}, {})".format(*picture_colour(*POINTER)))


if __name__ == "__main__":
    unittest.main()
