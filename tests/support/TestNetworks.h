#pragma once

#include <QString>

namespace orvane::test {

// A network namespace of the test's own, made inside the private network of scripts/in-test-lan:
// what lies beyond a link, such as another network with its own machines. It lives as long as
// the object.
class NetworkNamespace
{
public:
    NetworkNamespace();
    ~NetworkNamespace();
    NetworkNamespace(const NetworkNamespace &) = delete;
    NetworkNamespace &operator=(const NetworkNamespace &) = delete;

    bool isValid() const { return m_fd >= 0; }
    // Moves the calling thread into this namespace for good: the sockets it makes afterwards
    // belong to it. Only for a thread of the test's own that ends with the namespace's use.
    bool enter() const;
    // Runs the ip tool here with the arguments, separated by blanks; whether it succeeded.
    bool ip(const QString &command) const;
    // Whether the interface here carries traffic yet.
    bool isRunning(const QString &interfaceName) const;
    // Where other programs open the namespace.
    QString path() const;

private:
    int m_fd = -1;
};

// Runs the ip tool in the test's own namespace with the arguments, separated by blanks; whether
// it succeeded.
bool ip(const QString &command);

// A veth link from the test's namespace to another one, both ends up with their addresses
// ("10.0.0.2/24") and carrying traffic; removed with the object.
class VethLink
{
public:
    VethLink(const QString &here, const QString &hereAddress, const NetworkNamespace &far, const QString &there,
             const QString &farAddress);
    ~VethLink();
    VethLink(const VethLink &) = delete;
    VethLink &operator=(const VethLink &) = delete;

    bool isUp() const { return m_up; }

private:
    QString m_here;
    bool m_up = false;
};

} // namespace orvane::test
