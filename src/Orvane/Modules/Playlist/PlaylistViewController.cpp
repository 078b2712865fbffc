#include "PlaylistViewController.h"

#include "Core/ContentChildDelegate.h"
#include "Core/NSNavigationController.h"
#include "Core/Utils.h"
#include "MultyListViewController.h"
#include "PlayControlView.h"
#include "PlayListCell.h"
#include "PlayListHeaderView.h"
#include "QXButton.h"
#include "QXColor.h"
#include "QXConnectManager.h"
#include "QXDevice.h"
#include "QXEventLoop.h"
#include "QXFileSocket.h"
#include "QXInsSocket.h"
#include "QXLocalized.h"
#include "QXLog.h"
#include "QXSocketCode.h"
#include "QXView.h"
#include "StandardIcon.h"
#include "Widget/Rows/RowColumnView.h"
#include "Widget/ScreenParts.h"
#include "Widget/UploadBar.h"
#include "Widget/UploadRun.h"

#include <QApplication>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QSpinBox>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

using orvane::screen::barButton;
using qxkit::standardIcon;

namespace {

const QString kDefaultListName = QStringLiteral("playlist.txt");

} // namespace

PlaylistViewController::PlaylistViewController(QWidget *parent)
    : PlaylistViewController(nullptr, parent)
{
}

PlaylistViewController::PlaylistViewController(std::shared_ptr<NetworkingDevice> device, QWidget *parent)
    : BaseViewController(parent)
    , m_device(std::move(device))
{
    setObjectName(QStringLiteral("ShowPlaylistViewController"));
    loadViewIfNeeded();
}

PlaylistViewController::~PlaylistViewController() = default;

PlaylistViewController *PlaylistViewController::initWithDevice(const std::shared_ptr<NetworkingDevice> &device)
{
    return new PlaylistViewController(device, nullptr);
}

void PlaylistViewController::initData()
{
    BaseViewController::initData();
    QXLOG(QStringLiteral("ShowPlaylistViewController 初始化"));
    m_selectedRow = -1;
}

void PlaylistViewController::initUI()
{
    buildLayout();
    qxkit::setBgColor(m_playList, QColor::fromRgbF(43 / 255.0, 45 / 255.0, 60 / 255.0));
    enableSaveBtn(false);
    showPower(false);
    showPlaying(false);
    watchDeviceName();
    connect(m_btnPower, &QPushButton::clicked, this, &PlaylistViewController::clickPowerBtn);
    connect(m_btnRefreshItem, &QPushButton::clicked, this, &PlaylistViewController::clickToEditItem);
    connect(m_btnAddFile, &QPushButton::clicked, this, &PlaylistViewController::clickToAddFile);
    connect(m_btnClearList, &QPushButton::clicked, this, &PlaylistViewController::clickToClearList);
    connect(m_btnMultyList, &QPushButton::clicked, this, &PlaylistViewController::multyListAction);
    connect(m_btnSave, &QPushButton::clicked, this, &PlaylistViewController::clickToSave);
    connect(m_playControlView->previousBtn(), &QPushButton::clicked, this, &PlaylistViewController::clickLastVideoBtn);
    connect(m_playControlView->playBtn(), &QPushButton::clicked, this, &PlaylistViewController::clickPlayVideoBtn);
    connect(m_playControlView->nextBtn(), &QPushButton::clicked, this, &PlaylistViewController::clickNextVideoBtn);
}

