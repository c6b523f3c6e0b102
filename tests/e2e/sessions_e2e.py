"""Whole sessions of both programs on a fresh copy of the sample installation, in real windows
under Xvfb, driven with real keys and clicks, as a child or a teacher would use them. Each check
reads what the programs wrote: the settings files, the log and the sound they played.

Run one class: python3 sessions_e2e.py FirstRunTest"""
import fcntl
import glob
import grp
import math
import os
import re
import shutil
import subprocess
import sys
import unittest

sys.path.insert(0, os.path.dirname(__file__))
from desktop import SessionTest, cyan, dark, heard, loudest, red, yellow  # noqa: E402

BUILD = os.path.abspath(os.environ.get("KZ_BUILD_DIR",
                                       os.path.join(os.path.dirname(__file__), "../../build")))

# The sample installation's user list: Teacher, then the children.
CHILDREN = ["Amira", "Ben", "Chloe", "Dev", "Ella", "Finn"]
DATA_PARTS = ("DATA", "BMPS", "WAVS", "WORDLIST")


def sign_in_keys(name):
    """The keys that choose a name of the sample list (the first Down chooses Teacher)."""
    return ["Down"] * (1 + (CHILDREN.index(name) + 1 if name != "Teacher" else 0)) + ["Return"]


def log_text(log):
    """The text of LOG.WQ: a 16-bit little-endian length, then the text."""
    return log[2:2 + int.from_bytes(log[:2], "little")].decode("cp1252")


def log_entries(log, name):
    """The lines of one user's section of LOG.WQ (after its header: "=====", "Log for NAME" and
    an empty line); None when the user has none."""
    lines = log_text(log).split("\r\n")
    for i, line in enumerate(lines):
        if line == f"Log for {name}" and lines[i - 1:i] == ["====="] and lines[i + 1:i + 2] == [""]:
            section = []
            for entry in lines[i + 1:]:
                if entry.startswith("Log") or entry.startswith("==="):
                    break
                section.append(entry)
            return section
    return None


class Sessions(SessionTest):
    build = BUILD

    def sign_in(self, name):
        """Waits for the sign-in's name list and chooses the name."""
        self.wait_sign_in()
        self.desktop.key(*sign_in_keys(name))

    def assert_logged(self, name, activity):
        """The user's section of the log holds a session of the activity: its time line, then
        the activity's line with the minutes."""
        entries = log_entries(self.read("LOG.WQ"), name)
        self.assertIsNotNone(entries, f"no section for {name} in LOG.WQ")
        sessions = [(when, what) for when, what in zip(entries, entries[1:])
                    if re.fullmatch(r"\d+:\d\d [ap]m, \d+ \w+ \d{4}\.  Session time: \d+ "
                                    r"minutes?\.", when) and
                    re.fullmatch(f"   {activity} +\\d+ mins?", what)]
        self.assertTrue(sessions, f"no {activity} session under {name}: {entries}")


class FirstRunTest(Sessions):
    def test_a_data_directory_given_at_the_first_run_is_recorded(self):
        library = os.path.join(os.path.dirname(self.folder), "library")
        os.makedirs(library)
        for part in DATA_PARTS:
            os.rename(os.path.join(self.folder, part), os.path.join(library, part))
        self.assertEqual(self.globals()["dataDir"], "")
        self.start("zan", library)
        self.sign_in("Ben")
        frame = self.main_window("Phrases")
        self.wait_page()  # the reader found its story in the given folder: no recovery dialog
        self.shot("first-page")
        self.assertEqual(self.globals()["dataDir"], library)
        self.exit_program(frame)
        self.assert_logged("Ben", "Phrases")


# kivOptions: show and speak (3), the word always shown (time code 50), ten questions a set, and
# the answer style: typed (1) or four choices (4).
def kiv_options(answer_style, time_code=50, pads=10):
    return 3 + 16 * answer_style + 128 * time_code + 8192 * pads


