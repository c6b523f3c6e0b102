"""A teacher's own story made in the desk's real window on a fresh copy of the sample
installation: the folder and the code typed in the Stories page, the pages looked through, the
story kept; then Zan lists it in its book chooser by its title and opens it. At another screen
size the story is looked at and discarded, and nothing is written.

Run: python3 desk_story_e2e.py"""
import os
import sys
import unittest

sys.path.insert(0, os.path.dirname(__file__))
from desktop import remove, staged_copy  # noqa: E402
from sessions_e2e import Sessions  # noqa: E402
from teacher_story_e2e import PICTURES, STORY, write_png  # noqa: E402

# The teacher's story with a picture on its title page too, so that each page the desk shows has
# a colour of its own: home, gate, dog, home.
TITLED_STORY = STORY.replace("Pictures by Mia\n", "Pictures by Mia\n[home.png]\n", 1)
PAGE_PICTURES = ("home.png", "gate.png", "dog.png", "home.png")

DESK_TITLE = "^Teacher's Desk - "


def near(colour):
    return lambda r, g, b: all(abs(a - b) <= 6 for a, b in zip((r, g, b), colour))


def tree(folder):
    """Every file under folder with its bytes."""
    files = {}
    for root, _, names in os.walk(folder):
        for name in names:
            path = os.path.join(root, name)
            with open(path, "rb") as f:
                files[os.path.relpath(path, folder)] = f.read()
    return files


class DeskStory(Sessions):
    CODE = "17WALK"

    def story_folder(self):
        source = os.path.join(self.scratch, "our-walk")
        os.makedirs(source)
        with open(os.path.join(source, "story.txt"), "w", encoding="utf-8") as f:
            f.write(TITLED_STORY)
        for name, (rgb, width, height) in PICTURES.items():
            write_png(os.path.join(source, name), rgb, width, height)
        return source

    def open_story_in_desk(self):
        """Starts the desk on the class folder, makes the story on its Stories page and waits
        for its title page in the preview. Returns the desk's window."""
        source = self.story_folder()
        self.start("desk", self.folder)
        desk = self.desktop.wait_window(DESK_TITLE, 20)
        self.assertIsNotNone(desk, "no desk window")
        # The Stories page: its empty page of a story, framed in grey.
        self.press_until(["alt+t"], lambda: self.desktop.grab().count(
            lambda r, g, b: (r, g, b) == (160, 160, 164)) > 300, "the Stories page", window=desk)
        self.desktop.key("alt+l", window=desk)
        self.desktop.type(source, window=desk)
        self.desktop.key("alt+y", "ctrl+a", window=desk)
        self.desktop.type(self.CODE, window=desk)
        self.desktop.key("alt+m", window=desk)
        # The title page's picture in the preview: the story is made, in memory.
        home = near(PICTURES["home.png"][0])
        self.wait_screen(lambda s: s.count(home) > 200, 60, what="the story's title page")
        return desk

    def look_through_pages(self, desk):
        for page, name in enumerate(PAGE_PICTURES[1:], 2):
            colour = near(PICTURES[name][0])
            self.press_until(["alt+n"], lambda: self.desktop.grab().count(colour) > 200,
                             f"page {page}, its picture {name}", window=desk)
            self.shot(f"page-{page}")


class DeskStoryTest(DeskStory):
    size = (800, 600)

    def test_a_story_made_in_the_desk_is_kept_and_zan_lists_it(self):
        before = tree(self.folder)
        desk = self.open_story_in_desk()
        self.shot("title-page")
        self.look_through_pages(desk)
        # Looked at, not yet kept: the class folder is as it was.
        self.assertEqual(tree(self.folder), before)
        story = os.path.join(self.folder, "DATA", self.CODE + ".DAT")
        self.press_until(["alt+k"], lambda: os.path.exists(story), "the story kept", window=desk)
        self.shot("kept")
        self.desktop.key("ctrl+q", window=desk)
        self.assertEqual(self.wait_exit(), 0)

        # Zan's book chooser lists it by its title, and opens it.
        self.admin("globals", self.folder, "set", "userMode=0")
        self.admin("settings", os.path.join(self.folder, "TEACHER.WQ"), "set", "zanStory=19MOON",
                   "zanOptions=0")
        self.start("zan")
        frame = self.main_window("Phrases")
        self.wait_page()
        self.menu("alt+f", "o", window=frame)
        chooser = self.desktop.wait_window("^Choose a story$")
        self.assertIsNotNone(chooser, "no chooser")
        # 01 Pip, 10 Mud, 17 Our Walk (the teacher's), 19 Moon (in use, selected), ...
        self.desktop.key("Up", window=chooser)
        self.shot("chooser")
        self.desktop.key("Return", window=chooser)
        self.wait_until(lambda: self.desktop.windows("^Phrases - .*Our Walk$"),
                        "Zan showing the desk's story", 20)
        self.wait_page()
        self.shot("zan")
        self.exit_program(frame)


class DeskStoryLargeTest(DeskStory):
    size = (1280, 1024)

    def test_a_story_looked_at_and_discarded_writes_nothing(self):
        before = tree(self.folder)
        desk = self.open_story_in_desk()
        self.shot("title-page")
        self.look_through_pages(desk)
        home = near(PICTURES["home.png"][0])
        self.press_until(["alt+i"], lambda: self.desktop.grab().count(home) == 0,
                         "the preview emptied", window=desk)
        self.shot("discarded")
        self.assertEqual(tree(self.folder), before)
        self.desktop.key("ctrl+q", window=desk)
        self.assertEqual(self.wait_exit(), 0)


if __name__ == "__main__":
    unittest.main()
