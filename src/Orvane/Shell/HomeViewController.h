#pragma once

#include "Core/ConnecgViewControllerDelegate.h"
#include "Core/ContentChildDelegate.h"
#include "QXConnect.h"

#include <QListWidget>
#include <QPointer>
#include <QVariant>
#include <QWidget>

#include <functional>

class HomeMenuCell;
class NSNavigationController;
class QLabel;
class QStackedLayout;
class QTimer;
class Utils;

// The main window's menu: one row per section. A row the home screen refuses (see
// HomeViewController::shouldSelectRow) is not selected, by mouse or keyboard.
class HomeMenuView : public QListWidget
{
    Q_OBJECT
public:
    explicit HomeMenuView(QWidget *parent = nullptr);
    void setShouldSelectRow(std::function<bool(int row)> shouldSelectRow);

protected:
    QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex &index,
                                                         const QEvent *event = nullptr) const override;
    // The menu is heard at its current row, as a list is, not only as "list with 5 items".
    void focusInEvent(QFocusEvent *event) override;
    // A row selected for a screen shown by other means is not announced as the focus while the
    // focus is elsewhere.
    void currentChanged(const QModelIndex &current, const QModelIndex &previous) override;

private:
    std::function<bool(int row)> m_shouldSelectRow;
};

// The content of the main window: the menu on one side and a content area that shows one screen
// at a time, chosen by a screen type code (ContentChildDelegate::ScreenType). Every screen is
// created once, when the home screen is built, and keeps its state while another one is shown.
class HomeViewController : public QWidget,
                           public QXConnect,
                           public ContentChildDelegate,
                           public ConnecgViewControllerDelegate
{
    Q_OBJECT
public:
    explicit HomeViewController(QWidget *parent = nullptr);
    ~HomeViewController() override;

    // Shows the screen of the type. The type already shown: nothing at all. A type without a
    // screen is only recorded. 108 hands the data to the video list's configWithData, 109 to the
    // editor's configData when the data is a dictionary.
    void switchToViewControllerType(int type);
    void switchToViewControllerType(int type, const QVariant &data);
    // Shows any screen, selecting the menu row when the index is 0 or more.
    void switchToViewController(QWidget *controller, int index);
    // Shows the view alone in the content area, filling it.
    void switchContentView(QWidget *view);

    int currentContentViewType() const;

    // Whether the menu may select the row. Rows 1 and 2 need the device: while the instruction
    // socket is down they start a reconnection and are refused; the row is selected when the
    // socket answers, or the connection screen comes back after a failure dialog. Menu clicks
    // are refused while the reconnection runs.
    bool shouldSelectRow(int row);
    bool isReconnecting() const;

    QWidget *connectViewController() const;
    NSNavigationController *playlistNavi() const;
    QWidget *configVC() const;
    QWidget *multyListVC() const;
    QWidget *videoListVC() const;
    QWidget *listEditVC() const;
    // The slots of types 107, 108 and 109 take a screen; the one they held is deleted.
    void setMultyListVC(QWidget *screen);
    void setVideoListVC(QWidget *screen);
    void setListEditVC(QWidget *screen);
    QWidget *materialVC() const;
    NSNavigationController *unionNavi() const;

    QWidget *controlView() const;
    QWidget *infoView() const;
    QWidget *contentView() const;
    HomeMenuView *menuView() const;
    QLabel *textOperationInfo() const;
    HomeMenuCell *currentCell() const;
    void setCurrentCell(HomeMenuCell *cell);
    Utils *utils() const;

    // ContentChildDelegate
    void childVC(QWidget *child, int destination) override;
    void childVC(QWidget *child, int destination, const QVariant &data) override;
    // ConnecgViewControllerDelegate: from any thread.
    void connectViewControllerSucceededConnectAtMode(QWidget *connectViewController, int mode) override;
    void connectViewControllerFailedConnectAtMode(QWidget *connectViewController, int mode) override;

private:
    void initData();
    void initViewController();
    void initUI();
    void initCustomViewStyle();
    void buildMenu();
    void tableViewSelectionDidChange();
    void selectMenuRow(int row);
    QWidget *screenForType(int type) const;
    void fillSlot(QPointer<QWidget> &slot, int type, QWidget *screen);
    void switchOnMainThread(int type);
    void startReconnection(int row);
    void finishReconnection(quint64 attempt, bool connected);

    QPointer<QWidget> m_connectViewController;
    QPointer<NSNavigationController> m_playlistNavi;
    QPointer<QWidget> m_configVC;
    QPointer<QWidget> m_multyListVC;
    QPointer<QWidget> m_videoListVC;
    QPointer<QWidget> m_listEditVC;
    QPointer<QWidget> m_materialVC;
    QPointer<NSNavigationController> m_unionNavi;

    QWidget *m_controlView = nullptr;
    QWidget *m_infoView = nullptr;
    QWidget *m_contentView = nullptr;
    QStackedLayout *m_contentLayout = nullptr;
    HomeMenuView *m_menuView = nullptr;
    QLabel *m_textOperationInfo = nullptr;
    QPointer<HomeMenuCell> m_currentCell;
    Utils *m_utils = nullptr;
    int m_currentContentViewType = 0;

    bool m_selectingProgrammatically = false;
    // The reconnection of a guarded row: the attempt that runs (0: none), the last one started,
    // the row it is for, and the bound after which a silent socket counts as a failure.
    quint64 m_reconnectAttempt = 0;
    quint64 m_lastAttempt = 0;
    int m_reconnectRow = -1;
    QTimer *m_reconnectTimer = nullptr;
};
