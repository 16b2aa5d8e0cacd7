#!/usr/bin/python3
"""What a blind learner hears: the built program trained by keyboard under
the real Orca screen reader, in a private X server, session bus and
accessibility bus. Keys go in as a person types them (modifier down, key
down, key up, modifier up); what Orca says is read from its debug log.

Usage: orca_training.py PROGRAM
Exit code 77 (skipped) only where Orca and its helpers cannot start.
"""

import os
import re
import shutil
import subprocess
import sys
import tempfile
import unittest

from orca_desktop import STEP_SECONDS, Desktop, Learner

SKIP = 77
PROGRAM = None

WORDS = [("rot", "red"), ("grün", "green"), ("Tür", "door")]


def questions_presented(utterance):
    """The questions an utterance presents: as the announcement gives them
    ("Frage: grün"), or as Orca reads a field's text on its own ("grün.")."""
    words = {side for pair in WORDS for side in pair}
    named = set(re.findall(r"Frage: (\w+)", utterance))
    bare = {utterance.rstrip(".")} & words
    return (named & words) | bare


class OrcaTraining(unittest.TestCase):
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

    def start_program(self, lerntyp, anzeigetyp):
        env = self.desktop.env
        folder = os.path.join(env["HOME"], "Documents", "Lernwendel")
        os.makedirs(os.path.join(folder, "Daten"), exist_ok=True)
        lines = ["Farben"] + [side for pair in WORDS for side in pair]
        with open(os.path.join(folder, "Daten", "farben.txt"), "wb") as f:
            f.write(b"\xef\xbb\xbf" + "\r\n".join(lines).encode("utf-8") + b"\r\n")
        with open(os.path.join(folder, "Filenames.ini"), "wb") as f:
            f.write(b"[Filenames]\r\nFilename1=farben.txt\r\n")
        key = os.path.join(env["XDG_CONFIG_HOME"], "Lernwendel", "registry", "HKEY_CURRENT_USER",
                           "Software", "Lernwendel.reg")
        os.makedirs(os.path.dirname(key), exist_ok=True)
        with open(key, "w", encoding="utf-8") as f:
            f.write("Windows Registry Editor Version 5.00\n\n[HKEY_CURRENT_USER\\Software\\Lernwendel]\n"
                    '"AktOrdner"=dword:00000001\n"Lerntyp"=dword:%08x\n"Anzeigetyp"=dword:%08x\n'
                    '"ZufallS"=dword:00000000\n"Sounds"=dword:00000000\n' % (lerntyp, anzeigetyp))
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

    def assertNoQuestionTwiceInARow(self, start):
        """No two utterances in a row carry the same question. Key echoes do
        not count, and a notification's role word belongs to its text. Orca
        itself echoes a question that the training writes into the focused
        question field after a Ctrl command (Ctrl+Right in learn mode); the
        notification that follows cuts that echo off at once, so it is left
        out here and counted apart."""
        said = self.desktop.utterances()[start:]
        echoes = [s for s, echo in said if echo]
        spoken = [s for s, echo in said
                  if not echo and s != "notification."
                  and not re.fullmatch(r"(left |right )?(control|shift|tab|return|\w|\w umlaut) ?", s)]
        for before, after in zip(spoken, spoken[1:]):
            twice = questions_presented(before) & questions_presented(after)
            self.assertFalse(twice, "spoken twice in a row: %r then %r" % (before, after))
        return echoes

    def test_mode_a_to_b(self):
        said = self.start_program(lerntyp=0, anzeigetyp=1)
        self.assertIn('Mit "Neu" kann begonnen werden.', said, "the idle hint of the question field")
        start = len(self.desktop.speech())
        ctrl_n = lambda: self.learner.press("n", "ctrl")
        said = self.step(ctrl_n, ["Los gehts... Frage: rot."])
        answer = lambda text: (lambda: self.learner.answer(text))
        said += self.step(answer("red"), ['"red" ist richtig! "rot" heißt "red". Frage: grün.'])
        said += self.step(answer("gruen"), ['"gruen" ist falsch! "grün" heißt "green". Frage: Tür.'])
        # Moving about reads each field whole, with its name.
        said += self.step(lambda: self.learner.press("Down"), ["Antwort"])
        said += self.step(lambda: self.learner.press("Up"), ["Frage", "Tür"])
        said += self.step(lambda: self.learner.press("Tab"), ["Antwort"])
        said += self.step(lambda: self.learner.press("Tab", "shift"), ["Tür"])
        said += self.step(lambda: self.learner.press("Right", "ctrl"),
                          ["Es wurde übersprungen.", "Das Training ist abgeschlossen!"])
        self.assertEqual(self.assertNoQuestionTwiceInARow(start), [])

    def test_mode_b_to_a(self):
        self.start_program(lerntyp=0, anzeigetyp=2)
        start = len(self.desktop.speech())
        said = self.step(lambda: self.learner.press("n", "ctrl"), ["Los gehts... Frage: red."])
        answer = lambda text: (lambda: self.learner.answer(text))
        said += self.step(answer("rot"), ['"rot" ist richtig! "red" heißt "rot". Frage: green.'])
        said += self.step(answer("gelb"), ['"gelb" ist falsch! "green" heißt "grün". Frage: door.'])
        said += self.step(answer("Tür"), ['"Tür" ist richtig! "door" heißt "Tür".',
                                          "Das Training ist abgeschlossen!"])
        self.assertEqual(self.assertNoQuestionTwiceInARow(start), [])

    def test_learn_mode(self):
        self.start_program(lerntyp=1, anzeigetyp=1)
        start = len(self.desktop.speech())
        skip = lambda: self.learner.press("Right", "ctrl")
        said = self.step(lambda: self.learner.press("n", "ctrl"), ["Los gehts... Frage: rot, Antwort: red."])
        said += self.step(skip, ["Es wurde übersprungen. Frage: grün, Antwort: green."])
        said += self.step(skip, ["Es wurde übersprungen. Frage: Tür, Antwort: door."])
        said += self.step(lambda: self.learner.press("Down"), ["Antwort", "door"])
        said += self.step(lambda: self.learner.press("Up"), ["Frage", "Tür"])
        said += self.step(skip, ["Das Training ist abgeschlossen!"])
        echoes = self.assertNoQuestionTwiceInARow(start)
        self.assertTrue(set(echoes) <= {"rot", "grün", "Tür"}, echoes)


if __name__ == "__main__":
    if len(sys.argv) < 2:
        sys.exit(__doc__)
    PROGRAM = sys.argv.pop(1)
    result = unittest.main(exit=False, verbosity=2).result
    if result.skipped and not result.failures and not result.errors and result.testsRun == len(result.skipped):
        print("SKIPPED: " + result.skipped[0][1])
        sys.exit(SKIP)
    sys.exit(0 if result.wasSuccessful() else 1)
