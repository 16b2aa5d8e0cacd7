#include "FormsTestMain.h"

#include "data/folders/Datenordner.h"
#include "forms/SettingsStore.h"
#include "forms/SettingsWindow.h"
#include "forms/SharedFont.h"
#include "forms/TrainingSettings.h"
#include "platform/linux/FileRegistry.h"
#include "support/RecordingMessageDialog.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace {

const QByteArray header =
    "Windows Registry Editor Version 5.00\n\n[HKEY_CURRENT_USER\\Software\\Lernwendel]\n";

// The main window's side: the data folder choice decided by the data layer
// over folders of the test, the list of chosen files, the colour number, and
// a record of the calls.
class FakeWindow : public SettingsWindow
{
public:
    FakeWindow(const TrainingSettings &settings, const FontWithColour &schriftart,
               QStringList &dateien)
        : m_settings(settings)
        , m_schriftart(schriftart)
        , m_dateien(dateien)
    {}

    QStringList &Dateien() override { return m_dateien; }
    int AktOrdner() const override { return tickedItem; }
    void DatenordnerSetzen(int AktOrdner) override
    {
        calls.append(QStringLiteral("DatenordnerSetzen %1").arg(AktOrdner));
        tickedItem = ::DatenordnerSetzen(AktOrdner, programData, documentsData);
    }
    void ApplySettings() override
    {
        calls.append(QStringLiteral("ApplySettings, Lerntyp %1").arg(m_settings.Lerntyp));
    }
    int HintergrundNr() const override { return hintergrundNr; }
    void setHintergrundNr(int nr) override
    {
        // Applying the colour also applies the font: it must be complete now.
        calls.append(QStringLiteral("setHintergrundNr %1, font %2 %3")
                         .arg(nr)
                         .arg(m_schriftart.font.family())
                         .arg(m_schriftart.font.pointSize()));
        hintergrundNr = nr;
    }

    QString programData;
    QString documentsData;
    int tickedItem = AktOrdnerWahl::Programmordner;
    int hintergrundNr = 1;
    QStringList calls;

private:
    const TrainingSettings &m_settings;
    const FontWithColour &m_schriftart;
    QStringList &m_dateien;
};

// Settings far from every default, so a load that leaves one alone shows.
TrainingSettings unusualSettings()
{
    TrainingSettings settings;
    settings.Lerntyp = false;
    settings.Anzeigetyp = 2;
    settings.ZufallS = true;
    settings.GrossKleinS = true;
    settings.SoundS = false;
    return settings;
}

FontWithColour unusualFont()
{
    QFont font(QStringLiteral("Courier"));
    font.setPointSize(9);
    font.setBold(true);
    font.setUnderline(true);
    return {font, QColor(255, 0, 0)};
}

QByteArray dword(const char *name, quint32 value)
{
    return QByteArray("\"") + name
        + "\"=dword:" + QByteArray::number(value, 16).rightJustified(8, '0') + '\n';
}

} // namespace

class TestSettingsStore : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void firstStartGivesTheDefaultsAndCreatesTheKey();
    void storedValues_data();
    void storedValues();
    void saveWritesEveryValueNormalisedInOrder_data();
    void saveWritesEveryValueNormalisedInOrder();
    void fileListIsReadFromTheChosenFolder();
    void valueOfWrongTypeStopsTheLoad_data();
    void valueOfWrongTypeStopsTheLoad();
    void unreachableKeyLoadsNothingAndSavesOnlyTheFileList();

private:
    QString keyFile() const
    {
        return m_dir->filePath("registry/HKEY_CURRENT_USER/Software/Lernwendel.reg");
    }
    void storeKey(const QByteArray &values);
    QByteArray storedKey() const;
    void makeStore(const QString &registryRoot);
    QString setting(const QString &name) const;
    bool keyLockIsFree() const;

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<FileRegistry> m_registry;
    TrainingSettings m_settings;
    FontWithColour m_schriftart;
    QStringList m_dateien;
    RecordingMessageDialog m_dialog;
    std::unique_ptr<FakeWindow> m_window;
    std::unique_ptr<SettingsStore> m_store;
};

void TestSettingsStore::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    m_settings = unusualSettings();
    m_schriftart = unusualFont();
    m_dateien.clear();
    m_dialog.messages.clear();
    makeStore(m_dir->filePath("registry"));
    QVERIFY(QDir().mkpath(m_window->programData));
    QFile sample(m_window->programData + "Farben.dat");
    QVERIFY(sample.open(QIODevice::WriteOnly));
    sample.write("Farben\r\nrot\r\nred\r\n");
}

