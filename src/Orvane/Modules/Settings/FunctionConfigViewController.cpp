#include "FunctionConfigViewController.h"

#include "CollectionContainerView.h"
#include "Core/Utils.h"
#include "FunctionItemFactory.h"
#include "FunctionModuleTable.h"
#include "LinearCollectionLayout.h"
#include "NetworkingDevice.h"
#include "QXButton.h"
#include "QXColor.h"
#include "QXConnectManager.h"
#include "QXDevice.h"
#include "QXEventLoop.h"
#include "QXInsSocket.h"
#include "QXLocalized.h"
#include "QXView.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QJsonArray>
#include <QJsonObject>
#include <QJsonValue>
#include <QLabel>
#include <QShowEvent>
#include <QTimer>
#include <QVBoxLayout>

using namespace orvane::settings;

namespace {

constexpr qreal itemWidth = 400;
constexpr int reloadRetryMs = 50;
// Bluetooth audio: the connection manager answers it by the model.
constexpr quint64 bluetoothAudioFunction = 8;

bool gateOpen(ModuleGate gate, FunctionConfigViewController &screen)
{
    const auto supports = [&screen](quint64 function) {
        return QXConnect::connectManager().deviceForSocket(screen.insSocket().get(), function);
    };
    switch (gate) {
    case ModuleGate::always:
        return true;
    case ModuleGate::model4G: {
        const std::shared_ptr<QXDevice> record = screen.currentDevice();
        return record && record->is4G();
    }
    case ModuleGate::bluetoothAudio:
        return supports(bluetoothAudioFunction);
    case ModuleGate::cutTime:
        return supports(QXDeviceFunction::cutTime);
    case ModuleGate::rotationRate:
        return supports(QXDeviceFunction::rotationRate);
    }
    return false;
}

} // namespace

FunctionConfigViewController::FunctionConfigViewController(QWidget *parent)
    : QWidget(parent)
{
    buildUI();
}

FunctionConfigViewController::~FunctionConfigViewController()
{
    // The container asks this screen for its items until it goes; it goes first.
    delete m_collection;
}

FunctionConfigViewController *FunctionConfigViewController::make(const std::shared_ptr<NetworkingDevice> &device)
{
    auto *screen = new FunctionConfigViewController;
    screen->setDevice(device);
    return screen;
}

void FunctionConfigViewController::buildUI()
{
    const QColor background = qxkit::hexWithHex(0x1B1D28, 1.0);
    qxkit::setBgColor(this, background);
    QPalette palette = qxkit::darkPalette();
    palette.setColor(QPalette::Window, background);
    setPalette(palette);

    m_infoLabel = qxkit::label({}, qxkit::globalTextColor());
    m_refreshBtn = new QXButton(this);
    qxkit::setInternationalKey(m_refreshBtn, QStringLiteral("ov_refresh"));
    m_refreshBtn->setFixedHeight(30);
    m_refreshBtn->setMinimumWidth(100);
    connect(m_refreshBtn, &QPushButton::clicked, this, &FunctionConfigViewController::refresh);

    auto *layout = new LinearCollectionLayout(itemWidth);
    layout->setSectionInsets(QMarginsF(10, 10, 0, 10));
    m_collection = new CollectionContainerView(this);
    m_collection->setCollectionViewLayout(layout);
    m_collection->setDataSource(this);
    m_collection->setDelegate(this);

    auto *bar = new QHBoxLayout;
    bar->setContentsMargins(20, 12, 20, 0);
    bar->addWidget(m_infoLabel, 1);
    bar->addWidget(m_refreshBtn);
    auto *column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    column->addLayout(bar);
    column->addWidget(m_collection, 1);
}

void FunctionConfigViewController::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (event->spontaneous())
        return;
    setWindowTitle(QString());
    restoreInfo();
    reloadItems();
    refresh();
}

void FunctionConfigViewController::buildDatas()
{
    Sections datas(sectionCount);
    for (const ModuleRow &row : moduleTable()) {
        if (gateOpen(row.gate, *this))
            datas[row.section].append(row.module);
    }
    m_datas = datas;
}

void FunctionConfigViewController::toggleAdvanced()
{
    m_showAdvanced = !m_showAdvanced;
    reloadItems();
}

namespace {

// The controls of an item that take the keyboard focus, in the same order for every item made
// for the same module.
QList<QWidget *> focusableControls(QWidget *item)
{
    QList<QWidget *> controls;
    for (QWidget *child : item->findChildren<QWidget *>()) {
        if (child->focusPolicy() & Qt::TabFocus)
            controls.append(child);
    }
    return controls;
}

} // namespace

void FunctionConfigViewController::reloadItems()
{
    // An editor may wait inside a modal dialog (a confirmation, the connection failure) while a
    // refresh ends: its item must outlive that wait, so the items are made anew after it. The
    // modules are read from the record only then too: until the items are made, the collection
    // lays out the items it has and asks for their sizes by their places in the list they were
    // made from.
    if (Utils::shareInstance()->isRunningDialog()) {
        if (!m_reloadPending) {
            m_reloadPending = true;
            QTimer::singleShot(reloadRetryMs, this, [this] {
                m_reloadPending = false;
                reloadItems();
            });
        }
        return;
    }
    // Every reload makes the items anew; a keyboard user keeps the focus on the same control.
    std::optional<std::pair<CollectionIndexPath, qsizetype>> focused;
    QWidget *focus = QApplication::focusWidget();
    for (int section = 0; focus && !focused && section < m_collection->numberOfSections(); ++section) {
        for (int index = 0; index < m_collection->numberOfItemsInSection(section); ++index) {
            QWidget *item = m_collection->itemAtIndexPath({section, index});
            if (item && item->isAncestorOf(focus)) {
                focused.emplace(CollectionIndexPath{section, index}, focusableControls(item).indexOf(focus));
                break;
            }
        }
    }
    buildDatas();
    m_collection->reloadData();
    if (!focused)
        return;
    if (QWidget *item = m_collection->itemAtIndexPath(focused->first)) {
        const QList<QWidget *> controls = focusableControls(item);
        if (focused->second >= 0 && focused->second < controls.size())
            controls.at(focused->second)->setFocus(Qt::OtherFocusReason);
    }
}

