#include "SpecialBridge.h"

#include "HomeScreens.h"
#include "Modules/Account/LoginViewController.h"

LoginViewController *SpecialBridge::fetchLoginVCForUnion()
{
    // The union list takes nothing from the home screen when it follows a login.
    return new LoginViewController([] { return orvane::home::makeUnionListViewController(nullptr); });
}
