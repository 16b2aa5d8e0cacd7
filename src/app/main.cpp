#include "access/ScreenReaderOutput.h"
#include "app/BringFormsToFront.h"
#include "app/DataFolders.h"
#include "app/DateNames.h"
#include "app/RegistrySettings.h"
#include "app/StartUp.h"
#include "app/WatchRegistrySettings.h"
#include "data/folders/Datenordner.h"
#include "forms/Application.h"
#include "forms/Haupt.h"
#include "forms/QtModalDialogs.h"
#include "forms/SettingsStore.h"
#include "forms/SharedFont.h"
#include "forms/TrainingSettings.h"
#include "help/ExternalPrograms.h"
#include "platform/Registry.h"
#include "platform/TopLevelWindows.h"

#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#ifdef LW_EXIT_WHEN_SHOWN
#include <QEvent>
#endif

namespace {

// The main window's answers to the hand-over requests.
class HauptHandOver final : public HandOverWindow
{
public:
    explicit HauptHandOver(TForm1 &form)
        : m_form(form)
    {}

    void WMProgramSetFocus() override
    {
        const auto windows = TopLevelWindows::Create();
        QList<QWidget *> forms{&m_form};
        // A message box that opened while the program was in the background
        // has no owner; it still belongs on top.
        if (QWidget *modal = QApplication::activeModalWidget())
            forms.append(modal);
        BringFormsToFront(*windows, forms);
    }

    // As File, Exit: a running training asks first, and No keeps it open.
    void WMProgramClose() override { m_form.MenuDateiBeendenClick(); }

private:
    TForm1 &m_form;
};

#ifdef LW_EXIT_WHEN_SHOWN
// The start-up benchmark's build ends the program once the main window has
// been painted for the first time.
class QuitWhenPainted final : public QObject
{
public:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            QCoreApplication::quit();
        return QObject::eventFilter(watched, event);
    }
};
#endif

} // namespace

int main(int argc, char *argv[])
{
    AdjustDateNames();

    // A second start hands over to the running instance and ends at once,
    // before anything of the program is set up.
    if (ZweiterStart())
        return 0;

    QtModalDialogs dialogs;
    // The program takes nothing from its command line, so Qt sees only the
    // program's name: its own options (-reverse, -qwindowtitle, -style,
    // -platform...) would change the window and its title. Qt keeps a
    // reference to this count for the application's lifetime.
    int qtArgc = qMin(argc, 1);
    Application app(qtArgc, argv, dialogs);

    // Qt's own texts (the font dialog, key names in the menus) in German,
    // like the rest of the program.
    QTranslator qtTexts;
    if (qtTexts.load(QLocale(QLocale::German), QStringLiteral("qtbase"), QStringLiteral("_"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&qtTexts);

    setDatenordner(Programmdatenordner());
    Benutzerordner();

    // The program's services, each made before what uses it and so gone
    // only after it: one registry for the settings and the hand-over, the
    // data folders, the settings and their store, then the window.
    const auto registry = CurrentUserRegistry::Create();
    const DataFolders folders;
    TrainingSettings settings;
    SettingsStore settingsStore(*registry, settings, Schriftart(), dialogs);
    NoScreenReaderOutput screenReader;
    const auto programs = ExternalPrograms::Create();
    TForm1 form(dialogs, settings, settingsStore, screenReader, *programs);

    HauptHandOver handOver(form);
    int result = 0;
    {
        // Stopped at the end of this block, before the window it calls goes.
        TWatchRegistrySettings watcher(&form, handOver, *registry, HandOverKeyName);
#ifdef LW_EXIT_WHEN_SHOWN
        QuitWhenPainted quitWhenPainted;
        form.installEventFilter(&quitWhenPainted);
#endif
        form.show();
        result = QApplication::exec();
    }
    ReleaseInstanceLock();
    return result;
}
