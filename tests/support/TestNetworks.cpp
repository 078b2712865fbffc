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

bool run(const QString &program, const QStringList &args)
{
    return QProcess::execute(program, args) == 0;
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

bool NetworkNamespace::ip(const QStringList &args) const
{
    return isValid() && run(QStringLiteral("nsenter"), QStringList{QStringLiteral("--net=") + path(), QStringLiteral("ip")} + args);
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

bool ip(const QStringList &args)
{
    return run(QStringLiteral("ip"), args);
}

VethLink::VethLink(const QString &here, const QString &hereAddress, const NetworkNamespace &far, const QString &there,
                   const QString &farAddress)
    : m_here(here)
{
    m_up = far.isValid()
        && ip({QStringLiteral("link"), QStringLiteral("add"), here, QStringLiteral("type"), QStringLiteral("veth"),
               QStringLiteral("peer"), QStringLiteral("name"), there, QStringLiteral("netns"), far.path()})
        && ip({QStringLiteral("addr"), QStringLiteral("add"), hereAddress, QStringLiteral("dev"), here})
        && ip({QStringLiteral("link"), QStringLiteral("set"), here, QStringLiteral("up")})
        && far.ip({QStringLiteral("addr"), QStringLiteral("add"), farAddress, QStringLiteral("dev"), there})
        && far.ip({QStringLiteral("link"), QStringLiteral("set"), there, QStringLiteral("up")})
        // A link drops what is sent before the kernel has noticed that both ends are up.
        && waitUntil([&] { return carriesTraffic(here) && far.isRunning(there); });
}

VethLink::~VethLink()
{
    // Both ends and every route through them go at once.
    ip({QStringLiteral("link"), QStringLiteral("del"), m_here});
}

} // namespace orvane::test
