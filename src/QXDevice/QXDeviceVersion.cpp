#include "QXDeviceVersion.h"

#include "private/DescriptionText.h"

QString QXDeviceVersion::description() const
{
    return DescriptionText("QXDeviceVersion")
        .field("isExist", m_isExist)
        .field("baseVersion", QStringLiteral("%1.%2").arg(m_baseVersion0).arg(m_baseVersion1))
        .field("coreVersion", QStringLiteral("%1.%2").arg(m_coreVersion0).arg(m_coreVersion1))
        .field("fpgaVersion", QStringLiteral("%1.%2").arg(m_fpgaVersion0).arg(m_fpgaVersion1))
        .text();
}