void PlaylistViewController::buildLayout()
{
    m_nameLabel = qxkit::label({}, qxkit::globalTextColor());
    m_nameLabel->setObjectName(QStringLiteral("nameLabel"));
    m_btnRefreshItem = barButton("ov_refresh", "ov_refresh_current_list");
    m_btnAddFile = barButton("ov_add", "ov_add_file_to_list");
    m_btnClearList = barButton("ov_clear", "ov_clear_playlist");
    m_btnMultyList = barButton("ov_multi_list", "ov_multi_list");
    m_btnSave = barButton("ov_save", "ov_save_changed_content");
    m_btnMultyList->setFixedWidth(kMultyListWidth);
    QVBoxLayout *layout = orvane::screen::screenColumn(
        this, nullptr, m_nameLabel, {m_btnRefreshItem, m_btnAddFile, m_btnClearList, m_btnMultyList, m_btnSave});

    m_headerView = new PlayListHeaderView;
    m_headerView->operationLabel()->setFixedWidth(PlayListCell::kOperationWidth);
    m_playList = new RowColumnView(kRowHeight);
    m_playList->setObjectName(QStringLiteral("playList"));
    m_playList->setAccessibleName(qxLocalized("ov_playlist"));
    m_playList->setRowCount([this] { return int(m_contentArray.size()); });
    m_playList->setRows<PlayListCell>([this] { return makeRow(); },
                                      [this](PlayListCell *cell, int row) { fillRow(cell, row); });
    m_playList->setRowName([this](int row) {
        return QStringLiteral("%1 %2").arg(row + 1).arg(m_contentArray.value(row) ? m_contentArray.at(row)->fileName()
                                                                                  : QString());
    });
    m_playList->setMoveAction([this](int from, int to) {
        QXLOG(QStringLiteral("Moving row: %1, to: %2").arg(from).arg(to));
        moveItemAtIndex(from, to);
    });

    m_uploadProgress = new UploadBar(qxkit::configLight(), qxkit::globalThemeColor(), qxkit::globalTextColor());

    m_btnPower = new QPushButton;
    m_btnPower->setObjectName(QStringLiteral("btnPower"));
    m_btnPower->setCheckable(true);
    m_btnPower->setFlat(true);
    m_btnPower->setIconSize(QSize(24, 24));
    m_btnPower->setFocusPolicy(Qt::StrongFocus);
    m_btnPower->setAccessibleName(qxLocalized("ov_power"));
    m_btnPower->setToolTip(m_btnPower->accessibleName());
    m_playControlView = new PlayControlView;
    m_playControlView->previousBtn()->setAccessibleName(qxLocalized("ov_previous"));
    m_playControlView->nextBtn()->setAccessibleName(qxLocalized("ov_next"));
    auto *controls = new QHBoxLayout;
    controls->addWidget(m_btnPower);
    controls->addStretch(1);
    controls->addWidget(m_playControlView);
    controls->addStretch(1);

    layout->addWidget(m_headerView);
    layout->addWidget(m_playList, 1);
    layout->addWidget(m_uploadProgress);
    layout->addLayout(controls);
}

void PlaylistViewController::initSocket()
{
    BaseViewController::initSocket();
    if (window() == this)
        setWindowTitle(QString());
    watchDeviceName();
    refreshBtn();
    // The home screen's window reads the list again from a connected fan; its dropped connection
    // is made again by the home screen's menu or by Refresh, never silently behind the
    // operator's back. A member's window exists only to show that fan, so it connects first.
    if (m_device)
        connectThenRefresh();
    else if (!insSocket()->isDisconnected())
        refreshList();
}

void PlaylistViewController::connectThenRefresh()
{
    const QPointer<QObject> guard(this);
    insSocket()->connectedWithSuccess(
        [this, guard](const QXOperationRef &, qint64, const QVariant &) {
            qxOnGuiThread(guard, [this] { refreshList(); });
        },
        [this, guard](const QXOperationRef &, qint64 code, const QVariant &) {
            QXLOG(QStringLiteral("连接失败:%1").arg(code));
            qxOnGuiThread(guard, [this] { showInfo(qxLocalized("ov_conn_fail_tip")); });
        });
}

QPushButton *PlaylistViewController::btnPlayVideo() const
{
    return m_playControlView->playBtn();
}

// --- Device name ---

void PlaylistViewController::watchDeviceName()
{
    // Every connection makes a new device record, so the label follows the record that is
    // current each time the screen appears.
    const std::shared_ptr<QXDevice> record = currentDevice();
    if (record && record == m_watchedRecord.lock())
        return;
    disconnect(m_nameWatch);
    m_watchedRecord = record;
    if (!record) {
        showDeviceName(QString());
        return;
    }
    m_nameWatch = connect(record.get(), &QXDevice::wifiNameChanged, this, &PlaylistViewController::showDeviceName,
                          Qt::QueuedConnection);
    showDeviceName(record->wifiName());
}

void PlaylistViewController::showDeviceName(const QString &name)
{
    m_nameLabel->setText(name);
    m_nameLabel->setAccessibleName(name);
}

