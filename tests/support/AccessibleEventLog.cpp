#include "AccessibleEventLog.h"

#include <private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>

namespace orvane::test {

namespace {

AccessibleEventLog *current = nullptr;

QPlatformAccessibility *platformAccessibility()
{
    QPlatformIntegration *integration = QGuiApplicationPrivate::platformIntegration();
    return integration ? integration->accessibility() : nullptr;
}

QStringList textsOf(QAccessibleEvent *event)
{
    switch (event->type()) {
    case QAccessible::TextInserted:
        return {static_cast<QAccessibleTextInsertEvent *>(event)->textInserted()};
    case QAccessible::TextRemoved:
        return {static_cast<QAccessibleTextRemoveEvent *>(event)->textRemoved()};
    case QAccessible::TextUpdated: {
        const auto *update = static_cast<QAccessibleTextUpdateEvent *>(event);
        return {update->textRemoved(), update->textInserted()};
    }
    case QAccessible::ValueChanged:
        return {static_cast<QAccessibleValueChangeEvent *>(event)->value().toString()};
    default:
        return {};
    }
}

} // namespace

AccessibleEventLog::AccessibleEventLog()
{
    if (QPlatformAccessibility *platform = platformAccessibility()) {
        m_wasActive = platform->isActive();
        platform->setActive(true);
    }
    m_previous = QAccessible::installUpdateHandler(&AccessibleEventLog::record);
    current = this;
}

AccessibleEventLog::~AccessibleEventLog()
{
    current = nullptr;
    QAccessible::installUpdateHandler(m_previous);
    if (QPlatformAccessibility *platform = platformAccessibility())
        platform->setActive(m_wasActive);
}

std::vector<AccessibleEventRecord> AccessibleEventLog::eventsOf(const QObject *object) const
{
    std::vector<AccessibleEventRecord> result;
    for (const AccessibleEventRecord &event : m_events) {
        if (event.object == object)
            result.push_back(event);
    }
    return result;
}

void AccessibleEventLog::record(QAccessibleEvent *event)
{
    if (current)
        current->m_events.push_back({event->type(), event->object(), textsOf(event)});
}

} // namespace orvane::test
