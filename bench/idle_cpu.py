"""Processor time of the real kiv and zan while they wait for the child: kiv on a question, zan on
a page whose recording has ended.

Usage: python3 bench/idle_cpu.py [BUILD_DIR] [--runs N] [--seconds S]
Makes a fresh installation (as the end-to-end tests do) holding the sample library's data
(BUILD_DIR/stage), starts each
program under Xvfb with openbox (tests/e2e/desktop.py), waits until it shows its first question
or page and the sound output has closed its device, then reads utime + stime from /proc/PID/stat
and the context switches of all its threads from /proc/PID/task/*/status over S seconds (10).
Sound goes to SDL's dummy driver unless SDL_AUDIODRIVER says otherwise."""
import argparse
import glob
import os
import shutil
import statistics
import sys
import time

ROOT = os.path.abspath(os.path.join(os.path.dirname(__file__), ".."))
sys.path.insert(0, os.path.join(ROOT, "tests", "e2e"))
from desktop import Desktop, installation, remove  # noqa: E402

TICK = os.sysconf("SC_CLK_TCK")


def cpu_ticks(pid):
    with open(f"/proc/{pid}/stat") as f:
        fields = f.read().rsplit(")", 1)[1].split()
    return int(fields[11]) + int(fields[12])  # utime, stime


def switches(pid):
    total = 0
    for status in glob.glob(f"/proc/{pid}/task/*/status"):
        try:
            with open(status) as f:
                for line in f:
                    if line.startswith(("voluntary_ctxt_switches", "nonvoluntary_ctxt_switches")):
                        total += int(line.split()[1])
        except OSError:
            pass
    return total


def measure(desktop, folder, program, caption, settle, seconds):
    proc = desktop.start(os.path.join(folder, program), cwd=folder)
    try:
        if desktop.wait_main_window(caption) is None:
            raise RuntimeError(f"{program}: no main window")
        time.sleep(settle)
        # Nothing but the main window: no dialog (a data check, a sign-in) is waiting instead.
        if len(desktop.windows(f"^{caption}$")) != 1:
            raise RuntimeError(f"{program}: a dialog is up")
        t0, c0, s0 = time.monotonic(), cpu_ticks(proc.pid), switches(proc.pid)
        time.sleep(seconds)
        t1, c1, s1 = time.monotonic(), cpu_ticks(proc.pid), switches(proc.pid)
        if proc.poll() is not None:
            raise RuntimeError(f"{program} ended while measured")
        return 100.0 * (c1 - c0) / TICK / (t1 - t0), (s1 - s0) / (t1 - t0)
    finally:
        proc.kill()
        proc.wait()


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("build", nargs="?", default=os.path.join(ROOT, "build"))
    parser.add_argument("--runs", type=int, default=3)
    parser.add_argument("--seconds", type=float, default=10)
    args = parser.parse_args()
    stage = os.path.join(os.path.abspath(args.build), "stage")
    with Desktop(640, 480) as desktop:
        # kiv: the first question is up once the start-up window's second is over; zan's first
        # page plays its recording (a few seconds) first.
        for program, caption, settle in (("kiv", "Words", 6), ("zan", "Phrases", 12)):
            cpu, wakes = [], []
            for _ in range(args.runs):
                folder, _ = installation(os.path.abspath(args.build))
                try:
                    for data in ("BMPS", "DATA", "WAVS", "WORDLIST"):
                        shutil.copytree(os.path.join(stage, data), os.path.join(folder, data))
                    c, w = measure(desktop, folder, program, caption, settle, args.seconds)
                finally:
                    remove(folder)
                cpu.append(c)
                wakes.append(w)
            print(f"{program}: processor {statistics.median(cpu):.2f} % of one core (median; runs "
                  f"{', '.join(f'{c:.2f}' for c in cpu)}), context switches "
                  f"{statistics.median(wakes):.1f}/s (runs {', '.join(f'{w:.1f}' for w in wakes)})")


if __name__ == "__main__":
    main()
