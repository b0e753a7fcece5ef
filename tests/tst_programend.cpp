#include "platform/FatalPath.h"

#include <QProcess>
#include <QtTest>

#include <stdexcept>

class TestProgramEnd : public QObject {
    Q_OBJECT

private slots:
    void theProgramEnds_data()
    {
        QTest::addColumn<QString>("mode");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("output");
        QTest::newRow("Exit says goodbye, then ends at once")
            << "exit" << 0 << "box: <<<<<See Ya !!!>>>>> | title: Spindella | icon: 0\n";
        QTest::newRow("closing the window ends without a box")
            << "close" << 0 << "the handler went on\nevent loop returned 0\n";
        QTest::newRow("a failing handler shows the error, then ends with a failure")
            << "fail" << FatalPath::ExitStatus
            << "box: Disc tray on fire | title: Spindella | icon: 3\n";
    }

    void theProgramEnds()
    {
        QFETCH(QString, mode);
        QFETCH(int, exitCode);
        QFETCH(QString, output);
        QProcess probe;
        probe.start(QStringLiteral(PROGRAM_PROBE), {mode});
        QVERIFY(probe.waitForFinished(20000));
        QCOMPARE(probe.exitStatus(), QProcess::NormalExit);
        QCOMPARE(probe.exitCode(), exitCode);
        QCOMPARE(QString::fromLocal8Bit(probe.readAllStandardOutput()), output);
    }

    void aSecondFailureDuringTheReportEndsAtOnce()
    {
        QStringList events;
        FatalPath* self = nullptr;
        FatalPath path(
            [&](const std::string& m) {
                events << "report " + QString::fromStdString(m);
                self->fail("tick failed too");
            },
            [&](int status) { events << "end " + QString::number(status); });
        self = &path;
        path.fail("first");
        QCOMPARE(events, (QStringList{"report first", "end 1", "end 1"}));
        QCOMPARE(FatalPath::describe(std::make_exception_ptr(42)), std::string("Unknown error"));
    }
};

QTEST_GUILESS_MAIN(TestProgramEnd)
#include "tst_programend.moc"
