#pragma once

#include "ScriptedDialogs.h"

#include "data/Datenordner.h"
#include "forms/Haupt.h"
#include "forms/TrainingSettings.h"

#include <QDir>
#include <QFile>
#include <QStringList>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

// A main window shown and active over vocabulary files of its own: each file
// is a title and pairs of lines, all of them chosen in "Filenames.ini".
struct HauptFixture
{
    QTemporaryDir data;
    TrainingSettings settings;
    ScriptedDialogs dialogs;
    std::unique_ptr<TForm1> form;

    bool start(const QList<QStringList> &files, bool lerntyp)
    {
        if (!data.isValid())
            return false;
        setDatenordner(data.path() + u'/');
        QString ini = QStringLiteral("[Filenames]\r\n");
        for (qsizetype i = 0; i < files.size(); ++i) {
            const QString name = QStringLiteral("liste%1.txt").arg(i + 1);
            QFile file(data.filePath(name));
            if (!file.open(QIODevice::WriteOnly))
                return false;
            file.write("\xEF\xBB\xBF" + files[i].join(QStringLiteral("\r\n")).toUtf8() + "\r\n");
            ini += QStringLiteral("Filename%1=%2\r\n").arg(i + 1).arg(name);
        }
        if (!QDir().mkpath(Benutzerordner()))
            return false;
        QFile iniFile(Benutzerordner() + QStringLiteral("Filenames.ini"));
        if (!iniFile.open(QIODevice::WriteOnly) || iniFile.write(ini.toUtf8()) < 0)
            return false;
        iniFile.close();

        settings.Lerntyp = lerntyp;
        form = std::make_unique<TForm1>(dialogs, settings);
        form->show();
        form->activateWindow();
        return QTest::qWaitForWindowActive(form.get());
    }

    ~HauptFixture()
    {
        form.reset();
        QFile::remove(Benutzerordner() + QStringLiteral("Filenames.ini"));
    }
};
