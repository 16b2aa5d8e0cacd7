// The help menu: the program information, the list of changes, the
// program's pages and mail, and the hand-over to the update program.

#include "forms/Haupt.h"

#include "base/ProgramTitle.h"
#include "data/folders/Datenordner.h"
#include "forms/ModalDialogs.h"
#include "forms/SettingsStore.h"
#include "forms/SharedFont.h"
#include "help/ExternalPrograms.h"
#include "help/HelpMenuTargets.h"
#include "help/TempFolder.h"
#include "help/UpdateHandOff.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace {

// Web and mail addresses open in the programs the desktop has for them.
void openAddress(ExternalPrograms &programs, WindowId owner, const QString &address)
{
    programs.ShellOpen(owner, address, QString(), ExternalPrograms::SW_SHOWNORMAL,
                       QStringLiteral("open"), QString());
}

bool isFileBesideProgram(const QString &name)
{
    return QFileInfo(Programmordner() + name).isFile();
}

} // namespace

void TForm1::MenuHilfeClick()
{
    // Asked at every opening: the files may come and go while the program runs.
    MenuHilfeAenderungen->setEnabled(isFileBesideProgram(ChangesFileName()));
    MenuHilfeUpdate->setVisible(isFileBesideProgram(UpdateProgramFileName()));
}

void TForm1::MenuHilfeInfoClick()
{
    m_dialogs.MessageDlg(ProgramInfoText(), MsgIcon::Information, MsgButtons::Ok);
}

void TForm1::MenuHilfeHomepageClick()
{
    openAddress(m_programs, WindowId(winId()), HomepageAddress());
}

void TForm1::MenuHilfeUpdateClick()
{
    const QString path = GetTempFolder() + UpdateHandOffFileName;
    const QFont &font = Schriftart().font;
    const UpdateHandOff handOff{
        ProgramTitle,
        windowTitle(),
        QDir::toNativeSeparators(QCoreApplication::applicationFilePath()),
        HandOverKeyName,
        StoredFontSize(font),
        font.family(),
    };
    if (!WriteUpdateHandOff(path, handOff)) {
        m_dialogs.MessageDlg(QStringLiteral("Es ist ein Fehler beim Aktualisieren aufgetreten!\r\n"
                                            "Die Datei \"%1\" konnte nicht gespeichert werden.")
                                 .arg(QDir::toNativeSeparators(path)),
                             MsgIcon::Error, MsgButtons::Ok);
        return;
    }
    // The bare name: the update program finds it in the temporary folder.
    m_programs.ShellOpen(WindowId(winId()), Programmordner() + UpdateProgramFileName(),
                         UpdateHandOffFileName, ExternalPrograms::SW_SHOWNORMAL,
                         QStringLiteral("open"), QString());
}

void TForm1::MenuHilfeAenderungenClick()
{
    m_programs.OpenTextFile(Programmordner() + ChangesFileName());
}

void TForm1::MenuHilfeMailClick()
{
    openAddress(m_programs, WindowId(winId()), MailAddress());
}

void TForm1::MenuHilfeSpendenClick()
{
    openAddress(m_programs, WindowId(winId()), DonationPageAddress());
}
