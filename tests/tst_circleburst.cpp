#include "animation/CircleBurst.h"
#include "platform/ImageSurface.h"
#include "platform/PaletteColour.h"
#include "platform/RandomSource.h"

#include <QtTest>

#include <cmath>

namespace {

/// Hands out the given values in a loop.
class ScriptedRandom final : public RandomSource {
public:
    explicit ScriptedRandom(QList<float> values) : m_values(values) {}
    float next() override { return m_values.at(m_next++ % m_values.size()); }

private:
    QList<float> m_values;
    int m_next = 0;
};

// A value whose product with `range`, rounded to float before flooring, would land one higher.
float floatRoundingTrap(float range)
{
    for (int k = 1; k < int(range); ++k) {
        float r = float(k) / range;
        while (std::floor(double(r) * range) >= k)
            r = std::nextafter(r, 0.0f);
        if (std::floor(r * range) == k)
            return r;
    }
    return -1;
}

} // namespace

// Where each circle lands, how large, and in which order its values are drawn, shows in the
// stored picture of the image surface's test; here the edges of the pen's width and colour.
class TestCircleBurst : public QObject {
    Q_OBJECT

private slots:
    void penFromTheFirstTwoValues_data()
    {
        QTest::addColumn<float>("r");
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("colour");
        const float widthTrap = floatRoundingTrap(10);
        QTest::newRow("zero: thinnest, black") << 0.0f << 1 << 0;
        QTest::newRow("just below one: widest, last palette colour")
            << std::nextafter(1.0f, 0.0f) << 10 << 14;
        QTest::newRow("products floored in double, not float") << widthTrap << 7 << 10;
    }

    void penFromTheFirstTwoValues()
    {
        QFETCH(float, r);
        QVERIFY2(r >= 0, "no float rounding trap found");
        ImageSurface surface;
        surface.erase(QSize(441, 268), 1, QColor(Qt::white));
        ScriptedRandom random({r});
        CircleBurst(surface, random).drawRandomCircle();
        QTEST(int(surface.penWidth()), "width");
        QFETCH(int, colour);
        QCOMPARE(surface.penColour(), paletteColour(colour));
    }
};

QTEST_APPLESS_MAIN(TestCircleBurst)
#include "tst_circleburst.moc"
