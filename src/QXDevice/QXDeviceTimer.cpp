#include "QXDeviceTimer.h"

#include "private/DescriptionText.h"

QString QXDeviceTimer::description() const
{
    return DescriptionText("QXDeviceTimer")
        .field("isOn", m_isOn)
        .field("openTime", m_openTime)
        .field("closeTime", m_closeTime)
        .text();
}
