"""Kiv and Zan started for real under Xvfb: from the start-up window through sign-in to the
frame, and out again, as a child or teacher would."""
import os
import subprocess
import sys
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
        self.wait_sign_in()
        self.desktop.key("Down", "Down", "Return")  # Newcomer has no NEWCOMER.WQ
        box = self.message_box("Words")
        self.desktop.key("Return", window=box)
        self.assertEqual(self.wait_exit(), 1)
        self.assertEqual(self.log_bytes(), b"\0\0")

    def test_first_run_records_the_data_directory_and_exit_logs_the_session(self):
        # DataDir is blank: the first run takes the installation folder as the data directory.
        self.start("kiv")
        frame = self.main_window("Words")
        self.wait_activity()  # it checks its data and starts at the first activation
        self.exit_program(frame)
        self.assertIn(b"   Words        ", self.log_bytes())
        r = subprocess.run([self.wqadmin, "globals", self.folder], capture_output=True, text=True)
        self.assertIn(f'"dataDir": "{self.folder}"', r.stdout)

    def test_reader_opens_its_story_and_exit_logs_the_session(self):
        link_sample_data(self.folder)
        self.start("zan")
        frame = self.main_window("Phrases")
        self.wait_page()  # the reader loads its start story at the first activation
        self.exit_program(frame)
        self.assertIn(b"Phrases", self.log_bytes())

    def test_sign_in_then_exit(self):
        self.admin("globals", self.folder, "set", "userMode=1")
        self.admin("users", self.folder, "add", "Sam")
        link_sample_data(self.folder)
        self.start("zan")
        self.wait_sign_in()
        self.assertIsNone(self.desktop.wait_main_window("Phrases", 0.5))
        self.desktop.key("Down", "Down", "Return")
        frame = self.main_window("Phrases")
        self.wait_page()  # the session has begun: its story is open
        self.exit_program(frame)

    def test_wrong_teacher_password_returns_to_the_names(self):
        self.admin("globals", self.folder, "set", "password=OWL7", "userMode=1")
        self.admin("users", self.folder, "add", "Sam")
        self.start("kiv")
        self.wait_sign_in()
        self.desktop.key("Down", "Return")  # Teacher, the first name
        self.wait_screen(lambda s: s.count(lambda r, g, b: (r, g, b) == (255, 0, 0)) > 20000,
                         what="the password box")
        self.desktop.type("zz")
        self.desktop.key("Return")
        box = self.desktop.wait_window("^Password$", 10)
        self.assertIsNotNone(box, "no Wrong password message")
        self.desktop.key("Return", window=box)
        self.wait_until(lambda: not self.desktop.windows("^Password$"), "the message to go")
        self.wait_sign_in()
        self.assertIsNone(self.proc.poll(), "the program ended with the message")
        self.assertIsNone(self.desktop.wait_main_window("Words", 0.5))
        self.desktop.key("Down", "Return")  # Sam
        frame = self.main_window("Words")
        self.wait_activity()
        self.exit_program(frame)

    def test_first_arrow_key_chooses_the_first_name(self):
        # Each child has a settings file of their own: the teacher's exists, Sam's does not, so
        # signing in as Sam would end in the settings message instead of the main window.
        self.admin("users", self.folder, "add", "Sam")
        self.admin("globals", self.folder, "set", "userMode=3")  # which gives Sam a file
        os.remove(os.path.join(self.folder, "SAM.WQ"))
        self.start("kiv")
        self.wait_sign_in()
        self.desktop.key("Down", "Return")
        frame = self.desktop.wait_main_window("Words")
        self.assertIsNotNone(frame, "Down did not choose the first name, Teacher")
        self.wait_activity()
        self.exit_program(frame)

    def test_escape_at_sign_in_quits(self):
        self.admin("globals", self.folder, "set", "userMode=3")
        self.start("kiv")
        self.wait_sign_in()
        self.desktop.key("Escape")
        self.assertEqual(self.wait_exit(), 0)
        self.assertIsNone(self.desktop.wait_main_window("Words", 0.5))
        self.assertEqual(self.log_bytes(), b"\0\0")


if __name__ == "__main__":
    unittest.main(verbosity=2)
