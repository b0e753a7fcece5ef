#include "VersionRecord.h"
#include "platform/Application.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QtTest>

class TestVersionRecord : public QObject {
    Q_OBJECT

private slots:
    void executableCarriesThePackageNote()
    {
        QProcess readelf;
        readelf.start(QStringLiteral("readelf"),
                      {QStringLiteral("-n"), QStringLiteral(SPINDELLA_EXE)});
        QVERIFY(readelf.waitForFinished(20000));
        const QString notes = QString::fromUtf8(readelf.readAllStandardOutput());
        const auto match =
            QRegularExpression(QStringLiteral("Packaging Metadata: (\\{.*\\})")).match(notes);
        QVERIFY2(match.hasMatch(), qPrintable(notes));

        QJsonParseError error;
        const QJsonObject record =
            QJsonDocument::fromJson(match.captured(1).toUtf8(), &error).object();
        QCOMPARE(error.error, QJsonParseError::NoError);
        QCOMPARE(record["name"].toString(), QStringLiteral("spindella"));
        QCOMPARE(record["version"].toString(), QStringLiteral("1.00.0001"));
        QCOMPARE(record["productVersion"].toString(), QStringLiteral("1.00.0001"));
        QCOMPARE(record["fileDescription"].toString(), QStringLiteral("CD Player, Screen saver"));
        QCOMPARE(record["productName"].toString(), QStringLiteral("Spindella Cd Player"));
        QCOMPARE(record["internalName"].toString(), QStringLiteral("Spindella"));
        QCOMPARE(record["originalFilename"].toString(), QStringLiteral("Spindella.exe"));
        QCOMPARE(record["companyName"].toString(), QString::fromUtf8(VersionRecord::CompanyName));
    }

    void programMetadataComesFromTheRecord()
    {
        QCOMPARE(QCoreApplication::applicationName(), QStringLiteral("Spindella"));
        QCOMPARE(QCoreApplication::applicationVersion(), QStringLiteral("1.00.0001"));
    }
};

int main(int argc, char* argv[])
{
    Application app(argc, argv);
    TestVersionRecord test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_versionrecord.moc"
