"""The online version check against a small web server on the loopback address, the ruler program started through
the registry, and the about window of a first run: each through the real program, its dialogs and its shell."""

import http.server
import json
import os
import re
import stat
import subprocess
import threading
import unittest

from harness import Session, wait_until

ENGLISH = {
    64: "A compatible version of Tessaly was not found\r\non your computer.\r\n\r\n"
        "Would you like to download it from the Internet?",
    158: "There is a new version of Orvelle\r\navailable online.\r\n\r\nWould you like to download it from the Internet?",
    161: "You are currently using the latest\r\nversion of Orvelle.",
    162: "Application version checking was not successful.\r\n\r\nPlease check your Internet connection and try again.",
}


class VersionServer:
    """Serves the version file, or another reply, and counts the requests it has seen."""

    def __init__(self, body=b"3.28", status=200, silent=False):
        self.body, self.status, self.silent = body, status, silent
        self.requests = 0
        self.release = threading.Event()
        server = self

        class Handler(http.server.BaseHTTPRequestHandler):
            def do_GET(self):
                server.requests += 1
                if server.silent:
                    server.release.wait(120)  # never answers while the test runs
                    return
                self.send_response(server.status)
                self.send_header("Content-Length", str(len(server.body)))
                self.end_headers()
                self.wfile.write(server.body)

            def log_message(self, *args):
                pass

        self.httpd = http.server.ThreadingHTTPServer(("127.0.0.1", 0), Handler)
        self.httpd.daemon_threads = True
        self.port = self.httpd.server_address[1]
        threading.Thread(target=self.httpd.serve_forever, daemon=True).start()

    def host(self):
        return f"127.0.0.1:{self.port}"

    def stop(self):
        self.release.set()
        self.httpd.shutdown()
        self.httpd.server_close()


def with_browser_stand_in(session):
    """A stand-in browser, earlier on the path than any other, records the addresses it is asked to open."""
    bin_dir = session.root / "bin"
    bin_dir.mkdir()
    record = session.root / "opened.txt"
    stand_in = bin_dir / "xdg-open"
    stand_in.write_text(f'#!/bin/sh\nprintf "%s\\n" "$1" >> "{record}"\n')
    stand_in.chmod(stand_in.stat().st_mode | stat.S_IEXEC)
    session.extra_env["PATH"] = f"{bin_dir}{os.pathsep}{os.environ['PATH']}"
    return record


def answer_dialogs(session):
    _, output = session.probe("windows")
    return [w for w in json.loads(output) if w["class"] == "OrvelleAnswer"]


def wait_for_dialog(session, timeout=30):
    """The program's own message dialog: its title, its message and its buttons' captions."""
    dialog = wait_until(lambda: answer_dialogs(session), timeout, "the program's message dialog")[0]
    _, output = session.probe("children", dialog["hwnd"])
    children = json.loads(output)
    message = [c["text"] for c in children if c["class"] == "Static"]
    buttons = [c["text"] for c in children if c["class"] == "Button"]
    return dialog, message, buttons


def press(session, dialog, keys):
    xid = session.x("xdotool", "search", "--name", f"^{re.escape(dialog['caption'])}$").split()[0].decode()
    session.x("xdotool", "windowfocus", "--sync", xid)
    session.x("xdotool", "key", "--window", xid, *keys)
    wait_until(lambda: not answer_dialogs(session), 15, "the dialog to close")


def opened(record, count):
    def check():
        lines = record.read_text().splitlines() if record.exists() else []
        return lines if len(lines) >= count else None
    return wait_until(check, 30, f"{count} addresses handed to the browser")


