#include "HomeViewController.h"

#include "AccessibleFocus.h"
#include "Core/NSNavigationController.h"
#include "Core/Utils.h"
#include "HomeMenuCell.h"
#include "HomeScreens.h"
#include "QXColor.h"
#include "QXEventLoop.h"
#include "QXInsSocket.h"
#include "QXLocalized.h"
#include "QXView.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QMetaObject>
#include <QStackedLayout>
#include <QTimer>
#include <QVBoxLayout>

namespace {

struct MenuRow {
    const char *titleKey;
    int type;
};

constexpr MenuRow kMenuRows[] = {
    {"ov_connect_device", HomeViewController::connectType},
    {"ov_playlist", HomeViewController::playlistType},
    {"ov_param_conf", HomeViewController::configType},
    {"ov_video_store", HomeViewController::materialType},
    {"ov_union", HomeViewController::unionType},
};
constexpr int kMenuRowCount = int(std::size(kMenuRows));
constexpr int kMenuRowHeight = 40;
constexpr int kMenuWidth = 186;
constexpr int kPlaylistRow = 1;
constexpr int kConfigRow = 2;
constexpr int kUnionRow = 4;
// How long a reconnection may take beyond the socket's own connect time-out before it counts as
// failed, so the menu never stays locked.
constexpr int kReconnectMarginMs = 1500;

QColor menuSideColor()
{
    return QColor::fromRgb(48, 51, 68);
}

// The menu row a screen type selects; -1 for a type that leaves the menu alone.
int menuRowForType(int type)
{
    switch (type) {
    case HomeViewController::connectType:
        return 0;
    case HomeViewController::playlistType:
    case HomeViewController::multyListType:
    case HomeViewController::videoListType:
    case HomeViewController::listEditType:
        return kPlaylistRow;
    case HomeViewController::configType:
        return kConfigRow;
    case HomeViewController::materialType:
        return 3;
    default:
        return -1;
    }
}

void invokeConfiguration(QWidget *screen, const char *signature, const char *method, const QVariantMap &data)
{
    if (screen && screen->metaObject()->indexOfMethod(signature) >= 0)
        QMetaObject::invokeMethod(screen, method, Q_ARG(QVariantMap, data));
}

} // namespace

HomeMenuView::HomeMenuView(QWidget *parent)
    : QListWidget(parent)
{
}

void HomeMenuView::setShouldSelectRow(std::function<bool(int row)> shouldSelectRow)
{
    m_shouldSelectRow = std::move(shouldSelectRow);
}

QItemSelectionModel::SelectionFlags HomeMenuView::selectionCommand(const QModelIndex &index, const QEvent *event) const
{
    if (index.isValid() && m_shouldSelectRow && !m_shouldSelectRow(index.row()))
        return QItemSelectionModel::NoUpdate;
    return QListWidget::selectionCommand(index, event);
}

void HomeMenuView::focusInEvent(QFocusEvent *event)
{
    QListWidget::focusInEvent(event);
    qxkit::afterFocusEvent(this, [this] {
        if (currentIndex().isValid())
            qxkit::announceFocus(this, currentIndex().row());
    });
}

void HomeMenuView::currentChanged(const QModelIndex &current, const QModelIndex &previous)
{
    // The list view announces every new current row as the focus, which would take a screen
    // reader to the menu from wherever the operator is.
    if (hasFocus())
        QListWidget::currentChanged(current, previous);
    else
        QAbstractItemView::currentChanged(current, previous);
}

HomeViewController::HomeViewController(QWidget *parent)
    : QWidget(parent)
    , m_reconnectTimer(new QTimer(this))
{
    m_reconnectTimer->setSingleShot(true);
    connect(m_reconnectTimer, &QTimer::timeout, this, [this] { finishReconnection(m_reconnectAttempt, false); });
    initData();
    initViewController();
    initUI();
    switchToViewControllerType(connectType);
}

HomeViewController::~HomeViewController() = default;

void HomeViewController::initData()
{
    m_utils = Utils::shareInstance();
    m_utils->InitDefault();
}