void TestSettingsStore::cleanup()
{
    // The per-user folder lies in the test's own home; each test starts
    // without a list of chosen files.
    QDir(Benutzerordner()).removeRecursively();
}

void TestSettingsStore::makeStore(const QString &registryRoot)
{
    m_registry = std::make_unique<FileRegistry>(registryRoot.toStdU16String());
    m_window = std::make_unique<FakeWindow>(m_settings, m_schriftart, m_dateien);
    m_window->programData = m_dir->filePath("programm/Daten/");
    m_window->documentsData = m_dir->filePath("Dokumente/Lernwendel/Daten/");
    m_store = std::make_unique<SettingsStore>(*m_registry, m_settings, m_schriftart, m_dialog);
}

void TestSettingsStore::storeKey(const QByteArray &values)
{
    QVERIFY(QDir().mkpath(QFileInfo(keyFile()).path()));
    QFile file(keyFile());
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(header + values);
}

QByteArray TestSettingsStore::storedKey() const
{
    QFile file(keyFile());
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

bool TestSettingsStore::keyLockIsFree() const
{
    const int fd = ::open(QFile::encodeName(keyFile() + ".lock").constData(), O_RDWR | O_CLOEXEC);
    if (fd < 0)
        return true;
    const bool free = ::flock(fd, LOCK_EX | LOCK_NB) == 0;
    ::close(fd);
    return free;
}

// One setting as text, whatever holds it.
QString TestSettingsStore::setting(const QString &name) const
{
    const QFont &font = m_schriftart.font;
    if (name == u"AktOrdner") {
        const char *folder = Datenordner() == m_window->programData ? "Programmordner"
            : Datenordner() == m_window->documentsData              ? "Dokumente"
                                                                    : "?";
        return QStringLiteral("%1 %2").arg(m_window->tickedItem).arg(folder);
    }
    if (name == u"Lerntyp")
        return m_settings.Lerntyp ? "Lernen" : "Prüfen";
    if (name == u"Anzeigetyp")
        return QString::number(m_settings.Anzeigetyp);
    if (name == u"ZufallS")
        return m_settings.ZufallS ? "an" : "aus";
    if (name == u"GrossKleinS")
        return m_settings.GrossKleinS ? "an" : "aus";
    if (name == u"Sounds")
        return m_settings.SoundS ? "an" : "aus";
    if (name == u"FontName")
        return font.family();
    if (name == u"FontSize")
        return QString::number(font.pointSize());
    if (name == u"FontColor")
        return m_schriftart.colour.isValid() ? m_schriftart.colour.name() : "Fenstertext";
    if (name == u"FontCharSet")
        return QString::number(m_store->FontCharSet());
    if (name == u"FontStyle") {
        QStringList styles;
        if (font.italic())
            styles << "kursiv";
        if (font.bold())
            styles << "fett";
        if (font.underline())
            styles << "unterstrichen";
        if (font.strikeOut())
            styles << "durchgestrichen";
        return styles.isEmpty() ? "normal" : styles.join(u' ');
    }
    if (name == u"HintColor")
        return QString::number(m_window->hintergrundNr);
    return "?";
}

void TestSettingsStore::firstStartGivesTheDefaultsAndCreatesTheKey()
{
    QVERIFY(!QFileInfo::exists(keyFile()));
    m_window->hintergrundNr = 5;
    m_store->RegistryLadenSpeichern(*m_window, true);

    QCOMPARE(storedKey(), header);
    QCOMPARE(setting("AktOrdner"), "2 Programmordner");
    QCOMPARE(m_settings.Lerntyp, true);
    QCOMPARE(m_settings.Anzeigetyp, 1);
    QCOMPARE(m_settings.ZufallS, false);
    QCOMPARE(m_settings.GrossKleinS, false);
    QCOMPARE(m_settings.SoundS, true);
    QCOMPARE(m_schriftart.font.family(), "Arial");
    QCOMPARE(m_schriftart.font.pointSize(), 16);
    QCOMPARE(setting("FontColor"), "Fenstertext");
    QCOMPARE(m_store->FontCharSet(), 0);
    QCOMPARE(setting("FontStyle"), "normal");
    QCOMPARE(m_window->hintergrundNr, 1);
    // Lerntyp is applied as soon as it is set; the colour number comes last,
    // with the font complete.
    QCOMPARE(m_window->calls,
             QStringList({"DatenordnerSetzen 2", "ApplySettings, Lerntyp 1",
                          "setHintergrundNr 1, font Arial 16"}));
    QVERIFY(keyLockIsFree());
}

void TestSettingsStore::storedValues_data()
{
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("expected");

    QTest::newRow("AktOrdner 2") << dword("AktOrdner", 2) << "AktOrdner"
                                 << "2 Programmordner";
    QTest::newRow("AktOrdner 1") << dword("AktOrdner", 1) << "AktOrdner"
                                 << "1 Dokumente";
    QTest::newRow("AktOrdner 5") << dword("AktOrdner", 5) << "AktOrdner"
                                 << "1 Dokumente";
    QTest::newRow("AktOrdner 0") << dword("AktOrdner", 0) << "AktOrdner"
                                 << "1 Dokumente";
    QTest::newRow("AktOrdner -1") << dword("AktOrdner", 0xFFFFFFFF) << "AktOrdner"
                                  << "1 Dokumente";
    QTest::newRow("Lerntyp 1") << dword("Lerntyp", 1) << "Lerntyp"
                               << "Lernen";
    QTest::newRow("Lerntyp 0") << dword("Lerntyp", 0) << "Lerntyp"
                               << "Prüfen";
    QTest::newRow("Lerntyp 2") << dword("Lerntyp", 2) << "Lerntyp"
                               << "Prüfen";
    QTest::newRow("Anzeigetyp 3") << dword("Anzeigetyp", 3) << "Anzeigetyp"
                                  << "3";
    QTest::newRow("Anzeigetyp 7") << dword("Anzeigetyp", 7) << "Anzeigetyp"
                                  << "3";
    QTest::newRow("Anzeigetyp 0") << dword("Anzeigetyp", 0) << "Anzeigetyp"
                                  << "0";
    QTest::newRow("Anzeigetyp -3") << dword("Anzeigetyp", quint32(-3)) << "Anzeigetyp"
                                   << "0";
    QTest::newRow("ZufallS 1") << dword("ZufallS", 1) << "ZufallS"
                               << "an";
    QTest::newRow("ZufallS 2") << dword("ZufallS", 2) << "ZufallS"
                               << "aus";
    QTest::newRow("Sounds 0") << dword("Sounds", 0) << "Sounds"
                              << "aus";
    QTest::newRow("FontName") << QByteArray("\"FontName\"=\"Verdana\"\n") << "FontName"
                              << "Verdana";
    QTest::newRow("FontName empty") << QByteArray("\"FontName\"=\"\"\n") << "FontName"
                                    << "Arial";
    QTest::newRow("FontSize 12") << dword("FontSize", 12) << "FontSize"
                                 << "12";
    QTest::newRow("FontSize 0") << dword("FontSize", 0) << "FontSize"
                                << "16";
    QTest::newRow("FontSize huge") << dword("FontSize", 100000) << "FontSize"
                                   << "16";
    QTest::newRow("FontColor red") << dword("FontColor", 0x000000FF) << "FontColor"
                                   << "#ff0000";
    QTest::newRow("FontColor blue-green") << dword("FontColor", 0x00FF8000) << "FontColor"
                                          << "#0080ff";
    QTest::newRow("FontColor window text") << dword("FontColor", 0xFF000008) << "FontColor"
                                           << "Fenstertext";
    QTest::newRow("FontColor other system colour") << dword("FontColor", 0xFF00000F) << "FontColor"
                                                   << "Fenstertext";
    QTest::newRow("FontCharSet 238") << dword("FontCharSet", 238) << "FontCharSet"
                                     << "238";
    QTest::newRow("FontCharSet low byte") << dword("FontCharSet", 0x1A2) << "FontCharSet"
                                          << "162";
    // Italic is the first bit and bold the second, unlike the usual order.
    QTest::newRow("FontStyle 1") << dword("FontStyle", 1) << "FontStyle"
                                 << "kursiv";
    QTest::newRow("FontStyle 2") << dword("FontStyle", 2) << "FontStyle"
                                 << "fett";
    QTest::newRow("FontStyle 3") << dword("FontStyle", 3) << "FontStyle"
                                 << "kursiv fett";
    QTest::newRow("FontStyle 12") << dword("FontStyle", 12) << "FontStyle"
                                  << "unterstrichen durchgestrichen";
    QTest::newRow("FontStyle 0") << dword("FontStyle", 0) << "FontStyle"
                                 << "normal";
    QTest::newRow("FontStyle -1") << dword("FontStyle", 0xFFFFFFFF) << "FontStyle"
                                  << "normal";
    // The colour table of the background dialog limits the number; until
    // that dialog exists the number is kept as it was stored.
    QTest::newRow("HintColor 7") << dword("HintColor", 7) << "HintColor"
                                 << "7";
    QTest::newRow("HintColor 25") << dword("HintColor", 25) << "HintColor"
                                  << "25";
}

void TestSettingsStore::storedValues()
{
    QFETCH(QByteArray, stored);
    QFETCH(QString, name);
    QFETCH(QString, expected);
    storeKey(stored);
    m_store->RegistryLadenSpeichern(*m_window, true);
    QCOMPARE(setting(name), expected);
}

void TestSettingsStore::saveWritesEveryValueNormalisedInOrder_data()
{
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<QByteArray>("saved");

    QTest::newRow("first start") << QByteArray()
                                 << dword("AktOrdner", 2) + dword("Lerntyp", 1)
            + dword("Anzeigetyp", 1) + dword("ZufallS", 0) + dword("GrossKleinS", 0)
            + dword("Sounds", 1) + "\"FontName\"=\"Arial\"\n" + dword("FontSize", 16)
            + dword("FontColor", 0xFF000008) + dword("FontCharSet", 0) + dword("FontStyle", 0)
            + dword("HintColor", 1);
    QTest::newRow("odd values") << dword("AktOrdner", 5) + dword("Lerntyp", 2)
            + dword("Anzeigetyp", 0) + dword("ZufallS", 3) + dword("GrossKleinS", 1)
            + dword("Sounds", 9) + "\"FontName\"=\"\"\n" + dword("FontSize", 12)
            + dword("FontColor", 0x00FF8000) + dword("FontCharSet", 0x1A2)
            + dword("FontStyle", 0xFFFFFFFF) + dword("HintColor", 25)
                                << dword("AktOrdner", 1) + dword("Lerntyp", 0)
            + dword("Anzeigetyp", 0) + dword("ZufallS", 0) + dword("GrossKleinS", 1)
            + dword("Sounds", 0) + "\"FontName\"=\"Arial\"\n" + dword("FontSize", 12)
            + dword("FontColor", 0x00FF8000) + dword("FontCharSet", 0xA2) + dword("FontStyle", 0)
            + dword("HintColor", 25);
    QTest::newRow("more odd values") << dword("AktOrdner", 2) + dword("Lerntyp", 1)
            + dword("Anzeigetyp", 7) + dword("ZufallS", 1) + dword("GrossKleinS", 0)
            + dword("Sounds", 1) + "\"FontName\"=\"Times \\\"New\\\" Roman\"\n"
            + dword("FontSize", 0) + dword("FontColor", 0xFF00000F) + dword("FontCharSet", 238)
            + dword("FontStyle", 9) + dword("HintColor", 0xFFFFFFFF)
                                     << dword("AktOrdner", 2) + dword("Lerntyp", 1)
            + dword("Anzeigetyp", 3) + dword("ZufallS", 1) + dword("GrossKleinS", 0)
            + dword("Sounds", 1) + "\"FontName\"=\"Times \\\"New\\\" Roman\"\n"
            + dword("FontSize", 16) + dword("FontColor", 0xFF000008) + dword("FontCharSet", 238)
            + dword("FontStyle", 9) + dword("HintColor", 0xFFFFFFFF);
}

void TestSettingsStore::saveWritesEveryValueNormalisedInOrder()
{
    QFETCH(QByteArray, stored);
    QFETCH(QByteArray, saved);
    if (!stored.isEmpty())
        storeKey(stored);
    m_store->RegistryLadenSpeichern(*m_window, true);
    m_store->RegistryLadenSpeichern(*m_window, false);
    QCOMPARE(storedKey(), header + saved);
    QVERIFY(keyLockIsFree());

    // What was saved loads to the same settings.
    const TrainingSettings loaded = m_settings;
    const QFont font = m_schriftart.font;
    m_settings = unusualSettings();
    m_schriftart = unusualFont();
    m_store->RegistryLadenSpeichern(*m_window, true);
    QCOMPARE(m_settings.Lerntyp, loaded.Lerntyp);
    QCOMPARE(m_settings.Anzeigetyp, loaded.Anzeigetyp);
    QCOMPARE(m_settings.ZufallS, loaded.ZufallS);
    QCOMPARE(m_settings.GrossKleinS, loaded.GrossKleinS);
    QCOMPARE(m_settings.SoundS, loaded.SoundS);
    QCOMPARE(m_schriftart.font, font);
}

void TestSettingsStore::fileListIsReadFromTheChosenFolder()
{
    // "Farben.dat" lies in the documents data folder only once choosing that
    // folder has copied the samples there.
    QVERIFY(QDir().mkpath(Benutzerordner()));
    QFile ini(Benutzerordner() + "Filenames.ini");
    QVERIFY(ini.open(QIODevice::WriteOnly));
    ini.write("[Filenames]\r\nFilename1=Farben.dat\r\n");
    ini.close();
    storeKey(dword("AktOrdner", 1));

    m_store->RegistryLadenSpeichern(*m_window, true);
    QCOMPARE(m_dateien, QStringList({m_window->documentsData + "Farben.dat"}));

    // Saving writes the list back, before the values.
    m_dateien.clear();
    m_store->RegistryLadenSpeichern(*m_window, false);
    QVERIFY(!QFileInfo::exists(Benutzerordner() + "Filenames.ini"));
    QVERIFY(m_dialog.messages.isEmpty());
}

void TestSettingsStore::valueOfWrongTypeStopsTheLoad_data()
{
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<QString>("badValue");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QStringList>("calls");

    const QByteArray before = dword("AktOrdner", 2) + dword("Lerntyp", 1);
    const QStringList callsBefore{"DatenordnerSetzen 2", "ApplySettings, Lerntyp 1"};
    QTest::newRow("text for a number")
        << before + "\"Anzeigetyp\"=\"3\"\n" + dword("Sounds", 1) << "Anzeigetyp"
        << "Ungültiger Datentyp für 'Anzeigetyp'" << callsBefore;
    QTest::newRow("number of eight bytes")
        << before + "\"GrossKleinS\"=hex(b):01,00,00,00,00,00,00,00\n"
        << "GrossKleinS"
        << "Ungültiger Datentyp für 'GrossKleinS'" << callsBefore;
    QTest::newRow("number that is none")
        << before + "\"GrossKleinS\"=dword:eins\n"
        << "GrossKleinS"
        << "Fehler beim Holen der Daten für 'GrossKleinS'" << callsBefore;
    QTest::newRow("number for a text")
        << before + dword("FontName", 1) + dword("Sounds", 1) << "FontName"
        << "Ungültiger Datentyp für 'FontName'" << callsBefore;
    QTest::newRow("last value") << before + "\"HintColor\"=\"1\"\n"
                                << "HintColor"
                                << "Ungültiger Datentyp für 'HintColor'" << callsBefore;
    QTest::newRow("first value") << QByteArray("\"AktOrdner\"=\"2\"\n") + dword("Lerntyp", 1)
                                 << "AktOrdner"
                                 << "Ungültiger Datentyp für 'AktOrdner'" << QStringList();
}

void TestSettingsStore::valueOfWrongTypeStopsTheLoad()
{
    QFETCH(QByteArray, stored);
    QFETCH(QString, badValue);
    QFETCH(QString, message);
    QFETCH(QStringList, calls);
    const QStringList order{"AktOrdner",   "Lerntyp",     "Anzeigetyp", "ZufallS",
                            "GrossKleinS", "Sounds",      "FontName",   "FontSize",
                            "FontColor",   "FontCharSet", "FontStyle",  "HintColor"};
    QStringList before;
    for (const QString &name : order)
        before.append(setting(name));

    storeKey(stored);
    try {
        m_store->RegistryLadenSpeichern(*m_window, true);
        QFAIL("no error");
    } catch (const RegistryError &error) {
        QCOMPARE(error.text, message);
        // The general error display shows what() of any standard exception.
        QCOMPARE(QString::fromUtf8(error.what()), message);
    }
    QCOMPARE(m_window->calls, calls);
    for (qsizetype i = order.indexOf(badValue); i < order.size(); ++i)
        QCOMPARE(setting(order[i]), before[i]);
    QVERIFY(keyLockIsFree());
}

void TestSettingsStore::unreachableKeyLoadsNothingAndSavesOnlyTheFileList()
{
    // A file where the registry's folder should be: the key can be neither
    // opened nor created.
    QFile blocker(m_dir->filePath("keinordner"));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    makeStore(m_dir->filePath("keinordner/registry"));

    m_store->RegistryLadenSpeichern(*m_window, true);
    QVERIFY(m_window->calls.isEmpty());
    QCOMPARE(m_settings.Lerntyp, false);
    QCOMPARE(m_schriftart.font, unusualFont().font);

    m_dateien = QStringList{m_window->programData + "Farben.dat"};
    QVERIFY(QDir().mkpath(Benutzerordner())); // made when the window is created
    m_store->RegistryLadenSpeichern(*m_window, false);
    QFile ini(Benutzerordner() + "Filenames.ini");
    QVERIFY(ini.open(QIODevice::ReadOnly));
    QVERIFY(ini.readAll().contains("Filename1=Farben.dat"));
    QVERIFY(m_dialog.messages.isEmpty());
}

LW_FORMS_TEST_MAIN(TestSettingsStore, oneScreen)
#include "tst_settingsstore.moc"
