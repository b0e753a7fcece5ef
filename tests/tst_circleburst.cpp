#include "animation/CircleBurst.h"
#include "platform/PaletteColour.h"
#include "platform/RandomSource.h"
#include "platform/Surface.h"

#include <QtTest>

#include <cmath>
#include <string>
#include <vector>

namespace {

using Log = std::vector<std::string>;

class ScriptedRandom final : public RandomSource {
public:
    ScriptedRandom(std::vector<float> values, Log& log) : m_values(std::move(values)), m_log(log) {}
    float next() override
    {
        m_log.push_back("rnd");
        return m_values.at(m_index++ % m_values.size());
    }
    std::size_t drawn() const { return m_index; }

private:
    std::vector<float> m_values;
    Log& m_log;
    std::size_t m_index = 0;
};

struct CircleCall {
    float x, y, radius;
    int16_t width;
    Colour colour;
};

class RecordingSurface final : public Surface {
public:
    explicit RecordingSurface(Log& log) : m_log(log) {}

    std::vector<float> widths{441};
    std::vector<float> heights{268};
    std::vector<CircleCall> circles;

    void setPenWidth(int16_t width) override
    {
        m_log.push_back("width");
        m_width = width;
    }
    int16_t penWidth() const override { return m_width; }
    void setPenColour(Colour colour) override
    {
        m_log.push_back("colour");
        m_colour = colour;
    }
    Colour penColour() const override { return m_colour; }
    float scaleWidth() const override
    {
        m_log.push_back("W");
        return widths.at(m_widthReads++ % widths.size());
    }
    float scaleHeight() const override
    {
        m_log.push_back("H");
        return heights.at(m_heightReads++ % heights.size());
    }
    void drawCircle(float x, float y, float radius) override
    {
        m_log.push_back("circle");
        circles.push_back({x, y, radius, m_width, m_colour});
    }

private:
    Log& m_log;
    int16_t m_width = 1;
    Colour m_colour;
    mutable std::size_t m_widthReads = 0;
    mutable std::size_t m_heightReads = 0;
};

const float JustBelowOne = std::nextafter(1.0f, 0.0f);

// A value whose product with `range`, rounded to float before flooring, would land one higher.
float floatRoundingTrap(float range)
{
    for (int k = 1; k < int(range); ++k) {
        float r = float(k) / range;
        for (int step = 0; step < 64; ++step, r = std::nextafter(r, 0.0f)) {
            if (std::floor(double(r) * range) == k - 1 && std::floor(r * range) == k)
                return r;
        }
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

        QTest::newRow("all zero: thinnest black circle at the origin")
            << QList<float>{0, 0, 0, 0, 0} << 1 << 0;
        QTest::newRow("just below one: widest pen, last palette colour")
            << QList<float>(5, JustBelowOne) << 10 << 14;
        QTest::newRow("halves") << QList<float>(5, 0.5f) << 6 << 7;
        QTest::newRow("width product floored in double")
            << QList<float>{floatRoundingTrap(10), 0, 0, 0, 0}
            << int(std::floor(double(floatRoundingTrap(10)) * 10)) + 1 << 0;
    }

    void oneCircleFromItsRandomValues()
    {
        QFETCH(QList<float>, r);
        QFETCH(int, width);
        QFETCH(int, colour);
        QVERIFY2(r[0] >= 0, "no float rounding trap found");

        Log log;
        ScriptedRandom random({r.begin(), r.end()}, log);
        RecordingSurface surface(log);
        surface.widths = {6615};
        surface.heights = {4020};
        CircleBurst(surface, random).drawRandomCircle();

        QCOMPARE(surface.circles.size(), 1u);
        const CircleCall& c = surface.circles[0];
        QCOMPARE(c.width, width);
        QCOMPARE(c.colour, paletteColour(colour));
        QCOMPARE(c.x, float(double(r[2]) * 6615));
        QCOMPARE(c.y, float(double(r[3]) * 4020));
        QCOMPARE(c.radius, float(double(r[4]) * 4020 / 2));
        QVERIFY(c.x < 6615 && c.y < 4020 && c.radius < 2010);
    }

    void stepsRunInOrder()
    {
        Log log;
        ScriptedRandom random({0.25f}, log);
        RecordingSurface surface(log);
        CircleBurst(surface, random).drawRandomCircle();
        const Log expected{"rnd", "width", "rnd", "colour", "rnd",   "W",
                           "rnd", "H",     "rnd", "H",      "circle"};
        QCOMPARE(log, expected);
    }

    void sizeIsReadAfreshForEachUse()
    {
        // A resize in the middle of a circle: y uses the first height read, radius the second.
        Log log;
        ScriptedRandom random({0, 0, 0.5f, 0.5f, 0.5f}, log);
        RecordingSurface surface(log);
        surface.widths = {100, 300};
        surface.heights = {200, 400};
        CircleBurst burst(surface, random);
        burst.drawRandomCircle();
        burst.drawRandomCircle();
        QCOMPARE(surface.circles[0].y, 100.0f);
        QCOMPARE(surface.circles[0].radius, 100.0f);
        QCOMPARE(surface.circles[1].x, 150.0f);
        QCOMPARE(surface.circles[1].y, 100.0f);
        QCOMPARE(surface.circles[1].radius, 100.0f);
    }

    void burstDrawsHundredCirclesAndKeepsTheLastPen()
    {
        Log log;
        // 7 values against 5 a circle: every circle sees a different mix.
        ScriptedRandom random({0.05f, 0.95f, 0.3f, 0.71f, 0.5f, 0.12f, 0.88f}, log);
        RecordingSurface surface(log);
        CircleBurst(surface, random).drawCircleBurst();

        QCOMPARE(surface.circles.size(), 100u);
        QCOMPARE(random.drawn(), 500u);
        QCOMPARE(surface.penWidth(), surface.circles.back().width);
        QCOMPARE(surface.penColour(), surface.circles.back().colour);
        QVERIFY(surface.circles.front().width != surface.circles[1].width ||
                surface.circles.front().colour != surface.circles[1].colour);
    }

    void emptyClientArea_data()
    {
        QTest::addColumn<float>("width");
        QTest::addColumn<float>("height");
        QTest::newRow("width 0: centres on the left edge") << 0.0f << 268.0f;
        QTest::newRow("height 0: radius 0 on the top edge") << 441.0f << 0.0f;
        QTest::newRow("both 0") << 0.0f << 0.0f;
    }

    void emptyClientArea()
    {
        QFETCH(float, width);
        QFETCH(float, height);
        Log log;
        ScriptedRandom random({0.9f, 0.4f, 0.7f, 0.6f, 0.8f, 0.2f}, log);
        RecordingSurface surface(log);
        surface.widths = {width};
        surface.heights = {height};
        CircleBurst(surface, random).drawCircleBurst();
        for (const CircleCall& c : surface.circles) {
            if (width == 0)
                QCOMPARE(c.x, 0.0f);
            if (height == 0) {
                QCOMPARE(c.y, 0.0f);
                QCOMPARE(c.radius, 0.0f);
            }
        }
        QCOMPARE(surface.circles.size(), 100u);
    }
};

QTEST_APPLESS_MAIN(TestCircleBurst)
#include "tst_circleburst.moc"
