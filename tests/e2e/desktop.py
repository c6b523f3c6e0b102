"""A real X display for end-to-end tests and screenshots: Xvfb with openbox, driven by xdotool."""
import os
import shutil
import subprocess
import tempfile
import time
import unittest


class Desktop:
    def __init__(self, width=640, height=480, display=None):
        # KZ_DISPLAY picks the display number where several people share one machine.
        self.display = display or os.environ.get("KZ_DISPLAY") or f":{90 + os.getpid() % 500}"
        self.width, self.height = width, height
        self.procs = []

    def __enter__(self):
        xvfb = subprocess.Popen(
            ["Xvfb", self.display, "-screen", "0", f"{self.width}x{self.height}x24", "-noreset",
             "-nolisten", "tcp"], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        self.procs.append(xvfb)
        self.env = dict(os.environ, DISPLAY=self.display, SDL_AUDIODRIVER="dummy")
        self.env.pop("QT_QPA_PLATFORM", None)
        self.env.pop("WAYLAND_DISPLAY", None)
        self.wait_for(lambda: subprocess.run(["xdotool", "getdisplaygeometry"], env=self.env,
                                             capture_output=True).returncode == 0, 10)
        wm = subprocess.Popen(["openbox"], env=self.env, stdout=subprocess.DEVNULL,
                              stderr=subprocess.DEVNULL)
        self.procs.append(wm)
        time.sleep(0.5)
        return self

    def __exit__(self, *exc):
        for p in reversed(self.procs):
            p.terminate()
            try:
                p.wait(5)
            except subprocess.TimeoutExpired:
                p.kill()

    @staticmethod
    def wait_for(condition, seconds):
        deadline = time.time() + seconds
        while time.time() < deadline:
            result = condition()
            if result:
                return result
            time.sleep(0.1)
        return None

    def start(self, program, *args, cwd=None):
        return subprocess.Popen([program, *args], env=self.env, cwd=cwd,
                                stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)

    def windows(self, name):
        """Visible windows whose title matches name (a regular expression)."""
        r = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", name], env=self.env,
                           capture_output=True, text=True)
        return r.stdout.split()

    def wait_window(self, name, seconds=15):
        found = self.wait_for(lambda: self.windows(name), seconds)
        return found[0] if found else None

    def geometry(self, window):
        """The window's client area: x, y, width, height on the screen."""
        r = subprocess.run(["xwininfo", "-id", window], env=self.env, capture_output=True,
                           text=True)
        fields = dict(line.strip().split(":", 1) for line in r.stdout.splitlines()
                      if line.count(":") == 1)
        return tuple(int(fields.get(k, 0)) for k in ("Absolute upper-left X",
                                                     "Absolute upper-left Y", "Width", "Height"))

    def width_of(self, window):
        return self.geometry(window)[2]

    def outer_geometry(self, window):
        """The window with the window manager's frame: x, y, width, height on the screen."""
        x, y, w, h = self.geometry(window)
        left, right, top, bottom = self.frame_extents(window)
        return x - left, y - top, w + left + right, h + top + bottom

    def frame_extents(self, window):
        """The window manager's frame around the window: left, right, top, bottom."""
        r = subprocess.run(["xprop", "-id", window, "_NET_FRAME_EXTENTS"], env=self.env,
                           capture_output=True, text=True)
        try:
            return tuple(int(v) for v in r.stdout.split("=")[1].split(","))
        except (IndexError, ValueError):
            return 0, 0, 0, 0

    def restore(self, window, width, height):
        """Takes a maximised window back to its normal state (a double click on its title bar),
        then asks for that client size at the screen's top left."""
        x, y, w, _ = self.outer_geometry(window)
        subprocess.run(["xdotool", "mousemove", str(x + w // 2), str(y + 6), "click", "--repeat",
                        "2", "--delay", "80", "1"], env=self.env, check=True)
        time.sleep(0.8)
        subprocess.run(["xdotool", "windowsize", window, str(width), str(height)], env=self.env,
                       check=True)
        left, _, top, _ = self.frame_extents(window)
        subprocess.run(["xdotool", "windowmove", window, str(left), str(top)], env=self.env,
                       check=True)
        subprocess.run(["xdotool", "mousemove", str(self.width - 1), str(self.height - 1)],
                       env=self.env, check=True)

    def wait_main_window(self, caption, seconds=15):
        """The program's main window: the window of that caption that fills the screen's width
        (its dialogs carry the program's caption too)."""
        found = self.wait_for(lambda: [w for w in self.windows(f"^{caption}$")
                                       if self.width_of(w) >= self.width * 0.9], seconds)
        return found[0] if found else None

    def activate(self, window):
        subprocess.run(["xdotool", "windowactivate", "--sync", window], env=self.env,
                       capture_output=True)

    def key(self, *keys, window=None):
        cmd = ["xdotool", "key", "--clearmodifiers"]
        if window:
            self.activate(window)
        subprocess.run(cmd + list(keys), env=self.env, check=True)

    def type(self, text, window=None):
        if window:
            self.activate(window)
        subprocess.run(["xdotool", "type", "--delay", "30", text], env=self.env, check=True)

    def screenshot(self, path):
        subprocess.run(["import", "-window", "root", path], env=self.env, check=True)


def installation(build, programs=("kiv", "zan")):
    """A fresh installation folder holding links to the built programs."""
    folder = tempfile.mkdtemp(prefix="kz-e2e-")
    for name in programs:
        os.symlink(os.path.join(build, "src", name, name), os.path.join(folder, name))
    wqadmin = os.path.join(build, "src", "tools", "wqadmin")
    subprocess.run([wqadmin, "init", folder], check=True, capture_output=True)
    return folder, wqadmin


def add_word_data(folder):
    """The data the word activity checks for at its start (pictures, a story numbered 17 to 32)
    and its start word list, so that Kiv runs on to its first question."""
    for name, data in (("BMPS/01PIP/PIC.BMP", b"x"), ("DATA/17FROG.DAT", b"x"),
                       ("WORDLIST/0001TO24.TXT", b"*WORDLIST*\r\ncat\r\ndog\r\npig\r\nhen\r\n")):
        path = os.path.join(folder, *name.split("/"))
        os.makedirs(os.path.dirname(path), exist_ok=True)
        with open(path, "wb") as f:
            f.write(data)


def remove(folder):
    shutil.rmtree(folder, ignore_errors=True)


class ProgramTest(unittest.TestCase):
    """One display for a class of tests; each test gets a fresh installation (self.folder) and
    the program it starts (self.proc) is ended and the installation removed afterwards."""
    build = None  # the build folder; set by the subclass
    programs = ("kiv", "zan")

    @classmethod
    def setUpClass(cls):
        cls.desktop = Desktop(640, 480).__enter__()

    @classmethod
    def tearDownClass(cls):
        cls.desktop.__exit__(None, None, None)

    def setUp(self):
        self.folder, self.wqadmin = installation(self.build, programs=self.programs)
        self.proc = None

    def tearDown(self):
        if self.proc and self.proc.poll() is None:
            self.proc.kill()
            self.proc.wait()
        remove(self.folder)

    def log_bytes(self):
        with open(os.path.join(self.folder, "LOG.WQ"), "rb") as f:
            return f.read()

    def wait_exit(self, seconds=10):
        try:
            return self.proc.wait(seconds)
        except subprocess.TimeoutExpired:
            self.fail("the program did not end")