void HomeViewController::initViewController()
{
    m_connectViewController = orvane::home::makeConnectViewController(this);
    m_playlistNavi = new NSNavigationController(orvane::home::makePlaylistViewController(this));
    m_configVC = orvane::home::makeFunctionConfigViewController(this);
    m_multyListVC = orvane::home::makeMultyListViewController(this);
    m_videoListVC = orvane::home::makeVideoListViewController(this);
    m_listEditVC = orvane::home::makePlayListEditViewController(this);
    m_materialVC = orvane::home::makeMaterialCenterViewController(this);
    m_unionNavi = new NSNavigationController(orvane::home::makeUnionListViewController(this));
}

void HomeViewController::initUI()
{
    m_controlView = new QWidget;
    m_controlView->setObjectName(QStringLiteral("ControlView"));
    m_controlView->setFixedWidth(kMenuWidth);
    m_menuView = new HomeMenuView;
    m_menuView->setObjectName(QStringLiteral("MenuView"));
    auto *controlLayout = new QVBoxLayout(m_controlView);
    controlLayout->setContentsMargins(0, 24, 0, 0);
    controlLayout->addWidget(m_menuView);

    m_contentView = new QWidget;
    m_contentView->setObjectName(QStringLiteral("ContentView"));
    m_contentLayout = new QStackedLayout(m_contentView);
    m_contentLayout->setContentsMargins(0, 0, 0, 0);
    // Every screen lives in the content area for the home screen's whole life; switching only
    // changes which one is visible.
    for (QWidget *screen : {m_connectViewController.data(), static_cast<QWidget *>(m_playlistNavi.data()),
                            m_configVC.data(), m_multyListVC.data(), m_videoListVC.data(), m_listEditVC.data(),
                            m_materialVC.data(), static_cast<QWidget *>(m_unionNavi.data())}) {
        m_contentLayout->addWidget(screen);
    }

    m_infoView = new QWidget;
    m_infoView->setObjectName(QStringLiteral("InfoView"));
    m_textOperationInfo = qxkit::label({}, qxkit::globalTextColor());
    m_textOperationInfo->setObjectName(QStringLiteral("textOperationInfo"));
    m_textOperationInfo->setAccessibleName(qxLocalized("ov_a11y_status"));
    auto *infoLayout = new QHBoxLayout(m_infoView);
    infoLayout->setContentsMargins(12, 4, 12, 4);
    infoLayout->addWidget(m_textOperationInfo);

    auto *contentColumn = new QVBoxLayout;
    contentColumn->setContentsMargins(0, 0, 0, 0);
    contentColumn->setSpacing(0);
    contentColumn->addWidget(m_contentView, 1);
    contentColumn->addWidget(m_infoView);

    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_controlView);
    layout->addLayout(contentColumn, 1);

    initCustomViewStyle();
    buildMenu();
    m_textOperationInfo->clear();
}

void HomeViewController::initCustomViewStyle()
{
    setPalette(qxkit::darkPalette());
    setAutoFillBackground(true);
    qxkit::setBgColor(m_controlView, menuSideColor());
    qxkit::setBgColor(m_infoView, qxkit::globalDark());
    qxkit::setBgColor(m_contentView, qxkit::globalDark());
}

void HomeViewController::buildMenu()
{
    m_menuView->setAccessibleName(qxLocalized("ov_a11y_menu"));
    m_menuView->setSpacing(0);
    m_menuView->setFrameShape(QFrame::NoFrame);
    m_menuView->setSelectionMode(QAbstractItemView::SingleSelection);
    m_menuView->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_menuView->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // The menu lies on the menu side's colour, and the highlighted row is drawn by its cell in
    // the content area's colour, so the list itself paints nothing.
    QPalette palette = m_menuView->palette();
    for (const QPalette::ColorRole role : {QPalette::Base, QPalette::Window, QPalette::Highlight})
        palette.setColor(role, Qt::transparent);
    m_menuView->setPalette(palette);
    m_menuView->setAutoFillBackground(false);
    m_menuView->viewport()->setAutoFillBackground(false);
    for (const MenuRow &row : kMenuRows) {
        auto *item = new QListWidgetItem(m_menuView);
        item->setSizeHint(QSize(kMenuWidth, kMenuRowHeight));
        auto *cell = new HomeMenuCell;
        cell->setMinimumHeight(kMenuRowHeight);
        cell->configWithTitle(QString::fromLatin1(row.titleKey));
        item->setData(Qt::AccessibleTextRole, cell->titleLabel()->text());
        m_menuView->setItemWidget(item, cell);
    }
    m_menuView->setShouldSelectRow([this](int row) { return shouldSelectRow(row); });
    connect(m_menuView->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &HomeViewController::tableViewSelectionDidChange);
}