class Activity:
    """Where the word activity's parts are on a screen, from its yellow panel: the panel runs
    from 705 to the window's right edge and from 840 to 3240 of the design's 9600 by 6630."""

    def __init__(self, screen):
        box = screen.bounds(yellow)
        if box is None or box[3] - box[1] < 50:
            raise LookupError("no activity on the screen")
        left, top, right, bottom = box
        self.sx = (right - left) / 8895
        self.sy = (bottom - top) / 2400
        self.x0 = left - 705 * self.sx
        self.y0 = top - 840 * self.sy
        self.screen = screen

    def box(self, left, top, right, bottom, inset=3):
        return (int(self.x0 + left * self.sx) + inset, int(self.y0 + top * self.sy) + inset,
                int(self.x0 + right * self.sx) - inset, int(self.y0 + bottom * self.sy) - inset)

    def word_box(self):
        return self.box(780, 1650, 9480, 2550)

    def answer_box(self):
        return self.box(780, 4200, 9480, 5100)

    def choice_box(self, j):
        return self.box(780, 2700 + 750 * j, 9480, 3450 + 750 * j)

    def next_shown(self):
        """Next is a button on the grey margin, which is bare while it is hidden."""
        box = self.box(0, 4965, 705, 6630)
        area = (box[2] - box[0]) * (box[3] - box[1])
        return self.screen.count(lambda r, g, b: (r, g, b) != (128, 128, 128), box) > area / 3

    def typed(self):
        """What the answer box shows: None (empty), "black" or "red". The caret, a thin black
        line that blinks, is no text."""
        box = self.answer_box()
        if self.text_width(box, red) > 4:
            return "red"
        return "black" if self.text_width(box) > 4 else None

    def choices_shown(self):
        return [j for j in range(1, 5) if self.screen.count(cyan, self.choice_box(j)) > 400]

    def shown_word(self):
        """The asked word's picture, as bytes; None while none is shown."""
        found = self.screen.bounds(dark, self.word_box())
        if not found:
            return None
        return b"".join(bytes(p[2:]) for p in self.screen.pixels(found))

    def text_width(self, box, colour=dark):
        found = self.screen.bounds(colour, box)
        return found[2] - found[0] if found else 0

    def right_choice(self):
        """The choice that shows the asked word: the word is drawn at 32 points, the choices
        at 24, so the word is 4/3 as wide as its choice."""
        word = self.text_width(self.word_box())
        widths = {j: self.text_width(self.choice_box(j)) for j in self.choices_shown()}
        if not word or not all(widths.values()):
            return None
        return min(widths, key=lambda j: abs(math.log(word / widths[j] / (32 / 24))))


def activity(screen):
    try:
        return Activity(screen)
    except LookupError:
        return None


