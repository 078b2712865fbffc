#include "TestNetworks.h"

#include "EventLoop.h"

#include <QCoreApplication>
#include <QNetworkInterface>
#include <QProcess>

#include <thread>

#include <fcntl.h>
#include <sched.h>
#include <unistd.h>

namespace orvane::test {

namespace {

bool run(const QStringList &commandLine)
{
    return QProcess::execute(commandLine.first(), commandLine.mid(1)) == 0;
}

bool carriesTraffic(const QString &interfaceName)
{
    return QNetworkInterface::interfaceFromName(interfaceName).flags().testFlag(QNetworkInterface::IsRunning);
}

} // namespace

NetworkNamespace::NetworkNamespace()
{
    // Made by a thread of its own, which alone moves into it: the test's threads stay where they are.
    std::thread maker([this] {
        if (::unshare(CLONE_NEWNET) == 0)
            m_fd = ::open("/proc/thread-self/ns/net", O_RDONLY | O_CLOEXEC);
    });
    maker.join();
}

NetworkNamespace::~NetworkNamespace()
{
    if (m_fd >= 0)
        ::close(m_fd);
}

bool NetworkNamespace::enter() const
{
    return isValid() && ::setns(m_fd, CLONE_NEWNET) == 0;
}

bool NetworkNamespace::ip(const QString &command) const
{
    return isValid() && run(QStringLiteral("nsenter --net=%1 ip %2").arg(path(), command).split(u' '));
}

bool NetworkNamespace::isRunning(const QString &interfaceName) const
{
    bool running = false;
    std::thread asker([&] { running = enter() && carriesTraffic(interfaceName); });
    asker.join();
    return running;
}

QString NetworkNamespace::path() const
{
    return QStringLiteral("/proc/%1/fd/%2").arg(QCoreApplication::applicationPid()).arg(m_fd);
}

bool ip(const QString &command)
{
    return run((QStringLiteral("ip ") + command).split(u' '));
}

VethLink::VethLink(const QString &here, const QString &hereAddress, const NetworkNamespace &far, const QString &there,
                   const QString &farAddress)
    : m_here(here)
{
    m_up = far.isValid()
        && ip(QStringLiteral("link add %1 type veth peer name %2 netns %3").arg(here, there, far.path()))
        && ip(QStringLiteral("addr add %1 dev %2").arg(hereAddress, here))
        && ip(QStringLiteral("link set %1 up").arg(here))
        && far.ip(QStringLiteral("addr add %1 dev %2").arg(farAddress, there))
        && far.ip(QStringLiteral("link set %1 up").arg(there))
        // A link drops what is sent before the kernel has noticed that both ends are up.
        && waitUntil([&] { return carriesTraffic(here) && far.isRunning(there); });
}

VethLink::~VethLink()
{
    // Both ends and every route through them go at once.
    ip(QStringLiteral("link del ") + m_here);
}

} // namespace orvane::test
