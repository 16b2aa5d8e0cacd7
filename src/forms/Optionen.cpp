#include "forms/Optionen.h"

#include "access/ScreenReaderOutput.h"
#include "forms/FontAndColour.h"
#include "forms/Layout.h"
#include "forms/SharedFont.h"
#include "forms/TrainingSettings.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>
#include <QVBoxLayout>

namespace {

// The dialog's controls that take the background colour and the whole font.
constexpr ColourKinds OptFarbarten = ColourKind::Label | ColourKind::Edit | ColourKind::ListBox
    | ColourKind::CheckBox | ColourKind::RadioGroup;

// What the screen reader hears when the focus enters a group, by its tag.
QString groupName(int tag)
{
    return tag == 1 ? QStringLiteral("Lerntyp") : QStringLiteral("Anzeigetyp");
}

} // namespace

TOptForm::TOptForm(TrainingSettings &settings, ScreenReaderOutput &screenReader, QWidget *parent)
    : QDialog(parent)
    , m_settings(settings)
    , m_screenReader(screenReader)
{
    setObjectName(QStringLiteral("OptForm"));
    // A fixed dialog frame: a title and a close button, no size of its own
    // choosing; SchalterEinrichten fixes the size.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                   | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint
                   | Qt::MSWindowsFixedSizeDialogHint);
    createControls();
    CaptionZuweisen();
    // Every change is a change of the settings at once; the choices made by
    // CaptionZuweisen are not, the settings keep what they hold.
    connect(m_items1, &QButtonGroup::idToggled, this,
            [this] { m_settings.Lerntyp = ItemIndex(RadioGroup1) == 0; });
    connect(m_items2, &QButtonGroup::idToggled, this,
            [this] { m_settings.Anzeigetyp = ItemIndex(RadioGroup2) + 1; });
    connect(CheckBox1, &QCheckBox::toggled, this, [this](bool on) { m_settings.ZufallS = on; });
    connect(CheckBox2, &QCheckBox::toggled, this, [this](bool on) { m_settings.GrossKleinS = on; });
    connect(CheckBox3, &QCheckBox::toggled, this, [this](bool on) { m_settings.SoundS = on; });
}