// --- Buttons ---

void PlaylistViewController::refreshBtn()
{
    const bool several = connectManager().deviceForSocket(insSocket().get(), kSeveralListsFunction);
    m_btnMultyList->setVisible(several);
}

void PlaylistViewController::enableSaveBtn(bool enabled)
{
    m_btnSave->setEnabled(enabled);
}

void PlaylistViewController::enableListButtons(bool enabled)
{
    for (QXButton *button : {m_btnRefreshItem, m_btnAddFile, m_btnClearList})
        button->setEnabled(enabled);
}

void PlaylistViewController::showPlaying(bool playing)
{
    QPushButton *button = btnPlayVideo();
    button->setIcon(standardIcon(playing ? QStyle::SP_MediaPause : QStyle::SP_MediaPlay));
    button->setAccessibleName(qxLocalized(playing ? "ov_pause" : "ov_play"));
    button->setToolTip(button->accessibleName());
}

void PlaylistViewController::showPower(bool on)
{
    m_btnPower->setChecked(on);
    m_btnPower->setIcon(standardIcon(on ? QStyle::SP_DialogYesButton : QStyle::SP_DialogNoButton));
}

void PlaylistViewController::showInfo(const QString &text)
{
    utils()->showDialogWithType(Utils::DialogType::info, text, nullptr);
}

// --- Refresh ---

void PlaylistViewController::clickToEditItem()
{
    refreshList();
}

bool PlaylistViewController::fileUploadRunning() const
{
    const qint64 busy = fileSocket()->currentIns();
    return busy == QXFileSocket::UploadingFile || busy == QXFileSocket::Transcoding;
}

void PlaylistViewController::refreshList()
{
    // A running upload appends its rows as files arrive; a list read in between would drop them.
    if (fileUploadRunning())
        return;
    QXLOG(QStringLiteral("发送指令：下载文件列表"));
    enableListButtons(false);
    const std::shared_ptr<QXInsSocket> socket = insSocket();
    const std::shared_ptr<QXDevice> record = currentDevice();
    // The list text waits for the status: the rows are rebuilt only once both are fresh.
    auto listText = std::make_shared<std::optional<QString>>();
    const QPointer<QObject> guard(this);
    const auto listDone = [this, guard] {
        qxOnGuiThread(guard, [this] {
            enableSaveBtn(false);
            enableListButtons(true);
            showPlaying(currentDeviceStatus().isPlaying());
        });
    };
    socket->downloadListWithSuccess(
        [record, listText, listDone](const QXOperationRef &, qint64, const QVariant &payload) {
            const QString text = payload.toString();
            QXLOG(QStringLiteral("FileList:%1").arg(text));
            if (record)
                record->configFileWithString(text);
            *listText = text;
            listDone();
        },
        [listDone](const QXOperationRef &, qint64 code, const QVariant &) {
            QXLOG(QStringLiteral("获取列表失败:%1").arg(code));
            listDone();
        });
    socket->sendInsWithType(
        QXInsCode::status, 0,
        [this, guard, record, listText](const QXOperationRef &, qint64, const QVariant &payload) {
            QXLOG(QStringLiteral("获取设备状态:%1").arg(QString::fromLatin1(payload.toByteArray().toHex())));
            if (record)
                record->configStatusWithData(payload.toByteArray());
            const std::optional<QString> content = *listText;
            qxOnGuiThread(guard, [this, content] {
                refreshTableWithContent(content);
                refreshBtn();
                showPower(currentDeviceStatus().isRunning());
            });
        },
        [](const QXOperationRef &, qint64 code, const QVariant &) {
            QXLOG(QStringLiteral("获取设备状态失败:%1").arg(code));
        });
    socket->sendInsWithType(
        QXInsCode::mask, 0,
        [record](const QXOperationRef &, qint64, const QVariant &payload) {
            QXLOG(QStringLiteral("获取设备遮罩:%1").arg(QString::fromLatin1(payload.toByteArray().toHex())));
            if (record)
                record->configMaskWithData(payload.toByteArray());
        },
        [](const QXOperationRef &, qint64 code, const QVariant &) {
            QXLOG(QStringLiteral("获取设备遮罩失败:%1").arg(code));
        });
}

