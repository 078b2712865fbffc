// The main of every test executable: a private HOME and XDG folders so no test touches the
// real settings or documents, an application object for the event loop, then GoogleTest.
#include <QApplication>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>

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

} // namespace

int main(int argc, char **argv)
{
    QTemporaryDir home;
    if (!home.isValid()) {
        std::fprintf(stderr, "cannot create a temporary home\n");
        return 2;
    }
    usePrivateHome(home.path());
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");

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
