#pragma once

class LoginViewController;

// The one way to a login screen: no screen of the application opens one by itself.
class SpecialBridge
{
public:
    // A new login screen whose next screen is the union list. Place it on a navigation container
    // (for instance as its root): it pushes the union list there once signed in. The union list's
    // log-out only signs the user out; the list stays on screen.
    static LoginViewController *fetchLoginVCForUnion();
};
