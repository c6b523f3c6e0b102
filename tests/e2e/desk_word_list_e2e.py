"""The desk's Word lists page in a real window: a teacher makes a list of four words in a class
folder, records one with the "microphone" (SDL's disk capture reading a pipe the test speaks
into) and has espeak-ng say the other three, each heard before it is kept; then a child plays the
list in Kiv, started from the class folder, and hears those recordings. Screenshots of the page
at 800x600 and 1280x1024 go to the test output folder.

Run: python3 desk_word_list_e2e.py"""
import os
import subprocess
import sys
import tempfile
import threading
import unittest

sys.path.insert(0, os.path.dirname(__file__))
from desktop import AudioCapture, heard, remove  # noqa: E402
from sessions_e2e import Sessions, activity, kiv_options  # noqa: E402

CHILDREN = ["Amira", "Ben", "Chloe", "Dev"]
TITLE = "zoo animals"
WORDS = ["zebra", "hippo", "llama", "walrus"]  # none has a recording in the sample library
SPOKEN = "zebra"  # the word said into the microphone
RATE = 22050
SILENCE_THRESHOLD = 328


def pcm_of(wave):
    """The samples of a 16-bit mono PCM wave file (the data chunk's bytes)."""
    at = 12
    while at + 8 <= len(wave):
        size = int.from_bytes(wave[at + 4:at + 8], "little")
        if wave[at:at + 4] == b"data":
            return wave[at + 8:at + 8 + size]
        at += 8 + size + (size & 1)
    raise ValueError("no data chunk")


