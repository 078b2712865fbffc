#pragma once

#include "EditError.h"
#include "TranscodeGrid.h"

#include <QFuture>
#include <QSize>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>
#include <optional>
#include <variant>

class QThreadPool;

// The converted file or folder, or why there is none.
using TranscodeResult = std::variant<QString, EditError>;

// Converts the operator's media (videos, GIF animations, still pictures) into H.264 MP4 files
// sized for the fans of a union by running ffmpeg, and cuts one input into one tile per fan.
// Converted files go to the "Transcoded" folder of the application's data folder.
//
// The conversion calls block their thread until ffmpeg has exited, or has been killed for making
// no progress, and may run on any thread except the GUI thread. A cut runs its tiles on the
// manager's own pool; it keeps that pool alive until its last step, so the manager may be
// released while a cut runs.
class TranscodeManager
{
public:
    // A value from 0 to 1.
    using Progress = std::function<void(float)>;
    using Completion = std::function<void(const TranscodeResult &)>;

    // How a cut maps the input onto the union: all sizes in whole pixels.
    struct CutGeometry
    {
        // The fans' diameter and the distance between neighbouring fans, in fan pixels.
        qint64 diameter = 0;
        qint64 spacing = 0;
        // The side of a square tile and the distance between neighbouring tiles, in input pixels.
        qint64 tile = 0;
        qint64 step = 0;
        // The filter that pads the input to the union's shape; none when the shapes are equal.
        std::optional<QString> padFilter;

        // The crop filter of the tile in row r, column c (both from 0).
        QString cropFilter(qint64 row, qint64 colomn) const;
    };

    // `concurrentCount` conversions of one cut run at the same time.
    explicit TranscodeManager(qint64 concurrentCount);
    ~TranscodeManager();
    TranscodeManager(const TranscodeManager &) = delete;
    TranscodeManager &operator=(const TranscodeManager &) = delete;

    qint64 concurrentCount() const;
    // The pool that runs the tiles of every cut of this manager, created on first use.
    QThreadPool *operationQueue();

    // The folder of converted files, created when missing (a failure to create it shows later,
    // when ffmpeg cannot write there).
    static QString transcodedDirectory();
    // The displayed size of a media file; none when it cannot be read.
    static std::optional<QSize> fetchResolution(const QString &path);
    // "video", "gif", "image", or empty for a file of another kind, by its extension.
    static QString fileKind(const QString &path);
    // The ffmpeg arguments that convert the input at the given size (kept as the input's when
    // width or height is below 1) and bit rate; empty for a file of another kind.
    static QStringList ffmpegArguments(const QString &input, const QString &output, qint64 width, qint64 height,
                                       const QString &rate);
    // Converts the input at the given size with the bit rate of the union's first fan; true
    // when ffmpeg succeeded.
    static bool transcode(const QString &input, const QString &output, QSize resolution,
                          const TranscodeGrid &grid);
    // Converts the input into "Transcoded" at the size of the union's first fan that has a
    // square size: the converted file, or transcodeFail (also, before converting, for a source
    // that holds no picture or one that cannot be read).
    static TranscodeResult transcode(const QString &input, const TranscodeGrid &grid);

    // The geometry of a cut of a picture of the given size for a union of row x colomn fans of
    // the given diameter; none when any size or count is below 1.
    static std::optional<CutGeometry> cutGeometry(QSize picture, qint64 row, qint64 colomn, qint64 diameter);

    // Cuts the input into one tile per grid slot in a folder of its own (with the input padded to
    // the union's shape beside them), converting every tile to the fans' size when `transcode` is
    // set. Returns once the steps are queued. Progress goes 0.05, 0.25, one value per finished
    // tile, then 1.0 on success. The completion is called exactly once: on the calling thread for
    // wrongRowColomn, resolutionFail and directoryError; on a pool thread with padFail as soon as
    // the pad run fails (tile steps that have not begun then do nothing, and running ones make no
    // more progress), otherwise after the last step (transcodeFail when a tile is missing). A
    // source that holds no picture, or one that cannot be read, is refused with resolutionFail.
    // Every run is bounded (see OrvaneProcess): a stalled one fails its step. Callers move to the
    // GUI thread themselves.
    void cut(const QString &input, const TranscodeGrid &grid, bool transcode, Progress progress,
             Completion completion);
    // The same cut started on `on` (the manager's own pool when none); the future holds the
    // folder, or fails with the EditError.
    QFuture<QString> cut(const QString &input, QThreadPool *on, const TranscodeGrid &grid,
                         bool transcode = true, Progress progress = {});

private:
    class Core;
    std::shared_ptr<Core> m_core;
};
