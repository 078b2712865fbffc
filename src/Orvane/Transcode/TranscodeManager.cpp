#include "TranscodeManager.h"

#include "Core/AppPaths.h"
#include "NetworkingDevice.h"
#include "OrvaneProcess.h"
#include "QXMediaConversion.h"
#include "QXNumber.h"

#include <QDir>
#include <QFileInfo>
#include <QMutex>
#include <QMutexLocker>
#include <QPromise>
#include <QThreadPool>

#include <algorithm>
#include <atomic>
#include <cmath>
#include <mutex>

namespace {

constexpr qint64 kDefaultSide = 720;
const QString kDefaultRate = QStringLiteral("1M");
// Larger than any fan; keeps the geometry's products far inside 64 bits.
constexpr qint64 kMaxDiameter = 1 << 16;

int runFfmpeg(const QStringList &arguments)
{
    orvane::debugLog([&] { return arguments.join(QLatin1Char(' ')); });
    return OrvaneProcess::runConverter(arguments);
}

// One run that filters the input into the output. ffmpeg's picture writer, like its reader, would
// take a name holding "%d" for a numbered sequence: a picture is written as the one file named.
QStringList filterArguments(const QString &input, const QString &filter, const QString &output)
{
    QStringList arguments{"-y"};
    arguments << QXMediaConversion::readerFor(input) << "-i" << input << "-vf" << filter;
    if (TranscodeManager::fileKind(output) == QLatin1String("image"))
        arguments << "-update" << "1";
    return arguments << output;
}

// The bit rate of the union's first fan.
QString rateOf(const TranscodeGrid &grid)
{
    const QString rate = grid.fans.empty() ? QString() : grid.fans.front()->rate();
    return rate.isEmpty() ? kDefaultRate : rate;
}

bool convert(const QString &input, const QString &output, QSize resolution, const QString &rate)
{
    const QStringList arguments =
        TranscodeManager::ffmpegArguments(input, output, resolution.width(), resolution.height(), rate);
    return runFfmpeg(arguments) == 0;
}

// ffmpeg has no muxer for RealMedia variable-rate files: the cut's own pad and tile files of
// such an input go into Matroska, which holds any stream.
QString writableExtension(const QString &extension)
{
    return extension.compare(QLatin1String("rmvb"), Qt::CaseInsensitive) == 0 ? QStringLiteral("mkv") : extension;
}

} // namespace

QString TranscodeManager::CutGeometry::cropFilter(qint64 row, qint64 colomn) const
{
    return QStringLiteral("crop=%1:%1:%2:%3").arg(tile).arg(step * colomn).arg(step * row);
}

// The state a cut needs until its last step: the pool, the lock of the done counters and the
// limit. Tile steps hold it, so it outlives the manager while a cut runs.
class TranscodeManager::Core : public std::enable_shared_from_this<Core>
{
public:
    explicit Core(qint64 concurrentCount)
        : m_concurrentCount(concurrentCount)
    {
    }

    ~Core()
    {
        QThreadPool *const pool = m_pool.release();
        if (!pool)
            return;
        // The last tile step may be what releases the core; a pool waits for its tasks when it
        // is destroyed, so it must then be destroyed on another thread.
        if (pool->activeThreadCount() == 0)
            delete pool;
        else
            QThreadPool::globalInstance()->start([pool] { delete pool; });
    }

    qint64 concurrentCount() const { return m_concurrentCount; }

    QThreadPool *pool()
    {
        std::call_once(m_poolOnce, [this] {
            m_pool = std::make_unique<QThreadPool>();
            m_pool->setMaxThreadCount(int(std::clamp<qint64>(m_concurrentCount, 1, 256)));
        });
        return m_pool.get();
    }

    void cut(const QString &input, const TranscodeGrid &grid, bool transcode, const Progress &progress,
             const Completion &completion);

private:
    struct Run;
    struct Tile
    {
        QString source;
        QString filter;
        QString tile;
        QString result;
    };
    enum class Step { padded, padFailed, tileMade, tileFailed };
    static void runTile(const std::shared_ptr<Run> &run, const Tile &tile);
    static void finishStep(const std::shared_ptr<Run> &run, Step step);

