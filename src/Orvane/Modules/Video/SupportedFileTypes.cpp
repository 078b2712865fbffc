#include "SupportedFileTypes.h"

namespace orvane {

const QStringList &supportedFileTypes()
{
    static const QStringList types = {
        QStringLiteral("BMP"), QStringLiteral("PNG"),  QStringLiteral("JPG"),  QStringLiteral("JPEG"),
        QStringLiteral("bmp"), QStringLiteral("png"),  QStringLiteral("jpg"),  QStringLiteral("jpeg"),
        QStringLiteral("AVI"), QStringLiteral("avi"),  QStringLiteral("WMV"),  QStringLiteral("MKV"),
        QStringLiteral("RMVB"), QStringLiteral("GIF"), QStringLiteral("MP4"),  QStringLiteral("MOV"),
        QStringLiteral("FLV"), QStringLiteral("wmv"),  QStringLiteral("mkv"),  QStringLiteral("rmvb"),
        QStringLiteral("gif"), QStringLiteral("mp4"),  QStringLiteral("mov"),  QStringLiteral("flv"),
    };
    return types;
}

QString supportedFileFilter()
{
    QStringList patterns;
    for (const QString &type : supportedFileTypes())
        patterns.append(QStringLiteral("*.") + type);
    return patterns.join(QLatin1Char(' '));
}

} // namespace orvane
