#include "platform/FatalPath.h"

#include <QProcess>
#include <QtTest>

#include <stdexcept>

class TestFatalPath : public QObject {
    Q_OBJECT

private slots:
    void reportsThenEndsWithFailure()
    {
        QStringList events;
        FatalPath path(
            [&](const std::string& m) { events << "report " + QString::fromStdString(m); },
            [&](int status) { events << "end " + QString::number(status); });
        path.fail("Invalid property value");
        QCOMPARE(events, (QStringList{"report Invalid property value", "end 1"}));
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
    }

    void describesWhatWasThrown()
    {
        QCOMPARE(
            FatalPath::describe(std::make_exception_ptr(std::runtime_error("Device not open"))),
            std::string("Device not open"));
        QCOMPARE(FatalPath::describe(std::make_exception_ptr(42)), std::string("Unknown error"));
        QCOMPARE(FatalPath::describe(nullptr), std::string("Unknown error"));
    }

    void aFailingHandlerShowsTheErrorAndEndsTheProgram()
    {
        QProcess probe;
        probe.start(QStringLiteral(FATAL_PROBE), {});
        QVERIFY(probe.waitForFinished(20000));
        const QString out = QString::fromLocal8Bit(probe.readAllStandardOutput());
        const QString err = QString::fromLocal8Bit(probe.readAllStandardError());
        QCOMPARE(probe.exitStatus(), QProcess::NormalExit);
        QCOMPARE(probe.exitCode(), FatalPath::ExitStatus);
        QVERIFY2(out.contains("box: Disc tray on fire"), qPrintable(out));
        QVERIFY2(!out.contains("the event loop returned"), qPrintable(out));
        QVERIFY2(err.contains("Disc tray on fire"), qPrintable(err));
    }
};

QTEST_GUILESS_MAIN(TestFatalPath)
#include "tst_fatalpath.moc"
