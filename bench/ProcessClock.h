#pragma once

#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

#include <sys/resource.h>

/// What the benchmarks measure the program by: its own CPU time, and wall time spent in the
/// event loop as the program would spend it.
namespace ProcessClock {

inline double cpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

inline void spin(int milliseconds)
{
    QEventLoop loop;
    QTimer::singleShot(milliseconds, Qt::PreciseTimer, &loop, &QEventLoop::quit);
    loop.exec();
}

/// The program's share of one core while its event loop runs for `milliseconds`, in percent.
inline double cpuPercentOver(int milliseconds)
{
    const double before = cpuSeconds();
    QElapsedTimer wall;
    wall.start();
    spin(milliseconds);
    return 100 * (cpuSeconds() - before) / (double(wall.nsecsElapsed()) / 1e9);
}

} // namespace ProcessClock
