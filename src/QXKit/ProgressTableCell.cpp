#include "ProgressTableCell.h"

#include "QXColor.h"
#include "QXProgress.h"
#include "QXProgressView.h"

#include <QHBoxLayout>
#include <QPushButton>

ProgressTableCell::ProgressTableCell(QWidget *parent)
    : QWidget(parent)
    , m_progressBar(new QXProgressView)
    , m_restartButton(new QPushButton)
{
    // Each row takes the focus in turn, so the keyboard and a screen reader can go through them.
    m_progressBar->setFocusPolicy(Qt::StrongFocus);
    m_restartButton->setObjectName(QStringLiteral("restartButton"));
    m_restartButton->hide();
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(12, 8, 12, 8);
    layout->addWidget(m_progressBar, 1);
    layout->addWidget(m_restartButton);
}

ProgressTableCell::~ProgressTableCell()
{
    unbind();
}

void ProgressTableCell::config(const std::shared_ptr<QXProgress> &progress, const QString &info)
{
    unbind();
    m_progress = progress;
    m_progressBar->setText(info);
    m_progressBar->setRunning();
    if (!progress) {
        m_progressBar->setProgress(0);
        return;
    }

    // Queued, so changes made on worker threads reach the bar on the GUI thread; each slot checks
    // that the row still shows the progress that spoke, since a queued call may arrive after a
    // rebind.
    const QXProgress *source = progress.get();
    auto stillBound = [this, source] { return m_progress.get() == source; };
    m_connections.append(connect(
        progress.get(), &QXProgress::fractionCompletedChanged, this,
        [this, stillBound] {
            if (stillBound())
                m_progressBar->setProgress(float(m_progress->fractionCompleted()));
        },
        Qt::QueuedConnection));
    m_connections.append(connect(
        progress.get(), &QXProgress::paused, this,
        [this, stillBound] {
            if (stillBound())
                showPaused();
        },
        Qt::QueuedConnection));
    m_connections.append(connect(
        progress.get(), &QXProgress::resumed, this,
        [this, stillBound] {
            if (stillBound())
                showResumed();
        },
        Qt::QueuedConnection));
    // Read after connecting: a change on a worker thread in between is then still told.
    m_progressBar->setProgress(float(progress->fractionCompleted()));
    if (progress->isPaused())
        showPaused();
}

void ProgressTableCell::unbind()
{
    for (const QMetaObject::Connection &connection : std::as_const(m_connections))
        disconnect(connection);
    m_connections.clear();
    m_progress.reset();
}

void ProgressTableCell::showPaused()
{
    // A row stops only when its work failed.
    m_progressBar->setFailed();
    m_progressBar->setBackgroundColor(qxkit::hexWithHex(0x7D0000));
    m_progressBar->setTextColor(qxkit::hexWithHex(0xC80000));
    m_progressBar->setProgressColor(qxkit::hexWithHex(0x7D0000));
}

void ProgressTableCell::showResumed()
{
    m_progressBar->setRunning();
    m_progressBar->setBackgroundColor(qxkit::hexWithHex(0x3B3D4C));
    m_progressBar->setTextColor(qxkit::hexWithHex(0xC80000));
    m_progressBar->setProgressColor(Qt::white);
}
