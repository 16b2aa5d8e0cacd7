// The real message box, run and answered from inside its own event loop:
// what it shows and what a screen reader reads is the text as given.

#include "forms/QtModalDialogs.h"

#include <QAccessible>
#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

class TestQtModalDialogs : public QObject
{
    Q_OBJECT

private slots:
    void messageTextIsPlain_data();
    void messageTextIsPlain();
    void aBoxWaitsForTheKeyThatOpenedIt_data();
    void aBoxWaitsForTheKeyThatOpenedIt();
};

void TestQtModalDialogs::messageTextIsPlain_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("markup in a file name")
        << QStringLiteral("In \"/home/lw/<b>.dat\" befindet sich eine ungerade Datensatzanzahl!");
    QTest::newRow("markup and line breaks")
        << QStringLiteral("<i>Das Training ist abgeschlossen!\r\nEinträge: 3\r\nRichtig: 1");
    QTest::newRow("an entity") << QStringLiteral("Eintrag &lt;leer&gt;\r\nzweite Zeile");
}

void TestQtModalDialogs::messageTextIsPlain()
{
    QFETCH(QString, text);
    QtModalDialogs dialogs;
    QString read;
    Qt::TextFormat format = Qt::AutoText;
    bool found = false;
    // Runs once the box is up in its own loop; "Nein" ends it.
    QTimer::singleShot(0, this, [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box)
            return;
        found = true;
        format = box->textFormat();
        if (auto *label = box->findChild<QLabel *>(QStringLiteral("qt_msgbox_label"))) {
            if (QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(label))
                read = iface->text(QAccessible::Name);
        }
        for (QAbstractButton *button : box->buttons()) {
            if (button->text() == QStringLiteral("Nein"))
                button->click();
        }
    });

    const MsgResult result = dialogs.MessageDlg(text, MsgIcon::Confirmation, MsgButtons::YesNo);

    QVERIFY(found);
    QCOMPARE(result, MsgResult::No);
    QCOMPARE(read, text);
    QCOMPARE(format, Qt::PlainText);
}

void TestQtModalDialogs::aBoxWaitsForTheKeyThatOpenedIt_data()
{
    QTest::addColumn<bool>("released");
    QTest::newRow("released soon") << true;
    QTest::newRow("held on") << false;
}

void TestQtModalDialogs::aBoxWaitsForTheKeyThatOpenedIt()
{
    // Enter went down on the box before, which then closed; this box opens
    // only once Enter is up again, or after a bounded wait when it stays down.
    QFETCH(bool, released);
    QtModalDialogs dialogs;
    QWidget window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    bool releaseSent = false;
    QList<bool> shownAfterRelease;
    QTimer poll;
    connect(&poll, &QTimer::timeout, this, [&] {
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
            shownAfterRelease << releaseSent;
            box->buttons().constFirst()->click();
        }
    });
    poll.start(10);
    dialogs.MessageDlg(QStringLiteral("vorher"), MsgIcon::Information, MsgButtons::Ok);

    QTest::keyPress(&window, Qt::Key_Return);
    if (released)
        QTimer::singleShot(100, this, [&] {
            releaseSent = true;
            QTest::keyRelease(&window, Qt::Key_Return);
        });
    QElapsedTimer clock;
    clock.start();
    dialogs.MessageDlg(QStringLiteral("Sollen die nicht gewussten Einträge angezeigt werden?"),
                       MsgIcon::Confirmation, MsgButtons::YesNo);
    QCOMPARE(shownAfterRelease, (QList<bool>{false, released}));
    // Never kept away long by a key held down.
    QVERIFY(clock.elapsed() < 5000);
}

QTEST_MAIN(TestQtModalDialogs)
#include "tst_qtmodaldialogs.moc"