void PlaylistViewController::refreshTableWithContent(const std::optional<QString> &content)
{
    if (!content)
        return;
    m_contentArray = QXPlayListText::analyzeListString(*content);
    reloadData();
}

void PlaylistViewController::reloadData()
{
    // The shown rows are filled again in their own widgets, so the keyboard focus stays on its
    // row; when that row is gone, it goes to the new last row.
    const int focusedRow = m_playList->rowOf(QApplication::focusWidget());
    if (m_selectedRow >= m_contentArray.size())
        m_selectedRow = -1;
    m_playList->reloadData();
    const int last = int(m_contentArray.size()) - 1;
    if (focusedRow > last) {
        if (QWidget *cell = m_playList->scrollToRow(last))
            cell->setFocus(Qt::OtherFocusReason);
    }
}

// --- Rows ---

PlayListCell *PlaylistViewController::makeRow()
{
    auto *cell = new PlayListCell;
    cell->setObjectName(QStringLiteral("PlayListCell"));
    cell->installEventFilter(this);
    // The actions run from the event loop, since what they do fills the rows again, and act on
    // the row the widget shows by then (none when it was freed in between).
    QPointer<PlayListCell> weakCell(cell);
    cell->setChangeTimesAction([this, weakCell](qint64 times) {
        if (weakCell)
            changeTimes(weakCell, times);
    });
    cell->setMoveItemAction([this, weakCell](bool up) {
        qxNextTurn(this, [this, weakCell, up] {
            const int current = rowOfCell(weakCell);
            if (up && current >= 1)
                upItemAtIndex(current);
            else if (!up && current >= 0 && current < m_contentArray.size() - 1)
                downItemAtIndex(current);
        });
    });
    cell->setDeleteAction([this, weakCell] {
        qxNextTurn(this, [this, weakCell] {
            const int current = rowOfCell(weakCell);
            if (current >= 0)
                askToDeleteRow(current);
        });
    });
    cell->setPlayAction([this, weakCell] {
        qxNextTurn(this, [this, weakCell] {
            const int current = rowOfCell(weakCell);
            QXLOG(QStringLiteral("WillPlayIndex:%1").arg(current));
            if (current < 0)
                return;
            selectRow(current);
            playItemAtIndex(current);
        });
    });
    return cell;
}

void PlaylistViewController::fillRow(PlayListCell *cell, int row)
{
    cell->configData(m_contentArray.at(row), row);
    cell->setIsPlaying(currentDeviceStatus().playingIndex() == row);
    cell->setSelected(m_selectedRow == row);
}

PlayListCell *PlaylistViewController::cellAt(int row) const
{
    return qobject_cast<PlayListCell *>(m_playList->rowAt(row));
}

int PlaylistViewController::rowOfCell(const PlayListCell *cell) const
{
    return m_playList->rowOf(cell);
}

void PlaylistViewController::selectRow(int row)
{
    if (row == m_selectedRow)
        return;
    if (PlayListCell *previous = cellAt(int(m_selectedRow)))
        previous->setSelected(false);
    m_selectedRow = row;
    if (PlayListCell *cell = cellAt(row))
        cell->setSelected(true);
}

void PlaylistViewController::selectCell(const PlayListCell *cell)
{
    // A row of the previous reload, on its way out, selects nothing.
    const int row = rowOfCell(cell);
    if (row >= 0)
        selectRow(row);
}

void PlaylistViewController::changeTimes(PlayListCell *cell, qint64 times)
{
    const int row = rowOfCell(cell);
    if (row < 0)
        return;
    m_contentArray.at(row)->setFileTimes(QString::number(times));
    enableSaveBtn(checkContentChanged());
}

bool PlaylistViewController::checkContentChanged() const
{
    const std::shared_ptr<QXDevice> record = currentDevice();
    const QList<QVariantMap> items = record ? record->file()->list() : QList<QVariantMap>();
    if (items.size() != m_contentArray.size())
        return true;
    for (qsizetype i = 0; i < items.size(); ++i) {
        const QXQFileInfoRef &entry = m_contentArray.at(i);
        if (entry->fileName() != items.at(i).value(QStringLiteral("name")).toString()
            || entry->fileTimes().toInt() != items.at(i).value(QStringLiteral("times")).toString().toInt())
            return true;
    }
    return false;
}

