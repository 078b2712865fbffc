#include "MultyProgressDialogController.h"

#include "ProgressTableCell.h"
#include "QXButton.h"
#include "QXColor.h"
#include "QXProgress.h"
#include "QXView.h"

#include <QApplication>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QTableWidget>
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
    , m_table(new QTableWidget(int(m_progressDatas.size()), 1))
    , m_confirmBtn(new QXButton)
{
    setPalette(qxkit::darkPalette());
    setAutoFillBackground(true);
    setWindowTitle(QApplication::applicationName());
    setAccessibleName(qxkit::localizedString(QStringLiteral("ov_a11y_progress")));
    connect(this, &QDialog::finished, this, &QObject::deleteLater);

    m_table->setObjectName(QStringLiteral("table"));
    m_table->horizontalHeader()->hide();
    m_table->verticalHeader()->hide();
    m_table->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    m_table->setShowGrid(false);
    m_table->setFrameShape(QFrame::NoFrame);
    m_table->setSelectionMode(QAbstractItemView::NoSelection);
    m_table->setFocusPolicy(Qt::NoFocus);
    QPalette tablePalette = m_table->palette();
    tablePalette.setColor(QPalette::Base, qxkit::globalDark());
    m_table->setPalette(tablePalette);
    for (int row = 0; row < m_progressDatas.size(); ++row) {
        auto *cell = new ProgressTableCell;
        cell->config(m_progressDatas.at(row).first, m_progressDatas.at(row).second);
        // A widget in a cell is not read out; the row's item carries its text.
        auto *item = new QTableWidgetItem;
        item->setData(Qt::AccessibleTextRole, m_progressDatas.at(row).second);
        item->setFlags(Qt::ItemIsEnabled);
        m_table->setItem(row, 0, item);
        m_table->setCellWidget(row, 0, cell);
    }

    m_confirmBtn->setObjectName(QStringLiteral("confirmBtn"));
    qxkit::setInternationalKey(m_confirmBtn, QStringLiteral("ov_confirm"));
    m_confirmBtn->setMinimumWidth(120);
    m_confirmBtn->setEnabled(m_confirmEnabled);
    connect(m_confirmBtn, &QPushButton::clicked, this, &MultyProgressDialogController::confirmAction);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_confirmBtn);
    buttons->addStretch();
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 12, 0, 16);
    layout->setSpacing(12);
    layout->addWidget(m_table, 1);
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
            QMetaObject::invokeMethod(this, [this] { totalChanged(1.0); }, Qt::QueuedConnection);
    }
}

void MultyProgressDialogController::setConfirmEnabled(bool enabled)
{
    m_confirmEnabled = enabled;
    QMetaObject::invokeMethod(this, [this] { m_confirmBtn->setEnabled(m_confirmEnabled); }, Qt::QueuedConnection);
}

qreal MultyProgressDialogController::heightOfRow(int) const
{
    if (numberOfRows() != 1)
        return defaultRowHeight;
    // The list's own room, not the whole sheet's: a row taller than its list would hide its text
    // and percentage in a list that has nothing to scroll to.
    return m_adjustedHeight.value_or(qreal(m_table->contentsRect().height()));
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
        m_table->setRowHeight(row, int(heightOfRow(row)));
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
