#pragma once

#include "UnionContainerDelegate.h"
#include "UnionMemberConnector.h"
#include "UnionWifiSync.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QWidget>

#include <memory>
#include <optional>

class NetworkingDevice;
class QLabel;
class QScrollArea;
class TranscodeManager;
class UnionContainer;
class UnionData;
class UnionOperationItem;
class UnionSender;
class UnionUploader;

// The screen on which the operator drives one stored union: its name, its grid of fans and a
// strip of operation buttons, each of which runs one operation on every member fan at once.
// The buttons come from the bundled operation list (":/UnionOperationList.json"), so the
// bundle decides which operations appear, grouped and ordered, with which titles. A fan's name
// opens its play list, its setting button its settings, each in a window of its own.
class UnionConfigViewController : public QWidget, public UnionContainerDelegate, public UnionWifiSyncView
{
    Q_OBJECT
public:
    // The width of the screen's conversion manager, and the most members any run works on at once.
    static constexpr qint64 concurrentCount = 9;
    static constexpr int kItemHeight = 40;
    static constexpr int kTileWidth = 100;
    // The smallest window of a member's play list.
    static constexpr int kPlaylistMinimumWidth = 820;
    static constexpr int kPlaylistMinimumHeight = 600;

    struct Operation
    {
        enum class Action : int {
            back = 0,
            edit = 1,
            cutAndUpload = 2,
            uploadCutted = 3,
            uploadSame = 4,
            clearVideo = 5,
            deleteVideo = 6,
            openWhiteBlank = 7,
            closeWhiteBlank = 8,
            defaultMask = 9,
            onlyOpenMask = 10,
            closeMask = 11,
            openWifiSync = 12,
            closeWifiSync = 13,
            refreshWifiSync = 14,
            refreshIP = 15,
        };

        Action action = Action::back;
        // Localised; a key without a translation shows the key.
        QString title;
        bool enabled = true;
    };
    using OperationGroups = QList<QList<Operation>>;

    explicit UnionConfigViewController(std::shared_ptr<UnionData> data, QWidget *parent = nullptr);
    ~UnionConfigViewController() override;

    // The groups of an operation list: none when the text is not an array of arrays of
    // {"action": 0 to 15, "title": text}. Synchronisation on and off start disabled.
    static std::optional<OperationGroups> decodeOperations(const QByteArray &json);
    // A button's width for its title: the title's width in the 14-pixel system font plus
    // margins, never below 100.
    static int operationWidth(const QString &title);

    const OperationGroups &operations() const { return m_operations; }
    std::shared_ptr<UnionData> data() const { return m_data; }
    UnionContainer *unionView() const { return m_unionView; }
    QLabel *nameLabel() const { return m_nameLabel; }
    QWidget *contentView() const { return m_contentView; }
    // The strip's buttons, in the order of the operations.
    QList<UnionOperationItem *> operationItems() const { return m_items; }

    void operate(const Operation &operation);
    // Connects a member with its stored or a typed password (see UnionMemberConnector).
    void connect(const std::shared_ptr<NetworkingDevice> &device, UnionMemberConnector::Completion completion);
    // Centres the grid in the visible area, at least 10 points from the left and 10 from the
    // top, and grows the content area around a grid larger than the window.
    void layoutUnionView();

    // UnionContainerDelegate
    void unionContainerDidClick(UnionContainer *container, UnionDeviceItemView *tile) override;
    void unionContainerDidClickSetting(UnionContainer *container, UnionDeviceItemView *tile) override;
    void unionContainerDidClickName(UnionContainer *container, UnionDeviceItemView *tile) override;

    // UnionWifiSyncView
    void setSyncOperationsEnabled(bool enabled) override;
    void setRefreshOperationEnabled(bool enabled) override;
    void reloadSlaves(const std::optional<QList<WifiSyncModel::Slave>> &slaves) override;
    void refreshToolTips() override;

protected:
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void configureViews();
    void reloadOperationItems();
    void layoutOperationItems();
    void setOperationsEnabled(std::initializer_list<Operation::Action> actions, bool enabled);
    void edit();
    // Opens the file panel in the Downloads folder (or the folder of cuts) and hands on the pick.
    void pickMedia(bool folder, std::function<void(const QString &path)> picked);
    // Connects the tile's member and, once connected, opens the window `make` builds for it.
    void openMemberWindow(UnionDeviceItemView *tile, std::function<QWidget *(const std::shared_ptr<NetworkingDevice> &)> make);
    void presentMemberWindow(QWidget *content, const QString &title);

    UnionMemberConnector connector();
    UnionSender sender();
    UnionUploader uploader();
    UnionWifiSync wifiSync();

    std::shared_ptr<UnionData> m_data;
    std::shared_ptr<TranscodeManager> m_transcoder;
    OperationGroups m_operations;
    QLabel *m_nameLabel;
    QScrollArea *m_scrollView;
    QWidget *m_contentView;
    UnionContainer *m_unionView;
    QWidget *m_operationStrip;
    QList<UnionOperationItem *> m_items;
};

namespace orvane::unions {

// The one place that makes the operation screen of a union (the record itself, not a copy).
QWidget *makeUnionConfigViewController(const std::shared_ptr<UnionData> &data);

} // namespace orvane::unions
