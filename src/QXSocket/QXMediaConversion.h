#pragma once

#include <QSizeF>
#include <QString>
#include <QStringList>

#include <functional>

// Gives the displayed size of a media file (width, height), (0, 0) when it cannot be read, or
// an invalid size (QSizeF()) when the file was read and holds no picture at all (sound only).
using QXMediaSizeProbe = std::function<QSizeF(const QString &path)>;

// Runs the converter with an argument list (without the program name) and gives its exit
// status; 0 means the output was written.
using QXConverterRunner = std::function<int(const QStringList &arguments)>;

// The older runner: the converter's whole command line as a program's entry point receives it,
// the program name first; gives the exit status.
using QXMainRunner = std::function<int(int argc, const char *const *argv)>;

// The converter's argument lists that turn a video or a picture into the one format the
// fans play: H.264 baseline MP4 with MP3 audio at the device's size and bit rate.
namespace QXMediaConversion {

// The device's wide format; sources narrower than it are padded, square ones shown twice.
inline constexpr auto kWideSize = "1300x512";

enum class Layout {
    Normal,     // scaled to the device size
    SideBySide, // a square source shown twice across the wide picture
    Padded,     // scaled to the wide height and padded on the right
};

// "720" stands for a square "720x720"; a text with an "x" is used as it is.
QString sizeText(const QString &resolution);

// The layout for a wide device, chosen by the source's displayed size; a source whose size is
// unknown (0, 0) is stretched to the device size.
Layout wideLayout(const QSizeF &source);

QStringList arguments(Layout layout, bool video, const QString &input, const QString &output, const QString &size,
                      const QString &rate);

// The whole choice: the size text, then for the wide size the source's layout (probing the
// source), then the list. Empty when the rate or the input is missing: nothing can be converted.
QStringList argumentsFor(const QString &resolution, const QString &rate, const QString &input, const QString &output,
                         bool video, const QXMediaSizeProbe &probe);

// The older form's list: "ffmpeg" first (and "-y" after it for the side-by-side and padded
// layouts), without the MP3 audio pair. A wide video whose size cannot be read converts
// nothing (an empty list); a wide picture is then stretched, as in the newer form.
QStringList olderArgumentsFor(const QString &resolution, const QString &rate, const QString &input,
                              const QString &output, bool video, const QXMediaSizeProbe &probe);

// The size a player shows for a stored size turned by the given angle in degrees.
QSizeF displayedSize(const QSizeF &stored, double rotationDegrees);

// The default probe: ffprobe's first video stream with its rotation applied (pictures are
// streams too, turned by their orientation tag as a viewer shows them), (0, 0) for a stream whose
// picture ffmpeg cannot decode, or the picture reader when ffprobe cannot tell. A file that
// ffprobe reads without finding a video stream, and that is no picture either, holds no picture.
QSizeF probeMediaSize(const QString &path);

// What a probe gives for a source without a picture to show: none at all (sound only), or one
// that cannot be read ((0, 0), a damaged picture included). A fan would get a file it cannot
// show, or ffmpeg would wait for a first picture that never comes, so such a source is never
// converted.
bool holdsNoPicture(const QSizeF &probed);

// The options before an input's "-i" that have ffmpeg and ffprobe read a picture as the one file
// its path names: the reader of its kind, told by its content (PNG, JPEG, BMP, GIF). Empty for
// anything else, such as videos, whose readers take the path as it is. ffmpeg's usual picture
// reader would take a name holding "%d" or "%03d" for a numbered sequence of files.
QStringList readerFor(const QString &path);

} // namespace QXMediaConversion
