#pragma once

#include <QDBusConnection>
#include <QString>

/// Only one Spindella plays: a second one started with a disc image hands it to the first
/// through the media-player interface and ends.
namespace HandOver {

/// Whether a Spindella already on the bus took the image at `path`; false when there is none,
/// or it did not answer in time.
bool toRunningPlayer(const QDBusConnection& connection, const QString& path);

} // namespace HandOver