    const qint64 m_concurrentCount;
    std::once_flag m_poolOnce;
    std::unique_ptr<QThreadPool> m_pool;
    // Guards the done counters of every cut of this manager.
    QMutex m_lock;
};

// One cut from the moment its tiles are queued to its completion.
struct TranscodeManager::Core::Run
{
    std::shared_ptr<Core> core;
    Progress progress;
    Completion completion;
    QString folder;
    bool transcode = true;
    QSize resolution;
    QString rate;
    // Tiles, and tiles made; steps (the tiles and the pad run), and steps ended.
    qint64 total = 0;
    qint64 done = 0;
    qint64 steps = 0;
    qint64 finished = 0;
    // Set, under the lock, with the completion: a failed pad ends the cut at once, and the tile
    // steps still to come do nothing.
    std::atomic<bool> ended = false;
};

void TranscodeManager::Core::cut(const QString &input, const TranscodeGrid &grid, bool transcode,
                                 const Progress &progress, const Completion &completion)
{
    const auto report = [&](float value) {
        if (progress)
            progress(value);
    };
    const auto fail = [&](const EditError &error) {
        if (completion)
            completion(error);
    };
    const qint64 row = grid.row;
    const qint64 colomn = grid.colomn;
    if (row < 1 || colomn < 1 || row > TranscodeGrid::kMaxCount || colomn > TranscodeGrid::kMaxCount)
        return fail(EditError::wrongRowColomn(row, colomn));
    const qint64 diameter = grid.fans.empty() ? kDefaultSide : grid.fans.front()->diameter();
    const std::optional<QSize> picture = fetchResolution(input);
    const std::optional<CutGeometry> geometry =
        picture ? cutGeometry(*picture, row, colomn, diameter) : std::nullopt;
    if (!geometry)
        return fail(EditError(EditError::Kind::resolutionFail));
    report(0.05f);

    const QFileInfo info(input);
    const QString name = info.completeBaseName();
    const QString extension = writableExtension(info.suffix());
    // The operator's file name is joined, never formatted: a "%1" in it stays as it is.
    const QString folder =
        QDir(transcodedDirectory()).filePath(name + QStringLiteral("_%1x%2").arg(row).arg(colomn));
    QDir(folder).removeRecursively();
    if (!QDir().mkpath(folder))
        return fail(EditError(EditError::Kind::directoryError));
    const QDir dir(folder);

    auto run = std::make_shared<Run>();
    run->core = shared_from_this();
    run->progress = progress;
    run->completion = completion;
    run->folder = folder;
    run->transcode = transcode;
    run->resolution = QSize(int(geometry->diameter), int(geometry->diameter));
    run->rate = rateOf(grid);
    run->total = row * colomn;
    run->steps = run->total + (geometry->padFilter ? 1 : 0);
    report(0.25f);

    // Every tile pads and crops the input itself, so the tiles need not wait for the padded file:
    // the pad run goes beside them on a thread of its own, and every core stays busy from the start.
    QThreadPool *const steps = pool();
    if (geometry->padFilter) {
        const QStringList arguments = filterArguments(
            input, *geometry->padFilter, dir.filePath(QStringLiteral("%1_pad.%2").arg(name, extension)));
        steps->reserveThread();
        steps->startOnReservedThread(
            [run, arguments] { finishStep(run, runFfmpeg(arguments) == 0 ? Step::padded : Step::padFailed); });
    }
    for (qint64 r = 0; r < row; ++r) {
        for (qint64 c = 0; c < colomn; ++c) {
            const QString place = QStringLiteral("%1_%2").arg(r + 1).arg(c + 1);
            const QString crop = geometry->cropFilter(r, c);
            Tile tile{input, geometry->padFilter ? *geometry->padFilter + QLatin1Char(',') + crop : crop,
                      dir.filePath(QStringLiteral("%1_%2.%3").arg(name, place, extension)),
                      dir.filePath(QStringLiteral("%1_result_%2.mp4").arg(name, place))};
            steps->start([run, tile] { runTile(run, tile); });
        }
    }
}

