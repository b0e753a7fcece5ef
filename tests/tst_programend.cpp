#include <QProcess>
#include <QtTest>

class TestProgramEnd : public QObject {
    Q_OBJECT

    static QString runProbe(const QString& mode, int& exitCode)
    {
        QProcess probe;
        probe.start(QStringLiteral(PROGRAM_PROBE), {mode});
        if (!probe.waitForFinished(20000))
            return QStringLiteral("(timed out)");
        exitCode = probe.exitStatus() == QProcess::NormalExit ? probe.exitCode() : -1;
        return QString::fromLocal8Bit(probe.readAllStandardOutput());
    }

private slots:
    void exitSaysGoodbyeThenEndsAtOnce()
    {
        int exitCode = -1;
        const QString out = runProbe(QStringLiteral("exit"), exitCode);
        QCOMPARE(exitCode, 0);
        QCOMPARE(out, QStringLiteral("box: <<<<<See Ya !!!>>>>> | title: Spindella | icon: 0\n"));
    }

    void closingTheWindowEndsWithoutABox()
    {
        int exitCode = -1;
        const QString out = runProbe(QStringLiteral("close"), exitCode);
        QCOMPARE(exitCode, 0);
        QCOMPARE(out, QStringLiteral("event loop returned 0\n"));
    }
};

QTEST_GUILESS_MAIN(TestProgramEnd)
#include "tst_programend.moc"
