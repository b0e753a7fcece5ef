#pragma once

#include <QDBusConnection>
#include <QString>

/// Only one Spindella plays: a second one started with a disc image hands it to the first
/// through the media-player interface and ends.
namespace HandOver {

enum class Result {
    /// No Spindella is on the bus: this one plays.
    NoPlayer,
    HandedOver,
    /// One is on the bus but did not answer in time: this one must not play as well.
    NotAnswering
};

/// Hands the image at `path` to a Spindella already on the bus, waiting for it to answer while
/// it is busy, up to 10 s.
Result toRunningPlayer(const QDBusConnection& connection, const QString& path);

} // namespace HandOver
