#pragma once

#include "ctdb/CtdbEntry.h"
#include "ctdb/CtdbSyndromes.h"
#include "ctdb/CtdbToc.h"
#include "web/PoliteFetcher.h"

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QUrl>

#include <functional>
#include <string>
#include <vector>

/// Asks the CUETools database, through the program's one polite web client, for its entries of
/// a disc, and fetches an entry's parity file. It only reads: nothing is ever submitted. The
/// settings are read afresh for each question; answers come on the thread that made the client,
/// never before the call returns.
class CtdbClient : public QObject {
    Q_OBJECT

public:
    /// The [CTDB] group of the program's settings file.
    struct Settings {
        bool lookup = true;
        QUrl server = QUrl(QStringLiteral("http://db.cuetools.net"));

        static Settings read();
    };

    /// What a lookup of a disc came to.
    struct Lookup {
        enum class Result {
            /// Not asked, or no whole answer: the lookup is off, the server is not there, too
            /// slow, or answered with an error of its own.
            NotChecked,
            /// The database holds nothing of the disc's audio.
            NotInDatabase,
            Entries,
            /// An answer that is not the database's XML, or too large to be.
            Unreadable,
        };
        Result result = Result::NotChecked;
        /// The entries of the disc's audio, those of other audio left out; for Entries only.
        std::vector<CtdbEntry> entries;
        /// Why, in English, when not checked or unreadable.
        std::string reason;
    };

    /// An entry's parity file, fetched in ranges.
    struct Parity {
        /// Whole planes of syndromes, S0 of every column first, at most the entry's npar, its
        /// column 0 the entry's syndrome; empty when the file could not be had.
        QByteArray bytes;
        /// Why there are no bytes, in English.
        std::string reason;
    };

    /// One syndrome of every column: the parity file's unit.
    static constexpr qint64 PlaneBytes = 2 * qint64(CtdbSyndromes::Columns);

    explicit CtdbClient(QObject* parent = nullptr);

    void lookUp(const CtdbToc& toc, std::function<void(const Lookup&)> done);
    /// Fetches the entry's parity file, 4 syndromes' planes first, then up to 8, then up to its
    /// npar or `planes`, whichever is fewer, taking a whole file answered at once as well. A
    /// fetch that goes on from planes fetched before is given them as `have`.
    void fetchParity(const CtdbEntry& entry, std::function<void(const Parity&)> done,
                     int planes = CtdbSyndromes::MaxNpar, const QByteArray& have = {});

private:
    struct ParityFetch {
        QUrl url;
        std::vector<std::uint16_t> syndrome;
        /// Where each range ends, exclusive, the last where this fetch stops.
        std::vector<qint64> ends;
        /// The entry's whole file's size: the most a server that ignores ranges may send.
        qint64 most = 0;
        QByteArray bytes;
        std::function<void(const Parity&)> done;
    };

    /// Tells `done` on the next turn of the event loop.
    template <typename Value> void later(std::function<void(const Value&)> done, Value value);
    /// What the answer to a lookup of `toc` says.
    static Lookup judge(const CtdbToc& toc, const PoliteFetcher::Answer& answer);
    /// Asks for the range after the bytes the fetch holds.
    void fetchRange(ParityFetch fetch);
    /// The file, once `answer` ends the fetch.
    static Parity parityOf(const ParityFetch& fetch, const PoliteFetcher::Answer& answer);

    PoliteFetcher m_fetcher;
};
