"""A test class whose tests share one display and one Wine prefix, each test with a fresh program of its own."""

import unittest

from harness import Session, wait_until
from test_guides_export import placed
from test_settings import restart, settings_path, wait_for_exit

QUIET = "[Options]\r\nStartupCheck=0\r\n"  # no version check at start


class SharedSessionTest(unittest.TestCase):
    session_name = "shared"

    @classmethod
    def setUpClass(cls):
        cls.session = Session(cls.session_name, settings=QUIET)
        try:
            cls.session.start()
            cls.session.show_picture()
        except BaseException:
            cls.session.stop()
            raise

    @classmethod
    def tearDownClass(cls):
        cls.session.stop()

    def fresh_program(self, settings=""):
        """Ends the program the last test left and starts a new one with these settings, in its place."""
        session = self.session
        if session.program_running():
            session.command("menuExit")
            wait_for_exit(session)
        settings_path(session).write_text(QUIET + settings)
        restart(session)
        return placed(session)

    def clipboard_is(self, expected):
        def copied():
            code, text = self.session.probe("clipboardtext", check=False)
            assert code == 0 and text == expected, f"the clipboard holds {text!r}, not {expected!r}"
            return True
        wait_until(copied, 10, f"{expected!r} on the clipboard")
