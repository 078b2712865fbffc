#pragma once

// What a screen reader is told: every accessibility event while a recorder lives, with what the
// event's object said of itself when it was sent and the texts the event itself carries. A screen
// reader believes the last focus event, so it must name the widget that really has the keyboard
// focus; and it speaks the texts an event carries as they stand.
#include <QAccessible>
#include <QApplication>
#include <QList>
#include <QPointer>
#include <QStringList>
#include <QWidget>

#include <gtest/gtest.h>

namespace orvane::test {

class AccessibilityEvents
{
public:
    struct Heard
    {
        QAccessible::Event type = QAccessible::Focus;
        QPointer<QObject> object;
        int child = -1;
        QAccessible::Role role = QAccessible::NoRole;
        QString name, value, description;
        QStringList texts; // inserted, removed or new value text
    };

    // Switches accessibility on while it lives: on the offscreen platform nothing else does, and
    // Qt hands no event on while it is off. Make it before the widgets under test, so that the
    // update handlers they install stand in front of it.
    AccessibilityEvents();
    ~AccessibilityEvents();
    AccessibilityEvents(const AccessibilityEvents &) = delete;
    AccessibilityEvents &operator=(const AccessibilityEvents &) = delete;

    void clear() { m_heard.clear(); }
    const QList<Heard> &events() const { return m_heard; }
    QList<Heard> eventsOf(const QObject *object) const
    {
        QList<Heard> own = m_heard;
        own.removeIf([object](const Heard &heard) { return heard.object != object; });
        return own;
    }
    QList<Heard> focusEvents() const
    {
        QList<Heard> focus = m_heard;
        focus.removeIf([](const Heard &heard) { return heard.type != QAccessible::Focus; });
        return focus;
    }
    // The last focus event; one naming nothing when there was none.
    Heard lastFocus() const { return focusEvents().value(focusEvents().size() - 1); }
    // The position of the last event of the type among all heard, -1 when there was none.
    qsizetype lastIndexOf(QAccessible::Event type) const
    {
        for (qsizetype index = m_heard.size() - 1; index >= 0; --index) {
            if (m_heard.at(index).type == type)
                return index;
        }
        return -1;
    }

private:
    static void record(QAccessibleEvent *event);

    QList<Heard> m_heard;
    QAccessible::UpdateHandler m_previous = nullptr;
    bool m_wasActive = false;
};

// The last focus event names the widget that has the keyboard focus, as itself (not a part of it).
inline void expectLastFocusOnFocusWidget(const AccessibilityEvents &events)
{
    const AccessibilityEvents::Heard last = events.lastFocus();
    QWidget *focus = QApplication::focusWidget();
    ASSERT_NE(focus, nullptr);
    EXPECT_EQ(last.object, focus) << "heard " << last.name.toStdString() << ", focus on "
                                  << focus->metaObject()->className();
    EXPECT_EQ(last.child, -1);
}

} // namespace orvane::test
