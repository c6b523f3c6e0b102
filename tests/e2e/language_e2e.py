"""Kiv, Zan and the teacher's desk in the class's language, in real windows under Xvfb: the
desktop's LANG chooses it, and a class's LANGUAGE.TXT chooses over LANG. Each session signs in,
opens a menu by its translated keys, meets the settings' password box and the message of a wrong
password, opens the settings and ends by the translated File menu; the titles the windows carry
show the language. The desk is driven by its translated tab and button keys.

One class per language (LANGUAGES below): add a language's words there, and a session to
LanguageSessions to check something more in every language.

Run one language: python3 language_e2e.py FrenchTest"""
import os
import subprocess
import sys
import unittest

sys.path.insert(0, os.path.dirname(__file__))
from sessions_e2e import KivSessions, password_box  # noqa: E402

# What each language's windows say and the keys of its menus (Alt and the underlined letter).
LANGUAGES = {
    "fr": dict(lang="fr_FR.UTF-8", words="Mots", phrases="Phrases", password="Mot de passe",
               settings="Réglages", file_menu="alt+f", exit_item="q", settings_menu="alt+e",
               alter_item="m", desk="Bureau de l'enseignant", settings_tab="alt+r",
               choose_data="alt+o", data_dialog="Le dossier des données"),
    "es": dict(lang="es_ES.UTF-8", words="Palabras", phrases="Frases", password="Contraseña",
               settings="Ajustes", file_menu="alt+a", exit_item="s", settings_menu="alt+u",
               alter_item="c", desk="Mesa del maestro", settings_tab="alt+j",
               choose_data="alt+e", data_dialog="La carpeta de datos"),
    "de": dict(lang="de_DE.UTF-8", words="Wörter", phrases="Sätze", password="Passwort",
               settings="Einstellungen", file_menu="alt+d", exit_item="b", settings_menu="alt+e",
               alter_item="n", desk="Lehrerpult", settings_tab="alt+e", choose_data="alt+l",
               data_dialog="Der Datenordner"),
}
DESKTOP_LANGUAGE = ("LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG")


class LanguageSessions(KivSessions):
    language = None  # a key of LANGUAGES; set by each language's class

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
        # The pictures of each language kept apart.
        return f"{self.language}-{super().name()}"

    @property
    def words(self):
        return LANGUAGES[self.language]

    def title(self, window):
        """The window's title as the program set it (_NET_WM_NAME, UTF-8)."""
        out = subprocess.run(["xprop", "-id", window, "_NET_WM_NAME"], env=self.desktop.env,
                             capture_output=True).stdout.decode("utf-8")
        return out.split(" = ", 1)[1].strip().strip('"') if " = " in out else ""

    def titled(self, title, wide=None, proc=None):
        """The program's visible windows with that title (the main window's before its " - "),
        as wide as the screen or not; found by the program, as xdotool's title search misses
        accented letters in some locales."""
        return [w for w, _, _, width, _ in self.program_windows(proc)
                if (self.title(w).split(" - ")[0] if wide else self.title(w)) == title and
                (wide is None or (width >= 0.9 * self.desktop.width) == wide)]

    def wait_titled(self, title, wide=None, seconds=20):
        return self.wait_until(lambda: self.titled(title, wide), f"a window {title}", seconds)[0]

    def main_window_in(self, caption):
        return self.wait_titled(caption, wide=True)

    def exit_by_file_menu(self, frame, words):
        self.menu(words["file_menu"], words["exit_item"], window=frame)
        self.assertEqual(self.wait_exit(), 0)

    def test_kiv_speaks_the_language_from_the_sign_in_to_the_settings(self):
        w = self.words
        self.admin("globals", self.folder, "set", "password=OWL7")
        self.start("kiv")
        self.sign_in("Ella")
        frame = self.main_window_in(w["words"])
        self.wait_activity()
        self.shot("activity")
        # The settings behind the password, by the language's menu keys; a wrong password first.
        self.menu(w["settings_menu"], w["alter_item"], window=frame)
        self.wait_screen(password_box, what="the password box")
        self.shot("password")
        self.desktop.type("abc")
        self.desktop.key("Return")
        box = self.wait_titled(w["password"], wide=False)
        self.shot("wrong-password")
        self.desktop.key("Return", window=box)
        self.wait_activity()
        self.menu(w["settings_menu"], w["alter_item"], window=frame)
        self.wait_screen(password_box, what="the password box again")
        self.desktop.type("owl7")
        self.desktop.key("Return")
        # The settings open in the main window, which names them after the program's caption.
        self.wait_until(lambda: self.title(frame) == f"{w['words']} - {w['settings']}",
                        "the settings in the main window")
        self.shot("settings")
        # File > Exit leaves the settings, then the program.
        for _ in range(2):
            self.menu(w["file_menu"], w["exit_item"], window=frame)
            if self.desktop.wait_for(lambda: self.proc.poll() is not None, 10):
                break
        self.assertEqual(self.wait_exit(), 0)
        self.assert_logged("Ella", "Words")  # the log stays English

    def test_zan_carries_the_language_in_its_title_and_menus(self):
        w = self.words
        self.start("zan")
        self.sign_in("Ben")
        frame = self.main_window_in(w["phrases"])
        self.wait_page()
        self.shot("page")
        self.exit_by_file_menu(frame, w)
        self.assert_logged("Ben", "Phrases")

    def test_the_desk_speaks_the_language_in_its_title_tabs_and_menus(self):
        w = self.words
        # The desk's own settings (last folder, window size) stay in the scratch folder.
        self.program_env = dict(self.program_env,
                                XDG_CONFIG_HOME=os.path.join(self.scratch, "config"))
        self.start("desk", self.folder)
        desk = self.wait_until(
            lambda: [win for win, *_ in self.program_windows()
                     if self.title(win).startswith(w["desk"] + " - ")], "the desk's window",
            30)[0]
        self.shot("desk")
        # The Class settings tab and its Choose button by their translated keys: the folder
        # dialog carries its translated title.
        self.desktop.key(w["settings_tab"], window=desk)
        self.desktop.key(w["choose_data"], window=desk)
        dialog = self.wait_titled(w["data_dialog"])
        self.shot("desk-data-folder")
        self.desktop.key("Escape", window=dialog)
        self.wait_until(lambda: not self.titled(w["data_dialog"]), "the folder dialog to close")
        self.exit_by_file_menu(desk, w)

    def test_the_class_language_file_chooses_over_the_desktop(self):
        other = next(code for code in LANGUAGES if code != self.language)
        self.write("LANGUAGE.TXT", f"{other}\r\n".encode())
        self.start("kiv")
        self.sign_in("Ella")
        frame = self.main_window_in(LANGUAGES[other]["words"])
        self.wait_activity()
        self.shot("class-language")
        self.assertEqual(self.titled(self.words["words"], wide=True), [])
        self.exit_by_file_menu(frame, LANGUAGES[other])


class FrenchTest(LanguageSessions):
    language = "fr"


class SpanishTest(LanguageSessions):
    language = "es"


class GermanTest(LanguageSessions):
    language = "de"


del LanguageSessions  # run only through the languages' classes

if __name__ == "__main__":
    unittest.main(verbosity=2)
