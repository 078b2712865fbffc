#include "DialogPresenter.h"

#include "BlockedWindowFocus.h"
#include "PopoverController.h"

#include <QApplication>
#include <QDialog>
#include <QEventLoop>
#include <QPointer>
#include <QThread>
#include <QTimer>
#include <QWindow>

namespace Modalia {

namespace {

DialogPresenter *installed = nullptr;

DialogPresenter &defaultPresenter()
{
    static DialogPresenter presenter;
    return presenter;
}

// Whether the window is `beneath` or stands over it (a dialog or popover opened over it).
bool standsOn(QWindow *window, const QWindow *beneath)
{
    for (; window; window = window->transientParent() ? window->transientParent() : window->parent()) {
        if (window == beneath)
            return true;
    }
    return false;
}

// While it asks, a modal dialog keeps the keyboard. The window manager may hand the activation
// to a window the dialog blocks (as it does when another dialog has just gone): the window
// beneath, or a dialog opened over it earlier, where every key is ignored and nothing has the
// focus. The dialog then takes the activation back.
void holdKeyboard(QDialog *dialog, QWidget *blocked)
{
    QObject::connect(qApp, &QGuiApplication::focusWindowChanged, dialog,
                     [dialog, blocked = QPointer<QWidget>(blocked)](QWindow *focused) {
                         if (!focused || !blocked || standsOn(focused, dialog->windowHandle())
                             || !standsOn(focused, blocked->windowHandle()) || !dialog->isVisible()
                             || QApplication::activeModalWidget() != dialog)
                             return;
                         QTimer::singleShot(0, dialog, [dialog] {
                             if (dialog->isVisible() && QApplication::activeModalWidget() == dialog)
                                 dialog->activateWindow();
                         });
                     });
}

} // namespace

DialogPresenter::~DialogPresenter() = default;

bool DialogPresenter::present(QDialog *dialog, QWidget *parent)
{
    if (!dialog || !parent || QThread::currentThread() != qApp->thread())
        return false;
    if (dialog->parentWidget() != parent)
        dialog->setParent(parent, dialog->windowFlags());
    // A popover is a popup: it holds the keyboard by itself, and a click beside it closes it.
    if (qobject_cast<PopoverController *>(dialog)) {
        dialog->show();
        return true;
    }
    keepFocusOffBlockedWindows();
    dialog->open();
    dialog->raise();
    dialog->activateWindow();
    if (dialog->windowModality() != Qt::NonModal)
        holdKeyboard(dialog, parent->window());
    return true;
}

void DialogPresenter::presentAndWait(QDialog *dialog, QWidget *parent)
{
    QPointer<QDialog> guard(dialog);
    if (!present(dialog, parent)) {
        if (guard)
            dialog->reject();
        return;
    }
    if (!guard || !dialog->isVisible())
        return;
    QEventLoop loop;
    QObject::connect(dialog, &QDialog::finished, &loop, &QEventLoop::quit);
    QObject::connect(dialog, &QObject::destroyed, &loop, &QEventLoop::quit);
    loop.exec(QEventLoop::DialogExec);
}

DialogPresenter &DialogPresenter::current()
{
    return installed ? *installed : defaultPresenter();
}

void DialogPresenter::setCurrent(DialogPresenter *presenter)
{
    installed = presenter;
}

QWidget *DialogPresenter::defaultParent()
{
    if (QWidget *active = QApplication::activeWindow()) {
        // A popover only stands beside its window, and may be closing: dialogs go over the window.
        if (qobject_cast<PopoverController *>(active) && active->parentWidget())
            return active->parentWidget()->window();
        return active;
    }
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (QWidget *window : windows) {
        if (window->isVisible() && !window->windowFlags().testFlag(Qt::Popup)
            && !qobject_cast<QDialog *>(window))
            return window;
    }
    return nullptr;
}

} // namespace Modalia
