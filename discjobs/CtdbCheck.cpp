#include "discjobs/CtdbCheck.h"

#include <QTimer>

#include <algorithm>

void CtdbCheck::check(const CtdbToc& toc, const std::shared_ptr<const CtdbDiscSums>& sums,
                      std::size_t tracks, std::function<void(const Outcome&)> done)
{
    if (!sums) {
        // Audio the database cannot sum is audio it cannot hold.
        QTimer::singleShot(0, &m_client, [done = std::move(done), tracks] {
            done({CtdbVerdict::all(CtdbVerdict::Result::NotInDatabase, tracks), {}, {}});
        });
        return;
    }
    m_client.lookUp(toc, [this, sums, tracks,
                          done = std::move(done)](const CtdbClient::Lookup& lookup) {
        Outcome outcome;
        switch (lookup.result) {
        case CtdbClient::Lookup::Result::NotChecked:
            outcome.verdict = CtdbVerdict::all(CtdbVerdict::Result::NotChecked, tracks);
            done(outcome);
            return;
        case CtdbClient::Lookup::Result::Unreadable:
            outcome.why = Reason(
                QT_TRANSLATE_NOOP("Reason", "the CUETools database's answer cannot be read: %1"),
                {Reason::verbatim(lookup.reason)});
            [[fallthrough]];
        case CtdbClient::Lookup::Result::NotInDatabase:
            outcome.verdict = CtdbVerdict::all(CtdbVerdict::Result::NotInDatabase, tracks);
            done(outcome);
            return;
        case CtdbClient::Lookup::Result::Entries:
            break;
        }
        m_work.post([this, sums, entries = lookup.entries, done] {
            Outcome judged;
            judged.verdict = CtdbVerdict::judge(*sums, entries);
            m_work.answer(&m_client, [this, sums, judged, done] {
                if (judged.verdict.repairFrom)
                    mend(sums, judged, 4, {}, done);
                else
                    done(judged);
            });
        });
    });
}

void CtdbCheck::mend(const std::shared_ptr<const CtdbDiscSums>& sums, const Outcome& outcome,
                     int planes, const QByteArray& have,
                     const std::function<void(const Outcome&)>& done)
{
    const CtdbEntry& entry = *outcome.verdict.repairFrom;
    const int npar = std::min({entry.npar, int(entry.syndrome.size()), CtdbSyndromes::MaxNpar});
    m_client.fetchParity(
        entry,
        [this, sums, outcome, npar, done](const CtdbClient::Parity& parity) {
            if (parity.bytes.isEmpty()) {
                Outcome unusable = outcome;
                unusable.verdict.repair = CtdbVerdict::Repair::ParityUnusable;
                done(unusable);
                return;
            }
            m_work.post([this, sums, outcome, npar, done, bytes = parity.bytes] {
                Outcome mended = outcome;
                if (auto fixes = mended.verdict.mend(
                        *sums, std::string_view(bytes.constData(), std::size_t(bytes.size()))))
                    mended.fixes =
                        std::make_shared<const std::vector<CtdbRepair::Fix>>(std::move(*fixes));
                m_work.answer(&m_client, [this, sums, outcome, mended, npar, done, bytes] {
                    // More of the file mends more words in a column: fetched only when fewer
                    // did not.
                    const auto had = int(bytes.size() / CtdbClient::PlaneBytes);
                    if (!mended.fixes &&
                        mended.verdict.repair == CtdbVerdict::Repair::NotRepairable && had < npar) {
                        mend(sums, outcome, had < 8 ? 8 : npar, bytes, done);
                        return;
                    }
                    done(mended);
                });
            });
        },
        planes, have);
}
