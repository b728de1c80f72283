"""Settings of a copy of the program in a folder that takes no new file, as "C:\\Program Files" is for a user who
is not an administrator: a writable settings file there is rewritten in place, and without one the settings live
in the user's profile, read at start and written at exit."""

import os
import subprocess
import unittest

from harness import Session, ids, wait_until
from test_guides_export import read_only_folder
from test_settings import folder_names, message_boxes, restart, settings_file, settings_path, wait_for_exit


def grid_button_down(window):
    wanted = ids().tool_button("tbGrid")
    return next(b["checked"] for b in window.control("ToolBar2")["buttons"] if b["id"] == wanted)


def profile_settings(session):
    """Orvelle.ini in the user's roaming application data of the session's Wine prefix, or None."""
    found = list((session.prefix / "drive_c" / "users").glob("*/AppData/Roaming/Orvelle/Orvelle.ini"))
    return found[0] if found else None


def make_writable(folder, writable):
    if os.geteuid() == 0:
        subprocess.run(["chattr", "-i" if writable else "+i", str(folder)], check=True, capture_output=True)
    else:
        folder.chmod(0o755 if writable else 0o555)


class UnwritableProgramFolderTest(unittest.TestCase):
    def test_settings_survive_a_program_folder_that_takes_no_new_file(self):
        stored = settings_file(magnification=[("Level", 12)], options=[("StartupCheck", 0)],
                               window=[("Left", 100), ("Top", 100)])
        with Session("settings-unwritable-folder", settings=stored) as session, \
                read_only_folder(session.app_dir):
            # A writable file in a folder that takes no temporary file beside it: rewritten where it stands.
            session.wait_for(lambda w: self.assertEqual(w.zoom(), 12), what="the stored zoom")
            session.key("ctrl+g")
            session.wait_for(lambda w: self.assertTrue(grid_button_down(w)), what="the grid on")
            session.probe("close")
            self.assertEqual(wait_for_exit(session), 0)
            self.assertEqual(message_boxes(session, "Orvelle"), [])
            self.assertIn(b"\r\nShowGrid=1\r\n", settings_path(session).read_bytes())
            self.assertEqual(folder_names(session), ["Orvelle.exe", "Orvelle.ini"])
            self.assertIsNone(profile_settings(session))

            # No settings file beside the program, and none can be made there: a first run, whose settings go to
            # the user's profile at exit.
            make_writable(session.app_dir, True)
            settings_path(session).unlink()
            make_writable(session.app_dir, False)
            session.start_program()
            session.close_about_window(first=True)
            self.assertTrue(session.about_before_main)
            window = session.wait_for_window()
            self.assertEqual(window.zoom(), 8, "a first run's level")
            session.key("ctrl+g")
            session.wait_for(lambda w: self.assertTrue(grid_button_down(w)), what="the grid on")
            session.probe("close")
            self.assertEqual(wait_for_exit(session), 0)
            self.assertEqual(message_boxes(session, "Orvelle"), [])
            self.assertEqual(folder_names(session), ["Orvelle.exe"])
            in_profile = profile_settings(session)
            self.assertIsNotNone(in_profile, "the settings in %APPDATA%\\Orvelle")
            self.assertIn(b"\r\nShowGrid=1\r\n", in_profile.read_bytes())

            # The next start reads them from there: no about window, the grid on.
            window = restart(session)
            self.assertTrue(grid_button_down(window))
            self.assertEqual(session.probe("windows")[1].count('"OrvelleAbout"'), 0)
            session.key("ctrl+g")
            session.wait_for(lambda w: self.assertFalse(grid_button_down(w)), what="the grid off")
            session.probe("close")
            self.assertEqual(wait_for_exit(session), 0)
            wait_until(lambda: b"\r\nShowGrid=0\r\n" in in_profile.read_bytes(), 5, "the profile's file rewritten")


if __name__ == "__main__":
    unittest.main()
