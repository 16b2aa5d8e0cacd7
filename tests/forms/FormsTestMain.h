#pragma once

#include <QApplication>
#include <QByteArray>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

// Runs a window test in its own world: a private home (so the documents
// folder and its "Filenames.ini" are the test's), a private configuration
// and runtime folder, and offscreen screens of known sizes. All of it must
// be in place before the application exists.
inline int runFormsTest(QObject &test, int argc, char **argv, const QByteArray &screensJson)
{
    QTemporaryDir world;
    if (!world.isValid())
        return 1;
    const QByteArray root = QFile::encodeName(world.path());
    qputenv("HOME", root + "/home");
    qputenv("XDG_CONFIG_HOME", root + "/config");
    qputenv("XDG_RUNTIME_DIR", root);
    qunsetenv("XDG_DOCUMENTS_DIR");

    QFile config(world.filePath(QStringLiteral("screens.json")));
    if (!config.open(QIODevice::WriteOnly) || config.write(screensJson) != screensJson.size())
        return 1;
    config.close();
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + QFile::encodeName(config.fileName()));

    QApplication app(argc, argv);
    return QTest::qExec(&test, argc, argv);
}

// One screen of 1000 x 700 pixels, windows without a frame.
inline const QByteArray oneScreen = R"({"windowFrameMargins": false, "screens": [
    {"name": "A", "x": 0, "y": 0, "width": 1000, "height": 700, "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})";

#define LW_FORMS_TEST_MAIN(TestClass, screensJson)                                                 \
    int main(int argc, char *argv[])                                                               \
    {                                                                                              \
        TestClass test;                                                                            \
        return runFormsTest(test, argc, argv, screensJson);                                        \
    }
