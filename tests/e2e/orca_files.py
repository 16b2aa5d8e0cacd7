#!/usr/bin/python3
"""What a blind learner hears in the file selection: the built program under
the real Orca screen reader, in a private X server, session bus and
accessibility bus. Keys go in as a person types them; what Orca says is read
from its debug log.

Usage: orca_files.py PROGRAM
Exit code 77 (skipped) only where Orca and its helpers cannot start.
"""

from orca_desktop import OrcaTestCase, run_tests

# Listed in this order: Farben.dat, Tiere.txt; only Tiere.txt is chosen.
FILES = {"Tiere.txt": ["Tiere", "Hund", "dog"], "Farben.dat": ["Farben", "rot", "red"]}


class OrcaFiles(OrcaTestCase):
    def test_choosing_files(self):
        self.start_program(lerntyp=0, anzeigetyp=1, files=FILES, chosen=["Tiere.txt"])
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
    run_tests(__doc__)
