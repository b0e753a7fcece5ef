#include "desktop/Inhibition.h"

void Inhibition::setWanted(bool wanted)
{
    // A refusal stands until the hold is no longer wanted: asked again only when wanted anew.
    if (!wanted)
        m_refused = false;
    m_wanted = wanted;
    settle();
}

void Inhibition::answered(const std::optional<Hold>& hold)
{
    m_asking = false;
    m_hold = hold;
    m_refused = !hold;
    settle();
}

std::optional<Inhibition::Hold> Inhibition::take()
{
    m_wanted = false;
    return std::exchange(m_hold, std::nullopt);
}

void Inhibition::settle()
{
    if (m_asking)
        return;
    if (m_wanted && !m_hold && !m_refused) {
        m_asking = true;
        m_service.inhibit();
    } else if (!m_wanted && m_hold) {
        m_service.release(*std::exchange(m_hold, std::nullopt));
    }
}
