#include "QXProgress.h"

#include <QMutex>

namespace {

// One lock for every progress: a change walks up to the parents, and one lock for the whole tree
// rules out lock-order problems between parent and child.
QMutex &treeMutex()
{
    static QMutex mutex;
    return mutex;
}

} // namespace

QXProgress::QXProgress(qint64 totalUnitCount)
    : m_total(totalUnitCount)
{
}

QXProgress::~QXProgress() = default;

std::shared_ptr<QXProgress> QXProgress::create(qint64 totalUnitCount, const std::shared_ptr<QXProgress> &parent,
                                               qint64 pendingUnitCount)
{
    auto child = std::make_shared<QXProgress>(totalUnitCount);
    if (parent)
        parent->addChild(child, pendingUnitCount);
    return child;
}

void QXProgress::addChild(const std::shared_ptr<QXProgress> &child, qint64 pendingUnitCount)
{
    if (!child || child.get() == this)
        return;
    Changes changes;
    {
        QMutexLocker locker(&treeMutex());
        if (!child->m_parent.expired())
            return;
        child->m_parent = weak_from_this();
        m_children.append({child, qMax<qint64>(0, pendingUnitCount)});
        if (child->finishedLocked())
            absorbLocked(child.get());
        changes = settleUpwardsLocked();
    }
    notify(changes);
}

qint64 QXProgress::totalUnitCount() const
{
    QMutexLocker locker(&treeMutex());
    return m_total;
}

void QXProgress::setTotalUnitCount(qint64 count)
{
    setCount(&QXProgress::m_total, count);
}

qint64 QXProgress::completedUnitCount() const
{
    QMutexLocker locker(&treeMutex());
    return m_completed;
}

void QXProgress::setCompletedUnitCount(qint64 count)
{
    setCount(&QXProgress::m_completed, count);
}

void QXProgress::setCount(qint64 QXProgress::*field, qint64 count)
{
    Changes changes;
    {
        QMutexLocker locker(&treeMutex());
        this->*field = count;
        changes = settleUpwardsLocked();
    }
    notify(changes);
}

double QXProgress::fractionCompleted() const
{
    QMutexLocker locker(&treeMutex());
    return fractionLocked();
}

bool QXProgress::isFinished() const
{
    QMutexLocker locker(&treeMutex());
    return finishedLocked();
}

void QXProgress::pause()
{
    QList<std::shared_ptr<QXProgress>> changed;
    {
        QMutexLocker locker(&treeMutex());
        setPausedLocked(true, changed);
    }
    emit paused();
    for (const auto &child : std::as_const(changed))
        emit child->paused();
}

void QXProgress::resume()
{
    QList<std::shared_ptr<QXProgress>> changed;
    {
        QMutexLocker locker(&treeMutex());
        setPausedLocked(false, changed);
    }
    emit resumed();
    for (const auto &child : std::as_const(changed))
        emit child->resumed();
}

bool QXProgress::isPaused() const
{
    QMutexLocker locker(&treeMutex());
    return m_paused;
}

void QXProgress::setPausedLocked(bool paused, QList<std::shared_ptr<QXProgress>> &changed)
{
    m_paused = paused;
    for (const Child &child : std::as_const(m_children)) {
        if (child.progress->m_paused != paused)
            changed.append(child.progress);
        child.progress->setPausedLocked(paused, changed);
    }
}

double QXProgress::fractionLocked() const
{
    if (m_total <= 0)
        return 0.0;
    double done = double(m_completed);
    for (const Child &child : m_children)
        done += qMin(child.progress->fractionLocked(), 1.0) * double(child.pendingUnitCount);
    return done / double(m_total);
}

bool QXProgress::finishedLocked() const
{
    return m_total > 0 && m_completed >= m_total;
}

void QXProgress::absorbLocked(const QXProgress *child)
{
    for (qsizetype i = 0; i < m_children.size(); ++i) {
        if (m_children.at(i).progress.get() == child) {
            // Whole units, so a parent whose children all finish lands on exactly 1.0.
            m_completed += m_children.at(i).pendingUnitCount;
            m_children.removeAt(i);
            return;
        }
    }
}

QXProgress::Changes QXProgress::settleUpwardsLocked()
{
    Changes changes;
    changes.progresses.append(this);
    QXProgress *current = this;
    while (std::shared_ptr<QXProgress> parent = current->m_parent.lock()) {
        if (current->finishedLocked())
            parent->absorbLocked(current);
        changes.progresses.append(parent.get());
        changes.keepAlive.append(parent);
        current = parent.get();
    }
    return changes;
}

void QXProgress::notify(const Changes &changes)
{
    for (QXProgress *progress : changes.progresses)
        emit progress->fractionCompletedChanged(progress->fractionCompleted());
}
