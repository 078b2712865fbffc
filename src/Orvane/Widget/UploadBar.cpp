#include "UploadBar.h"

#include "Widget/ScreenParts.h"

#include <QTimer>

UploadBar::UploadBar(QWidget *parent)
    : QXProgressView(parent)
{
    prepare();
}

UploadBar::UploadBar(const QColor &backgroundColor, const QColor &progressColor, const QColor &textColor,
                     QWidget *parent)
    : QXProgressView(backgroundColor, progressColor, textColor, parent)
{
    prepare();
}

void UploadBar::prepare()
{
    setObjectName(QStringLiteral("uploadProgress"));
    setMinimumHeight(24);
    hide();
    m_hideTimer = new QTimer(this);
    m_hideTimer->setSingleShot(true);
    m_hideTimer->setInterval(kHideDelayMs);
    connect(m_hideTimer, &QTimer::timeout, this, &QWidget::hide);
}

void UploadBar::startFile(const QString &path)
{
    m_hideTimer->stop();
    setHideProgressLabel(false);
    setProgress(0);
    setText(path);
    show();
}

void UploadBar::finishBatch(bool succeeded)
{
    setProgress(0);
    setText(orvane::screen::localized(succeeded ? "ov_add_file_success" : "ov_add_file_fail"));
    if (succeeded)
        setHideProgressLabel(true);
    m_hideTimer->start();
}
