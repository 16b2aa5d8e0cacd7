#include "platform/linux/X11Windows.h"

#include <QProcess>
#include <QStandardPaths>
#include <QTest>

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

// The X11 backend against a private X server. The test plays the window
// manager itself: it publishes the client list and answers requests.
class TestX11Windows : public QObject
{
    Q_OBJECT

    QProcess m_server;
    QByteArray m_displayName;
    Display *m_wm = nullptr;
    std::unique_ptr<X11Windows> m_windows;
    std::vector<Window> m_clients; // bottom to top

    Atom atom(const char *name) { return XInternAtom(m_wm, name, False); }

    void setWindows(Window on, const char *property, const std::vector<Window> &windows)
    {
        std::vector<long> values(windows.begin(), windows.end());
        XChangeProperty(m_wm, on, atom(property), XA_WINDOW, 32, PropModeReplace,
                        reinterpret_cast<const unsigned char *>(values.data()), int(values.size()));
        XSync(m_wm, False);
    }

    void removeProperty(Window on, const char *property)
    {
        XDeleteProperty(m_wm, on, atom(property));
        XSync(m_wm, False);
    }

    XEvent nextEvent()
    {
        XEvent event{};
        XSync(m_wm, False);
        if (XPending(m_wm))
            XNextEvent(m_wm, &event);
        return event;
    }

private slots:
    void initTestCase()
    {
        const QString server = QStandardPaths::findExecutable("Xvfb");
        if (server.isEmpty())
            QSKIP("Xvfb is not installed");
        m_server.start(server,
                       {"-displayfd", "1", "-nolisten", "tcp", "-screen", "0", "640x480x24"});
        QVERIFY(m_server.waitForStarted());
        while (!m_server.canReadLine())
            QVERIFY(m_server.waitForReadyRead(30000));
        m_displayName = ':' + m_server.readLine().trimmed();
        m_wm = XOpenDisplay(m_displayName.constData());
        QVERIFY(m_wm);
        m_windows = X11Windows::Connect(m_displayName.constData());
        QVERIFY(m_windows);

        const Window root = DefaultRootWindow(m_wm);
        for (int i = 0; i < 3; ++i)
            m_clients.push_back(XCreateSimpleWindow(m_wm, root, 0, 0, 100, 100, 0, 0, 0));
        const QByteArray title = "Datei - Lernwendel V1.23";
        XChangeProperty(m_wm, m_clients[0], atom("_NET_WM_NAME"), atom("UTF8_STRING"), 8,
                        PropModeReplace, reinterpret_cast<const unsigned char *>(title.constData()),
                        int(title.size()));
        XStoreName(m_wm, m_clients[1], "\xC4rger"); // WM_NAME in Latin-1
        XSync(m_wm, False);
    }

    void cleanupTestCase()
    {
        m_windows.reset();
        if (m_wm)
            XCloseDisplay(m_wm);
        m_server.terminate();
        m_server.waitForFinished();
    }

    // The window manager steps back after each test.
    void cleanup()
    {
        if (!m_wm)
            return;
        const Window root = DefaultRootWindow(m_wm);
        XSelectInput(m_wm, root, NoEventMask);
        removeProperty(root, "_NET_SUPPORTING_WM_CHECK");
        removeProperty(root, "_NET_ACTIVE_WINDOW");
    }

    void listsTheClientsTopmostFirst()
    {
        const Window root = DefaultRootWindow(m_wm);
        std::vector<TopLevelWindow> windows;
        QVERIFY(!m_windows->List(windows)); // no window manager list yet

        setWindows(root, "_NET_CLIENT_LIST_STACKING", m_clients);
        QVERIFY(m_windows->List(windows));
        QCOMPARE(windows.size(), std::size_t(4));
        QCOMPARE(windows[0].id, WindowId(root));
        QCOMPARE(windows[1].id, WindowId(m_clients[2]));
        QCOMPARE(windows[2].id, WindowId(m_clients[1]));
        QCOMPARE(windows[3].id, WindowId(m_clients[0]));
        QCOMPARE(windows[1].title, u"");
        QCOMPARE(windows[2].title, u"Ärger");
        QCOMPARE(windows[3].title, u"Datei - Lernwendel V1.23");

        // A window that is gone is listed without a title, and nothing fails.
        const Window gone = XCreateSimpleWindow(m_wm, root, 0, 0, 10, 10, 0, 0, 0);
        XDestroyWindow(m_wm, gone);
        removeProperty(root, "_NET_CLIENT_LIST_STACKING");
        setWindows(root, "_NET_CLIENT_LIST", {m_clients[0], gone});
        QVERIFY(m_windows->List(windows));
        QCOMPARE(windows.size(), std::size_t(3));
        QCOMPARE(windows[1].id, WindowId(gone));
        QCOMPARE(windows[1].title, u"");
        removeProperty(root, "_NET_CLIENT_LIST");
    }

    void minimisedByEitherHint()
    {
        const long iconic[] = {IconicState, 0};
        XChangeProperty(m_wm, m_clients[0], atom("WM_STATE"), atom("WM_STATE"), 32, PropModeReplace,
                        reinterpret_cast<const unsigned char *>(iconic), 2);
        const long hidden[] = {long(atom("_NET_WM_STATE_HIDDEN"))};
        XChangeProperty(m_wm, m_clients[1], atom("_NET_WM_STATE"), XA_ATOM, 32, PropModeReplace,
                        reinterpret_cast<const unsigned char *>(hidden), 1);
        XSync(m_wm, False);
        QVERIFY(m_windows->IsMinimised(m_clients[0]));
        QVERIFY(m_windows->IsMinimised(m_clients[1]));
        QVERIFY(!m_windows->IsMinimised(m_clients[2]));
    }

    // With a window manager the backend asks it, as a pager would.
    void activationThroughTheWindowManager()
    {
        const Window root = DefaultRootWindow(m_wm);
        setWindows(root, "_NET_SUPPORTING_WM_CHECK", {root});
        XSelectInput(m_wm, root, SubstructureRedirectMask);
        XSync(m_wm, False);

        QVERIFY(m_windows->Restore(m_clients[0]));
        XEvent event;
        do
            event = nextEvent();
        while (event.type == ConfigureRequest); // the raise
        QCOMPARE(event.type, MapRequest);
        QCOMPARE(event.xmaprequest.window, m_clients[0]);

        QVERIFY(!m_windows->IsForeground(m_clients[0]));
        QVERIFY(m_windows->BringToFront(m_clients[0]));
        do
            event = nextEvent();
        while (event.type == ConfigureRequest); // the raise
        QCOMPARE(event.type, ClientMessage);
        QCOMPARE(event.xclient.window, m_clients[0]);
        QCOMPARE(event.xclient.message_type, atom("_NET_ACTIVE_WINDOW"));
        QCOMPARE(event.xclient.data.l[0], 2L);
        setWindows(root, "_NET_ACTIVE_WINDOW", {m_clients[0]});
        QVERIFY(m_windows->IsForeground(m_clients[0]));
    }

    // Without one it gives the window the focus itself.
    void activationWithoutAWindowManager()
    {
        XMapWindow(m_wm, m_clients[2]);
        XSync(m_wm, False);
        QVERIFY(!m_windows->IsForeground(m_clients[2]));
        QVERIFY(m_windows->BringToFront(m_clients[2]));
        QVERIFY(m_windows->IsForeground(m_clients[2]));
    }
};

QTEST_GUILESS_MAIN(TestX11Windows)
#include "tst_x11windows.moc"
