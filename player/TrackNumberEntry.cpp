#include "player/TrackNumberEntry.h"

#include <algorithm>

TrackNumberEntry::Outcome TrackNumberEntry::type(int digit, const std::vector<int>& numbers)
{
    if (digit < 0 || digit > 9)
        return m_typed.empty() ? Outcome::Dropped : Outcome::Typing;
    m_typed += char('0' + digit);
    const int typed = std::stoi(m_typed);
    const int highest = numbers.empty() ? 0 : *std::max_element(numbers.begin(), numbers.end());
    // Another digit could only make a number past the disc's last track.
    return settle(typed * 10 > highest, numbers);
}

TrackNumberEntry::Outcome TrackNumberEntry::pause(const std::vector<int>& numbers)
{
    return m_typed.empty() ? Outcome::Dropped : settle(true, numbers);
}

TrackNumberEntry::Outcome TrackNumberEntry::settle(bool complete, const std::vector<int>& numbers)
{
    if (!complete)
        return Outcome::Typing;
    const int typed = std::stoi(m_typed);
    m_typed.clear();
    m_number = std::find(numbers.begin(), numbers.end(), typed) != numbers.end() ? typed : -1;
    return m_number >= 0 ? Outcome::Chosen : Outcome::Dropped;
}
