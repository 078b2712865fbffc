#pragma once

#include <QByteArrayView>
#include <QMap>
#include <QString>
#include <QVariantMap>

#include <optional>

// The display mask decoded from a mask reply (instruction 46). A plain value.
//
// The four districts are sectors of a circle of 2048 angle units: district 4 centred at 0
// (right), 1 at 512 (top), 3 at 1024 (left), 2 at 1536 (bottom). Each district is a map
// {"angle": offset from its centre, "distance": radius 360..800}.
class QXDeviceMask
{
public:
    // Every district at {"angle": 0, "distance": 360}.
    QXDeviceMask();

    // A new default mask, then configWithData().
    static QXDeviceMask maskWithData(QByteArrayView reply);
    // Decodes a mask reply; a short reply or a wrong head leaves the mask as it is.
    void configWithData(QByteArrayView reply);

    // Sets "angle" and/or "distance" from the keys the given map holds; others keep their value.
    void setDistrict(qint64 district, const QVariantMap &settings);
    // The district's map, or none for a district never set.
    std::optional<QVariantMap> settingsAtDistrict(qint64 district) const;
    QMap<qint64, QVariantMap> settings() const { return m_settings; }
    void setSettings(const QMap<qint64, QVariantMap> &settings) { m_settings = settings; }

    qint64 mode() const { return m_mode; }
    void setMode(qint64 mode) { m_mode = mode; }
    bool isWhiteBlank() const { return m_isWhiteBlank != 0; }
    void setIsWhiteBlank(bool on) { m_isWhiteBlank = on; }
    qint64 innerDistance() const { return m_innerDistance; }
    void setInnerDistance(qint64 distance) { m_innerDistance = distance; }
    qint64 outerDistance() const { return m_outerDistance; }
    void setOuterDistance(qint64 distance) { m_outerDistance = distance; }
    qint64 horizontalDistance() const { return m_horizontalDistance; }
    void setHorizontalDistance(qint64 distance) { m_horizontalDistance = distance; }
    qint64 verticalDistance() const { return m_verticalDistance; }
    void setVerticalDistance(qint64 distance) { m_verticalDistance = distance; }

    QString description() const;

private:
    qint64 m_mode = 0;
    quint8 m_isWhiteBlank = 0;
    qint64 m_innerDistance = 0;
    qint64 m_outerDistance = 0;
    qint64 m_horizontalDistance = 0;
    qint64 m_verticalDistance = 0;
    QMap<qint64, QVariantMap> m_settings;
};
