#include "VideoListViewController.h"

#include "Core/NSNavigationController.h"
#include "Core/Utils.h"
#include "QXButton.h"
#include "QXEventLoop.h"
#include "QXFileSocket.h"
#include "QXInsSocket.h"
#include "QXLocalized.h"
#include "QXLog.h"
#include "QXStoredListText.h"
#include "SupportedFileTypes.h"
#include "VideoListCell.h"
#include "Widget/Rows/RowColumnView.h"
#include "Widget/ScreenParts.h"
#include "Widget/UploadBar.h"
#include "Widget/UploadRun.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

VideoListViewController::VideoListViewController(std::shared_ptr<NetworkingDevice> device, QWidget *parent)
    : BaseViewController(parent)
    , m_device(std::move(device))
{
    setObjectName(QStringLiteral("VideoListViewController"));
    loadViewIfNeeded();
}

VideoListViewController::~VideoListViewController() = default;

void VideoListViewController::initUI()
{
    buildLayout();
    m_sureBtn->hide();
    connect(m_backBtn, &QPushButton::clicked, this, &VideoListViewController::backAction);
    connect(m_sureBtn, &QPushButton::clicked, this, &VideoListViewController::sureAction);
    connect(m_refreshBtn, &QPushButton::clicked, this, &VideoListViewController::refreshAction);
    connect(m_clearBtn, &QPushButton::clicked, this, &VideoListViewController::clearAction);
    connect(m_addBtn, &QPushButton::clicked, this, &VideoListViewController::addAction);
    connect(m_checkBox, &QCheckBox::clicked, this, &VideoListViewController::checkAction);
}

void VideoListViewController::buildLayout()
{
    m_infoLabel = orvane::screen::titleLabel("ov_video_list");
    m_backBtn = orvane::screen::backButton();
    m_sureBtn = orvane::screen::barButton("ov_confirm");
    m_refreshBtn = orvane::screen::barButton("ov_refresh");
    m_clearBtn = orvane::screen::barButton("ov_clear");
    m_addBtn = orvane::screen::barButton("ov_add");
    QVBoxLayout *layout = orvane::screen::screenColumn(this, m_backBtn, m_infoLabel,
                                                       {m_sureBtn, m_refreshBtn, m_clearBtn, m_addBtn});

    m_checkBox = new QCheckBox;
    m_checkBox->setObjectName(QStringLiteral("checkBox"));
    m_checkBox->setAccessibleName(qxLocalized("ov_select_all"));
    m_checkBox->setToolTip(m_checkBox->accessibleName());
    // The headings stand over the columns of the rows (VideoListCell): box, number, name, size.
    QLabel *sizeHeading = orvane::screen::headingLabel("ov_file_size");
    sizeHeading->setMinimumWidth(90);
    auto *heading = new QHBoxLayout;
    heading->setContentsMargins(12, 0, 12, 0);
    heading->setSpacing(12);
    heading->addWidget(m_checkBox);
    heading->addSpacing(36 + 12);
    heading->addWidget(orvane::screen::headingLabel("ov_file_name"), 1);
    heading->addWidget(sizeHeading);
    heading->addWidget(orvane::screen::headingLabel("ov_operation"));

    m_listTable = new RowColumnView(kRowHeight);
    m_listTable->setObjectName(QStringLiteral("listTable"));
    m_listTable->setAccessibleName(qxLocalized("ov_video_list"));
    m_listTable->setRowCount([this] { return int(m_videoLists.size()); });
    m_listTable->setRows<VideoListCell>([this] { return makeRow(); },
                                        [this](VideoListCell *cell, int row) { fillRow(cell, row); });
    m_listTable->setRowName(
        [this](int row) { return m_videoLists.value(row) ? m_videoLists.at(row)->fileName() : QString(); });

    m_uploadProgress = new UploadBar;

    layout->addLayout(heading);
    layout->addWidget(m_listTable, 1);
    layout->addWidget(m_uploadProgress);
}

void VideoListViewController::initSocket()
{
    BaseViewController::initSocket();
    m_selectedList.clear();
    reloadData();
    m_checkBox->setChecked(false);
    loadVideoList();
}

