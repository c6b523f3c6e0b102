"""Takes screenshots of the programs' windows at two screen sizes into docs/screenshots/.

Usage: python3 tests/e2e/screenshots.py [BUILD_DIR]
Runs on a fresh installation next to the build (links to the programs, the sample data when the
build staged it)."""
import os
import subprocess
import sys
import tempfile
import time

sys.path.insert(0, os.path.dirname(__file__))
from desktop import Desktop, installation, remove  # noqa: E402

ROOT = os.path.abspath(os.path.join(os.path.dirname(__file__), "../.."))
BUILD = os.path.abspath(sys.argv[1] if len(sys.argv) > 1 else os.path.join(ROOT, "build"))
OUT = os.path.join(ROOT, "docs", "screenshots")


def shoot(desktop, name):
    path = os.path.join(OUT, f"{name}-{desktop.width}x{desktop.height}.png")
    desktop.screenshot(path)
    subprocess.run(["convert", path, "-colors", "64", path], check=False)
    print(path)


def run(width, height):
    with Desktop(width, height) as d:
        folder, wqadmin = installation(BUILD)
        stage = os.path.join(BUILD, "stage")
        for part in ("DATA", "BMPS", "WAVS", "WORDLIST", "kiv-help.html", "zan-help.html"):
            if os.path.exists(os.path.join(stage, part)):
                os.symlink(os.path.join(stage, part), os.path.join(folder, part))
        for name in ("kiv-help.html", "zan-help.html"):
            if not os.path.exists(os.path.join(folder, name)):
                os.symlink(os.path.join(ROOT, "help", name), os.path.join(folder, name))
        try:
            for program, caption in (("kiv", "Words"), ("zan", "Phrases")):
                proc = d.start(os.path.join(folder, program))
                time.sleep(0.6)
                shoot(d, f"{program}-startup")
                frame = d.wait_main_window(caption)
                time.sleep(1.0)
                shoot(d, f"{program}-frame")
                if program == "kiv":
                    d.key("alt+h", window=frame)
                    time.sleep(0.3)
                    d.key("a")
                    time.sleep(0.8)
                    shoot(d, "about")
                    d.key("Return")
                    time.sleep(0.3)
                    d.key("alt+h", window=frame)
                    time.sleep(0.3)
                    d.key("c")
                    help_window = d.wait_window(f"^{caption} Help$")
                    time.sleep(0.8)
                    shoot(d, "help")
                    d.key("alt+F4", window=help_window)
                d.key("alt+f", window=frame)
                time.sleep(0.3)
                d.key("x")
                proc.wait(10)
        finally:
            remove(folder)


def sign_in(width, height):
    """The sign-in and the teacher password as the real kiv shows them: the password box and its
    message over the sign-in."""
    with Desktop(width, height) as d:
        folder, wqadmin = installation(BUILD, ("kiv",))
        try:
            subprocess.run([wqadmin, "globals", folder, "set", "password=OWL7", "userMode=1"],
                           check=True, capture_output=True)
            for name in ("Amy", "Ben Okafor", "Chloe"):
                subprocess.run([wqadmin, "users", folder, "add", name], check=True,
                               capture_output=True)
            proc = d.start(os.path.join(folder, "kiv"))
            time.sleep(2.5)
            d.key("Down", "Down", "Down")
            time.sleep(0.3)
            shoot(d, "kiv-sign-in")
            d.key("Up", "Up", "Return")  # Teacher
            time.sleep(0.8)
            d.type("owlsowl7")
            time.sleep(0.3)
            shoot(d, "kiv-password")
            d.key("BackSpace", "Return")
            d.wait_window("^Password$", 10)
            time.sleep(0.5)
            shoot(d, "kiv-wrong-password")
            d.key("Return")
            time.sleep(0.5)
            d.key("Escape")
            proc.wait(10)
        finally:
            remove(folder)


def dialogs(width, height):
    """The shared dialogs, each with its window frame, drawn by the dialog gallery."""
    with Desktop(width, height) as d, tempfile.TemporaryDirectory() as shots:
        subprocess.run([os.path.join(BUILD, "tests", "ui", "dialog_gallery"), shots,
                        f"{width}x{height}", os.path.join(BUILD, "stage")], env=d.env, check=True)
        for name in os.listdir(shots):
            subprocess.run(["convert", os.path.join(shots, name), "-colors", "64",
                            os.path.join(OUT, name)], check=False)
            print(os.path.join(OUT, name))


if __name__ == "__main__":
    os.makedirs(OUT, exist_ok=True)
    for size in ((640, 480), (1280, 1024)):
        run(*size)
        sign_in(*size)
        dialogs(*size)
