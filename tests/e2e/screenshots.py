"""Takes screenshots of the programs' windows into docs/screenshots/.

Usage: python3 tests/e2e/screenshots.py [BUILD_DIR] [GROUP...]
GROUP is one of kiv, zan, teacher-story, help, sign-in, dialogs, help-pictures (all of them when none is given).
help-pictures makes the help documents' pictures (help/help-pictures/) from the 640x480 ones.
help-pictures-fr, help-pictures-es and help-pictures-de make the French, Spanish and German
documents' pictures (help/help-pictures/NAME.fr.png ...): the same screens taken afresh at 640x480
with the class's LANGUAGE.TXT naming that language, on its own sample word list and story
(LANGUAGES below); the full screenshots stay in the output folder (KZ_E2E_OUTPUT, else
BUILD_DIR/e2e-output), out of the repository. Look at every picture made before committing it.
Runs on fresh installations next to the build (links to the programs, the sample data the build
staged in BUILD_DIR/stage). Each picture is named after the screen it was taken on: 640x480 (the
word activity's design client area, scale 1) and 1280x1024 (scale 2); "small" is the word
activity in a normal window of about 440x330 on a 640x480 screen (scale about 0.7, the small
buttons without captions).

The word activity is driven with the keys 1 to 4. Which choice is right is not known in advance,
so each is tried from the top: a wrong one turns red, which the screen shows."""
import os
import shutil
import subprocess
import sys
import tempfile
import time

sys.path.insert(0, os.path.dirname(__file__))
from desktop import Desktop, installation, remove  # noqa: E402
from language_e2e import DESKTOP_LANGUAGE, LANGUAGES as TRANSLATED  # noqa: E402

ROOT = os.path.abspath(os.path.join(os.path.dirname(__file__), "../.."))
BUILD = os.path.abspath(sys.argv[1] if len(sys.argv) > 1 else os.path.join(ROOT, "build"))
STAGE = os.path.join(BUILD, "stage")
OUT = os.path.join(ROOT, "docs", "screenshots")
HELP_PICTURES = os.path.join(ROOT, "help", "help-pictures")
# The help documents' pictures, from OUT: at most 400 pixels wide, so that they fit the help
# window's text on a small screen.
HELP_SCREENS = ("kiv-question", "kiv-wrong", "kiv-typed", "kiv-typed-wrong", "kiv-frog",
                "kiv-set-complete", "kiv-settings", "zan-title", "zan-phrase", "zan-last-page",
                "zan-settings")
HELP_DIALOGS = ("sign-in", "password", "recovery", "chooser")
SIZES = ((640, 480), (1280, 1024))
SMALL_WINDOW = (440, 292)  # the client area; with the frame near 4:3

# kivOptions: show and speak (3), the word always shown (time code 50), five questions a set;
# with four choices (answer style 4) or the typed answer (1).
PADS = 5
KIV_CHOICES = 3 + 16 * 4 + 128 * 50 + 8192 * PADS
KIV_TYPED = 3 + 16 * 1 + 128 * 50 + 8192 * PADS
# A teacher's list of one word: every answer is known in advance.
TEACHER_LIST = "0065TO65"

# What each language's windows are called and driven by, and what they show: the main windows'
# captions, the Alt keys of File > Exit, Settings > Alter the settings and the reader's Next,
# the sample word list and story of that language (None: the sample's own choice), and the
# teacher's one-word list (its word and its comment). English is the documents' own set.
LANGUAGES = {
    "en": dict(words="Words", phrases="Phrases", exit=("alt+f", "x"), alter=("alt+t", "a"),
               next="alt+n", word_list=None, story=None, chosen="25SAMPLE",
               one_word=("frog", "One word, for practice")),
    "fr": dict(next="alt+s", word_list="65MOTS", story="12BATEAU",
               one_word=("chat", "Un mot, pour s'entraîner")),
    "es": dict(next="alt+s", word_list="67GATO", story="14COCO",
               one_word=("gato", "Una palabra, para practicar")),
    "de": dict(next="alt+w", word_list="69HUND", story="16BELLO",
               one_word=("Hund", "Ein Wort zum Üben")),
}
for _code, _words in TRANSLATED.items():
    LANGUAGES[_code].update(
        words=_words["words"], phrases=_words["phrases"], chosen=LANGUAGES[_code]["story"],
        exit=(_words["file_menu"], _words["exit_item"]),
        alter=(_words["settings_menu"], _words["alter_item"]))


