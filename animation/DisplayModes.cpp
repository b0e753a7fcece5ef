#include "animation/DisplayModes.h"

#include "animation/AnimationPacing.h"
#include "animation/AnimationWindow.h"

using Control = AnimationWindow::Control;

DisplayModes::DisplayModes(AnimationWindow& window, AnimationPacing& pacing)
    : m_window(window), m_pacing(pacing)
{
}

void DisplayModes::doubleClick()
{
    if (m_window.isControlVisible(Control::Exit)) {
        m_window.setWindowState(AnimationWindow::WindowState::Maximised);
        m_window.setControlVisible(Control::Exit, false);
        m_window.setControlVisible(Control::Load, false);
        m_window.setControlVisible(Control::About, false);
        m_window.setControlVisible(Control::Panel, false);
        m_pacing.setClickInterval(ClickInterval(AnimationPacing::Step));
        m_window.setTimerInterval(m_pacing.clickInterval().value());
        m_window.setBorderStyle(AnimationWindow::BorderStyle::None);
    } else if (!m_window.isControlVisible(Control::Exit)) {
        m_window.setWindowState(AnimationWindow::WindowState::Normal);
        m_window.setBackgroundColour(Colour::buttonFace());
        m_window.setBorderStyle(AnimationWindow::BorderStyle::FixedSingle);
        m_window.setControlVisible(Control::Panel, true);
        m_window.setControlVisible(Control::Exit, true);
        m_window.setControlVisible(Control::Load, true);
        m_window.setControlVisible(Control::About, true);
    }
}
