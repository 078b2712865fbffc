#pragma once

// What a screen reader is told: every accessibility event while a recorder lives, with what the
// event's object said of itself when it was sent. A screen reader believes the last focus event,
// so it must name the widget that really has the keyboard focus.
#include <QAccessible>
#include <QApplication>
#include <QList>
#include <QPointer>
#include <QWidget>

#include <gtest/gtest.h>

namespace orvane::test {

class AccessibilityEvents
{
public:
    struct Heard
    {
        QAccessible::Event type;
        QPointer<QObject> object;
        int child;
        QAccessible::Role role;
        QString name;
        QString value;
    };

    // Switches accessibility on while it lives: on the offscreen platform nothing else does, and
    // Qt hands no event on while it is off.
    AccessibilityEvents()
    {
        recorder() = this;
        m_wasActive = setAccessibilityActive(true);
        m_previous = QAccessible::installUpdateHandler(&record);
    }
    ~AccessibilityEvents()
    {
        QAccessible::installUpdateHandler(m_previous);
        setAccessibilityActive(m_wasActive);
        recorder() = nullptr;
    }
    AccessibilityEvents(const AccessibilityEvents &) = delete;
    AccessibilityEvents &operator=(const AccessibilityEvents &) = delete;

    void clear() { m_heard.clear(); }
    QList<Heard> focusEvents() const
    {
        QList<Heard> focus = m_heard;
        focus.removeIf([](const Heard &heard) { return heard.type != QAccessible::Focus; });
        return focus;
    }
    // The last focus event; an empty record (no object) when there was none.
    Heard lastFocus() const
    {
        const QList<Heard> focus = focusEvents();
        return focus.isEmpty() ? Heard{QAccessible::Focus, nullptr, -1, QAccessible::NoRole, {}, {}} : focus.last();
    }
    // The position of the last event of the type, -1 when there was none.
    qsizetype lastIndexOf(QAccessible::Event type) const
    {
        for (qsizetype index = m_heard.size() - 1; index >= 0; --index) {
            if (m_heard.at(index).type == type)
                return index;
        }
        return -1;
    }
    qsizetype lastFocusIndex() const { return lastIndexOf(QAccessible::Focus); }

private:
    // Returns whether it was on before.
    static bool setAccessibilityActive(bool active);
    static AccessibilityEvents *&recorder()
    {
        static AccessibilityEvents *current = nullptr;
        return current;
    }
    static void record(QAccessibleEvent *event)
    {
        QAccessibleInterface *iface = event->accessibleInterface();
        recorder()->m_heard.append({event->type(), event->object(), event->child(),
                                    iface ? iface->role() : QAccessible::NoRole,
                                    iface ? iface->text(QAccessible::Name) : QString(),
                                    iface ? iface->text(QAccessible::Value) : QString()});
    }

    QList<Heard> m_heard;
    QAccessible::UpdateHandler m_previous = nullptr;
    bool m_wasActive = false;
};

// The last focus event names the widget that has the keyboard focus, as itself (not a part of it).
inline void expectLastFocusOnFocusWidget(const AccessibilityEvents &events)
{
    const AccessibilityEvents::Heard last = events.lastFocus();
    ASSERT_NE(QApplication::focusWidget(), nullptr);
    EXPECT_EQ(last.object, QApplication::focusWidget())
        << "heard " << last.name.toStdString() << ", focus on " << QApplication::focusWidget()->accessibleName().toStdString()
        << " (" << QApplication::focusWidget()->metaObject()->className() << ")";
    EXPECT_EQ(last.child, -1);
}

} // namespace orvane::test
