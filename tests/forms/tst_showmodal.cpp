// A form shown modally through the modal seam, as every dialog of the
// program is: the real seam runs the form's own loop, the tests' stand-in
// works the form's real controls from a script. Either way the result is the
// form's own, and no test waits in a loop it cannot end.

#include "ScriptedDialogs.h"

#include "forms/QtModalDialogs.h"

#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>
#include <QtTest>

namespace {

// A small form of the usual make: a field with its label, O&K and Abbrechen.
class TitleForm : public QDialog
{
public:
    TitleForm()
    {
        auto *layout = new QVBoxLayout(this);
        auto *label = new QLabel(QStringLiteral("&Titel:"), this);
        Edit1 = new QLineEdit(this);
        Edit1->setObjectName(QStringLiteral("Edit1"));
        label->setBuddy(Edit1);
        Button1 = new QPushButton(QStringLiteral("O&K"), this);
        Button1->setObjectName(QStringLiteral("Button1"));
        Button1->setDefault(true);
        Button2 = new QPushButton(QStringLiteral("&Abbrechen"), this);
        Button2->setObjectName(QStringLiteral("Button2"));
        for (QWidget *control : {static_cast<QWidget *>(label), static_cast<QWidget *>(Edit1),
                                 static_cast<QWidget *>(Button1), static_cast<QWidget *>(Button2)})
            layout->addWidget(control);
        connect(Button1, &QPushButton::clicked, this, &QDialog::accept);
        connect(Button2, &QPushButton::clicked, this, &QDialog::reject);
    }

    QLineEdit *Edit1;
    QPushButton *Button1;
    QPushButton *Button2;
};

enum class Learner { TypesAndClicksOk, TypesAndPressesEnter, ClicksAbbrechen, PressesEscape };

// What the learner does in the open form, by its real controls.
void act(Learner learner, TitleForm &form)
{
    QTest::keyClicks(form.Edit1, QStringLiteral("Tiere"));
    switch (learner) {
    case Learner::TypesAndClicksOk:
        QTest::mouseClick(form.Button1, Qt::LeftButton);
        break;
    case Learner::TypesAndPressesEnter:
        QTest::keyClick(form.Edit1, Qt::Key_Return);
        break;
    case Learner::ClicksAbbrechen:
        QTest::mouseClick(form.Button2, Qt::LeftButton);
        break;
    case Learner::PressesEscape:
        QTest::keyClick(form.Edit1, Qt::Key_Escape);
        break;
    }
}

} // namespace

Q_DECLARE_METATYPE(Learner)

class TestShowModal : public QObject
{
    Q_OBJECT

private slots:
    void realDialogsRunTheFormsOwnLoop_data() { learnerRows(); }
    void realDialogsRunTheFormsOwnLoop();
    void scriptWorksTheFormsRealControls_data() { learnerRows(); }
    void scriptWorksTheFormsRealControls();
    void formWithoutScriptIsCancelledAtOnce();

private:
    static void learnerRows();
};

void TestShowModal::learnerRows()
{
    QTest::addColumn<Learner>("learner");
    QTest::addColumn<int>("result");
    QTest::newRow("O&K") << Learner::TypesAndClicksOk << int(QDialog::Accepted);
    QTest::newRow("Enter, the default button")
        << Learner::TypesAndPressesEnter << int(QDialog::Accepted);
    QTest::newRow("&Abbrechen") << Learner::ClicksAbbrechen << int(QDialog::Rejected);
    QTest::newRow("Escape") << Learner::PressesEscape << int(QDialog::Rejected);
}

void TestShowModal::realDialogsRunTheFormsOwnLoop()
{
    QFETCH(Learner, learner);
    QFETCH(int, result);
    QtModalDialogs dialogs;
    TitleForm form;
    bool modal = false;
    // Runs once the form is up in its own loop.
    QTimer::singleShot(0, this, [&] {
        modal = QApplication::activeModalWidget() == &form;
        act(learner, form);
        // A form the learner failed to end would keep the test waiting.
        if (form.isVisible())
            form.done(-1);
    });

    QCOMPARE(dialogs.ShowModal(form), result);
    QVERIFY(modal);
    QCOMPARE(form.Edit1->text(), QStringLiteral("Tiere"));
}

void TestShowModal::scriptWorksTheFormsRealControls()
{
    QFETCH(Learner, learner);
    QFETCH(int, result);
    ScriptedDialogs dialogs;
    TitleForm form;
    bool modal = false;
    dialogs.dialogScripts.append([&](QDialog &shown) {
        modal = &shown == &form && form.isVisible() && form.isModal();
        act(learner, form);
    });

    QCOMPARE(dialogs.ShowModal(form), result);
    QVERIFY(modal);
    QVERIFY(!form.isVisible());
    QCOMPARE(form.Edit1->text(), QStringLiteral("Tiere"));
    QCOMPARE(dialogs.unexpected, 0);
}

void TestShowModal::formWithoutScriptIsCancelledAtOnce()
{
    ScriptedDialogs dialogs;
    TitleForm form;
    QCOMPARE(dialogs.ShowModal(form), int(QDialog::Rejected));
    QVERIFY(!form.isVisible());
    QCOMPARE(dialogs.unexpected, 1);

    // A script that leaves the form open counts the same.
    dialogs.dialogScripts.append([](QDialog &) {});
    QCOMPARE(dialogs.ShowModal(form), int(QDialog::Rejected));
    QVERIFY(!form.isVisible());
    QCOMPARE(dialogs.unexpected, 2);
}

QTEST_MAIN(TestShowModal)
#include "tst_showmodal.moc"
