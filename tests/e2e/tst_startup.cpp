// The built program from the outside, in a private X server and private
// folders: a second start ends at once and brings the running instance to
// the front; a close request through the hand-over key ends it.

#include "app/RegistrySettings.h"
#include "base/ProgramTitle.h"
#include "platform/InstanceLock.h"
#include "platform/Registry.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <memory>

class TestStartup : public QObject
{
    Q_OBJECT

    QTemporaryDir m_world;
    QProcess m_server;
    QByteArray m_displayName;
    Display *m_x = nullptr;
    Window m_other = 0; // a window of another program
    std::unique_ptr<CurrentUserRegistry> m_registry;

    Atom atom(const char *name) { return XInternAtom(m_x, name, False); }

    QProcessEnvironment programEnvironment(const QString &platform) const
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("HOME"), m_world.filePath(QStringLiteral("home")));
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), m_world.filePath(QStringLiteral("config")));
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), m_world.path());
        env.insert(QStringLiteral("DISPLAY"), QString::fromLatin1(m_displayName));
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), platform);
        env.remove(QStringLiteral("WAYLAND_DISPLAY"));
        return env;
    }

    std::unique_ptr<QProcess> startProgram(const QString &platform,
                                           const QStringList &arguments = {})
    {
        auto program = std::make_unique<QProcess>();
        program->setProcessEnvironment(programEnvironment(platform));
        program->setProcessChannelMode(QProcess::ForwardedErrorChannel);
        program->start(QStringLiteral(LW_PROGRAM), arguments);
        return program;
    }

    QString titleOf(Window window)
    {
        Atom type = 0;
        int format = 0;
        unsigned long count = 0, after = 0;
        unsigned char *data = nullptr;
        QString title;
        if (XGetWindowProperty(m_x, window, atom("_NET_WM_NAME"), 0, 1024, False,
                               atom("UTF8_STRING"), &type, &format, &count, &after, &data)
                == Success
            && data && format == 8)
            title = QString::fromUtf8(reinterpret_cast<const char *>(data), int(count));
        if (data)
            XFree(data);
        return title;
    }

    // The program's mapped top-level windows, bottom to top.
    QList<Window> programWindows()
    {
        QList<Window> found;
        Window root = 0, parent = 0;
        Window *children = nullptr;
        unsigned int count = 0;
        if (!XQueryTree(m_x, DefaultRootWindow(m_x), &root, &parent, &children, &count))
            return found;
        for (unsigned int i = 0; i < count; ++i) {
            XWindowAttributes attributes;
            if (XGetWindowAttributes(m_x, children[i], &attributes)
                && attributes.map_state == IsViewable && titleOf(children[i]) == ProgramTitle)
                found.append(children[i]);
        }
        if (children)
            XFree(children);
        return found;
    }

    // The top of the stacking order among the mapped top-level windows.
    Window topWindow()
    {
        Window root = 0, parent = 0, top = 0;
        Window *children = nullptr;
        unsigned int count = 0;
        XQueryTree(m_x, DefaultRootWindow(m_x), &root, &parent, &children, &count);
        for (unsigned int i = 0; i < count; ++i) {
            XWindowAttributes attributes;
            if (XGetWindowAttributes(m_x, children[i], &attributes)
                && attributes.map_state == IsViewable)
                top = children[i];
        }
        if (children)
            XFree(children);
        return top;
    }

    Window focusWindow()
    {
        Window focus = 0;
        int revert = 0;
        XGetInputFocus(m_x, &focus, &revert);
        return focus;
    }

    // Another program's window takes the focus and the top place.
    void otherWindowToFront()
    {
        XMapRaised(m_x, m_other);
        XSync(m_x, False);
        XSetInputFocus(m_x, m_other, RevertToParent, CurrentTime);
        XSync(m_x, False);
    }

    // The requests to become the active window: the window and the source
    // (1 a program for itself, 2 a pager for the user).
    QList<QPair<Window, long>> m_activationRequests;

    void setActiveWindow(Window window)
    {
        const long active[] = {long(window)};
        XChangeProperty(m_x, DefaultRootWindow(m_x), atom("_NET_ACTIVE_WINDOW"), XA_WINDOW, 32,
                        PropModeReplace, reinterpret_cast<const unsigned char *>(active), 1);
        XSync(m_x, False);
    }

    // The window manager's work while the test holds the redirection: maps
    // and configures as asked, grants activation to pagers only.
    void manageWindows()
    {
        XSync(m_x, False);
        while (XPending(m_x)) {
            XEvent event;
            XNextEvent(m_x, &event);
            if (event.type == MapRequest) {
                XMapWindow(m_x, event.xmaprequest.window);
            } else if (event.type == ConfigureRequest) {
                const XConfigureRequestEvent &request = event.xconfigurerequest;
                XWindowChanges changes{request.x,
                                       request.y,
                                       request.width,
                                       request.height,
                                       request.border_width,
                                       request.above,
                                       request.detail};
                XConfigureWindow(m_x, request.window, unsigned(request.value_mask), &changes);
            } else if (event.type == ClientMessage
                       && event.xclient.message_type == atom("_NET_ACTIVE_WINDOW")) {
                const Window window = event.xclient.window;
                m_activationRequests.append({window, event.xclient.data.l[0]});
                if (event.xclient.data.l[0] == 2) {
                    XRaiseWindow(m_x, window);
                    XSetInputFocus(m_x, window, RevertToParent, CurrentTime);
                    setActiveWindow(window);
                }
            }
        }
        XSync(m_x, False);
    }

    // Ends the program by the hand-over key as another process would. A
    // request left before its watcher ran is dropped, so it is repeated.
    bool closeByRequest(QProcess &program)
    {
        for (int attempt = 0; attempt < 20; ++attempt) {
            WriteRegistrySettings(*m_registry, HandOverKeyName,
                                  TRegistrySettings::rsClose(QString()));
            if (program.waitForFinished(500))
                return program.exitStatus() == QProcess::NormalExit && program.exitCode() == 0;
        }
        return false;
    }

    // A second start: it must end by itself, at once, with nothing shown.
    void secondStart()
    {
        QElapsedTimer clock;
        clock.start();
        const auto second = startProgram(QStringLiteral("xcb"));
        QVERIFY(second->waitForFinished(10000));
        QCOMPARE(second->exitStatus(), QProcess::NormalExit);
        QCOMPARE(second->exitCode(), 0);
        qInfo("second start ended after %lld ms", clock.elapsed());
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_world.isValid());
        QVERIFY(QFile::exists(QStringLiteral(LW_PROGRAM)));
        // The test writes hand-over requests into the program's registry.
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_world.filePath(QStringLiteral("config"))));
        m_registry = CurrentUserRegistry::Create();

        const QString server = QStandardPaths::findExecutable(QStringLiteral("Xvfb"));
        if (server.isEmpty())
            QSKIP("Xvfb is not installed");
        m_server.start(server,
                       {"-displayfd", "1", "-nolisten", "tcp", "-screen", "0", "1024x768x24"});
        QVERIFY(m_server.waitForStarted());
        while (!m_server.canReadLine())
            QVERIFY(m_server.waitForReadyRead(30000));
        m_displayName = ':' + m_server.readLine().trimmed();
        m_x = XOpenDisplay(m_displayName.constData());
        QVERIFY(m_x);
        m_other = XCreateSimpleWindow(m_x, DefaultRootWindow(m_x), 0, 0, 200, 100, 0, 0, 0);
        XStoreName(m_x, m_other, "Anderes Programm");
    }

    void cleanupTestCase()
    {
        if (m_x)
            XCloseDisplay(m_x);
        m_server.terminate();
        m_server.waitForFinished();
    }

    // Without a window manager there is no list of windows: the running
    // instance's lock is the proof, and the instance takes the focus itself.
    void secondStartBringsTheRunningInstanceToFront()
    {
        const auto first = startProgram(QStringLiteral("xcb"));
        QTRY_COMPARE_WITH_TIMEOUT(programWindows().size(), 1, 15000);
        const Window main = programWindows().first();
        otherWindowToFront();
        QCOMPARE(focusWindow(), m_other);
        QCOMPARE(topWindow(), m_other);

        secondStart();

        QTRY_COMPARE_WITH_TIMEOUT(focusWindow(), main, 5000);
        QTRY_COMPARE(topWindow(), main);
        QCOMPARE(programWindows(), QList<Window>{main});
        QCOMPARE(first->state(), QProcess::Running);

        QVERIFY(closeByRequest(*first));
    }

    // With a window manager the second start finds the running instance by
    // its title. The test plays a manager that refuses a program's own
    // request to be activated (as managers do against focus stealing) and
    // grants the one made as a pager: the instance must still come forward.
    void secondStartAsksTheWindowManager()
    {
        const Window root = DefaultRootWindow(m_x);
        const Window check = XCreateSimpleWindow(m_x, root, 0, 0, 1, 1, 0, 0, 0);
        const long checkWindow[] = {long(check)};
        for (Window on : {root, check})
            XChangeProperty(m_x, on, atom("_NET_SUPPORTING_WM_CHECK"), XA_WINDOW, 32,
                            PropModeReplace, reinterpret_cast<const unsigned char *>(checkWindow),
                            1);
        const long supported[] = {long(atom("_NET_ACTIVE_WINDOW")),
                                  long(atom("_NET_CLIENT_LIST_STACKING")),
                                  long(atom("_NET_WM_NAME"))};
        XChangeProperty(m_x, root, atom("_NET_SUPPORTED"), XA_ATOM, 32, PropModeReplace,
                        reinterpret_cast<const unsigned char *>(supported), 3);
        XSelectInput(m_x, root, SubstructureRedirectMask);
        XSync(m_x, False);

        const auto first = startProgram(QStringLiteral("xcb"));
        QTRY_VERIFY_WITH_TIMEOUT((manageWindows(), programWindows().size() == 1), 15000);
        const Window main = programWindows().first();
        otherWindowToFront();
        setActiveWindow(m_other);
        const long clients[] = {long(main), long(m_other)}; // bottom to top
        XChangeProperty(m_x, root, atom("_NET_CLIENT_LIST_STACKING"), XA_WINDOW, 32,
                        PropModeReplace, reinterpret_cast<const unsigned char *>(clients), 2);
        manageWindows();
        m_activationRequests.clear();
        QCOMPARE(focusWindow(), m_other);

        secondStart();

        QTRY_VERIFY_WITH_TIMEOUT((manageWindows(), focusWindow() == main), 5000);
        QVERIFY(m_activationRequests.contains({main, 2}));
        QCOMPARE(topWindow(), main);

        // The manager steps back before the program ends.
        XSelectInput(m_x, root, NoEventMask);
        for (const char *property : {"_NET_SUPPORTING_WM_CHECK", "_NET_SUPPORTED",
                                     "_NET_CLIENT_LIST_STACKING", "_NET_ACTIVE_WINDOW"})
            XDeleteProperty(m_x, root, atom(property));
        XDestroyWindow(m_x, check);
        XSync(m_x, False);
        QVERIFY(closeByRequest(*first));
    }

    void qtOptionsHaveNoEffect_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::newRow("-qwindowtitle") << QStringList{"-qwindowtitle", "Fremd"};
        QTest::newRow("-platform") << QStringList{"-platform", "offscreen"};
        QTest::newRow("all of them")
            << QStringList{"-reverse",    "-qwindowtitle", "Fremd",     "-style",   "Windows",
                           "-stylesheet", "fremd.qss",     "-platform", "offscreen"};
    }

    // The program takes nothing from its command line: whatever Qt would
    // read there, the window shows on this display under its own title.
    void qtOptionsHaveNoEffect()
    {
        QFETCH(QStringList, arguments);
        const auto first = startProgram(QStringLiteral("xcb"), arguments);
        QTRY_COMPARE_WITH_TIMEOUT(programWindows().size(), 1, 15000);
        QVERIFY(closeByRequest(*first));
    }

    // Offscreen as well: with no training running, the close request ends
    // the program without a question.
    void closeRequestEndsTheProgram()
    {
        const auto first = startProgram(QStringLiteral("offscreen"));
        QVERIFY(first->waitForStarted());
        QVERIFY(closeByRequest(*first));
        // The instance lock went with it: the next start is a first one.
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(m_world.path()));
        InstanceLockState state;
        QVERIFY(InstanceLock::Create(ProgramTitle.toStdU16String(), state));
        QCOMPARE(state, InstanceLockState::Acquired);
    }
};

QTEST_GUILESS_MAIN(TestStartup)
#include "tst_startup.moc"
