// Spindella as an XScreenSaver hack on a real X server with a window manager, started as
// XScreenSaver starts its hacks: into a window another client made, or on the root window.
#include "core/PaletteColour.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QProcess>
#include <QScreen>
#include <QWindow>
#include <QtTest>

#include <csignal>

namespace {

QImage shot(WId window)
{
    return QGuiApplication::primaryScreen()->grabWindow(window).toImage().convertToFormat(
        QImage::Format_RGB32);
}

/// Whether the window's pixels differ from one frame of the animation to the next.
bool changing(WId window)
{
    const QImage before = shot(window);
    QTest::qWait(60);
    return shot(window) != before;
}

bool onlyPaletteColours(const QImage& image)
{
    QSet<QRgb> palette;
    for (int n = 0; n < 15; ++n)
        palette << (paletteColour(n).argb32());
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (!palette.contains(image.pixel(x, y)))
                return false;
    return true;
}

/// Every window on the screen, and every connection to the session bus.
QString others()
{
    QProcess tree;
    tree.start("xwininfo", {"-root", "-children"});
    tree.waitForFinished();
    return QString::fromLatin1(tree.readAllStandardOutput()).section("children:", 1) +
           QDBusConnection::sessionBus().interface()->registeredServiceNames().value().join(' ');
}

QString hex(WId window)
{
    return "0x" + QString::number(window, 16);
}

} // namespace

class TestScreenSaverX : public QObject {
    Q_OBJECT

    QProcess m_hack;

    void start(const QStringList& arguments, const QString& xscreensaverWindow = {})
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        if (!xscreensaverWindow.isEmpty())
            environment.insert("XSCREENSAVER_WINDOW", xscreensaverWindow);
        m_hack.setProcessEnvironment(environment);
        m_hack.start(SPINDELLA, arguments);
        QVERIFY(m_hack.waitForStarted());
    }
    /// Ends the hack as XScreenSaver does, and how soon it ended.
    void endWith(int signal)
    {
        QElapsedTimer clock;
        clock.start();
        ::kill(pid_t(m_hack.processId()), signal);
        QVERIFY(m_hack.waitForFinished(1000));
        qInfo() << "ended" << clock.elapsed() << "ms after the signal";
        QCOMPARE(m_hack.exitStatus(), QProcess::NormalExit);
        QCOMPARE(m_hack.exitCode(), 0);
    }

private slots:
    void cleanup()
    {
        m_hack.kill();
        m_hack.waitForFinished();
    }

    void drawsIntoTheWindowItIsHandedAndFollowsItsSize()
    {
        QWindow window;
        window.resize(320, 240);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const QString before = others();
        start({"-window-id", QString::number(window.winId())});
        QTRY_VERIFY(changing(window.winId()));
        QVERIFY(onlyPaletteColours(shot(window.winId())));
        QCOMPARE(others(), before);

        window.resize(480, 360);
        QTRY_COMPARE(shot(window.winId()).size(), QSize(480, 360));
        // Circles reach the part that is new.
        QImage black(160, 120, QImage::Format_RGB32);
        black.fill(Qt::black);
        QTRY_VERIFY(shot(window.winId()).copy(320, 240, 160, 120) != black);
        QVERIFY(onlyPaletteColours(shot(window.winId())));
        endWith(SIGTERM);
    }

    void drawsOnTheRootWindowOrTheOneXScreenSaverNames()
    {
        QWindow named;
        named.resize(200, 150);
        named.show();
        QVERIFY(QTest::qWaitForWindowExposed(&named));
        start({"-root"}, hex(named.winId()));
        QTRY_VERIFY(changing(named.winId()) && onlyPaletteColours(shot(named.winId())));
        endWith(SIGINT);

        // A window named on the command line wins over the one XScreenSaver names.
        QWindow handed;
        handed.resize(120, 90);
        handed.show();
        QVERIFY(QTest::qWaitForWindowExposed(&handed));
        start({"-root", "-window-id", hex(handed.winId())}, hex(named.winId()));
        QTRY_VERIFY(changing(handed.winId()));
        endWith(SIGTERM);

        start({"--root"});
        QTRY_VERIFY(changing(0));
        endWith(SIGTERM);
    }

    void endsWhenItsWindowGoes()
    {
        auto window = std::make_unique<QWindow>();
        window->resize(100, 100);
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        start({"-window-id", hex(window->winId())});
        QTest::qWait(200);
        window.reset();
        // With events going on, so that the destruction reaches the X server.
        QTRY_COMPARE_WITH_TIMEOUT(m_hack.state(), QProcess::NotRunning, 1000);
        QCOMPARE(m_hack.exitCode(), 0);
    }

    void saysWhyItCannotDraw_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("wayland");
        QTest::addColumn<QString>("why");
        QTest::newRow("no such window") << QStringList{"-window-id", "0x7fffff"} << ""
                                        << "Spindella: there is no window 0x7fffff\n";
        QTest::newRow("no window id") << QStringList{"-window-id", "sky"} << ""
                                      << "Spindella: -window-id needs a window id, decimal or "
                                         "0x hex\n";
        QTest::newRow("Wayland") << QStringList{"-root"} << "wayland-0"
                                 << "Spindella: XScreenSaver's windows are X11 windows, and "
                                    "this is a Wayland session\n";
    }

    void saysWhyItCannotDraw()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, wayland);
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("WAYLAND_DISPLAY", wayland);
        m_hack.setProcessEnvironment(environment);
        m_hack.start(SPINDELLA, arguments);
        QVERIFY(m_hack.waitForFinished(5000));
        QCOMPARE(m_hack.exitCode(), 1);
        QTEST(QString::fromLocal8Bit(m_hack.readAllStandardError()), "why");
    }
};

QTEST_MAIN(TestScreenSaverX)
#include "tst_screensaver_x.moc"
