// The CUETools database's client against a stand-in server on this machine: the one lookup it
// sends, what each kind of answer comes to, and an entry's parity file fetched in ranges.
#include "ctdb/CtdbClient.h"
#include "support/TextTable.h"

#include "VersionRecord.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

#include <optional>

namespace {

/// The disc the fixtures' entries are of.
constexpr const char* Disc = "0:10000:25000:40000";
constexpr int Columns = CtdbSyndromes::Columns;

/// A parity file of `planes` planes, each word telling its place from its neighbours'.
QByteArray parityFile(int planes)
{
    QByteArray bytes;
    for (std::uint32_t n = 0; n < std::uint32_t(planes * Columns); ++n) {
        const auto word = std::uint16_t(n * 2654435761u >> 16);
        bytes.append(char(word & 0xff)).append(char(word >> 8));
    }
    return bytes;
}

QString shown(const CtdbClient::Lookup& lookup)
{
    using enum CtdbClient::Lookup::Result;
    QStringList entries;
    for (const CtdbEntry& entry : lookup.entries)
        entries << QString("%1 npar %2 %3")
                       .arg(QString::fromStdString(entry.id))
                       .arg(entry.npar)
                       .arg(QString::fromStdString(entry.parityUrl));
    switch (lookup.result) {
    case NotChecked:
        return "not checked: " + QString::fromStdString(lookup.reason);
    case NotInDatabase:
        return "not in database" + QString::fromStdString(lookup.reason);
    case Entries:
        return "entries: " + entries.join(", ");
    case Unreadable:
        return "unreadable: " + QString::fromStdString(lookup.reason);
    }
    return "none";
}

} // namespace

class TestCtdbClient : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    QProcess m_server;
    QString m_url;

    void route(const QString& scenario)
    {
        QFile routes(m_dir.filePath("routes.json"));
        QVERIFY(routes.open(QIODevice::WriteOnly));
        routes.write(QJsonDocument(QJsonObject{{"*", scenario}}).toJson());
    }
    /// The requests the stand-in was asked, oldest first.
    QList<QJsonObject> requests()
    {
        QFile log(m_dir.filePath("requests.log"));
        QList<QJsonObject> found;
        if (!log.open(QIODevice::ReadOnly))
            return found;
        for (const QByteArray& line : log.readAll().split('\n'))
            if (!line.isEmpty())
                found << QJsonDocument::fromJson(line).object();
        return found;
    }
    static void settings(bool lookup, const QString& server)
    {
        QSettings file;
        file.clear();
        file.setValue("CTDB/lookup", lookup);
        file.setValue("CTDB/server", server);
    }
    /// What the stand-in was asked since `before` requests, each as "path range".
    QStringList askedSince(qsizetype before)
    {
        QStringList asked;
        for (const QJsonObject& request : requests().mid(before)) {
            // Every request says who asks, with the program's version.
            const QString agent = request["agent"].toString();
            if (!agent.startsWith(QString("Spindella/") + VersionRecord::FileVersion + " ("))
                asked << "agent " + agent;
            asked << (request["path"].toString() + ' ' + request["range"].toString()).trimmed();
        }
        return asked;
    }

