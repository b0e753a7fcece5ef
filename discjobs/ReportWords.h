#pragma once

#include "discsave/DiscReport.h"

#include <QCoreApplication>
#include <QString>

/// What a saving or verifying found, in the listener's words: for the command line's lines,
/// the panel's tooltip and the desktop's notification alike.
class ReportWords {
    Q_DECLARE_TR_FUNCTIONS(ReportWords)

public:
    /// AccurateRip's answer on one track.
    static QString verdict(const TrackResult& track);
    /// The disc's answer in one line.
    static QString summary(const DiscReport& report);
    /// A line for each track, "Track 3: accurate (confidence 12)".
    static QStringList tracks(const DiscReport& report);
    /// The CUETools database's answer on one track, or on the whole disc with what a repair
    /// could do and the offset it was found at.
    static QString ctdbVerdict(const CtdbVerdict::Track& track);
    static QString ctdbVerdict(const CtdbVerdict& disc);
    /// "CTDB: differs, not repairable": the database's answer on the disc in one line.
    static QString ctdbSummary(const DiscReport& report);
    /// A line for each track, "CTDB track 3: differs", then, for an answer that could not be
    /// read, a line saying why, and last the disc's line.
    static QStringList ctdbLines(const DiscReport& report);
};
