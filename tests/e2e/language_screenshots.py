"""Screenshots of every translated window in each language at 640x480 and 1280x1024, for looking
at whether the texts still fit (German runs long): the sign-in, the activity with a typed answer
and with choices, the frog at a set's end, every menu, the choosers, the help window, the About
box, the password box and its message, the settings windows with their menus and name lists, the
reader's page, and the messages of a start that cannot go on. Not a test: it keeps the pictures
in the output folder (KZ_E2E_OUTPUT, else build/e2e-output), out of the repository.

  python3 tests/e2e/language_screenshots.py            all languages and sizes
  python3 tests/e2e/language_screenshots.py German640  one of them"""
import os
import subprocess
import sys
import tempfile
import unittest

sys.path.insert(0, os.path.dirname(__file__))
from language_e2e import DESKTOP_LANGUAGE, LANGUAGES  # noqa: E402
from sessions_e2e import BUILD, Activity, KivSessions, kiv_options, password_box  # noqa: E402

# The Alt keys of the menus in each language (the underlined letters): Kiv's activity has them
# all, the reader has file, settings and help, and the settings windows file and help.
MENU_KEYS = {
    "fr": dict(file="alt+f", questions="alt+q", answers="alt+r", settings="alt+e", help="alt+d"),
    "es": dict(file="alt+a", questions="alt+p", answers="alt+r", settings="alt+u", help="alt+y"),
    "de": dict(file="alt+d", questions="alt+f", answers="alt+a", settings="alt+e", help="alt+l"),
}


