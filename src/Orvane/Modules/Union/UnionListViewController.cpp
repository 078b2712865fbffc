#include "UnionListViewController.h"

#include "Core/Dialog/DialogEnsureViewController.h"
#include "Core/NSNavigationController.h"
#include "Core/Utils.h"
#include "Dialog.h"
#include "Modules/Account/User.h"
#include "QXButton.h"
#include "QXColor.h"
#include "QXEventLoop.h"
#include "QXLocalized.h"
#include "QXView.h"
#include "UnionConfigViewController.h"
#include "UnionData.h"
#include "UnionEditViewController.h"
#include "UnionListCell.h"
#include "Widget/Rows/RowColumnView.h"

#include <QDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QPointer>
#include <QVBoxLayout>

#include <algorithm>

namespace {

// Puts the screen on the container the owner sits on; a screen with nowhere to go is dropped.
void push(QWidget *owner, QWidget *screen)
{
    if (NSNavigationController *navigation = orvane::navigationController(owner))
        navigation->pushViewController(screen, true);
    else
        delete screen;
}

} // namespace

UnionListViewController::UnionListViewController(QWidget *parent)
    : QWidget(parent)
    , m_dataUrl(UnionDataUtil::localURL())
    , m_listTable(new RowColumnView(UnionListCell::kHeight))
    , m_logOutBtn(new QXButton)
    , m_addBtn(new QXButton)
    , m_listData(UnionDataUtil::fetchLocalDataList(m_dataUrl))
{
    setObjectName(QStringLiteral("UnionListViewController"));
    setPalette(qxkit::darkPalette());
    setAutoFillBackground(true);

    QFont titleFont = font();
    titleFont.setPixelSize(18);
    titleFont.setBold(true);
    QLabel *title = qxkit::label({}, qxkit::globalTextColor(), titleFont);
    qxkit::setInternationalKey(title, QStringLiteral("ov_union"));
    qxkit::setInternationalKey(m_addBtn, QStringLiteral("ov_add"));
    qxkit::setInternationalKey(m_logOutBtn, QStringLiteral("ov_logout"));
    m_listTable->setAccessibleName(title->text());
    m_listTable->setRowCount([this] { return int(m_listData.size()); });
    m_listTable->setRows<UnionListCell>([this] { return makeCell(); },
                                        [this](UnionListCell *cell, int row) { fillCell(cell, row); });
    m_listTable->setRowName([this](int row) {
        return row < qint64(m_listData.size())
            ? QStringLiteral("%1 %2").arg(row + 1).arg(m_listData.at(std::size_t(row))->name())
            : QString();
    });

    auto *bar = new QHBoxLayout;
    bar->addWidget(title);
    bar->addStretch();
    bar->addWidget(m_logOutBtn);
    bar->addWidget(m_addBtn);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(20, 16, 20, 16);
    layout->setSpacing(12);
    layout->addLayout(bar);
    layout->addWidget(m_listTable, 1);

    connect(m_addBtn, &QPushButton::clicked, this, &UnionListViewController::addAction);
    connect(m_logOutBtn, &QPushButton::clicked, this, &UnionListViewController::logoutAction);
    // The file's own name in the announcement is not needed: this screen shows the local store.
    connect(UnionDataUtil::notifier(), &UnionDataNotifier::localUnionDataUpdated, this,
            &UnionListViewController::readFile);
    m_listTable->reloadData();
}

UnionListCell *UnionListViewController::cell(qint64 row) const
{
    return qobject_cast<UnionListCell *>(m_listTable->rowAt(int(row)));
}

UnionListCell *UnionListViewController::makeCell()
{
    auto *cell = new UnionListCell;
    connect(cell, &UnionListCell::activated, this, [this, cell] {
        if (const int row = m_listTable->rowOf(cell); row >= 0)
            selectRow(row);
    });
    return cell;
}

