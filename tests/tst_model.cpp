// Long random runs of clicks, double-clicks, panel notifications and ticks, each step checked
// against a small reference model written from the state tables.
#include "animation/AnimationPacing.h"
#include "animation/AnimationWindow.h"
#include "animation/DisplayModes.h"
#include "support/FakeWindow.h"
#include "support/TestSeed.h"

#include <QtTest>

#include <random>

namespace {

/// The tables as a model: the mode, the click interval (-1 for empty) and the timer's interval.
struct Model {
    bool fullScreen = false;
    int var = -1;
    int interval = 0;

    void click()
    {
        if (var <= 0)
            var = interval = 20;
        else
            var = interval = 0;
    }
    void doubleClick()
    {
        click();
        if (!fullScreen) {
            fullScreen = true;
            var = interval = 20;
        } else {
            fullScreen = false;
        }
    }
};

} // namespace

class TestModel : public QObject {
    Q_OBJECT

private slots:
    void randomRunsFollowTheTables()
    {
        const unsigned seed = testSeed(20261206u);
        std::mt19937 random(seed);
        for (int run = 0; run < 20; ++run) {
            FakeWindow window;
            AnimationPacing pacing(window);
            DisplayModes modes(window, pacing);
            Model model;
            QStringList steps;
            for (int step = 0; step < 5000; ++step) {
                const int bursts = window.bursts;
                switch (random() % 5) {
                case 0:
                    steps << "click";
                    pacing.click();
                    model.click();
                    break;
                case 1:
                    steps << "double-click";
                    pacing.click();
                    modes.doubleClick();
                    model.doubleClick();
                    break;
                case 2:
                    steps << "panel start";
                    pacing.panelStarted();
                    model.interval = 20;
                    break;
                case 3:
                    steps << "panel stop";
                    pacing.panelStopped();
                    model.interval = 0;
                    break;
                case 4:
                    steps << "tick";
                    pacing.tick();
                    QCOMPARE(window.bursts - bursts, model.interval ? 1 : 0);
                    break;
                }
                const QString where =
                    QStringLiteral("seed %1 (set SPINDELLA_SEED to repeat), run %2, "
                                   "step %3, last steps: %4")
                        .arg(seed)
                        .arg(run)
                        .arg(step)
                        .arg(steps.mid(std::max(0, int(steps.size()) - 4)).join(", "));
                const bool fullScreen = window.fullScreen();
                QVERIFY2(fullScreen == model.fullScreen, qPrintable(where));
                QVERIFY2(window.interval == model.interval, qPrintable(where));
                const ClickInterval var = pacing.clickInterval();
                QVERIFY2(
                    var.sameAs(model.var < 0 ? ClickInterval() : ClickInterval(int16_t(model.var))),
                    qPrintable(where));
                for (const auto& [control, shown] : window.visible)
                    QVERIFY2(shown == !fullScreen, qPrintable(where));
                QVERIFY2((window.state == AnimationWindow::WindowState::Maximised) == fullScreen,
                         qPrintable(where));
                QVERIFY2((window.border == AnimationWindow::BorderStyle::None) == fullScreen,
                         qPrintable(where));
            }
        }
    }
};

QTEST_APPLESS_MAIN(TestModel)
#include "tst_model.moc"
