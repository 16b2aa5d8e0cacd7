// The sweep every form's test runs must find each kind of fault a screen
// reader user would meet, and none in a well-made form.

#include "FormsTestMain.h"
#include "support/FormFixture.h"

#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

enum class Fault { None, UnlabelledField, UntitledGroup, UnnamedButton, NoComponentName, TabOrder };

// A field with its label, a radio group, and a button; made with one fault.
class SmallForm : public QDialog
{
public:
    explicit SmallForm(Fault fault)
    {
        auto *layout = new QVBoxLayout(this);
        auto *label = new QLabel(QStringLiteral("&Titel:"), this);
        auto *edit = new QLineEdit(this);
        edit->setObjectName(QStringLiteral("Edit1"));
        if (fault != Fault::UnlabelledField)
            label->setBuddy(edit);
        auto *group = new QGroupBox(
            fault == Fault::UntitledGroup ? QString() : QStringLiteral("Lerntyp"), this);
        group->setObjectName(QStringLiteral("RadioGroup1"));
        auto *groupLayout = new QVBoxLayout(group);
        for (const char *text : {"Lernen", "Prüfen"})
            groupLayout->addWidget(new QRadioButton(QString::fromUtf8(text), group));
        auto *button = new QPushButton(
            fault == Fault::UnnamedButton ? QString() : QStringLiteral("O&K"), this);
        if (fault != Fault::NoComponentName)
            button->setObjectName(QStringLiteral("Button1"));
        for (QWidget *w : {static_cast<QWidget *>(label), static_cast<QWidget *>(edit),
                           static_cast<QWidget *>(group), static_cast<QWidget *>(button)})
            layout->addWidget(w);
        if (fault == Fault::TabOrder)
            setTabOrder(edit, button);
    }
};

} // namespace

Q_DECLARE_METATYPE(Fault)

class TestFormSweep : public QObject
{
    Q_OBJECT

private slots:
    void findsEachFault_data()
    {
        QTest::addColumn<Fault>("fault");
        QTest::addColumn<QString>("found");
        QTest::newRow("well made") << Fault::None << "";
        QTest::newRow("field without a label")
            << Fault::UnlabelledField << "Edit1: no accessible name";
        QTest::newRow("group without a title")
            << Fault::UntitledGroup << "RadioGroup1: group box without a title";
        QTest::newRow("button without text")
            << Fault::UnnamedButton << "Button1: no accessible name";
        QTest::newRow("no component name")
            << Fault::NoComponentName << "QPushButton: no component name";
        QTest::newRow("tab order") << Fault::TabOrder << "Tab stops: Edit1, Button1, RadioGroup1;";
    }

    void findsEachFault()
    {
        QFETCH(Fault, fault);
        QFETCH(QString, found);
        FormFixture<SmallForm> f;
        f.create(fault);
        QVERIFY(f.showActive());
        const QStringList faults = f.accessibilityFaults({"Edit1", "RadioGroup1", "Button1"});
        if (found.isEmpty())
            QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
        else
            QVERIFY2(!faults.filter(found).isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
    }
};

LW_FORMS_TEST_MAIN(TestFormSweep, oneScreen)

#include "tst_formsweep.moc"
