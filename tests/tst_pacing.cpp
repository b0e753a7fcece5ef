#include "animation/AnimationPacing.h"
#include "animation/AnimationWindow.h"
#include "animation/DisplayModes.h"
#include "support/FakeWindow.h"
#include "support/TextTable.h"

#include <QtTest>

class TestPacing : public QObject {
    Q_OBJECT

private slots:
    void stateTable_data()
    {
        // "-" is the empty click interval.
        addTextRows("events fullScreen clickInterval interval", R"(
at start: stopped, empty | | no | - | 0
first click starts | click | no | 20 | 20
second click stops | click, click | no | 0 | 0
third click starts again | click, click, click | no | 20 | 20
panel start leaves the click interval empty | start | no | - | 20
click after panel start: nothing visible | start, click | no | 20 | 20
next click after that stops | start, click, click | no | 0 | 0
panel stop while running by click | click, stop | no | 20 | 0
click after panel stop: nothing visible | click, stop, click | no | 0 | 0
next click after that starts | click, stop, click, click | no | 20 | 20
start while running changes nothing | click, start | no | 20 | 20
stop while stopped changes nothing | stop | no | - | 0
windowed, stopped: full screen, running | double-click | yes | 20 | 20
windowed, started by the panel | start, double-click | yes | 20 | 20
windowed, running | click, double-click | yes | 20 | 20
windowed, stopped by the panel | click, stop, double-click | yes | 20 | 20
full screen, running: windowed, stopped | double-click, double-click | no | 0 | 0
full screen, stopped by the panel | double-click, stop, double-click | no | 0 | 0
full screen, stopped by a click | double-click, click, double-click | no | 20 | 20
full screen, started by the panel | double-click, click, start, double-click | no | 20 | 20
)");
    }

    void stateTable()
    {
        FakeWindow window;
        AnimationPacing pacing(window);
        DisplayModes modes(window, pacing);
        for (const QString& event : cellList(cell("events"))) {
            if (event == "click" || event == "double-click")
                pacing.click(); // a double-click always delivers its click first
            if (event == "double-click")
                modes.doubleClick();
            else if (event == "start")
                pacing.panelStarted();
            else if (event == "stop")
                pacing.panelStopped();
            else
                QVERIFY2(event == "click", qPrintable(event));
        }
        const ClickInterval interval = pacing.clickInterval();
        QTEST(interval.isEmpty() ? QString("-") : QString::number(interval.value()),
              "clickInterval");
        QTEST(QString::number(window.interval), "interval");
        pacing.tick(); // drawn only while running, though queued before a stop
        QCOMPARE(window.bursts, window.interval > 0 ? 1 : 0);
        const bool full = cell("fullScreen") == "yes";
        for (const auto& [control, shown] : window.visible)
            QCOMPARE(shown, !full);
        QCOMPARE(window.state == AnimationWindow::WindowState::Maximised, full);
        QCOMPARE(window.border == AnimationWindow::BorderStyle::None, full);
        // Full screen keeps the background; the way back restores the button face.
        QCOMPARE(window.background == Colour::buttonFace(),
                 !full && cell("events").contains("double"));
    }
};

QTEST_APPLESS_MAIN(TestPacing)
#include "tst_pacing.moc"
