#pragma once

#include "CollectionDataSource.h"
#include "DeviceBluetoothItem.h"
#include "InfoDisplayable.h"
#include "LinearCollectionLayoutDelegate.h"
#include "MultyConnectProtocol.h"
#include "QXConnect.h"

#include <QList>
#include <QPointer>
#include <QWidget>

#include <memory>

class CollectionContainerView;
class ContentChildDelegate;
class NetworkingDevice;
class QLabel;
class QXButton;

// The settings screen of one device: a column of small editors, one per function the device
// supports, in three sections (basic, advanced, and the toggle that shows or hides the advanced
// one), with an info line and a refresh button above them.
//
// The home screen shows it for the device of the connection screen (no `device`); a union screen
// makes one for a member with make(device), and then every request of the screen and of its
// editors goes to that member's pooled connection. The screen never keeps a socket or a record:
// it asks the QXConnect getters at each use.
//
// Each showing and each refresh makes every item anew from the device record.
class FunctionConfigViewController : public QWidget,
                                     public MultyConnectProtocol,
                                     public QXConnect,
                                     public InfoDisplayable,
                                     public CollectionDataSource,
                                     public LinearCollectionLayoutDelegate
{
    Q_OBJECT
public:
    // The settings a screen can show; the raw value is also the module's row in the module table.
    enum class FunctionModule : quint8 {
        info = 0,
        lightAngle = 1,
        switches = 2,
        timer = 3,
        angle = 4,
        connect = 5,
        hotSpot = 6,
        local = 7,
        bluetooth = 8,
        volume = 9,
        restart = 10,
        cutTime = 11,
        rotationRate = 12,
        maskMove = 13,
        maskMode = 14,
        maskInnerOutter = 15,
        maskRight = 16,
        maskTop = 17,
        maskLeft = 18,
        maskBottom = 19,
        advanced = 20,
    };
    using Sections = QList<QList<FunctionModule>>;
    // How long an editor's text stays in the info line.
    static constexpr int infoDisplayMs = 2000;

    explicit FunctionConfigViewController(QWidget *parent = nullptr);
    ~FunctionConfigViewController() override;

    // A screen for a union member (none: the device of the connection screen).
    static FunctionConfigViewController *make(const std::shared_ptr<NetworkingDevice> &device);

    std::shared_ptr<NetworkingDevice> device() const override { return m_device; }
    void setDevice(const std::shared_ptr<NetworkingDevice> &device) { m_device = device; }
    ContentChildDelegate *functionDelegate() const { return m_functionDelegate; }
    void setFunctionDelegate(ContentChildDelegate *delegate) { m_functionDelegate = delegate; }

    QXButton *refreshBtn() const { return m_refreshBtn; }
    CollectionContainerView *collection() const { return m_collection; }

    // The Bluetooth editor on screen, set by the item factory; none when the device has none.
    QWidget *bluetoothItem() const { return m_bluetoothItem; }
    void setBluetoothItem(QWidget *item) { m_bluetoothItem = item; }
    QList<DeviceBluetoothItem::Bluetooth> bluetoothList() const { return m_bluetoothList; }

    // The modules shown, by section: the device's supported ones in display order.
    Sections datas() const { return m_datas; }
    void buildDatas();
    // Builds the modules and makes every item anew from the device record; while a dialog waits
    // for the operator, once it has returned.
    void reloadItems();
    bool showAdvanced() const { return m_showAdvanced; }
    // Shows or hides the advanced section and makes the items anew.
    void toggleAdvanced();

    // Reads status, mask and (when the device has Bluetooth audio) the Bluetooth list, then
    // rebuilds the screen. The refresh button stays disabled meanwhile.
    void refresh();
    bool isRefreshing() const;

    // InfoDisplayable
    QLabel *infoLabel() const override { return m_infoLabel; }
    void showInfo(const QString &text) override;
    void showLocalizedInfo(const QString &key) override;

    // CollectionDataSource
    int numberOfSections() override;
    int numberOfItemsInSection(int section) override;
    QWidget *itemForIndexPath(const CollectionIndexPath &indexPath) override;
    // LinearCollectionLayoutDelegate
    QSizeF sizeForItem(CollectionView *collectionView, const LinearCollectionLayout *layout,
                       const CollectionIndexPath &indexPath) override;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void buildUI();
    void restoreInfo();
    void finishRefresh();
    void storeBluetoothList(const QVariant &payload);

    std::shared_ptr<NetworkingDevice> m_device;
    QXButton *m_refreshBtn = nullptr;
    QLabel *m_infoLabel = nullptr;
    CollectionContainerView *m_collection = nullptr;
    ContentChildDelegate *m_functionDelegate = nullptr;
    QPointer<QWidget> m_bluetoothItem;
    Sections m_datas;
    QList<DeviceBluetoothItem::Bluetooth> m_bluetoothList;
    bool m_showAdvanced = false;
    bool m_reloadPending = false;
    int m_refreshesRunning = 0;
};
