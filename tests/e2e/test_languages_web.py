"""Languages, help and web links in the real program: the shipped language files change what the window says, F1
starts the help viewer with the help file beside the program, and web links reach the system's browser."""

import json
import re
import time
import unittest

from harness import REPO, Session, ids, wait_until
from test_online_about import opened, with_browser_stand_in

LANGUAGE_SOURCES = REPO / "languages"


def shipped_text(language, number):
    """A text of a shipped language file, from its source, with the line breaks the shipped file has."""
    source = (LANGUAGE_SOURCES / f"{language}.txt").read_text(encoding="utf-8")
    tag = f"{number:03d}"
    start = source.index(f"{tag}.:") + 5
    return source[start:source.index(f":.{tag}")].replace("\n", "\r\n")


ENGLISH_PRECISE_HINT = "Precise Magnification"
ENGLISH_SAVE_TITLE = "Save Image as..."


def visible_windows(session):
    _, output = session.probe("windows")
    return json.loads(output)


def hint_of(session, toolbar, button):
    """Rests the pointer on a toolbar button, as a user does, and reads the tooltip that appears. A toolbar shows
    tips only while its window is active, as a user's window is when they point at it."""
    window = session.window()
    xid = session.x("xdotool", "search", "--name", f"^{re.escape(window['caption'])}$").split()[0].decode()
    session.x("xdotool", "windowfocus", "--sync", xid)
    bar = window.control(toolbar)
    wanted = ids().tool_button(button)
    rect = next(b["rect"] for b in bar["buttons"] if b["id"] == wanted)
    # Away first, so that the tooltip of an earlier visit is gone and a new one is asked for.
    session.move_pointer(bar["rect"][0] + 400, bar["rect"][3] + 200)
    wait_until(lambda: not tooltips(session), 10, "the old tooltip to go")
    x, y = bar["rect"][0] + (rect[0] + rect[2]) // 2, bar["rect"][1] + (rect[1] + rect[3]) // 2
    moved = {"at": 0.0, "count": 0}

    def shown():
        # A resting hand still moves now and then; after each small move the tooltip waits for the pointer to
        # rest again before it shows.
        if time.monotonic() - moved["at"] > 2:
            moved["count"] += 1
            session.move_pointer(x + moved["count"] % 2, y)
            moved["at"] = time.monotonic()
        return tooltips(session)
    return wait_until(shown, 15, f"the tooltip of {button}")[0]["caption"]


def tooltips(session):
    return [w for w in visible_windows(session) if w["class"].lower() == "tooltips_class32" and w["caption"]]


def save_dialog_title(session):
    """Opens the save dialog with its shortcut, reads its title and cancels it."""
    main = session.window()["hwnd"]
    session.key("ctrl+a")
    dialog = wait_until(lambda: [w for w in visible_windows(session) if w["class"] == "#32770"], 15, "the save dialog")
    title = dialog[0]["caption"]
    xid = session.x("xdotool", "search", "--name", f"^{re.escape(title)}$").split()[0].decode()
    session.x("xdotool", "windowfocus", "--sync", xid)
    session.x("xdotool", "key", "--window", xid, "Escape")
    wait_until(lambda: not [w for w in visible_windows(session) if w["class"] == "#32770"], 15, "the dialog to close")
    assert session.window()["hwnd"] == main
    return title


class Languages(unittest.TestCase):
    def test_the_window_starts_in_the_stored_language_and_switches_to_each_language_and_back(self):
        with Session("languages", settings="[Options]\r\nLanguage=DEUTSCH\r\n") as session:
            german_hint = shipped_text("Deutsch", 60)
            self.assertEqual(hint_of(session, "ToolBar1", "tbPrecise"), german_hint)
            self.assertEqual(hint_of(session, "ToolBar2", "tbRastered"),
                             shipped_text("Deutsch", 23) + "\r\n(" + shipped_text("Deutsch", 63) + ")")
            self.assertEqual(save_dialog_title(session), shipped_text("Deutsch", 4))

            session.probe("command", ids().command("menuEN"))
            self.assertEqual(hint_of(session, "ToolBar1", "tbPrecise"), ENGLISH_PRECISE_HINT)
            self.assertEqual(save_dialog_title(session), ENGLISH_SAVE_TITLE)

            # The folder lists the files in an order of its own: each item gives one of the three languages.
            expected = {shipped_text(name, 60): name for name in ("Deutsch", "Francais", "Espanol")}
            found = {}
            for index in range(3):
                session.probe("command", ids().language_item(index))
                found[index] = expected.get(hint_of(session, "ToolBar1", "tbPrecise"))
            self.assertEqual(sorted(found.values()), ["Deutsch", "Espanol", "Francais"])

            german = next(index for index, name in found.items() if name == "Deutsch")
            session.probe("command", ids().language_item(german))
            self.assertEqual(hint_of(session, "ToolBar1", "tbPrecise"), german_hint)
            session.close()
            self.assertIn(b"\r\nLanguage=DEUTSCH\r\n", (session.app_dir / "Orvelle.ini").read_bytes())


class HelpAndWebLinks(unittest.TestCase):
    def test_f1_starts_the_help_viewer_with_the_help_file_beside_the_program(self):
        with Session("help") as session:
            self.assertTrue((session.app_dir / "Orvelle.chm").stat().st_size > 0)
            session.key("F1")
            # The viewer's window takes its title from the help file.
            viewer = wait_until(lambda: [w for w in visible_windows(session) if w["caption"] == "Orvelle Help"], 30,
                                "the help viewer's window")
            self.assertNotEqual(viewer[0]["pid"], session.window()["pid"])

    def test_the_logo_and_the_web_link_items_hand_their_addresses_to_the_browser(self):
        session = Session("weblinks", settings="[Web]\r\nProductHost=127.0.0.1:9\r\nMakerHost=maker.test\r\n")
        record = with_browser_stand_in(session)
        with session:
            logo = session.window().control("Logo")["rect"]
            session.move_pointer((logo[0] + logo[2]) // 2, (logo[1] + logo[3]) // 2)
            session.x("xdotool", "click", "1")
            self.assertEqual(opened(record, 1), ["http://127.0.0.1:9/"])
            session.command("MenuVantrel")
            self.assertEqual(opened(record, 2)[1], "http://maker.test/")
            session.command("menuMore")
            self.assertEqual(opened(record, 3)[2], "http://127.0.0.1:9/download-languages.htm")


if __name__ == "__main__":
    unittest.main()
