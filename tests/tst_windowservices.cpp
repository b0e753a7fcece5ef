#include "platform/Colour.h"
#include "platform/IntervalTimer.h"
#include "platform/PaletteColour.h"
#include "platform/RandomSequence.h"
#include "platform/SystemColours.h"
#include "support/TextTable.h"

#include <QSignalSpy>
#include <QtTest>

class TestWindowServices : public QObject {
    Q_OBJECT

private slots:
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

QTEST_MAIN(TestWindowServices)
#include "tst_windowservices.moc"
