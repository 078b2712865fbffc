// The instruction socket against fans on their own addresses, inside the private network of
// scripts/in-test-lan: the socket's default address and the device port are used as they are.
#include "BlockRecorder.h"
#include "FakeFan.h"
#include "QXInsSocket.h"
#include "QXSocketCode.h"

#include <gtest/gtest.h>

using orvane::test::BlockRecorder;
using orvane::test::FakeFan;

TEST(InsSocketLan, AnUnsetAddressReachesTheFanAtItsDefaultAddress)
{
    FakeFan fan(QHostAddress(QStringLiteral("192.168.1.1")), 8000);
    ASSERT_EQ(fan.port(), 8000);
    BlockRecorder calls;
    QXInsSocket socket(QString(), 0);
    socket.setPort(8000);
    socket.sendInsWithType(QXInsCode::status, qint16(0), calls.block("success"), calls.block("failure"));
    ASSERT_TRUE(calls.waitFor(1));
    EXPECT_EQ(calls.names(), QStringList{"success"});
    EXPECT_EQ(socket.IP(), QStringLiteral("192.168.1.1"));
}

TEST(InsSocketLan, APasswordCheckedFanOnItsHotspotAddress)
{
    FakeFan fan(QHostAddress(QStringLiteral("192.168.2.1")), 8000);
    fan.requirePassword("88888888");
    BlockRecorder calls;
    QXInsSocket socket(QStringLiteral("192.168.2.1"), 8000);
    socket.setShouldVerify(true);
    socket.setVerifyData("88888888");
    socket.downloadListWithSuccess(calls.block("list"), calls.block("failure"));
    socket.sendInsWithType(QXInsCode::status, qint16(0), calls.block("status"), calls.block("failure"));
    socket.sendInsWithType(QXInsCode::mask, qint16(0), calls.block("mask"), calls.block("failure"));
    ASSERT_TRUE(calls.waitFor(3));
    EXPECT_EQ(calls.names(), (QStringList{"list", "status", "mask"}));
    EXPECT_EQ(fan.passwordAttempts(), 1);
}
