"""Start-up of kiv and zan beside a bare Qt window and the peer klettres: when each maps its
first window, when its main window is up and answering input, and its resident memory.

Usage: python3 bench/startup.py [BUILD_DIR] [--runs N] [--display :70] [--idle S] [--settle S]
Each program is started N times (5) on an Xvfb display of its own without a window manager, so a
window maps as soon as the program asks (no window manager's work in the figures). The script
listens on the root window for the windows the process maps (_NET_WM_PID), then sends the main
window a _NET_WM_PING, which Qt's event loop answers once it is free: the answer is the moment the
window takes input. kiv and zan run in a fresh installation holding the sample library (as
bench/idle_cpu.py makes it); their main window is the one captioned "Words" or "Phrases" that
follows the start-up window. Peak resident memory is VmHWM from /proc/PID/status once the main
window has answered and a second has passed; with --idle S the first run goes on: --settle
seconds (12: zan's first page has played its recording), then the processor time over S seconds
(all threads, from /proc/PID/task/*/schedstat). Prints one line per program with
medians and ranges, then a line for the script's table (--json for all figures)."""
import argparse
import json
import os
import select
import shutil
import statistics
import subprocess
import sys
import time

try:
    from Xlib import X, display as xdisplay, protocol
except ImportError:  # a Python of its own (pyenv, a venv) beside Debian's python3-xlib
    sys.path.append("/usr/lib/python3/dist-packages")
    from Xlib import X, display as xdisplay, protocol

ROOT = os.path.abspath(os.path.join(os.path.dirname(__file__), ".."))
sys.path.insert(0, os.path.join(ROOT, "tests", "e2e"))
from desktop import installation, remove  # noqa: E402
from idle_cpu import cpu_ns, spent_ns  # noqa: E402


def status_kb(pid, field):
    with open(f"/proc/{pid}/status") as f:
        for line in f:
            if line.startswith(field + ":"):
                return int(line.split()[1])
    return 0


