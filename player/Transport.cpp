#include "player/Transport.h"

#include "player/PlaybackControl.h"

#include <algorithm>
#include <cstdio>
#include <iterator>
#include <utility>

// The display's texts are marked for the translators; the player translates them as they are
// shown.
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(context, text) text
#endif
#ifndef QT_TRANSLATE_N_NOOP
#define QT_TRANSLATE_N_NOOP(context, text) text
#endif

namespace {

/// `format` with %1 to %9 filled in.
std::string filled(const std::string& format, const std::vector<std::string>& values)
{
    std::string out;
    for (std::size_t at = 0; at < format.size(); ++at) {
        const std::size_t n = at + 1 < format.size() ? std::size_t(format[at + 1] - '1') : 9;
        if (format[at] == '%' && n < values.size()) {
            out += values[n];
            ++at;
        } else {
            out += format[at];
        }
    }
    return out;
}

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
        halt();
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
        halt();
    m_state = State::NoDisc;
    m_toc = {};
    m_audio.clear();
}

void Transport::discLoaded(const DiscToc& toc)
{
    m_refusal.clear();
    if (m_state == State::Playing || m_state == State::Paused)
        halt();
    ++m_discsLoaded;
    m_resume = Resume::Nothing;
    m_outputLetGo = false;
    m_toc = toc;
    m_audio = toc.audioTracks();
    m_ahead.clear();
    newOrder(false);
    m_index = m_shuffle && !order().empty() ? order().front() : firstIndex();
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
    startRange(m_index, m_elapsed);
}

void Transport::halt()
{
    m_playback.stop();
    forgetQueue();
}

void Transport::forgetQueue()
{
    m_ahead.clear();
    m_queuePending = m_endQueued = false;
}

void Transport::startRange(int index, int sector)
{
    const TrackInfo& track = m_audio[std::size_t(index)];
    m_playback.start(track.firstSector + sector, track.endSector());
    forgetQueue();
    queueAfter({index, 0});
}

void Transport::leavePasses(std::size_t passes)
{
    for (std::size_t n = 0; n < passes; ++n)
        m_passes.pop_front();
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
        halt();
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
        startRange(m_index, 0);
    else if (m_state == State::Paused) {
        halt();
        m_state = State::Stopped;
        m_outputLetGo = false;
    }
}

void Transport::previous()
{
    m_refusal.clear();
    if (!hasDisc())
        return;
    const int before = previousTrack();
    goTo(m_elapsed > RestartThreshold || before < 0 ? m_index : before);
}

void Transport::next()
{
    m_refusal.clear();
    if (!hasDisc())
        return;
    if (const auto next = nextTrack()) {
        leavePasses(next->pass);
        goTo(next->index);
    }
}

bool Transport::choose(int number)
{
    m_refusal.clear();
    const auto chosen = std::find_if(m_audio.begin(), m_audio.end(),
                                     [&](const TrackInfo& t) { return t.number == number; });
    if (!hasDisc() || chosen == m_audio.end())
        return false;
    ++m_jumps;
    const int index = int(chosen - m_audio.begin());
    if (m_shuffle)
        keepPass(index);
    m_index = index;
    m_elapsed = 0;
    startHere();
    return true;
}

void Transport::keepPass(int chosen)
{
    std::vector<int>& current = m_passes.front();
    if (std::find(current.begin(), current.end(), chosen) == current.end())
        return;
    // What was heard of the pass stays heard; the chosen track joins it, and the rest follows
    // in the pass's order.
    const int place = placeInOrder(m_index);
    const bool hearing = m_state == State::Playing || m_state == State::Paused;
    const auto unheard = current.begin() + (place < 0 ? 0 : place + (hearing ? 1 : 0));
    std::vector<int> kept(current.begin(), unheard);
    std::erase(kept, chosen);
    kept.push_back(chosen);
    std::copy_if(unheard, current.end(), std::back_inserter(kept),
                 [chosen](int index) { return index != chosen; });
    current = std::move(kept);
}

void Transport::eject()
{
    m_refusal.clear();
    m_resume = Resume::Nothing;
    m_outputLetGo = false;
    if (m_state == State::Closed || m_state == State::NoDrive || m_state == State::Opening)
        return;
    if (m_state == State::Playing || m_state == State::Paused)
        halt();
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
        const auto next = nextTrack();
        if (!next) {
            stopAtDiscEnd();
            return;
        }
        leavePasses(next->pass);
        m_index = next->index;
        sectorInTrack = 0;
    }
    m_elapsed = std::max(sectorInTrack, 0);
    m_outputLetGo = false;
    startRange(m_index, m_elapsed);
    // A paused track stays paused at its new place.
    if (m_state == State::Paused)
        m_playback.pause();
}

