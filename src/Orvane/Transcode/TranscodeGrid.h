#pragma once

#include <QtGlobal>

#include <concepts>
#include <memory>
#include <utility>
#include <vector>

class NetworkingDevice;

// What a conversion reads of a union: the size of its grid and its fans, row by row, empty slots
// left out. A record that describes itself as such a grid (the union's record does, through
// transcodeGrid()) passes as it is, also through a shared pointer; a null pointer is an empty grid.
struct TranscodeGrid
{
    // The largest row or column count of a union.
    static constexpr qint64 kMaxCount = 32;

    qint64 row = 0;
    qint64 colomn = 0;
    std::vector<std::shared_ptr<NetworkingDevice>> fans;

    TranscodeGrid() = default;
    TranscodeGrid(qint64 rows, qint64 colomns, std::vector<std::shared_ptr<NetworkingDevice>> members)
        : row(rows), colomn(colomns), fans(std::move(members))
    {
    }

    template <typename Record>
        requires requires(const Record &record) {
            { record.transcodeGrid() } -> std::same_as<TranscodeGrid>;
        }
    TranscodeGrid(const Record &record)
        : TranscodeGrid(record.transcodeGrid())
    {
    }

    template <typename Record>
        requires requires(const Record &record) {
            { record.transcodeGrid() } -> std::same_as<TranscodeGrid>;
        }
    TranscodeGrid(const std::shared_ptr<Record> &record)
        : TranscodeGrid(record ? record->transcodeGrid() : TranscodeGrid())
    {
    }
};
