#pragma once

#include <QObject>
#include <QPointer>

#include <functional>
#include <type_traits>
#include <utility>

// Later work on the event loop, for the two reasons code has for it.

// Carries `work` over to the GUI thread, to run there at a later turn of its event loop, whoever
// calls and from which thread (a socket's, a worker's, the GUI thread itself).
void qxOnGuiThread(std::function<void()> work);

// The same, only while `receiver` still exists then; `work` gets the receiver when it takes one.
// The guard is read on the GUI thread only: make it there, before handing the call to another
// thread whose outcome it carries.
template <typename Receiver, typename Work>
void qxOnGuiThread(const QPointer<Receiver> &receiver, Work work)
{
    qxOnGuiThread([receiver, work = std::move(work)] {
        if (!receiver)
            return;
        if constexpr (std::is_invocable_v<const Work &, Receiver &>)
            work(*receiver);
        else
            work();
    });
}

// Runs `step` on `context`'s own thread at the next turn of its event loop, not from inside the
// current call, because order matters (a row's click must be over before the rows are made again,
// a popover closed before the next sheet shows); dropped when `context` is gone by then.
void qxNextTurn(QObject *context, std::function<void()> step);
