#pragma once

// Told by a QXDashboard when the user sets a new value, before the dial takes it.
class QXDashboardDelegate
{
public:
    virtual ~QXDashboardDelegate() = default;
    virtual void valueChanged(double from, double to) = 0;
};
