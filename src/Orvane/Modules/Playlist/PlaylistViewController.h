#pragma once

#include "Core/BaseViewController.h"
#include "MultyConnectProtocol.h"
#include "QXConnect.h"
#include "QXQFileInfo.h"

#include <QList>
#include <QMetaObject>

#include <memory>
#include <optional>

class ContentChildDelegate;
class PlayControlView;
class PlayListCell;
class PlayListHeaderView;
class QLabel;
class QPushButton;
class QXButton;
class QXDevice;
class RowColumnView;
class UploadBar;

// The current play list of one connected fan, and the controls that drive it: power, play and
// pause, previous and next, play, delete and reorder entries, change play counts, clear the
// list, upload files (converted on the way) that the fan appends, and save the edited list.
// The home screen's instance works on the default connection; one made for a union member
// (initWithDevice) works on that fan's pooled connection. Nothing is sent for an edit until
// Save.
//
// Socket answers arrive on the socket threads; the screen writes the device record there and
// does everything else on the GUI thread. Rows are ordinary widgets (PlayListCell) in a column,
// so every control in them is reachable by keyboard and screen reader; a row with the focus
// plays on Enter, and a row moves by drag and drop or by its up and down buttons.
class PlaylistViewController : public BaseViewController, public QXConnect, public MultyConnectProtocol
{
    Q_OBJECT
public:
    static constexpr qreal kRowHeight = 54.0;
    static constexpr int kMultyListWidth = 83;
    // The function bit of fans that keep several play lists.
    static constexpr quint64 kSeveralListsFunction = 0x80;

    explicit PlaylistViewController(QWidget *parent = nullptr);
    ~PlaylistViewController() override;

    // A screen for one union member's fan, on its pooled password-verified connection.
    static PlaylistViewController *initWithDevice(const std::shared_ptr<NetworkingDevice> &device);

    std::shared_ptr<NetworkingDevice> device() const override { return m_device; }
    // Told to go to the connection screen after a device system file was uploaded. Not owned.
    ContentChildDelegate *delegate() const { return m_delegate; }
    void setDelegate(ContentChildDelegate *delegate) { m_delegate = delegate; }

    QList<QXQFileInfoRef> contentArray() const { return m_contentArray; }
    qint64 selectedRow() const { return m_selectedRow; }
    qint64 deleteRow() const { return m_deleteRow; }
    // The row widget at the index; nullptr when out of range or far from view.
    PlayListCell *cellAt(int row) const;

    QLabel *nameLabel() const { return m_nameLabel; }
    PlayListHeaderView *headerView() const { return m_headerView; }
    QXButton *btnRefreshItem() const { return m_btnRefreshItem; }
    QXButton *btnAddFile() const { return m_btnAddFile; }
    QXButton *btnClearList() const { return m_btnClearList; }
    QXButton *btnMultyList() const { return m_btnMultyList; }
    QXButton *btnSave() const { return m_btnSave; }
    QPushButton *btnPower() const { return m_btnPower; }
    QPushButton *btnPlayVideo() const;
    PlayControlView *playControlView() const { return m_playControlView; }
    RowColumnView *playList() const { return m_playList; }
    UploadBar *uploadProgress() const { return m_uploadProgress; }

    // The list's text as the rows stand.
    QString getListString() const;
    // The rows differ from the device record's list (count, a name or a play count).
    bool checkContentChanged() const;

public slots:
    void clickPowerBtn();
    // Refreshes the list.
    void clickToEditItem();
    void clickToAddFile();
    void clickToSave();
    void multyListAction();
    void clickToClearList();
    // Plays the selected row.
    void doubleClickItem();
    void clickLastVideoBtn();
    void clickPlayVideoBtn();
    void clickNextVideoBtn();
    void selectRow(int row);

    // The uploads of chosen files: blank-free names, duplicates and unsupported files refused
    // with a message, a device system file ends the selection.
    void fetchUplaodFileWithURLs(const QStringList &paths);

protected:
    void initData() override;
    void initUI() override;
    void initSocket() override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    PlaylistViewController(std::shared_ptr<NetworkingDevice> device, QWidget *parent);

    void buildLayout();
    void refreshBtn();
    void refreshList();
    // A member's window: its pooled connection first, then the list, or the failure shown.
    void connectThenRefresh();
    void refreshTableWithContent(const std::optional<QString> &content);
    void reloadData();
    PlayListCell *makeRow();
    void fillRow(PlayListCell *cell, int row);
    void enableSaveBtn(bool enabled);
    void enableListButtons(bool enabled);
    void showPlaying(bool playing);
    void showPower(bool on);
    void watchDeviceName();
    void showDeviceName(const QString &name);
    void playItemAtIndex(int row);
    // The row after (or before) the playing one, wrapping at both ends.
    void playNeighbour(bool next);
    void upItemAtIndex(int row);
    void downItemAtIndex(int row);
    void moveItemAtIndex(int from, int to);
    void askToDeleteRow(int row);
    void deleteItem(int row);
    void clearList();
    void changeTimes(PlayListCell *cell, qint64 times);
    int rowOfCell(const PlayListCell *cell) const;
    void selectCell(const PlayListCell *cell);
    void saveContentList();
    void sendListWithName(const QString &name, const QString &content);
    void addItem(const QXQFileInfoRef &entry);
    bool fileUploadRunning() const;
    void dealSendFileEvent(const QVariant &payload);
    void showInfo(const QString &text);

    std::shared_ptr<NetworkingDevice> m_device;
    ContentChildDelegate *m_delegate = nullptr;
    QList<QXQFileInfoRef> m_contentArray;
    qint64 m_selectedRow = -1;
    qint64 m_deleteRow = -1;
    // The device record whose Wi-Fi name the label shows.
    std::weak_ptr<QXDevice> m_watchedRecord;
    QMetaObject::Connection m_nameWatch;

    QLabel *m_nameLabel = nullptr;
    PlayListHeaderView *m_headerView = nullptr;
    QXButton *m_btnRefreshItem = nullptr;
    QXButton *m_btnAddFile = nullptr;
    QXButton *m_btnClearList = nullptr;
    QXButton *m_btnMultyList = nullptr;
    QXButton *m_btnSave = nullptr;
    QPushButton *m_btnPower = nullptr;
    PlayControlView *m_playControlView = nullptr;
    RowColumnView *m_playList = nullptr;
    UploadBar *m_uploadProgress = nullptr;
};
