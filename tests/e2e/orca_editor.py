#!/usr/bin/python3
"""What a blind learner hears in the entry editor: the missed entries of a
training opened from the end-of-training question and saved as a file of
their own, under the real Orca screen reader.

Usage: orca_editor.py PROGRAM
Exit code 77 (skipped) only where Orca and its helpers cannot start.
"""

import os

from orca_desktop import OrcaTestCase, run_tests


class OrcaEditor(OrcaTestCase):
    def test_missed_entries_saved(self):
        self.start_program(lerntyp=0, anzeigetyp=1)
        self.step(lambda: self.learner.press("n", "ctrl"), ["Frage: rot."])
        answer = lambda text: (lambda: self.learner.answer(text))
        self.step(answer("x"), ["Frage: grün."])
        self.step(answer("x"), ["Frage: Tür."])
        self.step(answer("x"), ["Das Training ist abgeschlossen!"])
        self.step(lambda: self.learner.press("Return"),
                  ["Sollen die nicht gewussten Einträge angezeigt werden?"])
        # The editor opens on its title field, named by its label.
        said = self.step(lambda: self.learner.press("Return"),
                         ["Einträge bearbeiten und speichern", "Titelzeile", "Fehlerdatei"])
        said += self.step(lambda: self.learner.press("Tab"), ["Einträge", "rot"])
        said += self.step(lambda: self.learner.press("s", "alt"),
                          ['Die Datei "Fehlerdatei.dat" wurde erfolgreich angelegt!'])
        said += self.step(lambda: self.learner.press("Return"), ["Ergebnisse"])
        saved = os.path.join(self.desktop.env["HOME"], "Documents", "Lernwendel", "Daten",
                             "Fehlerdatei.dat")
        self.assertTrue(os.path.exists(saved), said)


if __name__ == "__main__":
    run_tests(__doc__)
