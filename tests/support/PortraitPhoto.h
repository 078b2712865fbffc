#pragma once

// A phone's portrait photo: the camera stores the picture lying on its side and tags it with the
// EXIF orientation that turns it upright, 6 (a quarter turn clockwise) or 8 (anticlockwise).
#include <QBuffer>
#include <QColor>
#include <QFile>
#include <QImage>
#include <QRect>
#include <QSize>

#include <cstdlib>

namespace orvane::test {

// The APP1 segment of an EXIF block that holds the orientation tag only (big-endian TIFF).
inline QByteArray exifOrientation(int orientation)
{
    QByteArray tiff("MM\x00\x2a\x00\x00\x00\x08", 8); // byte order, magic, first directory at 8
    tiff.append("\x00\x01", 2); // one entry:
    tiff.append("\x01\x12\x00\x03\x00\x00\x00\x01", 8); // orientation, a SHORT, one value
    tiff.append(char(0)).append(char(orientation)).append(QByteArray(2, 0));
    tiff.append(QByteArray(4, 0)); // no next directory
    const QByteArray body = QByteArray("Exif\x00\x00", 6) + tiff;
    const int length = int(body.size()) + 2;
    return QByteArray("\xff\xe1", 2) + char(length >> 8) + char(length & 0xff) + body;
}

// Writes a JPEG of `stored` size (landscape) with the orientation tag, showing `top` over `bottom`
// once turned upright; false when it could not be written.
inline bool writePortraitPhoto(const QString &path, int orientation, QSize stored, const QColor &top,
                               const QColor &bottom)
{
    // Turning back what the tag turns: 6 shows the stored left side at the top, 8 the right side.
    QImage image(stored, QImage::Format_RGB32);
    const QRect left(0, 0, stored.width() / 2, stored.height());
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, (left.contains(x, y) == (orientation == 6) ? top : bottom).rgb());
    }
    QByteArray jpeg;
    QBuffer buffer(&jpeg);
    if (!buffer.open(QIODevice::WriteOnly) || !image.save(&buffer, "JPEG", 95))
        return false;
    // The tag goes after the start marker and the JFIF segment.
    qsizetype at = 2;
    if (jpeg.mid(2, 2) == QByteArray("\xff\xe0", 2))
        at += 2 + ((quint8(jpeg.at(4)) << 8) | quint8(jpeg.at(5)));
    jpeg.insert(at, exifOrientation(orientation));
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(jpeg) == jpeg.size();
}

// Whether the row of the picture shows the colour somewhere, JPEG's blur allowed for.
inline bool rowShows(const QImage &picture, int y, const QColor &colour)
{
    for (int x = 0; x < picture.width(); ++x) {
        const QRgb pixel = picture.pixel(x, y);
        if (std::abs(qRed(pixel) - colour.red()) < 60 && std::abs(qGreen(pixel) - colour.green()) < 60
            && std::abs(qBlue(pixel) - colour.blue()) < 60)
            return true;
    }
    return false;
}

// Whether the picture stands upright: its top row shows `top` and not `bottom`, its bottom row the
// other way round (black around the photo shows neither).
inline bool standsUpright(const QImage &picture, const QColor &top, const QColor &bottom)
{
    const int first = 2;
    const int last = picture.height() - 3;
    return !picture.isNull() && rowShows(picture, first, top) && !rowShows(picture, first, bottom)
           && rowShows(picture, last, bottom) && !rowShows(picture, last, top);
}

} // namespace orvane::test
