#include "ctdb/CtdbClient.h"

#include "ctdb/CtdbAnswer.h"

#include <QSettings>
#include <QTimer>

#include <algorithm>
#include <string_view>

namespace {

/// The parity file is asked for in ranges ending after this many planes, as the database's own
/// client asks for it.
constexpr int RangePlanes[] = {4, 8};

std::string_view view(const QByteArray& bytes)
{
    return std::string_view(bytes.constData(), std::size_t(bytes.size()));
}

QUrl below(const QUrl& server, const QString& path)
{
    return QUrl(server.toString(QUrl::StripTrailingSlash) + u'/' + path, QUrl::TolerantMode);
}

/// Where the range after `held` bytes ends, exclusive.
qint64 rangeEnd(const std::vector<qint64>& ends, qint64 held)
{
    return *std::upper_bound(ends.begin(), ends.end() - 1, held);
}

} // namespace

CtdbClient::Settings CtdbClient::Settings::read()
{
    QSettings file;
    file.beginGroup(QStringLiteral("CTDB"));
    Settings settings;
    settings.lookup = file.value(QStringLiteral("lookup"), true).toBool();
    settings.server = PoliteFetcher::server(file.value(QStringLiteral("server")), settings.server);
    return settings;
}

CtdbClient::CtdbClient(QObject* parent) : QObject(parent), m_fetcher(this) {}

template <typename Value>
void CtdbClient::later(std::function<void(const Value&)> done, Value value)
{
    QTimer::singleShot(0, this,
                       [done = std::move(done), value = std::move(value)] { done(value); });
}

void CtdbClient::lookUp(const CtdbToc& toc, std::function<void(const Lookup&)> done)
{
    const Settings settings = Settings::read();
    const std::string text = toc.toString();
    std::string notAsked;
    if (!settings.lookup)
        notAsked = "looking discs up in the CUETools database is off in the settings";
    else if (settings.server.isEmpty())
        notAsked = "the settings name no web address for the CUETools database";
    else if (text.empty())
        notAsked = "the disc's table of contents is not one the database can hold";
    if (!notAsked.empty()) {
        later<Lookup>(std::move(done), {Lookup::Result::NotChecked, {}, notAsked});
        return;
    }
    m_fetcher.get(below(settings.server,
                        QStringLiteral("lookup2.php?version=3&ctdb=1&fuzzy=1&metadata=none&toc=") +
                            QString::fromStdString(text)),
                  qint64(CtdbAnswer::MaxBytes),
                  [toc, done = std::move(done)](const PoliteFetcher::Answer& answer) {
                      done(judge(toc, answer));
                  });
}

CtdbClient::Lookup CtdbClient::judge(const CtdbToc& toc, const PoliteFetcher::Answer& answer)
{
    using enum Lookup::Result;
    if (answer.status == 404)
        return {NotInDatabase, {}, {}};
    if (answer.tooLarge)
        return {Unreadable, {}, "the answer is larger than 1 MB"};
    if (answer.status == 0)
        return {NotChecked, {}, "the CUETools database did not answer, or answered with an error"};
    if (answer.status != 200)
        return {
            NotChecked, {}, "the CUETools database answered HTTP " + std::to_string(answer.status)};
    CtdbAnswer read = CtdbAnswer::read(view(answer.body));
    if (!read.error.empty())
        return {Unreadable, {}, read.error};
    // A fuzzy lookup finds entries by the disc's ID alone; one whose own table says other
    // audio is no record of this disc.
    Lookup lookup{Entries, {}, {}};
    for (CtdbEntry& entry : read.entries)
        if (entry.toc.hasSameAudio(toc))
            lookup.entries.push_back(std::move(entry));
    if (lookup.entries.empty())
        lookup.result = NotInDatabase;
    return lookup;
}

void CtdbClient::fetchParity(const CtdbEntry& entry, std::function<void(const Parity&)> done,
                             int planes, const QByteArray& have)
{
    const Settings settings = Settings::read();
    const QUrl address(QString::fromStdString(entry.parityUrl));
    const int npar = std::min({entry.npar, int(entry.syndrome.size()), CtdbSyndromes::MaxNpar});
    const int wanted = std::min(npar, planes);
    std::string notAsked;
    if (entry.parityUrl.empty())
        notAsked = "the entry has no parity file";
    else if (npar < 2)
        notAsked = "the entry has no syndromes to check a parity file by";
    else if (!settings.lookup)
        notAsked = "looking discs up in the CUETools database is off in the settings";
    else if (address.isRelative() && settings.server.isEmpty())
        notAsked = "the settings name no web address for the CUETools database";
    if (!notAsked.empty()) {
        later<Parity>(std::move(done), {{}, notAsked});
        return;
    }
    if (have.size() >= wanted * PlaneBytes) {
        later<Parity>(std::move(done), {have.left(wanted * PlaneBytes), {}});
        return;
    }
    ParityFetch fetch{settings.server.resolved(address),
                      entry.syndrome,
                      {},
                      npar * PlaneBytes,
                      have,
                      std::move(done)};
    for (int step : RangePlanes)
        if (step < wanted && step * PlaneBytes > have.size())
            fetch.ends.push_back(step * PlaneBytes);
    fetch.ends.push_back(wanted * PlaneBytes);
    fetchRange(std::move(fetch));
}

void CtdbClient::fetchRange(ParityFetch fetch)
{
    const QUrl url = fetch.url;
    const qint64 first = fetch.bytes.size();
    const qint64 end = rangeEnd(fetch.ends, first);
    // A server that ignores the range sends the whole file: no larger than the entry's.
    const qint64 most = fetch.most;
    m_fetcher.get(
        url, most,
        [this, fetch = std::move(fetch), end](const PoliteFetcher::Answer& answer) {
            if (answer.status == 206 && fetch.bytes.size() + answer.body.size() == end &&
                end < fetch.ends.back()) {
                ParityFetch next = fetch;
                next.bytes += answer.body;
                fetchRange(std::move(next));
                return;
            }
            fetch.done(parityOf(fetch, answer));
        },
        PoliteFetcher::Range{first, end - 1});
}

CtdbClient::Parity CtdbClient::parityOf(const ParityFetch& fetch,
                                        const PoliteFetcher::Answer& answer)
{
    const qint64 first = fetch.bytes.size();
    const qint64 end = rangeEnd(fetch.ends, first);
    QByteArray bytes;
    if (answer.status == 206 && first + answer.body.size() == end)
        bytes = fetch.bytes + answer.body;
    else if (answer.status == 206)
        return {{},
                "the parity server sent " + std::to_string(answer.body.size()) + " bytes for " +
                    std::to_string(end - first) + " asked for"};
    else if (answer.status == 200)
        bytes = answer.body;
    else if (answer.tooLarge)
        return {{},
                "the parity file is larger than the " + std::to_string(fetch.most) +
                    " bytes of the entry's " + std::to_string(fetch.most / PlaneBytes) +
                    " syndromes"};
    else if (answer.status == 0)
        return {{}, "the parity server did not answer, or answered with an error"};
    else
        return {{}, "the parity server answered HTTP " + std::to_string(answer.status)};
    const qint64 planes = bytes.size() / PlaneBytes;
    if (bytes.size() % PlaneBytes != 0 || planes % 2 != 0 || planes == 0)
        return {{},
                "the parity file's " + std::to_string(bytes.size()) +
                    " bytes are not whole planes of syndromes"};
    if (!CtdbSyndromes::fromParityFile(view(bytes), fetch.syndrome))
        return {{}, "the parity file's column 0 is not the entry's syndrome"};
    return {bytes, {}};
}
