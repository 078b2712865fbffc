#pragma once

#include "QXInsCode.h"

#include <QMap>
#include <QMutex>
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
    // The largest row or column count a union may have: the reader, the writer and the union
    // editor all keep to it.
    static constexpr qint64 kMaxCount = 32;

    // Without a grid the union gets `row` rows of `colomn` empty slots; a given grid is used as
    // it is. The new record has no master and index -1 (not stored).
    UnionData(const QString &name, qint64 row, qint64 colomn, bool isTop, const QString &url,
              std::optional<UnionGrid> devices = std::nullopt);
    UnionData(const UnionData &) = delete;
    UnionData &operator=(const UnionData &) = delete;

    QString name() const;
    void setName(const QString &name);
    qint64 row() const;
    void setRow(qint64 row);
    // Spelled this way everywhere.
    qint64 colomn() const;
    void setColomn(qint64 colomn);
    // The phase of the top/bottom checkerboard of the fans.
    bool isTop() const;
    void setIsTop(bool isTop);
    UnionGrid devices() const;
    void setDevices(const UnionGrid &devices);
    // The fan of one slot (both from 0); none for an empty slot or one outside the grid.
    std::shared_ptr<NetworkingDevice> device(qint64 row, qint64 colomn) const;
    // Fills one slot of the grid (both from 0); a slot outside the grid is ignored.
    void setDevice(qint64 row, qint64 colomn, const std::shared_ptr<NetworkingDevice> &device);
    // The fans of the grid row by row, left to right, empty slots left out.
    std::vector<std::shared_ptr<NetworkingDevice>> allDevices() const;
    // The fan that leads Wi-Fi synchronisation.
    std::shared_ptr<NetworkingDevice> masterDevice() const;
    void setMasterDevice(const std::shared_ptr<NetworkingDevice> &masterDevice);
    // The union's place in its store file, counted from 0; -1 for a union never stored.
    qint64 index() const;
    void setIndex(qint64 index);
    // The store file the union belongs to.
    QString url() const;
    void setUrl(const QString &url);

    // The union's block of the store file: the header line, then one line per grid row, every
    // line ending with a line feed.
    QString fileText() const;

    MemberPosition position(const std::shared_ptr<NetworkingDevice> &device) const;
    bool isTopDevice(const std::shared_ptr<NetworkingDevice> &device) const;
    // A top fan shows its whole disc; a bottom fan masks each side that lies under a neighbour
    // slot (whether or not a fan fills it), and shows the full length towards the grid's edge.
    MaskPlan maskInstructions(const std::shared_ptr<NetworkingDevice> &device) const;

private:
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
