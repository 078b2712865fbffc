// The main of every test executable: a private HOME and XDG folders so no test touches the
// real settings or documents, an application object for the event loop, then GoogleTest.
#include <QApplication>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include <csignal>
#include <sys/wait.h>
#include <unistd.h>

namespace {

void usePrivateHome(const QString &root)
{
    const QByteArray home = root.toUtf8();
    qputenv("HOME", home);
    qputenv("XDG_CONFIG_HOME", home + "/.config");
    qputenv("XDG_DATA_HOME", home + "/.local/share");
    qputenv("XDG_CACHE_HOME", home + "/.cache");
    qputenv("XDG_RUNTIME_DIR", home + "/.runtime");
    qputenv("XDG_DOCUMENTS_DIR", home + "/Documents");
    qputenv("XDG_DOWNLOAD_DIR", home + "/Downloads");
}

#ifdef ORVANE_LAN_TEST
// A test that talks to the fans' real addresses may only run inside the private network that
// scripts/in-test-lan made, which names it; there, links the test adds lead only to namespaces
// the test made inside it.
bool inTestLan()
{
    char own[64] = {};
    const ssize_t length = ::readlink("/proc/self/ns/net", own, sizeof(own) - 1);
    const QByteArray named = qgetenv("ORVANE_TEST_LAN");
    return length > 0 && !named.isEmpty() && named == QByteArray(own, int(length));
}
#endif

#ifdef ORVANE_X11_TEST
// An X server of the test's own for the application, on a display the server names itself, so
// that no other X server on the machine is touched; it ends with the test.
class OwnXServer
{
public:
    OwnXServer() = default;
    OwnXServer(const OwnXServer &) = delete;
    OwnXServer &operator=(const OwnXServer &) = delete;
    ~OwnXServer()
    {
        if (m_pid > 0) {
            ::kill(m_pid, SIGTERM);
            ::waitpid(m_pid, nullptr, 0);
        }
    }

    // Starts it and points DISPLAY at it; false when it does not start.
    bool start()
    {
        int named[2];
        if (::pipe(named) != 0)
            return false;
        m_pid = ::fork();
        if (m_pid == 0) {
            ::close(named[0]);
            const std::string fd = std::to_string(named[1]);
            ::execlp("Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-screen", "0", "1280x800x24", "-nolisten", "tcp",
                     static_cast<char *>(nullptr));
            ::_exit(127);
        }
        ::close(named[1]);
        std::string display;
        char c = 0;
        while (m_pid > 0 && ::read(named[0], &c, 1) == 1 && c != '\n')
            display += c;
        ::close(named[0]);
        if (display.empty())
            return false;
        ::setenv("DISPLAY", (":" + display).c_str(), 1);
        return true;
    }

private:
    pid_t m_pid = -1;
};
#endif

} // namespace

int main(int argc, char **argv)
{
    QTemporaryDir home;
    if (!home.isValid()) {
        std::fprintf(stderr, "cannot create a temporary home\n");
        return 2;
    }
    usePrivateHome(home.path());
#ifdef ORVANE_X11_TEST
    OwnXServer x;
    if (!x.start()) {
        std::fprintf(stderr, "Xvfb does not start\n");
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "xcb");
#else
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
#endif

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Orvane"));
#ifdef ORVANE_LAN_TEST
    if (!inTestLan()) {
        std::fprintf(stderr, "refusing to run: this test needs the private network of scripts/in-test-lan\n");
        return 2;
    }
#endif
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
