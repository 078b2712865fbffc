#include "UnionContainer.h"

#include "AccessibleFocus.h"
#include "NetworkingDevice.h"
#include "QXColor.h"
#include "UnionContainerDelegate.h"
#include "UnionDeviceItemView.h"

#include <QPushButton>
#include <QToolButton>

#include <algorithm>

namespace {

qint64 boundedCount(qint64 count)
{
    return std::clamp<qint64>(count, 0, UnionData::kMaxCount);
}

// The extent of `count` tiles that overlap their neighbours.
int gridExtent(int itemWidth, qint64 count)
{
    return int(itemWidth * count - UnionContainer::kOverlap * (count - 1));
}

quint32 nameColor(const std::shared_ptr<NetworkingDevice> &fan,
                  const std::optional<QList<WifiSyncModel::Slave>> &slaves)
{
    if (!slaves)
        return UnionContainer::kNameColor;
    if (!fan)
        return UnionContainer::kUnsyncedNameColor;
    if (fan->isMaster())
        return UnionContainer::kSyncedNameColor;
    const QString name = fan->name();
    const auto slave = std::find_if(slaves->cbegin(), slaves->cend(),
                                    [&](const WifiSyncModel::Slave &entry) { return entry.sn == name; });
    return slave != slaves->cend() && slave->status == 1 ? UnionContainer::kSyncedNameColor
                                                         : UnionContainer::kUnsyncedNameColor;
}

} // namespace

UnionContainer::UnionContainer(qint64 row, qint64 colomn, int itemWidth, bool isReversed, bool showSettings,
                               bool canSelectTitle, std::optional<UnionGrid> devices, QWidget *parent)
    : QWidget(parent)
    , m_isReversed(isReversed)
    , m_showSettings(showSettings)
    , m_canSelectTitle(canSelectTitle)
    , m_itemWidth(itemWidth)
    , m_row(boundedCount(row))
    , m_colomn(boundedCount(colomn))
    , m_relativeView(new QWidget(this))
    , m_backColor(qxkit::hexWithHex(kBackColor))
    , m_frontColor(qxkit::hexWithHex(kFrontColor))
{
    m_devices = devices ? std::move(*devices) : emptyGrid<std::shared_ptr<NetworkingDevice>>(m_row, m_colomn);
    // The layer between back and front tiles must not take the back tiles' clicks.
    m_relativeView->setAttribute(Qt::WA_TransparentForMouseEvents);
    reload();
}

void UnionContainer::setIsReversed(bool isReversed)
{
    if (std::exchange(m_isReversed, isReversed) != isReversed)
        reload();
}

void UnionContainer::setRow(qint64 row)
{
    const qint64 old = std::exchange(m_row, boundedCount(row));
    resizeRows(old);
}

void UnionContainer::setColomn(qint64 colomn)
{
    const qint64 old = std::exchange(m_colomn, boundedCount(colomn));
    resizeColomns(old);
}

void UnionContainer::resizeRows(qint64 old)
{
    if (m_row == old)
        return;
    m_devices.resize(std::size_t(m_row), UnionGrid::value_type(std::size_t(m_colomn)));
    reload();
}

void UnionContainer::resizeColomns(qint64 old)
{
    if (m_colomn == old)
        return;
    for (auto &line : m_devices) {
        if (m_colomn < old)
            line.resize(std::size_t(std::max<qint64>(0, qint64(line.size()) - (old - m_colomn))));
        else
            line.resize(line.size() + std::size_t(m_colomn - old));
    }
    reload();
}

UnionContainerDelegate *UnionContainer::delegate() const
{
    return m_delegateIsObject && m_delegateObject.isNull() ? nullptr : m_delegate;
}

void UnionContainer::setDelegate(UnionContainerDelegate *delegate)
{
    m_delegate = delegate;
    m_delegateObject = dynamic_cast<QObject *>(delegate);
    m_delegateIsObject = m_delegateObject != nullptr;
}

void UnionContainer::clickedTile(UnionDeviceItemView *tile,
                                 void (UnionContainerDelegate::*call)(UnionContainer *, UnionDeviceItemView *))
{
    if (UnionContainerDelegate *receiver = delegate())
        (receiver->*call)(this, tile);
}

