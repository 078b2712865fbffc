#pragma once

#include "UnionMemberConnector.h"

#include <QFuture>
#include <QList>
#include <QString>

#include <functional>
#include <memory>
#include <optional>
#include <utility>

class NetworkingDevice;
class TranscodeManager;
class UnionData;

// A member and the local file it receives.
using UploadPair = std::pair<std::shared_ptr<NetworkingDevice>, QString>;

// Puts video onto the members of a union: one media file cut into one tile per grid slot, the
// tiles of an earlier cut, or one file converted once for all. Files go up already converted,
// each to its member's pooled file socket, at most nine members at a time, with one progress
// sheet; a failed or refused upload (a busy socket included) pauses that member's row. Use on
// the GUI thread; what it starts holds what it needs and ends also when the screen closes.
class UnionUploader
{
public:
    UnionUploader(std::shared_ptr<UnionData> unionData, std::shared_ptr<TranscodeManager> transcoder,
                  UnionMemberConnector context);

    // Cuts the file into tiles on the conversion manager, then uploads each member's tile.
    void cutAndUploadAction(const QString &path) const;
    // Uploads each member's tile from a folder of an earlier cut.
    void uploadCuttedAction(const QString &folder) const;
    // Converts the file once for the union, then uploads it to every member.
    void uploadSameAction(const QString &path) const;
    // Uploads every pair; nothing (and no sheet) for none.
    void upload(const QList<UploadPair> &files) const;

    // The tile of grid row r, column c (both from 0) in a cut's folder ("clip_3x3" holds
    // "clip_result_1_1.mp4"); none when the folder's name has no "_".
    static std::optional<QString> tileURL(const QString &folder, qint64 row, qint64 colomn);
    // The members that have a tile in the folder, each with its tile, in grid order.
    QList<UploadPair> cuttedPairs(const QString &folder) const;
    // The name a file goes up under: its base name, cleaned as the play-list screen cleans it.
    static QString uploadName(const QString &path);

private:
    // A single-row sheet for the conversion step, its confirm button locked until it fails.
    struct ConversionSheet;
    ConversionSheet presentConversionSheet() const;
    // Goes on with the converted file or folder on the GUI thread; a conversion that fails or is
    // cancelled, or a step of `done` that throws, unlocks the sheet so the operator can close it.
    static void whenConverted(QFuture<QString> converted, const ConversionSheet &conversion,
                              std::function<void(const QString &)> done);

    std::shared_ptr<UnionData> m_unionData;
    std::shared_ptr<TranscodeManager> m_transcoder;
    UnionMemberConnector m_context;
};
