"""The installed package at work, as a class uses it: a classroom folder made with
`wqadmin init --programs`, each program started from it by a user who may not write the
installation, to its main window and out again, its settings and log landing in the classroom;
and the installed programs started directly, read-only, without a sign-in.
Run by scripts/package-test.sh as root once the package is installed:
    python3 package_e2e.py [INSTALLED]   (default /opt/kiv-zan)"""
import os
import pwd
import re
import shutil
import subprocess
import sys
import tempfile
import unittest

sys.path.insert(0, os.path.dirname(__file__))
from desktop import Desktop, sign_in_shown, yellow  # noqa: E402

INSTALLED = sys.argv[1] if len(sys.argv) > 1 else "/opt/kiv-zan"
WQADMIN = "wqadmin"  # the package's link on the PATH, as a teacher types it
PUPIL = "nobody"  # an account that may write nothing of the installation
TEACHER_UID = 4343  # the teacher's account: owns the class, may write nothing installed


class DisplayOfItsOwn(Desktop):
    """Xvfb on a display number it picks itself (-displayfd), with openbox; the programs, run as
    another account, get no runtime folder of root's."""

    def __init__(self, width, height):
        super().__init__(width, height)
        self.display = None  # never KZ_DISPLAY: the package test may run beside the sessions

    def __enter__(self):
        super().__enter__()
        self.env.pop("XDG_RUNTIME_DIR", None)
        return self


def admin(*args):
    r = subprocess.run([WQADMIN, *args], capture_output=True, text=True)
    if r.returncode != 0:
        raise AssertionError(f"wqadmin {' '.join(args)}: {r.stderr}")
    return r.stdout


def as_teacher(*args):
    """wqadmin run by the teacher's own account, as the guide has the teacher type it."""
    r = subprocess.run(["setpriv", f"--reuid={TEACHER_UID}", f"--regid={TEACHER_UID}",
                        "--clear-groups", WQADMIN, *args], capture_output=True, text=True,
                       cwd="/", env=dict(os.environ, HOME="/tmp"))
    if r.returncode != 0:
        raise AssertionError(f"wqadmin {' '.join(args)}: {r.stdout}{r.stderr}")
    return r.stdout


def read(path):
    with open(path, "rb") as f:
        return f.read()


class PackageTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.desktop = DisplayOfItsOwn(640, 480).__enter__()
        cls.home = tempfile.mkdtemp(prefix="kz-pupil-")
        shutil.chown(cls.home, PUPIL)
        cls.desktop.env["HOME"] = cls.home

    @classmethod
    def tearDownClass(cls):
        cls.desktop.__exit__(None, None, None)
        shutil.rmtree(cls.home, ignore_errors=True)

    def setUp(self):
        self.proc = None
        self.room = tempfile.mkdtemp(prefix="kz-class-")
        os.chmod(self.room, 0o755)  # mkdtemp's 0700 would hide the class from nobody else
        os.rmdir(self.room)  # init makes the folder, as for a teacher

    def tearDown(self):
        if self.proc and self.proc.poll() is None:
            self.proc.kill()
            self.proc.wait()
        shutil.rmtree(self.room, ignore_errors=True)

    def start_as_pupil(self, program):
        """Starts the program as PUPIL, by the path given, as a desktop entry starts it."""
        self.proc = subprocess.Popen(
            ["setpriv", f"--reuid={PUPIL}", "--regid=nogroup", "--clear-groups", program],
            env=self.desktop.env, cwd="/", stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)

    def program_windows(self):
        r = subprocess.run(["xdotool", "search", "--onlyvisible", "--pid", str(self.proc.pid)],
                           env=self.desktop.env, capture_output=True, text=True)
        return r.stdout.split()

    def wait_for_screen(self, condition, what, seconds=20):
        if not self.desktop.wait_for(lambda: condition(self.desktop.grab()), seconds):
            self.fail(f"waited in vain for {what}")

    def exit_through_the_file_menu(self, frame, caption):
        # The program opens its word list or story at the first activation: its session has
        # begun once the activity's yellow panel, or the page, shows.
        if caption == "Words":
            self.wait_for_screen(lambda s: s.count(yellow) > 5000, "the word activity")
        else:
            self.wait_for_screen(lambda s: s.count(
                lambda r, g, b: r > 230 and g > 230 and b > 230) > 50000, "the story's page")
        shown = set(self.program_windows())
        for _ in range(3):  # a key lost while a busy machine maps the menu is pressed again
            self.desktop.key("alt+f", window=frame)
            menu = self.desktop.wait_for(lambda: set(self.program_windows()) - shown, 5)
            if not menu:
                continue
            self.desktop.key("x")
            if self.desktop.wait_for(lambda: self.proc.poll() is not None or
                                     not (set(self.program_windows()) & menu), 5):
                break
        try:
            self.assertEqual(self.proc.wait(15), 0)
        except subprocess.TimeoutExpired:
            self.fail("the program did not end")

    def make_classroom(self):
        """A classroom where children sign in and the shared settings name a story the library
        lacks, so that the reader writes the story it falls back to into TEACHER.WQ."""
        admin("init", self.room, "--programs")
        admin("users", self.room, "add", "Sam Lee")
        admin("globals", self.room, "set", "userMode=1")
        admin("settings", os.path.join(self.room, "TEACHER.WQ"), "set", "zanStory=99GONE")
        uid = pwd.getpwnam(PUPIL).pw_uid
        for name in os.listdir(self.room) + ["."]:
            os.lchown(os.path.join(self.room, name), uid, -1)

    def sign_in_and_leave(self, program, caption):
        self.start_as_pupil(os.path.join(self.room, program))
        self.wait_for_screen(sign_in_shown, "the sign-in")
        self.assertIsNone(self.desktop.wait_main_window(caption, 0.5), "no sign-in was asked")
        self.desktop.key("Down", "Down", "Return")  # Teacher, then Sam Lee
        frame = self.desktop.wait_main_window(caption, 20)
        self.assertIsNotNone(frame, f"{program}: no main window after signing in")
        self.exit_through_the_file_menu(frame, caption)

    def test_the_classroom_made_by_wqadmin_has_everything_the_programs_need(self):
        admin("init", self.room, "--programs")
        for name in ("kiv", "zan", "kiv-help.html", "zan-help.html"):
            self.assertEqual(os.readlink(os.path.join(self.room, name)),
                             os.path.join(INSTALLED, name))
        # Every help document in every language finds each of its pictures through the class.
        documents = [name for name in os.listdir(self.room)
                     if re.fullmatch(r"\w+-help(\.\w+)?\.html", name)]
        self.assertEqual(len(documents), 12, documents)
        for document in documents:
            html = read(os.path.join(self.room, document)).decode()
            for picture in re.findall(r'<img\b[^>]*\bsrc="([^"]+)"', html):
                self.assertTrue(os.path.isfile(os.path.join(self.room, picture)),
                                f"{document}: {picture}")
        self.assertIn(f'"dataDir": "{self.room}"', admin("globals", self.room))
        self.assertEqual(os.readlink(os.path.join(self.room, "WORDLIST", "0001TO24.TXT")),
                         os.path.join(INSTALLED, "WORDLIST", "0001TO24.TXT"))
        for entry in ("kiv.desktop", "zan.desktop"):
            r = subprocess.run(["desktop-file-validate", os.path.join(self.room, entry)],
                               capture_output=True, text=True)
            self.assertEqual((r.returncode, r.stdout), (0, ""), entry)
            self.assertIn(f'\nExec="{self.room}/{entry[:3]}"\n',
                          read(os.path.join(self.room, entry)).decode())

    def test_word_activity_from_the_classroom_logs_there(self):
        self.make_classroom()
        self.sign_in_and_leave("kiv", "Words")
        log = read(os.path.join(self.room, "LOG.WQ"))
        self.assertIn(b"Sam Lee", log)
        self.assertIn(b"Words", log)

    def test_story_reader_from_the_classroom_saves_and_logs_there(self):
        self.make_classroom()
        self.sign_in_and_leave("zan", "Phrases")
        log = read(os.path.join(self.room, "LOG.WQ"))
        self.assertIn(b"Sam Lee", log)
        self.assertIn(b"Phrases", log)
        settings = admin("settings", os.path.join(self.room, "TEACHER.WQ"))
        self.assertRegex(settings, '"zanStory": "19MOON *"')  # the first numbered 17 to 32

    def test_the_guides_route_names_then_mode_3_then_a_childs_own_voiced_list(self):
        """As the guide has it, all as the teacher's account: the class, the names, then the
        sign-in mode 3, a list of the teacher's own voiced in the class; then a child signs in
        and plays it."""
        as_teacher("init", self.room, "--programs")
        as_teacher("users", self.room, "add", "Sam Lee")
        made = as_teacher("globals", self.room, "set", "userMode=3")
        self.assertIn("Made 1 settings file", made)
        words = ["zebra", "camel", "otter", "llama"]
        own_list = os.path.join(self.room, "WORDLIST", "0065TO65.TXT")
        with open(own_list, "wb") as f:
            f.write(("*WORDLIST*\r\n" + "\r\n".join(words) + "\r\n").encode())
        os.chown(own_list, TEACHER_UID, TEACHER_UID)
        as_teacher("recordings", self.room, "0065TO65.TXT", "--make")
        for word in words:
            recording = os.path.join(self.room, "WAVS", "WDS", word.upper() + ".WAV")
            self.assertTrue(os.path.isfile(recording) and not os.path.islink(recording), word)
        as_teacher("settings", os.path.join(self.room, "SAMLEE.WQ"), "set",
                   "kivWordlist=0065TO65")
        # The child's account writes the child's settings and the log.
        uid = pwd.getpwnam(PUPIL).pw_uid
        for name in ("SAMLEE.WQ", "LOG.WQ", "GLOBSET.WQ"):
            os.chown(os.path.join(self.room, name), uid, -1)
        self.sign_in_and_leave("kiv", "Words")
        log = read(os.path.join(self.room, "LOG.WQ"))
        self.assertIn(b"Log for Sam Lee", log)
        self.assertIn(b"Words", log)

    def test_installed_programs_start_read_only_without_sign_in(self):
        for program, caption in (("kiv", "Words"), ("zan", "Phrases")):
            with self.subTest(program=program):
                self.start_as_pupil(os.path.join(INSTALLED, program))
                frame = self.desktop.wait_main_window(caption, 20)
                self.assertIsNotNone(frame, f"{program}: no main window")
                self.exit_through_the_file_menu(frame, caption)

    def test_installed_desk_opens_a_class_folder_as_the_teacher(self):
        """The desk as its menu entry starts it, given a class folder: its window, titled with
        the folder, on the teacher's own account; closing it writes nothing in the class."""
        as_teacher("init", self.room, "--programs")
        before = {name: read(os.path.join(self.room, name))
                  for name in ("GLOBSET.WQ", "USERS.WQ", "LOG.WQ")}
        self.proc = subprocess.Popen(
            ["setpriv", f"--reuid={TEACHER_UID}", f"--regid={TEACHER_UID}", "--clear-groups",
             os.path.join(INSTALLED, "desk"), self.room],
            env=dict(self.desktop.env, HOME="/tmp"), cwd="/", stdout=subprocess.DEVNULL,
            stderr=subprocess.DEVNULL)
        window = self.desktop.wait_window(f"^Teacher's Desk - {re.escape(self.room)}$", 20)
        self.assertIsNotNone(window, "no desk window")
        self.desktop.key("ctrl+q", window=window)
        self.assertEqual(self.proc.wait(15), 0)
        for name, content in before.items():
            self.assertEqual(read(os.path.join(self.room, name)), content, name)


if __name__ == "__main__":
    unittest.main(argv=sys.argv[:1], verbosity=2)
