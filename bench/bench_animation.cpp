// The real window full screen on the X server it is given (run it through scripts/with-x with
// SPINDELLA_SCREEN=1920x1080): the program's CPU use and the spacing of bursts while the
// animation runs, and the CPU use while it stands still.
#include "app/MainWindow.h"
#include "core/RandomSequence.h"
#include "platform/Application.h"
#include "platform/QtMessageBoxes.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <QtTest>

#include "ProcessClock.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <memory>
#include <numeric>
#include <vector>

namespace {

using ProcessClock::cpuSeconds;
using ProcessClock::spin;

/// The process sequence, noting the time each burst starts (every 500th value).
class TimedRandom final : public RandomSource {
public:
    float next() override
    {
        if (m_drawn++ % 500 == 0)
            burstStarts.push_back(m_clock.nsecsElapsed());
        return m_sequence.next();
    }
    std::vector<qint64> burstStarts;

    TimedRandom() { m_clock.start(); }

private:
    RandomSequence m_sequence;
    QElapsedTimer m_clock;
    long m_drawn = 0;
};

struct Rig {
    TimedRandom random;
    QtMessageBoxes boxes;
    std::unique_ptr<MainWindow> window;
};
Rig* rig = nullptr;

constexpr int MeasureMs = 5000;

void fullScreenRunning(benchmark::State& state)
{
    for (auto _ : state) {
        spin(500);
        rig->random.burstStarts.clear();
        const double cpuBefore = cpuSeconds();
        QElapsedTimer wall;
        wall.start();
        spin(MeasureMs);
        const double cpu = cpuSeconds() - cpuBefore;
        const double seconds = wall.nsecsElapsed() / 1e9;

        const auto& starts = rig->random.burstStarts;
        std::vector<double> intervals;
        for (std::size_t n = 1; n < starts.size(); ++n)
            intervals.push_back((starts[n] - starts[n - 1]) / 1e6);
        std::sort(intervals.begin(), intervals.end());
        const double mean =
            std::accumulate(intervals.begin(), intervals.end(), 0.0) / double(intervals.size());
        state.counters["bursts"] = double(starts.size());
        state.counters["seconds"] = seconds;
        state.counters["interval_mean_ms"] = mean;
        state.counters["interval_p99_ms"] = intervals[std::size_t(0.99 * double(intervals.size()))];
        state.counters["interval_max_ms"] = intervals.back();
        state.counters["cpu_percent"] = 100.0 * cpu / seconds;
        state.counters["width"] = rig->window->width();
        state.counters["height"] = rig->window->height();
    }
}

void stopped(benchmark::State& state)
{
    for (auto _ : state) {
        // A single click stops the animation that full screen started.
        QTest::mouseClick(rig->window.get(), Qt::LeftButton, {}, QPoint(50, 50));
        spin(300);
        const double cpuBefore = cpuSeconds();
        QElapsedTimer wall;
        wall.start();
        spin(MeasureMs);
        state.counters["cpu_percent"] =
            100.0 * (cpuSeconds() - cpuBefore) / (wall.nsecsElapsed() / 1e9);
    }
}

} // namespace

BENCHMARK(fullScreenRunning)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(stopped)->Iterations(1)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    Application app(argc, argv);
    Rig theRig;
    rig = &theRig;
    theRig.window = std::make_unique<MainWindow>(theRig.random, theRig.boxes, app);
    theRig.window->show();
    if (!QTest::qWaitForWindowExposed(theRig.window.get()))
        return 1;
    QTest::mouseDClick(theRig.window->windowHandle(), Qt::LeftButton, {}, QPoint(50, 50));
    spin(1000);

    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