void Transport::position(int sector)
{
    if (m_state != State::Playing && m_state != State::Paused)
        return;
    if (!m_ahead.empty()) {
        const TrackInfo& next = m_audio[std::size_t(m_ahead.front().index)];
        if (sector >= next.firstSector && sector < next.endSector() &&
            (sector < current().firstSector || sector >= current().endSector()))
            rangeStarted();
    }
    if (sector >= current().firstSector && sector < current().endSector())
        m_elapsed = sector - current().firstSector;
}

void Transport::rangeTaken()
{
    if ((m_state != State::Playing && m_state != State::Paused) || !m_queuePending || m_endQueued)
        return;
    m_queuePending = false;
    queueAfter(m_ahead.empty() ? Ahead{m_index, 0} : m_ahead.back());
}

void Transport::rangeStarted()
{
    if ((m_state != State::Playing && m_state != State::Paused) || m_ahead.empty())
        return;
    const Ahead now = m_ahead.front();
    m_ahead.pop_front();
    leavePasses(now.pass);
    for (Ahead& later : m_ahead)
        later.pass -= now.pass;
    // The same track again (repeated) is a jump back to its start.
    if (now.index == m_index)
        ++m_jumps;
    m_index = now.index;
    m_elapsed = 0;
}

void Transport::endOfDisc()
{
    if (m_state != State::Playing)
        return;
    // The order may have changed after reading took its end: then it goes on.
    if (const auto next = m_endQueued ? following({m_index, 0}) : std::nullopt) {
        leavePasses(next->pass);
        ++m_jumps;
        m_index = next->index;
        m_elapsed = 0;
        startRange(m_index, 0);
        return;
    }
    stopAtDiscEnd();
}

void Transport::stopAtDiscEnd()
{
    halt();
    m_state = State::Stopped;
    // A shuffled disc begins a new order, shown by the track it begins with.
    newOrder(false);
    m_index = m_shuffle && !order().empty() ? order().front() : firstIndex();
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
    halt();
    m_state = State::ReadError;
    m_elapsed = 0;
}

void Transport::noSound()
{
    if (m_state == State::Playing || m_state == State::Paused) {
        m_resume = m_state == State::Playing ? Resume::Playing : Resume::Paused;
        halt();
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
        halt();
        m_state = State::Paused;
        m_outputLetGo = true;
    }
}

Transport::Buttons Transport::buttons() const
{
    Buttons b;
    const bool notLast = hasDisc() && hasNextTrack();
    const bool notFirst = hasDisc() && previousTrack() >= 0;
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
        b.previous = notFirst;
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
        return m_translate(QT_TRANSLATE_NOOP("Transport", "Bad image"), -1);
    switch (m_state) {
    case State::Closed:
        return m_translate(QT_TRANSLATE_NOOP("Transport", "Press Load"), -1);
    case State::Opening:
        return m_translate(QT_TRANSLATE_NOOP("Transport", "Opening"), -1);
    case State::NoDrive:
        return m_translate(QT_TRANSLATE_NOOP("Transport", "No drive"), -1);
    case State::NoDisc:
        return m_translate(QT_TRANSLATE_NOOP("Transport", "No disc"), -1);
    case State::NoAudio:
        return m_translate(QT_TRANSLATE_NOOP("Transport", "No audio"), -1);
    case State::NoSound:
        return m_translate(QT_TRANSLATE_NOOP("Transport", "No sound"), -1);
    case State::ReadError:
        return m_translate(QT_TRANSLATE_NOOP("Transport", "Read error"), -1);
    case State::Stopped:
    case State::Playing:
    case State::Paused:
        break;
    }
    return twoDigits(track()) + " " + clock(m_elapsed);
}

std::string Transport::trackTitle(const TrackInfo& track) const
{
    if (!track.title.empty())
        return track.title;
    return track.number == 0 ? m_translate(QT_TRANSLATE_NOOP("Transport", "Hidden track"), -1)
                             : filled(m_translate(QT_TRANSLATE_NOOP("Transport", "Track %1"), -1),
                                      {std::to_string(track.number)});
}

std::string Transport::details() const
{
    if (!m_refusal.empty())
        return m_refusal;
    if (m_audio.empty())
        return {};
    auto byline = [](const std::string& text, const std::string& performer) {
        return performer.empty() ? text : text.empty() ? performer : text + " - " + performer;
    };
    const TrackInfo& now = current();
    std::string title = byline(trackTitle(now), now.performer);
    if (now.preEmphasis)
        title =
            filled(m_translate(QT_TRANSLATE_NOOP("Transport", "%1 (pre-emphasis)"), -1), {title});
    std::string text = twoDigits(now.number) + " " + title + "\n";
    if (!m_toc.title.empty() || !m_toc.performer.empty())
        text += byline(m_toc.title, m_toc.performer) + "\n";
    int sectors = 0, tracks = 0;
    for (const TrackInfo& t : m_audio) {
        if (t.number > 0) {
            sectors += t.sectorCount;
            ++tracks;
        }
    }
    return text + filled(m_translate(QT_TRANSLATE_N_NOOP("Transport", "%n track(s), %1"), tracks),
                         {clock(sectors)});
}

