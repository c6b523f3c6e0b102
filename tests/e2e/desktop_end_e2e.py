"""Sessions the desktop ends: a logout or shutdown (SIGTERM, SIGHUP), Ctrl+C in a terminal
(SIGINT) and the X server going away. Each ends the program as File > Exit does, so the session
is in the log.

Run one class: python3 desktop_end_e2e.py SignalTest"""
import os
import re
import signal
import sys
import unittest

sys.path.insert(0, os.path.dirname(__file__))
from desktop import Desktop  # noqa: E402
from sessions_e2e import KivSessions, log_entries  # noqa: E402


class DesktopEnd(KivSessions):
    def sessions(self, name, activity):
        """How many sessions of the activity the user's section of the log holds."""
        entries = log_entries(self.read("LOG.WQ"), name) or []
        return sum(1 for when, what in zip(entries, entries[1:])
                   if re.fullmatch(r"\d+:\d\d [ap]m, \d+ \w+ \d{4}\.  Session time: \d+ "
                                   r"minutes?\.", when) and
                   re.fullmatch(f"   {activity} +\\d+ mins?", what))

    def run_until_shown(self, program, name):
        """Starts the program, signs the child in and waits for the activity or the page."""
        self.start(program)
        self.sign_in(name)
        if program == "kiv":
            self.wait_activity()
        else:
            self.wait_page()


class SignalTest(DesktopEnd):
    def test_each_signal_a_desktop_sends_logs_the_session(self):
        for program, activity in (("kiv", "Words"), ("zan", "Phrases")):
            for sig in (signal.SIGTERM, signal.SIGHUP, signal.SIGINT):
                with self.subTest(program=program, signal=sig.name):
                    before = self.sessions("Amira", activity)
                    self.run_until_shown(program, "Amira")
                    self.proc.send_signal(sig)
                    # Ended by the signal itself, as the desktop expects.
                    self.assertEqual(self.wait_exit(), -sig)
                    self.assertEqual(self.sessions("Amira", activity), before + 1)


class LostDisplayTest(DesktopEnd):
    def test_the_x_server_going_away_logs_the_session(self):
        shared = self.desktop
        own = Desktop(*self.size).__enter__()
        try:
            self.desktop = own
            self.run_until_shown("kiv", "Amira")
            xvfb = own.procs[0]
            xvfb.kill()
            xvfb.wait()
            status = self.wait_exit()
        finally:
            own.__exit__(None, None, None)
            self.desktop = shared
        self.assertEqual(status, 1)
        self.assertEqual(self.sessions("Amira", "Words"), 1)


if __name__ == "__main__":
    unittest.main()
