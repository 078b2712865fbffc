#include "UnionEditViewController.h"

#include "AccessibleFocus.h"
#include "Core/NSNavigationController.h"
#include "Core/SearchedDevices.h"
#include "Core/Utils.h"
#include "Dialog.h"
#include "NetworkingDevice.h"
#include "PopupKeys.h"
#include "QXButton.h"
#include "QXColor.h"
#include "QXEventLoop.h"
#include "QXLocalized.h"
#include "QXView.h"
#include "UnionContainer.h"
#include "UnionDataUtil.h"
#include "UnionDeviceCell.h"
#include "UnionDeviceItemView.h"
#include "Widget/Dialog/ComboBoxDialogController.h"
#include "Widget/Rows/RowColumnView.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QProgressBar>
#include <QScrollArea>
#include <QVBoxLayout>

namespace {

constexpr int kMargin = 10;
constexpr int kFormWidth = 260;
constexpr qint64 kNewUnionCount = 2;

// The union's grid with fans of its own, so that editing leaves the union's fans alone.
UnionGrid copiedGrid(const UnionData &data)
{
    UnionGrid grid = data.devices();
    for (auto &line : grid) {
        for (auto &fan : line) {
            if (!fan)
                continue;
            auto copy = std::make_shared<NetworkingDevice>(fan->name(), fan->ip());
            copy->setIsMaster(fan->isMaster());
            fan = std::move(copy);
        }
    }
    return grid;
}

// A row or column count as the union file can hold it; none for anything else.
std::optional<qint64> countIn(const QLineEdit *field)
{
    bool ok = false;
    const qint64 count = field->text().trimmed().toLongLong(&ok);
    if (!ok || count < 1 || count > UnionData::kMaxCount)
        return std::nullopt;
    return count;
}

QLineEdit *countField(const QString &objectName)
{
    auto *field = new QLineEdit;
    field->setObjectName(objectName);
    field->setMaxLength(4);
    return field;
}

} // namespace

UnionEditViewController::UnionEditViewController(std::shared_ptr<UnionData> data, SaveCompletion saveCompletion,
                                                 QXUdpSocket *socket, QWidget *parent)
    : QWidget(parent)
    , m_socket(socket ? socket : &QXUdpSocket::shared())
    , m_searchedDevices(orvane::devicesFrom(m_socket->results()))
    , m_url(data ? data->url() : UnionDataUtil::localURL())
    , m_data(std::move(data))
    , m_saveCompletion(std::move(saveCompletion))
{
    setObjectName(QStringLiteral("UnionEditViewController"));
    setupUI();
}