void VideoListViewController::configWithData(const QVariantMap &data)
{
    const QVariant selecting = data.value(QStringLiteral("isSelecting"));
    if (selecting.typeId() != QMetaType::Bool)
        return;
    m_isSelecting = selecting.toBool();
    m_sureBtn->setVisible(m_isSelecting);
}

void VideoListViewController::showInfo(const QString &text)
{
    utils()->showDialogWithType(Utils::DialogType::info, text, nullptr);
}

// --- Reading ---

void VideoListViewController::refreshAction()
{
    loadVideoList();
}

void VideoListViewController::loadVideoList()
{
    m_refreshBtn->setEnabled(false);
    m_selectedList.clear();
    const QPointer<QObject> guard(this);
    insSocket()->fetchVideoListWithSuccess(
        [this, guard](const QXOperationRef &, qint64, const QVariant &payload) {
            qxOnGuiThread(guard, [this, payload] { parseVideoList(payload); });
        },
        [this, guard](const QXOperationRef &, qint64, const QVariant &) {
            QXLOG(QStringLiteral("FetchVideoListFail!"));
            qxOnGuiThread(guard, [this] { m_refreshBtn->setEnabled(true); });
        });
}

void VideoListViewController::parseVideoList(const QVariant &payload)
{
    m_refreshBtn->setEnabled(true);
    if (payload.typeId() != QMetaType::QString)
        return;
    m_videoLists = QXStoredListText::analyzeVideoList(payload.toString());
    reloadData();
}

// --- Rows and ticking ---

void VideoListViewController::reloadData()
{
    m_listTable->reloadData();
}

VideoListCell *VideoListViewController::cellAt(int row) const
{
    return qobject_cast<VideoListCell *>(m_listTable->rowAt(row));
}

VideoListCell *VideoListViewController::makeRow()
{
    auto *cell = new VideoListCell;
    cell->setItemCheckAction([this](int index, bool checked) { itemCheck(index, checked); });
    // The confirmation runs a modal wait, and the rows are made again after a delete: the
    // question is asked from the event loop, never from inside the row's own click.
    cell->setItemDeleteAction([this](int index) {
        qxNextTurn(this, [this, index] { askToDelete(index); });
    });
    return cell;
}

void VideoListViewController::fillRow(VideoListCell *cell, int row)
{
    const QXQFileInfoRef &entry = m_videoLists.at(row);
    cell->config(entry->fileName(), entry->fileSize(), row, m_selectedList.contains(entry));
}

void VideoListViewController::itemCheck(int row, bool checked)
{
    if (row < 0 || row >= m_videoLists.size())
        return;
    const QXQFileInfoRef &entry = m_videoLists.at(row);
    if (checked && !m_selectedList.contains(entry))
        m_selectedList.append(entry);
    else if (!checked)
        m_selectedList.removeOne(entry);
}

void VideoListViewController::checkAction()
{
    m_selectedList.clear();
    if (m_checkBox->isChecked())
        m_selectedList = m_videoLists;
    reloadData();
}

// --- Deleting and clearing ---

void VideoListViewController::askToDelete(int row)
{
    m_deleteIndex = row;
    if (row > kLastDeletableRow) {
        showInfo(qxLocalized("ov_delete_row_out_of_range"));
        return;
    }
    utils()->showDialogWithType(
        Utils::DialogType::ensure, qxLocalized("ov_delete_file_ensure"), this,
        [this] {
            utils()->clickToOK();
            deleteItem();
        },
        [this] { utils()->clickToCancel(); });
}

void VideoListViewController::deleteItem()
{
    if (m_deleteIndex < 0 || m_deleteIndex >= m_videoLists.size() || m_deleteIndex > kLastDeletableRow)
        return;
    m_pendingDeletes.append(m_videoLists.at(m_deleteIndex));
    if (m_pendingDeletes.size() == 1)
        sendNextDelete();
}

