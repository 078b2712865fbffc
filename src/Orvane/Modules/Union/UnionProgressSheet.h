#pragma once

#include "MultyProgressDialogController.h"

#include <QList>
#include <QPointer>
#include <QString>

#include <functional>
#include <memory>
#include <optional>

class QWidget;
class QXProgress;

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
