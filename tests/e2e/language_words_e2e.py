"""A French class at a French keyboard, in real windows under Xvfb: the X keyboard is set to the
French (AZERTY) layout and every letter is a real key event of that layout. In Kiv a child plays
the French list 65MOTS by typing the words: é and è are keys of their own, ê and î come from the
dead circumflex followed by the letter (composed the way the desktop composes them), and an e
typed for an accented letter turns red and is taken back to the right beginning. Then Zan opens
the French story 12BATEAU and the child clicks its words in reading order, the accented Léa among
them, and each joins the page text.

The asked word is known by ear: Kiv speaks it, and the disk output holds its recording whole; a
right answer is told by the word spoken again (the right-answer steps say it once more).

Run: python3 language_words_e2e.py"""
import os
import shutil
import subprocess
import sys
import unittest

sys.path.insert(0, os.path.dirname(__file__))
import sessions_e2e  # noqa: E402
from desktop import dark, decoded, heard, normalised  # noqa: E402
from language_e2e import DESKTOP_LANGUAGE, LANGUAGES  # noqa: E402
from sessions_e2e import KivSessions, WordList, activity, kiv_options  # noqa: E402

WORD_LIST, STORY = "65MOTS", "12BATEAU"
# The keys of a French keyboard for the letters that are not plain: é, è, à, ù and ç are keys of
# their own; the circumflex and the diaeresis are dead keys pressed before the letter.
FRENCH_KEYS = {"é": ["eacute"], "è": ["egrave"], "à": ["agrave"], "ù": ["ugrave"],
               "ç": ["ccedilla"], "ê": ["dead_circumflex", "e"], "î": ["dead_circumflex", "i"],
               "ô": ["dead_circumflex", "o"], "â": ["dead_circumflex", "a"],
               "ë": ["dead_diaeresis", "e"], "ï": ["dead_diaeresis", "i"]}
PLAIN = {"é": "e", "è": "e", "ê": "e", "ë": "e", "à": "a", "â": "a", "î": "i", "ï": "i",
         "ô": "o", "ù": "u", "ç": "c"}


def keys_of(letter):
    return FRENCH_KEYS.get(letter, [letter])


