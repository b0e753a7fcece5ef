#pragma once

#include "ProcessClock.h"
#include "sound/PcmStream.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <functional>
#include <vector>

/// Times each Play, however it is pressed, to the first sample the sound output takes from the
/// player's stream, and reports the median and the worst.
inline void timeToFirstSample(benchmark::State& state, PcmStream& stream,
                              const std::function<void()>& play, const std::function<void()>& stop)
{
    std::vector<double> times;
    for (auto _ : state) {
        QEventLoop loop;
        QElapsedTimer clock;
        const auto connection = QObject::connect(&stream, &PcmStream::firstData, &loop, [&] {
            times.push_back(double(clock.nsecsElapsed()) / 1e6);
            loop.quit();
        });
        QTimer::singleShot(2000, &loop, &QEventLoop::quit);
        clock.start();
        play();
        loop.exec();
        QObject::disconnect(connection);
        state.PauseTiming();
        ProcessClock::spin(300);
        stop();
        ProcessClock::spin(100);
        state.ResumeTiming();
    }
    std::sort(times.begin(), times.end());
    state.counters["median_ms"] = times[times.size() / 2];
    state.counters["max_ms"] = times.back();
    state.counters["presses"] = double(times.size());
}