def reduce(source, target):
    subprocess.run(["convert", source, "-colors", "64", target], check=False)
    print(target)


def grab(desktop, path, crop=None):
    desktop.screenshot(path)
    if crop:
        x, y, w, h = crop
        subprocess.run(["convert", path, "-crop", f"{w}x{h}+{x}+{y}", "+repage", path],
                       check=True)


def output_folder(language):
    """Where the screenshots of that language go: docs/screenshots/ for English, the test
    output folder for the others (only their help pictures are kept)."""
    if language == "en":
        return OUT
    return os.path.join(os.environ.get("KZ_E2E_OUTPUT", os.path.join(BUILD, "e2e-output")),
                        f"screenshots-{language}")


def shoot(desktop, name, suffix=None, crop=None, language="en"):
    path = os.path.join(output_folder(language),
                        f"{name}-{suffix or f'{desktop.width}x{desktop.height}'}.png")
    grab(desktop, path, crop)
    reduce(path, path)


def count_colour(path, colour):
    """How many pixels of the picture are near that colour."""
    r = subprocess.run(["convert", path, "-fuzz", "12%", "-fill", "black", "+opaque", colour,
                        "-fill", "white", "-opaque", colour, "-format", "%[fx:mean*w*h]", "info:"],
                       capture_output=True, text=True, check=True)
    return int(float(r.stdout.strip() or 0))


def sample_installation(programs, wordlist=None, language="en"):
    """A fresh installation with the sample library's data; its own WORDLIST folder holding
    wordlist (name, text) when given, else the sample lists. In another language than English
    the class's LANGUAGE.TXT names it and the staged translations and help lie beside the
    programs."""
    folder, wqadmin = installation(BUILD, programs)
    if language != "en":
        with open(os.path.join(folder, "LANGUAGE.TXT"), "w") as f:
            f.write(language + "\r\n")
        for name in os.listdir(STAGE):
            if name.endswith(f"_{language}.qm") or name.endswith(f"-help.{language}.html"):
                os.symlink(os.path.join(STAGE, name), os.path.join(folder, name))
    for part in ("DATA", "BMPS", "WAVS"):
        if os.path.exists(os.path.join(STAGE, part)):
            os.symlink(os.path.join(STAGE, part), os.path.join(folder, part))
    if wordlist:
        os.makedirs(os.path.join(folder, "WORDLIST"))
        with open(os.path.join(folder, "WORDLIST", wordlist[0] + ".TXT"), "wb") as f:
            f.write(wordlist[1])
    else:
        os.symlink(os.path.join(STAGE, "WORDLIST"), os.path.join(folder, "WORDLIST"))
    for name in ("kiv-help.html", "zan-help.html", "help-pictures"):
        staged = os.path.join(STAGE, name)
        os.symlink(staged if os.path.exists(staged) else os.path.join(ROOT, "help", name),
                   os.path.join(folder, name))
    return folder, wqadmin


def set_teacher(wqadmin, folder, *fields):
    subprocess.run([wqadmin, "settings", os.path.join(folder, "TEACHER.WQ"), "set", *fields],
                   check=True, capture_output=True)


def speaking(desktop, language):
    """The display's tools in a UTF-8 locale, so that xdotool matches the accented letters of
    the translated titles; the programs take their language from the class's LANGUAGE.TXT."""
    if language != "en":
        for name in DESKTOP_LANGUAGE:
            desktop.env.pop(name, None)
        desktop.env["LANG"] = "C.UTF-8"
    return LANGUAGES[language]


def open_settings(desktop, frame, words):
    """Settings > Alter the settings: the settings window in the main window (no password)."""
    desktop.key(words["alter"][0], window=frame)
    time.sleep(0.3)
    desktop.key(words["alter"][1])
    time.sleep(1.5)


def exit_program(desktop, frame, proc, words=LANGUAGES["en"]):
    desktop.key(words["exit"][0], window=frame)
    time.sleep(0.3)
    desktop.key(words["exit"][1])
    try:
        proc.wait(10)
    except subprocess.TimeoutExpired:
        proc.kill()
        proc.wait()


