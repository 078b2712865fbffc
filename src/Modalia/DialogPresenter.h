#pragma once

class QDialog;
class QWidget;

namespace Modalia {

// The one way every dialog of the application reaches the screen. The default shows dialogs
// window-modal over their window and never nests an event loop, except in presentAndWait, which
// the older dialogs use. Tests install their own presenter to answer dialogs without a screen
// or a wait.
class DialogPresenter
{
public:
    virtual ~DialogPresenter();

    // Shows the dialog over `parent` (window-modal; a popover simply opens) and returns
    // at once. Returns false when it cannot be shown; the caller then answers as cancelled.
    virtual bool present(QDialog *dialog, QWidget *parent);

    // Shows the dialog and returns once it has finished. GUI thread only. A dialog that cannot be
    // shown is rejected, so the wait always ends.
    virtual void presentAndWait(QDialog *dialog, QWidget *parent);

    // The presenter in use.
    static DialogPresenter &current();
    // Installs a presenter (not owned); nullptr restores the default.
    static void setCurrent(DialogPresenter *presenter);

    // The window a dialog appears over when the caller names none: the active window (the window
    // beneath, when a popover is active), else the first visible top-level window; nullptr when
    // there is none.
    static QWidget *defaultParent();
};

} // namespace Modalia