class OnlineCheckTest(unittest.TestCase):
    def test_a_newer_version_at_start_up_is_offered_and_yes_opens_the_download_page(self):
        server = VersionServer(b"3.29\r\n")
        try:
            session = Session("check-newer", settings=f"[Web]\r\nProductHost={server.host()}\r\n")
            record = with_browser_stand_in(session)
            with session:
                dialog, message, buttons = wait_for_dialog(session)
                self.assertEqual(dialog["caption"], " Orvelle")
                self.assertTrue(dialog["topmost"])
                self.assertEqual(message, [ENGLISH[158]])
                self.assertEqual(buttons, ["Yes", "No"])
                press(session, dialog, ["Return"])  # the first button has the focus
                self.assertEqual(opened(record, 1), [f"http://{server.host()}/download.htm"])
        finally:
            server.stop()

    def test_check_now_reports_the_same_version_as_up_to_date(self):
        server = VersionServer(b"3.28")
        try:
            settings = f"[Web]\r\nProductHost={server.host()}\r\n[Options]\r\nStartupCheck=0\r\n"
            with Session("check-same", settings=settings) as session:
                session.command("menuCheckNow")
                dialog, message, buttons = wait_for_dialog(session)
                self.assertEqual((message, buttons), ([ENGLISH[161]], ["OK"]))
                press(session, dialog, ["Escape"])
                self.assertEqual(server.requests, 1)
        finally:
            server.stop()

    def test_a_failed_check_is_silent_at_start_up_and_reported_from_the_menu(self):
        server = VersionServer(b"<html>Not here</html>", status=500)
        try:
            with Session("check-failed", settings=f"[Web]\r\nProductHost={server.host()}\r\n") as session:
                wait_until(lambda: server.requests >= 1, 30, "the start-up check's request")
                # "Check now" is taken only once the start-up check has been evaluated, silently: a message
                # then would hold the item disabled and no second request would come.
                def asked_again():
                    if server.requests < 2:
                        session.command("menuCheckNow")
                    return server.requests >= 2
                wait_until(asked_again, 30, "the menu's check to reach the server", interval=0.3)
                dialog, message, buttons = wait_for_dialog(session)
                self.assertEqual((message, buttons), ([ENGLISH[162]], ["OK"]))
                press(session, dialog, ["Return"])

                server.stop()  # nothing listens any more
                session.command("menuCheckNow")
                dialog, message, buttons = wait_for_dialog(session)
                self.assertEqual((message, buttons), ([ENGLISH[162]], ["OK"]))
                press(session, dialog, ["Return"])
        finally:
            server.stop()

    def test_a_server_that_never_answers_delays_neither_the_window_nor_the_exit(self):
        server = VersionServer(silent=True)
        try:
            with Session("check-silent", settings=f"[Web]\r\nProductHost={server.host()}\r\n") as session:
                wait_until(lambda: server.requests >= 1, 30, "the start-up check's request")
                self.assertTrue(session.window()["visible"])
                session.probe("close")
                wait_until(lambda: session.program.poll() is not None, 10, "the program to end while its check waits")
                self.assertEqual(session.program.returncode, 0)
        finally:
            server.stop()


class RulerTest(unittest.TestCase):
    def test_ctrl_r_asks_without_the_registry_value_and_starts_the_recorded_program(self):
        session = Session("ruler", settings="[Options]\r\nStartupCheck=0\r\n")
        record = with_browser_stand_in(session)
        with session:
            session.key("ctrl+r")
            dialog, message, buttons = wait_for_dialog(session)
            self.assertEqual((message, buttons), ([ENGLISH[64]], ["Yes", "No"]))
            press(session, dialog, ["Return"])
            self.assertEqual(opened(record, 1), ["http://www.orvelle.example/download.htm"])

            # A ruler installed by a 32-bit installer is recorded in the registry's 32-bit view only; a stand-in
            # ruler notes the folder it was started in.
            tools = stand_in_ruler(session, "Tools32")
            register_ruler_and_press_ctrl_r(session, tools, "/reg:32")
            started = wait_until(lambda: (tools / "started.txt").exists() and (tools / "started.txt").read_text(),
                                 30, "the ruler program to run")
            # Started in its own folder, as Windows names it for the Unix path.
            self.assertEqual(started.strip().lower(), ("z:" + str(tools).replace("/", "\\")).lower())
            self.assertFalse(answer_dialogs(session))

            # A path in the program's own view comes first.
            own = stand_in_ruler(session, "Tools64")
            register_ruler_and_press_ctrl_r(session, own, "/reg:64")
            wait_until(lambda: (own / "started.txt").exists(), 30, "the ruler of the program's own view to run")
            self.assertEqual((tools / "started.txt").read_text(), started, "the other view's ruler ran again")