def start_kiv(d, folder, small, words=LANGUAGES["en"]):
    """Kiv started on its first question; returns the process, its window and the crop of a
    small window (None when maximised)."""
    proc = d.start(os.path.join(folder, "kiv"))
    frame = d.wait_main_window(words["words"])
    if frame is None:
        raise RuntimeError(f"no main window {words['words']}")
    time.sleep(2.0)
    crop = None
    if small:
        d.restore(frame, *SMALL_WINDOW)
        time.sleep(1.5)
        crop = d.outer_geometry(frame)
    return proc, frame, crop


def kiv_choices(width, height, small=False, language="en"):
    """The word activity with four choices: a question, a wrong choice, a right one, the frog
    along the pads, the set complete; then its settings window."""
    suffix = "small" if small else None
    with Desktop(width, height) as d, tempfile.TemporaryDirectory() as tmp:
        words = speaking(d, language)
        taken_as = os.path.join(output_folder(language),
                                "kiv-{}-" + (suffix or f"{width}x{height}") + ".png")
        folder, wqadmin = sample_installation(("kiv",), language=language)
        try:
            fields = [f"kivOptions={KIV_CHOICES}"]
            if words["word_list"]:
                fields.append(f"kivWordlist={words['word_list']}")
            set_teacher(wqadmin, folder, *fields)
            proc, frame, crop = start_kiv(d, folder, small, words)
            shoot(d, "kiv-question", suffix, crop, language)
            taken = set()
            position, missed = 0, False
            probe = os.path.join(tmp, "probe.png")
            for _ in range(40):  # questions; each wrong answer costs one more
                if position == 3 and "frog" not in taken:
                    shoot(d, "kiv-frog", suffix, crop, language)
                    taken.add("frog")
                grab(d, probe, crop)
                red = count_colour(probe, "#ff0000")
                cyan = count_colour(probe, "#00ffff")
                for key in "1234":
                    d.key(key, window=frame)
                    time.sleep(0.25)
                    grab(d, probe, crop)
                    now = count_colour(probe, "#ff0000")
                    if now <= red + 20 and count_colour(probe, "#00ffff") > cyan * 0.6:
                        raise RuntimeError(f"the activity did not answer the key {key}")
                    if now > red + 20:  # turned red: a wrong choice, the frog sad
                        red = now
                        missed = True
                        if "wrong" not in taken:
                            reduce(probe, taken_as.format("wrong"))
                            taken.add("wrong")
                        continue
                    # Right: the word shown, the frog jumping (or back from sad to sitting).
                    if missed:
                        missed = False
                    else:
                        position += 1
                        if "right" not in taken:
                            reduce(probe, taken_as.format("right"))
                            taken.add("right")
                    break
                else:
                    raise RuntimeError("no choice was right")
                if position == PADS:
                    time.sleep(1.0)  # the landing: the winning frog and Next
                    shoot(d, "kiv-set-complete", suffix, crop, language)
                    break
                time.sleep(2.2)  # the jump and the pause, then the next question
            open_settings(d, frame, words)
            shoot(d, "kiv-settings", suffix, crop, language)
            exit_program(d, frame, proc, words)
        finally:
            remove(folder)


def kiv_typed(width, height, small=False, language="en"):
    """The typed answer on a teacher's list of one word: a beginning, a wrong letter (red), the
    word typed whole."""
    suffix = "small" if small else None
    name = TEACHER_LIST
    word, comment = LANGUAGES[language]["one_word"]
    text = (f"*WORDLIST*\r\n* {comment}\r\n" + f"{word}\r\n" * 4).encode("cp1252")
    with Desktop(width, height) as d:
        words = speaking(d, language)
        folder, wqadmin = sample_installation(("kiv",), (name, text), language)
        try:
            set_teacher(wqadmin, folder, f"kivOptions={KIV_TYPED}", f"kivWordlist={name}")
            proc, frame, crop = start_kiv(d, folder, small, words)
            d.type(word[:2], window=frame)
            time.sleep(0.3)
            shoot(d, "kiv-typed", suffix, crop, language)
            d.type(word[2:])
            time.sleep(0.25)
            shoot(d, "kiv-typed-right", suffix, crop, language)
            time.sleep(2.5)  # the jump and the pause, then the next question
            d.type(word[:2] + "x")
            time.sleep(0.15)
            shoot(d, "kiv-typed-wrong", suffix, crop, language)
            time.sleep(1.0)
            exit_program(d, frame, proc, words)
        finally:
            remove(folder)