class KivSessions(Sessions):
    # The start list: one word four times, so every typed answer is known in advance.
    ONE_WORD = ("0065TO65", "frog")
    # Four words of clearly different widths, each with a recording.
    FOUR_WORDS = ("0066TO66", ["pip", "frog", "sleep", "morning"])

    def setUp(self):
        super().setUp()
        name, word = self.ONE_WORD
        self.write(f"WORDLIST/{name}.TXT", ("*WORDLIST*\r\n" + f"{word}\r\n" * 4).encode())
        name, words = self.FOUR_WORDS
        self.write(f"WORDLIST/{name}.TXT",
                   ("*WORDLIST*\r\n" + ", ".join(words) + "\r\n").encode())
        self.admin("settings", os.path.join(self.folder, "TEACHER.WQ"), "set",
                   f"kivOptions={kiv_options(1)}", f"kivWordlist={self.ONE_WORD[0]}")

    def question(self, what):
        return self.wait_screen(lambda s: (a := activity(s)) and what(a) and a, 20,
                                what="the next question")

    def type_letter(self, letter, seen):
        """Types a letter once the question is open (a key is dropped until then)."""
        for _ in range(20):
            self.desktop.key(letter)
            if self.desktop.wait_for(lambda: seen(Activity(self.desktop.grab())), 1.0):
                return
        self.fail(f"the letter {letter} never showed")

    def answer_typed(self, word, wrong_letter=None):
        self.question(lambda a: a.typed() is None)
        self.type_letter(word[0], lambda a: a.typed() == "black")
        if wrong_letter:
            self.desktop.key(wrong_letter)
            self.wait_screen(lambda s: Activity(s).typed() == "red", 5, what="a red letter")
            self.shot("wrong-letter")
            # The box keeps the right beginning and goes black again.
            self.wait_screen(lambda s: Activity(s).typed() == "black", 5, what="the correction")
        self.desktop.type(word[1:])

    def answer_choice(self):
        a = self.question(lambda a: len(a.choices_shown()) == 4 and a.right_choice())
        right = a.right_choice()
        for _ in range(20):
            self.desktop.key(str(right))
            chosen = self.desktop.wait_for(
                lambda: (b := Activity(self.desktop.grab())).choices_shown() == [right] or
                b.screen.count(red, b.choice_box(right)) > 15 and "red", 1.0)
            if chosen == "red":
                self.shot("wrong-choice")
                self.fail(f"choice {right} was wrong")
            if chosen:
                return
        self.fail("the choice was never taken")

    def next_set(self, frame):
        """Presses Next, shown once the set is complete, and waits for it to go."""
        self.desktop.key("alt+n", window=frame)
        self.wait_screen(lambda s: not Activity(s).next_shown(), 10, what="the next set")



class KivSessionTest(KivSessions):
    def test_a_typed_set_then_a_set_of_four_choices_and_the_session_logged(self):
        self.start("kiv")
        self.sign_in("Amira")
        frame = self.main_window("Words")
        word = self.ONE_WORD[1]
        for question in range(11):  # ten right at the first try, one with a wrong letter
            self.answer_typed(word, wrong_letter="x" if question == 3 else None)
        self.wait_screen(lambda s: Activity(s).next_shown(), 10, what="Next at the set's end")
        self.shot("typed-set-complete")
        self.next_set(frame)
        self.menu("alt+a", "4", window=frame)  # &4 choices
        self.menu("alt+f", "o", window=frame)
        chooser = self.desktop.wait_window("^Choose a wordlist$")
        self.assertIsNotNone(chooser, "no chooser")
        self.shot("chooser")
        self.desktop.key("Down", "Return", window=chooser)
        for question in range(10):
            self.answer_choice()
            if question == 0:
                self.shot("choice-right")
        self.wait_screen(lambda s: Activity(s).next_shown(), 10, what="Next at the set's end")
        self.shot("choices-set-complete")
        self.next_set(frame)
        self.exit_program(frame)
        self.assert_logged("Amira", "Words")
        self.assertGreater(loudest(self.audio.data()), 0.05, "no word was heard")


