#pragma once

#include "core/Reason.h"
#include "ctdb/CtdbClient.h"
#include "ctdb/CtdbDiscSums.h"
#include "ctdb/CtdbRepair.h"
#include "ctdb/CtdbVerdict.h"
#include "discjobs/WorkThread.h"

#include <QObject>

#include <functional>
#include <memory>
#include <vector>

/// Asks the CUETools database about a disc's summed audio, for a saving and a verifying alike:
/// its entries first, then, for audio that differs, the parity that says whether and how it
/// can be mended. Answers come on the thread that made it, as the client's do; the judging and
/// the mending, a tenth of a second for a long disc, run on the job's own thread.
class CtdbCheck {
public:
    struct Outcome {
        CtdbVerdict verdict;
        /// Why an answer came that could not be read; empty otherwise.
        Reason why;
        /// The mends of a repairable disc, at the verdict's offset; none otherwise.
        std::shared_ptr<const std::vector<CtdbRepair::Fix>> fixes;
    };

    /// Judges on `work`, which must be destroyed before it.
    CtdbCheck(QObject* parent, WorkThread& work) : m_client(parent), m_work(work) {}

    /// The verdict on `tracks` audio tracks of the disc `toc` describes, whose audio `sums`
    /// summed (none when it could not be); `done` is told once, never before this returns.
    void check(const CtdbToc& toc, const std::shared_ptr<const CtdbDiscSums>& sums,
               std::size_t tracks, std::function<void(const Outcome&)> done);

private:
    /// Mends from the first `planes` of the parity file, fetching on from `have` and trying
    /// again with more while too few mend it.
    void mend(const std::shared_ptr<const CtdbDiscSums>& sums, const Outcome& outcome, int planes,
              const QByteArray& have, const std::function<void(const Outcome&)>& done);

    CtdbClient m_client;
    WorkThread& m_work;
};
