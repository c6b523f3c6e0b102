"""The README's run command plays on a folder of its own: each program is run once on the
sample as scripts/run-sample.sh runs it (the folder made on the first run, a child signing in,
a setting changed, the program ended), and the staged sample, which the other sessions copy,
is left byte for byte as it was built.

Run: python3 sample_run_e2e.py"""
import hashlib
import json
import os
import subprocess
import sys
import tempfile
import unittest

sys.path.insert(0, os.path.dirname(__file__))
from desktop import SessionTest, remove  # noqa: E402
from sessions_e2e import BUILD, Sessions, activity, log_text  # noqa: E402

ROOT = os.path.abspath(os.path.join(os.path.dirname(__file__), "..", ".."))
SAMPLE_CLASS = os.path.join(ROOT, "scripts", "sample-class.sh")


def snapshot(folder):
    """Every entry under the folder: a file's digest, a link's target, a folder's mark."""
    entries = {}
    for top, dirs, names in os.walk(folder):
        for name in dirs + names:
            path = os.path.join(top, name)
            key = os.path.relpath(path, folder)
            if os.path.islink(path):
                entries[key] = "-> " + os.readlink(path)
            elif os.path.isdir(path):
                entries[key] = "folder"
            else:
                with open(path, "rb") as f:
                    entries[key] = hashlib.sha256(f.read()).hexdigest()
    return entries


class SampleRunTest(Sessions):
    def setUp(self):
        SessionTest.setUp(self)
        remove(os.path.dirname(self.folder))  # the sessions' copy: this test uses the stage
        self.stage = os.path.join(self.build, "stage")
        self.folder = os.path.join(tempfile.mkdtemp(prefix="kz-e2e-class-"), "sample-class")

    def prepare(self, *options):
        subprocess.run(["bash", SAMPLE_CLASS, *options, self.stage, self.folder], check=True)

    def settings(self, name):
        return json.loads(self.admin("settings", os.path.join(self.folder, name)))

    def test_the_run_command_never_changes_the_staged_sample(self):
        before = snapshot(self.stage)
        self.prepare()
        self.assertEqual(self.globals()["dataDir"], self.stage)
        self.assertEqual(os.readlink(os.path.join(self.folder, "kiv")),
                         os.path.join(self.stage, "kiv"))

        # The word activity: a child signs in, the teacher's settings are changed, exit.
        self.start("kiv")
        self.sign_in("Ben")
        frame = self.main_window("Words")
        self.wait_activity()
        options = self.settings("TEACHER.WQ")["kivOptions"]
        self.menu("alt+t", "a", window=frame)  # no password in the sample
        self.wait_screen(lambda s: activity(s) is None, what="the settings window")
        # The answer styles: down to Type the answer, chosen; then on past the start list to OK.
        self.desktop.key("Tab", "Down", "Down", "Down", "space")
        self.desktop.key("Tab", "Tab", "Tab", "Tab", "Tab", "Tab", "space")
        self.wait_until(lambda: self.settings("TEACHER.WQ")["kivOptions"] != options,
                        "the changed settings in the run's own TEACHER.WQ")
        self.wait_activity()
        self.exit_program(frame)
        self.assert_logged("Ben", "Words")

        # The story reader: a child signs in, a page shows, exit.
        self.start("zan")
        self.sign_in("Amira")
        frame = self.main_window("Phrases")
        self.wait_page()
        self.exit_program(frame)
        self.assert_logged("Amira", "Phrases")

        self.assertEqual(snapshot(self.stage), before, "the run wrote into the staged sample")

        # The next run keeps the sessions and settings; --fresh starts from the sample again.
        log = self.read("LOG.WQ")
        self.prepare()
        self.assertEqual(self.read("LOG.WQ"), log)
        self.prepare("--fresh")
        with open(os.path.join(self.stage, "LOG.WQ"), "rb") as f:
            self.assertEqual(log_text(self.read("LOG.WQ")), log_text(f.read()))
        self.assertEqual(self.globals()["dataDir"], self.stage)
        self.assertEqual(snapshot(self.stage), before)


if __name__ == "__main__":
    unittest.main(verbosity=2)
