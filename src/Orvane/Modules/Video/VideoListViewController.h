#pragma once

#include "Core/BaseViewController.h"
#include "MultyConnectProtocol.h"
#include "QXConnect.h"
#include "QXFile.h"
#include "QXQFileInfo.h"

#include <QList>
#include <QStringList>
#include <QVariantMap>

#include <functional>
#include <memory>

class QCheckBox;
class QLabel;
class QXButton;
class RowColumnView;
class UploadBar;
class VideoListCell;

// The video files stored on one fan: read from the fan, uploaded (converted on the way),
// deleted one at a time or all at once. Opened by the play-list editor it also picks: the
// operator ticks rows and confirms, and the ticked entries go back to the editor (setPickTaker). A screen
// made for a union member (device set) works on that fan's pooled connection.
//
// Socket answers arrive on the socket threads; the screen moves all its work to the GUI thread.
class VideoListViewController : public BaseViewController, public QXConnect, public MultyConnectProtocol
{
    Q_OBJECT
public:
    static constexpr qreal kRowHeight = 54.0;
    // The read time-out while the fan clears its store, and the usual one.
    static constexpr qint64 kClearReadTimeout = 10;
    static constexpr qint64 kReadTimeout = 3;
    // The delete instruction names the row in one byte.
    static constexpr qint64 kLastDeletableRow = 255;

    explicit VideoListViewController(std::shared_ptr<NetworkingDevice> device = nullptr, QWidget *parent = nullptr);
    ~VideoListViewController() override;

    std::shared_ptr<NetworkingDevice> device() const override { return m_device; }
    void setDevice(std::shared_ptr<NetworkingDevice> device) { m_device = std::move(device); }

    // "isSelecting" (a Boolean) switches picking on or off; anything else is ignored.
    Q_INVOKABLE void configWithData(const QVariantMap &data);
    // Where a confirmed pick goes (the editor that opened the screen); without one, confirming
    // does nothing.
    using PickTaker = std::function<void(const QList<QXQFileInfoRef> &picked)>;
    void setPickTaker(PickTaker takePick) { m_takePick = std::move(takePick); }

    bool isSelecting() const { return m_isSelecting; }
    QList<QXQFileInfoRef> videoLists() const { return m_videoLists; }
    QList<QXQFileInfoRef> selectedList() const { return m_selectedList; }
    VideoListCell *cellAt(int row) const;

    // The base name and extension of a local file: the part after the last "/", without
    // blanks, split at its last dot ("my clip.part1.mov" gives "myclip.part1" and "mov"; a
    // name without a dot gives itself alone).
    static QStringList splitFileName(const QString &path);
    // The files to send for the chosen paths, in order: each under its cleaned base name; a
    // file whose name the fan already lists (base name + ".mp4") is left out with a message.
    QList<QXFileRef> makeUploadFiles(const QStringList &paths);

    QLabel *infoLabel() const { return m_infoLabel; }
    QXButton *backBtn() const { return m_backBtn; }
    QXButton *sureBtn() const { return m_sureBtn; }
    QXButton *refreshBtn() const { return m_refreshBtn; }
    QXButton *clearBtn() const { return m_clearBtn; }
    QXButton *addBtn() const { return m_addBtn; }
    QCheckBox *checkBox() const { return m_checkBox; }
    RowColumnView *listTable() const { return m_listTable; }
    UploadBar *uploadProgress() const { return m_uploadProgress; }

public slots:
    void backAction();
    void sureAction();
    void refreshAction();
    void clearAction();
    void addAction();
    void checkAction();
    void loadVideoList();

protected:
    void initUI() override;
    void initSocket() override;

private:
    void buildLayout();
    void reloadData();
    VideoListCell *makeRow();
    void fillRow(VideoListCell *cell, int row);
    void itemCheck(int row, bool checked);
    void askToDelete(int row);
    void deleteItem();
    void sendNextDelete();
    void clearItem();
    void parseVideoList(const QVariant &payload);
    void uploadFiles(const QStringList &paths);
    // Appends the row of a file the fan took.
    void addUploadedFile(const QVariant &payload);
    void showInfo(const QString &text);

    std::shared_ptr<NetworkingDevice> m_device;
    bool m_isSelecting = false;
    QList<QXQFileInfoRef> m_videoLists;
    QList<QXQFileInfoRef> m_selectedList;
    PickTaker m_takePick;
    qint64 m_deleteIndex = -1;
    // Files whose delete waits to be sent or answered, in the operator's order.
    QList<QXQFileInfoRef> m_pendingDeletes;

    QLabel *m_infoLabel = nullptr;
    QXButton *m_backBtn = nullptr;
    QXButton *m_sureBtn = nullptr;
    QXButton *m_refreshBtn = nullptr;
    QXButton *m_clearBtn = nullptr;
    QXButton *m_addBtn = nullptr;
    QCheckBox *m_checkBox = nullptr;
    RowColumnView *m_listTable = nullptr;
    UploadBar *m_uploadProgress = nullptr;
};
