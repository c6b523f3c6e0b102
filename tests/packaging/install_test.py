"""cmake --install as a user runs it, into folders of the test's own: one self-contained
installation folder whose settings let it run read-only, kept over a reinstall; a classroom made
by the installed wqadmin; and the desktop component naming the installation folder.
    python3 install_test.py BUILD"""
import os
import shutil
import subprocess
import sys
import tempfile
import unittest

BUILD = sys.argv[1]


def run(*args, env=None):
    r = subprocess.run(args, capture_output=True, text=True, env=env)
    if r.returncode != 0:
        raise AssertionError(f"{' '.join(args)}: {r.stdout}{r.stderr}")
    return r.stdout


class InstallTest(unittest.TestCase):
    def setUp(self):
        self.root = tempfile.mkdtemp(prefix="kz-install-")
        self.prefix = os.path.join(self.root, "kiv zan")

    def tearDown(self):
        shutil.rmtree(self.root, ignore_errors=True)

    def install(self, *extra, env=None):
        return run("cmake", "--install", BUILD, "--prefix", self.prefix, *extra, env=env)

    def wqadmin(self, *args):
        return run(os.path.join(self.prefix, "wqadmin"), *args)

    def test_one_folder_that_runs_read_only_and_keeps_its_settings(self):
        self.install()
        for name in ("kiv", "zan", "desk", "wqadmin"):
            path = os.path.join(self.prefix, name)
            self.assertTrue(os.access(path, os.X_OK), name)
            # Nothing leads back into the build: Qt and the rest come from the system.
            dynamic = run("readelf", "-d", path)
            self.assertNotIn(BUILD, dynamic, name)
        for name in ("kiv-help.html", "zan-help.html", "desk-help.html", "kiv-help.fr.html",
                     "zan-help.es.html", "desk-help.de.html", "icons/kiv.svg", "icons/zan.svg",
                     "icons/desk.svg", "share/man/man1/desk.1",
                     "share/man/man1/wqadmin.1", "DATA/25SAMPLE.DAT", "WAVS/CLICK.WAV",
                     "WORDLIST/0001TO24.TXT", "USERS.WQ", "TEACHER.WQ", "LOG.WQ"):
            self.assertTrue(os.path.isfile(os.path.join(self.prefix, name)), name)
        globals_ = self.wqadmin("globals", self.prefix)
        for field in ('"userMode": 0', '"logSessions": 0', f'"dataDir": "{self.prefix}"'):
            self.assertIn(field, globals_)

        # A reinstall keeps what the teacher changed.
        self.wqadmin("users", self.prefix, "add", "Sam Lee")
        self.wqadmin("globals", self.prefix, "set", "logSessions=1")
        self.install()
        self.assertIn("Sam Lee", self.wqadmin("users", self.prefix, "list"))
        self.assertIn('"logSessions": 1', self.wqadmin("globals", self.prefix))

    def test_installed_wqadmin_makes_a_classroom_of_its_own_folder(self):
        self.install()
        room = os.path.join(self.root, "class")
        self.wqadmin("init", room, "--programs")  # no --from: wqadmin's own folder
        for name in ("kiv", "zan", "kiv-help.html", "zan-help.html", "kiv-help.fr.html"):
            self.assertEqual(os.readlink(os.path.join(room, name)),
                             os.path.join(self.prefix, name))
        # The teacher's desk is not the children's: it stays in the menu, out of the class.
        self.assertFalse(os.path.lexists(os.path.join(room, "desk")))
        # The class is its own data directory: real folders whose sample entries link to the
        # installed files, so a teacher's own lists and stories go beside them.
        self.assertIn(f'"dataDir": "{room}"', self.wqadmin("globals", room))
        if os.path.isdir(os.path.join(self.prefix, "DATA")):
            data = os.path.join(room, "DATA")
            self.assertFalse(os.path.islink(data))
            for name in os.listdir(os.path.join(self.prefix, "DATA")):
                self.assertEqual(os.readlink(os.path.join(data, name)),
                                 os.path.join(self.prefix, "DATA", name))

    def test_desktop_component_names_the_installation_folder(self):
        staging = os.path.join(self.root, "staging")
        self.install("--component", "desktop", env=dict(os.environ, DESTDIR=staging))
        usr = os.path.join(staging, "usr")
        self.assertEqual(os.readlink(os.path.join(usr, "bin/wqadmin")),
                         os.path.join(self.prefix, "wqadmin"))
        # The desk is given the class folder dropped on it, if any.
        for program, args in (("kiv", ""), ("zan", ""), ("desk", " %f")):
            entry = os.path.join(usr, f"share/applications/org.example.kivzan.{program}.desktop")
            with open(entry, encoding="utf-8") as f:
                self.assertIn(f'\nExec="{self.prefix}/{program}"{args}\n', f.read())
            self.assertEqual(run("desktop-file-validate", entry), "")
            for part in (f"share/icons/hicolor/scalable/apps/org.example.kivzan.{program}.svg",
                         f"share/metainfo/org.example.kivzan.{program}.metainfo.xml"):
                self.assertTrue(os.path.isfile(os.path.join(usr, part)), part)
        for page in ("wqadmin", "desk"):
            self.assertTrue(os.path.isfile(os.path.join(usr, f"share/man/man1/{page}.1.gz")))
        # Only the system's files: the installation folder itself is the other component's.
        self.assertFalse(os.path.exists(os.path.join(staging, self.prefix.lstrip("/"))))


if __name__ == "__main__":
    unittest.main(argv=sys.argv[:1])