class LanguageWordsTest(KivSessions):
    # The reader's margin, as the story session finds it.
    margin_spot = sessions_e2e.ZanSessionTest.margin_spot
    page_read = sessions_e2e.ZanSessionTest.page_read

    @classmethod
    def setUpClass(cls):
        super().setUpClass()
        # No input method: Qt composes the dead keys itself, from the compose table of the
        # programs' locale (libX11's, as the desktop would).
        for name in DESKTOP_LANGUAGE + ("QT_IM_MODULE", "XMODIFIERS"):
            cls.desktop.env.pop(name, None)
        cls.desktop.env["LANG"] = "C.UTF-8"
        cls.program_env = {"LANG": "fr_FR.UTF-8"}
        subprocess.run(["setxkbmap", "-display", cls.desktop.display, "fr"], env=cls.desktop.env,
                       check=True)

    def setUp(self):
        super().setUp()
        self.admin("settings", os.path.join(self.folder, "TEACHER.WQ"), "set",
                   f"kivOptions={kiv_options(1)}", f"kivWordlist={WORD_LIST}")

    def recording(self, word):
        stem = self.admin("stem", "--word", word).strip()
        return os.path.join(self.folder, "WAVS", "WDS", stem + ".WAV")

    def list_words(self):
        with open(os.path.join(self.folder, "WORDLIST", WORD_LIST + ".TXT"), encoding="cp1252") as f:
            fields = [field.strip() for line in f for field in line.split(",")]
        return [w for w in fields[1:] if w and w.upper() != "*END*"]

    def now(self):
        """Where the sound output ends, in whole stereo frames."""
        return len(self.audio.data()) // 8 * 8

    def said(self, since, sounds):
        """The word whose recording the output holds whole after since, or None."""
        output = normalised(self.audio.data()[since:])
        return next((word for word, path in sounds.items() if decoded(path) in output), None)

    def press(self, letter):
        self.desktop.key(*keys_of(letter))

    def box_reads(self, colour):
        return self.wait_screen(lambda s: (a := activity(s)) and a.typed() == colour, 10,
                                what=f"the answer box {colour}")

    def answer(self, word, wrong_accent):
        """Types the word by its keys; with wrong_accent, the plain letter first for its first
        accented letter after the start, which must turn red and be taken back."""
        at = next((i for i, c in enumerate(word) if i and c in PLAIN), None) if wrong_accent else None
        for i, letter in enumerate(word):
            if i == at:
                taken = self.now()
                self.desktop.key(PLAIN[letter])
                # The red lasts 0.6 s, less than a busy machine may take to grab the screen: its
                # picture is kept when caught; the click, which lasts in the output, must come.
                red = self.desktop.wait_for(
                    lambda: (s := self.desktop.grab()) and (a := activity(s)) and a.typed() == "red"
                    and s, 1.5)
                if red:
                    self.keep(red, "wrong-accent")
                click = os.path.join(self.folder, "WAVS", "CLICK.WAV")
                self.wait_until(lambda: heard(self.audio.data()[taken:], click), "the click")
                # Taken back to the right beginning in black; the rest typed after it makes the
                # word right only if that beginning was kept whole.
                self.box_reads("black")
            self.press(letter)
            if i == 0:
                self.box_reads("black")
        return at is not None

    def test_a_french_child_types_accented_words_and_reads_the_french_story(self):
        words = self.list_words()
        self.assertIn("été", words)
        sounds = {w: self.recording(w) for w in words}
        self.start("kiv")
        self.sign_in("Chloe")
        frame = self.main_window("Mots")
        self.wait_activity()
        typed_by = {"own key": False, "dead key": False, "corrected": False}
        since = 0
        for _ in range(40):
            asked = self.wait_until(
                lambda: self.said(since, sounds) or
                (a := activity(self.desktop.grab())) and a.next_shown() and "next",
                "a word spoken or the set complete", 20)
            if asked == "next":
                self.next_set(frame)
                continue
            self.question(lambda a: a.typed() is None)
            start = self.now()
            accented = any(c in PLAIN for c in asked)
            if self.answer(asked, wrong_accent=accented and not typed_by["corrected"]):
                typed_by["corrected"] = True
            # Judged right: the word is said once more and stays in the box in black.
            self.wait_until(lambda: self.said(start, {asked: sounds[asked]}),
                            f"{asked} said again as right")
            self.box_reads("black")
            since = self.now()
            typed_by["own key"] |= any(len(keys_of(c)) == 1 and c in PLAIN for c in asked)
            typed_by["dead key"] |= any(len(keys_of(c)) == 2 for c in asked)
            if all(typed_by.values()):
                break
        self.assertEqual(typed_by, {"own key": True, "dead key": True, "corrected": True})
        self.shot("typed")
        self.exit_in_french(frame)
        self.assert_logged("Chloe", "Words")
        self.read_the_french_story()

    def read_the_french_story(self):
        self.admin("globals", self.folder, "set", "userMode=3")
        own = os.path.join(self.folder, "DEV.WQ")
        if not os.path.exists(own):
            shutil.copyfile(os.path.join(self.folder, "TEACHER.WQ"), own)
        self.admin("settings", own, "set", f"zanStory={STORY}")
        self.start("zan")
        self.sign_in("Dev")
        frame = self.main_window("Phrases")
        title = os.path.join(self.folder, "WAVS", STORY, "SNT01.WAV")
        self.wait_until(lambda: heard(self.audio.data(), title), "the story's title spoken")
        # Page 1 is the title alone; Suivant, clicked, opens page 2 ("Voici Léa et son bateau.").
        self.wait_screen(lambda s: self.page_read(frame, s), what="Suivant on the title page")
        self.desktop.click(*self.margin_spot(frame, 4950, 1665))
        self.wait_screen(lambda s: WordList(s).lines(), what="the first phrase's words")
        # The page's recording said whole first, so that each word sounds alone.
        page = os.path.join(self.folder, "WAVS", STORY, "SNT02.WAV")
        self.wait_until(lambda: heard(self.audio.data(), page), "page 2's recording", 20)
        self.wait_until(self.audio.quiet, "the page's recording to end")
        for word in ["Voici", "Léa", "et", "son", "bateau."]:
            before = self.desktop.grab()
            lines = WordList(before).lines()
            box = WordList(before).box
            taken = self.now()
            self.desktop.click((box[0] + box[2]) // 2, (lines[0][0] + lines[0][1]) // 2)
            sound = {word: self.recording(word)}
            self.wait_until(lambda: self.said(taken, sound), f"{word} said")
            after = self.wait_screen(
                lambda s: self.page_text(frame, s) > self.page_text(frame, before) and s,
                what=f"{word} added to the page text")
            if word == "Léa":
                self.keep(after, "accented-word-read")
        self.wait_screen(lambda s: WordList(s).lines(), what="the second phrase's words")
        self.exit_in_french(frame)
        self.assert_logged("Dev", "Phrases")

    def exit_in_french(self, frame):
        """Fichier > Quitter; opened again if a question opening in Kiv closed the menu."""
        words = LANGUAGES["fr"]
        for _ in range(3):
            self.menu(words["file_menu"], words["exit_item"], window=frame)
            if self.desktop.wait_for(lambda: self.proc.poll() is not None, 10):
                break
        self.assertEqual(self.wait_exit(), 0)

    def page_text(self, frame, screen):
        """How much dark text the page shows below its picture, left of the word list."""
        x, y, width, height = self.desktop.geometry(frame)
        top = y + int(height * 4200 / 6630)
        right = x + int(width * 0.7)
        return screen.count(dark, (x + int(width * 0.1), top, right, y + height))


if __name__ == "__main__":
    unittest.main(verbosity=2)
