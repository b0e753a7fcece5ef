// The boundary to Qt: the drawing surface and its ring fill, colours, the random sequence and
// the timer.
#include "animation/CircleBurst.h"
#include "core/Colour.h"
#include "core/PaletteColour.h"
#include "core/RandomSequence.h"
#include "core/RingRasterizer.h"
#include "platform/ImageSurface.h"
#include "platform/IntervalTimer.h"
#include "platform/SystemColours.h"
#include "support/TextTable.h"

#include <QSignalSpy>
#include <QtTest>

#include <random>
#include <vector>

namespace {

const QColor Background(0xef, 0xef, 0xef);

QImage drawBursts(QSize size, qreal ratio, int bursts)
{
    ImageSurface surface;
    RandomSequence random;
    surface.erase(size, ratio, Background);
    CircleBurst burst(surface, random);
    for (int n = 0; n < bursts; ++n)
        burst.drawCircleBurst();
    return surface.image();
}

/// Hands out one value again and again.
class SameValue final : public RandomSource {
public:
    explicit SameValue(float value) : m_value(value) {}
    float next() override { return m_value; }

private:
    float m_value;
};

constexpr uint32_t Paper = 0xff101010u;
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
            std::fill_n(pixels.begin() + j * Stride, Width, Paper);
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
                want = RingRasterizer::covers(i, j, cx, cy, radius, pen) ? Ink : Paper;
            if (got != want)
                return QString::asprintf("pixel (%d, %d): got %08x, want %08x", i, j, got, want);
        }
    }
    return {};
}

} // namespace

class TestPlatform : public QObject {
    Q_OBJECT

private slots:
    void threeBurstsLookAsTheyAlwaysHave()
    {
        // The program's own sequence from its fixed start: each circle's place, size, pen and
        // colour, and the order its values are drawn in, all show in one picture; the pen's
        // edges are the next test's.
        const QImage image = drawBursts(QSize(441, 268), 1, 3);
        QCOMPARE(image, QImage(QFINDTESTDATA("data/bursts.png")).convertToFormat(image.format()));
        QCOMPARE(drawBursts(QSize(441, 268), 1.5, 0).size(), QSize(662, 402));
    }

    void penFromTheFirstTwoValues_data()
    {
        // The last value's product with 10 rounds up to 7 in float; floored in double it is 6.
        addTextRows("r width colour", R"(
zero: thinnest, black | 0 | 1 | 0
just below one: widest, last palette colour | 0x1.fffffep-1 | 10 | 14
products floored in double, not float | 0x1.666666p-1 | 7 | 10
)");
    }

    void penFromTheFirstTwoValues()
    {
        ImageSurface surface;
        surface.erase(QSize(441, 268), 1, Background);
        SameValue random(std::strtof(qPrintable(cell("r")), nullptr));
        CircleBurst(surface, random).drawRandomCircle();
        QTEST(QString::number(surface.penWidth()), "width");
        QCOMPARE(surface.penColour(), paletteColour(cell("colour").toInt()));
    }

