#pragma once

#include <QDialog>
#include <QList>
#include <QString>

#include <functional>
#include <memory>
#include <optional>
#include <utility>

class ProgressTableCell;
class QScrollArea;
class QXButton;
class QXProgress;

// A sheet listing several progresses, one row each, with a confirm button that becomes usable
// once the overall progress reaches exactly 1.0. Show it window-modal (open() or a dialog
// presenter); it deletes itself when dismissed. The rows are ordinary widgets in a scrolling
// column, not cells of an item view, so the keyboard reaches each one and a screen reader reads
// each as a progress bar with its state.
class MultyProgressDialogController : public QDialog
{
    Q_OBJECT
public:
    using ProgressData = std::pair<std::shared_ptr<QXProgress>, QString>;

    static constexpr qreal defaultRowHeight = 50.0;

    explicit MultyProgressDialogController(QList<ProgressData> progressDatas = {},
                                           std::shared_ptr<QXProgress> totalProgress = {},
                                           bool confirmEnabled = true,
                                           std::optional<qreal> adjustedHeight = std::nullopt,
                                           std::function<void()> confirmAction = {}, QWidget *parent = nullptr);

    // Whether the confirm button is usable; applied on the next turn of the event loop. Reaching
    // 1.0 overall enables the button without changing this value.
    bool confirmEnabled() const { return m_confirmEnabled; }
    void setConfirmEnabled(bool enabled);

    int numberOfRows() const { return int(m_progressDatas.size()); }
    // 50 with several rows; a single row takes the adjusted height, else the list's whole height.
    qreal heightOfRow(int row) const;

    QXButton *confirmBtn() const { return m_confirmBtn; }
    // The scrolling column of rows, and the row of one progress (none outside the rows).
    QScrollArea *list() const { return m_list; }
    ProgressTableCell *cell(int row) const { return m_cells.value(row); }

public slots:
    // Runs the confirm closure, then dismisses the sheet.
    void confirmAction();

protected:
    void resizeEvent(QResizeEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void totalChanged(double fraction);
    void applyRowHeights();

    QList<ProgressData> m_progressDatas;
    std::shared_ptr<QXProgress> m_totalProgress;
    bool m_confirmEnabled;
    std::optional<qreal> m_adjustedHeight;
    std::function<void()> m_confirmAction;
    QScrollArea *m_list;
    QList<ProgressTableCell *> m_cells;
    QXButton *m_confirmBtn;
};
