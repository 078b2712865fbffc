#include "UnionProgressSheet.h"

#include "DialogPresenter.h"
#include "NetworkingDevice.h"
#include "QXProgress.h"

UnionProgress UnionProgress::make(const QStringList &titles, const QList<qint64> &rowTotals)
{
    UnionProgress progress{std::make_shared<QXProgress>(titles.size() * kUnionRowUnits), {}};
    for (qsizetype i = 0; i < titles.size(); ++i) {
        const qint64 units = i < rowTotals.size() ? rowTotals.at(i) : kUnionRowUnits;
        progress.rows.append({QXProgress::create(units, progress.total, kUnionRowUnits), titles.at(i)});
    }
    return progress;
}

QPointer<MultyProgressDialogController> presentUnionProgress(QWidget *screen, const UnionProgress &progress,
                                                            bool confirmEnabled, std::optional<qreal> adjustedHeight,
                                                            std::function<void()> confirmAction)
{
    auto *sheet = new MultyProgressDialogController(progress.rows, progress.total, confirmEnabled, adjustedHeight,
                                                    std::move(confirmAction), screen);
    if (Modalia::DialogPresenter::current().present(sheet, screen))
        return sheet;
    sheet->deleteLater();
    return nullptr;
}

RowOutcome rowOutcome(const std::shared_ptr<QXProgress> &row, const UnionRun::Done &done)
{
    return {[row, done](const QXOperationRef &, qint64, const QVariant &) {
                row->setCompletedUnitCount(kUnionRowUnits);
                done();
            },
            [row, done](const QXOperationRef &, qint64, const QVariant &) {
                row->pause();
                done();
            }};
}

void startUnionRun(QWidget *screen, const QList<UnionRun::Member> &members, const UnionProgress &progress)
{
    UnionRun::start(members);
    presentUnionProgress(screen, progress, true);
}

QStringList memberNames(const std::vector<std::shared_ptr<NetworkingDevice>> &members)
{
    QStringList names;
    for (const std::shared_ptr<NetworkingDevice> &member : members)
        names.append(member->name());
    return names;
}
