#include "UnionConfigViewController.h"

#include "Core/NSNavigationController.h"
#include "DialogPresenter.h"
#include "Modules/Playlist/PlaylistViewController.h"
#include "Modules/Settings/FunctionConfigViewController.h"
#include "Modules/Video/SupportedFileTypes.h"
#include "NetworkingDevice.h"
#include "QXColor.h"
#include "QXConnect.h"
#include "QXEventLoop.h"
#include "QXLocalized.h"
#include "QXLog.h"
#include "QXUdpSocket.h"
#include "QXView.h"
#include "Transcode/TranscodeManager.h"
#include "UnionContainer.h"
#include "UnionData.h"
#include "UnionDeviceItemView.h"
#include "UnionEditViewController.h"
#include "UnionOperationItem.h"
#include "UnionSender.h"
#include "UnionUploader.h"
#include "Widget/Panel/FilePanel.h"

#include <QDialog>
#include <QFile>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QResizeEvent>
#include <QScrollArea>
#include <QStandardPaths>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace {

using Action = UnionConfigViewController::Operation::Action;

constexpr int kMargin = 10;
constexpr int kTitleFontSize = 14;
constexpr int kMaximumAction = 15;

// The entry's action when it is a whole number from 0 to 15.
std::optional<Action> actionOf(const QJsonValue &value)
{
    if (!value.isDouble())
        return std::nullopt;
    const double number = value.toDouble();
    if (number != std::floor(number) || number < 0 || number > kMaximumAction)
        return std::nullopt;
    return Action(int(number));
}

bool isSync(Action action)
{
    return action == Action::openWifiSync || action == Action::closeWifiSync;
}

} // namespace

UnionConfigViewController::UnionConfigViewController(std::shared_ptr<UnionData> data, QWidget *parent)
    : QWidget(parent)
    , m_data(std::move(data))
    , m_nameLabel(new QLabel)
    , m_scrollView(new QScrollArea)
    , m_contentView(new QWidget)
    , m_unionView(new UnionContainer(m_data->row(), m_data->colomn(), kTileWidth, m_data->isTop(), true, true,
                                     m_data->devices(), m_contentView))
    , m_operationStrip(new QWidget)
{
    QFile list(QStringLiteral(":/UnionOperationList.json"));
    const QByteArray json = list.open(QIODevice::ReadOnly) ? list.readAll() : QByteArray();
    if (const std::optional<OperationGroups> decoded = decodeOperations(json))
        m_operations = *decoded;
    else
        QXLOG(QStringLiteral("The operation list cannot be read: no operation buttons"));
    configureViews();
}

UnionConfigViewController::~UnionConfigViewController() = default;

std::optional<UnionConfigViewController::OperationGroups> UnionConfigViewController::decodeOperations(const QByteArray &json)
{
    const QJsonDocument document = QJsonDocument::fromJson(json);
    if (!document.isArray())
        return std::nullopt;
    OperationGroups groups;
    for (const QJsonValue &group : document.array()) {
        if (!group.isArray())
            return std::nullopt;
        QList<Operation> operations;
        for (const QJsonValue &entry : group.toArray()) {
            const std::optional<Action> action = actionOf(entry.toObject().value(QStringLiteral("action")));
            const QJsonValue title = entry.toObject().value(QStringLiteral("title"));
            if (!entry.isObject() || !action || !title.isString())
                return std::nullopt;
            // Synchronisation is usable only once the master has answered.
            operations.append({*action, qxLocalized(title.toString()), !isSync(*action)});
        }
        groups.append(operations);
    }
    return groups;
}

int UnionConfigViewController::operationWidth(const QString &title)
{
    QFont font;
    font.setPixelSize(kTitleFontSize);
    const int text = QFontMetrics(font).boundingRect(QRect(0, 0, 1000, kItemHeight), 0, title).width();
    return std::max(text + 20, 80) + 20;
}

void UnionConfigViewController::configureViews()
{
    setObjectName(QStringLiteral("UnionConfigViewController"));
    setPalette(qxkit::darkPalette());
    setAutoFillBackground(true);

    QFont titleFont = font();
    titleFont.setPixelSize(18);
    titleFont.setBold(true);
    m_nameLabel->setFont(titleFont);
    m_nameLabel->setText(m_data->name());
    m_nameLabel->setObjectName(QStringLiteral("nameLabel"));

    m_unionView->setDelegate(this);
    m_unionView->move(kMargin, kMargin);
    m_scrollView->setWidget(m_contentView);
    m_scrollView->setWidgetResizable(false);
    m_scrollView->setFrameShape(QFrame::NoFrame);
    // Only the members are Tab stops, not the area that scrolls them.
    m_scrollView->setFocusPolicy(Qt::NoFocus);
    m_scrollView->setAccessibleName(m_data->name());
    m_scrollView->viewport()->installEventFilter(this);

    m_operationStrip->setObjectName(QStringLiteral("operationStrip"));
    m_operationStrip->installEventFilter(this);
    reloadOperationItems();

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(20, 16, 20, 16);
    layout->setSpacing(12);
    layout->addWidget(m_nameLabel);
    layout->addWidget(m_scrollView, 1);
    layout->addWidget(m_operationStrip);
}

