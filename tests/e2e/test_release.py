"""The release archive as a user gets it: unpacked into a fresh Wine prefix, the program started from there in
German magnifies exactly and writes its settings file beside itself."""

import re
import unittest
import zipfile

from harness import REPO, Session, copy_prefix, template_prefix
from test_languages_web import hint_of, shipped_text

VERSION = re.search(r"project\(Orvelle VERSION ([\d.]+)", (REPO / "CMakeLists.txt").read_text()).group(1)
ARCHIVE = REPO / "build" / "packages" / f"Orvelle-{VERSION}-win64.zip"
EXPECTED = {"Orvelle.exe", "Orvelle.chm", "ReadMe.txt", "License.txt"} | {
    f"Languages/{name}.{kind}" for name in ("Deutsch", "Espanol", "Francais") for kind in ("lng", "bmp")}
WIDTH, HEIGHT = 700, 420
PLACE = (0, 300)
POINTER = (960, 200)


class UnpackedSession(Session):
    """A session whose program folder is the archive unpacked inside the prefix, and nothing else."""

    def __init__(self, archive, settings):
        super().__init__("release")
        self.archive = archive
        self.initial_settings = settings

    def start(self):
        self.start_display()
        copy_prefix(template_prefix(self.dpi), self.prefix)
        self.app_dir = self.prefix / "drive_c" / "Tools" / "Orvelle"
        self.app_dir.mkdir(parents=True)
        with zipfile.ZipFile(self.archive) as archive:
            archive.extractall(self.app_dir)
        (self.app_dir / "Orvelle.ini").write_bytes(self.initial_settings)
        self.start_program()
        self.wait_for_window()


class ReleaseArchiveTest(unittest.TestCase):

    def test_the_unpacked_program_runs_in_german_magnifies_exactly_and_keeps_its_settings_beside_itself(self):
        self.assertTrue(ARCHIVE.is_file(), f"{ARCHIVE} is missing: scripts/package.sh makes it")
        with zipfile.ZipFile(ARCHIVE) as archive:
            names = {name for name in archive.namelist() if not name.endswith("/")}
            self.assertEqual(names, EXPECTED)
            readme = archive.read("ReadMe.txt")
            for line in readme.split(b"\n")[:-1]:
                self.assertTrue(line.endswith(b"\r"), f"ReadMe.txt line without CR LF: {line!r}")
            for words in (b"Ctrl+Shift+C", b"Orvelle.ini", b"Languages", b"Arrow keys"):
                self.assertIn(words, readme)

        settings = (f"[Options]\r\nLanguage=DEUTSCH\r\n[Window]\r\nLeft={PLACE[0]}\r\nTop={PLACE[1]}\r\n"
                    f"Width={WIDTH}\r\nHeight={HEIGHT}\r\n").encode()
        with UnpackedSession(ARCHIVE, settings) as session:
            self.assertEqual(session.program.args[1], str(session.app_dir / "Orvelle.exe"))
            self.assertEqual(hint_of(session, "ToolBar1", "tbPrecise"), shipped_text("Deutsch", 60))
            session.show_picture()
            session.move_pointer(*POINTER)
            window = session.window()
            session.wait_for_view(window, POINTER)
            session.command("menu16X")
            window = session.wait_for(lambda w: self.assertEqual(w.zoom(), 16), what="zoom 16")
            session.wait_for_view(window, POINTER)

            ini = session.app_dir / "Orvelle.ini"
            ini.unlink()
            self.assertEqual(session.close(), 0)
            written = ini.read_bytes()
            self.assertIn(b"\r\nLanguage=DEUTSCH\r\n", written)
            self.assertRegex(written, rb"\r\nLevel=16\r\n")
            self.assertEqual(sorted(p.name for p in session.app_dir.iterdir()),
                             sorted(["Languages", "License.txt", "Orvelle.chm", "Orvelle.exe", "Orvelle.ini",
                                     "ReadMe.txt"]))


if __name__ == "__main__":
    unittest.main()
