#pragma once

// The five settings that steer a training, with the values they have when
// nothing is stored: the one copy of them in the program, which its
// composition owns. The main window reads them through its properties; the
// options dialog shows them when it opens and writes every change of its
// controls into them at once; the settings store loads and saves them.
struct TrainingSettings
{
    bool Lerntyp = true; // true: learn ("Lernen"), false: test ("Prüfen")
    int Anzeigetyp = 1; // 1 "A-B", 2 "B-A", 3 "X-X"; 0 when none is chosen
    bool ZufallS = false; // random order
    bool GrossKleinS = false; // letter case matters
    bool SoundS = true; // sound cues
};
