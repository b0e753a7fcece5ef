#include "platform/RingRasterizer.h"
#include "support/TextTable.h"

#include <QtTest>

#include <random>
#include <vector>

namespace {

constexpr uint32_t Background = 0xff101010u;
constexpr uint32_t Ink = 0xffff00ffu;
constexpr uint32_t Padding = 0xdeadbeefu;
constexpr int Width = 37;
constexpr int Height = 23;
constexpr int Stride = Width + 5;

/// A buffer with padding to its right and one padded row below, which no fill may touch.
struct Canvas {
    std::vector<uint32_t> pixels;
    Canvas() : pixels(std::size_t(Stride) * (Height + 1), Padding)
    {
        for (int j = 0; j < Height; ++j)
            std::fill_n(pixels.begin() + j * Stride, Width, Background);
    }
    PixelBuffer buffer() { return {pixels.data(), Width, Height, Stride}; }
    uint32_t at(int i, int j) const { return pixels[std::size_t(j) * Stride + i]; }
};

// Compares the fast fill with the rule pixel by pixel; returns a description of the first
// difference, or an empty string.
QString compareWithRule(double cx, double cy, double radius, double pen)
{
    Canvas canvas;
    RingRasterizer::drawRing(canvas.buffer(), cx, cy, radius, pen, Ink);
    for (int j = 0; j <= Height; ++j) {
        for (int i = 0; i < Stride; ++i) {
            const uint32_t got = canvas.at(i, j);
            uint32_t want = Padding;
            if (i < Width && j < Height)
                want = RingRasterizer::covers(i, j, cx, cy, radius, pen) ? Ink : Background;
            if (got != want)
                return QString::asprintf("pixel (%d, %d): got %08x, want %08x", i, j, got, want);
        }
    }
    return {};
}

} // namespace

class TestRingRasterizer : public QObject {
    Q_OBJECT

private slots:
    void matchesThePixelRule_data()
    {
        addTextRows("cx cy radius pen", R"(
inside, thin | 18.3 | 11.7 | 7.2 | 1.0
inside, wide | 18.0 | 11.0 | 6.0 | 5.0
centre on pixel corner, integer radius | 18.0 | 11.0 | 5.0 | 1.0
centre on pixel centre, ties at the edges | 18.5 | 11.5 | 5.5 | 1.0
clipped at the left edge | 1.2 | 11.0 | 8.0 | 3.0
clipped at the right edge | 35.9 | 11.0 | 8.0 | 3.0
clipped at the top edge | 18.0 | 0.4 | 9.0 | 2.0
clipped at the bottom edge | 18.0 | 22.6 | 9.0 | 2.0
clipped at all four edges | 18.5 | 11.5 | 20.0 | 4.0
centre outside left, ring reaches in | -5.0 | 11.0 | 9.0 | 2.0
centre outside bottom right | 40.0 | 26.0 | 8.0 | 3.0
entirely outside | -30.0 | -30.0 | 5.0 | 2.0
ring around the whole buffer | 18.5 | 11.5 | 40.0 | 3.0
radius 0, pen 1, centre on a pixel centre | 10.5 | 10.5 | 0.0 | 1.0
radius 0, pen 1, centre on a corner | 10.0 | 10.0 | 0.0 | 1.0
radius 0, pen 10 | 10.0 | 10.0 | 0.0 | 10.0
radius below half the pen: a disc | 12.3 | 9.8 | 2.0 | 7.0
radius exactly half the pen | 12.0 | 9.0 | 3.0 | 6.0
radius 0 on the top edge | 20.0 | 0.0 | 0.0 | 4.0
radius 0 on the left edge | 0.0 | 12.0 | 0.0 | 4.0
a root that rounds up past the edge | 18.5 | 11.5 | 4.0990195135927845 | 2
too large for the fast path: a disc over everything | 10 | 10 | 2e8 | 4.00000001e8
too large for the fast path: its edge crosses | 2.00000015e8 | 11 | 2e8 | 3
)");
    }

    void matchesThePixelRule()
    {
        const QString difference =
            compareWithRule(cell("cx").toDouble(), cell("cy").toDouble(), cell("radius").toDouble(),
                            cell("pen").toDouble());
        QVERIFY2(difference.isEmpty(), qPrintable(difference));
    }

    void matchesThePixelRuleForRandomCircles()
    {
        std::mt19937 generator(20261206);
        std::uniform_real_distribution<double> x(-10, Width + 10), y(-10, Height + 10);
        std::uniform_real_distribution<double> radius(0, 30), pen(1, 20);
        for (int n = 0; n < 3000; ++n) {
            const double cx = x(generator), cy = y(generator), r = radius(generator);
            // Whole and half values make exact ties on the boundary common.
            const double p = n % 3 == 0 ? std::round(pen(generator)) : pen(generator);
            const double rr = n % 5 == 0 ? std::round(r * 2) / 2 : r;
            const QString difference = compareWithRule(cx, cy, rr, p);
            QVERIFY2(
                difference.isEmpty(),
                qPrintable(QString::asprintf("circle %d (%g, %g) r %g pen %g: ", n, cx, cy, rr, p) +
                           difference));
        }
    }

    void emptyBufferAndNonFiniteInputsDrawNothing()
    {
        RingRasterizer::drawRing(PixelBuffer{}, 1, 1, 5, 1, Ink);
        Canvas canvas;
        RingRasterizer::drawRing(canvas.buffer(), qQNaN(), 5, 5, 1, Ink);
        RingRasterizer::drawRing(canvas.buffer(), 5, qInf(), 5, 1, Ink);
        RingRasterizer::drawRing(canvas.buffer(), 5, 5, qQNaN(), 1, Ink);
        QCOMPARE(compareWithRule(-1000, -1000, 1, 1), QString());
        QVERIFY(std::count(canvas.pixels.begin(), canvas.pixels.end(), Ink) == 0);
    }
};

QTEST_APPLESS_MAIN(TestRingRasterizer)
#include "tst_ringrasterizer.moc"
