// One burst of 100 circles at three window sizes: the program's own drawing path against
// QPainter::drawEllipse with the same circles (pen width w, no antialiasing) as the reference.
#include "animation/CircleBurst.h"
#include "core/PaletteColour.h"
#include "core/RandomSequence.h"
#include "platform/ImageSurface.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>

#include <cmath>

namespace {

const QColor Background(0xef, 0xef, 0xef);

void programBurst(benchmark::State& state)
{
    const QSize size(int(state.range(0)), int(state.range(1)));
    ImageSurface surface;
    surface.erase(size, 1.0, Background);
    RandomSequence random;
    CircleBurst burst(surface, random);
    int bursts = 0;
    for (auto _ : state) {
        burst.drawCircleBurst();
        // The picture saturates after many bursts; keep every size drawing on a fresh one.
        if (++bursts % 200 == 0) {
            state.PauseTiming();
            surface.erase(size, 1.0, Background);
            state.ResumeTiming();
        }
        benchmark::DoNotOptimize(surface.image().constBits());
    }
}

void qpainterBurst(benchmark::State& state)
{
    const QSize size(int(state.range(0)), int(state.range(1)));
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Background);
    RandomSequence random;
    for (auto _ : state) {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing, false);
        painter.setBrush(Qt::NoBrush);
        for (int n = 0; n < CircleBurst::BurstLength; ++n) {
            const int width = int(std::floor(double(random.next()) * 10)) + 1;
            const Colour colour = paletteColour(int(std::floor(double(random.next()) * 15)));
            const double x = random.next() * double(size.width());
            const double y = random.next() * double(size.height());
            const double r = random.next() * double(size.height()) / 2;
            painter.setPen(QPen(QColor(colour.red(), colour.green(), colour.blue()), width));
            painter.drawEllipse(QPointF(x, y), r, r);
        }
        painter.end();
        benchmark::DoNotOptimize(image.constBits());
    }
}

void sizes(benchmark::internal::Benchmark* b)
{
    b->Args({441, 268})->Args({1920, 1080})->Args({3840, 2160})->Unit(benchmark::kMicrosecond);
}

} // namespace

BENCHMARK(programBurst)->Apply(sizes);
BENCHMARK(qpainterBurst)->Apply(sizes);

int main(int argc, char** argv)
{
    // QPainter on a QImage needs the GUI module's fonts and such, not a display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