void UnionEditViewController::setupUI()
{
    setPalette(qxkit::darkPalette());
    setAutoFillBackground(true);

    m_nameTF = new QLineEdit;
    m_nameTF->setObjectName(QStringLiteral("nameTF"));
    m_rowTF = countField(QStringLiteral("rowTF"));
    m_colomnTF = countField(QStringLiteral("colomnTF"));
    m_reverseCheckBox = new QCheckBox;
    qxkit::setInternationalKey(m_reverseCheckBox, QStringLiteral("ov_union_reverse"));
    Utils::setButton(m_reverseCheckBox, qxkit::globalTextColor(), std::nullopt);
    m_reverseCheckBox->setChecked(false);

    const qint64 rows = m_data ? m_data->row() : kNewUnionCount;
    const qint64 colomns = m_data ? m_data->colomn() : kNewUnionCount;
    m_rowTF->setText(QString::number(rows));
    m_colomnTF->setText(QString::number(colomns));
    if (m_data) {
        m_nameTF->setText(m_data->name());
        m_reverseCheckBox->setChecked(m_data->isTop());
    }

    auto *form = new QFormLayout;
    form->setLabelAlignment(Qt::AlignLeft);
    const auto addRow = [form](const QString &key, QWidget *field) {
        QLabel *label = qxkit::label({}, qxkit::globalTextColor());
        qxkit::setInternationalKey(label, key);
        label->setBuddy(field);
        field->setAccessibleName(label->text());
        form->addRow(label, field);
    };
    addRow(QStringLiteral("ov_union_name"), m_nameTF);
    addRow(QStringLiteral("ov_union_rows"), m_rowTF);
    addRow(QStringLiteral("ov_union_columns"), m_colomnTF);
    form->addRow(m_reverseCheckBox);

    QLabel *fansTitle = qxkit::label({}, qxkit::globalTextColor());
    qxkit::setInternationalKey(fansTitle, QStringLiteral("ov_sta_device_list"));
    m_searchBtn = new QXButton;
    m_searchBtn->setObjectName(QStringLiteral("searchBtn"));
    qxkit::setInternationalKey(m_searchBtn, QStringLiteral("ov_search"));
    m_indicator = new QProgressBar;
    m_indicator->setRange(0, 0);
    m_indicator->setTextVisible(false);
    m_indicator->setFixedSize(80, 6);
    m_indicator->setAccessibleName(m_searchBtn->text());
    m_indicator->hide();
    auto *fansBar = new QHBoxLayout;
    fansBar->addWidget(fansTitle, 1);
    fansBar->addWidget(m_indicator);
    fansBar->addWidget(m_searchBtn);

    m_table = new RowColumnView(UnionDeviceCell::kHeight);
    m_table->setRowCount([this] { return int(m_searchedDevices.size()); });
    m_table->setRows<UnionDeviceCell>([this] { return makeCell(); },
                                      [this](UnionDeviceCell *cell, int row) { fillCell(cell, row); });
    m_table->setRowName([this](int row) {
        return row < m_searchedDevices.size() ? m_searchedDevices.at(row)->name() : QString();
    });
    m_table->setAccessibleName(fansTitle->text());

    auto *formColumn = new QVBoxLayout;
    formColumn->setSpacing(12);
    formColumn->addLayout(form);
    formColumn->addLayout(fansBar);
    formColumn->addWidget(m_table, 1);
    auto *formPanel = new QWidget;
    formPanel->setFixedWidth(kFormWidth);
    formPanel->setLayout(formColumn);
    formColumn->setContentsMargins(0, 0, 0, 0);

    m_container = new UnionContainer(rows, colomns, kItemWidth, m_reverseCheckBox->isChecked(), false, false,
                                     m_data ? std::optional<UnionGrid>(copiedGrid(*m_data)) : std::nullopt);
    m_contentView = new QWidget;
    m_contentView->setObjectName(QStringLiteral("contentView"));
    m_container->setParent(m_contentView);
    m_container->move(kMargin, kMargin);
    m_container->setDelegate(this);
    m_scrollArea = new QScrollArea;
    m_scrollArea->setFrameShape(QFrame::NoFrame);
    m_scrollArea->setWidgetResizable(true);
    // Only the grid's cells are Tab stops, not the area that scrolls them.
    m_scrollArea->setFocusPolicy(Qt::NoFocus);
    m_scrollArea->setWidget(m_contentView);

    m_cancelBtn = new QXButton;
    m_cancelBtn->setObjectName(QStringLiteral("cancelBtn"));
    qxkit::setInternationalKey(m_cancelBtn, QStringLiteral("ov_cancel"));
    m_saveBtn = new QXButton;
    m_saveBtn->setObjectName(QStringLiteral("saveBtn"));
    qxkit::setInternationalKey(m_saveBtn, QStringLiteral("ov_save"));
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_cancelBtn);
    buttons->addWidget(m_saveBtn);

    auto *gridColumn = new QVBoxLayout;
    gridColumn->addWidget(m_scrollArea, 1);
    gridColumn->addLayout(buttons);
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(20, 16, 20, 16);
    layout->setSpacing(16);
    layout->addWidget(formPanel);
    layout->addLayout(gridColumn, 1);

    connect(m_cancelBtn, &QPushButton::clicked, this, &UnionEditViewController::back);
    connect(m_saveBtn, &QPushButton::clicked, this, &UnionEditViewController::chooseMaster);
    // It opens the master picker as a popover.
    qxkit::clickOnKeyPress(m_saveBtn);
    connect(m_reverseCheckBox, &QCheckBox::clicked, this, &UnionEditViewController::toggleReverse);
    connect(m_searchBtn, &QPushButton::clicked, this, &UnionEditViewController::searchDevices);
    for (QLineEdit *field : {m_rowTF, m_colomnTF})
        connect(field, &QLineEdit::editingFinished, this, [this, field] { rowColomnChanged(field); });

    m_table->reloadData();
    fitContentSize();
}

