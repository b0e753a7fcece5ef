#include "desktop/MprisPlayer.h"

#include "panel/CdPlayerPanel.h"

#include <QDBusMessage>
#include <QStringList>
#include <QUrl>

#include <algorithm>
#include <array>
#include <limits>

using Button = CdPlayerPanel::Button;
using State = Transport::State;

MprisPlayer::MprisPlayer(QObject* service, CdPlayerPanel& panel, const QDBusConnection& connection)
    : QDBusAbstractAdaptor(service), m_panel(panel), m_connection(connection)
{
    connect(&m_panel.player(), &CdPlayer::changed, this, &MprisPlayer::announceJumps);
    announceJumps();
}

void MprisPlayer::announceJumps()
{
    const int jumps = m_panel.player().transport().jumps();
    const QDBusObjectPath track = trackId();
    if (jumps != m_jumps && track == m_jumpedIn)
        Q_EMIT Seeked(position());
    m_jumps = jumps;
    m_jumpedIn = track;
}

QString MprisPlayer::playbackStatus() const
{
    switch (m_panel.player().transport().state()) {
    case State::Playing:
        return QStringLiteral("Playing");
    case State::Paused:
        return QStringLiteral("Paused");
    default:
        return QStringLiteral("Stopped");
    }
}

QDBusObjectPath MprisPlayer::trackId() const
{
    return QDBusObjectPath(QStringLiteral("/org/halcyra/Spindella/Disc%1/Track%2")
                               .arg(m_panel.player().transport().discsLoaded())
                               .arg(m_panel.player().transport().track()));
}

QVariantMap MprisPlayer::metadata() const
{
    const Transport& transport = m_panel.player().transport();
    if (!transport.hasDisc())
        return {};
    const DiscToc& toc = transport.toc();
    const TrackInfo& track = transport.currentTrack();
    const int number = track.number;
    QVariantMap map{
        {QStringLiteral("mpris:trackid"), QVariant::fromValue(trackId())},
        {QStringLiteral("mpris:length"), qlonglong(DiscToc::usecs(track.sectorCount))},
        {QStringLiteral("xesam:trackNumber"), number},
    };
    map.insert(QStringLiteral("xesam:title"), QString::fromStdString(transport.trackTitle(track)));
    const std::string& artist = track.performer.empty() ? toc.performer : track.performer;
    // Only what is known goes out: an empty name is no name.
    const auto text = [&map](const char* key, const std::string& value) {
        if (!value.empty())
            map.insert(QLatin1String(key), QString::fromStdString(value));
    };
    const auto list = [&map](const char* key, const std::string& value) {
        if (!value.empty())
            map.insert(QLatin1String(key), QStringList{QString::fromStdString(value)});
    };
    text("xesam:album", toc.title);
    list("xesam:artist", artist);
    list("xesam:albumArtist", toc.performer);
    list("xesam:composer", track.songwriter);
    text("xesam:contentCreated", toc.releaseDate);
    text("xesam:musicBrainzTrackID", track.musicBrainzTrackId);
    text("xesam:musicBrainzAlbumID", toc.musicBrainzAlbumId);
    text("mpris:artUrl", toc.artUrl);
    if (toc.discNumber > 0)
        map.insert(QStringLiteral("xesam:discNumber"), toc.discNumber);
    return map;
}

qlonglong MprisPlayer::position() const
{
    return m_panel.player().positionUSecs();
}

double MprisPlayer::volume() const
{
    return m_panel.player().volume();
}

void MprisPlayer::setVolume(double volume)
{
    m_panel.player().setVolume(volume);
}

bool MprisPlayer::shuffle() const
{
    return m_panel.player().transport().shuffle();
}

void MprisPlayer::setShuffle(bool shuffle)
{
    m_panel.player().setShuffle(shuffle);
}

namespace {
constexpr std::array<QLatin1String, 3> LoopStatuses{QLatin1String("None"), QLatin1String("Track"),
                                                    QLatin1String("Playlist")};
} // namespace

QString MprisPlayer::loopStatus() const
{
    return LoopStatuses[std::size_t(m_panel.player().transport().repeat())];
}

void MprisPlayer::setLoopStatus(const QString& status)
{
    const auto named = std::find(LoopStatuses.begin(), LoopStatuses.end(), status);
    if (named != LoopStatuses.end())
        m_panel.player().setRepeat(Transport::Repeat(named - LoopStatuses.begin()));
}

bool MprisPlayer::canGoNext() const
{
    return m_panel.player().transport().buttons().next;
}

bool MprisPlayer::canGoPrevious() const
{
    return m_panel.player().transport().buttons().previous;
}

bool MprisPlayer::canPlay() const
{
    // The desktop's play-pause and stop ask for this while the disc plays, when the panel's
    // Play button is greyed.
    const Transport& transport = m_panel.player().transport();
    return transport.buttons().play || transport.state() == State::Playing;
}

bool MprisPlayer::canPause() const
{
    return m_panel.player().transport().buttons().pause;
}

bool MprisPlayer::canSeek() const
{
    const State state = m_panel.player().transport().state();
    return state == State::Playing || state == State::Paused;
}

void MprisPlayer::Next()
{
    m_panel.press(Button::Next);
}

void MprisPlayer::Previous()
{
    m_panel.press(Button::Previous);
}

void MprisPlayer::Pause()
{
    m_panel.press(Button::Pause);
}

void MprisPlayer::PlayPause()
{
    const bool playing = m_panel.player().transport().state() == State::Playing;
    m_panel.press(playing ? Button::Pause : Button::Play);
}

void MprisPlayer::Stop()
{
    m_panel.press(Button::Stop);
}

void MprisPlayer::Play()
{
    m_panel.press(Button::Play);
}

void MprisPlayer::Seek(qlonglong offset)
{
    if (!canSeek())
        return;
    const qlonglong from = position();
    const qlonglong furthest = std::numeric_limits<qlonglong>::max() - from;
    seekTo(offset > furthest ? std::numeric_limits<qlonglong>::max() : from + offset);
}

void MprisPlayer::SetPosition(const QDBusObjectPath& track, qlonglong position)
{
    // A request made for a track that has since changed is stale; one outside the track is
    // no request at all.
    if (!canSeek() || track != trackId() || position < 0 ||
        position > DiscToc::usecs(m_panel.player().transport().currentTrack().sectorCount))
        return;
    seekTo(position);
}

void MprisPlayer::seekTo(qlonglong position)
{
    m_panel.player().seek(position);
}

void MprisPlayer::OpenUri(const QString& uri, const QDBusMessage& message)
{
    // A path is taken as the file it names, as some tools send one for a file not there.
    const QUrl url =
        uri.startsWith(QLatin1Char('/')) ? QUrl::fromLocalFile(uri) : QUrl(uri, QUrl::StrictMode);
    if (url.isLocalFile()) {
        m_panel.openImage(url.toLocalFile());
        return;
    }
    message.setDelayedReply(true);
    m_connection.send(message.createErrorReply(QDBusError::NotSupported,
                                               tr("Spindella opens disc images from files only.")));
}
