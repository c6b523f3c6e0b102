"""The desk's Progress page beside a child's session, in real windows under Xvfb: the desk open
on a copy of the sample class, Kiv started from that class, a child signed in and out again, and
the page shows the new session without being opened again.

Run: python3 desk_progress_e2e.py"""
import os
import subprocess
import sys
import unittest

sys.path.insert(0, os.path.dirname(__file__))
from desktop import SessionTest  # noqa: E402
from sessions_e2e import sign_in_keys  # noqa: E402

BUILD = os.path.abspath(os.environ.get("KZ_BUILD_DIR",
                                       os.path.join(os.path.dirname(__file__), "../../build")))
KIV_GREEN = (0x3F, 0x9B, 0x2F)  # the chart's colour of Kiv's bars and of its key


class DeskProgressTest(SessionTest):
    build = BUILD
    size = (1280, 1024)

    def desk_green(self, screen, window):
        x, y, w, h = self.desktop.geometry(window)
        return screen.count(lambda r, g, b: (r, g, b) == KIV_GREEN, (x, y, x + w, y + h))

    def test_the_page_shows_a_session_as_kiv_logs_it(self):
        desk = self.desktop.start(os.path.join(self.build, "src", "desk", "desk"), self.folder,
                                  output=os.path.join(self.output, f"{self.name()}-desk.txt"))
        self.runs.append((desk, _NoAudio()))
        window = self.desktop.wait_window("^Teacher's Desk - ", 20)
        self.assertIsNotNone(window, "no desk window")
        self.desktop.activate(window)
        self.desktop.key("alt+p", window=window)
        # The key of the chart is drawn once the page shows: its green square, no bar yet.
        before = self.wait_screen(lambda s: self.desk_green(s, window), 20,
                                  what="the Progress page's chart")
        self.shot("before")

        self.start("kiv")
        self.wait_sign_in()
        self.desktop.key(*sign_in_keys("Ben"))
        frame = self.main_window("Words")
        self.wait_activity()
        self.exit_program(frame)

        # The session, written to the log by Kiv, becomes Ben's green bar in the desk.
        self.desktop.activate(window)
        self.wait_screen(lambda s: self.desk_green(s, window) > before, 30,
                         what="the new session's bar")
        self.assertIsNone(desk.poll(), "the desk ended")
        # The page at two window sizes (the window is not maximised: it is sized as asked).
        for width, height in ((800, 600), (1280, 1024)):
            left, right, top, bottom = self.desktop.frame_extents(window)
            subprocess.run(["xdotool", "windowsize", window, str(width - left - right),
                            str(height - top - bottom), "windowmove", window, "0", "0"],
                           env=self.desktop.env, check=True)
            self.wait_screen(lambda s: self.desktop.outer_geometry(window)[2:] == (width, height)
                             and self.desk_green(s, window) > before, 15,
                             what=f"the page at {width}x{height}")
            self.shot(f"{width}x{height}")


class _NoAudio:
    def stop(self):
        pass


if __name__ == "__main__":
    unittest.main(argv=[sys.argv[0], "-v"])