    void drawsInDevicePixelsWithAScaledPen()
    {
        // Twips in, device pixels out: the ring at ratio 2 is the rule's ring at twice the size.
        ImageSurface surface;
        surface.erase(QSize(100, 60), 2.0, Background);
        QCOMPARE(surface.scaleWidth(), 1500.0f);
        QCOMPARE(surface.scaleHeight(), 900.0f);
        surface.setPenWidth(3);
        surface.setPenColour(paletteColour(9));
        surface.drawCircle(600.0f, 450.0f, 300.0f);

        const QImage& image = surface.image();
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                const bool inked = image.pixel(x, y) == paletteColour(9).argb32();
                QCOMPARE(inked, RingRasterizer::covers(x, y, 80.0, 60.0, 40.0, 6.0));
            }
        }
    }

    void footprintHoldsEveryChangedPixelAndLittleMore()
    {
        RandomSequence random;
        const QSize size(300, 200);
        for (const qreal ratio : {1.0, 2.0}) {
            ImageSurface surface;
            for (int n = 0; n < 20; ++n) {
                surface.erase(size, ratio, Background);
                const float x = random.next() * 4500, y = random.next() * 3000;
                const float radius = random.next() * 1500;
                surface.setPenWidth(int16_t(1 + random.next() * 10));
                surface.drawCircle(x, y, radius);
                const QImage& image = surface.image();
                QRect changed; // in logical pixels, as the footprint is
                for (int py = 0; py < image.height(); ++py)
                    for (int px = 0; px < image.width(); ++px)
                        if (image.pixel(px, py) != Background.rgb())
                            changed |= QRect(int(px / ratio), int(py / ratio), 1, 1);
                const QRect area = ImageSurface::footprint(x, y, radius, surface.penWidth(), size);
                const QRect slack = changed.adjusted(-2, -2, 2, 2) & QRect(QPoint(0, 0), size);
                QVERIFY2(area.contains(changed) && slack.contains(area),
                         qPrintable(QStringLiteral("ratio %1 circle %2").arg(ratio).arg(n)));
            }
        }
    }

    void edgeCases()
    {
        ImageSurface surface;
        QCOMPARE(surface.penWidth(), 1); // a pen one pixel wide and black until one is set
        QCOMPARE(surface.penColour(), paletteColour(0));
        QVERIFY_THROWS_EXCEPTION(std::invalid_argument, surface.setPenWidth(0));
        QVERIFY_THROWS_EXCEPTION(std::invalid_argument, surface.setPenColour(Colour::buttonFace()));
        RandomSequence random;
        for (QSize size : {QSize(0, 268), QSize(441, 0)}) {
            surface.erase(size, 1, Background);
            CircleBurst(surface, random).drawCircleBurst();
            QCOMPARE(surface.scaleWidth(), size.width() * 15.0f);
            QCOMPARE(surface.scaleHeight(), size.height() * 15.0f);
        }
    }

    void randomBitsMapBelowOne_data()
    {
        // 0.99999994 is the largest float below one.
        addTextRows("bits expected", R"(
zero | 0 | 0
top bit only | 80000000 | 0.5
low byte ignored | ff | 0
all ones: the largest value below one | ffffffff | 0.99999994
would round to one as a whole 32-bit conversion | ffffff80 | 0.99999994
)");
    }

    void randomBitsMapBelowOne()
    {
        const float unit = RandomSequence::toUnit(cell("bits").toUInt(nullptr, 16));
        QCOMPARE(unit, cell("expected").toFloat());
        QVERIFY(unit < 1.0f);
    }

    void paletteTable()
    {
        QStringList colours;
        for (int n = 0; n < 16; ++n) {
            const QColor colour = toQColor(paletteColour(n), QPalette());
            QCOMPARE(paletteColour(n).argb32(), colour.rgba());
            colours << colour.name().mid(1);
        }
        QCOMPARE(colours.join(' '), "000000 000080 008000 008080 800000 800080 808000 c0c0c0 "
                                    "808080 0000ff 00ff00 00ffff ff0000 ff00ff ffff00 ffffff");
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, paletteColour(-1));
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, paletteColour(16));
    }

    void buttonFaceIsASystemColourFromThePalette()
    {
        QCOMPARE(Colour::buttonFace().value(), 0x8000000Fu);
        QPalette palette;
        palette.setColor(QPalette::Button, QColor(1, 2, 3));
        QCOMPARE(toQColor(Colour::buttonFace(), palette), QColor(1, 2, 3));
        QVERIFY_THROWS_EXCEPTION(std::invalid_argument, toQColor(Colour::system(5), palette));
    }

    void timerTicksOnlyWhileIntervalIsSet()
    {
        // The window gates its bursts on the interval too, so only here do stray ticks show.
        IntervalTimer timer;
        QSignalSpy ticks(&timer, &IntervalTimer::tick);
        QTest::qWait(60);
        QCOMPARE(ticks.count(), 0);
        timer.setInterval(20);
        QTRY_VERIFY(ticks.count() >= 3);
        timer.setInterval(0);
        const auto stoppedAt = ticks.count();
        QTest::qWait(80);
        QCOMPARE(ticks.count(), stoppedAt);
        QVERIFY_THROWS_EXCEPTION(std::invalid_argument, timer.setInterval(-20));
    }

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

QTEST_MAIN(TestPlatform)
#include "tst_platform.moc"
