#!/usr/bin/python3
"""What a blind learner hears in the file selection: the built program under
the real Orca screen reader, in a private X server, session bus and
accessibility bus. Keys go in as a person types them; what Orca says is read
from its debug log.

Usage: orca_files.py PROGRAM
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

# Listed in this order: Farben.dat, Tiere.txt; only Tiere.txt is chosen.
FILES = {"Tiere.txt": ["Tiere", "Hund", "dog"], "Farben.dat": ["Farben", "rot", "red"]}


class OrcaFiles(unittest.TestCase):
    desktop = None

    @classmethod
    def setUpClass(cls):
        missing = [tool for tool in ("orca", "Xvfb", "dbus-daemon", "openbox", "xdotool")
                   if not shutil.which(tool)]
        if not os.path.exists("/usr/libexec/at-spi-bus-launcher"):
            missing.append("at-spi-bus-launcher")
        if missing:
            raise unittest.SkipTest("cannot start Orca here, missing: " + ", ".join(missing))
        cls.world = tempfile.mkdtemp(prefix="lw-orca-files-")
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
        env = self.desktop.env
        folder = os.path.join(env["HOME"], "Documents", "Lernwendel")
        os.makedirs(os.path.join(folder, "Daten"), exist_ok=True)
        for name, lines in FILES.items():
            with open(os.path.join(folder, "Daten", name), "wb") as f:
                f.write(b"\xef\xbb\xbf" + "\r\n".join(lines).encode("utf-8") + b"\r\n")
        with open(os.path.join(folder, "Filenames.ini"), "wb") as f:
            f.write(b"[Filenames]\r\nFilename1=Tiere.txt\r\n")
        key = os.path.join(env["XDG_CONFIG_HOME"], "Lernwendel", "registry", "HKEY_CURRENT_USER",
                           "Software", "Lernwendel.reg")
        os.makedirs(os.path.dirname(key), exist_ok=True)
        with open(key, "w", encoding="utf-8") as f:
            f.write("Windows Registry Editor Version 5.00\n\n[HKEY_CURRENT_USER\\Software\\Lernwendel]\n"
                    '"AktOrdner"=dword:00000001\n"Sounds"=dword:00000000\n')
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
        if os.environ.get("LW_SHOW_SPEECH"):
            print("SAID: %r" % said, file=sys.stderr)
        for text in expected:
            self.assertTrue(any(text in s for s in said), "not said: %r; Orca said %r" % (text, said))
        return said

    def test_choosing_files(self):
        self.start_program()
        press = lambda key, modifier=None: (lambda: self.learner.press(key, modifier))
        # The dialog's title, then the focused row: title with its tick, file.
        self.step(press("d", "ctrl"), ["Dateien auswählen und bearbeiten dialog",
                                       "Farben check box not checked", "Farben.dat"])
        self.step(press("Down"), ["Tiere check box checked", "Tiere.txt"])
        self.step(press("space"), ["not checked"])
        said = self.step(press("space"), ["checked"])
        self.assertFalse(any("not checked" in s for s in said), said)
        # The context menu from both keys, read at every opening; closed, the
        # row is read again.
        for key, modifier in (("F10", "shift"), ("F10", "shift"), ("Menu", None)):
            self.step(press(key, modifier), ["Bearbeiten..."])
            self.step(press("Down"), ["Neu..."])
            self.step(press("Escape"), ["Tiere check box checked"])
        # Abbrechen: back in the main window.
        self.step(press("Escape"), ["Lernwendel V1.23 frame", "Frage"])


if __name__ == "__main__":
    if len(sys.argv) < 2:
        sys.exit(__doc__)
    PROGRAM = sys.argv.pop(1)
    result = unittest.main(exit=False, verbosity=2).result
    if result.skipped and not result.failures and not result.errors and result.testsRun == len(result.skipped):
        print("SKIPPED: " + result.skipped[0][1])
        sys.exit(SKIP)
    sys.exit(0 if result.wasSuccessful() else 1)