void UnionListViewController::fillCell(UnionListCell *cell, int row)
{
    const std::shared_ptr<UnionData> shown = m_listData.at(std::size_t(row));
    cell->configure(*shown, row);
    cell->setIsSelected(row == m_selectedRow);
    QPointer<UnionListViewController> self(this);
    cell->setDetailAction([self, row, shown] {
        if (self)
            self->showDetail(row, shown);
    });
    cell->setDeleteAction([self, row, shown](QWidget *button) {
        if (self)
            self->confirmDelete(row, shown, button);
    });
}

void UnionListViewController::reloadData()
{
    m_listTable->reloadData();
}

void UnionListViewController::readFile()
{
    m_listData = UnionDataUtil::fetchLocalDataList(m_dataUrl);
    reloadData();
}

void UnionListViewController::selectRow(qint64 row)
{
    if (UnionListCell *previous = cell(m_selectedRow))
        previous->setIsSelected(false);
    m_selectedRow = row;
    if (UnionListCell *current = cell(m_selectedRow))
        current->setIsSelected(true);
}

std::shared_ptr<UnionData> UnionListViewController::unionAt(qint64 row, const std::shared_ptr<UnionData> &expected) const
{
    // A row filled before the list was read again may name another union by now, or none.
    if (row < 0 || row >= qint64(m_listData.size()) || m_listData.at(std::size_t(row)) != expected)
        return nullptr;
    return expected;
}

void UnionListViewController::showDetail(qint64 row, const std::shared_ptr<UnionData> &shown)
{
    const auto data = unionAt(row, shown);
    if (!data)
        return;
    push(this, orvane::unions::makeUnionConfigViewController(data));
    // Back from the union's screen lands on its row.
    if (UnionListCell *opened = cell(row))
        orvane::setFocusOnReturn(this, opened);
}

void UnionListViewController::confirmDelete(qint64 row, const std::shared_ptr<UnionData> &shown, QWidget *button)
{
    if (!unionAt(row, shown) || !button)
        return;
    QPointer<UnionListViewController> self(this);
    const QString question = qxLocalized("ov_confirm_delete") + QLatin1Char('?');
    auto *ensure = new DialogEnsureViewController(question,
                                                  [self, row, shown](int value) {
                                                      // After the popover has closed, so that a
                                                      // failure can be shown over the screen.
                                                      if (self && value == Utils::clickOK)
                                                          qxNextTurn(self, [self, row, shown] {
                                                              self->deleteUnion(row, shown);
                                                          });
                                                  });
    connect(ensure, &DialogEnsureViewController::dismissed, ensure, [ensure] {
        if (auto *popover = qobject_cast<QDialog *>(ensure->window()))
            popover->accept();
    });
    ensure->setAccessibleName(question);
    Modalia::Dialog::showPopover(ensure, button->rect(), button, Qt::LeftEdge, Modalia::PopoverBehavior::transient);
}

void UnionListViewController::deleteUnion(qint64 row, const std::shared_ptr<UnionData> &shown)
{
    if (!unionAt(row, shown))
        return;
    // Only the union's own lines leave the file, so unions this list cannot show stay stored.
    if (UnionDataUtil::remove(shown, m_dataUrl))
        Utils::shareInstance()->showDialogWithType(Utils::DialogType::info, qxLocalized("ov_fail"), {});
    // Show what the file holds now: after a failure the union is still there, and a file changed
    // elsewhere may hold it at another place.
    readFile();
}

void UnionListViewController::addAction()
{
    QPointer<UnionListViewController> self(this);
    push(this, new UnionEditViewController(nullptr, [self](const std::shared_ptr<UnionData> &saved) {
             if (self)
                 self->showSaved(saved->name());
         }));
}

void UnionListViewController::showSaved(const QString &name)
{
    readFile();
    const auto row = std::find_if(m_listData.cbegin(), m_listData.cend(),
                                  [&name](const std::shared_ptr<UnionData> &data) { return data->name() == name; });
    if (row == m_listData.cend())
        return;
    // The editor closes after saving: the focus comes back to the saved union's row.
    if (QWidget *shown = m_listTable->scrollToRow(int(row - m_listData.cbegin())))
        orvane::setFocusOnReturn(this, shown);
}

void UnionListViewController::logoutAction()
{
    orvane::User::setCurrent(std::nullopt);
}
