#include "support/PlayerWindow.h"

#include <QtTest>

namespace {

bool clickIntervalIs(const PlayerWindow& f, int value)
{
    return f.window.clickInterval().sameAs(ClickInterval(int16_t(value)));
}

} // namespace

class TestMainWindow : public QObject {
    Q_OBJECT

private slots:
    void looksAsDesignedAndRepaintsOnlyAfterAnErase()
    {
        PlayerWindow f;
        QCOMPARE(f.window.objectName(), QStringLiteral("frmCircles2"));
        QCOMPARE(f.window.windowTitle(), QStringLiteral("Halcyra CD Player"));
        QCOMPARE(f.window.minimumSize(), QSize(441, 268));
        QCOMPARE(f.window.maximumSize(), QSize(441, 268));
        QCOMPARE(f.window.pos(), QPoint(104, 80));
        QCOMPARE(f.child("cmdAbout")->toolTip(),
                 QStringLiteral("Click here for operating instructions."));
        QVERIFY(f.showAndWait());
        QTRY_COMPARE(f.random.drawn, 500);
        QCOMPARE(f.interval(), 0);
        // The controls in their stored places, with their captions and font, over one burst.
        const QImage seen = f.window.grab().toImage();
        QCOMPARE(seen, QImage(QFINDTESTDATA("data/window.png")).convertToFormat(seen.format()));

        // An expose without a change of size shows the kept picture.
        const QImage kept = f.window.surface().image();
        f.window.repaint();
        QCOMPARE(f.random.drawn, 500);
        QCOMPARE(f.window.surface().image(), kept);

        // A change of size erases: background, then exactly one burst.
        f.window.setFixedSize(300, 200);
        f.window.setFixedSize(320, 210);
        QTRY_COMPARE(f.random.drawn, 1000);
        QTest::qWait(50);
        QCOMPARE(f.random.drawn, 1000);
        QCOMPARE(f.window.surface().logicalSize(), QSize(320, 210));
    }

    void clicksOnThePictureToggleTheAnimation()
    {
        PlayerWindow f;
        QVERIFY(f.showAndWait());
        QTRY_COMPARE(f.random.drawn, 500);
        f.click();
        QCOMPARE(f.interval(), 20);
        QTRY_VERIFY(f.random.drawn >= 500 * 3);
        QTest::mouseClick(&f.window, Qt::RightButton, {}, QPoint(100, 100));
        QTest::mouseClick(f.child("MMControl1"), Qt::LeftButton, {}, QPoint(5, 5));
        QCOMPARE(f.interval(), 20);
        f.click();
        QCOMPARE(f.interval(), 0);
        QVERIFY(clickIntervalIs(f, 0));
        const int stoppedAt = f.random.drawn;
        QTest::qWait(100);
        QCOMPARE(f.random.drawn, stoppedAt);
    }

    void clickAfterALoneDoubleClickEventStillCounts()
    {
        // A double-click event without its release must not swallow the next click.
        PlayerWindow f;
        QVERIFY(f.showAndWait());
        QTest::mouseDClick(&f.window, Qt::LeftButton, {}, QPoint(50, 50));
        QTRY_VERIFY(f.window.isFullScreen());
        f.click();
        QVERIFY(clickIntervalIs(f, 0));
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
