#pragma once

#include "RecordingOutsiders.h"
#include "ScriptedDialogs.h"
#include "support/FakeRegistry.h"
#include "support/FormFixture.h"

#include "data/folders/Datenordner.h"
#include "forms/Haupt.h"
#include "forms/SettingsStore.h"
#include "forms/SharedFont.h"
#include "forms/TrainingSettings.h"

#include <QDir>
#include <QFile>
#include <QStringList>
#include <QtTest>

#include <memory>

// A main window shown and active over vocabulary files of its own: each file
// is a title and pairs of lines, all of them chosen in "Filenames.ini". It is
// composed as the program composes it, over a registry in memory.
struct HauptFixture : FormFixture<TForm1>
{
    TrainingSettings settings;
    ScriptedDialogs dialogs;
    FakeRegistry registry;
    SettingsStore settingsStore{registry, settings, Schriftart(), dialogs};
    RecordingScreenReader screenReader;
    RecordingExternalPrograms programs;

    bool start(const QList<QStringList> &files, bool lerntyp)
    {
        // The window loads its settings when shown: the files lie in the
        // documents data folder of the test's own home, and the stored
        // settings choose that folder and the mode.
        const QString folder = Dokumentendatenordner();
        if (!QDir().mkpath(folder))
            return false;
        QString ini = QStringLiteral("[Filenames]\r\n");
        for (qsizetype i = 0; i < files.size(); ++i) {
            const QString name = QStringLiteral("liste%1.txt").arg(i + 1);
            QFile file(folder + name);
            if (!file.open(QIODevice::WriteOnly))
                return false;
            file.write("\xEF\xBB\xBF" + files[i].join(QStringLiteral("\r\n")).toUtf8() + "\r\n");
            ini += QStringLiteral("Filename%1=%2\r\n").arg(i + 1).arg(name);
        }
        QFile iniFile(Benutzerordner() + QStringLiteral("Filenames.ini"));
        if (!iniFile.open(QIODevice::WriteOnly) || iniFile.write(ini.toUtf8()) < 0)
            return false;
        iniFile.close();
        registry.Put(QStringLiteral("\\Software\\Lernwendel"),
                     {QStringLiteral("AktOrdner:dword=1"),
                      QStringLiteral("Lerntyp:dword=%1").arg(lerntyp ? 1 : 0)});

        create(dialogs, settings, settingsStore, screenReader, programs);
        return showActive();
    }

    ~HauptFixture()
    {
        form.reset();
        QFile::remove(Benutzerordner() + QStringLiteral("Filenames.ini"));
    }
};
