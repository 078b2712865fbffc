#pragma once

#include <QList>
#include <QObject>

#include <memory>

// The progress of long work: completed out of total units, with children that each count for a
// number of the parent's units ("pending units") while they run and add exactly those units when
// they finish, so a parent whose children all finish reaches exactly 1.0.
// Safe to change from any thread; the signals may be emitted on the changing thread, so
// receivers connect with a context object and get them on that object's (GUI) thread.
// Create it with std::make_shared: a child reports to its parent through shared ownership.
class QXProgress : public QObject, public std::enable_shared_from_this<QXProgress>
{
    Q_OBJECT
public:
    explicit QXProgress(qint64 totalUnitCount = 0);
    ~QXProgress() override;

    // A child that counts for `pendingUnitCount` of the parent's units; the parent keeps it alive.
    static std::shared_ptr<QXProgress> create(qint64 totalUnitCount, const std::shared_ptr<QXProgress> &parent,
                                              qint64 pendingUnitCount);
    void addChild(const std::shared_ptr<QXProgress> &child, qint64 pendingUnitCount);

    qint64 totalUnitCount() const;
    void setTotalUnitCount(qint64 count);
    qint64 completedUnitCount() const;
    void setCompletedUnitCount(qint64 count);

    // completed / total, children counted by their own fraction of their pending units; 0 while
    // the total is 0.
    double fractionCompleted() const;
    bool isFinished() const;

    // Pausing and resuming reach this progress and its running children.
    void pause();
    void resume();
    bool isPaused() const;

signals:
    void fractionCompletedChanged(double fractionCompleted);
    void paused();
    void resumed();

private:
    struct Child {
        std::shared_ptr<QXProgress> progress;
        qint64 pendingUnitCount;
    };
    // The progresses whose fraction changed, kept alive until they have been told.
    struct Changes {
        QList<QXProgress *> progresses;
        QList<std::shared_ptr<QXProgress>> keepAlive;
    };

    double fractionLocked() const;
    bool finishedLocked() const;
    void absorbLocked(const QXProgress *child);
    // Turns finished children into completed units, from here up to the root.
    Changes settleUpwardsLocked();
    static void notify(const Changes &changes);
    // Sets the total or completed count, then tells every progress whose fraction changed.
    void setCount(qint64 QXProgress::*field, qint64 count);
    void setPausedLocked(bool paused, QList<std::shared_ptr<QXProgress>> &changed);

    qint64 m_total;
    qint64 m_completed = 0;
    bool m_paused = false;
    QList<Child> m_children;
    std::weak_ptr<QXProgress> m_parent;
};
