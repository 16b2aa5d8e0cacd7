#pragma once

#include "data/vocab/Eintragslisten.h"

class MessageDialog;

// Loads every file of listen.Dateien into listen.Daten and resets the counters.
// An unreadable file throws FileError; a file with an odd line count is
// reported through the dialog and skipped.
void DatenEinlesen(Eintragslisten &listen, MessageDialog &dialog);
