#pragma once

#include <QAccessibleActionInterface>
#include <QAccessibleInterface>
#include <QPointer>

class QAction;
class QMenu;

/// A menu entry as a screen reader meets it, named in words: "Track 3, Title, 3 minutes 45
/// seconds" for "3  Title  3:45". Qt names a menu entry by its text; an action with a "spoken"
/// property is named by that instead.
class SpokenMenuEntry : public QAccessibleInterface, public QAccessibleActionInterface {
public:
    /// Makes every action with a "spoken" property speak it; once is enough.
    static void install();

    explicit SpokenMenuEntry(QAction* action);

    bool isValid() const override;
    QObject* object() const override;
    QWindow* window() const override;
    QAccessibleInterface* parent() const override;
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QString text(QAccessible::Text text) const override;
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override;
    QAccessible::Role role() const override { return QAccessible::MenuItem; }
    QAccessible::State state() const override;
    void* interface_cast(QAccessible::InterfaceType type) override;

    QStringList actionNames() const override;
    void doAction(const QString& name) override;
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

private:
    QMenu* menu() const;

    QPointer<QAction> m_action;
};
