#include "HomeScreens.h"

#include "EmptyScreen.h"
#include "HomeViewController.h"
#include "Modules/Connect/ConnectViewController.h"
#include "Modules/Playlist/PlaylistViewController.h"
#include "Modules/Settings/FunctionConfigViewController.h"
#include "Modules/Union/UnionListViewController.h"

namespace orvane::home {

QWidget *makeConnectViewController(HomeViewController *home)
{
    auto *screen = new ConnectViewController;
    screen->setConnectDelegate(home);
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
    return new EmptyScreen(QStringLiteral("MultyListViewController placeholder"));
}

QWidget *makeVideoListViewController(HomeViewController *)
{
    return new EmptyScreen(QStringLiteral("VideoListViewController placeholder"));
}

QWidget *makePlayListEditViewController(HomeViewController *)
{
    return new EmptyScreen(QStringLiteral("PlayListEditViewController placeholder"));
}

QWidget *makeMaterialCenterViewController(HomeViewController *)
{
    return new EmptyScreen(QStringLiteral("MaterialCenterViewController placeholder"));
}

QWidget *makeUnionListViewController(HomeViewController *)
{
    return new UnionListViewController;
}

} // namespace orvane::home