void UnionConfigViewController::reloadOperationItems()
{
    qDeleteAll(m_items);
    m_items.clear();
    for (qsizetype group = 0; group < m_operations.size(); ++group) {
        for (qsizetype index = 0; index < m_operations.at(group).size(); ++index) {
            const Operation &operation = m_operations.at(group).at(index);
            // A line stands between groups: after a group's last item, except the very last.
            const bool lastOfGroup = index == m_operations.at(group).size() - 1;
            const bool hidesSeparator = !lastOfGroup || group == m_operations.size() - 1;
            auto *item = new UnionOperationItem(m_operationStrip);
            const QPointer<UnionConfigViewController> self(this);
            const Action action = operation.action;
            item->configure(operation.title, action == Action::back, operation.enabled, hidesSeparator,
                            [self, group, index] {
                                if (self)
                                    self->operate(self->m_operations.at(group).at(index));
                            });
            item->resize(operationWidth(operation.title), kItemHeight);
            item->show();
            m_items.append(item);
        }
    }
    layoutOperationItems();
}

void UnionConfigViewController::layoutOperationItems()
{
    // Items run left to right and wrap onto a new line where the strip ends.
    const int width = std::max(m_operationStrip->width(), 1);
    int x = 0;
    int y = 0;
    for (UnionOperationItem *item : std::as_const(m_items)) {
        if (x > 0 && x + item->width() > width) {
            x = 0;
            y += kItemHeight;
        }
        item->move(x, y);
        x += item->width();
    }
    m_operationStrip->setFixedHeight(m_items.isEmpty() ? 0 : y + kItemHeight);
}

void UnionConfigViewController::setOperationsEnabled(std::initializer_list<Action> actions, bool enabled)
{
    qsizetype item = 0;
    for (QList<Operation> &group : m_operations) {
        for (Operation &operation : group) {
            if (std::find(actions.begin(), actions.end(), operation.action) != actions.end()) {
                operation.enabled = enabled;
                m_items.at(item)->titleBtn()->setEnabled(enabled);
            }
            ++item;
        }
    }
}

void UnionConfigViewController::setSyncOperationsEnabled(bool enabled)
{
    setOperationsEnabled({Action::openWifiSync, Action::closeWifiSync}, enabled);
}

void UnionConfigViewController::setRefreshOperationEnabled(bool enabled)
{
    setOperationsEnabled({Action::refreshWifiSync}, enabled);
}

void UnionConfigViewController::reloadSlaves(const std::optional<QList<WifiSyncModel::Slave>> &slaves)
{
    m_unionView->reload(slaves);
}

void UnionConfigViewController::refreshToolTips()
{
    m_unionView->refreshToolTips();
}

void UnionConfigViewController::layoutUnionView()
{
    const QSize available = m_scrollView->viewport()->size();
    const QRect grid = m_unionView->geometry();
    const int width = std::max(grid.x() + grid.width(), available.width());
    const int height = std::max(grid.y() + grid.height(), available.height());
    m_unionView->move(std::max((width - grid.width()) / 2, kMargin), kMargin);
    const QRect placed = m_unionView->geometry();
    m_contentView->resize(std::max(placed.x() + placed.width(), width), std::max(placed.y() + placed.height(), height));
}

void UnionConfigViewController::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    layoutUnionView();
}

bool UnionConfigViewController::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Resize) {
        if (watched == m_operationStrip)
            layoutOperationItems();
        else if (watched == m_scrollView->viewport())
            layoutUnionView();
    }
    return QWidget::eventFilter(watched, event);
}

UnionMemberConnector UnionConfigViewController::connector()
{
    return UnionMemberConnector(this, QXConnect::connectManager());
}

UnionSender UnionConfigViewController::sender()
{
    return UnionSender(m_data, connector());
}

UnionUploader UnionConfigViewController::uploader()
{
    if (!m_transcoder)
        m_transcoder = std::make_shared<TranscodeManager>(concurrentCount);
    return UnionUploader(m_data, m_transcoder, connector());
}

UnionWifiSync UnionConfigViewController::wifiSync()
{
    return UnionWifiSync(m_data, connector(), this, QXUdpSocket::shared());
}

void UnionConfigViewController::connect(const std::shared_ptr<NetworkingDevice> &device,
                                        UnionMemberConnector::Completion completion)
{
    connector().connect(device, std::move(completion));
}

