#include "QXDashboardConfig.h"

QXDashboardConfig::QXDashboardConfig()
{
    const QColor darkGrey(85, 85, 85);
    QList<QColor> ring;
    ring.append(darkGrey);
    ring.append(QColor(170, 170, 170));
    ring.append(darkGrey);
    circleGradientColors = ring;
}