void VideoListViewController::sendNextDelete()
{
    // The fan names files by their row: a delete is sent only when the one before it has been
    // answered, with the row its file has then, and its answer removes that very file.
    while (!m_pendingDeletes.isEmpty()) {
        const QXQFileInfoRef entry = m_pendingDeletes.first();
        const qsizetype row = m_videoLists.indexOf(entry);
        if (row < 0 || row > kLastDeletableRow) {
            m_pendingDeletes.removeFirst();
            continue;
        }
        const QPointer<QObject> guard(this);
        const auto answered = [this, guard, entry](bool deleted) {
            qxOnGuiThread(guard, [this, entry, deleted] {
                m_pendingDeletes.removeOne(entry);
                if (deleted) {
                    m_selectedList.removeOne(entry);
                    if (m_videoLists.removeOne(entry))
                        reloadData();
                }
                sendNextDelete();
            });
        };
        insSocket()->sendInsWithType(
            QXInsCode::deleteItem, {1, quint8(row)},
            [answered](const QXOperationRef &, qint64, const QVariant &) { answered(true); },
            [answered](const QXOperationRef &, qint64, const QVariant &) { answered(false); });
        return;
    }
}

void VideoListViewController::clearAction()
{
    utils()->showDialogWithType(Utils::DialogType::ensure, qxLocalized("ov_clear_list_tip"), [this](int answer) {
        if (answer == Utils::clickOK)
            clearItem();
    });
}

void VideoListViewController::clearItem()
{
    const std::shared_ptr<QXInsSocket> socket = insSocket();
    socket->setReadTimeout(kClearReadTimeout);
    const QPointer<QObject> guard(this);
    socket->sendInsWithType(
        QXInsCode::clearList, {1, 0},
        [this, guard, socket](const QXOperationRef &, qint64, const QVariant &) {
            socket->setReadTimeout(kReadTimeout);
            qxOnGuiThread(guard, [this] {
                m_selectedList.clear();
                m_videoLists.clear();
                reloadData();
            });
        },
        [socket](const QXOperationRef &, qint64, const QVariant &) { socket->setReadTimeout(kReadTimeout); });
}

// --- Uploading ---

QStringList VideoListViewController::splitFileName(const QString &path)
{
    QString name = path.mid(path.lastIndexOf(QLatin1Char('/')) + 1);
    name.remove(QLatin1Char(' '));
    QStringList pieces = name.split(QLatin1Char('.'));
    if (pieces.size() >= 3) {
        const QString extension = pieces.takeLast();
        return {pieces.join(QLatin1Char('.')), extension};
    }
    return pieces;
}

QList<QXFileRef> VideoListViewController::makeUploadFiles(const QStringList &paths)
{
    QList<QXFileRef> files;
    for (const QString &path : paths) {
        const QString baseName = splitFileName(QXPlayListText::cleanUploadName(QFileInfo(path).fileName())).value(0);
        const QString stored = baseName + QStringLiteral(".mp4");
        const bool listed = std::any_of(m_videoLists.cbegin(), m_videoLists.cend(),
                                        [&](const QXQFileInfoRef &entry) { return entry->fileName() == stored; });
        if (listed) {
            showInfo(qxLocalized("ov_file_name_duplicate") + QLatin1Char(':') + stored);
            continue;
        }
        files.append(std::make_shared<QXFile>(path, baseName));
    }
    return files;
}

void VideoListViewController::addAction()
{
    orvane::screen::chooseUploadFiles(this, *fileSocket(), {orvane::supportedFileFilter()},
                                      [this](const QStringList &paths) { uploadFiles(paths); });
}

void VideoListViewController::uploadFiles(const QStringList &paths)
{
    // Only the batch's end is shown, as its last file ended.
    UploadRun::start(this, m_uploadProgress, *fileSocket(), makeUploadFiles(paths), UploadRun::FileEnds::LastOnly,
                     [this](const QVariant &payload) { addUploadedFile(payload); });
}

void VideoListViewController::addUploadedFile(const QVariant &payload)
{
    const QXFileRef file = payload.value<QXFileRef>();
    if (!file)
        return;
    const QVariantMap information = file->information();
    m_videoLists.append(std::make_shared<QXQFileInfo>(information.value(QStringLiteral("name")).toString(),
                                                      information.value(QStringLiteral("size")).toString(),
                                                      information.value(QStringLiteral("times")).toString()));
    reloadData();
}

// --- Leaving ---

void VideoListViewController::sureAction()
{
    if (!m_isSelecting)
        return;
    if (!m_takePick)
        return;
    m_takePick(m_selectedList);
    backAction();
}

void VideoListViewController::backAction()
{
    if (NSNavigationController *navigation = orvane::navigationController(this))
        navigation->popViewControllerAnimated(true);
}
