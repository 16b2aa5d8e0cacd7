#!/usr/bin/python3
"""What a blind learner hears in the options dialog: the built program under
the real Orca screen reader, in a private X server, session bus and
accessibility bus. The dialog is opened with Ctrl+O and walked by keys as a
person types them; what Orca says is read from its debug log.

Usage: orca_options.py PROGRAM
Exit code 77 (skipped) only where Orca and its helpers cannot start.
"""

import os
import shutil
import subprocess
import sys
import tempfile
import unittest

from orca_desktop import STEP_SECONDS, Desktop, Learner

SKIP = 77
PROGRAM = None


class OrcaOptions(unittest.TestCase):
    desktop = None

    @classmethod
    def setUpClass(cls):
        missing = [tool for tool in ("orca", "Xvfb", "dbus-daemon", "openbox", "xdotool")
                   if not shutil.which(tool)]
        if not os.path.exists("/usr/libexec/at-spi-bus-launcher"):
            missing.append("at-spi-bus-launcher")
        if missing:
            raise unittest.SkipTest("cannot start Orca here, missing: " + ", ".join(missing))
        cls.world = tempfile.mkdtemp(prefix="lw-orca-")
        cls.desktop = Desktop(cls.world)
        try:
            cls.desktop.start()
        except (RuntimeError, OSError) as e:
            cls.desktop.stop()
            raise unittest.SkipTest("cannot start Orca here: %s" % e)

    @classmethod
    def tearDownClass(cls):
        if cls.desktop:
            cls.desktop.stop()
        if not os.environ.get("LW_KEEP_WORLD"):
            shutil.rmtree(cls.world, ignore_errors=True)

    def setUp(self):
        self.program = None
        self.learner = Learner(self.desktop)

    def tearDown(self):
        if self.program:
            self.program.terminate()
            try:
                self.program.wait(5)
            except subprocess.TimeoutExpired:
                self.program.kill()

    def start_program(self):
        """The program in test mode, "B-A", with sounds off, nothing chosen to learn."""
        env = self.desktop.env
        key = os.path.join(env["XDG_CONFIG_HOME"], "Lernwendel", "registry", "HKEY_CURRENT_USER",
                           "Software", "Lernwendel.reg")
        os.makedirs(os.path.dirname(key), exist_ok=True)
        with open(key, "w", encoding="utf-8") as f:
            f.write("Windows Registry Editor Version 5.00\n\n[HKEY_CURRENT_USER\\Software\\Lernwendel]\n"
                    '"AktOrdner"=dword:00000001\n"Lerntyp"=dword:00000000\n"Anzeigetyp"=dword:00000002\n'
                    '"ZufallS"=dword:00000000\n"Sounds"=dword:00000000\n')
        self.key = key
        start = len(self.desktop.speech())
        program_env = dict(env, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_QPA_PLATFORM="xcb")
        self.program = subprocess.Popen([PROGRAM], env=program_env, stdin=subprocess.DEVNULL,
                                        stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        ready = self.desktop.wait_for(lambda said: any(s.startswith("Frage") for s in said), 20, start)
        self.assertTrue(ready, "the main window was not read: %r" % self.desktop.speech(start))
        return self.desktop.settle(start)

    def step(self, action, expected):
        """Runs one action of the learner and returns what Orca said for it,
        once every expected text was said or the wait ran out."""
        start = len(self.desktop.speech())
        action()
        self.desktop.wait_for(lambda said: all(any(e in s for s in said) for e in expected),
                              STEP_SECONDS, start)
        said = self.desktop.settle(start)
        for text in expected:
            self.assertTrue(any(text in s for s in said), "not said: %r; Orca said %r" % (text, said))
        return said

    def test_walk_the_dialog(self):
        self.start_program()
        press = self.learner.press
        # The title, the group and its choice; the group's name comes from
        # the group box, which Orca reads as a panel and as the radio
        # buttons' group.
        self.step(lambda: press("o", "ctrl"),
                  ["Optionen dialog", "Lerntyp panel", "Prüfen", "selected radio button"])
        # Tab enters the next group at its choice.
        self.step(lambda: press("Tab"), ["Anzeigetyp panel", "B-A", "selected radio button"])
        self.step(lambda: press("Tab"), ["Zufällige Reihenfolge check box not checked"])
        said = self.step(lambda: press("space"), ["checked"])
        self.assertNotIn("not checked", said)
        # Back in the main window; what was changed is put back unsaid.
        said = self.step(lambda: press("Escape"), ["Lernwendel V1.23 frame", "Frage"])
        self.assertNotIn("not checked", said)
        with open(self.key, encoding="utf-8") as f:
            self.assertIn('"ZufallS"=dword:00000000', f.read(), "Escape saved nothing")

if __name__ == "__main__":
    if len(sys.argv) < 2:
        sys.exit(__doc__)
    PROGRAM = sys.argv.pop(1)
    result = unittest.main(exit=False, verbosity=2).result
    if result.skipped and not result.failures and not result.errors and result.testsRun == len(result.skipped):
        print("SKIPPED: " + result.skipped[0][1])
        sys.exit(SKIP)
    sys.exit(0 if result.wasSuccessful() else 1)
