#include "UploadBar.h"

#include "Core/Utils.h"
#include "QXEventLoop.h"
#include "QXFileSocket.h"
#include "QXLocalized.h"
#include "Widget/Panel/FilePanel.h"
#include "Widget/ScreenParts.h"

#include <QPointer>
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
    setRunning();
    setProgress(0);
    setText(path);
    show();
}

void UploadBar::failFile()
{
    setFailed();
    setProgress(0);
    setText(qxLocalized("ov_add_file_fail"));
}

void UploadBar::finishBatch(bool succeeded)
{
    if (succeeded) {
        setFinished();
        setProgress(0);
        setText(qxLocalized("ov_add_file_success"));
        setHideProgressLabel(true);
    } else {
        failFile();
    }
    m_hideTimer->start();
}

namespace orvane::screen {

void chooseUploadFiles(QWidget *screen, const QXFileSocket &socket, const QStringList &nameFilters,
                       std::function<void(const QStringList &)> chosen)
{
    if (socket.currentIns() != QXFileSocket::Idle) {
        Utils::shareInstance()->showDialogWithType(Utils::DialogType::info, qxLocalized("ov_wait_for_upload"), nullptr);
        return;
    }
    orvane::panel::OpenOptions options;
    options.allowsMultipleSelection = true;
    options.nameFilters = nameFilters;
    QPointer<QWidget> guard(screen);
    orvane::panel::openPanel(screen, options, [guard, chosen = std::move(chosen)](const QStringList &paths) {
        if (!guard || paths.isEmpty())
            return;
        qxNextTurn(guard, [guard, chosen, paths] { chosen(paths); });
    });
}

} // namespace orvane::screen
