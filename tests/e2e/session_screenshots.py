"""Copies the pictures the end-to-end sessions took at their key moments into docs/screenshots/,
where the README shows them, reduced to 64 colours.

Usage: python3 tests/e2e/session_screenshots.py [OUTPUT_DIR]
OUTPUT_DIR is the sessions' output folder (default: build/e2e-output, as `ctest -R e2e_` leaves
it)."""
import os
import subprocess
import sys

ROOT = os.path.abspath(os.path.join(os.path.dirname(__file__), "../.."))
OUTPUT = sys.argv[1] if len(sys.argv) > 1 else os.path.join(ROOT, "build", "e2e-output")
DOCS = os.path.join(ROOT, "docs", "screenshots")

# The README's picture: the session's picture it is made from.
PICTURES = {
    "session-kiv-wrong-letter.png":
        "test_a_typed_set_then_a_set_of_four_choices_and_the_session_logged-wrong-letter.png",
    "session-kiv-set-complete.png":
        "test_a_typed_set_then_a_set_of_four_choices_and_the_session_logged-"
        "choices-set-complete.png",
    "session-kiv-own-list.png":
        "test_a_new_list_gets_its_missing_recordings_and_every_word_is_heard-chooser.png",
    "session-kiv-settings.png":
        "test_the_settings_behind_the_password_restart_the_activity_with_them-"
        "settings-changed.png",
    "session-zan-wrong-word.png":
        "test_a_child_reads_a_story_to_its_end_and_opens_another-wrong-word.png",
    "session-zan-last-page.png":
        "test_a_child_reads_a_story_to_its_end_and_opens_another-last-page.png",
}

if __name__ == "__main__":
    missing = [taken for taken in PICTURES.values()
               if not os.path.exists(os.path.join(OUTPUT, taken))]
    if missing:
        sys.exit("run the end-to-end sessions first; missing: " + ", ".join(missing))
    for shown, taken in PICTURES.items():
        subprocess.run(["convert", os.path.join(OUTPUT, taken), "-colors", "64",
                        os.path.join(DOCS, shown)], check=True)
        print(os.path.join("docs", "screenshots", shown))
