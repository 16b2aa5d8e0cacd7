#pragma once

#include <QString>

// The folders of the program's files. Every path ends in "/". Each has a form
// that takes the folder it is built on, so it can be checked anywhere, and a
// form without arguments for the process.

// The folder of the running program file.
QString Programmordner();

QString Programmdatenordner(const QString &programmordner); // + "Daten/"
QString Programmdatenordner();

// The user's documents folder, empty when it cannot be determined; the paths
// below then become relative ones.
QString DokumenteOrdner();

QString Benutzerordner(const QString &dokumenteOrdner); // + "Lernwendel/"
// Fixed at its first use for the rest of the run.
QString Benutzerordner();

QString Dokumentendatenordner(const QString &dokumenteOrdner); // + "Lernwendel/Daten/"
// Looks the documents folder up anew on every call.
QString Dokumentendatenordner();

// The current data folder of the process: Programmdatenordner() until it is
// set otherwise.
QString Datenordner();
void setDatenordner(const QString &ordner);

// The two radio items of the data folder choice, by their tags, and the
// number the settings store keeps for the choice.
namespace AktOrdnerWahl {
enum : int {
    EigeneDateien = 1, // the documents data folder
    Programmordner = 2, // the data folder beside the program
};
}

// Makes a data folder current: 2 the program's, any other number the
// documents data folder (looked up anew). A documents data folder that did not
// exist is created and given the sample files. The current folder is created
// when missing. Failures are silent: a missing folder simply lists no files.
// Returns the tag of the radio item to tick.
int DatenordnerSetzen(int AktOrdner);
int DatenordnerSetzen(int AktOrdner, const QString &programmdatenordner,
                      const QString &dokumentendatenordner);

// Copies every vocabulary file of the program data folder into the current
// data folder, replacing files of the same name; a failed copy is skipped.
void BeispieldateienKopieren();
void BeispieldateienKopieren(const QString &von, const QString &nach);

// The data folder and the per-user folder, each with its missing parents;
// failures are ignored. Run once at start, before the main window exists.
void CreateDataFolders();
// The same two folders removed, each only if empty; failures are ignored.
// Run once at the end, after the main window is gone.
void RemoveEmptyDataFolders();
