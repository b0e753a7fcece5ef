#include "animation/CircleBurst.h"
#include "platform/ImageSurface.h"
#include "platform/PaletteColour.h"
#include "platform/RandomSequence.h"
#include "platform/RingRasterizer.h"
#include "support/TextTable.h"

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

class TestImageSurface : public QObject {
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
};

QTEST_MAIN(TestImageSurface)
#include "tst_imagesurface.moc"