private slots:
    void initTestCase()
    {
        qputenv("XDG_CONFIG_HOME", m_dir.filePath("config").toUtf8());
        QCoreApplication::setOrganizationName("Halcyra");
        QCoreApplication::setApplicationName("Spindella");
        const QByteArray whole = parityFile(16);
        QByteArray other = whole;
        other[5 * 2 * Columns] = char(other[5 * 2 * Columns] ^ 1);
        const QList<std::pair<QString, QByteArray>> files = {{"16", whole},
                                                             {"8", whole.left(8 * 2 * Columns)},
                                                             {"16+", whole + "xx"},
                                                             {"other", other},
                                                             {"odd", whole.left(100)}};
        for (const auto& [name, bytes] : files) {
            QFile file(m_dir.filePath(name + ".bin"));
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(bytes);
        }
        route("absent");
        m_server.start("/usr/bin/python3",
                       {QFINDTESTDATA("mocks/ctdb.py"), QFINDTESTDATA("data/ctdb"),
                        m_dir.filePath("routes.json"), m_dir.filePath("requests.log")});
        QVERIFY(m_server.waitForReadyRead(5000));
        m_url = "http://127.0.0.1:" + QString::fromLatin1(m_server.readLine()).trimmed();
    }
    void cleanupTestCase()
    {
        m_server.kill();
        m_server.waitForFinished();
    }

    void settingsByDefault()
    {
        QSettings().clear();
        const CtdbClient::Settings read = CtdbClient::Settings::read();
        QVERIFY(read.lookup);
        QCOMPARE(read.server, QUrl("http://db.cuetools.net"));
    }

    void lookUp_data()
    {
        // The server: the stand-in, one below a folder, one with nothing listening, the
        // lookup off, or not a web address.
        addTextRows("server scenario result asked", R"(
the disc's entries, another audio's left out | stand-in | xml:entries.xml | entries: 7 npar 16 /parity/7, 9 npar 8 http://p.cuetools.net/9 | 1
a server below a folder | stand-in/ctdb/ | xml:entries.xml | entries: 7 npar 16 /parity/7, 9 npar 8 http://p.cuetools.net/9 | 1
busy, then the entries | stand-in | busy:xml:entries.xml | entries: 7 npar 16 /parity/7, 9 npar 8 http://p.cuetools.net/9 | 2
names but no entries | stand-in | xml:names-only.xml | not in database | 1
not found | stand-in | absent | not in database | 1
an entry out of shape | stand-in | xml:bad-entry.xml | unreadable: entry 2: crc32 is not 8 hexadecimal digits | 1
not XML | stand-in | garbage | unreadable: the answer is not well-formed XML: Start tag expected. | 1
empty | stand-in | empty | unreadable: the answer is empty | 1
said to be over 1 MB | stand-in | huge | unreadable: the answer is larger than 1 MB | 1
over 1 MB and never ending | stand-in | endless | unreadable: the answer is larger than 1 MB | 1
a server error | stand-in | error | not checked: the CUETools database did not answer, or answered with an error | 1
a server that never answers | stand-in | silent | not checked: the CUETools database did not answer, or answered with an error | 1
nothing listening | port 1 | xml:entries.xml | not checked: the CUETools database did not answer, or answered with an error | 0
lookups off | off | xml:entries.xml | not checked: looking discs up in the CUETools database is off in the settings | 0
not a web address | ftp | xml:entries.xml | not checked: the settings name no web address for the CUETools database | 0
)");
    }
    void lookUp()
    {
        const QString server = cell("server");
        settings(server != "off", server == "port 1" ? "http://127.0.0.1:1"
                                  : server == "ftp"  ? "ftp://127.0.0.1/"
                                                     : m_url + server.mid(8));
        route(cell("scenario"));
        const qsizetype before = requests().size();
        CtdbClient client;
        std::optional<CtdbClient::Lookup> got;
        client.lookUp(*CtdbToc::parse(Disc), [&](const CtdbClient::Lookup& lookup) {
            QVERIFY(!got);
            got = lookup;
        });
        QVERIFY(!got);
        QTRY_VERIFY_WITH_TIMEOUT(got, 15000);
        QCOMPARE(shown(*got), cell("result"));
        const QString path = (server.contains("/ctdb") ? "/ctdb" : "") +
                             QString("/lookup2.php?version=3&ctdb=1&fuzzy=1&metadata=none&toc=") +
                             Disc;
        QCOMPARE(askedSince(before), QStringList(cell("asked").toInt(), path));
    }

    void parity_data()
    {
        // The entry's npar, its parity file's address and how the stand-in serves which file,
        // the planes asked for and those held before, the ranges asked for, and the file's bytes
        // had or why not.
        addTextRows("npar address scenario planes have ranges result", R"(
npar 16 in three ranges | 16 | relative | range:16 | 16 | 0 | 0-94079, 94080-188159, 188160-376319 | 376320 bytes
npar 8 in two ranges | 8 | relative | range:16 | 16 | 0 | 0-94079, 94080-188159 | 188160 bytes
an absolute address, not the server's | 16 | absolute | range:16 | 16 | 0 | 0-94079, 94080-188159, 188160-376319 | 376320 bytes
the whole file at once | 16 | relative | whole:16 | 16 | 0 | 0-94079 | 376320 bytes
a whole file larger than npar 16's | 16 | relative | whole:16+ | 16 | 0 | 0-94079 | the parity file is larger than the 376320 bytes of the entry's 16 syndromes
npar 16's whole file for an entry of 8 | 8 | relative | whole:16 | 16 | 0 | 0-94079 | the parity file is larger than the 188160 bytes of the entry's 8 syndromes
a whole file of no whole planes | 8 | relative | whole:odd | 16 | 0 | 0-94079 | the parity file's 100 bytes are not whole planes of syndromes
a file of npar 8 for an entry of 16 | 16 | relative | range:8 | 16 | 0 | 0-94079, 94080-188159, 188160-376319 | the parity server did not answer, or answered with an error
a range cut short | 16 | relative | short:16 | 16 | 0 | 0-94079 | the parity server sent 94078 bytes for 94080 asked for
no file | 16 | relative | absent | 16 | 0 | 0-94079 | the parity server answered HTTP 404
another entry's file | 16 | relative | range:other | 16 | 0 | 0-94079, 94080-188159, 188160-376319 | the parity file's column 0 is not the entry's syndrome
an entry without parity | 16 | none | range:16 | 16 | 0 | | the entry has no parity file
the first 4 planes alone | 16 | relative | range:16 | 4 | 0 | 0-94079 | 94080 bytes
on from 4 planes to 8 | 16 | relative | range:16 | 8 | 4 | 94080-188159 | 188160 bytes
on from 8 planes to the entry's | 16 | relative | range:16 | 16 | 8 | 188160-376319 | 376320 bytes
the planes held already | 16 | relative | range:16 | 4 | 8 |  | 94080 bytes
the whole file, asked for 4 planes | 16 | relative | whole:16 | 4 | 0 | 0-94079 | 376320 bytes
)");
    }
    void parity()
    {
        const int npar = cell("npar").toInt();
        const QString address = cell("address");
        const QString path = address == "absolute" ? "/p/7" : "/parity/7";
        // A server with nothing listening: an absolute address must not be glued to it.
        settings(true, address == "absolute" ? "http://127.0.0.1:1" : m_url);
        route(cell("scenario").section(':', 0, 0) + ':' +
              m_dir.filePath(cell("scenario").section(':', 1) + ".bin"));
        const QByteArray file = parityFile(16);
        CtdbEntry entry;
        entry.id = "7";
        entry.npar = npar;
        for (int i = 0; i < npar; ++i)
            entry.syndrome.push_back(std::uint16_t(std::uint8_t(file[i * 2 * Columns]) |
                                                   std::uint8_t(file[i * 2 * Columns + 1]) << 8));
        entry.parityUrl = address == "none"       ? ""
                          : address == "absolute" ? (m_url + path).toStdString()
                                                  : path.toStdString();
        const qsizetype before = requests().size();
        CtdbClient client;
        std::optional<CtdbClient::Parity> got;
        client.fetchParity(
            entry,
            [&](const CtdbClient::Parity& parity) {
                QVERIFY(!got);
                got = parity;
            },
            cell("planes").toInt(), file.left(cell("have").toInt() * 2 * Columns));
        QVERIFY(!got);
        QTRY_VERIFY_WITH_TIMEOUT(got, 15000);
        if (got->reason.empty()) {
            QCOMPARE(QString("%1 bytes").arg(got->bytes.size()), cell("result"));
            QVERIFY(got->bytes == file.left(got->bytes.size()));
        } else {
            QCOMPARE(QString::fromStdString(got->reason), cell("result"));
            QVERIFY(got->bytes.isEmpty());
        }
        QStringList ranges;
        for (const QString& range : cellList(cell("ranges")))
            ranges << path + " bytes=" + range;
        QCOMPARE(askedSince(before), ranges);
    }
};

QTEST_GUILESS_MAIN(TestCtdbClient)
#include "tst_ctdbclient.moc"
