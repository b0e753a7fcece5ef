#pragma once

#include <string>
#include <vector>

/// Track numbers typed as on a remote control: digits typed within a pause of each other make
/// one number, which is taken as soon as no longer number can exist on the disc, else once
/// typing pauses. A number the disc has no track of is dropped.
class TrackNumberEntry {
public:
    static constexpr int PauseMs = 1500;

    enum class Outcome { Typing, Chosen, Dropped };

    /// A digit typed, on a disc with tracks `numbers`.
    Outcome type(int digit, const std::vector<int>& numbers);
    /// Typing paused for PauseMs.
    Outcome pause(const std::vector<int>& numbers);
    /// The digits typed so far, as the display shows them; empty when none are.
    const std::string& typed() const { return m_typed; }
    /// The track chosen, after Chosen.
    int number() const { return m_number; }

private:
    Outcome settle(bool complete, const std::vector<int>& numbers);

    std::string m_typed;
    int m_number = -1;
};
