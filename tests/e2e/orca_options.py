#!/usr/bin/python3
"""What a blind learner hears in the options dialog: the built program under
the real Orca screen reader, in a private X server, session bus and
accessibility bus. The dialog is opened with Ctrl+O and walked by keys as a
person types them; what Orca says is read from its debug log.

Usage: orca_options.py PROGRAM
Exit code 77 (skipped) only where Orca and its helpers cannot start.
"""

from orca_desktop import OrcaTestCase, run_tests


class OrcaOptions(OrcaTestCase):
    def test_walk_the_dialog(self):
        self.start_program(lerntyp=0, anzeigetyp=2)
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
    run_tests(__doc__)
