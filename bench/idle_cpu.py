"""Processor time of the real kiv and zan while they wait, in every waiting state: a question (kiv)
or a page (zan) waiting for the child, the start-up pause, the recovery dialog's wait, a dialog
open (the About box), and kiv's 1.3 s pause after a right answer.

Usage: python3 bench/idle_cpu.py [BUILD_DIR] [--runs N] [--seconds S] [--display :71]
                                [--programs kiv,zan]
Makes a fresh installation (as the end-to-end tests do) holding the sample library's data
(BUILD_DIR/stage), starts each program under Xvfb with openbox (tests/e2e/desktop.py) and reads
the processor time of all its threads (/proc/PID/task/*/schedstat, in nanoseconds) and their
context switches over S seconds (10) once the state has settled. Each run goes through the
states in the order a child meets them; the recovery dialog is a run of its own, in an
installation without the data. The two pauses last about a second: the start-up pause is
measured from 0.35 s to 0.85 s after the start-up window is seen (the sound output and the main
window are built in its first moments; the window is seen up to 0.2 s after it maps), and kiv's pause from 0.6 s after the right answer (the
frog has landed) for a second, over six answers in a row; kiv's word list is then one word four
times, so that the key 1 is always right. Sound goes to SDL's dummy driver unless
SDL_AUDIODRIVER says otherwise.
Prints one line per state: the median over the runs and each run's figure."""
import argparse
import glob
import os
import shutil
import statistics
import subprocess
import sys
import time

ROOT = os.path.abspath(os.path.join(os.path.dirname(__file__), ".."))
sys.path.insert(0, os.path.join(ROOT, "tests", "e2e"))
from desktop import Desktop, installation, main_title, remove  # noqa: E402

CAPTIONS = {"kiv": "Words", "zan": "Phrases"}


def cpu_ns(pid):
    """Processor time of each of the process's threads, in nanoseconds, by thread."""
    times = {}
    for path in glob.glob(f"/proc/{pid}/task/*/schedstat"):
        try:
            with open(path) as f:
                times[path] = int(f.read().split()[0])
        except (OSError, ValueError, IndexError):
            pass
    return times


def spent_ns(before, after):
    """Processor time spent between two readings: threads started meanwhile count whole; a
    thread that ended meanwhile is missed (only its last moments)."""
    return sum(t - before.get(task, 0) for task, t in after.items())


def switches(pid):
    """Context switches of each of the process's threads, by thread."""
    counts = {}
    for status in glob.glob(f"/proc/{pid}/task/*/status"):
        try:
            with open(status) as f:
                counts[status] = sum(int(line.split()[1]) for line in f if line.startswith(
                    ("voluntary_ctxt_switches", "nonvoluntary_ctxt_switches")))
        except OSError:
            pass
    return counts


class Spell:
    """Processor time and context switches summed over one or more spans of time."""

    def __init__(self, pid):
        self.pid, self.cpu, self.switches, self.seconds = pid, 0, 0, 0.0

    def measure(self, seconds):
        t0, c0, s0 = time.monotonic(), cpu_ns(self.pid), switches(self.pid)
        time.sleep(seconds)
        self.cpu += spent_ns(c0, cpu_ns(self.pid))
        self.switches += spent_ns(s0, switches(self.pid))
        self.seconds += time.monotonic() - t0

    def result(self):
        return 100.0 * self.cpu / 1e9 / self.seconds, self.switches / self.seconds


def sample_installation(build, with_data=True, one_word=False):
    folder, _ = installation(build)
    if with_data:
        stage = os.path.join(build, "stage")
        for data in ("BMPS", "DATA", "WAVS", "WORDLIST"):
            shutil.copytree(os.path.join(stage, data), os.path.join(folder, data))
    if one_word:
        # Every choice is the same word (one with a recording), so the key 1 is always right.
        path = os.path.join(folder, "WORDLIST", "0001TO24.TXT")
        with open(path, "wb") as f:
            f.write(b"*WORDLIST*\r\n" + b"and\r\n" * 4)
    return folder


def visible_windows(desktop, proc):
    r = subprocess.run(["xdotool", "search", "--onlyvisible", "--pid", str(proc.pid)],
                       env=desktop.env, capture_output=True, text=True)
    return r.stdout.split()


def only_main_window(desktop, program):
    if len(desktop.windows(main_title(CAPTIONS[program]))) != 1:
        raise RuntimeError(f"{program}: a dialog is up")