def read_listed_words(d, list_shown):
    """Chooses the listed words from the top with Return (the list holds a phrase's words in
    reading order) until the list stays away: the page is read."""
    gone_since = None
    while True:
        if list_shown():
            gone_since = None
            d.key("Home")
            for _ in range(8):
                # A Return after the page's last word would press the button the focus moved
                # to (Start, on the last page): the list is looked for before each one.
                if not list_shown():
                    break
                d.key("Return")
                time.sleep(0.15)
                d.key("Down")
            time.sleep(0.4)
            continue
        gone_since = gone_since or time.time()
        if time.time() - gone_since > 2.0:
            return
        time.sleep(0.2)


def zan(width, height, language="en"):
    """The story reader on the sample story: its title page, a phrase half clicked, the last page
    read; then its settings window."""
    with Desktop(width, height) as d, tempfile.TemporaryDirectory() as tmp:
        words = speaking(d, language)
        folder, wqadmin = sample_installation(("zan",), language=language)
        if words["story"]:
            set_teacher(wqadmin, folder, f"zanStory={words['story']}")
        probe = os.path.join(tmp, "probe.png")

        def list_shown():
            grab(d, probe)
            return count_colour(probe, "#00ffff") > 200

        def read_page():
            read_listed_words(d, list_shown)

        try:
            proc = d.start(os.path.join(folder, "zan"))
            frame = d.wait_main_window(words["phrases"])
            if frame is None:
                raise RuntimeError(f"no main window {words['phrases']}")
            time.sleep(2.5)
            shoot(d, "zan-title", language=language)
            d.key(words["next"], window=frame)
            time.sleep(2.0)
            d.key("Return")
            time.sleep(0.2)
            d.key("Down", "Return")
            time.sleep(0.5)
            shoot(d, "zan-phrase", language=language)
            for page in range(2, 8):
                read_page()
                if page < 7:
                    d.key(words["next"], window=frame)
                    time.sleep(1.5)
            shoot(d, "zan-last-page", language=language)
            open_settings(d, frame, words)
            shoot(d, "zan-settings", language=language)
            exit_program(d, frame, proc, words)
        finally:
            remove(folder)


def start_and_help(width, height):
    """The start-up windows, the About box over the activity and the help window."""
    with Desktop(width, height) as d:
        folder, wqadmin = sample_installation(("kiv", "zan"))
        try:
            for program, caption in (("kiv", "Words"), ("zan", "Phrases")):
                proc = d.start(os.path.join(folder, program))
                time.sleep(0.6)
                shoot(d, f"{program}-startup")
                frame = d.wait_main_window(caption)
                time.sleep(2.0)
                if program == "kiv":
                    d.key("alt+p", window=frame)  # Hel&p: the activity's Hear button has H
                    time.sleep(0.3)
                    d.key("a")
                    time.sleep(0.8)
                    shoot(d, "kiv-about")  # over the activity; "about" is the gallery's
                    d.key("Return")
                    time.sleep(0.3)
                    d.key("alt+p", window=frame)
                    time.sleep(0.3)
                    d.key("c")
                    help_window = d.wait_window(f"^{caption} Help$")
                    time.sleep(0.8)
                    shoot(d, "help")
                    d.key("alt+F4", window=help_window)
                    time.sleep(0.3)
                    d.key("alt+p", window=frame)  # Help > Search, looking for the frog
                    time.sleep(0.3)
                    d.key("s")
                    help_window = d.wait_window(f"^{caption} Help$")
                    time.sleep(0.5)
                    d.type("frog")
                    time.sleep(0.3)
                    d.key("Return")
                    time.sleep(0.8)
                    shoot(d, "help-search")
                    d.key("alt+F4", window=help_window)
                else:
                    d.key("alt+p", window=frame)  # the story reader's help on its settings
                    time.sleep(0.3)
                    d.key("s")
                    help_window = d.wait_window(f"^{caption} Help$")
                    time.sleep(0.5)
                    d.type("settings")
                    time.sleep(0.3)
                    d.key("Return")
                    time.sleep(0.8)
                    shoot(d, "zan-help-settings")
                    d.key("alt+F4", window=help_window)
                exit_program(d, frame, proc)
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