QString PlaylistViewController::getListString() const
{
    return QXPlayListText::getListString(m_contentArray);
}

// --- Moving ---

void PlaylistViewController::upItemAtIndex(int row)
{
    moveItemAtIndex(row, row - 1);
    if (PlayListCell *cell = cellAt(row - 1)) {
        cell->setFocus(Qt::OtherFocusReason);
        cell->btnUpItem()->setFocus(Qt::OtherFocusReason);
    }
}

void PlaylistViewController::downItemAtIndex(int row)
{
    moveItemAtIndex(row, row + 1);
    if (PlayListCell *cell = cellAt(row + 1)) {
        cell->setFocus(Qt::OtherFocusReason);
        cell->btnDownItem()->setFocus(Qt::OtherFocusReason);
    }
}

void PlaylistViewController::moveItemAtIndex(int from, int to)
{
    if (from < 0 || from >= m_contentArray.size() || to < 0 || to >= m_contentArray.size() || from == to)
        return;
    m_contentArray.move(from, to);
    if (m_selectedRow == from)
        m_selectedRow = to;
    reloadData();
    enableSaveBtn(checkContentChanged());
}

bool PlaylistViewController::eventFilter(QObject *watched, QEvent *event)
{
    // The row column drags the rows; the screen selects and plays them.
    auto *cell = qobject_cast<PlayListCell *>(watched);
    if (!cell)
        return BaseViewController::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::MouseButtonPress:
        selectCell(cell);
        break;
    case QEvent::MouseButtonDblClick:
        selectCell(cell);
        doubleClickItem();
        return true;
    case QEvent::FocusIn:
        selectCell(cell);
        break;
    case QEvent::KeyPress: {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            doubleClickItem();
            return true;
        }
        break;
    }
    default:
        break;
    }
    return BaseViewController::eventFilter(watched, event);
}

// --- Playing ---

void PlaylistViewController::doubleClickItem()
{
    if (m_selectedRow >= 0 && m_selectedRow < m_contentArray.size())
        playItemAtIndex(int(m_selectedRow));
}

void PlaylistViewController::playItemAtIndex(int row)
{
    const std::shared_ptr<QXDevice> record = currentDevice();
    const QPointer<QObject> guard(this);
    insSocket()->sendInsWithType(
        QXInsCode::playItem, qint16(row),
        [this, guard, record, row](const QXOperationRef &, qint64, const QVariant &) {
            QXLOG(QStringLiteral("播放成功"));
            if (record) {
                record->editStatus([row](QXDeviceStatus &status) {
                    status.setPlayingIndex(row);
                    status.setIsPlaying(true);
                });
            }
            qxOnGuiThread(guard, [this] {
                reloadData();
                showPlaying(true);
            });
        },
        nullptr);
}

void PlaylistViewController::clickLastVideoBtn()
{
    QXLOG(QStringLiteral("点击了LastVideo"));
    playNeighbour(false);
}

void PlaylistViewController::clickNextVideoBtn()
{
    QXLOG(QStringLiteral("点击了NextVideo"));
    playNeighbour(true);
}

void PlaylistViewController::playNeighbour(bool next)
{
    const int count = int(m_contentArray.size());
    const qint64 playing = currentDeviceStatus().playingIndex();
    if (count == 0) {
        QXLOG(QStringLiteral("列表为空"));
        return;
    }
    if (playing < 0)
        return;
    // Both ends wrap around; an index the list no longer reaches counts as its last row.
    const int last = count - 1;
    const int current = int(std::min<qint64>(playing, last));
    if (next)
        playItemAtIndex(current == last ? 0 : current + 1);
    else
        playItemAtIndex(current == 0 ? last : current - 1);
}

void PlaylistViewController::clickPlayVideoBtn()
{
    QXLOG(QStringLiteral("点击了PlayVideo"));
    const bool playing = currentDeviceStatus().isPlaying();
    const std::shared_ptr<QXDevice> record = currentDevice();
    const QPointer<QObject> guard(this);
    insSocket()->sendInsWithType(
        playing ? QXInsCode::pause : QXInsCode::play, 0,
        [this, guard, record, playing](const QXOperationRef &, qint64, const QVariant &) {
            QXLOG(playing ? QStringLiteral("暂停播放") : QStringLiteral("继续播放"));
            if (record)
                record->editStatus([playing](QXDeviceStatus &status) { status.setIsPlaying(!playing); });
            qxOnGuiThread(guard, [this, playing] { showPlaying(!playing); });
        },
        [](const QXOperationRef &, qint64, const QVariant &) { QXLOG(QStringLiteral("fail")); });
}

