#include "AccessibilityEvents.h"

#include <private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>

namespace orvane::test {

bool AccessibilityEvents::setAccessibilityActive(bool active)
{
    QPlatformIntegration *integration = QGuiApplicationPrivate::platformIntegration();
    QPlatformAccessibility *platform = integration ? integration->accessibility() : nullptr;
    if (!platform)
        return false;
    const bool was = platform->isActive();
    platform->setActive(active);
    return was;
}

} // namespace orvane::test