class Screen:
    """An Xvfb display and a connection listening to its root window."""

    def __init__(self, name):
        self.name = name
        self.xvfb = subprocess.Popen(
            ["Xvfb", name, "-screen", "0", "1024x768x24", "-noreset", "-nolisten", "tcp"],
            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        deadline = time.time() + 10
        while True:
            try:
                self.d = xdisplay.Display(name)
                break
            except Exception:  # noqa: BLE001 - the server is not up yet
                if time.time() > deadline:
                    raise
                time.sleep(0.05)
        self.root = self.d.screen().root
        # Qt answers a ping to the root window with the structure mask.
        self.root.change_attributes(event_mask=X.SubstructureNotifyMask | X.StructureNotifyMask)
        self.d.sync()
        self.pid_atom = self.d.intern_atom("_NET_WM_PID")
        self.protocols = self.d.intern_atom("WM_PROTOCOLS")
        self.ping = self.d.intern_atom("_NET_WM_PING")

    def close(self):
        self.d.close()
        self.xvfb.terminate()
        self.xvfb.wait(5)

    def events(self, until):
        """X events until the monotonic time `until`."""
        while True:
            while self.d.pending_events():
                yield self.d.next_event()
            left = until - time.monotonic()
            if left <= 0:
                return
            select.select([self.d.fileno()], [], [], left)

    def window_pid(self, window):
        try:
            prop = window.get_full_property(self.pid_atom, X.AnyPropertyType)
            return prop.value[0] if prop else None
        except Exception:  # noqa: BLE001 - the window went away
            return None

    def window_name(self, window):
        try:
            return window.get_wm_name() or ""
        except Exception:  # noqa: BLE001
            return ""

    def send_ping(self, window, stamp):
        event = protocol.event.ClientMessage(
            window=window, client_type=self.protocols,
            data=(32, [self.ping, stamp, window.id, 0, 0]))
        window.send_event(event, event_mask=0)
        self.d.flush()


def run_once(screen, command, cwd, env, main_caption, idle_seconds, settle):
    """Times in seconds from the start: first window mapped, main window mapped, main window
    answering; peak resident memory in MB; processor % over the idle spell (or None)."""
    for _ in screen.events(time.monotonic()):
        pass  # nothing left over from the last run
    t0 = time.monotonic()
    proc = subprocess.Popen(command, cwd=cwd, env=env, stdout=subprocess.DEVNULL,
                            stderr=subprocess.DEVNULL)
    first = main = answered = None
    main_window = None
    stamp = 4242
    try:
        for event in screen.events(t0 + 30):
            now = time.monotonic() - t0
            if event.type == X.MapNotify and event.window and answered is None:
                window = event.window
                if screen.window_pid(window) != proc.pid:
                    continue
                if first is None:
                    first = now
                name = screen.window_name(window)
                if main is None and (main_caption is None or name == main_caption):
                    main, main_window = now, window
                    screen.send_ping(window, stamp)
            elif event.type == X.ClientMessage and main_window is not None:
                fmt, data = event.data
                if (event.client_type == screen.protocols and data[0] == screen.ping
                        and data[2] == main_window.id):
                    answered = now
                    break
        if answered is None:
            raise RuntimeError(f"{command[0]}: no main window answered within 30 s")
        time.sleep(1)
        peak = status_kb(proc.pid, "VmHWM") / 1024
        cpu = None
        if idle_seconds:
            time.sleep(settle)
            c0, w0 = cpu_ns(proc.pid), time.monotonic()
            time.sleep(idle_seconds)
            cpu = 100 * spent_ns(c0, cpu_ns(proc.pid)) / 1e9 / (time.monotonic() - w0)
        return first, main, answered, peak, cpu
    finally:
        proc.kill()
        proc.wait()


def sample_installation(build):
    folder, _ = installation(build)
    stage = os.path.join(build, "stage")
    for data in ("BMPS", "DATA", "WAVS", "WORDLIST"):
        shutil.copytree(os.path.join(stage, data), os.path.join(folder, data))
    return folder


def summary(values):
    values = [v for v in values if v is not None]
    if not values:
        return None
    return {"median": statistics.median(values), "low": min(values), "high": max(values)}


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("build", nargs="?", default=os.path.join(ROOT, "build"))
    parser.add_argument("--runs", type=int, default=5)
    parser.add_argument("--display", default=":70")
    parser.add_argument("--idle", type=float, default=0)
    parser.add_argument("--settle", type=float, default=12,
                        help="seconds from the answer to the idle spell (zan's first recording)")
    parser.add_argument("--json", help="write every figure to this file")
    parser.add_argument("--programs", default="bare,bare+text,kiv,zan,klettres")
    args = parser.parse_args()
    build = os.path.abspath(args.build)
    screen = Screen(args.display)
    env = dict(os.environ, DISPLAY=args.display, SDL_AUDIODRIVER="dummy")
    env.pop("QT_QPA_PLATFORM", None)
    env.pop("WAYLAND_DISPLAY", None)
    folder = sample_installation(build)
    bare = os.path.join(build, "bench", "bare", "bare_window")
    programs = [("bare", [bare], None), ("bare+text", [bare, "--text"], None),
                ("kiv", [os.path.join(folder, "kiv")], "Words"),
                ("zan", [os.path.join(folder, "zan")], "Phrases")]
    klettres = shutil.which("klettres") or ("/usr/games/klettres"
                                            if os.path.exists("/usr/games/klettres") else None)
    if klettres:
        programs.append(("klettres", [klettres], None))
    results = {}
    try:
        for name, command, caption in programs:
            if name not in args.programs.split(","):
                continue
            runs = []
            for run in range(args.runs):
                # The idle spell, long after the start, in the first run only.
                runs.append(run_once(screen, command, folder, env, caption,
                                     args.idle if run == 0 else 0, args.settle))
            first, main_, answered, peak, cpu = zip(*runs)
            results[name] = {"first_window": summary(first), "main_window": summary(main_),
                             "interactive": summary(answered), "peak_mb": summary(peak),
                             "idle_cpu": summary(cpu), "runs": runs}
            r = results[name]
            line = (f"{name:9s} first window {r['first_window']['median'] * 1000:6.0f} ms "
                    f"({min(first) * 1000:.0f}-{max(first) * 1000:.0f}), main window answering "
                    f"{r['interactive']['median'] * 1000:6.0f} ms "
                    f"({min(answered) * 1000:.0f}-{max(answered) * 1000:.0f}), peak "
                    f"{r['peak_mb']['median']:.1f} MB")
            if r["idle_cpu"]:
                line += f", processor {r['idle_cpu']['median']:.3f} %"
            print(line, flush=True)
    finally:
        screen.close()
        remove(folder)
    if args.json:
        with open(args.json, "w") as f:
            json.dump(results, f, indent=1)


if __name__ == "__main__":
    main()