void TranscodeManager::Core::runTile(const std::shared_ptr<Run> &run, const Tile &tile)
{
    const auto going = [&run] { return !run->ended.load(); };
    const bool made = going() && runFfmpeg(filterArguments(tile.source, tile.filter, tile.tile)) == 0
        && (!run->transcode || (going() && convert(tile.tile, tile.result, run->resolution, run->rate)));
    finishStep(run, made ? Step::tileMade : Step::tileFailed);
}

void TranscodeManager::Core::finishStep(const std::shared_ptr<Run> &run, Step step)
{
    std::optional<TranscodeResult> outcome;
    {
        QMutexLocker lock(&run->core->m_lock);
        const bool last = ++run->finished == run->steps;
        if (run->ended.load())
            return;
        if (step == Step::tileMade) {
            ++run->done;
            if (run->progress)
                run->progress(float(run->done) * 0.75f / float(run->total) + 0.24f);
        }
        if (step == Step::padFailed)
            outcome = EditError(EditError::Kind::padFail);
        else if (last && run->done == run->total)
            outcome = run->folder;
        else if (last)
            outcome = EditError(EditError::Kind::transcodeFail);
        if (outcome)
            run->ended.store(true);
    }
    // This step ended the run; the steps still to end leave it as it is.
    if (!outcome)
        return;
    if (std::holds_alternative<QString>(*outcome) && run->progress)
        run->progress(1.0f);
    if (run->completion)
        run->completion(*outcome);
}

TranscodeManager::TranscodeManager(qint64 concurrentCount)
    : m_core(std::make_shared<Core>(concurrentCount))
{
}

TranscodeManager::~TranscodeManager() = default;

qint64 TranscodeManager::concurrentCount() const
{
    return m_core->concurrentCount();
}

QThreadPool *TranscodeManager::operationQueue()
{
    return m_core->pool();
}

QString TranscodeManager::transcodedDirectory()
{
    const QString path = QDir(orvane::appSupportDirectory()).filePath(QStringLiteral("Transcoded"));
    QDir().mkpath(path);
    return path;
}

std::optional<QSize> TranscodeManager::fetchResolution(const QString &path)
{
    const QSizeF size = QXMediaConversion::probeMediaSize(path);
    // Unreadable, or read and holding no picture (sound only).
    if (size.isEmpty())
        return std::nullopt;
    return QSize(int(std::abs(std::trunc(size.width()))), int(std::abs(std::trunc(size.height()))));
}

QString TranscodeManager::fileKind(const QString &path)
{
    const QString extension = QFileInfo(path).suffix().toLower();
    static const QStringList videos{"mp4", "avi", "mov", "wmv", "mkv", "rmvb", "flv", "webm"};
    static const QStringList images{"jpg", "jpeg", "png", "bmp"};
    if (videos.contains(extension))
        return QStringLiteral("video");
    if (extension == QLatin1String("gif"))
        return QStringLiteral("gif");
    if (images.contains(extension))
        return QStringLiteral("image");
    return QString();
}

QStringList TranscodeManager::ffmpegArguments(const QString &input, const QString &output, qint64 width,
                                              qint64 height, const QString &rate)
{
    const QString kind = fileKind(input);
    const QString level = kind == QLatin1String("image") ? QStringLiteral("3") : QStringLiteral("30");
    QStringList arguments{"-y"};
    if (kind == QLatin1String("video"))
        arguments << "-i" << input;
    else if (kind == QLatin1String("gif"))
        arguments << "-f" << "gif" << "-i" << input;
    else if (kind == QLatin1String("image"))
        arguments << "-loop" << "1" << QXMediaConversion::readerFor(input) << "-i" << input;
    else
        return {};
    arguments << "-c:v" << "libx264" << "-vprofile" << "baseline" << "-level" << level;
    if (width >= 1 && height >= 1)
        arguments << "-s" << QStringLiteral("%1x%2").arg(width).arg(height);
    arguments << "-r" << "24" << "-refs" << "1" << "-b:v" << rate << "-maxrate" << rate << "-bufsize" << "2M"
              << "-c:a" << "libmp3lame";
    if (kind == QLatin1String("video"))
        arguments << "-ac" << "2" << "-ar" << "22050";
    arguments << "-pix_fmt" << "yuvj420p";
    if (kind == QLatin1String("image"))
        arguments << "-t" << "5";
    arguments << output;
    return arguments;
}

