#include "NetworkingDevice.h"
#include "QXDevice.h"
#include "TestData.h"

#include <gtest/gtest.h>

#include <atomic>
#include <thread>
#include <vector>

namespace {

// Socket callbacks replace status and mask and set fields on their threads while a screen
// reads the record on another; TSan checks that none of it races.
TEST(QXDeviceThreadsTest, SocketThreadsAndScreensShareOneRecord)
{
    auto device = std::make_shared<QXDevice>(QStringLiteral("orvane_kvk_1"));
    const QByteArray status = orvane::test::testData(QStringLiteral("QXDeviceStatusFuzzer/QXDeviceStatus-hotspot-4g-61.bin"));
    const QByteArray mask = orvane::test::testData(QStringLiteral("QXDeviceMaskFuzzer/QXDeviceMask-districts.bin"));
    ASSERT_FALSE(status.isEmpty() || mask.isEmpty());
    constexpr int rounds = 300;
    std::atomic<int> modeSignals = 0;
    QObject::connect(device.get(), &QXDevice::modeChanged, device.get(), [&modeSignals] { ++modeSignals; },
                     Qt::DirectConnection);
    auto member = std::make_shared<NetworkingDevice>(QStringLiteral("orvane_kvk"), QStringLiteral("10.0.0.1"));

    std::vector<std::thread> threads;
    threads.emplace_back([&] {
        for (int i = 0; i < rounds; ++i) {
            device->configStatusWithData(status);
            device->configMaskWithData(mask);
            device->configFileWithString(QStringLiteral("a.mp4,1,1,\r\nb.mp4,2,1,\r\n"));
            if (i % 50 == 0) {
                device->clearStatus();
                device->clearMask();
            }
            member->setIp(QStringLiteral("10.0.0.%1").arg(i % 250));
        }
    });
    threads.emplace_back([&] {
        for (int i = 0; i < rounds; ++i) {
            device->editStatus([i](QXDeviceStatus &s) { s.setAngle(i); });
            device->editMask([](QXDeviceMask &m) { m.setDistrict(1, {{QStringLiteral("angle"), 5}}); });
            device->setMode(i % 2 ? 11 : 12);
            device->updateSocketConfigs({{QStringLiteral("IP"), QStringLiteral("192.168.4.9")}});
            device->file()->appendItem(
                {{QStringLiteral("name"), QStringLiteral("c.mp4")}, {QStringLiteral("size"), 1}, {QStringLiteral("times"), 1}});
        }
    });
    threads.emplace_back([&] {
        for (int i = 0; i < rounds; ++i) {
            const quint64 functions = device->status().functionSet();
            EXPECT_TRUE(functions == 0 || functions == 0xFFFF);
            EXPECT_FALSE(device->mask().settings().isEmpty());
            EXPECT_TRUE(device->file()->content().has_value());
            EXPECT_FALSE(device->description().isEmpty());
            EXPECT_EQ(device->typeID(), 783);
            EXPECT_TRUE(member->ip().startsWith(QStringLiteral("10.0.0.")));
        }
    });
    for (std::thread &thread : threads)
        thread.join();
    EXPECT_EQ(modeSignals.load(), rounds);
    EXPECT_EQ(device->IP(), QStringLiteral("192.168.4.9"));
}

} // namespace
