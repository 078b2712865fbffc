#pragma once

class LoginViewController;

// The one way to a login screen: no screen of the application opens one by itself.
class SpecialBridge
{
public:
    // A new login screen whose next screen is the union list. Place it on a navigation container
    // (for instance as its root): it pushes the union list there once signed in, and the union
    // list's log-out returns to it.
    static LoginViewController *fetchLoginVCForUnion();
};