int FunctionConfigViewController::numberOfSections()
{
    return int(m_datas.size());
}

int FunctionConfigViewController::numberOfItemsInSection(int section)
{
    if (section == advancedSection && !m_showAdvanced)
        return 0;
    return int(m_datas.value(section).size());
}

QWidget *FunctionConfigViewController::itemForIndexPath(const CollectionIndexPath &indexPath)
{
    return makeFunctionItem(*this, moduleRow(m_datas.at(indexPath.section).at(indexPath.item)));
}

QSizeF FunctionConfigViewController::sizeForItem(CollectionView *, const LinearCollectionLayout *,
                                                 const CollectionIndexPath &indexPath)
{
    return QSizeF(0, moduleRow(m_datas.at(indexPath.section).at(indexPath.item)).height);
}

void FunctionConfigViewController::showInfo(const QString &text)
{
    m_infoLabel->setText(text);
    QTimer::singleShot(infoDisplayMs, this, &FunctionConfigViewController::restoreInfo);
}

void FunctionConfigViewController::showLocalizedInfo(const QString &key)
{
    showInfo(qxLocalized(key));
}

void FunctionConfigViewController::restoreInfo()
{
    const std::shared_ptr<QXDevice> record = currentDevice();
    m_infoLabel->setText(record ? record->wifiName() : QString());
}

bool FunctionConfigViewController::isRefreshing() const
{
    return m_refreshesRunning > 0;
}

void FunctionConfigViewController::refresh()
{
    m_refreshBtn->setEnabled(false);
    ++m_refreshesRunning;
    const std::shared_ptr<QXInsSocket> socket = insSocket();
    const std::shared_ptr<QXDevice> record = currentDevice();
    const QPointer<FunctionConfigViewController> guard(this);
    const bool withBluetooth = connectManager().deviceForSocket(socket.get(), bluetoothAudioFunction);
    // Each request ends on the GUI thread, on every path; the last one rebuilds the screen.
    auto pending = std::make_shared<int>(withBluetooth ? 3 : 2);
    const auto settle = [guard, pending](std::function<void(FunctionConfigViewController &)> apply) {
        qxOnGuiThread(guard, [pending, apply = std::move(apply)](FunctionConfigViewController &screen) {
            if (apply)
                apply(screen);
            if (--*pending == 0)
                screen.finishRefresh();
        });
    };
    const auto recordReply = [record, settle](void (QXDevice::*store)(QByteArrayView)) {
        return [record, settle, store](const QXOperationRef &, qint64, const QVariant &payload) {
            if (record && payload.typeId() == QMetaType::QByteArray)
                (record.get()->*store)(payload.toByteArray());
            settle({});
        };
    };
    const auto settleOnly = [settle](const QXOperationRef &, qint64, const QVariant &) { settle({}); };

    // The failure is told by the screen that asked: once it is gone, no dialog turns up over
    // whatever the operator went on to.
    socket->sendInsWithType(QXInsCode::status, 0, recordReply(&QXDevice::configStatusWithData),
                            [settle, guard, failText = qxLocalized(QStringLiteral("ov_conn_fail_tip"))](
                                const QXOperationRef &, qint64, const QVariant &) {
                                settle({});
                                qxOnGuiThread(guard, [failText](FunctionConfigViewController &) {
                                    Utils::shareInstance()->showDialogWithType(Utils::DialogType::info, failText,
                                                                               nullptr);
                                });
                            });
    socket->sendInsWithType(QXInsCode::mask, 0, recordReply(&QXDevice::configMaskWithData), settleOnly);
    if (withBluetooth) {
        socket->fetchBluetoothList(
            [settle](const QXOperationRef &, qint64, const QVariant &payload) {
                settle([payload](FunctionConfigViewController &screen) { screen.storeBluetoothList(payload); });
            },
            settleOnly);
    }
}

void FunctionConfigViewController::storeBluetoothList(const QVariant &payload)
{
    QList<DeviceBluetoothItem::Bluetooth> list;
    const QJsonValue reply = payload.value<QJsonValue>();
    if (!reply.isArray() && !(payload.typeId() == QMetaType::QString && payload.toString().isEmpty()))
        return;
    for (const QJsonValue &entry : reply.toArray()) {
        const QJsonObject device = entry.toObject();
        if (!device.value(QStringLiteral("address")).isString())
            continue;
        DeviceBluetoothItem::Bluetooth bluetooth{device.value(QStringLiteral("address")).toString(), std::nullopt};
        if (device.value(QStringLiteral("name")).isString())
            bluetooth.name = device.value(QStringLiteral("name")).toString();
        list.append(bluetooth);
    }
    m_bluetoothList = list;
}

void FunctionConfigViewController::finishRefresh()
{
    --m_refreshesRunning;
    m_refreshBtn->setEnabled(true);
    reloadItems();
}
