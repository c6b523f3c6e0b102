"""A real X display for end-to-end tests and screenshots: Xvfb with openbox, driven by xdotool."""
import functools
import os
import shutil
import subprocess
import tempfile
import threading
import time
import unittest


def main_title(caption):
    """The main window's title pattern: the program's caption, then " - " and the title of the
    loaded word list or story when there is one."""
    return f"^{caption}( - .+)?$"


class Desktop:
    def __init__(self, width=640, height=480, display=None):
        # KZ_DISPLAY picks a display number by hand; otherwise Xvfb tells the first free one.
        self.display = display or os.environ.get("KZ_DISPLAY")
        self.width, self.height = width, height
        self.procs = []

    def __enter__(self):
        args = ["-screen", "0", f"{self.width}x{self.height}x24", "-noreset", "-nolisten", "tcp"]
        if self.display:
            xvfb = subprocess.Popen(["Xvfb", self.display, *args], stdout=subprocess.DEVNULL,
                                    stderr=subprocess.DEVNULL)
        else:
            read_end, write_end = os.pipe()
            xvfb = subprocess.Popen(["Xvfb", "-displayfd", str(write_end), *args],
                                    pass_fds=(write_end,), stdout=subprocess.DEVNULL,
                                    stderr=subprocess.DEVNULL)
            os.close(write_end)
            with os.fdopen(read_end) as told:
                number = told.readline().strip()
            if not number:
                xvfb.kill()
                raise RuntimeError("Xvfb did not start")
            self.display = f":{number}"
        self.procs.append(xvfb)
        self.env = dict(os.environ, DISPLAY=self.display, SDL_AUDIODRIVER="dummy")
        self.env.pop("QT_QPA_PLATFORM", None)
        self.env.pop("WAYLAND_DISPLAY", None)
        self.wait_for(lambda: subprocess.run(["xdotool", "getdisplaygeometry"], env=self.env,
                                             capture_output=True).returncode == 0, 10)
        wm = subprocess.Popen(["openbox"], env=self.env, stdout=subprocess.DEVNULL,
                              stderr=subprocess.DEVNULL)
        self.procs.append(wm)
        # openbox is ready once it has put up its check window on the root.
        self.wait_for(lambda: "_NET_SUPPORTING_WM_CHECK(WINDOW)" in subprocess.run(
            ["xprop", "-root", "_NET_SUPPORTING_WM_CHECK"], env=self.env, capture_output=True,
            text=True).stdout, 10)
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

    def start(self, program, *args, cwd=None, audio=None, user=None, output=None, extra_env=None):
        """Starts a program on this display. audio: an AudioCapture taking what SDL's disk
        driver writes (else SDL's dummy driver); user: an account to run it as (the test runs as
        root); output: a file for its standard output and error; extra_env: variables for the
        program alone (its language: xdotool keeps the display's, whose locale exists)."""
        env = dict(self.env, **(extra_env or {}))
        if audio:
            env.update(SDL_AUDIODRIVER="disk", SDL_DISKAUDIOFILE=audio.path)
        command = [program, *args]
        if user:
            name, _, group = user.partition(":")
            command = ["setpriv", f"--reuid={name}", f"--regid={group or name}", "--init-groups",
                       "--reset-env", "--", "env", *[f"{k}={v}" for k, v in env.items()
                                                      if k in PASSED_ON], *command]
        out = open(output, "ab") if output else subprocess.DEVNULL
        try:
            return subprocess.Popen(command, env=env, cwd=cwd, stdout=out,
                                    stderr=subprocess.STDOUT if output else subprocess.DEVNULL)
        finally:
            if output:
                out.close()

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

    def title_of(self, window):
        r = subprocess.run(["xdotool", "getwindowname", window], env=self.env,
                           capture_output=True, text=True)
        return r.stdout.strip()

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
        (its dialogs carry the program's caption too). Its title adds the loaded word list's or
        story's title after " - "."""
        found = self.wait_for(lambda: [w for w in self.windows(main_title(caption))
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
        self.give_keys(text)
        if window:
            self.activate(window)
        subprocess.run(["xdotool", "type", "--delay", "30", text], env=self.env, check=True)

    def give_keys(self, text):
        """Gives each character of text that the keyboard lacks a key of its own, kept until the
        display ends. Left to itself, xdotool lends a spare key to such a character just for the
        key press and takes it back at once; a program that asks the server for the keymap after
        that (as Qt does when told of the change) reads the key press as nothing."""
        missing = {c for c in text if not (c.isascii() and c.isprintable())}
        if not missing:
            return
        keymap = subprocess.run(["xmodmap", "-pke"], env=self.env, capture_output=True,
                                text=True, check=True).stdout.splitlines()
        free = [line.split()[1] for line in keymap if line.split()[2:] == ["="]]
        for c in sorted(missing):
            sym = f"U{ord(c):04X}"
            if any(sym in line.split() for line in keymap):
                continue
            subprocess.run(["xmodmap", "-e", f"keycode {free.pop()} = {sym} {sym}"],
                           env=self.env, check=True)
            keymap.append(f"keycode = {sym}")

    def screenshot(self, path):
        subprocess.run(["import", "-window", "root", path], env=self.env, check=True)

    def grab(self):
        """The screen as it is now."""
        r = subprocess.run(["import", "-window", "root", "-depth", "8", "rgb:-"], env=self.env,
                           capture_output=True, check=True)
        return Screen(self.width, self.height, r.stdout)

    def click(self, x, y, button=1):
        subprocess.run(["xdotool", "mousemove", "--sync", str(x), str(y), "click", str(button)],
                       env=self.env, check=True)


# What a program run as another user is given of the test's environment.
PASSED_ON = ("DISPLAY", "SDL_AUDIODRIVER", "SDL_DISKAUDIOFILE", "PATH", "LANG", "LC_ALL")


class Screen:
    """A picture of the screen: rows of RGB pixels."""

    def __init__(self, width, height, rgb):
        self.width, self.height, self.rgb = width, height, rgb

    def pixel(self, x, y):
        i = 3 * (y * self.width + x)
        return tuple(self.rgb[i:i + 3])

    def pixels(self, box):
        """(x, y, r, g, b) of every pixel in box (left, top, right, bottom; right and bottom
        excluded)."""
        left, top, right, bottom = box
        for y in range(max(0, top), min(self.height, bottom)):
            row = self.rgb[3 * (y * self.width + left):3 * (y * self.width + right)]
            for i in range(0, len(row), 3):
                yield left + i // 3, y, row[i], row[i + 1], row[i + 2]

    def bounds(self, test, box=None):
        """The smallest box (left, top, right, bottom) holding every pixel of box for which
        test(r, g, b) holds; None when there is none."""
        xs, ys = [], []
        for x, y, r, g, b in self.pixels(box or (0, 0, self.width, self.height)):
            if test(r, g, b):
                xs.append(x)
                ys.append(y)
        return (min(xs), min(ys), max(xs) + 1, max(ys) + 1) if xs else None

    def count(self, test, box=None):
        return sum(1 for _, _, r, g, b in self.pixels(box or (0, 0, self.width, self.height))
                   if test(r, g, b))


def dark(r, g, b):
    return r < 90 and g < 90 and b < 90


def red(r, g, b):
    return r > 200 and g < 70 and b < 70


def cyan(r, g, b):
    return r < 40 and g > 215 and b > 215


def yellow(r, g, b):
    return r > 215 and g > 215 and b < 40


class AudioCapture:
    """Takes what SDL's disk audio driver writes. The driver opens its file afresh, emptying it,
    each time the program opens its sound device (it closes it after a quiet spell), so the file
    is a pipe read by a thread: every opening's samples are kept, in order."""

    def __init__(self, folder, name="audio.raw"):
        self.path = os.path.join(folder, name)
        os.mkfifo(self.path, 0o666)
        os.chmod(self.path, 0o666)
        self.openings = 0
        self._chunks = []
        self._lock = threading.Lock()
        self._stop = False
        self._thread = threading.Thread(target=self._read, daemon=True)
        self._thread.start()

    def _read(self):
        while True:
            fd = os.open(self.path, os.O_RDONLY)  # waits for the program to open it
            with self._lock:
                if self._stop:
                    os.close(fd)
                    return
                self.openings += 1
            while True:
                chunk = os.read(fd, 1 << 16)
                if not chunk:
                    break
                with self._lock:
                    self._chunks.append(chunk)
            os.close(fd)

    def data(self):
        with self._lock:
            return b"".join(self._chunks)

    def sounded_since(self, taken):
        """True when a sample after the first `taken` bytes is not silent."""
        return any(v != 0.0 for v in samples(self.data()[taken:]))

    def quiet(self, seconds=0.3):
        """True when the last samples taken (a fraction of a second) are silent."""
        tail = self.data()[-int(seconds * 48000 * 2 * 4):]
        return all(v == 0.0 for v in samples(tail))

    def stop(self):
        """Ends the reading once the program has ended."""
        with self._lock:
            self._stop = True
        deadline = time.time() + 5
        while self._thread.is_alive() and time.time() < deadline:
            try:  # the reader waits in its open: an opening of our own lets it go
                os.close(os.open(self.path, os.O_WRONLY | os.O_NONBLOCK))
            except OSError:
                pass
            self._thread.join(0.05)


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


def staged_copy(build):
    """A fresh copy of the sample installation the build staged in build/stage, readable by
    every account (the classroom test runs the programs as another user)."""
    folder = tempfile.mkdtemp(prefix="kz-e2e-")
    os.chmod(folder, 0o755)
    copy = os.path.join(folder, "install")
    shutil.copytree(os.path.join(build, "stage"), copy, symlinks=True)
    return copy


class DesktopTest(unittest.TestCase):
    """One display for a class of tests, and the ways a test waits for what it shows and drives
    it. Screenshots and the programs' output go to the test output folder (KZ_E2E_OUTPUT, else
    e2e-output in the build folder)."""
    build = None  # the build folder; set by the subclass
    size = (640, 480)
    proc = None  # the program started last

    @classmethod
    def setUpClass(cls):
        cls.desktop = Desktop(*cls.size).__enter__()
        cls.output = os.environ.get("KZ_E2E_OUTPUT") or os.path.join(cls.build, "e2e-output")
        os.makedirs(cls.output, exist_ok=True)

    @classmethod
    def tearDownClass(cls):
        cls.desktop.__exit__(None, None, None)

    def name(self):
        return self.id().split(".")[-1]

    def wait_exit(self, proc=None, seconds=15):
        try:
            return (proc or self.proc).wait(seconds)
        except subprocess.TimeoutExpired:
            self.shot("did-not-end")
            self.fail("the program did not end")

    def shot(self, moment):
        """Keeps a picture of the screen in the output folder."""
        path = os.path.join(self.output, f"{self.name()}-{moment}.png")
        self.desktop.screenshot(path)
        return path

    def keep(self, screen, moment):
        """Keeps a grabbed screen in the output folder."""
        path = os.path.join(self.output, f"{self.name()}-{moment}.png")
        subprocess.run(["convert", "-size", f"{screen.width}x{screen.height}", "-depth", "8",
                        "rgb:-", path], input=screen.rgb, check=True)

    def program_windows(self, proc=None):
        """The visible windows of the program: (id, x, y, width, height)."""
        r = subprocess.run(["xdotool", "search", "--onlyvisible", "--pid",
                            str((proc or self.proc).pid)], env=self.desktop.env,
                           capture_output=True, text=True)
        return [(w, *self.desktop.geometry(w)) for w in r.stdout.split()]

    def wait_screen(self, condition, seconds=15, what="the screen to change"):
        """Grabs the screen until condition(screen) holds; returns its result."""
        found = self.desktop.wait_for(lambda: condition(self.desktop.grab()), seconds)
        if not found:
            self.shot("failed-waiting")
            self.fail(f"waited in vain for {what}")
        return found

    def wait_until(self, condition, what, seconds=15):
        found = self.desktop.wait_for(condition, seconds)
        if not found:
            self.shot("failed-waiting")
            self.fail(f"waited in vain for {what}")
        return found

    def main_window(self, caption):
        frame = self.desktop.wait_main_window(caption, 20)
        if frame is None:
            self.shot("no-main-window")
            self.fail(f"no main window {caption}")
        return frame

    def message_box(self, caption, seconds=20):
        """A message box: it carries the program's caption, as its main window does, but is
        smaller than the screen."""
        found = self.desktop.wait_for(lambda: [
            w for w in self.desktop.windows(f"^{caption}$")
            if self.desktop.width_of(w) < self.desktop.width * 0.9], seconds)
        if not found:
            self.shot("no-message")
            self.fail(f"no message box {caption}")
        return found[0]

    def wait_recovery_dialog(self, frame, other_than=None):
        """The data recovery dialog over the program's main window: 7200 twips wide on the
        9600 of the screen (the start-up window, which may still be up, is narrower)."""
        found = self.desktop.wait_for(
            lambda: [w for w, _, _, width, _ in self.program_windows()
                     if w not in (frame, other_than) and
                     abs(width - 0.75 * self.desktop.width) < 0.05 * self.desktop.width], 20)
        if not found:
            self.shot("no-dialog")
            self.fail("no recovery dialog")
        return found[0]

    def wait_sign_in(self):
        """Waits for the sign-in's name list (its light cyan)."""
        self.wait_screen(sign_in_shown, what="the sign-in")

    def wait_activity(self):
        """Waits for the word activity (its yellow panel)."""
        self.wait_screen(lambda s: s.count(yellow) > 5000, 20, what="the word activity")

    def wait_page(self):
        """Waits for the story reader's page, alone on the screen."""
        self.wait_screen(lambda s: len(self.program_windows()) == 1 and
                         s.count(lambda r, g, b: r > 230 and g > 230 and b > 230) > 50000,
                         20, what="the story's page")

    def menu(self, *keys, window):
        """Opens a menu of the window with its Alt key and, once it shows, picks an item by its
        underlined letter."""
        pid = subprocess.run(["xdotool", "getwindowpid", window], env=self.desktop.env,
                             capture_output=True, text=True).stdout.strip()

        def shown():
            r = subprocess.run(["xdotool", "search", "--onlyvisible", "--pid", pid],
                               env=self.desktop.env, capture_output=True, text=True)
            return set(r.stdout.split())

        before = shown()
        self.desktop.key(keys[0], window=window)
        menu = self.wait_until(lambda: shown() - before, f"the menu of {keys[0]}", 5)
        # The caller has waited for the state that puts the item in the menu (the activity,
        # the page). A busy machine may still map the menu before it takes the keyboard, and
        # the item's key is then lost: pressed again while the menu stays up.
        for _ in range(3):
            self.desktop.key(*keys[1:])
            if self.desktop.wait_for(lambda: not (shown() & menu), 3):
                return
        self.shot("menu-stayed")
        self.fail(f"the menu of {keys[0]} stayed up after {' '.join(keys[1:])}")

    def press_until(self, keys, condition, what, window=None, tries=5):
        """Presses keys until condition() holds: for a key that does nothing more when pressed
        again, sent to a window that may not take the keyboard at once on a busy machine."""
        for _ in range(tries):
            self.desktop.key(*keys, window=window)
            found = self.desktop.wait_for(condition, 3)
            if found:
                return found
        self.shot("failed-waiting")
        self.fail(f"waited in vain for {what} after {' '.join(keys)}")

    def exit_program(self, frame):
        """File > Exit. A menu opened while the word activity pauses after an answer can close
        as the next question opens, its key lost (seen on a busy machine): then the menu is
        opened again."""
        for _ in range(3):
            self.menu("alt+f", "x", window=frame)
            try:
                self.assertEqual(self.proc.wait(10), 0)
                return
            except subprocess.TimeoutExpired:
                if not self.desktop.windows(f"^{self.desktop.title_of(frame)}$"):
                    break  # ending, with no main window left: wait for it below
        self.assertEqual(self.wait_exit(), 0)


def sign_in_shown(screen):
    return screen.count(lambda r, g, b: (r, g, b) == (192, 255, 255)) > 20000


class ProgramTest(DesktopTest):
    """Each test gets a fresh installation made by wqadmin (self.folder); the program it starts
    (self.proc) is ended and the installation removed afterwards."""
    programs = ("kiv", "zan")

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


class SessionTest(DesktopTest):
    """Sessions on a fresh copy of the sample installation (self.folder). start() runs a program
    with its sound taken from SDL's disk driver; whatever a test started is ended afterwards and
    the copy removed."""

    program_env = {}  # variables for the programs alone (their language)

    def setUp(self):
        self.folder = staged_copy(self.build)
        self.scratch = tempfile.mkdtemp(prefix="kz-e2e-run-")
        os.chmod(self.scratch, 0o755)
        self.wqadmin = os.path.join(self.build, "src", "tools", "wqadmin")
        self.runs = []  # (process, audio capture)

    def tearDown(self):
        for proc, audio in self.runs:
            if proc.poll() is None:
                proc.kill()
                proc.wait()
            audio.stop()
        remove(os.path.dirname(self.folder))
        remove(self.scratch)

    def start(self, program, *args, user=None, folder=None):
        """Starts the installation's program; returns its process. Its sound is self.audio."""
        n = len(self.runs)
        audio = AudioCapture(self.scratch, f"{program}-{n}.raw")
        proc = self.desktop.start(os.path.join(folder or self.folder, program), *args,
                                  audio=audio, user=user,
                                  output=os.path.join(self.output, f"{self.name()}-{program}.txt"),
                                  extra_env=self.program_env)
        self.runs.append((proc, audio))
        self.proc, self.audio = proc, audio
        return proc

    def admin(self, *args):
        r = subprocess.run([self.wqadmin, *args], capture_output=True, text=True)
        self.assertEqual(r.returncode, 0, r.stderr)
        return r.stdout

    def globals(self):
        import json
        return json.loads(self.admin("globals", self.folder, "--json"))

    def read(self, name):
        with open(os.path.join(self.folder, *name.split("/")), "rb") as f:
            return f.read()

    def write(self, name, data):
        path = os.path.join(self.folder, *name.split("/"))
        os.makedirs(os.path.dirname(path), exist_ok=True)
        with open(path, "wb") as f:
            f.write(data)


def samples(raw):
    """The float samples of SDL's disk output (the mix format: 32-bit float, stereo)."""
    import array
    a = array.array("f")
    a.frombytes(raw[:len(raw) - len(raw) % 4])
    return a


def loudest(raw):
    return max((abs(v) for v in samples(raw)), default=0.0)


def normalised(raw):
    """Float samples as bytes with -0.0 made 0.0: the mixer adds each sound to a silent buffer,
    which turns a sound's -0.0 into 0.0 and leaves every other sample as it is."""
    a = samples(raw)
    for i, v in enumerate(a):
        if v == 0.0:
            a[i] = 0.0
    return a.tobytes()


@functools.lru_cache(maxsize=None)
def decoded(path):
    """A sound file as the programs play it, in the mix format (the decoded_wave helper)."""
    helper = os.environ.get("KZ_DECODED_WAVE") or os.path.join(
        os.environ.get("KZ_BUILD_DIR", ""), "tests", "e2e", "decoded_wave")
    r = subprocess.run([helper, path], capture_output=True, check=True)
    return normalised(r.stdout)


def heard(output, path):
    """True when the disk output holds every sample of the sound file, in order, as one
    piece: the program played it whole, and nothing else sounded meanwhile."""
    sound = decoded(path)
    if not sound:
        raise ValueError(f"{path} holds no sound")
    return sound in normalised(output)
