#include "animation/AnimationPacing.h"

#include "animation/AnimationWindow.h"

AnimationPacing::AnimationPacing(AnimationWindow& window) : m_window(window) {}

void AnimationPacing::click()
{
    if (m_clickInterval == 0) {
        m_clickInterval = m_clickInterval + Step;
        m_window.setTimerInterval(m_clickInterval.value());
    } else if (m_clickInterval == Step) {
        m_clickInterval = m_clickInterval - Step;
        m_window.setTimerInterval(m_clickInterval.value());
    }
}

void AnimationPacing::tick()
{
    // A tick already queued when the interval became 0 draws nothing.
    if (m_window.timerInterval() != 0)
        m_window.drawCircleBurst();
}

void AnimationPacing::panelStarted()
{
    m_window.setTimerInterval(Step);
}

void AnimationPacing::panelStopped()
{
    m_window.setTimerInterval(0);
}
