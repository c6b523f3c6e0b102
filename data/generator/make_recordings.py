#!/usr/bin/env python3
"""Records the sample library's speech with espeak-ng and sox.

usage: make_recordings.py WQADMIN WAVSDIR STORY.json... -- WORDLIST.TXT...

Writes into WAVSDIR (which it owns and empties first):
  <CODE>/SNTnn.WAV  every page of every story, read whole (CODE: the story file's name in capitals)
  WDS/<stem>.WAV    every word of every page and every list, named by `wqadmin stem --word`, so
                    the programs and this script share one rule (accented words keep their
                    accents); the lone word "a" is recorded twice, as AY (said "ay") and UH
                    (said "uh")

Each list and story is said in the voice data/voices.tsv gives its name (en-gb otherwise).
  CLICK.WAV         a short click

Both kinds of wave file the players must handle are made: page recordings of red-level stories
(numbers 01 to 16) and word recordings whose stem starts with A to M are 8-bit 11025 Hz; the
others are 16-bit 22050 Hz.
"""

import concurrent.futures
import json
import os
import re
import shutil
import subprocess
import sys
import tempfile

DEFAULT_VOICE = "en-gb"
VOICES_FILE = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "voices.tsv")
WORD_SPEED = ["-s", "110"]
PAGE_SPEED = ["-s", "120", "-g", "6"]
LOW = ["-r", "11025", "-b", "8", "-e", "unsigned-integer"]
HIGH = ["-r", "22050", "-b", "16", "-e", "signed-integer"]
# Cut espeak-ng's long leading and trailing silence, then leave a short, even margin.
TRIM = ["silence", "1", "0.02", "0.5%", "reverse", "silence", "1", "0.02", "0.5%", "reverse", "pad", "0.08", "0.12"]
# Phoneme input: the article "a" said as in "a day" and as the letter's name.
SPOKEN_A = {"UH": "[[@]]", "AY": "[[eI]]"}


def voices():
    table = {}
    with open(VOICES_FILE, encoding="utf-8") as f:
        for line in f:
            if line.strip() and not line.startswith("#"):
                name, voice = line.rstrip("\n").split("\t")
                table[name.upper()] = voice
    return table


def voice_of(path, table):
    return table.get(os.path.splitext(os.path.basename(path))[0].upper(), DEFAULT_VOICE)


def page_words(story):
    for page in story["pages"]:
        for item in page["texts"]:
            yield from item["text"].split()


def page_text(page):
    """What the page recording says: the page's lines, without the quotation-mark signs."""
    return " ".join(item["text"] for item in page["texts"]).replace("@", "")


def list_words(path):
    """The words of a word list: fields after the marker, up to *END*, that a list would accept."""
    with open(path, encoding="cp1252") as f:
        fields = [field.strip() for line in f for field in line.split(",")]
    if not fields or fields[0].upper() not in ("*WORDLIST*", "*WORDLIST ACCENTS*"):
        sys.exit(f"{path}: not a word list")
    accented = fields[0].upper() == "*WORDLIST ACCENTS*"
    words = []
    for field in fields[1:]:
        if field.upper() == "*END*":
            break
        if 3 <= len(field) <= 11 and field.isalpha() and (accented or field.isascii()):
            words.append(field)
    return words


def spoken(word):
    """The word as it should be said: without the punctuation and quotation signs around it."""
    return re.sub(r"^[\W\d_]+|[\W\d_]+$", "", word)


def stem(wqadmin, word, voice_a=False):
    args = [wqadmin, "stem", "--word", word] + (["--voice-a"] if voice_a else [])
    return subprocess.run(args, check=True, capture_output=True, text=True).stdout.strip()


def word_recordings(wqadmin, words):
    """Stem -> (the text espeak-ng says for it, voice); two different words, or one word in two
    voices, sharing a stem is an error. words: (word, voice) pairs."""
    said = {}
    for word, voice in words:
        text = spoken(word)
        if not text:
            continue
        if text.lower() == "a":
            said.update({key: (phonemes, voice) for key, phonemes in SPOKEN_A.items()})
            continue
        key = stem(wqadmin, word)
        if said.setdefault(key, (text.lower(), voice)) != (text.lower(), voice):
            sys.exit(f"the words {said[key]!r} and {(text.lower(), voice)!r} share the sound file {key}.WAV")
    return said


def record(text, voice, speed, out_path, quality, scratch):
    raw = os.path.join(scratch, os.path.basename(os.path.dirname(out_path)) + "_" + os.path.basename(out_path))
    subprocess.run(["espeak-ng", "-v", voice] + speed + ["-w", raw, "--", text], check=True)
    subprocess.run(["sox", raw] + quality + ["-c", "1", out_path] + TRIM, check=True)
    os.remove(raw)


def click(out_path):
    subprocess.run(["sox", "-n"] + LOW + ["-c", "1", out_path, "synth", "0.035", "square", "900",
                    "fade", "0", "0.035", "0.03", "vol", "0.6"], check=True)


def jobs(wqadmin, wavs, stories, lists):
    table = voices()
    for code, story in stories.items():
        quality = LOW if int(code[:2]) <= 16 else HIGH
        for number, page in enumerate(story["pages"], start=1):
            yield (page_text(page), table.get(code, DEFAULT_VOICE), PAGE_SPEED,
                   os.path.join(wavs, code, f"SNT{number:02d}.WAV"), quality)
    words = [(w, table.get(code, DEFAULT_VOICE)) for code, story in stories.items() for w in page_words(story)]
    words += [(w, voice_of(l, table)) for l in lists for w in list_words(l)]
    for key, (text, voice) in sorted(word_recordings(wqadmin, words).items()):
        quality = LOW if key[0] <= "M" else HIGH
        yield text, voice, WORD_SPEED, os.path.join(wavs, "WDS", key + ".WAV"), quality


def main():
    args = sys.argv[1:]
    if len(args) < 3 or "--" not in args:
        sys.exit(__doc__)
    wqadmin, wavs = args[0], args[1]
    split = args.index("--")
    stories = {}
    for path in args[2:split]:
        with open(path, encoding="utf-8") as f:
            stories[os.path.splitext(os.path.basename(path))[0].upper()] = json.load(f)
    lists = args[split + 1:]
    shutil.rmtree(wavs, ignore_errors=True)
    for folder in ["WDS"] + list(stories):
        os.makedirs(os.path.join(wavs, folder))
    click(os.path.join(wavs, "CLICK.WAV"))
    with tempfile.TemporaryDirectory() as scratch, \
            concurrent.futures.ThreadPoolExecutor(max_workers=os.cpu_count() or 2) as pool:
        futures = [pool.submit(record, *job, scratch) for job in jobs(wqadmin, wavs, stories, lists)]
        for future in futures:
            future.result()


if __name__ == "__main__":
    main()
