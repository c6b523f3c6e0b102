"""wqadmin's manual page against its --help: every command, subcommand and option that --help
lists is described in the page, under that command's heading, and the page describes no command
--help does not know; and groff formats the page without a warning.
    python3 man_page_test.py WQADMIN MANPAGE"""
import re
import subprocess
import sys
import unittest

WQADMIN, MANPAGE = sys.argv[1], sys.argv[2]


def help_text(*args):
    r = subprocess.run([WQADMIN, *args, "--help"], capture_output=True, text=True)
    if r.returncode != 0:
        raise AssertionError(f"wqadmin {' '.join(args)} --help failed: {r.stderr}")
    return r.stdout


def section(text, title):
    """The first words of the lines of a --help section ("Subcommands", "Options")."""
    lines = text.split(f"\n{title}:\n", 1)
    if len(lines) < 2:
        return []
    words = []
    for line in lines[1].split("\n\n", 1)[0].splitlines():
        if line.startswith("  ") and not line.startswith("   "):
            words.append(line.split()[0])
    return words


def long_options(text):
    found = set()
    for entry in section(text, "Options"):
        found.update(o for o in entry.split(",") if o.startswith("--") and o != "--help")
    return found


def positionals_before_subcommand(text):
    """Placeholders for the positionals a command takes before its subcommand (DIR, FILE)."""
    usage = re.search(r"\[OPTIONS\]((?: \S+)*?) \[?SUBCOMMAND\]?", text)
    return ["x"] * len(usage.group(1).split()) if usage else []


def commands():
    """(path of command words, long options) for every command and subcommand."""
    out = []
    top = help_text()
    for name in section(top, "Commands") + section(top, "Technical commands"):
        text = help_text(name)
        out.append(((name,), long_options(text)))
        placeholders = positionals_before_subcommand(text)
        for sub in section(text, "Subcommands"):
            out.append(((name, sub), long_options(help_text(name, *placeholders, sub))))
    return out


def man_sections():
    """Each .SS heading of the page as plain words, with the heading and the text under it."""
    with open(MANPAGE, encoding="utf-8") as f:
        source = f.read()
    plain = re.sub(r"\\f[BIRP]", "", source).replace("\\-", "-")
    parts = re.split(r'^\.SS "?(.*?)"?$', plain, flags=re.M)
    return [(parts[i].split(), parts[i] + parts[i + 1]) for i in range(1, len(parts), 2)]


def heading_names(words, command):
    """Whether a heading's words are wqadmin, the command's name, and (after arguments in
    capitals or brackets) its subcommand's name."""
    if words[:2] != ["wqadmin", command[0]]:
        return False
    rest = [w for w in words[2:] if re.fullmatch(r"[a-z][a-z0-9-]*", w)]
    return (rest[:1] == [command[1]]) if len(command) > 1 else True


class ManPageTest(unittest.TestCase):
    def test_every_command_and_option_is_described(self):
        sections = man_sections()
        for command, options in commands():
            with self.subTest(command=" ".join(command)):
                under = [body for words, body in sections if heading_names(words, command)]
                self.assertTrue(under, f"no heading 'wqadmin {' '.join(command)}' in the page")
                if len(command) == 1:
                    # A command's own options may be described under any of its headings.
                    under = [body for words, body in sections if words[:2] == ["wqadmin", command[0]]]
                for option in options:
                    self.assertTrue(any(option in body for body in under),
                                    f"{option} of 'wqadmin {' '.join(command)}' is not described")

    def test_every_heading_names_a_command(self):
        known = {c[0] for c, _ in commands()}
        for words, _ in man_sections():
            self.assertEqual(words[0], "wqadmin")
            self.assertIn(words[1], known, f"the page describes an unknown command {words[1]}")

    def test_groff_formats_the_page_without_warnings(self):
        r = subprocess.run(["groff", "-man", "-Tutf8", "-ww", "-z", MANPAGE], capture_output=True,
                           text=True)
        self.assertEqual(r.returncode, 0)
        self.assertEqual(r.stderr, "")


if __name__ == "__main__":
    unittest.main(argv=sys.argv[:1])
