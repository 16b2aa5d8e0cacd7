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
