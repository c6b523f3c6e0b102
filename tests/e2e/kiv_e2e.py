"""Kiv's word activity started for real under Xvfb: the start-up data check, a question answered
with the keyboard, and the session it leaves in the log."""
import os
import sys
import time
import unittest

sys.path.insert(0, os.path.dirname(__file__))
from desktop import ProgramTest, add_word_data  # noqa: E402

BUILD = os.environ.get("KZ_BUILD_DIR", os.path.join(os.path.dirname(__file__), "../../build"))


def write(folder, name, data):
    path = os.path.join(folder, *name.split("/"))
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "wb") as f:
        f.write(data)


class KivTest(ProgramTest):
    build = BUILD
    programs = ("kiv",)

    def log(self):
        return self.log_bytes()

    def test_missing_data_asks_for_it_and_the_session_counts_from_there(self):
        self.proc = self.desktop.start(os.path.join(self.folder, "kiv"))
        self.assertIsNotNone(self.desktop.wait_main_window("Words"), "no main window")
        time.sleep(2)  # the activity's data check brings up the recovery dialog
        self.desktop.key("alt+q")
        self.assertEqual(self.wait_exit(), 0)
        self.assertIn(b"Words", self.log())

    def test_a_word_is_answered_with_the_keys_and_the_session_logged(self):
        add_word_data(self.folder)
        # One word written four times: its only choice is label 1.
        write(self.folder, "WORDLIST/0001TO24.TXT", b"*WORDLIST*\r\ncat\r\ncat\r\ncat\r\ncat\r\n")
        self.proc = self.desktop.start(os.path.join(self.folder, "kiv"))
        frame = self.desktop.wait_main_window("Words")
        self.assertIsNotNone(frame, "no main window")
        time.sleep(2)
        self.desktop.key("1", window=frame)
        time.sleep(2.5)  # the jump and the pause, then the next word
        self.desktop.key("alt+f", window=frame)
        time.sleep(0.3)
        self.desktop.key("x")
        self.assertEqual(self.wait_exit(), 0)
        self.assertIn(b"Words", self.log())


if __name__ == "__main__":
    unittest.main(verbosity=2)