void PlaylistViewController::clickPowerBtn()
{
    QXLOG(QStringLiteral("发送指令：点击开关"));
    const bool running = currentDeviceStatus().isRunning();
    // The button shows what the fan reports, not the click.
    showPower(running);
    const std::shared_ptr<QXDevice> record = currentDevice();
    const QPointer<QObject> guard(this);
    insSocket()->sendInsWithType(
        running ? QXInsCode::powerOff : QXInsCode::powerOn, 0,
        [this, guard, record, running](const QXOperationRef &, qint64, const QVariant &) {
            qxOnGuiThread(guard, [this, record, running] {
                if (record) {
                    record->editStatus([running](QXDeviceStatus &status) {
                        status.setIsRunning(!running);
                        if (!running)
                            status.setIsPlaying(true);
                    });
                }
                showPower(!running);
                if (!running)
                    showPlaying(true);
            });
        },
        [this, guard](const QXOperationRef &, qint64, const QVariant &) {
            qxOnGuiThread(guard, [this] { showPower(false); });
        });
}

// --- Deleting and clearing ---

void PlaylistViewController::askToDeleteRow(int row)
{
    m_deleteRow = row;
    QPointer<PlaylistViewController> self(this);
    const QString question = qxLocalized("ov_delete_file_ensure");
    utils()->showDialogWithType(Utils::DialogType::ensure, question, [self, row](int answer) {
        if (self && answer == Utils::clickOK)
            self->deleteItem(row);
    });
}

void PlaylistViewController::deleteItem(int row)
{
    if (row < 0 || row >= m_contentArray.size())
        return;
    const QXQFileInfoRef entry = m_contentArray.takeAt(row);
    reloadData();
    const std::shared_ptr<QXDevice> record = currentDevice();
    const QPointer<QObject> guard(this);
    insSocket()->sendInsWithType(
        QXInsCode::deleteItem, qint16(row),
        [record, row](const QXOperationRef &, qint64, const QVariant &) {
            if (record)
                record->file()->deleteItemAtIndexPath(row);
        },
        [this, guard, entry, row](const QXOperationRef &, qint64 code, const QVariant &) {
            QXLOG(QStringLiteral("删除失败:%1").arg(code));
            // The fan may still hold the entry: the screen shows what it holds, and puts the row
            // back itself while an upload keeps the list from being read.
            qxOnGuiThread(guard, [this, entry, row] {
                if (!fileUploadRunning()) {
                    refreshList();
                    return;
                }
                m_contentArray.insert(std::min<qsizetype>(row, m_contentArray.size()), entry);
                reloadData();
            });
        });
}

void PlaylistViewController::clickToClearList()
{
    QXLOG(QStringLiteral("发送指令：清空列表"));
    QPointer<PlaylistViewController> self(this);
    utils()->showDialogWithType(Utils::DialogType::ensure, qxLocalized("ov_clear_list_tip"), [self](int answer) {
        if (self && answer == Utils::clickOK)
            self->clearList();
    });
}

void PlaylistViewController::clearList()
{
    const std::shared_ptr<QXDevice> record = currentDevice();
    const QPointer<QObject> guard(this);
    insSocket()->sendInsWithType(
        QXInsCode::clearList, 0,
        [this, guard, record](const QXOperationRef &, qint64, const QVariant &) {
            if (record)
                record->file()->deleteAllItems();
            qxOnGuiThread(guard, [this] {
                enableSaveBtn(false);
                m_contentArray.clear();
                reloadData();
            });
        },
        [this, guard](const QXOperationRef &, qint64, const QVariant &) {
            qxOnGuiThread(guard, [this] { showInfo(qxLocalized("ov_conn_fail_tip")); });
        });
}

// --- Uploading ---

void PlaylistViewController::clickToAddFile()
{
    orvane::screen::chooseUploadFiles(this, *fileSocket(), {},
                                      [this](const QStringList &paths) { fetchUplaodFileWithURLs(paths); });
}

