#pragma once

#include <QPointer>
#include <QString>
#include <QWidget>

#include <functional>
#include <memory>

class NetworkingDevice;
class QXConnectManager;

// Connects a union member's pooled instruction socket in the password-verified mode: with the
// stored password first, then with one the operator types. A password the device accepts is
// stored under the member's name.
//
// Every attempt ends with exactly one call of its completion, on the GUI thread: true when the
// member is connected and verified, false otherwise, also when the screen has gone, a prompt
// was cancelled or could not be shown. Messages and prompts appear over the screen while it
// exists. Cheap to copy; a copy works for the same screen.
class UnionMemberConnector
{
public:
    using Completion = std::function<void(bool connected)>;

    // Shorter passwords (counted in characters) are refused without any traffic.
    static constexpr qsizetype minimumPasswordLength = 8;

    UnionMemberConnector(QWidget *screen, QXConnectManager &manager);

    // The stored password, or a prompt when none is stored. Callable from any thread.
    void connect(const std::shared_ptr<NetworkingDevice> &device, Completion completion) const;
    // Asks for the member's password and tries it once.
    void askPassword(const std::shared_ptr<NetworkingDevice> &device, Completion completion) const;
    // One attempt with the password. A stored password (`askOnFailure`) that the member refuses
    // leads to the prompt, which carries the same completion; a refused typed password, or a
    // member that cannot be reached, ends with a message.
    void connect(const std::shared_ptr<NetworkingDevice> &device, const QString &password, bool askOnFailure,
                 Completion completion) const;

    QXConnectManager &manager() const { return *m_manager; }
    QWidget *screen() const { return m_screen; }

private:
    QPointer<QWidget> m_screen;
    QXConnectManager *m_manager;
};