void TOptForm::createControls()
{
    const auto makeGroup = [this](const char *name, int tag, int items, QButtonGroup *&buttons) {
        auto *group = new QGroupBox(this);
        group->setObjectName(QLatin1String(name));
        group->setProperty("Tag", tag);
        buttons = new QButtonGroup(group);
        auto *rows = new QVBoxLayout(group);
        for (int i = 0; i < items; ++i) {
            auto *item = new QRadioButton(group);
            item->setObjectName(QStringLiteral("%1Item%2").arg(QLatin1String(name)).arg(i));
            buttons->addButton(item, i);
            rows->addWidget(item);
        }
        connect(buttons, &QButtonGroup::idToggled, group, [this, group] { fixTabStops(group); });
        return group;
    };
    RadioGroup1 = makeGroup("RadioGroup1", 1, 2, m_items1);
    RadioGroup2 = makeGroup("RadioGroup2", 2, 3, m_items2);

    const auto makeCheckBox = [this](const char *name) {
        auto *box = new QCheckBox(this);
        box->setObjectName(QLatin1String(name));
        return box;
    };
    CheckBox1 = makeCheckBox("CheckBox1");
    CheckBox2 = makeCheckBox("CheckBox2");
    CheckBox3 = makeCheckBox("CheckBox3");

    Button1 = new QPushButton(this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setDefault(true);
    Button2 = new QPushButton(this);
    Button2->setObjectName(QStringLiteral("Button2"));
    connect(Button1, &QPushButton::clicked, this, &QDialog::accept);
    connect(Button2, &QPushButton::clicked, this, &TOptForm::Button2Click);

    QWidget *previous = nullptr;
    for (QAbstractButton *stop : m_items1->buttons() + m_items2->buttons()
             + QList<QAbstractButton *>{CheckBox1, CheckBox2, CheckBox3, Button1, Button2}) {
        if (previous)
            setTabOrder(previous, stop);
        previous = stop;
    }

    connect(qApp, &QApplication::focusChanged, this, [this](QWidget *, QWidget *now) {
        if (now && now->window() == this)
            focusMoved(now);
    });
}

void TOptForm::CaptionZuweisen()
{
    setWindowTitle(QStringLiteral("Optionen"));
    RadioGroup1->setTitle(QStringLiteral("Lerntyp"));
    const QStringList lerntypen{QStringLiteral("Lernen"), QStringLiteral("Prüfen")};
    const QStringList anzeigetypen{QStringLiteral("A-B"), QStringLiteral("B-A"),
                                   QStringLiteral("X-X")};
    for (int i = 0; i < lerntypen.size(); ++i)
        m_items1->button(i)->setText(lerntypen[i]);
    RadioGroup2->setTitle(QStringLiteral("Anzeigetyp"));
    for (int i = 0; i < anzeigetypen.size(); ++i)
        m_items2->button(i)->setText(anzeigetypen[i]);
    CheckBox1->setText(QStringLiteral("Zufällige Reihenfolge"));
    CheckBox2->setText(QStringLiteral("Groß-/Kleinschreibung beachten"));
    CheckBox3->setText(QStringLiteral("Sounds verwenden"));
    Button1->setText(QStringLiteral("O&K"));
    Button2->setText(QStringLiteral("&Abbrechen"));
    setItemIndex(RadioGroup1, 0);
    setItemIndex(RadioGroup2, 0);
}

void TOptForm::SchriftartZuweisen()
{
    ApplyFontAndColour(*this, OptFarbarten, Schriftart(), Schrifthintergrund());
}

void TOptForm::SchalterEinrichten()
{
    for (QPushButton *button : {Button1, Button2})
        button->resize(ButtonWidth, SteuerelementHoehe(button->font(), ControlKind::Button));
    // The client width comes from the buttons alone, so the screen-sized
    // window the other dialogs start from would change nothing here.
    const int w = ButtonWidth;
    const int bh = Button1->height();
    const int left1 = w + bh;
    const int left2 = 2 * left1 + w;
    const int CW = left2 + w + left1;

    const int groupWidth = (CW - 3 * Margin) / 2;
    const int groupHeight = 4 * SteuerelementHoehe(RadioGroup1->font(), ControlKind::RadioGroup);
    RadioGroup1->setGeometry(Margin, Margin, groupWidth, groupHeight);
    RadioGroup2->setGeometry(RadioGroup1->x() + RadioGroup1->width() + Margin, RadioGroup1->y(),
                             groupWidth, groupHeight);

    const int boxHeight = SteuerelementHoehe(CheckBox1->font(), ControlKind::CheckBox);
    int top = RadioGroup1->y() + RadioGroup1->height() + Margin;
    for (QCheckBox *box : {CheckBox1, CheckBox2, CheckBox3}) {
        box->setGeometry(Margin, top, CW - 2 * Margin, boxHeight);
        top = box->y() + box->height() + Margin;
    }
    Button1->move(left1, top);
    Button2->move(left2, top);
    setFixedSize(CW, Button1->y() + bh + Margin);
    FensterEinrichten();
}

void TOptForm::FensterEinrichten()
{
    PlaceDialog(*this);
}

QButtonGroup *TOptForm::buttonsOf(const QGroupBox *group) const
{
    return group == RadioGroup1 ? m_items1 : group == RadioGroup2 ? m_items2 : nullptr;
}

int TOptForm::ItemIndex(const QGroupBox *group) const
{
    const QButtonGroup *buttons = buttonsOf(group);
    return buttons ? buttons->checkedId() : -1;
}

void TOptForm::setItemIndex(QGroupBox *group, int index)
{
    QButtonGroup *buttons = buttonsOf(group);
    if (!buttons)
        return;
    if (QAbstractButton *item = buttons->button(index)) {
        item->setChecked(true);
        return;
    }
    // No item: an exclusive group keeps its checked button, so it lets go
    // of it for a moment.
    buttons->setExclusive(false);
    for (QAbstractButton *item : buttons->buttons())
        item->setChecked(false);
    buttons->setExclusive(true);
    fixTabStops(group);
}

void TOptForm::fixTabStops(QGroupBox *group)
{
    const QButtonGroup *buttons = buttonsOf(group);
    QAbstractButton *stop =
        buttons->checkedButton() ? buttons->checkedButton() : buttons->buttons().constFirst();
    for (QAbstractButton *item : buttons->buttons())
        item->setFocusPolicy(item == stop ? Qt::StrongFocus : Qt::ClickFocus);
}

void TOptForm::WerteAnzeigen()
{
    setItemIndex(RadioGroup1, m_settings.Lerntyp ? 0 : 1);
    setItemIndex(RadioGroup2, m_settings.Anzeigetyp - 1);
    CheckBox1->setChecked(m_settings.ZufallS);
    CheckBox2->setChecked(m_settings.GrossKleinS);
    CheckBox3->setChecked(m_settings.SoundS);
}

void TOptForm::WerteMerken()
{
    SikLerntyp = ItemIndex(RadioGroup1);
    SikAnzeigetyp = ItemIndex(RadioGroup2);
    SikZufall = CheckBox1->isChecked();
    SikGross = CheckBox2->isChecked();
    SikSound = CheckBox3->isChecked();
}

void TOptForm::WerteZurueckschreiben()
{
    setItemIndex(RadioGroup1, SikLerntyp);
    setItemIndex(RadioGroup2, SikAnzeigetyp);
    CheckBox1->setChecked(SikZufall);
    CheckBox2->setChecked(SikGross);
    CheckBox3->setChecked(SikSound);
}

void TOptForm::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    // The window system's own showings (back from minimised) are no opening.
    if (event->spontaneous())
        return;
    WerteAnzeigen();
    SchalterEinrichten();
    // Entering the dialog is entering its first group.
    m_focusGroup = nullptr;
    buttonsOf(RadioGroup1)->checkedButton()->setFocus(Qt::OtherFocusReason);
    WerteMerken();
}

void TOptForm::Button2Click()
{
    // The remembered values come back in done(), as for every way to cancel.
    reject();
}

void TOptForm::done(int result)
{
    QDialog::done(result);
    // Once hidden, so the screen reader does not read the focused box's
    // change back on the way out.
    if (result != QDialog::Accepted)
        WerteZurueckschreiben();
}

void TOptForm::focusMoved(QWidget *now)
{
    // The group the focus is in now against the one it was in last inside
    // this dialog: moving by arrow keys inside a group, or coming back from
    // another program, enters nothing.
    auto *group = qobject_cast<QGroupBox *>(now->parentWidget());
    if (!buttonsOf(group))
        group = nullptr;
    const bool entered = group && group != m_focusGroup;
    m_focusGroup = group;
    if (entered)
        RG_Enters(group);
}

void TOptForm::RG_Enters(QGroupBox *Sender)
{
    m_screenReader.Output(groupName(Sender->property("Tag").toInt()), false);
}