void Transport::setShuffle(bool shuffle)
{
    if (shuffle == m_shuffle)
        return;
    m_shuffle = shuffle;
    // The track playing goes on, first in the new order.
    newOrder(true);
    for (Ahead& later : m_ahead)
        later.pass = 0;
    replan();
}

void Transport::setRepeat(Repeat repeat)
{
    m_repeat = repeat;
    replan();
}

void Transport::newOrder(bool keepCurrent)
{
    m_passes.clear();
    m_passes.push_back(makePass(keepCurrent ? -1 : m_index));
    std::vector<int>& first = m_passes.front();
    const auto here = std::find(first.begin(), first.end(), m_index);
    if (m_shuffle && keepCurrent && here != first.end())
        std::rotate(first.begin(), here, here + 1);
}

std::vector<int> Transport::makePass(int notFirst)
{
    std::vector<int> pass;
    for (int n = firstIndex(); n < int(m_audio.size()); ++n)
        pass.push_back(n);
    if (!m_shuffle)
        return pass;
    std::shuffle(pass.begin(), pass.end(), m_random);
    // A new pass never begins with the track the last one ended with.
    if (pass.size() > 1 && pass.front() == notFirst)
        std::swap(pass.front(), pass[1 + m_random() % (pass.size() - 1)]);
    return pass;
}

const std::vector<int>& Transport::pass(std::size_t n)
{
    while (m_passes.size() <= n)
        m_passes.push_back(makePass(m_passes.back().empty() ? -1 : m_passes.back().back()));
    return m_passes[n];
}

int Transport::placeInOrder(int index) const
{
    const auto found = std::find(order().begin(), order().end(), index);
    return found == order().end() ? -1 : int(found - order().begin());
}

std::optional<Transport::Ahead> Transport::following(const Ahead& after)
{
    if (m_repeat == Repeat::Track)
        return after;
    const std::vector<int>& within = pass(after.pass);
    const auto place = std::find(within.begin(), within.end(), after.index);
    // The hidden track leads into the order's first.
    if (place == within.end())
        return within.empty() ? std::nullopt : std::optional<Ahead>({within.front(), after.pass});
    if (place + 1 != within.end())
        return Ahead{*(place + 1), after.pass};
    if (m_repeat == Repeat::Disc)
        return Ahead{pass(after.pass + 1).front(), after.pass + 1};
    return std::nullopt;
}

std::optional<Transport::Ahead> Transport::nextTrack()
{
    // Next moves on, whether a track repeats or not.
    const Repeat repeat =
        std::exchange(m_repeat, m_repeat == Repeat::Track ? Repeat::Off : m_repeat);
    const auto next = following({m_index, 0});
    m_repeat = repeat;
    return next;
}

bool Transport::hasNextTrack() const
{
    // From the hidden track, the order's first; from the last, the next pass's first.
    const int place = placeInOrder(m_index);
    return !order().empty() && (place + 1 < int(order().size()) || m_repeat == Repeat::Disc);
}

int Transport::previousTrack() const
{
    const int place = placeInOrder(m_index);
    if (place > 0)
        return order()[std::size_t(place) - 1];
    if (place == 0 && !m_shuffle && firstIndex() > 0)
        return 0;
    if (place == 0 && m_repeat == Repeat::Disc && order().size() > 1)
        return order().back();
    return -1;
}

void Transport::queueAfter(const Ahead& after)
{
    const auto next = following(after);
    m_queuePending = true;
    m_endQueued = !next;
    if (!next) {
        m_playback.queue(0, 0);
        return;
    }
    m_ahead.push_back(*next);
    const TrackInfo& track = m_audio[std::size_t(next->index)];
    m_playback.queue(track.firstSector, track.endSector());
}

void Transport::replan()
{
    if ((m_state != State::Playing && m_state != State::Paused) || !m_queuePending)
        return;
    const std::size_t kept = m_ahead.size() - (m_endQueued ? 0 : 1);
    const auto next = following(kept == 0 ? Ahead{m_index, 0} : m_ahead[kept - 1]);
    const TrackInfo* track = next ? &m_audio[std::size_t(next->index)] : nullptr;
    // Reading may have taken it already: then it stands, and what follows it comes by the new
    // order.
    if (!m_playback.requeue(track ? track->firstSector : 0, track ? track->endSector() : 0))
        return;
    m_ahead.resize(kept);
    m_endQueued = !next;
    if (next)
        m_ahead.push_back(*next);
}