class LanguageShots(KivSessions):
    language = None

    @classmethod
    def setUpClass(cls):
        super().setUpClass()
        for name in DESKTOP_LANGUAGE:
            cls.desktop.env.pop(name, None)
        # The programs alone get the language; xdotool matches the titles' letters in a UTF-8
        # locale this machine has.
        cls.desktop.env["LANG"] = "C.UTF-8"
        cls.program_env = {"LANG": LANGUAGES[cls.language]["lang"]}

    def name(self):
        return f"lang-{self.language}-{self.size[0]}x{self.size[1]}-" + super().name()

    def title(self, window):
        """The window's title as the program set it (_NET_WM_NAME, UTF-8)."""
        out = subprocess.run(["xprop", "-id", window, "_NET_WM_NAME"], env=self.desktop.env,
                             capture_output=True).stdout.decode("utf-8")
        return out.split(" = ", 1)[1].strip().strip('"') if " = " in out else ""

    def main_window(self, caption):
        """The main window: as wide as the screen, its title the caption, then " - " and what
        is loaded (read from the program's own title, as xdotool misses accented letters)."""
        return self.wait_until(lambda: [
            w for w, _, _, width, _ in self.program_windows()
            if width >= 0.9 * self.desktop.width and self.title(w).split(" - ")[0] == caption],
            f"the main window {caption}", 20)[0]

    @property
    def keys(self):
        return MENU_KEYS[self.language]

    def windows_shown(self):
        return {w for w, *_ in self.program_windows()}

    def shot_new_window(self, moment, before, close=("Escape",)):
        """Waits for a window the program did not show before, keeps a picture of the screen
        and closes it with the keys given."""
        new = self.wait_until(lambda: self.windows_shown() - before, f"the {moment}")
        self.shot(moment)
        if close:
            self.desktop.key(*close)
            self.wait_until(lambda: not (self.windows_shown() & new), f"the {moment} gone")
        return new

    def shot_menu(self, key, moment, frame, then=()):
        """Opens a menu by its Alt key (then the keys given, such as a submenu's), keeps a
        picture and closes it."""
        before = self.windows_shown()
        self.desktop.key(key, window=frame)
        self.wait_until(lambda: self.windows_shown() - before, f"the menu {moment}", 5)
        if then:
            opened = self.windows_shown()
            self.desktop.key(*then)
            self.wait_until(lambda: self.windows_shown() - opened, f"the submenu {moment}", 5)
        self.shot(f"menu-{moment}")
        self.desktop.key("Escape", "Escape", "Escape")
        self.wait_until(lambda: self.windows_shown() <= before, f"the menu {moment} gone", 5)

    def open_from_menu(self, key, moment, frame, items=("Return",), close=("Escape",)):
        """Picks a menu item by the arrow keys (the first item is highlighted as the menu
        opens) and keeps a picture of the window it opens."""
        before = self.windows_shown()
        self.desktop.key(key, window=frame)
        menu = self.wait_until(lambda: self.windows_shown() - before, f"the menu for {moment}",
                               5)
        self.desktop.key(*items)
        self.wait_until(lambda: not (self.windows_shown() & menu), "the menu gone", 5)
        return self.shot_new_window(moment, before, close)

    def help_and_about(self, frame):
        self.open_from_menu(self.keys["help"], "help", frame)
        self.open_from_menu(self.keys["help"], "about", frame, items=("Up", "Return"),
                            close=("Return",))

    def settings_window(self, frame, w, name_lists=False):
        """The password box, the message of a wrong password, then the settings with their
        menus, their help and About, and with name_lists (a class of own settings, userMode 3)
        the name lists of File > Open and Save As."""
        self.menu(self.keys["settings"], w["alter_item"], window=frame)
        self.wait_screen(password_box, what="the password box")
        self.shot("password")
        before = self.windows_shown()
        self.desktop.type("abc")
        self.desktop.key("Return")
        self.shot_new_window("wrong-password", before, close=("Return",))
        self.menu(self.keys["settings"], w["alter_item"], window=frame)
        self.wait_screen(password_box, what="the password box again")
        self.desktop.type("owl7")
        self.desktop.key("Return")
        # The settings open in the main window, which names them after the program's caption.
        self.wait_until(lambda: self.title(frame).endswith(f" - {w['settings']}"),
                        "the settings in the main window")
        self.shot("settings")
        self.shot_menu(MENU_KEYS[self.language]["file"], "settings-file", frame)
        self.shot_menu(MENU_KEYS[self.language]["help"], "settings-help", frame)
        if name_lists:
            self.open_from_menu(self.keys["file"], "settings-open", frame)
            self.open_from_menu(self.keys["file"], "settings-save-as", frame,
                                items=("Down", "Down", "Return"))
        self.help_and_about(frame)

    def exit_by_file_menu(self, frame, w):
        """File > Exit leaves the settings, then the program."""
        for _ in range(2):
            self.menu(self.keys["file"], w["exit_item"], window=frame)
            if self.desktop.wait_for(lambda: self.proc.poll() is not None, 10):
                break
        self.wait_exit()

    def test_kiv(self):
        w = LANGUAGES[self.language]
        self.admin("globals", self.folder, "set", "password=OWL7")
        self.admin("settings", os.path.join(self.folder, "TEACHER.WQ"), "set",
                   f"kivOptions={kiv_options(1, pads=3)}", f"kivWordlist={self.ONE_WORD[0]}")
        self.start("kiv")
        self.wait_sign_in()
        self.shot("sign-in")
        self.sign_in("Ella")
        frame = self.main_window(w["words"])
        self.wait_activity()
        word = self.ONE_WORD[1]
        self.question(lambda a: a.typed() is None)
        self.type_letter(word[0], lambda a: a.typed() == "black")
        self.desktop.type(word[1:3])
        self.shot("activity-typing")
        self.desktop.type(word[3:])
        for _ in range(2):
            self.answer_typed(word)
        self.wait_screen(lambda s: Activity(s).next_shown(), 10, what="Next at the set's end")
        self.shot("frog-set-complete")
        for menu in ("file", "questions", "answers", "settings", "help"):
            self.shot_menu(self.keys[menu], menu, frame)
        self.shot_menu(self.keys["questions"], "questions-show-for", frame, then=("Up", "Right"))
        # Enter presses Next, which has the focus at a set's end; then four choices.
        self.desktop.key("Return", window=frame)
        self.wait_screen(lambda s: not Activity(s).next_shown(), 10, what="the next set")
        self.menu(self.keys["answers"], "4", window=frame)
        # The list holds one word, so its choices are that word alone.
        self.question(lambda a: a.choices_shown())
        self.shot("activity-choices")
        self.open_from_menu(self.keys["file"], "word-list-chooser", frame)
        self.help_and_about(frame)
        self.settings_window(frame, w)
        self.exit_by_file_menu(frame, w)

    def test_zan(self):
        w = LANGUAGES[self.language]
        self.admin("globals", self.folder, "set", "password=OWL7", "userMode=3")
        self.start("zan")
        self.sign_in("Ben")
        frame = self.main_window(w["phrases"])
        self.wait_page()
        self.shot("page")
        for menu in ("file", "settings", "help"):
            self.shot_menu(self.keys[menu], menu, frame)
        self.open_from_menu(self.keys["file"], "story-chooser", frame)
        self.help_and_about(frame)
        self.settings_window(frame, w, name_lists=True)
        self.exit_by_file_menu(frame, w)

    def test_start_that_cannot_go_on(self):
        """A missing settings file ends the program with one message; a missing data folder
        brings up the recovery dialog."""
        settings = os.path.join(self.folder, "GLOBSET.WQ")
        os.rename(settings, settings + ".gone")
        self.start("kiv")
        self.shot_new_window("fatal-no-settings", set(), close=("Return",))
        self.wait_exit()
        os.rename(settings + ".gone", settings)
        os.rename(os.path.join(self.folder, "DATA"), os.path.join(self.folder, "DATA.gone"))
        self.start("zan")
        self.sign_in("Ben")
        frame = self.main_window(LANGUAGES[self.language]["phrases"])
        self.wait_recovery_dialog(frame)
        self.shot("recovery")

    def test_dialogs(self):
        shots = tempfile.mkdtemp(prefix="kz-shots-")
        subprocess.run([os.path.join(BUILD, "tests", "ui", "dialog_gallery"), shots,
                        f"{self.size[0]}x{self.size[1]}", os.path.join(BUILD, "stage"),
                        self.language, os.path.join(BUILD, "translations")],
                       env=self.desktop.env, check=True)
        for picture in os.listdir(shots):
            os.replace(os.path.join(shots, picture),
                       os.path.join(self.output, f"lang-{self.language}-{picture}"))
        os.rmdir(shots)


for title, code in (("French", "fr"), ("Spanish", "es"), ("German", "de")):
    for width, height in ((640, 480), (1280, 1024)):
        name = f"{title}{width}"
        globals()[name] = type(name, (LanguageShots,), dict(language=code, size=(width, height)))
del LanguageShots

if __name__ == "__main__":
    unittest.main(verbosity=2)
