// The main of every test executable: a private HOME and XDG folders so no test touches the
// real settings or documents, an application object for the event loop, then GoogleTest.
#include <QApplication>
#include <QNetworkInterface>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>

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
// A test that talks to the fans' real addresses may only run where nothing but loopback exists.
bool onlyLoopback()
{
    for (const QNetworkInterface &iface : QNetworkInterface::allInterfaces()) {
        if (!iface.flags().testFlag(QNetworkInterface::IsLoopBack))
            return false;
    }
    return true;
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
    if (!onlyLoopback()) {
        std::fprintf(stderr, "refusing to run: this test needs the private network of scripts/in-test-lan\n");
        return 2;
    }
#endif
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
