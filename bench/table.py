"""The table of targets and figures from the outputs bench/run-all.sh keeps (its results folder).

Usage: python3 bench/table.py BUILD_DIR/bench-results
Prints a Markdown table: each target, its budget, the figures of kiv and zan, the bare Qt window's
and klettres' where they have one, and whether the target is met."""
import json
import os
import re
import sys

LINE = re.compile(r"^(?P<name>.*?)\s+n=\s*(?P<n>\d+)\s+median\s+(?P<median>[\d.]+) ms\s+95%\s+"
                  r"(?P<p95>[\d.]+) ms\s+worst\s+(?P<worst>[\d.]+) ms")


def read(folder, name):
    path = os.path.join(folder, name)
    if not os.path.exists(path):
        return ""
    with open(path) as f:
        return f.read()


def series(text):
    found = {}
    for line in text.splitlines():
        m = LINE.match(line)
        if m:
            found[m["name"].strip()] = {k: float(m[k]) for k in ("n", "median", "p95", "worst")}
    return found


def ms(s):
    return f"{s['median']:.1f} ms (worst {s['worst']:.1f}, n={s['n']:.0f})" if s else "no figure"


def verdict(ok):
    return "met" if ok else "**missed**"


def main():
    folder = sys.argv[1]
    rows = []

    def row(target, budget, figure, bare="", peer="", met=None):
        rows.append((target, budget, figure, bare, peer, "" if met is None else verdict(met)))

    startup = json.loads(read(folder, "startup.json") or "{}")
    bare, peer = startup.get("bare"), startup.get("klettres")
    text = startup.get("bare+text")

    def bare_ms(key):
        shown = f"{bare[key]['median'] * 1000:.0f} ms"
        if text:
            shown += f" (with a line of text: {text[key]['median'] * 1000:.0f} ms)"
        return shown

    for program in ("kiv", "zan"):
        r = startup.get(program)
        if not (r and bare):
            continue
        budget = 1.1 * bare["first_window"]["median"]
        row(f"{program}: start-up window mapped", f"1.1 x bare = {budget * 1000:.0f} ms",
            f"{r['first_window']['median'] * 1000:.0f} ms "
            f"({r['first_window']['low'] * 1000:.0f}-{r['first_window']['high'] * 1000:.0f})",
            bare_ms("first_window"),
            f"{peer['first_window']['median'] * 1000:.0f} ms" if peer else "",
            r["first_window"]["median"] <= budget)
        budget = 1.1 + 1.2 * bare["interactive"]["median"]
        row(f"{program}: main window up, first {'question' if program == 'kiv' else 'page'} "
            "shown and answering input", f"1.1 s pause + 1.2 x bare = {budget * 1000:.0f} ms",
            f"{r['interactive']['median'] * 1000:.0f} ms "
            f"({r['interactive']['low'] * 1000:.0f}-{r['interactive']['high'] * 1000:.0f})",
            bare_ms("interactive"),
            f"{peer['interactive']['median'] * 1000:.0f} ms" if peer else "",
            r["interactive"]["median"] <= budget)
    for program, what, unit in (("kiv", "kiv_memory.txt", "set"), ("zan", "zan_memory.txt",
                                                                  "story")):
        found = re.findall(r"whole \w+.*?(\d+): peak ([\d.]+) MB, resident ([\d.]+) MB",
                           read(folder, what))
        start = startup.get(program)
        if start:
            row(f"{program}: peak resident memory, real program under X, started",
                "60 MB", f"{start['peak_mb']['median']:.1f} MB",
                f"{bare['peak_mb']['median']:.1f} MB" if bare else "",
                f"{peer['peak_mb']['median']:.1f} MB" if peer else "",
                start["peak_mb"]["median"] < 60)
        if found:
            first, last = found[0], found[-1]
            row(f"{program}: peak resident memory after a whole {unit} / after {last[0]} "
                f"(window benchmark)", "60 MB", f"{float(first[1]):.1f} / {float(last[1]):.1f} MB",
                "", "", float(last[1]) < 60)
            # Growth: resident memory from the fifth to the last, the first ones filling caches.
            base = found[min(4, len(found) - 1)]
            per = (float(last[2]) - float(base[2])) / max(1, int(last[0]) - int(base[0]))
            row(f"{program}: resident memory from {unit} {base[0]} to {last[0]}", "no growth",
                f"{float(base[2]):.1f} -> {float(last[2]):.1f} MB ({per * 1000:+.0f} KB a {unit})",
                "", "", per < 0.02)
    idle = read(folder, "idle_kiv.txt") + read(folder, "idle_zan.txt")
    for m in re.finditer(r"^(\w+): (.*?): processor ([\d.]+) % .*?context switches ([\d.]+)/s",
                         idle, re.M):
        row(f"{m[1]}: processor, {m[2]}", "0.1 %", f"{float(m[3]):.3f} % ({m[4]} switches/s)",
            f"{bare['idle_cpu']['median']:.3f} %" if bare and bare.get("idle_cpu") else "",
            f"{peer['idle_cpu']['median']:.3f} %" if peer and peer.get("idle_cpu") else "",
            float(m[3]) < 0.1)
    kiv = series(read(folder, "kiv_window.txt"))
    zan = series(read(folder, "zan_window.txt"))
    long_ = series(read(folder, "zan_window_long.txt"))
    for target, budget, s in (
            ("zan: Next clicked to the new page painted, sample pages", 30,
             zan.get("zan: Next clicked -> new page painted")),
            ("zan: Next clicked to the new page painted, 30-second recordings", 30,
             long_.get("zan: Next clicked -> new page painted")),
            ("kiv: resize to relaid out, painted", 30, kiv.get("kiv: resize -> relaid out, painted")),
            ("zan: resize to relaid out, painted", 30, zan.get("zan: resize -> relaid out, painted")),
            ("zan: story chosen to its first page painted", 100,
             zan.get("zan: story chosen -> first page painted")),
            ("zan: story chosen to its first page, 30-second recordings", 100,
             long_.get("zan: story chosen -> first page painted")),
            ("kiv: wrong choice clicked to marked, painted", 16,
             kiv.get("kiv: wrong choice clicked -> marked, painted")),
            ("kiv: right choice clicked to the answer shown", 16,
             kiv.get("kiv: right choice clicked -> shown, painted")),
            ("kiv: right choice's key to the answer shown", 16,
             kiv.get("kiv: right choice's key -> shown, painted")),
            ("zan: word clicked to its answer painted", 16, zan.get("zan: word clicked -> painted")),
            ("kiv: pause's end to the next question painted", 30,
             kiv.get("kiv: pause's end -> next question painted")),
            ("kiv: right choice to its word's first samples (+ a sound card's buffer, 10.7 ms)",
             40 - 10.7, kiv.get("kiv: right choice clicked -> word's sound")),
            ("zan: right word to its first samples (+ a sound card's buffer, 10.7 ms)", 40 - 10.7,
             zan.get("zan: word clicked -> its sound")),
    ):
        row(target, f"{budget:g} ms", ms(s), "", "", bool(s) and s["median"] < budget)
    audio = read(folder, "audio.txt")
    for name, what in (("Page30s", "a 30-second page recording"), ("Word1s", "a 1-second word")):
        call = re.search(rf"^BM_Open/{name}\s+([\d.]+) ms", audio, re.M)
        first = re.search(rf"^BM_OpenPlayToFirstSample/{name}.*first_sample_max_ms=([\d.]+) "
                          rf"first_sample_p50_ms=([\d.]+)", audio, re.M)
        if call and first:
            row(f"sound: Open of {what} on the calling thread; Open and Play to its first sample",
                "prompt", f"{float(call[1]):.2f} ms; {float(first[2]):.1f} ms "
                f"(worst {float(first[1]):.1f})", "", "", None)
    exits = read(folder, "exit.txt")
    for m in re.finditer(r"^(\w+): log entry to end of process: median (\d+) ms, worst (\d+) ms",
                         exits, re.M):
        row(f"{m[1]}: File > Exit, the log entry written to the process gone", "200 ms",
            f"{m[2]} ms (worst {m[3]})", "", "", int(m[2]) < 200)
    core = json.loads(read(folder, "core.json") or "{}").get("benchmarks", [])
    medians = {b["run_name"]: b for b in core if b.get("aggregate_name") == "median"}

    def core_row(target, name, budget, show, met):
        b = medians.get(name)
        if b:
            row(target, budget, show(b), "", "", met(b))

    mbs = lambda b: b.get("bytes_per_second", 0) / 1e6  # noqa: E731
    core_row("core: decoding a 64-page story of 10 slots", "BM_DecodeStory64Pages", "100 MB/s",
             lambda b: f"{mbs(b):.0f} MB/s ({b['real_time']:.0f} us a story)",
             lambda b: mbs(b) >= 100)
    core_row("core: decoding the sample stories", "BM_DecodeSampleStories", "100 MB/s",
             lambda b: f"{mbs(b):.0f} MB/s", lambda b: mbs(b) >= 100)
    core_row("core: loading a 32767-word list", "BM_LoadWordList32767", "bounded",
             lambda b: f"{b['real_time']:.1f} ms ({mbs(b):.0f} MB/s)", lambda b: True)
    core_row("core: appendToLog on a 32 KB log", "BM_AppendToLog32K", "bounded",
             lambda b: f"{b['real_time'] / 1000:.2f} ms", lambda b: True)
    worst = max((b for n, b in medians.items() if n.startswith("BM_Choices")),
                key=lambda b: b["real_time"], default=None)
    if worst:
        row("core: buildChoices on a 32767-word list, worst list", "bounded",
            f"{worst['real_time'] / 1000:.2f} ms ({worst['run_name'][3:]})", "", "", True)
    typical = medians.get("BM_ChoicesDifferentWords")
    if typical:
        row("core: buildChoices on 32767 different words", "bounded",
            f"{typical['real_time']:.1f} us", "", "", True)

    print(read(folder, "machine.txt").strip())
    print()
    print("| target | budget | measured | bare Qt window | klettres | |")
    print("|---|---|---|---|---|---|")
    for r in rows:
        print("| " + " | ".join(r) + " |")
    share_table(folder)


