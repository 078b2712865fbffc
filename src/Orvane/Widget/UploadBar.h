#pragma once

#include "QXProgressView.h"

class QTimer;

// The bar under a list that follows an upload batch: each file's path and progress while it is
// on its way, then how the batch ended, and a moment later it hides itself. Hidden until the
// first file starts.
class UploadBar : public QXProgressView
{
    Q_OBJECT
public:
    static constexpr int kHideDelayMs = 1000;

    explicit UploadBar(QWidget *parent = nullptr);
    UploadBar(const QColor &backgroundColor, const QColor &progressColor, const QColor &textColor,
              QWidget *parent = nullptr);

    // Shows the file that is on its way now, at no progress.
    void startFile(const QString &path);
    // Says how the batch ended and hides the bar after the delay.
    void finishBatch(bool succeeded);

private:
    void prepare();

    QTimer *m_hideTimer = nullptr;
};
