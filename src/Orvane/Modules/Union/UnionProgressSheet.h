#pragma once

#include "MultyProgressDialogController.h"
#include "QXChainedSocketOperation.h"
#include "UnionRun.h"

#include <QList>
#include <QPointer>
#include <QString>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

class NetworkingDevice;
class QWidget;
class QXProgress;

// What one row weighs in a run's total, and what a finished single step counts.
inline constexpr qint64 kUnionRowUnits = 100;

// The progress of one union run: a total in which every row weighs 100 units, and one row per
// member (or per step) titled with its name.
struct UnionProgress
{
    std::shared_ptr<QXProgress> total;
    QList<MultyProgressDialogController::ProgressData> rows;

    // One row per title; row i counts `rowTotals[i]` units of its own (100 when not given).
    static UnionProgress make(const QStringList &titles, const QList<qint64> &rowTotals = {});

    std::shared_ptr<QXProgress> row(qsizetype index) const { return rows.at(index).first; }
};

// Shows the run's sheet over the screen's window, through the dialog presenter. None when it
// cannot be shown: the run goes on, and a confirm action that must end something (a search) is
// the caller's to run.
QPointer<MultyProgressDialogController> presentUnionProgress(QWidget *screen, const UnionProgress &progress,
                                                            bool confirmEnabled,
                                                            std::optional<qreal> adjustedHeight = std::nullopt,
                                                            std::function<void()> confirmAction = {});

// The blocks that end a member's row on a socket's answer: success completes the row, failure
// pauses it, and either reports the member done.
struct RowOutcome
{
    QXOperationBlock success;
    QXOperationBlock failure;
};
RowOutcome rowOutcome(const std::shared_ptr<QXProgress> &row, const UnionRun::Done &done);

// Starts the run of the members and shows its sheet, confirmable from the start.
void startUnionRun(QWidget *screen, const QList<UnionRun::Member> &members, const UnionProgress &progress);

// The members' names, one row title each.
QStringList memberNames(const std::vector<std::shared_ptr<NetworkingDevice>> &members);
