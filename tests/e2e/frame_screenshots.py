"""Screenshots of what the main windows show around the child's window, at 640x480, 1024x768 and
1280x1024, into docs/screenshots/: the title with the loaded list or story in both, the focus
mark on Next at the end of a Kiv set (kiv-next-focus), and the reader's word list holding a
35-letter word (zan-long-word).

Usage: python3 tests/e2e/frame_screenshots.py [BUILD_DIR]
Runs on fresh installations of the sample the build staged in BUILD_DIR/stage."""
import glob
import json
import os
import shutil
import subprocess
import sys
import time

sys.path.insert(0, os.path.dirname(__file__))
from desktop import Desktop, remove  # noqa: E402
from screenshots import (  # noqa: E402
    KIV_TYPED, PADS, STAGE, TEACHER_LIST, exit_program, sample_installation, set_teacher, shoot)

SIZES = ((640, 480), (1024, 768), (1280, 1024))
LONG_WORD = "Supercalifragilisticexpialidociousss"[:35]


def kiv(width, height):
    """After a whole set typed, Next with the focus mark, under the title "Words - ..."."""
    name, word = TEACHER_LIST
    text = ("*WORDLIST*\r\n* One word, for practice\r\n" + f"{word}\r\n" * 4).encode()
    with Desktop(width, height) as d:
        folder, wqadmin = sample_installation(("kiv",), (name, text))
        try:
            set_teacher(wqadmin, folder, f"kivOptions={KIV_TYPED}", f"kivWordlist={name}")
            proc = d.start(os.path.join(folder, "kiv"))
            frame = d.wait_main_window("Words")
            time.sleep(2.5)
            for _ in range(PADS):
                d.type(word, window=frame)
                time.sleep(2.8)  # the jump and the pause, then the next question
            shoot(d, "kiv-next-focus")
            exit_program(d, frame, proc)
        finally:
            remove(folder)


def long_word_story(folder, wqadmin):
    """The stored story with the second word of page 2 made 35 letters long; its code."""
    data = os.path.join(folder, "DATA")
    os.remove(data)  # the link to the staged folder: this installation gets a copy
    shutil.copytree(os.path.join(STAGE, "DATA"), data)
    path = sorted(glob.glob(os.path.join(data, "*.DAT")))[0]
    decoded = subprocess.run([wqadmin, "story", "decode", path, "--json"], check=True,
                             capture_output=True, text=True).stdout
    story = json.loads(decoded)
    line = story["pages"][1]["texts"][0]
    words = line["text"].split(" ")
    words[1] = LONG_WORD
    line["text"] = " ".join(words)
    source = os.path.join(folder, "story.json")
    with open(source, "w") as f:
        json.dump(story, f)
    subprocess.run([wqadmin, "story", "encode", source, path], check=True, capture_output=True)
    return os.path.basename(path).split(".")[0]


def zan(width, height):
    """The word list of a phrase holding a 35-letter word, inside the window right of the
    buttons, under the title "Phrases - ..."."""
    with Desktop(width, height) as d:
        folder, wqadmin = sample_installation(("zan",))
        try:
            code = long_word_story(folder, wqadmin)
            set_teacher(wqadmin, folder, f"zanStory={code}")
            proc = d.start(os.path.join(folder, "zan"))
            frame = d.wait_main_window("Phrases")
            time.sleep(2.5)
            d.key("Return", window=frame)  # Next has the focus on the title page
            time.sleep(2.0)
            shoot(d, "zan-long-word")
            exit_program(d, frame, proc)
        finally:
            remove(folder)


if __name__ == "__main__":
    for width, height in SIZES:
        kiv(width, height)
        zan(width, height)