bool TranscodeManager::transcode(const QString &input, const QString &output, QSize resolution,
                                 const TranscodeGrid &grid)
{
    return convert(input, output, resolution, rateOf(grid));
}

TranscodeResult TranscodeManager::transcode(const QString &input, const TranscodeGrid &grid)
{
    const QString output =
        QDir(transcodedDirectory()).filePath(QFileInfo(input).completeBaseName() + QStringLiteral(".mp4"));
    // A source without a picture would give every fan a file it cannot show.
    if (QXMediaConversion::holdsNoPicture(QXMediaConversion::probeMediaSize(input)))
        return EditError(EditError::Kind::transcodeFail);
    qint64 side = kDefaultSide;
    for (const auto &fan : grid.fans) {
        if (const std::optional<qint64> square = qxDecimalInteger(fan->resolution())) {
            side = *square;
            break;
        }
    }
    if (!transcode(input, output, QSize(int(side), int(side)), grid))
        return EditError(EditError::Kind::transcodeFail);
    return output;
}

std::optional<TranscodeManager::CutGeometry> TranscodeManager::cutGeometry(QSize picture, qint64 row, qint64 colomn,
                                                                           qint64 diameter)
{
    const qint64 width = picture.width();
    const qint64 height = picture.height();
    if (width < 1 || height < 1 || diameter < 1 || diameter > kMaxDiameter || row < 1 || colomn < 1
        || row > TranscodeGrid::kMaxCount || colomn > TranscodeGrid::kMaxCount)
        return std::nullopt;
    CutGeometry geometry;
    geometry.diameter = diameter;
    geometry.spacing = qint64(std::trunc(double(diameter) * 0.5 * 1.414 + 1.0));
    const qint64 gridWidth = diameter + geometry.spacing * (colomn - 1);
    const qint64 gridHeight = diameter + geometry.spacing * (row - 1);
    // The ratios gridWidth / width and gridHeight / height, compared by cross-products so that
    // nearly equal shapes never pad to less than the input.
    const qint64 wide = gridWidth * height;
    const qint64 tall = gridHeight * width;
    if (wide >= tall) {
        // The union is relatively wider: the input keeps its height and gets black at the sides.
        geometry.tile = diameter * height / gridHeight;
        geometry.step = geometry.spacing * height / gridHeight;
        if (wide != tall) {
            const qint64 paddedWidth = wide / gridHeight;
            geometry.padFilter =
                QStringLiteral("pad=%1:%2:%3:0:black").arg(paddedWidth).arg(height).arg((paddedWidth - width) / 2);
        }
    } else {
        // Relatively taller: the input keeps its width and gets black above and below.
        geometry.tile = diameter * width / gridWidth;
        geometry.step = geometry.spacing * width / gridWidth;
        geometry.padFilter = QStringLiteral("pad=%1:%2:0:%3:black")
                                 .arg(width)
                                 .arg(tall / gridWidth)
                                 .arg((tall - wide) / (2 * gridWidth));
    }
    // An input a few pixels across leaves no picture for a tile.
    if (geometry.tile < 1)
        return std::nullopt;
    return geometry;
}

void TranscodeManager::cut(const QString &input, const TranscodeGrid &grid, bool transcode, Progress progress,
                           Completion completion)
{
    m_core->cut(input, grid, transcode, progress, completion);
}

QFuture<QString> TranscodeManager::cut(const QString &input, QThreadPool *on, const TranscodeGrid &grid,
                                       bool transcode, Progress progress)
{
    auto promise = std::make_shared<QPromise<QString>>();
    promise->start();
    QFuture<QString> future = promise->future();
    const std::shared_ptr<Core> core = m_core;
    (on ? on : core->pool())->start([core, input, grid, transcode, progress, promise] {
        core->cut(input, grid, transcode, progress, [promise](const TranscodeResult &result) {
            if (const QString *folder = std::get_if<QString>(&result))
                promise->addResult(*folder);
            else
                promise->setException(std::get<EditError>(result));
            promise->finish();
        });
    });
    return future;
}
