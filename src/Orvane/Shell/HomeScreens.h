#pragma once

class HomeViewController;
class QWidget;

// Where the home screen gets each of its screens: the one place to change when a screen is
// built. Each maker creates the screen, ties it to the home screen where the screen reports
// back (the connection screen's and the settings screen's delegates, and the connection
// screen's language choice, which goes to the main window), and returns it; the home
// screen owns it from then on. The root screens of the play-list and union sections are
// wrapped in a navigation container by the home screen.
namespace orvane::home {

QWidget *makeConnectViewController(HomeViewController *home);        // type 100
QWidget *makePlaylistViewController(HomeViewController *home);       // root of type 101
QWidget *makeFunctionConfigViewController(HomeViewController *home); // type 103
QWidget *makeMultyListViewController(HomeViewController *home);      // type 107
QWidget *makeVideoListViewController(HomeViewController *home);      // type 108
QWidget *makePlayListEditViewController(HomeViewController *home);   // type 109
QWidget *makeMaterialCenterViewController(HomeViewController *home); // type 110
QWidget *makeUnionListViewController(HomeViewController *home);      // root of type 111

} // namespace orvane::home
