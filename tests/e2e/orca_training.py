#!/usr/bin/python3
"""What a blind learner hears: the built program trained by keyboard under
the real Orca screen reader, in a private X server, session bus and
accessibility bus. Keys go in as a person types them (modifier down, key
down, key up, modifier up); what Orca says is read from its debug log.

Usage: orca_training.py PROGRAM
Exit code 77 (skipped) only where Orca and its helpers cannot start.
"""

import re

from orca_desktop import WORDS, OrcaTestCase, run_tests


def questions_presented(utterance):
    """The questions an utterance presents: as the announcement gives them
    ("Frage: grün"), or as Orca reads a field's text on its own ("grün.")."""
    words = {side for pair in WORDS for side in pair}
    named = set(re.findall(r"Frage: (\w+)", utterance))
    bare = {utterance.rstrip(".")} & words
    return (named & words) | bare


class OrcaTraining(OrcaTestCase):
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
    run_tests(__doc__)
