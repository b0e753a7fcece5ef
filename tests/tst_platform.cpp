// The boundary to Qt: the drawing surface, colours, the random sequence and the timer.
#include "animation/CircleBurst.h"
#include "platform/Colour.h"
#include "platform/ImageSurface.h"
#include "platform/IntervalTimer.h"
#include "platform/PaletteColour.h"
#include "platform/RandomSequence.h"
#include "platform/RingRasterizer.h"
#include "platform/SystemColours.h"
#include "support/TextTable.h"

#include <QSignalSpy>
#include <QtTest>

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

    void dirtyRectHoldsEveryChangedPixelAndLittleMore()
    {
        RandomSequence random;
        for (const qreal ratio : {1.0, 2.0}) {
            ImageSurface surface;
            CircleBurst burst(surface, random);
            for (int n = 0; n < 20; ++n) {
                surface.erase(QSize(300, 200), ratio, Background);
                QCOMPARE(surface.takeDirtyRect(), QRect(0, 0, 300, 200));
                QVERIFY(surface.takeDirtyRect().isEmpty());
                burst.drawRandomCircle();
                const QImage& image = surface.image();
                QRect changed; // in logical pixels, as the dirty rectangle is
                for (int y = 0; y < image.height(); ++y)
                    for (int x = 0; x < image.width(); ++x)
                        if (image.pixel(x, y) != Background.rgb())
                            changed |= QRect(int(x / ratio), int(y / ratio), 1, 1);
                const QRect dirty = surface.takeDirtyRect();
                const QRect slack = changed.adjusted(-2, -2, 2, 2) & QRect(0, 0, 300, 200);
                QVERIFY2(dirty.contains(changed) && slack.contains(dirty),
                         qPrintable(QStringLiteral("ratio %1 circle %2").arg(ratio).arg(n)));
            }
        }
    }

    void edgeCases()
    {
        ImageSurface surface;
        QCOMPARE(surface.penWidth(), 1);
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
};

QTEST_MAIN(TestPlatform)
#include "tst_platform.moc"
