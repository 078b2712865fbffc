#include "AccessibilityEvents.h"

#include <private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>

namespace orvane::test {

namespace {

AccessibilityEvents *recorder = nullptr;

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

AccessibilityEvents::AccessibilityEvents()
{
    if (QPlatformAccessibility *platform = platformAccessibility()) {
        m_wasActive = platform->isActive();
        platform->setActive(true);
    }
    m_previous = QAccessible::installUpdateHandler(&AccessibilityEvents::record);
    recorder = this;
}

AccessibilityEvents::~AccessibilityEvents()
{
    recorder = nullptr;
    QAccessible::installUpdateHandler(m_previous);
    if (QPlatformAccessibility *platform = platformAccessibility())
        platform->setActive(m_wasActive);
}

void AccessibilityEvents::record(QAccessibleEvent *event)
{
    if (!recorder)
        return;
    QAccessibleInterface *iface = event->accessibleInterface();
    recorder->m_heard.append({event->type(), event->object(), event->child(),
                              iface ? iface->role() : QAccessible::NoRole,
                              iface ? iface->text(QAccessible::Name) : QString(),
                              iface ? iface->text(QAccessible::Value) : QString(),
                              iface ? iface->text(QAccessible::Description) : QString(), textsOf(event)});
}

} // namespace orvane::test
