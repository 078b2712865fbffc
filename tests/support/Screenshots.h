#pragma once

#include <QDir>
#include <QImage>
#include <QString>
#include <QWidget>

namespace orvane::test {

// Saves the picture for a person to look at when ORVANE_SCREENSHOT_DIR names a folder; returns whether it was saved.
inline bool saveScreenshot(const QImage &image, const QString &name)
{
    const QString directory = qEnvironmentVariable("ORVANE_SCREENSHOT_DIR");
    if (directory.isEmpty())
        return false;
    QDir().mkpath(directory);
    return image.save(QDir(directory).filePath(name + QStringLiteral(".png")));
}

// Grabs the widget, saves it as above and hands the picture back for checks.
inline QImage grabScreenshot(QWidget *widget, const QString &name)
{
    const QImage image = widget->grab().toImage();
    saveScreenshot(image, name);
    return image;
}

} // namespace orvane::test
