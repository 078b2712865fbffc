#include "MultyProgressDialogController.h"

#include "ProgressTableCell.h"
#include "QXButton.h"
#include "QXColor.h"
#include "QXEventLoop.h"
#include "QXLocalized.h"
#include "QXProgress.h"
#include "QXView.h"

#include <QApplication>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QScrollArea>
#include <QVBoxLayout>

namespace {

constexpr int sheetWidth = 480;
constexpr int buttonArea = 80;
constexpr int maximumListHeight = 400;

} // namespace

MultyProgressDialogController::MultyProgressDialogController(QList<ProgressData> progressDatas,
                                                             std::shared_ptr<QXProgress> totalProgress,
                                                             bool confirmEnabled, std::optional<qreal> adjustedHeight,
                                                             std::function<void()> confirmAction, QWidget *parent)
    : QDialog(parent)
    , m_progressDatas(std::move(progressDatas))
    , m_totalProgress(std::move(totalProgress))
    , m_confirmEnabled(confirmEnabled)
    , m_adjustedHeight(adjustedHeight)
    , m_confirmAction(std::move(confirmAction))
    , m_list(new QScrollArea)
    , m_confirmBtn(new QXButton)
{
    setPalette(qxkit::darkPalette());
    setAutoFillBackground(true);
    setWindowTitle(QApplication::applicationName());
    setAccessibleName(qxLocalized(QStringLiteral("ov_a11y_progress")));
    connect(this, &QDialog::finished, this, &QObject::deleteLater);

    m_list->setObjectName(QStringLiteral("list"));
    m_list->setFrameShape(QFrame::NoFrame);
    m_list->setWidgetResizable(true);
    m_list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // The rows take the focus, not the column around them.
    m_list->setFocusPolicy(Qt::NoFocus);
    auto *column = new QWidget;
    qxkit::setBgColor(column, qxkit::globalDark());
    auto *rows = new QVBoxLayout(column);
    rows->setContentsMargins(0, 0, 0, 0);
    rows->setSpacing(0);
    for (const ProgressData &data : std::as_const(m_progressDatas)) {
        auto *cell = new ProgressTableCell;
        cell->config(data.first, data.second);
        rows->addWidget(cell);
        m_cells.append(cell);
    }
    rows->addStretch();
    m_list->setWidget(column);

    m_confirmBtn->setObjectName(QStringLiteral("confirmBtn"));
    qxkit::setInternationalKey(m_confirmBtn, QStringLiteral("ov_confirm"));
    m_confirmBtn->setMinimumWidth(120);
    m_confirmBtn->setEnabled(m_confirmEnabled);
    m_confirmBtn->setDefault(true);
    connect(m_confirmBtn, &QPushButton::clicked, this, &MultyProgressDialogController::confirmAction);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_confirmBtn);
    buttons->addStretch();
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 12, 0, 16);
    layout->setSpacing(12);
    layout->addWidget(m_list, 1);
    layout->addLayout(buttons);

    const int listHeight = m_adjustedHeight
        ? int(*m_adjustedHeight)
        : qBound(int(defaultRowHeight), int(m_progressDatas.size() * defaultRowHeight), maximumListHeight);
    resize(sheetWidth, listHeight + buttonArea);
    layout->activate();
    applyRowHeights();

    if (m_totalProgress) {
        connect(m_totalProgress.get(), &QXProgress::fractionCompletedChanged, this,
                &MultyProgressDialogController::totalChanged, Qt::QueuedConnection);
        // Work that finished before the sheet was made must not leave its confirm button locked.
        if (m_totalProgress->fractionCompleted() == 1.0)
            qxNextTurn(this, [this] { totalChanged(1.0); });
    }
}

void MultyProgressDialogController::setConfirmEnabled(bool enabled)
{
    m_confirmEnabled = enabled;
    qxNextTurn(this, [this] { m_confirmBtn->setEnabled(m_confirmEnabled); });
}

qreal MultyProgressDialogController::heightOfRow(int) const
{
    if (numberOfRows() != 1)
        return defaultRowHeight;
    // The list's own room, not the whole sheet's: a row taller than its list would hide its text
    // and percentage in a list that has nothing to scroll to.
    return m_adjustedHeight.value_or(qreal(m_list->contentsRect().height()));
}

void MultyProgressDialogController::confirmAction()
{
    if (m_confirmAction)
        m_confirmAction();
    accept();
}

void MultyProgressDialogController::totalChanged(double fraction)
{
    // Exactly 1.0: a total made of finished children lands there without rounding.
    if (fraction == 1.0)
        m_confirmBtn->setEnabled(true);
}

void MultyProgressDialogController::resizeEvent(QResizeEvent *event)
{
    QDialog::resizeEvent(event);
    applyRowHeights();
}

void MultyProgressDialogController::applyRowHeights()
{
    for (int row = 0; row < numberOfRows(); ++row)
        m_cells.at(row)->setFixedHeight(int(heightOfRow(row)));
    // Now rather than on the next turn of the event loop, so the rows never show at an old height.
    m_list->widget()->layout()->activate();
}

void MultyProgressDialogController::keyPressEvent(QKeyEvent *event)
{
    // The sheet has no cancel: Esc counts as confirm, and only while confirm is usable.
    if (event->key() == Qt::Key_Escape) {
        if (m_confirmBtn->isEnabled())
            confirmAction();
        return;
    }
    QDialog::keyPressEvent(event);
}

void MultyProgressDialogController::closeEvent(QCloseEvent *event)
{
    // As Esc: the window's close button confirms once confirming is possible.
    event->ignore();
    if (m_confirmBtn->isEnabled())
        confirmAction();
}
