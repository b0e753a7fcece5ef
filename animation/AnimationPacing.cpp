#include "animation/AnimationPacing.h"

#include "animation/AnimationWindow.h"

AnimationPacing::AnimationPacing(AnimationWindow& window) : m_window(window) {}

void AnimationPacing::click()
{
    if (m_varInterval == 0) {
        m_varInterval = m_varInterval + Step;
        m_window.setTimerInterval(m_varInterval.value());
    } else if (m_varInterval == Step) {
        m_varInterval = m_varInterval - Step;
        m_window.setTimerInterval(m_varInterval.value());
    }
}

void AnimationPacing::tick()
{
    // A tick already queued when the interval became 0 draws nothing.
    if (m_window.TimerInterval() != 0)
        m_window.DrawCircleBurst();
}

void AnimationPacing::panelStarted()
{
    m_window.setTimerInterval(Step);
}

void AnimationPacing::panelStopped()
{
    m_window.setTimerInterval(0);
}
