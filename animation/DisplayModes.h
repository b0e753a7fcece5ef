#pragma once

class AnimationPacing;
class AnimationWindow;

/// The double-click toggle between the windowed player and the full-screen animation. The
/// mode is Exit's visibility; nothing else is consulted.
class DisplayModes {
public:
    DisplayModes(AnimationWindow& window, AnimationPacing& pacing);

    void doubleClick();

private:
    AnimationWindow& m_window;
    AnimationPacing& m_pacing;
};
