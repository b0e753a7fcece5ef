#include "panel/SpokenMenuEntry.h"

#include <QAction>
#include <QMenu>

void SpokenMenuEntry::install()
{
    static const bool installed = [] {
        QAccessible::installFactory([](const QString&, QObject* object) -> QAccessibleInterface* {
            auto* action = qobject_cast<QAction*>(object);
            return action && action->property("spoken").isValid() ? new SpokenMenuEntry(action)
                                                                  : nullptr;
        });
        return true;
    }();
    Q_UNUSED(installed);
}

SpokenMenuEntry::SpokenMenuEntry(QAction* action) : m_action(action) {}

QMenu* SpokenMenuEntry::menu() const
{
    if (m_action)
        for (QObject* owner : m_action->associatedObjects())
            if (auto* menu = qobject_cast<QMenu*>(owner))
                return menu;
    return nullptr;
}

bool SpokenMenuEntry::isValid() const
{
    return m_action && menu();
}

QObject* SpokenMenuEntry::object() const
{
    return m_action;
}

QWindow* SpokenMenuEntry::window() const
{
    QMenu* owner = menu();
    return owner ? owner->windowHandle() : nullptr;
}

QAccessibleInterface* SpokenMenuEntry::parent() const
{
    return QAccessible::queryAccessibleInterface(menu());
}

QString SpokenMenuEntry::text(QAccessible::Text text) const
{
    return m_action && text == QAccessible::Name ? m_action->property("spoken").toString()
                                                 : QString();
}

QRect SpokenMenuEntry::rect() const
{
    QMenu* owner = menu();
    return owner ? owner->actionGeometry(m_action).translated(owner->mapToGlobal(QPoint(0, 0)))
                 : QRect();
}

QAccessible::State SpokenMenuEntry::state() const
{
    QAccessible::State state;
    QMenu* owner = menu();
    state.invisible = !owner || !owner->isVisible();
    state.focused = owner && owner->activeAction() == m_action;
    state.disabled = !m_action || !m_action->isEnabled();
    state.checkable = m_action && m_action->isCheckable();
    state.checked = m_action && m_action->isChecked();
    return state;
}

void* SpokenMenuEntry::interface_cast(QAccessible::InterfaceType type)
{
    return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this)
                                                : nullptr;
}

QStringList SpokenMenuEntry::actionNames() const
{
    return {pressAction()};
}

void SpokenMenuEntry::doAction(const QString& name)
{
    if (name == pressAction() && m_action && m_action->isEnabled())
        m_action->trigger();
}