void PlaylistViewController::fetchUplaodFileWithURLs(const QStringList &paths)
{
    const std::shared_ptr<QXDevice> record = currentDevice();
    QList<QXFileRef> files;
    for (const QString &path : paths) {
        const QString name = QXPlayListText::cleanUploadName(QFileInfo(path).fileName());
        const QString baseName = QFileInfo(name).completeBaseName();
        if (record && record->file()->isExistFileWithName(baseName)) {
            showInfo(QStringLiteral("%1：%2.mp4").arg(qxLocalized("ov_file_name_duplicate"), baseName));
            continue;
        }
        auto file = std::make_shared<QXFile>(path, baseName);
        const QXFileType type = file->type();
        if (type == QXFileType::None || type == QXFileType::Other) {
            showInfo(QStringLiteral("%1：%2").arg(qxLocalized("ov_invalid_file"), name));
            continue;
        }
        files.append(file);
        if (type == QXFileType::SystemFile)
            break;
    }

    // A failed file stays shown until the next one starts, so the operator sees which one failed.
    UploadRun::start(this, m_uploadProgress, *fileSocket(), files, UploadRun::FileEnds::Each,
                     [this](const QVariant &payload) { dealSendFileEvent(payload); });
}

void PlaylistViewController::dealSendFileEvent(const QVariant &payload)
{
    const QXFileRef file = payload.value<QXFileRef>();
    if (!file)
        return;
    if (file->type() == QXFileType::SystemFile) {
        QXLOG(QStringLiteral("更新程序上传成功"));
        showInfo(qxLocalized("ov_update_success"));
        insSocket()->disconnectWtihBlock(nullptr);
        if (m_delegate)
            m_delegate->childVC(this, ContentChildDelegate::connectType);
        return;
    }
    QVariantMap information = file->information();
    const std::shared_ptr<QXDevice> record = currentDevice();
    if (record) {
        if (record->file()->isContainsID())
            information.insert(QStringLiteral("Id"), QStringLiteral("-1"));
        record->file()->appendItem(information);
    }
    addItem(std::make_shared<QXQFileInfo>(information.value(QStringLiteral("name")).toString(),
                                          information.value(QStringLiteral("size")).toString(),
                                          information.value(QStringLiteral("times")).toString()));
}

void PlaylistViewController::addItem(const QXQFileInfoRef &entry)
{
    m_contentArray.append(entry);
    reloadData();
}

// --- Saving ---

void PlaylistViewController::clickToSave()
{
    saveContentList();
}

void PlaylistViewController::saveContentList()
{
    const QString content = getListString();
    utils()->saveFileListToStorage(content.toUtf8());
    enableSaveBtn(false);
    if (!connectManager().deviceForSocket(insSocket().get(), kSeveralListsFunction)) {
        sendListWithName(kDefaultListName, content);
        return;
    }
    const QPointer<QObject> guard(this);
    insSocket()->fetchCurrentPlayListNameWithSuccess(
        [this, guard, content](const QXOperationRef &, qint64, const QVariant &payload) {
            const QString name = payload.toString();
            qxOnGuiThread(guard, [this, name, content] { sendListWithName(name, content); });
        },
        [this, guard](const QXOperationRef &, qint64, const QVariant &) {
            qxOnGuiThread(guard, [this] { enableSaveBtn(true); });
        });
}

void PlaylistViewController::sendListWithName(const QString &name, const QString &content)
{
    const std::shared_ptr<QXDevice> record = currentDevice();
    const QPointer<QObject> guard(this);
    fileSocket()->sendListWithName(
        name, content, nullptr,
        [this, guard, record, content](const QXOperationRef &, qint64, const QVariant &) {
            if (record)
                record->configFileWithString(content);
            qxOnGuiThread(guard, [this] {
                enableSaveBtn(false);
                reloadData();
            });
        },
        [this, guard](const QXOperationRef &, qint64, const QVariant &) {
            qxOnGuiThread(guard, [this] { enableSaveBtn(true); });
        });
}

// --- Several lists ---

void PlaylistViewController::multyListAction()
{
    NSNavigationController *navigation = orvane::navigationController(this);
    if (!navigation)
        return;
    navigation->pushViewController(new MultyListViewController(m_device), true);
}