std::shared_ptr<NetworkingDevice> UnionEditViewController::selectedDevice() const
{
    if (m_selectedRow < 0 || m_selectedRow >= m_searchedDevices.size())
        return nullptr;
    return m_searchedDevices.at(m_selectedRow);
}

UnionDeviceCell *UnionEditViewController::cell(qint64 row) const
{
    return qobject_cast<UnionDeviceCell *>(m_table->rowAt(int(row)));
}

UnionDeviceCell *UnionEditViewController::makeCell()
{
    auto *cell = new UnionDeviceCell;
    connect(cell, &UnionDeviceCell::activated, this, [this, cell] {
        if (const int row = m_table->rowOf(cell); row >= 0)
            selectRow(row);
    });
    return cell;
}

void UnionEditViewController::fillCell(UnionDeviceCell *cell, int row)
{
    const auto &fan = m_searchedDevices.at(row);
    cell->configure(fan->name(), fan->ip());
    cell->setIsSelected(row == m_selectedRow);
}

void UnionEditViewController::selectRow(qint64 row)
{
    if (UnionDeviceCell *previous = cell(m_selectedRow))
        previous->setIsSelected(false);
    m_selectedRow = row;
    if (UnionDeviceCell *current = cell(m_selectedRow))
        current->setIsSelected(true);
}

void UnionEditViewController::reloadTable()
{
    m_table->reloadData();
}

void UnionEditViewController::fitContentSize()
{
    // The scroll area stretches the content over the visible area and scrolls only when the grid
    // and its margin need more room.
    const QRect grid = m_container->geometry();
    m_contentView->setMinimumSize(grid.right() + 1 + kMargin, grid.bottom() + 1 + kMargin);
}

void UnionEditViewController::back()
{
    if (NSNavigationController *navigation = orvane::navigationController(this))
        navigation->popViewControllerAnimated(true);
}

void UnionEditViewController::toggleReverse()
{
    m_container->setIsReversed(!m_container->isReversed());
}

void UnionEditViewController::showSearchIndicator()
{
    // The busy bar holds the button's focus while the search runs, heard as the search going on.
    qxkit::replaceKeepingFocus(m_searchBtn, m_indicator);
}

void UnionEditViewController::hideSearchIndicator()
{
    m_indicator->hide();
    m_searchBtn->show();
}

void UnionEditViewController::searchDevices()
{
    const QPointer<UnionEditViewController> guard(this);
    const QXUdpSocket::SearchId search = m_socket->searchDevicesWithDuration(
        kSearchSeconds, [guard](const QXSearchResults &results, QXUdpSocket::Outcome outcome) {
            // The completion may come from the discovery thread when the search cannot start.
            qxOnGuiThread(guard, [results, outcome](UnionEditViewController &editor) {
                editor.showSearchResults(results, outcome);
            });
        });
    // A search refused while another runs leaves the list and the focus as they were.
    if (search == QXUdpSocket::noSearch)
        return;
    m_table->setAccessibleDescription(QString());
    showSearchIndicator();
}

void UnionEditViewController::showSearchResults(const QXSearchResults &results, QXUdpSocket::Outcome outcome)
{
    if (outcome == QXUdpSocket::Outcome::Refused) {
        showInfo(qxLocalized(QStringLiteral("ov_wait_for_search")));
        return;
    }
    const bool searchFailed = outcome == QXUdpSocket::Outcome::Failed;
    m_searchedDevices = orvane::devicesFrom(results);
    reloadTable();
    // An empty list says why, unless the search could not run: that is no sign that there is no fan.
    m_table->setAccessibleDescription(m_searchedDevices.isEmpty() && !searchFailed
                                          ? qxLocalized(QStringLiteral("ov_no_device_found"))
                                          : QString());
    // The outcome is heard on the list, which takes the focus from the busy bar: at its first fan,
    // or as the empty list it is.
    if (m_indicator->hasFocus() && !m_table->focusItem({0, 0}, Qt::OtherFocusReason))
        m_table->widget()->setFocus(Qt::OtherFocusReason);
    hideSearchIndicator();
    if (searchFailed)
        showInfo(qxLocalized(QStringLiteral("ov_search_failed")));
}

