#include "animation/AnimationPacing.h"
#include "animation/AnimationWindow.h"
#include "animation/DisplayModes.h"
#include "support/FakeWindow.h"

#include <QtTest>

namespace {

using Control = AnimationWindow::Control;

/// The window, the rules and a way to drive them by event name.
struct Rig {
    FakeWindow window;
    AnimationPacing pacing{window};
    DisplayModes modes{window, pacing};

    void apply(const QString& event)
    {
        if (event == "click")
            pacing.click();
        else if (event == "double-click") {
            pacing.click(); // a double-click always delivers its click first
            modes.doubleClick();
        } else if (event == "start")
            pacing.panelStarted();
        else if (event == "stop")
            pacing.panelStopped();
        else
            QFAIL(qPrintable("unknown event " + event));
    }
};

// -1 stands for empty in the tables below.
ClickInterval var(int value)
{
    return value < 0 ? ClickInterval() : ClickInterval(int16_t(value));
}

} // namespace

class TestPacing : public QObject {
    Q_OBJECT

private slots:
    void clickStateTable_data()
    {
        QTest::addColumn<QStringList>("events");
        QTest::addColumn<int>("clickInterval");
        QTest::addColumn<int>("interval");

        QTest::newRow("at start: stopped, empty") << QStringList{} << -1 << 0;
        QTest::newRow("first click starts") << QStringList{"click"} << 20 << 20;
        QTest::newRow("second click stops") << QStringList{"click", "click"} << 0 << 0;
        QTest::newRow("third click starts again")
            << QStringList{"click", "click", "click"} << 20 << 20;
        QTest::newRow("panel start leaves the click interval empty")
            << QStringList{"start"} << -1 << 20;
        QTest::newRow("click after panel start changes nothing visible")
            << QStringList{"start", "click"} << 20 << 20;
        QTest::newRow("next click after that stops")
            << QStringList{"start", "click", "click"} << 0 << 0;
        QTest::newRow("panel stop while running by click")
            << QStringList{"click", "stop"} << 20 << 0;
        QTest::newRow("click after panel stop changes nothing visible")
            << QStringList{"click", "stop", "click"} << 0 << 0;
        QTest::newRow("next click after that starts")
            << QStringList{"click", "stop", "click", "click"} << 20 << 20;
        QTest::newRow("start while running changes nothing")
            << QStringList{"click", "start"} << 20 << 20;
        QTest::newRow("stop while stopped changes nothing") << QStringList{"stop"} << -1 << 0;
    }

    void clickStateTable()
    {
        QFETCH(QStringList, events);
        QFETCH(int, clickInterval);
        QFETCH(int, interval);
        Rig rig;
        for (const QString& event : events)
            rig.apply(event);
        QVERIFY(rig.pacing.clickInterval().sameAs(var(clickInterval)));
        QCOMPARE(rig.window.interval, interval);
    }

    void tickDrawsOnlyWhileRunning()
    {
        Rig rig;
        rig.pacing.tick();
        QCOMPARE(rig.window.bursts, 0);
        rig.apply("click");
        rig.pacing.tick();
        rig.pacing.tick();
        QCOMPARE(rig.window.bursts, 2);
        rig.apply("click");
        rig.pacing.tick(); // already queued when the interval became 0
        QCOMPARE(rig.window.bursts, 2);
    }

    void doubleClickOutcomes_data()
    {
        QTest::addColumn<QStringList>("before");
        QTest::addColumn<bool>("fullScreenAfter");
        QTest::addColumn<int>("varAfter");
        QTest::addColumn<int>("intervalAfter");

        QTest::newRow("windowed, stopped: full screen, running")
            << QStringList{} << true << 20 << 20;
        QTest::newRow("windowed, running after a panel start: full screen, running")
            << QStringList{"start"} << true << 20 << 20;
        QTest::newRow("windowed, running: full screen, running")
            << QStringList{"click"} << true << 20 << 20;
        QTest::newRow("windowed, stopped by the panel: full screen, running")
            << QStringList{"click", "stop"} << true << 20 << 20;
        QTest::newRow("full screen, running: windowed, stopped")
            << QStringList{"double-click"} << false << 0 << 0;
        QTest::newRow("full screen, stopped by the panel: windowed, stopped")
            << QStringList{"double-click", "stop"} << false << 0 << 0;
        QTest::newRow("full screen, stopped by a click: windowed, running")
            << QStringList{"double-click", "click"} << false << 20 << 20;
        QTest::newRow("full screen, running after a panel start: windowed, running")
            << QStringList{"double-click", "click", "start"} << false << 20 << 20;
    }

    void doubleClickOutcomes()
    {
        QFETCH(QStringList, before);
        QFETCH(bool, fullScreenAfter);
        QFETCH(int, varAfter);
        QFETCH(int, intervalAfter);
        Rig rig;
        for (const QString& event : before)
            rig.apply(event);
        rig.apply("double-click");
        QCOMPARE(rig.window.fullScreen(), fullScreenAfter);
        QVERIFY(rig.pacing.clickInterval().sameAs(var(varAfter)));
        QCOMPARE(rig.window.interval, intervalAfter);
        for (const auto& [control, shown] : rig.window.visible)
            QCOMPARE(shown, !fullScreenAfter);
        QCOMPARE(rig.window.state == AnimationWindow::WindowState::Maximised, fullScreenAfter);
        QCOMPARE(rig.window.border == AnimationWindow::BorderStyle::None, fullScreenAfter);
    }

    void modeStepsRunInOrder()
    {
        Rig rig;
        rig.modes.doubleClick();
        QCOMPARE(rig.window.log,
                 (QStringList{"state 2", "Exit hidden", "Load hidden", "About hidden",
                              "Panel hidden", "interval 20", "border 0"}));
        QCOMPARE(rig.window.background, Colour::rgb(1, 0, 66)); // entering leaves the background

        rig.window.log.clear();
        rig.modes.doubleClick();
        QCOMPARE(rig.window.log,
                 (QStringList{"state 0", "background 8000000f", "border 1", "Panel shown",
                              "Exit shown", "Load shown", "About shown"}));
        QCOMPARE(rig.window.background, Colour::buttonFace());
        QCOMPARE(rig.window.interval, 20); // returning leaves the animation as it was
    }

    void modeIsDecidedByExitVisibilityAlone()
    {
        Rig rig;
        rig.window.state = AnimationWindow::WindowState::Maximised;
        rig.window.border = AnimationWindow::BorderStyle::None;
        rig.window.visible[Control::Load] = false;
        rig.modes.doubleClick();
        QCOMPARE(rig.window.log.first(), QStringLiteral("state 2"));

        Rig other;
        other.window.visible[Control::Exit] = false;
        other.modes.doubleClick();
        QCOMPARE(other.window.log.first(), QStringLiteral("state 0"));
    }
};

QTEST_APPLESS_MAIN(TestPacing)
#include "tst_pacing.moc"