# The window benchmarks' figures at full speed beside those held to a share of one core, with the
# budgets that hold at that share (median, and worst in brackets).
SHARED = (
    ("zan: Next clicked -> page recording's first sound", "zan",
     "zan: Next clicked -> page recording's sound", (60, 120)),
    ("zan: Next clicked -> new page painted", "zan", "zan: Next clicked -> new page painted",
     (30, 60)),
    ("zan: word clicked -> its sound", "zan", "zan: word clicked -> its sound", (30, 60)),
    ("kiv: right choice -> word's sound", "kiv", "kiv: right choice clicked -> word's sound",
     (30, 60)),
    ("kiv: pause's end -> next question painted", "kiv",
     "kiv: pause's end -> next question painted", (30, 60)),
    ("kiv: buildChoices, far widths repeated", "kiv", "kiv: buildChoices, far widths repeated",
     None),
)


def share_table(folder):
    share = read(folder, "share.txt").strip()
    if not share:
        return
    full = {p: series(read(folder, f"{p}_window.txt")) for p in ("kiv", "zan")}
    held = {p: series(read(folder, f"{p}_window_share.txt")) for p in ("kiv", "zan")}

    def fig(s):
        return f"{s['median']:.1f} / {s['worst']:.1f} ms" if s else "no figure"

    print()
    print(f"| figure (median / worst) | full speed | {share} % of a core | budget there | |")
    print("|---|---|---|---|---|")
    for target, program, name, budget in SHARED:
        f, h = full[program].get(name), held[program].get(name)
        shown, met = "", ""
        if budget:
            shown = f"{budget[0]} ms ({budget[1]})"
            met = verdict(bool(h) and h["median"] < budget[0] and h["worst"] < budget[1])
        print(f"| {target} | {fig(f)} | {fig(h)} | {shown} | {met} |")


if __name__ == "__main__":
    main()