void UnionEditViewController::unionContainerDidClick(UnionContainer *container, UnionDeviceItemView *tile)
{
    if (const auto fan = selectedDevice()) {
        container->place(fan, tile);
        m_selectedRow = -1;
        reloadTable();
        return;
    }
    const qsizetype listed = tile->device() ? m_searchedDevices.indexOf(tile->device()) : -1;
    if (listed >= 0) {
        m_selectedRow = listed;
        reloadTable();
    }
}

void UnionEditViewController::rowColomnChanged(QLineEdit *sender)
{
    const bool isRow = sender == m_rowTF;
    if (!isRow && sender != m_colomnTF)
        return;
    const qint64 current = isRow ? m_container->row() : m_container->colomn();
    const std::optional<qint64> count = countIn(sender);
    if (count == current)
        return;
    if (!count) {
        // Shown again before the message, so the field never holds a count the grid lacks.
        sender->setText(QString::number(current));
        showInfo(UnionDataUtil::sizeTip());
        return;
    }
    if (isRow)
        m_container->setRow(*count);
    else
        m_container->setColomn(*count);
    fitContentSize();
}

bool UnionEditViewController::applyCounts()
{
    for (QLineEdit *field : {m_rowTF, m_colomnTF}) {
        if (!countIn(field)) {
            showInfo(UnionDataUtil::sizeTip());
            return false;
        }
        rowColomnChanged(field);
    }
    return true;
}

void UnionEditViewController::chooseMaster()
{
    if (!UnionDataUtil::isStorableName(m_nameTF->text())) {
        showInfo(qxLocalized("ov_spec_chars_tip"));
        return;
    }
    if (!applyCounts())
        return;
    QStringList names;
    for (const auto &line : m_container->devices()) {
        for (const auto &fan : line) {
            if (fan && !fan->name().isEmpty())
                names << fan->name();
        }
    }
    const QPointer<UnionEditViewController> guard(this);
    auto *picker = new ComboBoxDialogController(names, [guard](qint64, const std::optional<QString> &name) {
        // After the picker has closed, so that a failure can be shown over the editor.
        if (guard)
            qxNextTurn(guard, [guard, name] { guard->saveUnion(name); });
    });
    picker->setPrompt(qxLocalized("ov_master"));
    Modalia::Dialog::showPopover(picker, m_saveBtn->rect(), m_saveBtn, Qt::TopEdge,
                                 Modalia::PopoverBehavior::transient);
}

void UnionEditViewController::saveUnion(const std::optional<QString> &masterName)
{
    const UnionGrid grid = m_container->devices();
    auto record = std::make_shared<UnionData>(m_nameTF->text(), m_container->row(), m_container->colomn(),
                                              m_reverseCheckBox->isChecked(), m_url, grid);
    if (masterName) {
        std::shared_ptr<NetworkingDevice> master;
        for (const auto &line : grid) {
            for (const auto &fan : line) {
                if (!fan)
                    continue;
                fan->setIsMaster(false);
                if (!master && fan->name() == *masterName)
                    master = fan;
            }
        }
        if (master)
            master->setIsMaster(true);
        record->setMasterDevice(master);
    }
    if (m_data)
        record->setIndex(m_data->index());
    // The opened union is replaced under the name it was read with, whatever name it now gets.
    const QString storedName = m_data ? m_data->name() : record->name();
    if (const auto error = UnionDataUtil::save(record, UnionDataUtil::localURL(), storedName)) {
        showInfo(UnionDataUtil::failureText(*error));
        return;
    }
    if (m_saveCompletion)
        m_saveCompletion(record);
    back();
}

void UnionEditViewController::showInfo(const QString &text)
{
    Utils::shareInstance()->showDialogWithType(Utils::DialogType::info, text, {});
}
