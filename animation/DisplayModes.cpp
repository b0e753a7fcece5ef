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
    if (m_window.Visible(Control::Exit)) {
        m_window.setWindowState(AnimationWindow::WindowState::Maximised);
        m_window.setVisible(Control::Exit, false);
        m_window.setVisible(Control::Load, false);
        m_window.setVisible(Control::About, false);
        m_window.setVisible(Control::Panel, false);
        m_pacing.setVarInterval(VarInterval(AnimationPacing::Step));
        m_window.setTimerInterval(m_pacing.varInterval().value());
        m_window.setBorderStyle(AnimationWindow::BorderStyle::None);
    } else if (!m_window.Visible(Control::Exit)) {
        m_window.setWindowState(AnimationWindow::WindowState::Normal);
        m_window.setBackColor(Colour::buttonFace());
        m_window.setBorderStyle(AnimationWindow::BorderStyle::FixedSingle);
        m_window.setVisible(Control::Panel, true);
        m_window.setVisible(Control::Exit, true);
        m_window.setVisible(Control::Load, true);
        m_window.setVisible(Control::About, true);
    }
}
