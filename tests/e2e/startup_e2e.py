"""Kiv and Zan started for real under Xvfb: from the start-up window through sign-in to the
frame, and out again, as a child or teacher would."""
import os
import subprocess
import sys
import time
import unittest

sys.path.insert(0, os.path.dirname(__file__))
from desktop import ProgramTest, add_word_data, remove  # noqa: E402

BUILD = os.environ.get("KZ_BUILD_DIR", os.path.join(os.path.dirname(__file__), "../../build"))


def link_sample_data(folder):
    """The staged sample library as the installation's data, in place of the word activity's
    stand-in: the reader needs a story to start."""
    stage = os.path.join(BUILD, "stage")
    for part in ("DATA", "BMPS", "WAVS", "WORDLIST"):
        remove(os.path.join(folder, part))  # the word activity's small stand-in data
        os.symlink(os.path.join(stage, part), os.path.join(folder, part))


class StartupTest(ProgramTest):
    build = BUILD

    def setUp(self):
        super().setUp()
        add_word_data(self.folder)  # Kiv's activity starts as soon as its frame is up

    def admin(self, *args):
        subprocess.run([self.wqadmin, *args], check=True, capture_output=True)

    def start(self, program="kiv"):
        self.proc = self.desktop.start(os.path.join(self.folder, program))
        return self.proc

    def program_windows(self):
        r = subprocess.run(["xdotool", "search", "--onlyvisible", "--pid", str(self.proc.pid)],
                           env=self.desktop.env, capture_output=True, text=True)
        return r.stdout.split()

    def test_fatal_error_before_any_window_ends_cleanly(self):
        open(os.path.join(self.folder, "GLOBSET.WQ"), "wb").close()
        self.start("kiv")
        box = self.desktop.wait_window("^Words$")
        self.assertIsNotNone(box, "no message box")
        self.desktop.key("Return", window=box)
        self.assertEqual(self.wait_exit(), 1)
        self.assertEqual(self.log_bytes(), b"\0\0")

    def test_child_without_own_settings_meets_the_settings_message(self):
        self.admin("globals", self.folder, "set", "userMode=3")
        with open(os.path.join(self.folder, "USERS.WQ"), "ab") as f:
            f.write(b"Newcomer        ")
        with open(os.path.join(self.folder, "USERS.WQ"), "r+b") as f:
            f.write(b"2               ")
        self.start("kiv")
        self.assertIsNotNone(self.desktop.wait_for(self.program_windows, 15))
        time.sleep(1.5)
        self.desktop.key("Down", "Down", "Return")  # Newcomer has no NEWCOMER.WQ
        time.sleep(1.0)  # the sign-in closes; the message carries the program's caption too
        box = self.desktop.wait_for(lambda: self.desktop.windows("^Words$"), 10)
        self.assertIsNotNone(box, "no message box")
        self.desktop.key("Return", window=box[0])
        self.assertEqual(self.wait_exit(), 1)
        self.assertEqual(self.log_bytes(), b"\0\0")

    def test_first_run_records_the_data_directory_and_exit_logs_the_session(self):
        # DataDir is blank: the first run takes the installation folder as the data directory.
        self.start("kiv")
        frame = self.desktop.wait_main_window("Words")
        self.assertIsNotNone(frame, "kiv: no main window")
        time.sleep(1.5)  # the activity checks its data and starts at the first activation
        self.desktop.key("alt+f", window=frame)
        time.sleep(0.3)
        self.desktop.key("x")
        self.assertEqual(self.wait_exit(), 0)
        self.assertIn(b"   Words        ", self.log_bytes())
        r = subprocess.run([self.wqadmin, "globals", self.folder], capture_output=True, text=True)
        self.assertIn(f'"dataDir": "{self.folder}"', r.stdout)

    def test_reader_opens_its_story_and_exit_logs_the_session(self):
        link_sample_data(self.folder)
        self.start("zan")
        frame = self.desktop.wait_main_window("Phrases")
        self.assertIsNotNone(frame, "zan: no main window")
        time.sleep(1.5)  # the reader loads its start story at the first activation
        self.desktop.key("alt+f", window=frame)
        time.sleep(0.3)
        self.desktop.key("x")
        self.assertEqual(self.wait_exit(), 0)
        self.assertIn(b"Phrases", self.log_bytes())

    def test_sign_in_then_exit(self):
        self.admin("globals", self.folder, "set", "userMode=1")
        self.admin("users", self.folder, "add", "Sam")
        link_sample_data(self.folder)
        self.start("zan")
        self.assertIsNotNone(self.desktop.wait_for(self.program_windows, 15), "no sign-in window")
        time.sleep(1.5)
        self.assertIsNone(self.desktop.wait_main_window("Phrases", 0.5))
        self.desktop.key("Down", "Down", "Return")
        frame = self.desktop.wait_main_window("Phrases")
        self.assertIsNotNone(frame, "no main window after sign-in")
        self.desktop.key("alt+f", window=frame)
        time.sleep(0.3)
        self.desktop.key("x")
        self.assertEqual(self.wait_exit(), 0)

    def test_wrong_teacher_password_returns_to_the_names(self):
        self.admin("globals", self.folder, "set", "password=OWL7", "userMode=1")
        self.admin("users", self.folder, "add", "Sam")
        self.start("kiv")
        self.assertIsNotNone(self.desktop.wait_for(self.program_windows, 15), "no sign-in window")
        time.sleep(1.5)
        self.desktop.key("Down", "Return")  # Teacher, the first name
        time.sleep(1.0)
        self.desktop.type("zz")
        self.desktop.key("Return")
        box = self.desktop.wait_window("^Password$", 10)
        self.assertIsNotNone(box, "no Wrong password message")
        self.desktop.key("Return", window=box)
        time.sleep(1.5)
        self.assertIsNone(self.proc.poll(), "the program ended with the message")
        self.assertTrue(self.program_windows(), "the sign-in is gone")
        self.assertIsNone(self.desktop.wait_main_window("Words", 0.5))
        self.desktop.key("Down", "Return")  # Sam
        frame = self.desktop.wait_main_window("Words")
        self.assertIsNotNone(frame, "no main window after signing in")
        self.desktop.key("alt+f", window=frame)
        time.sleep(0.3)
        self.desktop.key("x")
        self.assertEqual(self.wait_exit(), 0)

    def test_first_arrow_key_chooses_the_first_name(self):
        # Each child has a settings file of their own: the teacher's exists, Sam's does not, so
        # signing in as Sam would end in the settings message instead of the main window.
        self.admin("users", self.folder, "add", "Sam")  # before mode 3, which would copy one
        self.admin("globals", self.folder, "set", "userMode=3")
        self.assertFalse(os.path.exists(os.path.join(self.folder, "SAM.WQ")))
        self.start("kiv")
        self.assertIsNotNone(self.desktop.wait_for(self.program_windows, 15), "no sign-in window")
        time.sleep(1.5)
        self.desktop.key("Down", "Return")
        frame = self.desktop.wait_main_window("Words")
        self.assertIsNotNone(frame, "Down did not choose the first name, Teacher")
        self.desktop.key("alt+f", window=frame)
        time.sleep(0.3)
        self.desktop.key("x")
        self.assertEqual(self.wait_exit(), 0)

    def test_escape_at_sign_in_quits(self):
        self.admin("globals", self.folder, "set", "userMode=3")
        self.start("kiv")
        self.assertIsNotNone(self.desktop.wait_for(self.program_windows, 15))
        time.sleep(1.5)
        self.desktop.key("Escape")
        self.assertEqual(self.wait_exit(), 0)
        self.assertIsNone(self.desktop.wait_main_window("Words", 0.5))
        self.assertEqual(self.log_bytes(), b"\0\0")


if __name__ == "__main__":
    unittest.main(verbosity=2)
