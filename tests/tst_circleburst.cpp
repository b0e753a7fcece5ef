#include "animation/CircleBurst.h"
#include "platform/PaletteColour.h"
#include "platform/RandomSource.h"
#include "platform/Surface.h"

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

struct CircleCall {
    float x, y, radius;
    int16_t width;
    Colour colour;
};

/// A 6615 x 4020 twip surface that records every circle with its pen.
class RecordingSurface final : public Surface {
public:
    QList<CircleCall> circles;

    void setPenWidth(int16_t width) override { m_width = width; }
    int16_t penWidth() const override { return m_width; }
    void setPenColour(Colour colour) override { m_colour = colour; }
    Colour penColour() const override { return m_colour; }
    float scaleWidth() const override { return 6615; }
    float scaleHeight() const override { return 4020; }
    void drawCircle(float x, float y, float radius) override
    {
        circles.append({x, y, radius, m_width, m_colour});
    }

private:
    int16_t m_width = 1;
    Colour m_colour;
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

class TestCircleBurst : public QObject {
    Q_OBJECT

private slots:
    void oneCircleFromItsRandomValues_data()
    {
        QTest::addColumn<QList<float>>("r");
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("colour");
        const float belowOne = std::nextafter(1.0f, 0.0f);
        const float widthTrap = floatRoundingTrap(10);
        QTest::newRow("all zero: thinnest black circle at the origin")
            << QList<float>{0, 0, 0, 0, 0} << 1 << 0;
        QTest::newRow("just below one: widest pen, last palette colour")
            << QList<float>(5, belowOne) << 10 << 14;
        QTest::newRow("each value in its own place")
            << QList<float>{0.55f, 0.2f, 0.1f, 0.7f, 0.4f} << 6 << 3;
        QTest::newRow("products floored in double, not float")
            << QList<float>{widthTrap, 0.5f, 0.9f, 0.3f, 0.6f}
            << int(std::floor(double(widthTrap) * 10)) + 1 << 7;
    }

    void oneCircleFromItsRandomValues()
    {
        QFETCH(QList<float>, r);
        QFETCH(int, width);
        QFETCH(int, colour);
        QVERIFY2(r[0] >= 0, "no float rounding trap found");
        ScriptedRandom random(r);
        RecordingSurface surface;
        CircleBurst(surface, random).drawRandomCircle();

        QCOMPARE(surface.circles.size(), 1);
        const CircleCall& c = surface.circles[0];
        QCOMPARE(c.width, width);
        QCOMPARE(c.colour, paletteColour(colour));
        QCOMPARE(c.x, float(double(r[2]) * 6615));
        QCOMPARE(c.y, float(double(r[3]) * 4020));
        QCOMPARE(c.radius, float(double(r[4]) * 4020 / 2));
    }
};

QTEST_APPLESS_MAIN(TestCircleBurst)
#include "tst_circleburst.moc"