class TeacherSettingsTest(KivSessions):
    def test_the_settings_behind_the_password_restart_the_activity_with_them(self):
        self.admin("globals", self.folder, "set", "password=OWL7")
        teacher = os.path.join(self.folder, "TEACHER.WQ")
        self.admin("settings", teacher, "set", f"kivOptions={kiv_options(4, time_code=20)}",
                   "kivWordlist=0001TO24")
        self.start("kiv")
        self.sign_in("Ella")
        frame = self.main_window("Words")
        self.question(lambda a: len(a.choices_shown()) == 4)
        self.menu("alt+t", "a", window=frame)
        self.wait_screen(password_box, what="the password box")
        self.desktop.type("abc")
        self.desktop.key("Return")
        box = self.desktop.wait_window("^Password$", 10)
        self.assertIsNotNone(box, "no Wrong password message")
        self.shot("wrong-password")
        self.desktop.key("Return", window=box)
        self.question(lambda a: len(a.choices_shown()) == 4)  # the activity goes on
        self.menu("alt+t", "a", window=frame)
        self.wait_screen(password_box, what="the password box")
        self.desktop.type("owl7")
        self.desktop.key("Return")
        self.wait_screen(lambda s: activity(s) is None, what="the settings window")
        self.shot("settings")
        # The focus starts on the question style; Tab goes on to the answer styles, whose
        # arrows move down to the last, Type the answer (Space chooses it); then the start
        # list, whose arrows step through the lists in name order (0001TO16, 0001TO24,
        # 0017TO32, 0065TO65, ...); then on to OK.
        self.desktop.key("Tab", "Down", "Down", "Down", "space")
        self.desktop.key("Tab", "Down", "Down")  # Books 1 to 24 -> Books 65 to 65
        self.shot("settings-changed")
        self.desktop.key("Tab", "Tab", "Tab", "Tab", "Tab", "space")  # OK
        self.wait_until(lambda: self.settings(teacher)["kivOptions"] == kiv_options(1, 20),
                        "the new kivOptions in TEACHER.WQ")
        self.assertEqual(self.settings(teacher)["kivWordlist"].strip(), self.ONE_WORD[0])
        # The activity starts again: the typed answer, on the one-word list.
        self.answer_typed(self.ONE_WORD[1])
        self.question(lambda a: a.typed() is None)  # right: the next question came
        self.shot("restarted")
        self.exit_program(frame)

    def settings(self, path):
        import json
        return json.loads(self.admin("settings", path))


class ClassroomTest(KivSessions):
    # Only the files a session changes are the children's group's to write; the folder and
    # everything else stay the teacher's (root's here).
    WRITABLE = ["GLOBSET.WQ", "LOG.WQ", "TEACHER.WQ"]

    def test_a_child_account_runs_and_logs_a_session_in_a_read_only_folder(self):
        child, group = "nobody", "nogroup"
        gid = grp.getgrnam(group).gr_gid
        for top, dirs, names in os.walk(self.folder):
            for n in dirs + names:
                os.lchown(os.path.join(top, n), 0, 0)
        os.chown(self.folder, 0, 0)
        os.chmod(self.folder, 0o755)
        for name in self.WRITABLE:
            path = os.path.join(self.folder, name)
            os.chown(path, 0, gid)
            os.chmod(path, 0o664)
        listing = sorted(os.listdir(self.folder))
        self.start("kiv", user=f"{child}:{group}")
        self.sign_in("Finn")
        frame = self.main_window("Words")
        self.answer_typed(self.ONE_WORD[1])
        self.question(lambda a: a.typed() is None)  # right: the next question came
        self.exit_program(frame)
        self.assert_logged("Finn", "Words")
        self.assertEqual(self.globals()["dataDir"], self.folder)  # the first run's record
        self.assertEqual(sorted(os.listdir(self.folder)), listing)
        for name in self.WRITABLE:
            st = os.stat(os.path.join(self.folder, name))
            self.assertEqual((st.st_uid, st.st_gid, st.st_mode & 0o777), (0, gid, 0o664), name)


