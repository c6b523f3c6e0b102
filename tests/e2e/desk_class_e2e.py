"""The teacher's desk in its real window: a new class (made as `wqadmin init --programs` makes
it) given five children, one with an accented name, a password and sign-in mode 1, all by
keyboard; bad input tried in every field gets a message and changes nothing; a folder another
account owns is refused with a message and left as it was. Screenshots of both pages at 800x600
and 1280x1024 go to the output folder.

Run: python3 desk_class_e2e.py"""
import json
import os
import subprocess
import sys
import tempfile
import unittest

sys.path.insert(0, os.path.dirname(__file__))
from desktop import DesktopTest, remove  # noqa: E402
from sample_run_e2e import snapshot  # noqa: E402

BUILD = os.path.abspath(os.environ.get("KZ_BUILD_DIR",
                                       os.path.join(os.path.dirname(__file__), "../../build")))
WQADMIN = os.path.join(BUILD, "src", "tools", "wqadmin")
DESK = os.path.join(BUILD, "src", "desk", "desk")
CHILDREN = ["Sam", "Zoë", "Ann", "Max", "Mia"]


def names(folder):
    return subprocess.run([WQADMIN, "users", folder, "list"], capture_output=True, encoding="utf-8",
                          check=True).stdout.splitlines()


def globals_of(folder):
    return json.loads(subprocess.run([WQADMIN, "globals", folder], capture_output=True,
                                     encoding="utf-8", check=True).stdout)


class DeskSession(DesktopTest):
    build = BUILD

    def setUp(self):
        self.scratch = tempfile.mkdtemp(prefix="kz-e2e-desk-")
        os.chmod(self.scratch, 0o755)
        self.folder = os.path.join(self.scratch, "class")
        subprocess.run([WQADMIN, "init", self.folder, "--programs", "--from",
                        os.path.join(BUILD, "stage")], check=True, capture_output=True)
        # The desk's own settings (last folder, window size) stay in the scratch folder.
        self.desktop.env["XDG_CONFIG_HOME"] = os.path.join(self.scratch, "config")
        # xdotool types "Zoë" only in a UTF-8 locale, which CTest's environment may lack.
        self.desktop.env["LC_ALL"] = "C.UTF-8"
        self.procs = []

    def tearDown(self):
        for proc in self.procs:
            if proc.poll() is None:
                proc.kill()
                proc.wait()
        remove(self.scratch)

    def open_desk(self, *args, user=None):
        self.proc = self.desktop.start(DESK, *args, user=user, output=os.path.join(
            self.output, f"{self.name()}-desk.txt"))
        self.procs.append(self.proc)
        return self.proc

    def desk_window(self):
        found = self.desktop.wait_for(lambda: self.desktop.windows("^Teacher's Desk - "), 20)
        if not found:
            self.shot("no-desk")
            self.fail("no desk window")
        return found[0]

    def dialog(self, title):
        found = self.desktop.wait_for(lambda: self.desktop.windows(f"^{title}$"), 60)
        if not found:
            self.shot("no-dialog")
            self.fail(f"no window {title}")
        return found[0]

    def gone(self, window):
        self.wait_until(lambda: window not in self.desktop.windows("."), f"{window} to close")

    def add_child(self, window, name):
        """Alt+A opens the input dialog; the name is typed and Return pressed."""
        self.desktop.key("alt+a", window=window)
        box = self.dialog("Add a child")
        self.desktop.type(name, window=box)
        self.desktop.key("Return", window=box)
        self.gone(box)

    def refused(self, what, caption):
        """The message box of a refusal: its text is there; Return closes it."""
        box = self.dialog(caption)
        self.shot(f"refused-{what}")
        self.desktop.key("Return", window=box)
        self.gone(box)


class DeskClassTest(DeskSession):
    size = (800, 600)

    def test_a_class_set_up_by_keyboard(self):
        self.open_desk(self.folder)
        window = self.desk_window()
        for i, name in enumerate(CHILDREN):
            self.add_child(window, name)
            self.wait_until(lambda: names(self.folder)[1:] == CHILDREN[:i + 1],
                            f"{name} in the list")
        self.shot("children")

        before = snapshot(self.folder)
        for what, name in (("too-long", "Abcdefghijklmnopq"), ("unstorable", "Łukasz"),
                           ("duplicate", "Sam"), ("empty", " ")):
            self.add_child(window, name)
            self.refused(what, "Children")
            self.assertEqual(snapshot(self.folder), before, what)

        shown = self.desktop.grab().rgb
        self.desktop.key("alt+s", window=window)  # the Class settings page
        self.wait_screen(lambda s: s.rgb != shown, what="the Class settings page")
        self.desktop.key("alt+r", window=window)  # its password
        self.desktop.type("OWL7", window=window)
        self.desktop.key("alt+n", window=window)  # the sign-in
        self.desktop.key("Down", window=window)   # children pick their name
        self.desktop.key("alt+v", window=window)  # save
        self.wait_until(lambda: globals_of(self.folder)["password"] == "OWL7" and
                        globals_of(self.folder)["userMode"] == 1, "the settings saved")
        self.shot("settings")

        before = snapshot(self.folder)
        for what, text in (("password-too-long", "ABCDEFGHI"), ("password-sign", "OWL-7"),
                           ("data-folder-missing", "/no/such/folder")):
            field = "alt+d" if what.startswith("data") else "alt+r"
            self.desktop.key(field, "ctrl+a", window=window)
            self.desktop.type(text, window=window)
            self.desktop.key("alt+v", window=window)
            self.refused(what, "Class settings")
            self.assertEqual(snapshot(self.folder), before, what)
            self.desktop.key("alt+u", window=window)  # undo the change

        self.desktop.key("ctrl+q", window=window)
        self.assertEqual(self.wait_exit(), 0)
        self.assertEqual(snapshot(self.folder), before)
        self.assertEqual(names(self.folder), ["Teacher"] + CHILDREN)

    def test_another_accounts_class_is_refused(self):
        """Run as "nobody", the desk may read the class but not change it: a message, and the
        folder stays as it was."""
        os.chmod(self.folder, 0o755)
        before = snapshot(self.folder)
        self.open_desk(self.folder, user="nobody:nogroup")
        box = self.dialog("Teacher's Desk")
        self.shot("refused")
        self.desktop.key("Return", window=box)
        self.assertEqual(self.wait_exit(), 1)
        self.assertEqual(snapshot(self.folder), before)


class DeskLargeScreenTest(DeskSession):
    size = (1280, 1024)

    def test_pages_on_a_large_screen(self):
        subprocess.run([WQADMIN, "users", self.folder, "add", "Zoë"], check=True,
                       capture_output=True)
        self.open_desk(self.folder)
        window = self.desk_window()
        self.shot("children")
        shown = self.desktop.grab().rgb
        self.desktop.key("alt+s", window=window)
        self.wait_screen(lambda s: s.rgb != shown, what="the Class settings page")
        self.shot("settings")
        self.desktop.key("ctrl+q", window=window)
        self.assertEqual(self.wait_exit(), 0)


if __name__ == "__main__":
    unittest.main()
