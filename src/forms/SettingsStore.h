#pragma once

#include "base/RegistryError.h"

#include <QString>

class CurrentUserRegistry;
class QFont;
class MessageDialog;
class RegistryKey;
class SettingsWindow;
struct FontWithColour;
struct TrainingSettings;

// Every setting of the learner survives a restart in the key
// HKEY_CURRENT_USER\Software\Lernwendel, one value each. The store holds none
// of them itself: it moves them between the key and the places where the
// running program keeps them (the five training settings, the shared font,
// the window's data folder choice and colour number) and makes the list of
// chosen files follow. The program's composition owns it, with the registry,
// and the window names itself at each call, so neither has to exist first.
class SettingsStore
{
public:
    SettingsStore(CurrentUserRegistry &registry, TrainingSettings &settings,
                  FontWithColour &schriftart, MessageDialog &dialog);

    // LadenS true loads: the data folder first, then the list of chosen
    // files, then the other settings in the order of the key; a missing value
    // gives its default. A value of the wrong type stops the load there with a
    // RegistryError; the settings after it keep their state. LadenS false
    // saves: the list of chosen files, then every value, normalised. When the
    // key can be neither opened nor created, nothing is loaded and only the
    // file list is saved.
    void RegistryLadenSpeichern(SettingsWindow &window, bool LadenS);

    // The font's character set number (0 to 255). Qt's fonts have no
    // character sets, so the number is only kept here and written back as it
    // was read.
    int FontCharSet() const { return m_fontCharSet; }

private:
    void load(RegistryKey &key, SettingsWindow &window);
    void save(RegistryKey &key, const SettingsWindow &window);

    CurrentUserRegistry &m_registry;
    TrainingSettings &m_settings;
    FontWithColour &m_schriftart;
    MessageDialog &m_dialog;
    int m_fontCharSet = 0;
};

// The font size as the settings keep it (and the update hand-off names it):
// in points, and for a font given in pixels the points it shows in.
int StoredFontSize(const QFont &font);