void UnionConfigViewController::operate(const Operation &operation)
{
    switch (operation.action) {
    case Action::back:
        if (NSNavigationController *navigation = orvane::navigationController(this))
            navigation->popViewControllerAnimated(true);
        return;
    case Action::edit:
        return edit();
    case Action::cutAndUpload:
        return pickMedia(false, [upload = uploader()](const QString &path) { upload.cutAndUploadAction(path); });
    case Action::uploadCutted:
        return pickMedia(true, [upload = uploader()](const QString &folder) { upload.uploadCuttedAction(folder); });
    case Action::uploadSame:
        return pickMedia(false, [upload = uploader()](const QString &path) { upload.uploadSameAction(path); });
    case Action::clearVideo:
        return sender().confirmInsForAllDevice(QXInsCode::clearList, 0);
    case Action::deleteVideo:
        return sender().deleteVideoAction();
    case Action::openWhiteBlank:
    case Action::closeWhiteBlank:
        return sender().confirmInsForAllDevice(QXInsCode::whiteBlank, operation.action == Action::openWhiteBlank ? 1 : 0);
    case Action::defaultMask:
        return sender().defaultMaskAction();
    case Action::onlyOpenMask:
    case Action::closeMask:
        return sender().onlyOpenMaskAction(operation.action == Action::onlyOpenMask);
    case Action::openWifiSync:
    case Action::closeWifiSync:
        return wifiSync().wifiSyncAction(operation.action == Action::openWifiSync);
    case Action::refreshWifiSync:
        return wifiSync().refreshWifiSyncAction();
    case Action::refreshIP:
        return wifiSync().refreshIPAction();
    }
}

void UnionConfigViewController::edit()
{
    NSNavigationController *navigation = orvane::navigationController(this);
    if (!navigation)
        return;
    const QPointer<UnionConfigViewController> self(this);
    navigation->pushViewController(new UnionEditViewController(m_data, [self](const std::shared_ptr<UnionData> &saved) {
        if (!self || !saved)
            return;
        self->m_data = saved;
        self->m_unionView->update(*saved);
        self->m_nameLabel->setText(saved->name());
        self->m_scrollView->setAccessibleName(saved->name());
        self->layoutUnionView();
    }),
                                   true);
}

void UnionConfigViewController::pickMedia(bool folder, std::function<void(const QString &path)> picked)
{
    orvane::panel::OpenOptions options;
    options.canChooseDirectories = folder;
    if (!folder)
        options.nameFilters = {orvane::supportedFileFilter()};
    options.directory = folder ? TranscodeManager::transcodedDirectory()
                               : QStandardPaths::writableLocation(QStandardPaths::DownloadLocation);
    const QPointer<UnionConfigViewController> self(this);
    orvane::panel::openPanel(this, options, [self, picked](const QStringList &paths) {
        if (!self || paths.isEmpty())
            return;
        const QString path = paths.first();
        // Out of the panel's own signal: the work shows sheets of its own.
        qxNextTurn(self, [picked, path] { picked(path); });
    });
}

void UnionConfigViewController::unionContainerDidClick(UnionContainer *, UnionDeviceItemView *)
{
}

void UnionConfigViewController::unionContainerDidClickSetting(UnionContainer *, UnionDeviceItemView *tile)
{
    openMemberWindow(tile, [](const std::shared_ptr<NetworkingDevice> &member) -> QWidget * {
        return FunctionConfigViewController::make(member);
    });
}

void UnionConfigViewController::unionContainerDidClickName(UnionContainer *, UnionDeviceItemView *tile)
{
    openMemberWindow(tile, [](const std::shared_ptr<NetworkingDevice> &member) -> QWidget * {
        auto *navigation = new NSNavigationController(PlaylistViewController::initWithDevice(member));
        navigation->setMinimunSize(QSizeF(kPlaylistMinimumWidth, kPlaylistMinimumHeight));
        return navigation;
    });
}

void UnionConfigViewController::openMemberWindow(UnionDeviceItemView *tile,
                                                 std::function<QWidget *(const std::shared_ptr<NetworkingDevice> &)> make)
{
    const std::shared_ptr<NetworkingDevice> member = tile ? tile->device() : nullptr;
    if (!member)
        return;
    const QPointer<UnionConfigViewController> self(this);
    connect(member, [self, member, make](bool connected) {
        if (connected && self)
            self->presentMemberWindow(make(member), member->name());
    });
}

void UnionConfigViewController::presentMemberWindow(QWidget *content, const QString &title)
{
    auto *window = new QDialog(this);
    window->setObjectName(QStringLiteral("UnionMemberWindow"));
    window->setWindowTitle(title);
    window->setAccessibleName(title);
    auto *layout = new QVBoxLayout(window);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(content);
    window->resize(content->minimumSizeHint().expandedTo(content->minimumSize()).expandedTo(QSize(640, 480)));
    QObject::connect(window, &QDialog::finished, window, &QObject::deleteLater);
    if (!Modalia::DialogPresenter::current().present(window, this))
        window->deleteLater();
}

namespace orvane::unions {

QWidget *makeUnionConfigViewController(const std::shared_ptr<UnionData> &data)
{
    return new UnionConfigViewController(data);
}

} // namespace orvane::unions
