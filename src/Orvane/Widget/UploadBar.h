#pragma once

#include "QXProgressView.h"

#include <QStringList>

#include <functional>

class QTimer;
class QXFileSocket;

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
    // A file failed on the way: the bar says so, in words for a screen reader too, until the next
    // file starts.
    void failFile();
    // Says how the batch ended and hides the bar after the delay.
    void finishBatch(bool succeeded);

private:
    void prepare();

    QTimer *m_hideTimer = nullptr;
};

namespace orvane::screen {

// Lets the operator choose files to send through the socket, several at once, or asks them to
// wait while it is busy. The paths reach `chosen` from the event loop, never from inside the
// panel's own signal, since checking them may show dialogs; nothing comes when the panel is
// cancelled or the screen is gone by then.
void chooseUploadFiles(QWidget *screen, const QXFileSocket &socket, const QStringList &nameFilters,
                       std::function<void(const QStringList &paths)> chosen);

} // namespace orvane::screen
