#include "QXMediaConversion.h"

#include "OrvaneProcess.h"
#include "QXLog.h"

#include <QFile>
#include <QImageReader>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cmath>
#include <numbers>

namespace QXMediaConversion {

namespace {

const QSizeF kUnknownSize(0, 0);
const QSizeF kNoPicture;

const QString kSideBySideFilter =
    QStringLiteral("[0:v]scale=512:512,pad=1300:512:69:0[a];[1:v]scale=512:512[b];[a][b]overlay=719");
const QString kPaddedFilter = QStringLiteral("scale=-1:512,pad=1300:512:0:0");

QStringList encoderHead()
{
    return {"-c:v", "libx264", "-vprofile", "baseline", "-level", "30"};
}

QStringList rateLimits()
{
    return {"-maxrate", "1M", "-bufsize", "2M"};
}

QStringList audioAndPixels()
{
    return {"-c:a", "libmp3lame", "-ac", "2", "-ar", "22050", "-pix_fmt", "yuvj420p"};
}

// Videos keep their length; a picture becomes 5 seconds of video.
QStringList ending(bool video, const QString &output)
{
    return video ? QStringList{"-strict", "-2", output} : QStringList{"-t", "5", output};
}

QStringList inputs(bool video, const QString &input, bool twice)
{
    QStringList list;
    if (!video)
        list << "-loop" << "1";
    const QStringList reader = readerFor(input);
    list << reader << "-i" << input;
    if (twice)
        list << reader << "-i" << input;
    return list;
}

// A rotation of whole quarter turns is exact; sin and cos of them are not.
void rotationMatrix(double degrees, double &a, double &b, double &c, double &d)
{
    const double quarterTurns = degrees / 90.0;
    if (quarterTurns == std::floor(quarterTurns)) {
        static constexpr int kCos[] = {1, 0, -1, 0};
        static constexpr int kSin[] = {0, 1, 0, -1};
        const int turn = ((int(quarterTurns) % 4) + 4) % 4;
        a = kCos[turn];
        b = kSin[turn];
    } else {
        const double radians = degrees * std::numbers::pi / 180.0;
        a = std::cos(radians);
        b = std::sin(radians);
    }
    c = -b;
    d = a;
}

double rotationOf(const QJsonObject &stream)
{
    for (const QJsonValue &sideData : stream.value(QStringLiteral("side_data_list")).toArray()) {
        const QJsonValue rotation = sideData.toObject().value(QStringLiteral("rotation"));
        if (rotation.isDouble())
            return rotation.toDouble();
    }
    return stream.value(QStringLiteral("tags")).toObject().value(QStringLiteral("rotate")).toString().toDouble();
}

// ffprobe's answer: the displayed size; (0, 0) for a picture that ffmpeg finds and cannot decode
// (a damaged file: ffmpeg would wait for its first frame for ever); kNoPicture when it read the
// file and found no video stream in it. None when ffprobe cannot tell (missing, or failing).
std::optional<QSizeF> ffprobeSize(const QString &path)
{
    const QString ffprobe = OrvaneProcess::findExecutable(QStringLiteral("ffprobe"));
    if (ffprobe.isEmpty())
        return std::nullopt;
    OrvaneProcess process(ffprobe, QStringList{"-v", "error"} + readerFor(path)
                                       + QStringList{"-select_streams", "v:0", "-show_entries",
                                                     "stream=width,height:stream_tags=rotate:stream_side_data=rotation",
                                                     "-of", "json", path});
    process.launch();
    process.waitUntilExit();
    const std::optional<QString> text = process.output();
    if (process.terminate() != 0 || !text)
        return std::nullopt;
    const QJsonValue listed = QJsonDocument::fromJson(text->toUtf8()).object().value(QStringLiteral("streams"));
    const QJsonArray streams = listed.toArray();
    // An empty list: ffprobe read the file and found no video stream in it.
    if (streams.isEmpty())
        return listed.isArray() ? std::optional(kNoPicture) : std::nullopt;
    const QJsonObject stream = streams.first().toObject();
    const QSizeF stored(stream.value(QStringLiteral("width")).toInt(), stream.value(QStringLiteral("height")).toInt());
    if (stored.isEmpty())
        return kUnknownSize;
    return displayedSize(stored, rotationOf(stream));
}

// A phone keeps a portrait photo as a landscape picture with an orientation tag. Every viewer, and
// ffmpeg before its filters, turns it upright; ffprobe tells the stored size.
QSizeF shownSize(const QSizeF &stored, QImageReader &reader)
{
    return reader.transformation().testFlag(QImageIOHandler::TransformationRotate90) ? stored.transposed() : stored;
}

QSizeF pictureSize(const QString &path)
{
    QImageReader reader(path);
    const QSize size = reader.size();
    if (size.isEmpty())
        return kUnknownSize;
    return shownSize(QSizeF(size), reader);
}

QSizeF sourceSize(const QString &input, const QXMediaSizeProbe &probe)
{
    return probe ? probe(input) : probeMediaSize(input);
}

} // namespace

QString sizeText(const QString &resolution)
{
    return resolution.contains(QLatin1Char('x')) ? resolution : QStringLiteral("%1x%1").arg(resolution);
}

Layout wideLayout(const QSizeF &source)
{
    if (source.isEmpty()) {
        QXLOG(QStringLiteral("获取分辨率失败"));
        return Layout::Normal;
    }
    if (source.width() == source.height())
        return Layout::SideBySide;
    if (source.width() / source.height() > 1300.0 / 512.0)
        return Layout::Normal;
    return Layout::Padded;
}

QStringList arguments(Layout layout, bool video, const QString &input, const QString &output, const QString &size,
                      const QString &rate)
{
    const QStringList frames = {"-r", "24", "-refs", "1", "-b:v", rate};
    QStringList list;
    switch (layout) {
    case Layout::Normal:
        list << inputs(video, input, false) << encoderHead() << "-s" << size << frames << rateLimits();
        break;
    case Layout::SideBySide:
        list << inputs(video, input, true) << "-filter_complex" << kSideBySideFilter << encoderHead();
        // Only the side-by-side picture keeps the size and the rate limits.
        if (video)
            list << frames;
        else
            list << "-s" << size << frames << rateLimits();
        break;
    case Layout::Padded:
        list << inputs(video, input, true) << "-vf" << kPaddedFilter << encoderHead() << frames;
        break;
    }
    list << audioAndPixels() << ending(video, output);
    return list;
}

QStringList argumentsFor(const QString &resolution, const QString &rate, const QString &input, const QString &output,
                         bool video, const QXMediaSizeProbe &probe)
{
    if (rate.isEmpty() || input.isEmpty())
        return {};
    const QString size = sizeText(resolution);
    Layout layout = Layout::Normal;
    if (size == QLatin1String(kWideSize))
        layout = wideLayout(sourceSize(input, probe));
    return arguments(layout, video, input, output, size, rate);
}

QStringList olderArgumentsFor(const QString &resolution, const QString &rate, const QString &input,
                              const QString &output, bool video, const QXMediaSizeProbe &probe)
{
    if (rate.isEmpty() || input.isEmpty())
        return {};
    const QString size = sizeText(resolution);
    Layout layout = Layout::Normal;
    if (size == QLatin1String(kWideSize)) {
        const QSizeF source = sourceSize(input, probe);
        if (source.isEmpty() && video) {
            QXLOG(QStringLiteral("获取分辨率失败"));
            return {};
        }
        layout = wideLayout(source);
    }
    QStringList list = arguments(layout, video, input, output, size, rate);
    const qsizetype audio = list.indexOf(QStringLiteral("-c:a"));
    if (audio >= 0)
        list.remove(audio, 2);
    QStringList head{QStringLiteral("ffmpeg")};
    if (layout != Layout::Normal)
        head << QStringLiteral("-y");
    return head + list;
}

QSizeF displayedSize(const QSizeF &stored, double rotationDegrees)
{
    double a = 0, b = 0, c = 0, d = 0;
    rotationMatrix(rotationDegrees, a, b, c, d);
    const double w = stored.width();
    const double h = stored.height();
    return QSizeF(std::abs(int(w * a + h * c)), std::abs(int(w * b + h * d)));
}

QSizeF probeMediaSize(const QString &path)
{
    const std::optional<QSizeF> probed = ffprobeSize(path);
    // What ffmpeg cannot decode stays unreadable, even when the picture's header tells a size.
    if (probed && probed->isValid()) {
        if (readerFor(path).isEmpty())
            return *probed;
        QImageReader reader(path);
        return shownSize(*probed, reader);
    }
    const QSizeF picture = pictureSize(path);
    return picture.isEmpty() && probed ? kNoPicture : picture;
}

bool holdsNoPicture(const QSizeF &probed)
{
    return probed.isEmpty();
}

QStringList readerFor(const QString &path)
{
    static const std::pair<QByteArray, QString> kReaders[] = {
        {QByteArray("\x89PNG\r\n\x1a\n"), QStringLiteral("png_pipe")},
        {QByteArray("\xff\xd8\xff"), QStringLiteral("jpeg_pipe")},
        {QByteArray("GIF8"), QStringLiteral("gif")},
        {QByteArray("BM"), QStringLiteral("bmp_pipe")},
    };
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray head = file.read(8);
    for (const auto &[signature, reader] : kReaders) {
        if (head.startsWith(signature))
            return {QStringLiteral("-f"), reader};
    }
    return {};
}

} // namespace QXMediaConversion