def dialogs(width, height, language="en"):
    """The shared dialogs, each with its window frame, drawn by the dialog gallery; in another
    language with its translations, the story chooser on that language's story."""
    with Desktop(width, height) as d, tempfile.TemporaryDirectory() as shots:
        translated = []
        if language != "en":
            translated = [language, os.path.join(BUILD, "translations"),
                          LANGUAGES[language]["chosen"]]
        subprocess.run([os.path.join(BUILD, "tests", "ui", "dialog_gallery"), shots,
                        f"{width}x{height}", STAGE, *translated], env=d.env, check=True)
        for name in os.listdir(shots):
            reduce(os.path.join(shots, name), os.path.join(output_folder(language), name))


def help_pictures(language="en"):
    """The help documents' pictures, from the 640x480 screenshots: the screen as a child sees it
    at the activity's design size. Another language's are named NAME.xx.png beside them."""
    os.makedirs(HELP_PICTURES, exist_ok=True)
    for name in HELP_SCREENS + HELP_DIALOGS:
        source = os.path.join(output_folder(language), f"{name}-640x480.png")
        target = os.path.join(HELP_PICTURES,
                              f"{name}.png" if language == "en" else f"{name}.{language}.png")
        subprocess.run(["convert", source, "-resize", "400x>", "-colors", "64", target],
                       check=True)
        print(target)


def teacher_story(width, height):
    """A teacher's own story made by wqadmin story make (the end-to-end session's text and
    pictures): its title page, its second page read, its last page read."""
    sys.path.insert(0, os.path.dirname(__file__))
    from teacher_story_e2e import PICTURES, STORY, write_png
    with Desktop(width, height) as d, tempfile.TemporaryDirectory() as tmp:
        folder, wqadmin = installation(BUILD, ("zan",))
        for part in ("DATA", "BMPS", "WAVS"):
            shutil.copytree(os.path.join(STAGE, part), os.path.join(folder, part))
        source = os.path.join(tmp, "our-walk")
        os.makedirs(source)
        with open(os.path.join(source, "story.txt"), "w", encoding="utf-8") as f:
            f.write(STORY)
        for name, (rgb, w, h) in PICTURES.items():
            write_png(os.path.join(source, name), rgb, w, h)
        subprocess.run([wqadmin, "story", "make", folder, "17WALK", source], check=True,
                       capture_output=True)
        set_teacher(wqadmin, folder, "zanStory=17WALK")
        probe = os.path.join(tmp, "probe.png")

        def read_page():
            read_listed_words(d, lambda: grab(d, probe) or count_colour(probe, "#00ffff") > 200)

        try:
            proc = d.start(os.path.join(folder, "zan"))
            frame = d.wait_main_window("Phrases")
            time.sleep(2.5)
            shoot(d, "teacher-story-title")
            for page in range(2, len(PICTURES) + 2):
                d.key("alt+n", window=frame)
                time.sleep(2.0)
                read_page()
                if page == 2:
                    shoot(d, "teacher-story-page")
            shoot(d, "teacher-story-last-page")
            exit_program(d, frame, proc)
        finally:
            remove(folder)


GROUPS = {
    "kiv": lambda w, h: (kiv_choices(w, h), kiv_typed(w, h)),
    "zan": zan,
    "teacher-story": teacher_story,
    "help": start_and_help,
    "sign-in": sign_in,
    "dialogs": dialogs,
}

def translated_help_pictures(language):
    """The screens of the help pictures in that language at 640x480, then the pictures."""
    os.makedirs(output_folder(language), exist_ok=True)
    kiv_choices(640, 480, language=language)
    kiv_typed(640, 480, language=language)
    zan(640, 480, language=language)
    dialogs(640, 480, language=language)
    help_pictures(language)


if __name__ == "__main__":
    if not shutil.which("convert"):
        sys.exit("imagemagick's convert is needed")
    groups = sys.argv[2:] or [*GROUPS, "help-pictures"]
    translated = [f"help-pictures-{code}" for code in LANGUAGES if code != "en"]
    unknown = set(groups) - set(GROUPS) - {"help-pictures", *translated}
    if unknown:
        sys.exit(f"unknown groups: {', '.join(sorted(unknown))}")
    for group in translated:
        if group in groups:
            translated_help_pictures(group.rsplit("-", 1)[1])
    groups = [group for group in groups if group not in translated]
    if not groups:
        sys.exit(0)
    os.makedirs(OUT, exist_ok=True)
    if "kiv" in groups:
        kiv_choices(640, 480, small=True)
        kiv_typed(640, 480, small=True)
    for size in SIZES:
        for group, take in GROUPS.items():
            if group in groups:
                take(*size)
    if "help-pictures" in groups:
        help_pictures()
