"""A teacher's own story, made in one command from a text file and three pictures on a fresh copy
of the sample installation, then read by a child in Zan's real window: chosen in the chooser by
its title, read to its end by clicking every word in order, and every page and word recording
heard in the sound the program played.

Run: python3 teacher_story_e2e.py"""
import os
import struct
import subprocess
import sys
import unittest
import zlib

sys.path.insert(0, os.path.dirname(__file__))
from desktop import heard  # noqa: E402
import sessions_e2e  # noqa: E402  (the module, so that its tests are not run again here)
from sessions_e2e import Sessions, WordList  # noqa: E402

STORY = """Our Walk
by Class 2
Pictures by Mia

[gate.png]
We go out of the gate / and down the lane.

[dog.png]
Here is Rex the dog.
He is big and brown.

[home.png]
Now we go home / for tea.
"""
# Colours the window itself never shows (no cyan of the word list, no red of its flash).
PICTURES = {"gate.png": ((70, 140, 60), 400, 300), "dog.png": ((150, 100, 40), 300, 300),
            "home.png": ((110, 80, 160), 500, 250)}


def write_png(path, rgb, width, height):
    """A picture of a coloured block on white, as a teacher's drawing app would save it."""
    rows = []
    for y in range(height):
        inside = height // 4 <= y < 3 * height // 4
        row = bytearray(b"\xff\xff\xff" * width)
        if inside:
            row[3 * (width // 4):3 * (3 * width // 4)] = bytes(rgb) * (width // 2)
        rows.append(b"\x00" + bytes(row))

    def chunk(kind, data):
        return (struct.pack(">I", len(data)) + kind + data +
                struct.pack(">I", zlib.crc32(kind + data) & 0xffffffff))

    with open(path, "wb") as f:
        f.write(b"\x89PNG\r\n\x1a\n" +
                chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0)) +
                chunk(b"IDAT", zlib.compress(b"".join(rows))) + chunk(b"IEND", b""))


class TeacherStoryTest(Sessions):
    CODE = "17WALK"
    margin_spot = sessions_e2e.ZanSessionTest.margin_spot
    page_read = sessions_e2e.ZanSessionTest.page_read

    def make_story(self):
        source = os.path.join(self.scratch, "our-walk")
        os.makedirs(source)
        with open(os.path.join(source, "story.txt"), "w", encoding="utf-8") as f:
            f.write(STORY)
        for name, (rgb, width, height) in PICTURES.items():
            write_png(os.path.join(source, name), rgb, width, height)
        return self.admin("story", "make", self.folder, self.CODE, source)

    def sound(self, *parts):
        return os.path.join(self.folder, "WAVS", *parts)

    def word_sound(self, word):
        stem = subprocess.run([self.wqadmin, "stem", word], capture_output=True, text=True,
                              check=True).stdout.strip()
        return self.sound("WDS", stem + ".WAV")

    def read_page_word_by_word(self, frame):
        """Clicks the top listed word (the one to read next) until the page is read, each word
        said to its end before the next click, so that each can be found whole in the sound."""
        def state():
            screen = self.desktop.grab()
            return WordList(screen).lines() or (self.page_read(frame, screen) and "read")

        while True:
            lines = self.wait_until(state, "the words or the page's end", 10)
            if lines == "read":
                return
            box = WordList(self.desktop.grab()).box
            before = self.desktop.grab().rgb
            taken = len(self.audio.data())
            self.desktop.click((box[0] + box[2]) // 2, (lines[0][0] + lines[0][1]) // 2)
            self.wait_until(lambda: self.desktop.grab().rgb != before, "the click's answer", 5)
            self.wait_until(lambda: self.audio.sounded_since(taken) and self.audio.quiet(),
                            "the word said")

    def test_a_story_made_from_a_text_file_and_three_pictures_is_read_and_heard(self):
        made = self.make_story()
        self.assertIn(f"The story {self.CODE} is ready", made)
        self.admin("globals", self.folder, "set", "userMode=0")
        self.admin("settings", os.path.join(self.folder, "TEACHER.WQ"), "set", "zanStory=19MOON",
                   "zanOptions=0")
        self.start("zan")
        frame = self.main_window("Phrases")
        self.wait_page()
        self.wait_until(lambda: heard(self.audio.data(), self.sound("19MOON", "SNT01.WAV")),
                        "the start story's title spoken")
        self.wait_until(self.audio.quiet, "the title to end")
        self.menu("alt+f", "o", window=frame)
        chooser = self.desktop.wait_window("^Choose a story$")
        self.assertIsNotNone(chooser, "no chooser")
        # 01 Pip, 10 Mud..., 17 Our Walk (the teacher's, by its title), 19 Moon (chosen now), ...
        self.desktop.key("Up", window=chooser)
        self.shot("chooser")
        self.desktop.key("Return", window=chooser)

        pages = len(PICTURES) + 1
        for page in range(1, pages + 1):
            recording = self.sound(self.CODE, f"SNT{page:02d}.WAV")
            if page > 1:  # Next, which hides until the new page's phrases are read
                self.desktop.key("alt+n", window=frame)
                self.wait_screen(lambda s: not self.page_read(frame, s), 5, what=f"page {page}")
            # The page's recording first, whole; then the child reads.
            self.wait_until(lambda: heard(self.audio.data(), recording),
                            f"page {page}'s recording", 20)
            self.wait_until(self.audio.quiet, "the page's recording to end")
            self.shot(f"page-{page}")
            self.read_page_word_by_word(frame)
            self.shot(f"page-{page}-read")
        self.exit_program(frame)

        output = self.audio.data()
        words = {w for block in STORY.split("\n\n")[1:] for line in block.splitlines()[1:]
                 for w in line.split() if w != "/"}
        unheard = sorted(w for w in words if not heard(output, self.word_sound(w)))
        self.assertEqual(unheard, [], "words never heard")
        for page in range(1, pages + 1):
            self.assertTrue(heard(output, self.sound(self.CODE, f"SNT{page:02d}.WAV")), page)


if __name__ == "__main__":
    unittest.main()
