#include "HomeScreens.h"

#include "HomeViewController.h"
#include "MasterWindowController.h"
#include "Modules/Connect/ConnectViewController.h"
#include "Modules/Playlist/PlaylistViewController.h"
#include "Modules/Settings/FunctionConfigViewController.h"
#include "Modules/Union/UnionListViewController.h"
#include "Modules/Playlist/MultyListViewController.h"
#include "Modules/Playlist/PlayListEditViewController.h"
#include "Modules/Video/MaterialCenterViewController.h"
#include "Modules/Video/VideoListViewController.h"

namespace orvane::home {

QWidget *makeConnectViewController(HomeViewController *home)
{
    auto *screen = new ConnectViewController;
    screen->setConnectDelegate(home);
    QObject::connect(screen, &ConnectViewController::languageChosen, screen,
                     [screen](int type) { MasterWindowController::switchLanguage(type, screen); });
    return screen;
}

QWidget *makePlaylistViewController(HomeViewController *home)
{
    auto *screen = new PlaylistViewController;
    screen->setDelegate(home);
    return screen;
}

QWidget *makeFunctionConfigViewController(HomeViewController *home)
{
    auto *screen = new FunctionConfigViewController;
    screen->setFunctionDelegate(home);
    return screen;
}

QWidget *makeMultyListViewController(HomeViewController *)
{
    return new MultyListViewController;
}

QWidget *makeVideoListViewController(HomeViewController *)
{
    return new VideoListViewController;
}

QWidget *makePlayListEditViewController(HomeViewController *)
{
    return new PlayListEditViewController;
}

QWidget *makeMaterialCenterViewController(HomeViewController *)
{
    return new MaterialCenterViewController;
}

QWidget *makeUnionListViewController(HomeViewController *)
{
    return new UnionListViewController;
}

} // namespace orvane::home