bool HomeViewController::shouldSelectRow(int row)
{
    if (isReconnecting() || row < 0 || row >= kMenuRowCount)
        return false;
    if (row != kPlaylistRow && row != kConfigRow)
        return true;
    if (insSocket()->isReadyForInstructions())
        return true;
    startReconnection(row);
    return false;
}

bool HomeViewController::isReconnecting() const
{
    return m_reconnectAttempt != 0;
}

void HomeViewController::startReconnection(int row)
{
    const std::shared_ptr<QXInsSocket> socket = insSocket();
    const quint64 attempt = ++m_lastAttempt;
    m_reconnectAttempt = attempt;
    m_reconnectRow = row;
    m_reconnectTimer->start(int(socket->connectTimeout()) * 1000 + kReconnectMarginMs);
    // The socket answers on its own thread (or at once on this one when it has no address);
    // either way the outcome is handled later, on the GUI thread, so the event loop never waits.
    QPointer<HomeViewController> self(this);
    auto report = [self, attempt](bool connected) {
        qxOnGuiThread(self,
                      [attempt, connected](HomeViewController &home) { home.finishReconnection(attempt, connected); });
    };
    socket->connectedWithSuccess([report](auto &&...) { report(true); }, [report](auto &&...) { report(false); });
}

void HomeViewController::finishReconnection(quint64 attempt, bool connected)
{
    // Only the first outcome of the running attempt counts; a late answer after the time bound
    // is ignored.
    if (attempt == 0 || attempt != m_reconnectAttempt)
        return;
    m_reconnectAttempt = 0;
    m_reconnectTimer->stop();
    const int row = m_reconnectRow;
    m_reconnectRow = -1;
    if (connected) {
        selectMenuRow(row);
        switchToViewControllerType(kMenuRows[row].type);
        return;
    }
    QPointer<HomeViewController> self(this);
    m_utils->showDialogWithType(Utils::DialogType::info, qxLocalized("ov_conn_fail_tip"), [self](int) {
        if (self)
            self->switchToViewControllerType(connectType);
    });
}

void HomeViewController::tableViewSelectionDidChange()
{
    if (m_selectingProgrammatically)
        return;
    const QList<QListWidgetItem *> selected = m_menuView->selectedItems();
    if (selected.isEmpty())
        return;
    const int row = m_menuView->row(selected.first());
    if (row == kUnionRow)
        setCurrentCell(qobject_cast<HomeMenuCell *>(m_menuView->itemWidget(m_menuView->item(row))));
    switchToViewControllerType(kMenuRows[row].type);
}

void HomeViewController::selectMenuRow(int row)
{
    m_selectingProgrammatically = true;
    m_menuView->setCurrentRow(row, QItemSelectionModel::ClearAndSelect);
    m_selectingProgrammatically = false;
    setCurrentCell(qobject_cast<HomeMenuCell *>(m_menuView->itemWidget(m_menuView->item(row))));
}

QWidget *HomeViewController::screenForType(int type) const
{
    switch (type) {
    case connectType:
        return m_connectViewController;
    case playlistType:
        return m_playlistNavi;
    case configType:
        return m_configVC;
    case multyListType:
        return m_multyListVC;
    case videoListType:
        return m_videoListVC;
    case listEditType:
        return m_listEditVC;
    case materialType:
        return m_materialVC;
    case unionType:
        return m_unionNavi;
    default:
        return nullptr;
    }
}

void HomeViewController::switchToViewControllerType(int type)
{
    switchToViewControllerType(type, QVariant());
}

