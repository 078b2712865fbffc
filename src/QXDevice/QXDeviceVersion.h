#pragma once

#include <QString>

// Base, core and FPGA firmware versions, two bytes each (shown as "<first>.<second>").
// A plain value.
class QXDeviceVersion
{
public:
    // The status reply carried the versions.
    bool isExist() const { return m_isExist; }
    void setIsExist(bool isExist) { m_isExist = isExist; }
    qint64 baseVersion0() const { return m_baseVersion0; }
    void setBaseVersion0(qint64 value) { m_baseVersion0 = value; }
    qint64 baseVersion1() const { return m_baseVersion1; }
    void setBaseVersion1(qint64 value) { m_baseVersion1 = value; }
    qint64 coreVersion0() const { return m_coreVersion0; }
    void setCoreVersion0(qint64 value) { m_coreVersion0 = value; }
    qint64 coreVersion1() const { return m_coreVersion1; }
    void setCoreVersion1(qint64 value) { m_coreVersion1 = value; }
    qint64 fpgaVersion0() const { return m_fpgaVersion0; }
    void setFpgaVersion0(qint64 value) { m_fpgaVersion0 = value; }
    qint64 fpgaVersion1() const { return m_fpgaVersion1; }
    void setFpgaVersion1(qint64 value) { m_fpgaVersion1 = value; }

    QString description() const;

private:
    bool m_isExist = false;
    qint64 m_baseVersion0 = 0;
    qint64 m_baseVersion1 = 0;
    qint64 m_coreVersion0 = 0;
    qint64 m_coreVersion1 = 0;
    qint64 m_fpgaVersion0 = 0;
    qint64 m_fpgaVersion1 = 0;
};
