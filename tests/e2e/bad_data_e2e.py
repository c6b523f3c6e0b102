"""Kiv and Zan started for real on broken data folders: a folder where a file belongs, link loops,
a settings file that is a folder. Each must bring up the recovery dialog or its error message at
once, stay small, and go on or end when told to; none may hang."""
import os
import subprocess
import sys
import unittest

sys.path.insert(0, os.path.dirname(__file__))
from desktop import Desktop, ProgramTest, add_word_data, main_title, remove  # noqa: E402

BUILD = os.environ.get("KZ_BUILD_DIR", os.path.join(os.path.dirname(__file__), "../../build"))

# A program waiting in a dialog holds its window, its pictures and its fonts: far less than this.
MAX_RSS_KB = 300 * 1024


def rss_kb(pid):
    with open(f"/proc/{pid}/status") as f:
        for line in f:
            if line.startswith("VmRSS:"):
                return int(line.split()[1])
    return 0


class BadDataTest(ProgramTest):
    build = BUILD

    @classmethod
    def setUpClass(cls):
        # A display of its own: the first free one, as Xvfb tells it.
        cls.desktop = Desktop(640, 480).__enter__()

    def start(self, program):
        self.proc = self.desktop.start(os.path.join(self.folder, program))
        return self.proc

    def program_windows(self):
        r = subprocess.run(["xdotool", "search", "--onlyvisible", "--pid", str(self.proc.pid)],
                           env=self.desktop.env, capture_output=True, text=True)
        return r.stdout.split()

    def frame_and_startup(self, caption):
        """Waits for the program's frame (the window of its caption as wide as the screen);
        returns it with the windows seen before it came: the start-up window, which may stay up
        a while. The program's later windows are its dialogs."""
        early = set()

        def frame():
            windows = self.program_windows()
            frames = [w for w in windows
                      if self.desktop.width_of(w) >= 0.9 * self.desktop.width and
                      w in self.desktop.windows(main_title(caption))]
            if not frames:
                early.update(windows)
            return frames

        found = self.desktop.wait_for(frame, 15)
        self.assertTrue(found, f"no main window {caption}")
        return found[0], early | {found[0]}

    def dialogs(self, shown):
        """The program's visible windows other than those in shown."""
        return [w for w in self.program_windows() if w not in shown]

    def test_zan_story_folder_linked_in_a_loop_brings_up_the_recovery_dialog(self):
        remove(os.path.join(self.folder, "DATA"))
        os.symlink("STORIES", os.path.join(self.folder, "DATA"))
        os.symlink("DATA", os.path.join(self.folder, "STORIES"))
        self.start("zan")
        frame, shown = self.frame_and_startup("Phrases")
        # The recovery dialog is 7200 twips wide on the 9600 of the screen: narrower than the
        # start-up window, which may still be up, and far wider than a message box.
        width = self.desktop.width
        dialog = self.desktop.wait_for(
            lambda: [w for w in self.dialogs(shown)
                     if abs(self.desktop.width_of(w) - 0.75 * width) < 0.05 * width], 15)
        self.assertTrue(dialog, "zan: no recovery dialog")
        self.assertLess(rss_kb(self.proc.pid), MAX_RSS_KB)
        self.desktop.key("alt+q", window=dialog[0])
        self.assertEqual(self.wait_exit(), 0)

    def expect_list_message_then_chooser(self):
        """Kiv says it cannot load the start word list, offers the lists there are, and goes
        on when none is chosen, to end normally."""
        self.start("kiv")
        frame, shown = self.frame_and_startup("Words")
        box = self.desktop.wait_for(lambda: self.dialogs(shown), 15)
        self.assertTrue(box, "kiv: no message")
        self.assertLess(rss_kb(self.proc.pid), MAX_RSS_KB)
        self.desktop.key("Return", window=box[0])
        chooser = self.desktop.wait_window("^Choose a wordlist$", 10)
        self.assertIsNotNone(chooser, "kiv: no word list chooser")
        self.desktop.key("Escape", window=chooser)
        self.assertTrue(self.desktop.wait_for(lambda: not self.dialogs(shown), 10))
        self.menu("alt+f", "x", window=frame)
        self.assertEqual(self.wait_exit(), 0)

    def test_kiv_word_list_that_is_a_folder_is_reported(self):
        add_word_data(self.folder)
        path = os.path.join(self.folder, "WORDLIST", "0001TO24.TXT")
        os.remove(path)
        os.makedirs(os.path.join(path, "inside"))
        self.expect_list_message_then_chooser()

    def test_kiv_word_list_folder_linked_to_itself_is_reported(self):
        add_word_data(self.folder)
        remove(os.path.join(self.folder, "WORDLIST"))
        os.symlink("WORDLIST", os.path.join(self.folder, "WORDLIST"))
        self.expect_list_message_then_chooser()

    def test_a_settings_file_that_is_a_folder_is_the_settings_error(self):
        for program, caption in (("kiv", "^Words$"), ("zan", "^Phrases$")):
            with self.subTest(program=program):
                settings = os.path.join(self.folder, "GLOBSET.WQ")
                if os.path.isfile(settings):
                    os.remove(settings)
                    os.makedirs(os.path.join(settings, "inside"))
                self.start(program)
                box = self.desktop.wait_window(caption)
                self.assertIsNotNone(box, f"{program}: no message box")
                self.assertLess(rss_kb(self.proc.pid), MAX_RSS_KB)
                self.desktop.key("Return", window=box)
                self.assertEqual(self.wait_exit(), 1)
                self.assertEqual(self.log_bytes(), b"\0\0")


if __name__ == "__main__":
    unittest.main(verbosity=2)