def trimmed(pcm):
    """The samples the desk keeps of a recording: from 10 ms before the first sound to 120 ms
    after the last."""
    frames = [int.from_bytes(pcm[i:i + 2], "little", signed=True) for i in range(0, len(pcm), 2)]
    loud = [i for i, v in enumerate(frames) if abs(v) > SILENCE_THRESHOLD]
    first = max(loud[0] - RATE * 10 // 1000, 0)
    end = min(loud[-1] + 1 + RATE * 120 // 1000, len(frames))
    return pcm[2 * first:2 * end]


class Microphone:
    """A pipe SDL's disk capture records from. speak() writes a word and then more silence than
    the pipe holds, so once the write has returned the program has read the whole word."""

    def __init__(self, folder):
        self.path = os.path.join(folder, "microphone.raw")
        os.mkfifo(self.path)
        self.done = threading.Event()

    def speak(self, samples):
        def write():
            with open(self.path, "wb") as f:  # waits for the program to start recording
                f.write(samples + bytes(2 * RATE * 2))
            self.done.set()
        threading.Thread(target=write, daemon=True).start()


class DeskSession(Sessions):
    """A class folder made as a teacher makes one (wqadmin init --programs from the staged
    installation), with children who pick their names at sign-in; the desk started on it."""

    def setUp(self):
        super().setUp()
        self.stage = os.path.join(self.build, "stage")
        self.klass = os.path.join(tempfile.mkdtemp(prefix="kz-e2e-class-"), "class")
        self.admin("init", "--programs", self.klass, "--from", self.stage)
        for child in CHILDREN:
            self.admin("users", self.klass, "add", child)
        self.admin("globals", self.klass, "set", "userMode=1")

    def tearDown(self):
        super().tearDown()
        remove(os.path.dirname(self.klass))

    def sound_file(self, word):
        return os.path.join(self.klass, "WAVS", "WDS", word.upper() + ".WAV")

    def choose_word(self, word, window):
        """Focuses the page's recordings list and moves to the word (the list's order)."""
        self.desktop.key("alt+d", "Home", *["Down"] * WORDS.index(word), window=window)

    def start_desk(self, microphone):
        audio = AudioCapture(self.scratch, "desk.raw")
        proc = self.desktop.start(os.path.join(self.stage, "desk"), self.klass, audio=audio,
                                  extra_env={"SDL_DISKAUDIOFILEIN": microphone.path},
                                  output=os.path.join(self.output, f"{self.name()}-desk.txt"))
        self.runs.append((proc, audio))
        window = self.desktop.wait_window("^Teacher's Desk", 20)
        self.assertIsNotNone(window, "no desk window")
        return proc, audio, window


class DeskWordListTest(DeskSession):
    size = (1280, 1024)

    def test_a_list_voiced_in_the_desk_is_played_by_kiv(self):
        spoken = subprocess.run(["espeak-ng", "-v", "en-us", "-s", "140", "--stdout", SPOKEN],
                                capture_output=True, check=True).stdout
        # Half a second of room noise's silence before the word, as a teacher pauses.
        said = bytes(RATE) + pcm_of(spoken) + bytes(RATE)
        microphone = Microphone(self.scratch)
        desk, desk_audio, window = self.start_desk(microphone)
        self.desktop.key("alt+w", window=window)  # the Word lists page (a tab turns at once)
        # A new list: once the page shows it (a button's mnemonic clicks after a short press),
        # the title box has the focus.
        before = self.desktop.grab().rgb
        self.desktop.key("alt+n", window=window)
        self.wait_screen(lambda s: s.rgb != before, what="the new list")
        self.desktop.type(TITLE, window=window)
        self.desktop.key("alt+o", window=window)
        for word in WORDS:
            self.desktop.type(word, window=window)
            self.desktop.key("Return", window=window)
        self.desktop.key("alt+a", window=window)
        listed = os.path.join(self.klass, "WORDLIST", "99LIST01.TXT")
        self.wait_until(lambda: os.path.exists(listed), "the list saved")
        with open(listed, "rb") as f:
            self.assertEqual(f.read(), ("*WORDLIST*\r\n" + "".join(w + "\r\n" for w in WORDS)
                                        + "*END*\r\n").encode())
        with open(os.path.join(self.klass, "DATA", "TITLES.TXT"), "rb") as f:
            self.assertIn(f"99list01\t{TITLE}\t\t\r\n".encode(), f.read())

        # The microphone: record, the word said, stop; it is played back, then kept.
        self.choose_word(SPOKEN, window)
        microphone.speak(said)
        self.desktop.key("alt+r", window=window)
        self.wait_until(microphone.done.is_set, "the word read from the microphone", 30)
        self.desktop.key("alt+r", window=window)  # Stop recording
        self.wait_until(lambda: desk_audio.sounded_since(0), "the recording played back", 30)
        self.desktop.key("alt+k", window=window)
        self.wait_until(lambda: os.path.exists(self.sound_file(SPOKEN)), "the recording kept")
        with open(self.sound_file(SPOKEN), "rb") as f:
            kept = f.read()
        self.assertEqual(pcm_of(kept), trimmed(said), "not the word as said, trimmed")

        # espeak-ng for the others, each heard as it is made, then kept.
        for word in WORDS:
            if word == SPOKEN:
                continue
            self.choose_word(word, window)
            # The word before has been said to its end, so what sounds next is this word (and
            # Keep, pressed then, finds it made).
            self.wait_until(lambda: desk_audio.quiet(), "the desk quiet")
            taken = len(desk_audio.data())
            self.desktop.key("alt+e", window=window)
            self.wait_until(lambda: desk_audio.sounded_since(taken), f"{word} heard", 30)
            self.desktop.key("alt+k", window=window)
            self.wait_until(lambda: os.path.exists(self.sound_file(word)), f"{word} kept")
        self.wait_until(lambda: desk_audio.quiet(), "the desk quiet")
        self.assertTrue(heard(desk_audio.data(), self.sound_file(SPOKEN)),
                        "the microphone's recording was not heard before it was kept")
        self.shot("word-lists-1280x1024")
        self.desktop.key("ctrl+q", window=window)
        self.assertEqual(self.wait_exit(desk), 0)

        # A child plays the list in Kiv, started from the class folder; the word is shown as
        # well as said, so that each new question can be seen.
        self.admin("settings", os.path.join(self.klass, "TEACHER.WQ"), "set",
                   f"kivOptions={kiv_options(2)}")
        self.start("kiv", folder=self.klass)
        self.sign_in("Amira")
        frame = self.main_window("Words")
        self.wait_activity()
        self.menu("alt+f", "o", window=frame)
        chooser = self.desktop.wait_window("^Choose a wordlist$")
        self.assertIsNotNone(chooser, "no chooser")
        self.desktop.key("End", window=chooser)  # the class's own list comes after the sample's
        self.shot("kiv-chooser")
        self.desktop.key("Return", window=chooser)
        self.wait_until(lambda: self.desktop.windows(f"^Words - {TITLE}$"), "the list in Kiv")
        unheard = set(WORDS)
        for change in range(40):
            shown = self.question(lambda a: a.shown_word())
            taken = len(self.audio.data())
            self.menu("alt+a", "2" if change % 2 else "3", window=frame)
            self.question(lambda a: a.shown_word() not in (None, shown))
            self.wait_until(lambda: self.audio.sounded_since(taken) and self.audio.quiet(),
                            "the word said")
            output = self.audio.data()
            unheard = {w for w in unheard if not heard(output, self.sound_file(w))}
            if not unheard:
                break
        self.exit_program(frame)
        self.assertEqual(unheard, set(), "recordings Kiv never played")

    def question(self, what):
        return self.wait_screen(lambda s: (a := activity(s)) and what(a) and a, 20,
                                what="the next question")


class DeskWordListSmallScreenTest(DeskSession):
    """The page on an 800x600 screen, with the class's own list shown."""
    size = (800, 600)

    def test_the_page_on_a_small_screen(self):
        self.admin("wordlist-save", self.klass, "99LIST01", "--title", TITLE, *WORDS)
        desk, _, window = self.start_desk(Microphone(self.scratch))
        before = self.desktop.grab().rgb
        self.desktop.key("alt+w", window=window)
        self.desktop.key("alt+l", "End", window=window)
        self.wait_screen(lambda s: s.rgb != before, what="the Word lists page")
        self.shot("word-lists-800x600")
        self.desktop.key("ctrl+q", window=window)
        self.assertEqual(self.wait_exit(desk), 0)


if __name__ == "__main__":
    unittest.main()
