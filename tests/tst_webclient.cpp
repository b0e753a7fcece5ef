// The program's web client against a stand-in server on this machine: what a free service's
// busy or slow answers may say is bounded before it is believed.
#include "web/PoliteFetcher.h"

#include <QElapsedTimer>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

class TestWebClient : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    QProcess m_server;
    QString m_url;

    /// The address of a disc file the stand-in answers with `scenario`.
    QUrl routed(const QString& name, const QString& scenario)
    {
        QFile routes(m_dir.filePath("routes.json"));
        QJsonObject table;
        if (routes.open(QIODevice::ReadOnly))
            table = QJsonDocument::fromJson(routes.readAll()).object();
        routes.close();
        table.insert(name, scenario);
        routes.open(QIODevice::WriteOnly);
        routes.write(QJsonDocument(table).toJson());
        // Filed under the first ID's last three digits, as the database files them.
        const QString id = name.section('-', 2, 2);
        return QUrl(QString("%1/accuraterip/%2/%3/%4/%5")
                        .arg(m_url, id.right(1), id.right(2).left(1), id.right(3).left(1), name));
    }

private slots:
    void initTestCase()
    {
        QFile answer(m_dir.filePath("answer.bin"));
        QVERIFY(answer.open(QIODevice::WriteOnly));
        answer.write("an answer");
        answer.close();
        m_server.start("/usr/bin/python3",
                       {QFINDTESTDATA("mocks/accuraterip.py"), m_dir.filePath("routes.json"),
                        m_dir.filePath("requests.log")});
        QVERIFY(m_server.waitForReadyRead(5000));
        m_url = "http://127.0.0.1:" + QString::fromLatin1(m_server.readLine().trimmed());
    }
    void cleanupTestCase()
    {
        m_server.kill();
        m_server.waitForFinished();
    }

    void busyAnswersAreWaitedOutAndAskedAgain_data()
    {
        // Taken from a server, not believed: a number past 64 bits' milliseconds must neither
        // overflow nor wait for ever.
        QTest::addColumn<QString>("retryAfter");
        QTest::newRow("in a second") << "1";
        QTest::newRow("past what milliseconds hold") << "9223372036854776";
        QTest::newRow("beyond any number") << "99999999999999999999999";
        QTest::newRow("in the past") << "-5";
        QTest::newRow("a date") << "Wed, 21 Oct 2015 07:28:00 GMT";
    }
    void busyAnswersAreWaitedOutAndAskedAgain()
    {
        QFETCH(QString, retryAfter);
        static int disc = 0;
        const QString name =
            QString("dBAR-001-00000001-00000001-%1.bin").arg(++disc, 8, 16, QChar('0'));
        PoliteFetcher fetcher;
        std::optional<PoliteFetcher::Answer> answer;
        fetcher.get(routed(name, "busy=" + retryAfter + ";file:answer.bin"), 1 << 20,
                    [&](const PoliteFetcher::Answer& got) { answer = got; });
        QTRY_VERIFY_WITH_TIMEOUT(answer, 15000);
        QCOMPARE(answer->status, 200);
        QCOMPARE(answer->body, QByteArray("an answer"));
    }

    void sentHoweverSlowlyTheMachineGoes()
    {
        // A clock that has moved on by the next time it is read, as on a busy machine.
        qint64 ticks = 0;
        PoliteFetcher fetcher(nullptr, [&] { return (ticks += 50); });
        std::optional<PoliteFetcher::Answer> answer;
        fetcher.get(routed("dBAR-001-00000003-00000003-00000003.bin", "file:answer.bin"), 1 << 20,
                    [&](const PoliteFetcher::Answer& got) { answer = got; });
        QTRY_VERIFY(answer);
        QCOMPARE(answer->status, 200);
    }

    void anAnswerTrickledAByteASecondIsGivenUpOnTime()
    {
        PoliteFetcher fetcher;
        std::optional<PoliteFetcher::Answer> answer;
        fetcher.get(routed("dBAR-001-00000002-00000002-00000002.bin", "trickle"), 1 << 20,
                    [&](const PoliteFetcher::Answer& got) { answer = got; });
        // Ten seconds for the whole answer, however steadily the bytes come.
        QTRY_VERIFY_WITH_TIMEOUT(answer, PoliteFetcher::TimeoutMs + 3000);
        QCOMPARE(answer->status, 0);
    }
};

QTEST_GUILESS_MAIN(TestWebClient)
#include "tst_webclient.moc"