void HomeViewController::switchToViewControllerType(int type, const QVariant &data)
{
    if (type == m_currentContentViewType)
        return;
    m_textOperationInfo->clear();
    m_currentContentViewType = type;
    QWidget *screen = screenForType(type);
    if (!screen)
        return;
    const int row = menuRowForType(type);
    if (row >= 0)
        selectMenuRow(row);
    switchContentView(screen);
    if (type == videoListType)
        invokeConfiguration(screen, "configWithData(QVariantMap)", "configWithData", data.toMap());
    else if (type == listEditType && data.typeId() == QMetaType::QVariantMap)
        invokeConfiguration(screen, "configData(QVariantMap)", "configData", data.toMap());
}

void HomeViewController::switchToViewController(QWidget *controller, int index)
{
    if (!controller)
        return;
    if (index >= 0 && index < kMenuRowCount)
        selectMenuRow(index);
    switchContentView(controller);
}

void HomeViewController::switchContentView(QWidget *view)
{
    if (m_contentLayout->indexOf(view) < 0)
        m_contentLayout->addWidget(view);
    m_contentLayout->setCurrentWidget(view);
}

void HomeViewController::setMultyListVC(QWidget *screen)
{
    fillSlot(m_multyListVC, multyListType, screen);
}

void HomeViewController::setVideoListVC(QWidget *screen)
{
    fillSlot(m_videoListVC, videoListType, screen);
}

void HomeViewController::setListEditVC(QWidget *screen)
{
    fillSlot(m_listEditVC, listEditType, screen);
}

void HomeViewController::fillSlot(QPointer<QWidget> &slot, int type, QWidget *screen)
{
    if (!screen || screen == slot)
        return;
    QWidget *old = slot;
    slot = screen;
    m_contentLayout->addWidget(screen);
    if (m_currentContentViewType == type)
        m_contentLayout->setCurrentWidget(screen);
    if (old) {
        m_contentLayout->removeWidget(old);
        old->deleteLater();
    }
}

int HomeViewController::currentContentViewType() const
{
    return m_currentContentViewType;
}

void HomeViewController::setCurrentCell(HomeMenuCell *cell)
{
    if (cell == m_currentCell)
        return;
    if (m_currentCell)
        qxkit::setBgColor(m_currentCell, std::nullopt);
    m_currentCell = cell;
    if (cell)
        qxkit::setBgColor(cell, qxkit::globalDark());
}

void HomeViewController::switchOnMainThread(int type)
{
    qxOnGuiThread(QPointer<HomeViewController>(this),
                  [type](HomeViewController &home) { home.switchToViewControllerType(type); });
}

void HomeViewController::childVC(QWidget *, int destination)
{
    switchToViewControllerType(destination);
}

void HomeViewController::childVC(QWidget *, int destination, const QVariant &data)
{
    switchToViewControllerType(destination, data);
}

void HomeViewController::connectViewControllerSucceededConnectAtMode(QWidget *, int)
{
    switchOnMainThread(playlistType);
}

void HomeViewController::connectViewControllerFailedConnectAtMode(QWidget *, int)
{
    switchOnMainThread(connectType);
}

QWidget *HomeViewController::connectViewController() const { return m_connectViewController; }
NSNavigationController *HomeViewController::playlistNavi() const { return m_playlistNavi; }
QWidget *HomeViewController::configVC() const { return m_configVC; }
QWidget *HomeViewController::multyListVC() const { return m_multyListVC; }
QWidget *HomeViewController::videoListVC() const { return m_videoListVC; }
QWidget *HomeViewController::listEditVC() const { return m_listEditVC; }
QWidget *HomeViewController::materialVC() const { return m_materialVC; }
NSNavigationController *HomeViewController::unionNavi() const { return m_unionNavi; }
QWidget *HomeViewController::controlView() const { return m_controlView; }
QWidget *HomeViewController::infoView() const { return m_infoView; }
QWidget *HomeViewController::contentView() const { return m_contentView; }
HomeMenuView *HomeViewController::menuView() const { return m_menuView; }
QLabel *HomeViewController::textOperationInfo() const { return m_textOperationInfo; }
HomeMenuCell *HomeViewController::currentCell() const { return m_currentCell; }
Utils *HomeViewController::utils() const { return m_utils; }
