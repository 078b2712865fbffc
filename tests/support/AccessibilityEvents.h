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
        QAccessible::Event type = QAccessible::Focus;
        QPointer<QObject> object;
        int child = -1;
        QAccessible::Role role = QAccessible::NoRole;
        QString name, value;
    };

    // Switches accessibility on while it lives: on the offscreen platform nothing else does, and
    // Qt hands no event on while it is off.
    AccessibilityEvents();
    ~AccessibilityEvents();
    AccessibilityEvents(const AccessibilityEvents &) = delete;
    AccessibilityEvents &operator=(const AccessibilityEvents &) = delete;

    void clear() { m_heard.clear(); }
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