class WordList:
    """The story reader's word list: the cyan box at the right holding the phrase's words, one
    a line; an entry clicked right stays as an empty line."""

    def __init__(self, screen):
        self.screen = screen
        half = (screen.width // 2, 0, screen.width, screen.height)
        self.box = screen.bounds(cyan, half)
        if self.box and (self.box[2] - self.box[0]) * (self.box[3] - self.box[1]) < 2000:
            self.box = None

    def lines(self):
        """The y ranges of the words still listed, from the top."""
        if not self.box:
            return []
        left, top, right, bottom = self.box
        rows = [y for y in range(top, bottom)
                if self.screen.count(dark, (left + 2, y, right - 2, y + 1)) > 0]
        runs = []
        for y in rows:
            if runs and y == runs[-1][1]:
                runs[-1][1] = y + 1
            else:
                runs.append([y, y + 1])
        return runs

    def flashed(self):
        return self.box is None and self.screen.count(red, (self.screen.width // 2, 0,
                                                            self.screen.width,
                                                            self.screen.height)) > 2000


class ZanSessionTest(Sessions):
    STORY, PAGES, OTHER = "10MUD", 6, "12BATEAU"

    def margin_spot(self, frame, top, height):
        """The middle of a button's place in the reader's margin, given by its top and height
        in the reader's design units (its 6630 run from the menu bar's foot to the window's)."""
        x, y, _, h = self.desktop.geometry(frame)
        screen = self.desktop.grab()
        bar = screen.pixel(3, y + 2)
        reader = next(row for row in range(y + 2, y + h) if screen.pixel(3, row) != bar)
        scale = (y + h - reader) / 6630
        return x + 20, int(reader + (top + height / 2) * scale)

    def page_read(self, frame, screen):
        """Next or, on the last page, Start shows at the margin's foot (bare, it is light
        yellow)."""
        r, g, b = screen.pixel(*self.margin_spot(frame, 4950, 1665))
        return not (r > 240 and g > 240 and b < 235)

    def read_page(self, frame, wrong_click=False):
        """Clicks the listed words from the top until the page is read: Next or, on the last
        page, Start shows in their place at the margin's foot (the bare margin is light
        yellow)."""
        def state():
            screen = self.desktop.grab()
            return WordList(screen).lines() or (self.page_read(frame, screen) and "read")

        while True:
            lines = self.wait_until(state, "the words or the page's end", 10)
            if lines == "read":
                return
            box = WordList(self.desktop.grab()).box
            if wrong_click and len(lines) >= 2:
                wrong_click = False
                # The page's sounds ended first, so that the click sounds alone.
                self.wait_until(self.audio.quiet, "the page's sounds to end")
                taken = len(self.audio.data()) // 8 * 8  # whole stereo frames
                self.desktop.click((box[0] + box[2]) // 2, (lines[1][0] + lines[1][1]) // 2)
                # The red flash lasts 0.3 s, less than a busy machine may take to grab the
                # screen: its picture is kept when caught; the click sound, which lasts in
                # the played output, is what must come.
                flash = self.desktop.wait_for(
                    lambda: (s := self.desktop.grab()) and WordList(s).flashed() and s, 1.5)
                if flash:
                    self.keep(flash, "wrong-word")
                click = os.path.join(self.folder, "WAVS", "CLICK.WAV")
                self.wait_until(lambda: heard(self.audio.data()[taken:], click),
                                "the wrong word's click")
                self.wait_screen(lambda s: WordList(s).lines(), 5, what="the list back")
                continue
            before = self.desktop.grab().rgb
            self.desktop.click((box[0] + box[2]) // 2, (lines[0][0] + lines[0][1]) // 2)
            self.wait_until(lambda: self.desktop.grab().rgb != before, "the click's answer", 5)

    def test_a_child_reads_a_story_to_its_end_and_opens_another(self):
        self.admin("globals", self.folder, "set", "userMode=3")
        own = os.path.join(self.folder, "BEN.WQ")
        if not os.path.exists(own):
            shutil.copyfile(os.path.join(self.folder, "TEACHER.WQ"), own)
        self.admin("settings", own, "set", f"zanStory={self.STORY}")
        self.start("zan")
        self.sign_in("Ben")
        frame = self.main_window("Phrases")
        # The story of the child's own settings file: its title page is spoken.
        title = os.path.join(self.folder, "WAVS", self.STORY, "SNT01.WAV")
        self.wait_until(lambda: heard(self.audio.data(), title), "the story's title spoken")
        for page in range(1, self.PAGES + 1):
            if page > 1:  # Next, which hides until the new page's phrases are read
                self.desktop.key("alt+n", window=frame)
                self.wait_screen(lambda s: not self.page_read(frame, s), 5, what=f"page {page}")
            self.read_page(frame, wrong_click=page == 2)
            if page == 2:
                self.shot("page-read")
        self.shot("last-page")
        # The last word said to its end, so that the next story's title sounds alone.
        self.wait_until(self.audio.quiet, "the last word to end")
        # Book, clicked: on the last page Back is shown too, and Alt+B, which both their
        # captions underline, only moves the focus between the two.
        self.desktop.click(*self.margin_spot(frame, 1650, 1665))
        chooser = self.desktop.wait_window("^Choose a story$")
        self.assertIsNotNone(chooser, "no chooser")
        self.shot("chooser")
        self.desktop.key("Down", "Return", window=chooser)  # the next story in name order
        sentence = os.path.join(self.folder, "WAVS", self.OTHER, "SNT01.WAV")
        self.wait_until(lambda: heard(self.audio.data(), sentence), "the other story's title")
        self.shot("other-story")
        self.exit_program(frame)
        self.assert_logged("Ben", "Phrases")


class OwnWordListTest(KivSessions):
    """A teacher's own list, of words the sample library has recordings for and words it has
    not: wqadmin finds the missing ones and records them, then the activity offers the list and
    says every word of it."""
    RECORDED = ["frog", "moon", "kite", "pond"]
    NEW = ["zebra", "violin", "garden", "button", "rocket", "pencil"]

    def recordings(self, *args):
        return subprocess.run([self.wqadmin, "recordings", self.folder, "0033TO40.TXT", *args],
                              capture_output=True, text=True)

    def test_a_new_list_gets_its_missing_recordings_and_every_word_is_heard(self):
        words = self.RECORDED + self.NEW
        self.write("WORDLIST/0033TO40.TXT",
                   ("*WORDLIST*\r\n* Our own words\r\n" + ", ".join(words) + "\r\n").encode())
        sounds = os.path.join(self.folder, "WAVS", "WDS")
        before = set(os.listdir(sounds))
        r = self.recordings()
        self.assertNotEqual(r.returncode, 0, r.stdout)
        self.assertIn("6 of 10 words have no recording: " + ", ".join(self.NEW), r.stdout)
        r = self.recordings("--make")
        self.assertEqual(r.returncode, 0, r.stdout + r.stderr)
        self.assertIn("Made 6, left 4.", r.stdout)
        self.assertEqual(set(os.listdir(sounds)) - before, {f"{w.upper()}.WAV" for w in self.NEW})
        self.assertEqual(self.recordings().returncode, 0)

        self.admin("globals", self.folder, "set", "userMode=0")
        self.admin("settings", os.path.join(self.folder, "TEACHER.WQ"), "set",
                   f"kivOptions={kiv_options(2)}", "kivWordlist=0001TO24")
        self.start("kiv")
        frame = self.main_window("Words")
        self.wait_activity()  # File > Open is the activity's, merged once it has opened
        self.menu("alt+f", "o", window=frame)
        chooser = self.desktop.wait_window("^Choose a wordlist$")
        self.assertIsNotNone(chooser, "no chooser")
        # Books 1 to 16, Books 1 to 24 (chosen now), Books 17 to 32, Books 33 to 40, ...
        self.desktop.key("Down", "Down", window=chooser)
        self.shot("chooser")
        self.desktop.key("Return", window=chooser)
        # Each change of the answer style asks a new word (never the one just asked), said as
        # it comes, once the word before has been said to its end; the next change waits for
        # that.
        paths = {w: os.path.join(sounds, f"{w.upper()}.WAV") for w in words}
        unheard = set(words)
        for change in range(60):
            shown = self.question(lambda a: a.shown_word())
            taken = len(self.audio.data())
            self.menu("alt+a", "2" if change % 2 else "3", window=frame)  # from 2 choices
            self.question(lambda a: a.shown_word() not in (None, shown))
            self.wait_until(lambda: self.audio.sounded_since(taken) and self.audio.quiet(),
                            "the word said")
            if change % 5 == 4:
                output = self.audio.data()
                unheard = {w for w in unheard if not heard(output, paths[w])}
                if not unheard:
                    break
        self.exit_program(frame)
        output = self.audio.data()
        unheard = {w for w in unheard if not heard(output, paths[w])}
        self.assertEqual(unheard, set(), "words never heard")
        # A word of neither list: the search finds only what was played.
        self.assertFalse(heard(output, os.path.join(sounds, "WINDOW.WAV")))


class PasswordAtSignInTest(Sessions):
    def test_a_wrong_password_goes_back_to_the_names_then_the_right_one_signs_in(self):
        self.admin("globals", self.folder, "set", "password=OWL7")
        self.start("kiv")
        self.sign_in("Teacher")
        self.wait_screen(password_box, what="the password box")
        self.desktop.type("owl")
        self.desktop.key("Return")
        box = self.desktop.wait_window("^Password$", 10)
        self.assertIsNotNone(box, "no Wrong password message")
        self.shot("wrong-password")
        self.desktop.key("Return", window=box)
        # Back to the names, the program still running and no activity; Teacher still chosen.
        self.wait_screen(lambda s: not password_box(s), what="the password box to go")
        self.wait_sign_in()
        self.desktop.key("Home", "Return")
        self.assertIsNone(self.proc.poll(), "the program ended with the message")
        self.assertIsNone(self.desktop.wait_main_window("Words", 0.2))
        self.wait_screen(password_box, what="the password box again")
        self.desktop.type("owl7")
        self.desktop.key("Return")
        frame = self.main_window("Words")
        self.wait_activity()  # a session to log: the activity has opened
        self.exit_program(frame)
        self.assert_logged("Teacher", "Words")


class RecoveryTest(Sessions):
    def test_a_moved_data_directory_is_found_again_and_kept(self):
        library = os.path.join(os.path.dirname(self.folder), "library")
        os.makedirs(library)
        for part in DATA_PARTS:
            os.rename(os.path.join(self.folder, part), os.path.join(library, part))
        self.admin("globals", self.folder, "set", f"dataDir={library}")
        moved = os.path.join(os.path.dirname(self.folder), "moved")
        os.rename(library, moved)
        self.start("kiv")
        self.sign_in("Chloe")
        frame = self.main_window("Words")
        first = self.wait_recovery_dialog(frame)
        self.shot("recovery")
        # Details hides itself and shows the directory box, which takes the focus. The dialog
        # is 7200 by 5400 design units; the button's left end is at 2632 + 150, 4680 + 247.
        x, y, w, _ = self.desktop.geometry(first)
        f = w / 7200
        spot = (int(x + 2782 * f), int(y + 4927 * f))
        self.press_until(["alt+d"], lambda: self.desktop.grab().pixel(*spot) == (255, 255, 255),
                         "the details", window=first)
        self.shot("details")
        self.desktop.key("ctrl+a")
        self.desktop.type(moved.lower())
        self.desktop.key("Return")  # as Try again
        # The dialog waits into the next second, the activity looks again and finds the data
        # there: the success question, whose Yes keeps the place.
        success = self.wait_recovery_dialog(frame, other_than=first)
        self.shot("success")
        self.desktop.key("alt+y", window=success)
        self.wait_until(lambda: self.globals()["dataDir"] == moved.upper(),
                        "the new data directory in GLOBSET.WQ")
        self.wait_activity()
        self.exit_program(frame)
        self.assert_logged("Chloe", "Words")


class DamagedFilesTest(Sessions):
    def files(self):
        found = {}
        for top, _, names in os.walk(self.folder):
            for n in names:
                path = os.path.join(top, n)
                if not os.path.islink(path):
                    with open(path, "rb") as f:
                        found[os.path.relpath(path, self.folder)] = f.read()
        return found

    def run_to_fatal(self, program, sign_in=None):
        before = self.files()
        self.start(program)
        if sign_in:
            self.sign_in(sign_in)
        box = self.message_box("Words" if program == "kiv" else "Phrases")
        self.shot("fatal")
        self.desktop.key("Return", window=box)
        self.assertEqual(self.wait_exit(), 1)
        after = self.files()
        self.assertEqual(set(before), set(after), "files were added or removed")
        return {name for name in before if before[name] != after[name]}

    def test_an_empty_user_list_ends_the_program(self):
        self.write("USERS.WQ", b"")
        changed = self.run_to_fatal("kiv")
        self.assertEqual(changed, {"GLOBSET.WQ"})  # the first run's data directory
        self.assertEqual(self.globals()["dataDir"], self.folder)

    def test_a_story_with_a_bad_header_ends_the_reader_and_its_session_is_logged(self):
        story = self.read("DATA/25SAMPLE.DAT")
        self.assertTrue(story.startswith(b"VELMOOR DATA FILE."))
        self.write("DATA/25SAMPLE.DAT", b"X" + story[1:])
        changed = self.run_to_fatal("zan", sign_in="Dev")
        self.assertEqual(changed, {"GLOBSET.WQ", "LOG.WQ"})
        self.assert_logged("Dev", "Phrases")


class TwoProgramsTest(Sessions):
    def test_both_sessions_are_logged_when_both_programs_end_together(self):
        self.admin("globals", self.folder, "set", "userMode=0")
        # A program logs a session once its child window has opened: each is waited for, so
        # that an exit on a busy machine never comes before there is a session to log.
        kiv = self.start("kiv")
        kiv_frame = self.main_window("Words")
        self.wait_activity()
        zan = self.start("zan")
        zan_frame = self.main_window("Phrases")
        self.wait_page()
        log = os.path.join(self.folder, "LOG.WQ")
        with open(log, "rb+") as held:
            # While the test holds the log's lock, both programs wait for it at their exit;
            # let go, they write at the same moment.
            fcntl.lockf(held, fcntl.LOCK_EX)
            for frame in (kiv_frame, zan_frame):
                self.menu("alt+f", "x", window=frame)
            waiting = self.desktop.wait_for(lambda: lock_waiters(log) >= 2, 15)
            if not waiting:
                self.shot("not-waiting")
                self.record_state(kiv, zan)
            fcntl.lockf(held, fcntl.LOCK_UN)
        self.assertTrue(waiting, "the programs did not both wait for the log")
        self.assertEqual(self.wait_exit(kiv), 0)
        self.assertEqual(self.wait_exit(zan), 0)
        entries = log_entries(self.read("LOG.WQ"), "Unknown")
        self.assertEqual(sorted(e.split()[0] for e in entries if e.startswith("   ")),
                         ["Phrases", "Words"], entries)


    def record_state(self, *programs):
        """Where each program stands, for a failure's output: its threads' kernel waits."""
        for p in programs:
            print(f"process {p.pid}: exit status {p.poll()}")
            for task in sorted(glob.glob(f"/proc/{p.pid}/task/*")):
                try:
                    with open(f"{task}/comm") as c, open(f"{task}/wchan") as w:
                        print(f"  {os.path.basename(task)} {c.read().strip()} {w.read()}")
                except OSError:
                    pass
        with open("/proc/locks") as f:
            print(f.read())


def lock_waiters(path):
    """How many processes wait for a lock on the file (the "->" lines of /proc/locks)."""
    inode = os.stat(path).st_ino
    with open("/proc/locks") as f:
        return sum(1 for line in f if "->" in line and line.split()[-3].endswith(f":{inode}"))


def password_box(screen):
    return screen.count(lambda r, g, b: (r, g, b) == (255, 0, 0)) > 20000


if __name__ == "__main__":
    unittest.main(verbosity=2)
