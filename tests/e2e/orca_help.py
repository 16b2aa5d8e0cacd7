#!/usr/bin/python3
"""What a blind learner hears in the help menu: its items read one by one,
and the program information read whole, under the real Orca screen reader.

Usage: orca_help.py PROGRAM
Exit code 77 (skipped) only where Orca and its helpers cannot start.
"""

from orca_desktop import OrcaTestCase, run_tests


class OrcaHelp(OrcaTestCase):
    def test_menu_items_and_information(self):
        self.start_program(lerntyp=0, anzeigetyp=1)
        # Orca says the first item of the opened menu, not the menu's name.
        self.step(lambda: self.learner.press("h", "alt"), ["Programm-Info"])
        # The list of changes lies beside the built program; the update
        # program does not, so its item is not offered.
        said = []
        for item in ["Programm-Homepage...", "Programm-Änderungen...",
                     "Mail an den Programmierer...", "Spenden..."]:
            said += self.step(lambda: self.learner.press("Down"), [item])
        self.assertFalse(any("Aktualisierung" in s for s in said), said)
        # Past the last item the menu starts again at its first.
        self.step(lambda: self.learner.press("Down"), ["Programm-Info"])
        self.step(lambda: self.learner.press("Return"),
                  ["Lernwendel V1.23", "Ein blindenfreundlicher Lernwendel.",
                   "Freie Software für blinde und sehbehinderte Lernende.",
                   "Homepage: https://lernwendel.example/", "E-Mail: autor@lernwendel.example"])
        self.step(lambda: self.learner.press("Return"), ["Frage"])


if __name__ == "__main__":
    run_tests(__doc__)
