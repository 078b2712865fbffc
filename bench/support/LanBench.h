#pragma once

// The start of a benchmark that talks to fake fans on their own addresses.
#include <QByteArray>
#include <QLoggingCategory>
#include <QNetworkInterface>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>

namespace orvane::bench {

// Before the application object: the password store, the documents folder and the conversion
// folder go to a private home, never the real one, and windows to the offscreen platform.
inline void prepareProcess(const QTemporaryDir &home)
{
    const QByteArray path = home.path().toUtf8();
    qputenv("HOME", path);
    qputenv("XDG_CONFIG_HOME", path + "/.config");
    qputenv("XDG_DATA_HOME", path + "/.local/share");
    qputenv("QT_QPA_PLATFORM", "offscreen");
}

// After it: whether the benchmark may run here, that is where nothing but loopback exists
// (inside scripts/in-test-lan); it says so when not. The application's debug log is off.
inline bool insideTestLan()
{
    const auto interfaces = QNetworkInterface::allInterfaces();
    const bool onlyLoopback = std::all_of(interfaces.cbegin(), interfaces.cend(), [](const QNetworkInterface &iface) {
        return iface.flags().testFlag(QNetworkInterface::IsLoopBack);
    });
    if (!onlyLoopback)
        std::fprintf(stderr, "refusing to run: start it inside scripts/in-test-lan\n");
    QLoggingCategory::setFilterRules(QStringLiteral("orvane.*.debug=false"));
    return onlyLoopback;
}

} // namespace orvane::bench
