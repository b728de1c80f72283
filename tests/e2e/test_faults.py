"""Faults from outside, met by the real program: version servers that misbehave in every way, the clipboard held
by another program, and settings files as Notepad or a careless hand leaves them. The program keeps running, says
what the user must know, and loses nothing."""

import socket
import subprocess
import threading
import time
import unittest

from harness import SCREEN_HEIGHT, SCREEN_WIDTH, Session, probe_path, run_dir, wait_until
from test_guides_export import POINTER, placed, pointer_seen, read_bmp
from test_online_about import ENGLISH, press, wait_for_dialog
from test_settings import box_text, message_boxes, press_enter, settings_path, wait_for_exit

# The check's time-outs are set short in the [Web] section, so that the test need not wait out the usual 5 s a step
# and 20 s in all: what the check may take at most is its deadline and one step more, with room for the dialog.
STEP_TIMEOUT_MS, DEADLINE_MS = 1500, 4000
CHECK_BOUND = (DEADLINE_MS + STEP_TIMEOUT_MS) / 1000 + 6


class FaultyServer:
    """A web server on the loopback address that answers the version check in the way `mode` says."""

    def __init__(self):
        self.mode = "silent"
        self.requests = 0
        self.stopped = threading.Event()
        self.listener = socket.socket()
        self.listener.setsockopt(socket.SOL_SOCKET, socket.SO_REUSEADDR, 1)
        self.listener.bind(("127.0.0.1", 0))
        self.listener.listen(16)
        self.port = self.listener.getsockname()[1]
        threading.Thread(target=self.accept, daemon=True).start()

    def host(self):
        return f"127.0.0.1:{self.port}"

    def accept(self):
        while not self.stopped.is_set():
            try:
                connection, _ = self.listener.accept()
            except OSError:
                return
            threading.Thread(target=self.answer, args=(connection,), daemon=True).start()

    def answer(self, connection):
        try:
            request = b""
            while b"\r\n\r\n" not in request:
                chunk = connection.recv(4096)
                if not chunk:
                    return
                request += chunk
            self.requests += 1
            path = request.split(b" ")[1].decode()
            mode = self.mode
            if mode == "silent":
                self.stopped.wait(120)
            elif mode == "trickle":
                connection.sendall(b"HTTP/1.1 200 OK\r\nContent-Length: 100000\r\n\r\n")
                while not self.stopped.wait(1):
                    connection.sendall(b"3")
            elif mode == "huge":
                connection.sendall(b"HTTP/1.1 200 OK\r\nContent-Length: 1000000000\r\n\r\n")
                block = b"3" * 65536
                for _ in range(1000000000 // len(block)):
                    connection.sendall(block)
            elif mode == "halfway":
                # A newer version, cut off before the length announced.
                connection.sendall(b"HTTP/1.1 200 OK\r\nContent-Length: 100\r\n\r\n3.29")
            elif mode in ("404", "500"):
                body = b"<html>No</html>"
                connection.sendall(f"HTTP/1.1 {mode} Oops\r\nContent-Length: {len(body)}\r\n\r\n".encode() + body)
            elif mode == "moved":
                # Moved twice, by a path and by a whole address, to the current version.
                if path == "/lastver/zelt.txt":
                    connection.sendall(b"HTTP/1.1 301 Moved\r\nLocation: /elsewhere\r\nContent-Length: 0\r\n\r\n")
                elif path == "/elsewhere":
                    connection.sendall(f"HTTP/1.1 307 Moved\r\nLocation: http://{self.host()}/here\r\n"
                                       "Content-Length: 0\r\n\r\n".encode())
                else:
                    connection.sendall(b"HTTP/1.1 200 OK\r\nContent-Length: 4\r\n\r\n3.28")
            elif mode == "redirect-loop":
                connection.sendall(f"HTTP/1.1 302 Found\r\nLocation: http://{self.host()}{path}\r\n"
                                   "Content-Length: 0\r\n\r\n".encode())
        except OSError:
            pass  # the program gave up on the reply: that is what is tested
        finally:
            connection.close()

    def stop(self):
        self.stopped.set()
        self.listener.close()


class VersionServerFaultsTest(unittest.TestCase):

    def test_every_faulty_reply_fails_the_check_in_bounded_time_and_the_item_comes_back(self):
        server = FaultyServer()
        try:
            settings = (f"[Web]\r\nProductHost={server.host()}\r\nCheckStepTimeout={STEP_TIMEOUT_MS}\r\n"
                        f"CheckDeadline={DEADLINE_MS}\r\n[Options]\r\nStartupCheck=0\r\n")
            with Session("faults-version", settings=settings) as session:
                for mode in ["silent", "trickle", "huge", "halfway", "404", "500", "redirect-loop"]:
                    with self.subTest(mode=mode):
                        server.mode = mode
                        before = server.requests
                        started = time.monotonic()
                        # The command is taken only while the item is enabled: that it reaches the server again
                        # shows that the item came back after the last check.
                        session.command("menuCheckNow")
                        wait_until(lambda: server.requests > before, 15, f"the check's request ({mode})")
                        dialog, message, buttons = wait_for_dialog(session, timeout=CHECK_BOUND)
                        self.assertLess(time.monotonic() - started, CHECK_BOUND)
                        self.assertEqual((message, buttons), ([ENGLISH[162]], ["OK"]))
                        press(session, dialog, ["Return"])
                        self.assertTrue(session.program_running())
                        if mode == "redirect-loop":
                            self.assertEqual(server.requests - before, 6, "the first request and five redirects")
                # A file that has moved is followed to its place.
                server.mode = "moved"
                before = server.requests
                session.command("menuCheckNow")
                dialog, message, buttons = wait_for_dialog(session, timeout=CHECK_BOUND)
                self.assertEqual((message, buttons), ([ENGLISH[161]], ["OK"]))
                self.assertEqual(server.requests - before, 3)
                press(session, dialog, ["Return"])
                # A check still waiting on a slow server does not hold up the exit.
                server.mode = "trickle"
                before = server.requests
                session.command("menuCheckNow")
                wait_until(lambda: server.requests > before, 15, "the last check's request")
                session.probe("close")
                self.assertEqual(wait_for_exit(session, timeout=10), 0)
        finally:
            server.stop()


class ClipboardFaultTest(unittest.TestCase):

    def test_a_copy_while_another_program_holds_the_clipboard_is_reported_and_works_afterwards(self):
        with Session("faults-clipboard") as session:
            placed(session)
            session.show_picture()
            session.move_pointer(*POINTER)
            session.wait_for_view(session.window(), POINTER)
            ready = session.root / "clipboard-held"
            holder = subprocess.Popen(["wine", str(probe_path()), "holdclipboard", "6000", f"Z:{ready}"],
                                      env=session.env(), stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL,
                                      stderr=subprocess.DEVNULL)
            try:
                wait_until(ready.exists, 30, "the other program to hold the clipboard")
                session.key("ctrl+c")
                boxes = wait_until(lambda: message_boxes(session, "Orvelle") or None, 15, "the error message")
                self.assertTrue(box_text(session, boxes[0]).strip(), "the message box says nothing")
                # The view goes on behind the message.
                moved = (POINTER[0] + 23, POINTER[1] + 9)
                session.move_pointer(*moved)
                pointer_seen(session, *moved)
                press_enter(session, "Orvelle")
                wait_until(lambda: not message_boxes(session, "Orvelle"), 10, "the message box to close")
            finally:
                holder.wait(timeout=60)
            session.key("ctrl+c")
            target = run_dir() / f"{session.name}-clipboard.bmp"

            def copied():
                target.unlink(missing_ok=True)
                session.probe("clipboard", f"Z:{target}", check=False)
                return read_bmp(target) if target.exists() else None
            width, height, _ = wait_until(copied, 15, "a bitmap on the clipboard once it is free")
            view = session.window().control_rect("View")
            self.assertEqual((width, height), (view[2] - view[0], view[3] - view[1]))
            self.assertTrue(session.program_running())


class SettingsFaultsTest(unittest.TestCase):

    def test_a_unicode_file_from_notepad_is_read_and_written_back_in_utf16(self):
        text = ("; Meine Einstellungen \u00e4\u00f6\u00fc\r\n[Magnification]\r\nLevel=16\r\n"
                "[Options]\r\nLanguage=DEUTSCH\r\n[Window]\r\nLeft=100\r\nTop=120\r\nWidth=600\r\nHeight=400\r\n")
        with Session("faults-utf16", settings=b"\xff\xfe" + text.encode("utf-16-le")) as session:
            window = session.wait_for(lambda w: self.assertEqual(w["window"], [100, 120, 700, 520]),
                                      what="the stored bounds")
            self.assertEqual(window.zoom(), 16)
            session.command("menuExit")
            self.assertEqual(wait_for_exit(session), 0)
            stored = settings_path(session).read_bytes()
            self.assertEqual(stored[:2], b"\xff\xfe", "the file stays UTF-16")
            written = stored[2:].decode("utf-16-le")
            self.assertTrue(written.startswith("; Meine Einstellungen \u00e4\u00f6\u00fc\r\n[Magnification]\r\n"))
            self.assertIn("\r\nLevel=16\r\n", written)
            self.assertIn("\r\nLanguage=DEUTSCH\r\n", written)
            self.assertEqual(written.count("[Magnification]"), 1, "no second, narrow copy of the sections")

    def test_huge_stored_bounds_leave_the_window_on_the_screen(self):
        stored = "[Window]\r\nLeft=40000\r\nTop=40000\r\nWidth=40000\r\nHeight=40000\r\n"
        with Session("faults-bounds", settings=stored) as session:
            def on_screen(w):
                left, top, right, bottom = w["window"]
                self.assertLessEqual(right, SCREEN_WIDTH)
                self.assertLessEqual(bottom, SCREEN_HEIGHT)
                client = w["client"]
                self.assertGreaterEqual(client[0], -16, f"client area {client}")
                self.assertGreaterEqual(client[1], -80, f"client area {client}")
            session.wait_for(on_screen, what="the window on the screen")
            self.assertTrue(session.program_running())


if __name__ == "__main__":
    unittest.main()
