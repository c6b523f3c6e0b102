"""Kiv's word activity started for real under Xvfb: the start-up data check, a question answered
with the keyboard, and the session it leaves in the log."""
import os
import sys
import unittest

sys.path.insert(0, os.path.dirname(__file__))
from desktop import ProgramTest, add_word_data, cyan, yellow  # noqa: E402

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
        frame = self.main_window("Words")
        dialog = self.wait_recovery_dialog(frame)  # the activity's data check asks for the data
        self.desktop.key("alt+q", window=dialog)
        self.assertEqual(self.wait_exit(), 0)
        self.assertIn(b"Words", self.log())

    def test_a_word_is_answered_with_the_keys_and_the_session_logged(self):
        add_word_data(self.folder)
        # One word written four times: its only choice is label 1.
        write(self.folder, "WORDLIST/0001TO24.TXT", b"*WORDLIST*\r\ncat\r\ncat\r\ncat\r\ncat\r\n")
        self.proc = self.desktop.start(os.path.join(self.folder, "kiv"))
        frame = self.main_window("Words")
        self.wait_screen(lambda s: s.count(cyan) > 1000, what="the choice")
        # The frog's row, above the yellow panel, changes when the frog jumps. Until the
        # question is open a key is dropped: press again until it does.
        left, top, right, _ = self.desktop.grab().bounds(yellow)
        row = (left, top - 40, right, top - 2)

        def frog():
            return list(self.desktop.grab().pixels(row))

        sitting = frog()
        self.wait_until(lambda: self.desktop.key("1", window=frame) or self.desktop.wait_for(
            lambda: frog() != sitting, 1.0), "the frog's jump")
        self.exit_program(frame)
        self.assertIn(b"Words", self.log())


if __name__ == "__main__":
    unittest.main(verbosity=2)
