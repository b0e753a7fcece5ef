#include "animation/CircleBurst.h"
#include "platform/PaletteColour.h"
#include "platform/RandomSource.h"
#include "platform/Surface.h"

#include <QtTest>

#include <cmath>

namespace {

/// Hands out the given values in a loop and notes each draw in the shared log.
class ScriptedRandom final : public RandomSource {
public:
    ScriptedRandom(QList<float> values, QStringList& log) : m_values(values), m_log(log) {}
    float next() override
    {
        m_log << "rnd";
        return m_values.at(drawn++ % m_values.size());
    }
    int drawn = 0;

private:
    QList<float> m_values;
    QStringList& m_log;
};

struct CircleCall {
    float x, y, radius;
    int16_t width;
    Colour colour;
};

/// Records every call; successive size reads take successive values of the lists.
class RecordingSurface final : public Surface {
public:
    explicit RecordingSurface(QStringList& log) : m_log(log) {}

    QList<float> widths{6615};
    QList<float> heights{4020};
    QList<CircleCall> circles;

    void setPenWidth(int16_t width) override { m_log << "width", m_width = width; }
    int16_t penWidth() const override { return m_width; }
    void setPenColour(Colour colour) override { m_log << "colour", m_colour = colour; }
    Colour penColour() const override { return m_colour; }
    float scaleWidth() const override { return m_log << "W", widths.at(m_w++ % widths.size()); }
    float scaleHeight() const override { return m_log << "H", heights.at(m_h++ % heights.size()); }
    void drawCircle(float x, float y, float radius) override
    {
        m_log << "circle";
        circles.append({x, y, radius, m_width, m_colour});
    }

private:
    QStringList& m_log;
    int16_t m_width = 1;
    Colour m_colour;
    mutable int m_w = 0, m_h = 0;
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
        QStringList log;
        ScriptedRandom random(r, log);
        RecordingSurface surface(log);
        CircleBurst(surface, random).drawRandomCircle();

        QCOMPARE(surface.circles.size(), 1);
        const CircleCall& c = surface.circles[0];
        QCOMPARE(c.width, width);
        QCOMPARE(c.colour, paletteColour(colour));
        QCOMPARE(c.x, float(double(r[2]) * 6615));
        QCOMPARE(c.y, float(double(r[3]) * 4020));
        QCOMPARE(c.radius, float(double(r[4]) * 4020 / 2));
    }

    void stepsRunInOrderAndReadTheSizeAfresh()
    {
        // A resize in the middle of a circle: y uses the first height read, radius the second.
        QStringList log;
        ScriptedRandom random({0, 0, 0.5f, 0.5f, 0.5f}, log);
        RecordingSurface surface(log);
        surface.widths = {100, 300};
        surface.heights = {200, 400};
        CircleBurst burst(surface, random);
        burst.drawRandomCircle();
        QCOMPARE(log, (QStringList{"rnd", "width", "rnd", "colour", "rnd", "W", "rnd", "H", "rnd",
                                   "H", "circle"}));
        burst.drawRandomCircle();
        QCOMPARE(surface.circles[0].y, 100.0f);
        QCOMPARE(surface.circles[0].radius, 100.0f);
        QCOMPARE(surface.circles[1].x, 150.0f);
    }

    void burstDrawsHundredCirclesAndKeepsTheLastPen()
    {
        QStringList log;
        // 7 values against 5 a circle: every circle sees a different mix.
        ScriptedRandom random({0.05f, 0.95f, 0.3f, 0.71f, 0.5f, 0.12f, 0.88f}, log);
        RecordingSurface surface(log);
        CircleBurst(surface, random).drawCircleBurst();
        QCOMPARE(surface.circles.size(), 100);
        QCOMPARE(random.drawn, 500);
        QCOMPARE(surface.penWidth(), surface.circles.back().width);
        QCOMPARE(surface.penColour(), surface.circles.back().colour);
    }
};

QTEST_APPLESS_MAIN(TestCircleBurst)
#include "tst_circleburst.moc"
