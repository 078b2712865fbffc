#include "HomeScreens.h"

#include "EmptyScreen.h"
#include "HomeViewController.h"
#include "Modules/Connect/ConnectViewController.h"
#include "Modules/Playlist/MultyListViewController.h"
#include "Modules/Playlist/PlayListEditViewController.h"
#include "Modules/Video/MaterialCenterViewController.h"
#include "Modules/Video/VideoListViewController.h"

namespace orvane::home {

QWidget *makeConnectViewController(HomeViewController *home)
{
    auto *screen = new ConnectViewController;
    screen->setConnectDelegate(home);
    return screen;
}

QWidget *makePlaylistViewController(HomeViewController *)
{
    return new EmptyScreen(QStringLiteral("PlaylistViewController placeholder"));
}

QWidget *makeFunctionConfigViewController(HomeViewController *)
{
    return new EmptyScreen(QStringLiteral("FunctionConfigViewController placeholder"));
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
    return new EmptyScreen(QStringLiteral("UnionListViewController placeholder"));
}

} // namespace orvane::home
