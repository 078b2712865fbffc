#pragma once

#include "QXInsCode.h"
#include "Transcode/TranscodeGrid.h"

#include <QMap>
#include <QMutex>
#include <QMutexLocker>
#include <QString>

#include <algorithm>
#include <memory>
#include <optional>
#include <vector>

class NetworkingDevice;

// The grid of a union, row-major: entry c of row r is the fan in row r, column c (both from 0);
// an empty slot is a null pointer.
using UnionGrid = std::vector<std::vector<std::shared_ptr<NetworkingDevice>>>;

// A grid of `row` rows of `colomn` default (empty) entries; negative counts count as 0.
template <typename Element>
std::vector<std::vector<Element>> emptyGrid(qint64 row, qint64 colomn)
{
    return std::vector<std::vector<Element>>(std::size_t(std::max<qint64>(row, 0)),
                                             std::vector<Element>(std::size_t(std::max<qint64>(colomn, 0))));
}

// Where a member sits in its union, both counted from 1 from the top-left slot; (-1, -1) for a
// device that is not in the grid.
struct MemberPosition
{
    qint64 row = -1;
    qint64 colomn = -1;

    friend bool operator==(const MemberPosition &, const MemberPosition &) = default;
};

// The instructions that set a member's default mask: instruction code to value.
using MaskPlan = QMap<QXInsCode, qint16>;

// One union: fans laid out as a grid that together show one picture. Shared between screens and
// conversion workers through std::shared_ptr and compared by identity; every accessor is safe
// from any thread.
class UnionData
{
public:
    // The largest row or column count a union may have: the reader, the writer, the union
    // editor and the conversion all keep to it.
    static constexpr qint64 kMaxCount = TranscodeGrid::kMaxCount;

    // Without a grid the union gets `row` rows of `colomn` empty slots; a given grid is used as
    // it is. The new record has no master and index -1 (not stored).
    UnionData(const QString &name, qint64 row, qint64 colomn, bool isTop, const QString &url,
              std::optional<UnionGrid> devices = std::nullopt);
    UnionData(const UnionData &) = delete;
    UnionData &operator=(const UnionData &) = delete;

    QString name() const { return locked(&UnionData::m_name); }
    void setName(const QString &name) { assign(&UnionData::m_name, name); }
    qint64 row() const { return locked(&UnionData::m_row); }
    void setRow(qint64 row) { assign(&UnionData::m_row, row); }
    // Spelled this way everywhere.
    qint64 colomn() const { return locked(&UnionData::m_colomn); }
    void setColomn(qint64 colomn) { assign(&UnionData::m_colomn, colomn); }
    // The phase of the top/bottom checkerboard of the fans.
    bool isTop() const { return locked(&UnionData::m_isTop); }
    void setIsTop(bool isTop) { assign(&UnionData::m_isTop, isTop); }
    UnionGrid devices() const { return locked(&UnionData::m_devices); }
    void setDevices(const UnionGrid &devices) { assign(&UnionData::m_devices, devices); }
    // The fan of one slot (both from 0); none for an empty slot or one outside the grid.
    std::shared_ptr<NetworkingDevice> device(qint64 row, qint64 colomn) const;
    // Fills one slot of the grid (both from 0); a slot outside the grid is ignored.
    void setDevice(qint64 row, qint64 colomn, const std::shared_ptr<NetworkingDevice> &device);
    // The fans of the grid row by row, left to right, empty slots left out.
    std::vector<std::shared_ptr<NetworkingDevice>> allDevices() const;
    // What the conversion reads of the union: its size and allDevices(), taken together.
    TranscodeGrid transcodeGrid() const;
    // The fan that leads Wi-Fi synchronisation.
    std::shared_ptr<NetworkingDevice> masterDevice() const { return locked(&UnionData::m_masterDevice); }
    void setMasterDevice(const std::shared_ptr<NetworkingDevice> &master)
    {
        assign(&UnionData::m_masterDevice, master);
    }
    // The union's place in its store file, counted from 0; -1 for a union never stored.
    qint64 index() const { return locked(&UnionData::m_index); }
    void setIndex(qint64 index) { assign(&UnionData::m_index, index); }
    // The store file the union belongs to.
    QString url() const { return locked(&UnionData::m_url); }
    void setUrl(const QString &url) { assign(&UnionData::m_url, url); }

    // The union's block of the store file: the header line, then one line per grid row, every
    // line ending with a line feed.
    QString fileText() const;

    MemberPosition position(const std::shared_ptr<NetworkingDevice> &device) const;
    bool isTopDevice(const std::shared_ptr<NetworkingDevice> &device) const;
    // A top fan shows its whole disc; a bottom fan masks each side that lies under a neighbour
    // slot (whether or not a fan fills it), and shows the full length towards the grid's edge.
    MaskPlan maskInstructions(const std::shared_ptr<NetworkingDevice> &device) const;

private:
    template <typename Field>
    Field locked(Field UnionData::*field) const
    {
        QMutexLocker lock(&m_mutex);
        return this->*field;
    }
    template <typename Field>
    void assign(Field UnionData::*field, const Field &value)
    {
        QMutexLocker lock(&m_mutex);
        this->*field = value;
    }

    std::vector<std::shared_ptr<NetworkingDevice>> allDevicesLocked() const;
    MemberPosition positionLocked(const std::shared_ptr<NetworkingDevice> &device) const;
    bool isTopLocked(MemberPosition position) const;
    std::shared_ptr<NetworkingDevice> slotLocked(qint64 row, qint64 colomn) const;

    mutable QMutex m_mutex;
    QString m_name;
    qint64 m_row;
    qint64 m_colomn;
    bool m_isTop;
    UnionGrid m_devices;
    std::shared_ptr<NetworkingDevice> m_masterDevice;
    qint64 m_index = -1;
    QString m_url;
};