void UnionContainer::reload(const std::optional<QList<WifiSyncModel::Slave>> &slaves)
{
    // Deleted later: the rebuild may have been started by a click on one of these tiles.
    for (UnionDeviceItemView *tile : std::as_const(m_items)) {
        tile->hide();
        tile->deleteLater();
    }
    m_items.clear();
    resize(gridExtent(m_itemWidth, m_colomn), gridExtent(m_itemWidth, m_row));
    m_relativeView->setGeometry(rect());

    const int step = m_itemWidth - kOverlap;
    QPointer<UnionContainer> self(this);
    for (qint64 r = 0; r < m_row; ++r) {
        for (qint64 c = 0; c < m_colomn; ++c) {
            auto *tile = new UnionDeviceItemView(QRect(int(step * c), int(step * r), m_itemWidth, m_itemWidth), this);
            tile->setClickAction([self](UnionDeviceItemView *clicked) {
                if (self)
                    self->clickedTile(clicked, &UnionContainerDelegate::unionContainerDidClick);
            });
            tile->setSettingAction([self](UnionDeviceItemView *clicked) {
                if (self)
                    self->clickedTile(clicked, &UnionContainerDelegate::unionContainerDidClickSetting);
            });
            tile->setNameAction([self](UnionDeviceItemView *clicked) {
                if (self)
                    self->clickedTile(clicked, &UnionContainerDelegate::unionContainerDidClickName);
            });
            const bool front = ((r + c) % 2 == 1) != m_isReversed;
            tile->setContentColor(front ? m_frontColor : m_backColor);
            const bool inGrid = r < qint64(m_devices.size()) && c < qint64(m_devices[std::size_t(r)].size());
            const auto fan = inGrid ? m_devices[std::size_t(r)][std::size_t(c)] : nullptr;
            tile->configure(fan, r, c, qxkit::hexWithHex(nameColor(fan, slaves)));
            tile->settingBtn()->setVisible(fan && m_showSettings);
            tile->nameBtn()->setVisible(m_canSelectTitle);
            if (front)
                tile->raise();
            else
                tile->stackUnder(m_relativeView);
            tile->show();
            m_items.append(tile);
        }
    }
    updateGeometry();
}

void UnionContainer::update(const UnionData &data)
{
    setRow(data.row());
    setColomn(data.colomn());
    m_devices = data.devices();
    m_isReversed = data.isTop();
    reload();
}

void UnionContainer::refreshToolTips()
{
    for (UnionDeviceItemView *tile : std::as_const(m_items))
        tile->updateToolTip();
}

void UnionContainer::place(const std::shared_ptr<NetworkingDevice> &device, UnionDeviceItemView *tile)
{
    if (!device || !tile || tile->row() >= qint64(m_devices.size())
        || tile->colomn() >= qint64(m_devices[std::size_t(tile->row())].size()))
        return;
    const QString name = device->name();
    const auto sameName = [&](const std::shared_ptr<NetworkingDevice> &fan) { return fan && fan->name() == name; };
    for (auto &line : m_devices) {
        const auto found = std::find_if(line.begin(), line.end(), sameName);
        if (found != line.end()) {
            device->setIsMaster((*found)->isMaster());
            found->reset();
            break;
        }
    }
    const auto shown = std::find_if(m_items.cbegin(), m_items.cend(),
                                    [&](UnionDeviceItemView *item) { return sameName(item->device()); });
    if (shown != m_items.cend())
        (*shown)->configure(nullptr, (*shown)->row(), (*shown)->colomn(), qxkit::hexWithHex(kNameColor));
    m_devices[std::size_t(tile->row())][std::size_t(tile->colomn())] = device;
    tile->configure(device, tile->row(), tile->colomn(), qxkit::hexWithHex(kNameColor));
    // The slot pressed by keys keeps the focus: the operator hears which fan it now holds.
    qxkit::announceFocusAgain(tile->bottomBtn());
}

QSize UnionContainer::sizeHint() const
{
    return size();
}