def stand_in_ruler(session, folder):
    """A folder with a ruler program that writes the folder it was started in to started.txt."""
    tools = session.root / folder
    tools.mkdir()
    (tools / "ruler.bat").write_text("@echo off\r\ncd > started.txt\r\n")
    return tools


def register_ruler_and_press_ctrl_r(session, tools, view):
    """Records the stand-in ruler in that registry view, starts the program again (it reads the path at start-up)
    and presses Ctrl+R."""
    ruler = f"Z:{str(tools / 'ruler.bat').replace('/', chr(92))}"
    subprocess_run(session, ["wine", "reg", "add", r"HKLM\Software\Vantrel\Tessaly", "/v", "Path", "/t", "REG_SZ",
                             "/d", ruler, "/f", view])
    session.close()
    session.start_program()
    session.wait_for_window()
    session.key("ctrl+r")


def subprocess_run(session, command):
    result = subprocess.run(command, env=session.env(), capture_output=True, timeout=60, stdin=subprocess.DEVNULL)
    if result.returncode != 0:
        raise AssertionError(f"{command} failed: {result.stderr.decode(errors='replace')}")


def focused_button(session, about):
    """The caption of the about window's button that has the keyboard focus, or None."""
    _, output = session.probe("windows")
    focus = next(w["focus"] for w in json.loads(output) if w["hwnd"] == about["hwnd"])
    _, output = session.probe("children", about["hwnd"])
    return next((c["text"] for c in json.loads(output) if c["hwnd"] == focus and c["class"] == "Button"), None)


def help_viewers(session):
    _, output = session.probe("windows")
    return [w for w in json.loads(output) if w["caption"] == "Orvelle Help"]


def about_keys(session, about, *keys):
    xid = session.x("xdotool", "search", "--name", f"^{re.escape(about['caption'])}$").split()[0].decode()
    session.x("xdotool", "windowfocus", "--sync", xid)
    session.x("xdotool", "key", "--window", xid, *keys)


def about_is_open(session):
    _, output = session.probe("windows")
    return any(w["class"] == "OrvelleAbout" for w in json.loads(output))


class AboutTest(unittest.TestCase):
    def test_help_has_the_focus_enter_presses_the_focused_button_esc_does_nothing_and_alt_f4_closes(self):
        with Session("about-keys", settings="[Options]\r\nStartupCheck=0\r\n") as session:
            session.command("menuAbout")
            about = session.about_window()
            wait_until(lambda: focused_button(session, about) == "Help", 10, "the focus on Help")
            # Esc is no key of this window: once the Tab after it has moved the focus, the window is still open.
            about_keys(session, about, "Escape", "Tab")
            wait_until(lambda: focused_button(session, about) == "OK", 10, "the focus on OK")
            self.assertTrue(about_is_open(session))
            about_keys(session, about, "Return")
            wait_until(lambda: not about_is_open(session), 10, "OK to close the window")
            self.assertTrue(session.window()["visible"])

            # Enter right away presses Help: the help viewer opens and the window closes.
            session.command("menuAbout")
            about = session.about_window()
            wait_until(lambda: focused_button(session, about) == "Help", 10, "the focus on Help")
            about_keys(session, about, "Return")
            wait_until(lambda: not about_is_open(session), 10, "Help to close the window")
            wait_until(lambda: help_viewers(session), 30, "the help viewer")
            self.assertEqual(len(help_viewers(session)), 1, "OK or Esc opened help too")

            session.command("menuAbout")
            session.close_about_window()  # Alt+F4
            self.assertTrue(session.window()["visible"])

    def test_a_first_run_shows_the_about_window_before_the_main_window(self):
        with Session("first-run", first_run=True) as session:
            self.assertTrue(session.about_before_main)
            self.assertTrue(session.window()["visible"])
            session.command("menuAbout")
            about = session.about_window()
            self.assertEqual(about["caption"], " About...")
            _, output = session.probe("children", about["hwnd"])
            texts = [c["text"] for c in json.loads(output)]
            for text in ("Orvelle", "Version: 3.28", "OK", "Help"):
                self.assertIn(text, texts)
            session.close_about_window()
            session.command("menuExit")
            wait_until(lambda: session.program.poll() is not None, 15, "the program to end")
            self.assertTrue((session.app_dir / "Orvelle.ini").is_file())


if __name__ == "__main__":
    unittest.main()
