#pragma once

#include <QColor>
#include <QList>
#include <QPointF>
#include <QString>

#include <optional>

// How a QXDashboard is drawn. Angles are in degrees, counter-clockwise from the positive x axis
// (90 is straight up); lengths in points. The dial reads it once, when it is created.
struct QXDashboardConfig
{
    QXDashboardConfig();

    // First scale value.
    double minValiue = 0;
    // End of the scale (not drawn itself).
    double maxValue = 360;
    // Stored; not drawn.
    QString unit;
    // Ring radius, and the largest distance from the centre at which a click counts.
    double outRadius = 105;
    double outLineWidth = 2;
    // Scale steps: the step is maxValue / totalScales.
    double totalScales = 60;
    // Large-tick intervals: a tick is large when its value is a multiple of maxValue / largeScales.
    qint64 largeScales = 12;
    QColor circleColor = QColor(170, 170, 170);
    // When present, the ring shows this gradient instead of circleColor.
    // Dark grey, light grey, dark grey unless changed.
    std::optional<QList<QColor>> circleGradientColors;
    // Gradient ends in unit coordinates of the dial, y growing upward.
    QPointF circleGradientStartPoint = QPointF(0.5, 0.0);
    QPointF circleGradientEndPoint = QPointF(0.5, 1.0);
    QColor largeScaleColor = QColor(170, 170, 170);
    QColor smallScaleColor = QColor(170, 170, 170);
    QColor labelColor = QColor(170, 170, 170);
    // Direction of scale value 0.
    double zeroAngle = 90;
    // Radial lengths of the ticks.
    double largeLength = 12;
    double smallLength = 4;
    // Angular widths of the ticks.
    double largeAngle = 2;
    double smallAngle = 0.8;
    QColor pointerColor = QColor(0, 255, 0);
    // From the hub circle to the pointer's tip.
    double pointerLength = 55;
    double pointerRadius = 15;
    // Opening of the hub circle where the pointer leaves it.
    double pointerGapAngle = 40;
};
