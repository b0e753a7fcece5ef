#include "cdaudio/Transport.h"

#include "cdaudio/PlaybackControl.h"

#include <algorithm>
#include <cstdio>
#include <utility>

namespace {
std::string clock(int sectors)
{
    const int seconds = sectors / DiscToc::SectorsPerSecond;
    char text[16];
    std::snprintf(text, sizeof text, "%02d:%02d", seconds / 60 % 100, seconds % 60);
    return text;
}

std::string twoDigits(int number)
{
    char text[8];
    std::snprintf(text, sizeof text, "%02d", number % 100);
    return text;
}
} // namespace

Transport::Transport(PlaybackControl& playback) : m_playback(playback) {}

void Transport::opening()
{
    m_refusal.clear();
    m_resume = Resume::Nothing;
    if (m_state == State::Playing || m_state == State::Paused)
        m_playback.stop();
    m_state = State::Opening;
}

void Transport::noDrive()
{
    m_state = State::NoDrive;
    m_toc = {};
    m_audio.clear();
}

void Transport::noDisc()
{
    if (m_state == State::Playing || m_state == State::Paused)
        m_playback.stop();
    m_state = State::NoDisc;
    m_toc = {};
    m_audio.clear();
}

void Transport::discLoaded(const DiscToc& toc)
{
    m_refusal.clear();
    if (m_state == State::Playing || m_state == State::Paused)
        m_playback.stop();
    ++m_discsLoaded;
    m_resume = Resume::Nothing;
    m_outputLetGo = false;
    m_toc = toc;
    m_audio = toc.audioTracks();
    m_index = firstIndex();
    m_elapsed = 0;
    m_state = m_audio.empty() ? State::NoAudio : State::Stopped;
}

void Transport::rename(const DiscToc& named)
{
    const auto place = [](const DiscToc& toc) {
        std::vector<std::pair<int, int>> tracks;
        for (const TrackInfo& track : toc.tracks)
            tracks.emplace_back(track.firstSector, track.sectorCount);
        return std::make_pair(tracks, toc.hiddenSectors);
    };
    if (!hasDisc() || place(named) != place(m_toc))
        return;
    m_toc = named;
    const int index = m_index;
    m_audio = named.audioTracks();
    m_index = index;
}

void Transport::imageRefused(std::string why)
{
    m_refusal = std::move(why);
}

bool Transport::hasDisc() const
{
    switch (m_state) {
    case State::Stopped:
    case State::Playing:
    case State::Paused:
    case State::NoSound:
    case State::ReadError:
        return true;
    default:
        return false;
    }
}

int Transport::track() const
{
    return m_audio.empty() ? 0 : current().number;
}

int Transport::firstIndex() const
{
    return !m_audio.empty() && m_audio.front().number == 0 ? 1 : 0;
}

int Transport::playEnd() const
{
    std::size_t last = std::size_t(m_index);
    while (last + 1 < m_audio.size() && m_audio[last + 1].number == m_audio[last].number + 1)
        ++last;
    return m_audio[last].endSector();
}

void Transport::play()
{
    m_refusal.clear();
    if (m_state == State::Paused && !m_outputLetGo) {
        m_playback.resume();
        m_state = State::Playing;
    } else if (m_state == State::Stopped || m_state == State::NoSound ||
               m_state == State::ReadError || m_state == State::Paused) {
        startHere();
    }
}

void Transport::startHere()
{
    m_resume = Resume::Nothing;
    m_outputLetGo = false;
    m_state = State::Playing;
    m_playback.start(current().firstSector + m_elapsed, playEnd());
}

void Transport::pause()
{
    m_refusal.clear();
    // The user's word wins over a sound server coming back.
    m_resume = Resume::Nothing;
    if (m_state == State::Playing) {
        m_playback.pause();
        m_state = State::Paused;
    }
}

void Transport::stop()
{
    m_refusal.clear();
    if (m_state == State::Playing || m_state == State::Paused || isAwaitingSound()) {
        m_playback.stop();
        m_state = State::Stopped;
    }
    m_resume = Resume::Nothing;
    m_outputLetGo = false;
    if (hasDisc())
        m_elapsed = 0;
}

void Transport::goTo(int index)
{
    ++m_jumps;
    m_index = index;
    m_elapsed = 0;
    if (m_state == State::Playing)
        m_playback.start(current().firstSector, playEnd());
    else if (m_state == State::Paused) {
        m_playback.stop();
        m_state = State::Stopped;
        m_outputLetGo = false;
    }
}

void Transport::previous()
{
    m_refusal.clear();
    if (!hasDisc())
        return;
    const bool restart = m_elapsed > RestartThreshold || m_index == 0;
    goTo(restart ? m_index : m_index - 1);
}

void Transport::next()
{
    m_refusal.clear();
    if (hasDisc() && m_index + 1 < int(m_audio.size()))
        goTo(m_index + 1);
}

void Transport::eject()
{
    m_refusal.clear();
    m_resume = Resume::Nothing;
    m_outputLetGo = false;
    if (m_state == State::Closed || m_state == State::NoDrive || m_state == State::Opening)
        return;
    if (m_state == State::Playing || m_state == State::Paused)
        m_playback.stop();
    m_playback.eject();
    m_state = m_toc.fromImage ? State::Closed : State::NoDisc;
    m_toc = {};
    m_audio.clear();
    m_index = 0;
    m_elapsed = 0;
}

