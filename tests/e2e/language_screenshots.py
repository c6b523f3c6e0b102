"""Screenshots of every translated window in each language at 640x480 and 1280x1024, for looking
at whether the texts still fit (German runs long). Not a test: it keeps the pictures in the
output folder (KZ_E2E_OUTPUT, else build/e2e-output), out of the repository.

  python3 tests/e2e/language_screenshots.py            all languages and sizes
  python3 tests/e2e/language_screenshots.py German640  one of them"""
import os
import subprocess
import sys
import tempfile
import unittest

sys.path.insert(0, os.path.dirname(__file__))
from language_e2e import DESKTOP_LANGUAGE, LANGUAGES  # noqa: E402
from sessions_e2e import BUILD, KivSessions, password_box  # noqa: E402

# The keys of Kiv's Questions and Answers menus.
MENU_KEYS = {"fr": ("alt+q", "alt+r"), "es": ("alt+p", "alt+r"), "de": ("alt+f", "alt+a")}


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

    def open_settings(self, frame, w):
        self.menu(w["settings_menu"], w["alter_item"], window=frame)
        self.wait_screen(password_box, what="the password box")
        self.shot("password")
        self.desktop.type("owl7")
        self.desktop.key("Return")
        settings = self.desktop.wait_window(f"^{w['settings']}$", 15)
        self.assertIsNotNone(settings)
        self.shot("settings")
        self.desktop.key("Escape", window=settings)
        self.wait_until(lambda: not self.desktop.windows(f"^{w['settings']}$"), "settings gone")

    def test_kiv(self):
        w = LANGUAGES[self.language]
        self.admin("globals", self.folder, "set", "password=OWL7")
        self.start("kiv")
        self.wait_sign_in()
        self.shot("sign-in")
        self.sign_in("Ella")
        frame = self.main_window(w["words"])
        self.wait_activity()
        self.shot("activity")
        for key in MENU_KEYS[self.language]:
            self.desktop.key(key, window=frame)
            self.desktop.wait_for(lambda: len(self.program_windows()) > 1, 5)
            self.shot(f"menu-{key}")
            self.desktop.key("Escape")
            self.desktop.wait_for(lambda: len(self.program_windows()) == 1, 5)
        self.open_settings(frame, w)
        self.wait_activity()
        self.menu(w["file_menu"], w["exit_item"], window=frame)
        self.wait_exit()

    def test_zan(self):
        w = LANGUAGES[self.language]
        self.admin("globals", self.folder, "set", "password=OWL7")
        self.start("zan")
        self.sign_in("Ben")
        frame = self.main_window(w["phrases"])
        self.wait_page()
        self.shot("page")
        self.open_settings(frame, w)
        self.wait_page()
        self.menu(w["file_menu"], w["exit_item"], window=frame)
        self.wait_exit()

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
