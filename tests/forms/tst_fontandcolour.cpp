// The font and colour rule every window applies: which controls take the
// background colour and the whole font, which only the font, and which
// stay as they are.

#include "forms/FontAndColour.h"
#include "forms/SharedFont.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <QtTest>

#include <memory>

namespace {

enum class Takes { WholeFont, ButtonFont, Nothing };

const ColourKinds mainWindowKinds = ColourKind::Label | ColourKind::StatusBar | ColourKind::Edit
    | ColourKind::ListView | ColourKind::ListBox | ColourKind::CheckBox | ColourKind::RichText;
const ColourKinds fieldsOnly = ColourKind::Label | ColourKind::Edit;

// One control of every kind, some of them inside others, as in a dialog.
std::unique_ptr<QWidget> makeForm()
{
    auto form = std::make_unique<QWidget>();
    auto *layout = new QVBoxLayout(form.get());
    const auto add = [&](QWidget *control, const char *name) {
        control->setObjectName(QLatin1String(name));
        layout->addWidget(control);
        return control;
    };
    add(new QLabel(QStringLiteral("&Titel:")), "Label1");
    add(new QLineEdit, "Edit1");
    add(new QPlainTextEdit, "RichEdit1");
    auto *statusBar = static_cast<QStatusBar *>(add(new QStatusBar, "StatusBar1"));
    auto *panel = new QLabel(statusBar);
    panel->setObjectName(QStringLiteral("StatusPanel1"));
    add(new QTreeWidget, "ListView1");
    add(new QListWidget, "ListBox1");
    add(new QCheckBox(QStringLiteral("&Zufall")), "CheckBox1");
    auto *group =
        static_cast<QGroupBox *>(add(new QGroupBox(QStringLiteral("Abfrage")), "RadioGroup1"));
    auto *radio = new QRadioButton(QStringLiteral("A-B"), group);
    radio->setObjectName(QStringLiteral("RadioButton1"));
    (new QVBoxLayout(group))->addWidget(radio);
    add(new QPushButton(QStringLiteral("O&K")), "Button1");
    auto *box = static_cast<QDialogButtonBox *>(add(new QDialogButtonBox, "ButtonBox"));
    box->addButton(QStringLiteral("&Abbrechen"), QDialogButtonBox::RejectRole)
        ->setObjectName("Button2");
    add(new QMenuBar, "MainMenu1");
    add(new QWidget, "Panel1");
    return form;
}

FontWithColour bigFont(const QColor &colour)
{
    QFont font(QStringLiteral("Liberation Serif"));
    font.setPixelSize(27);
    font.setItalic(true);
    return {font, colour};
}

} // namespace

Q_DECLARE_METATYPE(Takes)

class TestFontAndColour : public QObject
{
    Q_OBJECT

private slots:
    void controlsTakeWhatTheirKindTakes_data();
    void controlsTakeWhatTheirKindTakes();
    void noFontColourGivesTheSystemTextColour();
};

void TestFontAndColour::controlsTakeWhatTheirKindTakes_data()
{
    QTest::addColumn<ColourKinds>("kinds");
    QTest::addColumn<QString>("control");
    QTest::addColumn<Takes>("takes");

    const struct
    {
        const char *control;
        Takes inMainWindow;
        Takes withFieldsOnly;
    } rows[] = {
        {"Label1", Takes::WholeFont, Takes::WholeFont},
        {"Edit1", Takes::WholeFont, Takes::WholeFont},
        {"RichEdit1", Takes::WholeFont, Takes::Nothing},
        {"StatusBar1", Takes::WholeFont, Takes::Nothing},
        // A label is a label wherever it lies.
        {"StatusPanel1", Takes::WholeFont, Takes::WholeFont},
        {"ListView1", Takes::WholeFont, Takes::Nothing},
        {"ListBox1", Takes::WholeFont, Takes::Nothing},
        {"CheckBox1", Takes::WholeFont, Takes::Nothing},
        // The main window has no radio groups among its kinds.
        {"RadioGroup1", Takes::Nothing, Takes::Nothing},
        {"RadioButton1", Takes::Nothing, Takes::Nothing},
        {"Button1", Takes::ButtonFont, Takes::ButtonFont},
        {"Button2", Takes::ButtonFont, Takes::ButtonFont},
        {"MainMenu1", Takes::Nothing, Takes::Nothing},
        {"Panel1", Takes::Nothing, Takes::Nothing},
    };
    for (const auto &row : rows) {
        QTest::addRow("main window: %s", row.control)
            << mainWindowKinds << row.control << row.inMainWindow;
        QTest::addRow("fields only: %s", row.control)
            << fieldsOnly << row.control << row.withFieldsOnly;
    }
    const ColourKinds groups = ColourKind::RadioGroup;
    QTest::newRow("radio groups: RadioGroup1") << groups << "RadioGroup1" << Takes::WholeFont;
    // Its radio buttons take what the group takes.
    QTest::newRow("radio groups: RadioButton1") << groups << "RadioButton1" << Takes::WholeFont;
}

void TestFontAndColour::controlsTakeWhatTheirKindTakes()
{
    QFETCH(ColourKinds, kinds);
    QFETCH(QString, control);
    QFETCH(Takes, takes);
    const std::unique_ptr<QWidget> form = makeForm();
    auto *widget = form->findChild<QWidget *>(control);
    QVERIFY(widget);
    const QFont fontBefore = widget->font();
    const QPalette paletteBefore = widget->palette();
    const QPalette formBefore = form->palette();
    const QColor background(166, 202, 240);
    const FontWithColour font = bigFont(QColor(128, 0, 0));

    ApplyFontAndColour(*form, kinds, font, background);

    QCOMPARE(form->palette(), formBefore);
    switch (takes) {
    case Takes::WholeFont:
        QCOMPARE(widget->font(), font.font);
        QCOMPARE(widget->palette().color(QPalette::Base), background);
        QCOMPARE(widget->palette().color(QPalette::Window), background);
        QCOMPARE(widget->palette().color(QPalette::Text), font.colour);
        QCOMPARE(widget->palette().color(QPalette::WindowText), font.colour);
        break;
    case Takes::ButtonFont:
        QCOMPARE(widget->font().family(), font.font.family());
        QCOMPARE(widget->font().pixelSize(), font.font.pixelSize());
        QCOMPARE(widget->font().italic(), true);
        QCOMPARE(widget->palette(), paletteBefore);
        break;
    case Takes::Nothing:
        QCOMPARE(widget->font(), fontBefore);
        QCOMPARE(widget->palette(), paletteBefore);
        break;
    }
}

void TestFontAndColour::noFontColourGivesTheSystemTextColour()
{
    const std::unique_ptr<QWidget> form = makeForm();
    auto *edit = form->findChild<QLineEdit *>(QStringLiteral("Edit1"));
    const QColor systemText = QApplication::palette(edit).color(QPalette::Text);
    ApplyFontAndColour(*form, fieldsOnly, bigFont(QColor()), QColor(0, 0, 0));
    QCOMPARE(edit->palette().color(QPalette::Text), systemText);
    QCOMPARE(edit->palette().color(QPalette::Base), QColor(0, 0, 0));
}

QTEST_MAIN(TestFontAndColour)
#include "tst_fontandcolour.moc"