void Transport::seek(int sectorInTrack)
{
    m_refusal.clear();
    if (m_state != State::Playing && m_state != State::Paused)
        return;
    ++m_jumps;
    if (sectorInTrack >= current().sectorCount) {
        if (m_index + 1 >= int(m_audio.size())) {
            stopAtDiscEnd();
            return;
        }
        ++m_index;
        sectorInTrack = 0;
    }
    m_elapsed = std::max(sectorInTrack, 0);
    m_outputLetGo = false;
    m_playback.start(current().firstSector + m_elapsed, playEnd());
    // A paused track stays paused at its new place.
    if (m_state == State::Paused)
        m_playback.pause();
}

void Transport::position(int sector)
{
    if (m_state != State::Playing && m_state != State::Paused)
        return;
    for (std::size_t n = 0; n < m_audio.size(); ++n) {
        if (sector >= m_audio[n].firstSector && sector < m_audio[n].endSector()) {
            m_index = int(n);
            m_elapsed = sector - m_audio[n].firstSector;
            return;
        }
    }
}

void Transport::endOfDisc()
{
    if (m_state == State::Playing)
        stopAtDiscEnd();
}

void Transport::stopAtDiscEnd()
{
    m_playback.stop();
    m_state = State::Stopped;
    m_index = firstIndex();
    m_elapsed = 0;
}

void Transport::readError()
{
    if (m_state != State::Playing && m_state != State::Paused)
        return;
    // A hidden track the drive cannot read is skipped for track 1.
    if (current().number == 0) {
        goTo(firstIndex());
        return;
    }
    m_playback.stop();
    m_state = State::ReadError;
    m_elapsed = 0;
}

void Transport::noSound()
{
    if (m_state == State::Playing || m_state == State::Paused) {
        m_resume = m_state == State::Playing ? Resume::Playing : Resume::Paused;
        m_playback.stop();
        m_state = State::NoSound;
        m_outputLetGo = false;
    }
}

void Transport::soundBack()
{
    if (m_state != State::NoSound || !isAwaitingSound())
        return;
    if (m_resume == Resume::Playing) {
        startHere();
    } else {
        m_resume = Resume::Nothing;
        m_state = State::Paused;
        m_outputLetGo = true;
    }
}

void Transport::pauseAndLetGo()
{
    if (m_resume == Resume::Playing)
        m_resume = Resume::Paused;
    if (m_state == State::Playing || m_state == State::Paused) {
        m_playback.stop();
        m_state = State::Paused;
        m_outputLetGo = true;
    }
}

Transport::Buttons Transport::buttons() const
{
    Buttons b;
    const bool notLast = m_index + 1 < int(m_audio.size());
    switch (m_state) {
    case State::Closed:
    case State::Opening:
    case State::NoDrive:
        break;
    case State::NoDisc:
    case State::NoAudio:
        b.eject = true;
        break;
    case State::Stopped:
    case State::NoSound:
    case State::ReadError:
        b.previous = m_index > 0;
        b.play = true;
        // Awaiting the sound server, as if playing: Pause and Stop cancel the wait.
        b.pause = b.stop = isAwaitingSound();
        b.next = notLast;
        b.eject = true;
        break;
    case State::Playing:
        b.previous = b.pause = b.stop = b.eject = true;
        b.next = notLast;
        break;
    case State::Paused:
        b.previous = b.play = b.stop = b.eject = true;
        b.next = notLast;
        break;
    }
    return b;
}

std::string Transport::display() const
{
    if (!m_refusal.empty())
        return "Bad image";
    switch (m_state) {
    case State::Closed:
        return "Press Load";
    case State::Opening:
        return "Opening";
    case State::NoDrive:
        return "No drive";
    case State::NoDisc:
        return "No disc";
    case State::NoAudio:
        return "No audio";
    case State::NoSound:
        return "No sound";
    case State::ReadError:
        return "Read error";
    case State::Stopped:
    case State::Playing:
    case State::Paused:
        break;
    }
    return twoDigits(track()) + " " + clock(m_elapsed);
}

std::string Transport::details() const
{
    if (!m_refusal.empty())
        return m_refusal;
    if (m_audio.empty())
        return {};
    auto byline = [](std::string text, const std::string& performer) {
        return performer.empty() ? text : text.empty() ? performer : text + " - " + performer;
    };
    const TrackInfo& now = current();
    std::string text = twoDigits(now.number) + " " + byline(now.displayTitle(), now.performer) +
                       (now.preEmphasis ? " (pre-emphasis)\n" : "\n");
    if (!m_toc.title.empty() || !m_toc.performer.empty())
        text += byline(m_toc.title, m_toc.performer) + "\n";
    int sectors = 0, tracks = 0;
    for (const TrackInfo& t : m_audio) {
        if (t.number > 0) {
            sectors += t.sectorCount;
            ++tracks;
        }
    }
    return text + std::to_string(tracks) + (tracks == 1 ? " track, " : " tracks, ") +
           clock(sectors);
}
