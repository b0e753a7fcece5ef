// The display modes on a real X server with a window manager: what the user sees, read back
// from the X server itself rather than from Qt's idea of the window.
#include "support/PlayerWindow.h"

#include <QProcess>
#include <QScreen>
#include <QtTest>

namespace {

QString run(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(10000))
        return QStringLiteral("(timed out)");
    return QString::fromLocal8Bit(process.readAllStandardOutput());
}

/// The window's place and size on the X server, frame excluded.
QRect xGeometry(WId id)
{
    const QString info = run(QStringLiteral("xwininfo"), {"-id", QString::number(id)});
    QList<int> v;
    for (const char* name : {"Absolute upper-left X", "Absolute upper-left Y", "Width", "Height"})
        v << QRegularExpression(QString(name) + ":\\s+(-?\\d+)").match(info).captured(1).toInt();
    return QRect(v[0], v[1], v[2], v[3]);
}

/// The window manager's frame around the window: left, right, top, bottom.
QString frameExtents(WId id)
{
    return run(QStringLiteral("xprop"), {"-id", QString::number(id), "_NET_FRAME_EXTENTS"})
        .section('=', 1)
        .trimmed();
}

} // namespace

class TestFullScreenX : public QObject {
    Q_OBJECT

    /// How long the window manager may take to settle a change on a loaded machine: a bound
    /// on waiting, not on speed.
    static constexpr int Settling = 20000;

    /// A real double-click through the X server. Under load xdotool's two clicks can arrive
    /// too far apart to count as one double-click (two clicks toggle the animation twice, which
    /// changes nothing), so it tries again until the mode has changed.
    bool doubleClick(MainWindow& window)
    {
        QWidget* exit = window.findChild<QWidget*>("cmdExit");
        const bool wasHidden = exit->isHidden();
        for (int attempt = 0; attempt < 3; ++attempt) {
            const QString id = QString::number(window.winId());
            run(QStringLiteral("xdotool"), {"mousemove", "--window", id, "120", "100", "click",
                                            "--repeat", "2", "--delay", "60", "1"});
            if (QTest::qWaitFor([&] { return exit->isHidden() != wasHidden; }, 5000))
                return true;
        }
        return false;
    }

private slots:
    void fullScreenRoundTrips()
    {
        PlayerWindow rig;
        MainWindow& window = rig.window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QTest::qWait(200);
        const QRect windowed = xGeometry(window.winId());
        const QRect qtGeometry = window.geometry();
        const QString frame = frameExtents(window.winId());
        const QRect screen = window.screen()->geometry();
        QVERIFY2(frame != QStringLiteral("0, 0, 0, 0") && !frame.isEmpty(), qPrintable(frame));

        for (int trip = 1; trip <= 20; ++trip) {
            const QString where = QStringLiteral("round trip %1").arg(trip);
            QVERIFY2(doubleClick(window), qPrintable(where));
            QTRY_COMPARE_WITH_TIMEOUT(xGeometry(window.winId()), screen, Settling);
            QTRY_COMPARE_WITH_TIMEOUT(frameExtents(window.winId()), QStringLiteral("0, 0, 0, 0"),
                                      Settling);
            QCOMPARE(rig.interval(), 20);
            QTRY_COMPARE_WITH_TIMEOUT(window.surface().logicalSize(), screen.size(), Settling);

            QVERIFY2(doubleClick(window), qPrintable(where));
            QTRY_COMPARE_WITH_TIMEOUT(xGeometry(window.winId()), windowed, Settling);
            QTRY_COMPARE_WITH_TIMEOUT(frameExtents(window.winId()), frame, Settling);
            QTRY_COMPARE_WITH_TIMEOUT(window.geometry(), qtGeometry, Settling);
            QCOMPARE(window.maximumSize(), QSize(441, 268));
            QCOMPARE(rig.interval(), 0);
            QTRY_COMPARE_WITH_TIMEOUT(window.surface().logicalSize(), QSize(441, 268), Settling);
        }
    }
};

QTEST_MAIN(TestFullScreenX)
#include "tst_fullscreen_x.moc"