def session(desktop, proc, program, seconds):
    """One run of the program through its states in the order a child meets them; each state's
    Spell by name."""
    spells = {}
    caption = CAPTIONS[program]
    if desktop.wait_for(lambda: subprocess.run(
            ["xdotool", "search", "--onlyvisible", "--pid", str(proc.pid)], env=desktop.env,
            capture_output=True).returncode == 0, 10) is None:
        raise RuntimeError(f"{program}: no start-up window")
    # The sound output and the main window are built in the pause's first moments; the window is
    # seen up to some 0.2 s late (xdotool's polling), so the span ends well before the pause does.
    time.sleep(0.35)
    spells["the start-up pause"] = Spell(proc.pid)
    spells["the start-up pause"].measure(0.5)

    frame = desktop.wait_main_window(caption)
    if frame is None:
        raise RuntimeError(f"{program}: no main window")
    # kiv's first question is up at once; zan's first page plays its recording (a few seconds).
    time.sleep(3 if program == "kiv" else 12)
    only_main_window(desktop, program)
    name = "a question waiting" if program == "kiv" else "a page waiting for its words"
    spells[name] = Spell(proc.pid)
    spells[name].measure(seconds)

    if program == "kiv":
        desktop.activate(frame)
        pause = spells["the 1.3 s pause after a right answer"] = Spell(proc.pid)
        for _ in range(6):
            subprocess.run(["xdotool", "key", "1"], env=desktop.env, check=True)
            time.sleep(0.6)  # the frog lands
            pause.measure(1.0)
            time.sleep(1.0)  # the rest of the pause, the next word presented
        time.sleep(3)  # the word's sound over, the sound device closed

    desktop.key("alt+p", window=frame)  # Hel&p
    time.sleep(0.3)
    desktop.key("a")
    time.sleep(3)
    if len(visible_windows(desktop, proc)) < 2:
        raise RuntimeError(f"{program}: no About box")
    spells["the About box open"] = Spell(proc.pid)
    spells["the About box open"].measure(seconds)
    return spells


def recovery(desktop, proc, program, seconds):
    """Without the data the program asks for it in the recovery dialog, over the main window."""
    if desktop.wait_main_window(CAPTIONS[program]) is None:
        raise RuntimeError(f"{program}: no main window")
    time.sleep(4)
    if len(visible_windows(desktop, proc)) < 2:
        raise RuntimeError(f"{program}: no recovery dialog")
    spell = Spell(proc.pid)
    spell.measure(seconds)
    return {"the recovery dialog waiting": spell}


def run_program(desktop, build, program, measure, with_data, seconds):
    # kiv's list is one word four times, so that the key 1 is always the right answer.
    folder = sample_installation(build, with_data, one_word=with_data and program == "kiv")
    proc = desktop.start(os.path.join(folder, program), cwd=folder)
    try:
        spells = measure(desktop, proc, program, seconds)
        if proc.poll() is not None:
            raise RuntimeError(f"{program} ended while measured")
        return spells
    finally:
        proc.kill()
        proc.wait()
        remove(folder)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("build", nargs="?", default=os.path.join(ROOT, "build"))
    parser.add_argument("--runs", type=int, default=5)
    parser.add_argument("--seconds", type=float, default=10)
    parser.add_argument("--display", default=":71")
    parser.add_argument("--programs", default="kiv,zan")
    args = parser.parse_args()
    build = os.path.abspath(args.build)
    with Desktop(640, 480, display=args.display) as desktop:
        for program in args.programs.split(","):
            figures = {}
            for _ in range(args.runs):
                for measure, with_data in ((session, True), (recovery, False)):
                    spells = run_program(desktop, build, program, measure, with_data,
                                         args.seconds)
                    for state, spell in spells.items():
                        figures.setdefault(state, []).append(spell.result())
            for state, runs in figures.items():
                cpu = [c for c, _ in runs]
                wakes = [w for _, w in runs]
                print(f"{program}: {state}: processor {statistics.median(cpu):.3f} % of one core "
                      f"(runs {', '.join(f'{c:.3f}' for c in cpu)}), context switches "
                      f"{statistics.median(wakes):.1f}/s "
                      f"(runs {', '.join(f'{w:.1f}' for w in wakes)})", flush=True)


if __name__ == "__main__":
    main()
