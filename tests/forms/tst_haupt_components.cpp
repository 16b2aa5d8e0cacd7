// The main window's components as tests and the training find them: each
// by its component name, and each control and command the training names
// reaching its own widget or menu item.

#include "FormsTestMain.h"
#include "HauptFixture.h"

#include "forms/Announcement.h"

#include <QAction>
#include <QActionGroup>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStatusBar>

Q_DECLARE_METATYPE(Control)
Q_DECLARE_METATYPE(Command)

namespace {

const QStringList vokabeln{QStringLiteral("Titel"), QStringLiteral("a"), QStringLiteral("b")};

} // namespace

class TestHauptComponents : public QObject
{
    Q_OBJECT

private slots:
    void everyComponentCarriesItsName();
    void trainingReachesEachControl_data();
    void trainingReachesEachControl();
    void trainingSwitchesEachCommand_data();
    void trainingSwitchesEachCommand();
};

void TestHauptComponents::everyComponentCarriesItsName()
{
    HauptFixture f;
    QVERIFY(f.start({vokabeln}, true));
    TForm1 &form = *f.form;
    const QList<QPair<QString, QObject *>> components{
        {"Edit1", form.Edit1},
        {"Edit2", form.Edit2},
        {"RichEdit1", form.RichEdit1},
        {"StatusBar1", form.StatusBar1},
        {"StatusPanel1", form.StatusPanel1},
        {"StatusPanel2", form.StatusPanel2},
        {"Button1", form.Button1},
        {"Button2", form.Button2},
        {"Button3", form.Button3},
        {"Button4", form.Button4},
        {"Announcement", form.Ansage},
        {"MainMenu1", form.menuBar()},
        {"MenuDatei", form.MenuDatei},
        {"MenuDateiBrailletastatur", form.MenuDateiBrailletastatur},
        {"MenuDateiSpeichern", form.MenuDateiSpeichern},
        {"MenuDateiBeenden", form.MenuDateiBeenden},
        {"MenuAkt", form.MenuAkt},
        {"MenuAktPruefen", form.MenuAktPruefen},
        {"MenuAktNeu", form.MenuAktNeu},
        {"MenuAktWeiter", form.MenuAktWeiter},
        {"MenuAktFertig", form.MenuAktFertig},
        {"MenuEinst", form.MenuEinst},
        {"MenuEinstOptionen", form.MenuEinstOptionen},
        {"MenuEinstDateien", form.MenuEinstDateien},
        {"MenuEinstOrdner", form.MenuEinstOrdner},
        {"MenuEinstEigeneDateien", form.MenuEinstEigeneDateien},
        {"MenuEinstProgrammordner", form.MenuEinstProgrammordner},
        {"MenuEinstSchrift", form.MenuEinstSchrift},
        {"MenuEinstHintergrund", form.MenuEinstHintergrund},
        {"MenuHilfe", form.MenuHilfe},
        {"MenuHilfeInfo", form.MenuHilfeInfo},
        {"MenuHilfeHomepage", form.MenuHilfeHomepage},
        {"MenuHilfeUpdate", form.MenuHilfeUpdate},
        {"MenuHilfeAenderungen", form.MenuHilfeAenderungen},
        {"MenuHilfeMail", form.MenuHilfeMail},
        {"MenuHilfeSpenden", form.MenuHilfeSpenden},
        {"PuEinfuegen", form.PuEinfuegen},
    };
    for (const auto &[name, component] : components) {
        const QList<QObject *> found = form.findChildren<QObject *>(name);
        QVERIFY2(found == QList<QObject *>{component}, qPrintable(name));
    }
    // The separators are named too, though nothing refers to them.
    for (const char *name : {"MenuEinstStrich1", "MenuEinstStrich2"}) {
        const auto *separator = form.findChild<QAction *>(QLatin1String(name));
        QVERIFY2(separator && separator->isSeparator(), name);
    }
}

void TestHauptComponents::trainingReachesEachControl_data()
{
    QTest::addColumn<Control>("control");
    QTest::addColumn<QString>("widget");
    QTest::newRow("Edit1") << Control::Edit1 << "Edit1";
    QTest::newRow("Edit2") << Control::Edit2 << "Edit2";
    QTest::newRow("RichEdit1") << Control::RichEdit1 << "RichEdit1";
    QTest::newRow("Button1") << Control::Button1 << "Button1";
    QTest::newRow("Button2") << Control::Button2 << "Button2";
    QTest::newRow("Button3") << Control::Button3 << "Button3";
    QTest::newRow("Button4") << Control::Button4 << "Button4";
}

void TestHauptComponents::trainingReachesEachControl()
{
    QFETCH(Control, control);
    QFETCH(QString, widget);
    HauptFixture f;
    QVERIFY(f.start({vokabeln}, true));
    TForm1 &form = *f.form;
    // A disabled button takes no focus.
    for (Command button : {Command::Button1, Command::Button2, Command::Button3, Command::Button4})
        form.SetEnabled(button, true);
    // From a control of another row, so staying put does not pass.
    form.SetFocus(control == Control::Button4 ? Control::Edit2 : Control::Button4);

    form.SetFocus(control);
    QVERIFY(QApplication::focusWidget());
    QCOMPARE(QApplication::focusWidget()->objectName(), widget);
    QCOMPARE(form.ActiveControl(), control);
}

void TestHauptComponents::trainingSwitchesEachCommand_data()
{
    QTest::addColumn<Command>("command");
    QTest::addColumn<QString>("object");
    QTest::newRow("Button1") << Command::Button1 << "Button1";
    QTest::newRow("Button2") << Command::Button2 << "Button2";
    QTest::newRow("Button3") << Command::Button3 << "Button3";
    QTest::newRow("Button4") << Command::Button4 << "Button4";
    QTest::newRow("MenuAktPruefen") << Command::MenuAktPruefen << "MenuAktPruefen";
    QTest::newRow("MenuAktNeu") << Command::MenuAktNeu << "MenuAktNeu";
    QTest::newRow("MenuAktWeiter") << Command::MenuAktWeiter << "MenuAktWeiter";
    QTest::newRow("MenuAktFertig") << Command::MenuAktFertig << "MenuAktFertig";
    QTest::newRow("MenuDateiSpeichern") << Command::MenuDateiSpeichern << "MenuDateiSpeichern";
}

void TestHauptComponents::trainingSwitchesEachCommand()
{
    QFETCH(Command, command);
    QFETCH(QString, object);
    HauptFixture f;
    QVERIFY(f.start({vokabeln}, true));
    TForm1 &form = *f.form;
    QObject *target = form.findChild<QObject *>(object);
    QVERIFY(target);
    // Every other command keeps its state.
    QList<QObject *> others;
    QList<bool> before;
    for (const char *name :
         {"Button1", "Button2", "Button3", "Button4", "MenuAktPruefen", "MenuAktNeu",
          "MenuAktWeiter", "MenuAktFertig", "MenuDateiSpeichern"}) {
        if (name != object) {
            others.append(form.findChild<QObject *>(QLatin1String(name)));
            before.append(others.last()->property("enabled").toBool());
        }
    }

    for (const bool enabled : {false, true, false}) {
        form.SetEnabled(command, enabled);
        QCOMPARE(target->property("enabled").toBool(), enabled);
    }
    for (qsizetype i = 0; i < others.size(); ++i)
        QCOMPARE(others[i]->property("enabled").toBool(), before[i]);
}

LW_FORMS_TEST_MAIN(TestHauptComponents, oneScreen)

#include "tst_haupt_components.moc"
