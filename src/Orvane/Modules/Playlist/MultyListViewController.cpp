#include "MultyListViewController.h"

#include "Core/NSNavigationController.h"
#include "Modules/Video/VideoListViewController.h"
#include "MultyListCell.h"
#include "PlayListEditViewController.h"
#include "QXButton.h"
#include "QXDevice.h"
#include "QXEventLoop.h"
#include "QXInsSocket.h"
#include "QXLocalized.h"
#include "QXStoredListText.h"
#include "Widget/Rows/RowColumnView.h"
#include "Widget/ScreenParts.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace {

const QString kDefaultListName = QStringLiteral("playlist.txt");

} // namespace

MultyListViewController::MultyListViewController(std::shared_ptr<NetworkingDevice> device, QWidget *parent)
    : BaseViewController(parent)
    , m_device(std::move(device))
{
    setObjectName(QStringLiteral("MultyListViewController"));
    loadViewIfNeeded();
}

MultyListViewController::~MultyListViewController() = default;

void MultyListViewController::initUI()
{
    buildLayout();
    connect(m_backBtn, &QPushButton::clicked, this, &MultyListViewController::backAction);
    connect(m_addBtn, &QPushButton::clicked, this, &MultyListViewController::addBtnAction);
    connect(m_videoBtn, &QPushButton::clicked, this, &MultyListViewController::videoBtnAction);
    connect(m_refreshBtn, &QPushButton::clicked, this, &MultyListViewController::refreshBtnAction);
}

void MultyListViewController::buildLayout()
{
    m_infoLabel = orvane::screen::titleLabel("ov_multi_list");
    m_backBtn = orvane::screen::backButton();
    m_addBtn = orvane::screen::barButton("ov_add");
    m_videoBtn = orvane::screen::barButton("ov_video_list");
    m_refreshBtn = orvane::screen::barButton("ov_refresh");
    QVBoxLayout *layout =
        orvane::screen::screenColumn(this, m_backBtn, m_infoLabel, {m_addBtn, m_videoBtn, m_refreshBtn});

    auto *heading = new QHBoxLayout;
    heading->setContentsMargins(12, 0, 12, 0);
    heading->setSpacing(12);
    heading->addSpacing(36);
    heading->addWidget(orvane::screen::headingLabel("ov_file_name"), 1);
    heading->addWidget(orvane::screen::headingLabel("ov_operation"), 1);

    m_listTable = new RowColumnView(kRowHeight);
    m_listTable->setObjectName(QStringLiteral("listTable"));
    m_listTable->setAccessibleName(qxLocalized("ov_multi_list"));
    m_listTable->setRowCount([this] { return int(m_lists.size()); });
    m_listTable->setRows<MultyListCell>([] { return new MultyListCell; },
                                        [this](MultyListCell *cell, int row) { fillRow(cell, row); });
    m_listTable->setRowName([this](int row) { return m_lists.value(row); });

    layout->addLayout(heading);
    layout->addWidget(m_listTable, 1);
}

void MultyListViewController::initSocket()
{
    BaseViewController::initSocket();
    loadPlayLists();
}

void MultyListViewController::refreshBtnAction()
{
    loadPlayLists();
}

void MultyListViewController::setListIndex(qint64 index)
{
    if (const std::shared_ptr<QXDevice> record = currentDevice())
        record->editStatus([index](QXDeviceStatus &status) { status.setListIndex(index); });
}

void MultyListViewController::loadPlayLists()
{
    m_refreshBtn->setEnabled(false);
    const std::shared_ptr<QXInsSocket> socket = insSocket();
    const QPointer<QObject> guard(this);
    socket->fetchCurrentPlayListIndexWithSuccess(
        [this, guard](const QXOperationRef &, qint64, const QVariant &payload) {
            // A reply that is no number marks the first list as current.
            const qint64 index = payload.typeId() == QMetaType::Int ? payload.toInt() : 0;
            qxOnGuiThread(guard, [this, index] { setListIndex(index); });
        },
        nullptr);
    socket->fetchPlaylistsWithSuccess(
        [this, guard](const QXOperationRef &, qint64, const QVariant &payload) {
            qxOnGuiThread(guard, [this, payload] {
                m_refreshBtn->setEnabled(true);
                if (payload.typeId() != QMetaType::QString)
                    return;
                m_lists = QXStoredListText::analyzePlayListNames(payload.toString());
                m_listTable->reloadData();
            });
        },
        [this, guard](const QXOperationRef &, qint64, const QVariant &) {
            qxOnGuiThread(guard, [this] { m_refreshBtn->setEnabled(true); });
        });
}

MultyListCell *MultyListViewController::cellAt(int row) const
{
    return qobject_cast<MultyListCell *>(m_listTable->rowAt(row));
}

void MultyListViewController::fillRow(MultyListCell *cell, int row)
{
    cell->setDevice(m_device);
    const bool isCurrent = currentDeviceStatus().listIndex() == row;
    const QString name = m_lists.at(row);
    cell->configure(row, name, isCurrent, name == kDefaultListName);
    QPointer<MultyListViewController> self(this);
    cell->setListChangeAction([self](qint64) {
        if (self)
            self->m_listTable->reloadData();
    });
    cell->setListDeleteAction([self](qint64 index) {
        if (self)
            self->listDeleted(index);
    });
    cell->setListDetailAction([self, isCurrent, name](qint64 index) {
        if (!self)
            return;
        self->openEditor({{QStringLiteral("index"), index},
                          {QStringLiteral("isCurrent"), isCurrent},
                          {QStringLiteral("name"), name},
                          {QStringLiteral("isAdd"), false},
                          {QStringLiteral("existingNames"), self->m_lists}});
    });
}

void MultyListViewController::listDeleted(qint64 index)
{
    if (index < 0 || index >= m_lists.size())
        return;
    m_lists.removeAt(index);
    const qint64 current = currentDeviceStatus().listIndex();
    if (current > index)
        setListIndex(current - 1);
    m_listTable->reloadData();
}

void MultyListViewController::openEditor(const QVariantMap &data)
{
    NSNavigationController *navigation = orvane::navigationController(this);
    if (!navigation)
        return;
    auto *editor = new PlayListEditViewController(m_device);
    navigation->pushViewController(editor, true);
    editor->configData(data);
}

void MultyListViewController::addBtnAction()
{
    openEditor({{QStringLiteral("isAdd"), true},
                {QStringLiteral("name"), QStringLiteral("demo")},
                {QStringLiteral("list"), QVariant::fromValue(QList<QXQFileInfoRef>())},
                {QStringLiteral("existingNames"), m_lists}});
}

void MultyListViewController::videoBtnAction()
{
    NSNavigationController *navigation = orvane::navigationController(this);
    if (!navigation)
        return;
    auto *videos = new VideoListViewController(m_device);
    navigation->pushViewController(videos, true);
    videos->configWithData({{QStringLiteral("isSelecting"), false}});
}

void MultyListViewController::backAction()
{
    if (NSNavigationController *navigation = orvane::navigationController(this))
        navigation->popViewControllerAnimated(true);
}
