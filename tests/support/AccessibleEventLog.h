#pragma once

// Every accessibility event the application hands to the platform, as a screen reader's bridge
// receives it: the kind, the object, and the texts the event itself carries.
#include <QAccessible>
#include <QPointer>
#include <QStringList>

#include <vector>

namespace orvane::test {

struct AccessibleEventRecord
{
    QAccessible::Event type;
    QPointer<QObject> object;
    QStringList texts; // inserted, removed or new value text
};

// Switches accessibility on for its lifetime (on the offscreen platform nothing else does, and
// Qt hands events on only while it is on) and records every event. Install it before the
// widgets under test are made, so that handlers they install stand in front of it.
class AccessibleEventLog
{
public:
    AccessibleEventLog();
    ~AccessibleEventLog();
    AccessibleEventLog(const AccessibleEventLog &) = delete;
    AccessibleEventLog &operator=(const AccessibleEventLog &) = delete;

    const std::vector<AccessibleEventRecord> &events() const { return m_events; }
    std::vector<AccessibleEventRecord> eventsOf(const QObject *object) const;
    void clear() { m_events.clear(); }

private:
    static void record(QAccessibleEvent *event);

    std::vector<AccessibleEventRecord> m_events;
    QAccessible::UpdateHandler m_previous = nullptr;
    bool m_wasActive = false;
};

} // namespace orvane::test
