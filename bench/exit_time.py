"""How long kiv and zan take to end after File > Exit: from the Exit key to the end of the process,
and from the last change of LOG.WQ to the end when the run wrote a log entry.

Usage: python3 bench/exit_time.py [BUILD_DIR] [--runs N] [--pulse] [--display :72]
Runs the real programs under Xvfb with openbox (tests/e2e/desktop.py). Sound goes to SDL's dummy
driver unless SDL_AUDIODRIVER says otherwise; --pulse starts a private PulseAudio server with a
null sink (needs the pulseaudio program) and lets SDL pick it."""
import argparse
import os
import shutil
import statistics
import subprocess
import sys
import tempfile
import time

ROOT = os.path.abspath(os.path.join(os.path.dirname(__file__), ".."))
sys.path.insert(0, os.path.join(ROOT, "tests", "e2e"))
from desktop import Desktop, installation, remove  # noqa: E402


def pulse_server(folder):
    socket = os.path.join(folder, "native")
    env = dict(os.environ, HOME=folder, PULSE_RUNTIME_PATH=folder)
    proc = subprocess.Popen(
        ["pulseaudio", "-n", "--daemonize=no", "--exit-idle-time=-1", "-L", "module-null-sink",
         "-L", f"module-native-protocol-unix auth-anonymous=1 socket={socket}"],
        env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    Desktop.wait_for(lambda: os.path.exists(socket), 10)
    return proc, f"unix:{socket}"


def measure(desktop, folder, program, caption):
    log = os.path.join(folder, "LOG.WQ")
    before = os.stat(log).st_mtime_ns
    proc = desktop.start(os.path.join(folder, program))
    frame = desktop.wait_main_window(caption)
    if frame is None:
        proc.kill()
        raise RuntimeError(f"{program}: no main window")
    time.sleep(1.0)
    desktop.key("alt+f", window=frame)
    time.sleep(0.3)
    start = time.time()
    desktop.key("x")
    try:
        proc.wait(30)
    except subprocess.TimeoutExpired:
        proc.kill()
        proc.wait()
        raise RuntimeError(f"{program} did not end after File > Exit")
    end = time.time()
    written = os.stat(log).st_mtime_ns
    return end - start, (end - written / 1e9) if written != before else None


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("build", nargs="?", default=os.path.join(ROOT, "build"))
    parser.add_argument("--runs", type=int, default=10)
    parser.add_argument("--pulse", action="store_true")
    parser.add_argument("--display", help="the Xvfb display to use (one is picked otherwise)")
    args = parser.parse_args()
    build = os.path.abspath(args.build)
    scratch = tempfile.mkdtemp(prefix="kz-exit-")
    pulse = None
    try:
        with Desktop(640, 480, display=args.display) as d:
            if args.pulse:
                pulse, server = pulse_server(scratch)
                d.env.pop("SDL_AUDIODRIVER", None)
                d.env["PULSE_SERVER"] = server
            elif "SDL_AUDIODRIVER" in os.environ:
                d.env["SDL_AUDIODRIVER"] = os.environ["SDL_AUDIODRIVER"]
            folder, wqadmin = installation(build)
            # The sample library's data, so that neither program stops at the recovery dialog.
            for data in ("BMPS", "DATA", "WAVS", "WORDLIST"):
                shutil.copytree(os.path.join(build, "stage", data), os.path.join(folder, data))
            subprocess.run([wqadmin, "globals", folder, "set", "logSessions=1"], check=True,
                           capture_output=True)
            try:
                for program, caption in (("kiv", "Words"), ("zan", "Phrases")):
                    times = [measure(d, folder, program, caption) for _ in range(args.runs)]
                    exits = [t for t, _ in times]
                    print(f"{program}: Exit key to end of process, {len(exits)} runs: "
                          f"median {statistics.median(exits) * 1000:.0f} ms, "
                          f"worst {max(exits) * 1000:.0f} ms")
                    logged = [w for _, w in times if w is not None]
                    if logged:
                        print(f"{program}: log entry to end of process: "
                              f"median {statistics.median(logged) * 1000:.0f} ms, "
                              f"worst {max(logged) * 1000:.0f} ms")
            finally:
                remove(folder)
    finally:
        if pulse:
            pulse.terminate()
            pulse.wait(5)
        shutil.rmtree(scratch, ignore_errors=True)


if __name__ == "__main__":
    main()
