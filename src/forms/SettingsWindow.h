#pragma once

#include <QStringList>

// What the settings store needs of the main window: the settings that live
// in its own controls, the list of chosen files its training learns from,
// and what the window does when they change.
class SettingsWindow
{
public:
    virtual ~SettingsWindow() = default;

    // The chosen files, full paths; loaded after the data folder is set.
    virtual QStringList &Dateien() = 0;

    // The data folder choice as the tag of its ticked radio item: 2 for
    // "Datenordner: &Programmordner", 1 for the documents folder's item.
    virtual int AktOrdner() const = 0;
    // Makes the data folder of this number current (DatenordnerSetzen of the
    // data layer) and ticks the radio item it answers with.
    virtual void DatenordnerSetzen(int AktOrdner) = 0;

    // Lerntyp was set: the menus follow it and the current entry is shown
    // again (the training's ApplySettings).
    virtual void ApplySettings() = 0;

    // The number of the text background colour. Setting it gives the
    // window's controls that colour and the shared font, and lays the window
    // out again; so the store sets it last.
    virtual int HintergrundNr() const = 0;
    virtual void setHintergrundNr(int nr) = 0;
};
