#include "UnionProgressSheet.h"

#include "DialogPresenter.h"
#include "QXProgress.h"

namespace {

constexpr qint64 kRowUnits = 100;

} // namespace

UnionProgress UnionProgress::make(const QStringList &titles, const QList<qint64> &rowTotals)
{
    UnionProgress progress{std::make_shared<QXProgress>(titles.size() * kRowUnits), {}};
    for (qsizetype i = 0; i < titles.size(); ++i) {
        const qint64 units = i < rowTotals.size() ? rowTotals.at(i) : kRowUnits;
        progress.rows.append({QXProgress::create(units, progress.total, kRowUnits), titles.at(i)});
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
