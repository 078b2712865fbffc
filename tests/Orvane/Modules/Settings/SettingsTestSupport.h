#pragma once

#include "AnsweringPresenter.h"
#include "CollectionContainerView.h"
#include "EventLoop.h"
#include "FakeFan.h"
#include "Modules/Settings/FunctionConfigViewController.h"
#include "NetworkingDevice.h"
#include "QXConnect.h"
#include "QXConnectManager.h"
#include "QXDevice.h"
#include "QXInsSocket.h"

#include <QHostAddress>

#include <gtest/gtest.h>

#include <memory>

namespace orvane::test {

constexpr qint64 plainModel = 302;
constexpr qint64 bluetoothModel = 603;
constexpr qint64 fourGModel = 604;

// The current device as a fan of this model, answering at the port on loopback (the model's own
// address is replaced before anything connects).
inline std::shared_ptr<QXDevice> useCurrentDevice(qint64 type, quint16 port)
{
    QXConnectManager &manager = QXConnect::connectManager();
    manager.configDeviceWithType(type);
    const std::shared_ptr<QXDevice> record = manager.device();
    record->updateSocketConfigs({{QStringLiteral("IP"), QStringLiteral("127.0.0.1")}});
    manager.insSocket()->setPort(port);
    return record;
}

// A status as a fan reporting these functions gives.
inline void giveFunctions(QXDevice &record, quint64 functionSet)
{
    record.configStatusWithData(QByteArray::fromHex("35a40a01"));
    record.editStatus([functionSet](QXDeviceStatus &status) { status.setFunctionSet(functionSet); });
}

inline std::shared_ptr<QXDevice> useCurrentDevice(qint64 type, quint64 functionSet, quint16 port)
{
    const std::shared_ptr<QXDevice> record = useCurrentDevice(type, port);
    giveFunctions(*record, functionSet);
    return record;
}

// Closes the socket and waits until it is down.
inline bool closeSocket(const std::shared_ptr<QXInsSocket> &socket)
{
    bool down = false;
    socket->disconnectWtihBlock([&down](qint64, const QVariant &) { down = true; });
    return waitUntil([&] { return down && socket->isDisconnected(); });
}

// Connects the socket with one status request and waits for its outcome.
inline bool connectSocket(const std::shared_ptr<QXInsSocket> &socket)
{
    bool done = false;
    const auto finish = [&done](const QXOperationRef &, qint64, const QVariant &) { done = true; };
    socket->sendInsWithType(QXInsCode::status, 0, finish, finish);
    return waitUntil([&] { return done && socket->isConnected() && socket->currentIns() == -1; });
}

// The 16-bit value of an instruction frame (05 35 A4 code high low), as the fan reads it.
inline quint16 wireValue(const FakeFan::Frame &frame)
{
    return frame.bytes.size() < 6 ? 0 : quint16(quint8(frame.bytes.at(4)) << 8 | quint8(frame.bytes.at(5)));
}

// The item the screen shows for the module; none when it shows no such module.
template <typename Item>
Item *itemOf(FunctionConfigViewController &screen, FunctionConfigViewController::FunctionModule module)
{
    const FunctionConfigViewController::Sections datas = screen.datas();
    for (int section = 0; section < datas.size(); ++section) {
        const qsizetype index = datas.at(section).indexOf(module);
        if (index >= 0)
            return qobject_cast<Item *>(screen.collection()->itemAtIndexPath({section, int(index)}));
    }
    return nullptr;
}

// The connection screen's fan at its hotspot address, which must hear nothing, with the current
// device of the model, and a union member's fan at its own address behind a password the
// connection manager knows.
struct MemberFans
{
    MemberFans(qint64 currentModel, const QString &memberName, const QString &memberAddress)
        : member{QHostAddress(memberAddress), 8000},
          device(std::make_shared<NetworkingDevice>(memberName, memberAddress))
    {
        QXConnectManager &manager = QXConnect::connectManager();
        manager.configDeviceWithType(currentModel);
        manager.configSocket();
        const QByteArray password = "member-pass";
        member.requirePassword(password);
        manager.addDevice(memberName, QString::fromLatin1(password));
    }

    FakeFan current{QHostAddress(QStringLiteral("192.168.2.1")), 8000};
    FakeFan member;
    std::shared_ptr<NetworkingDevice> device;
};

// The settings screen of a connected fan, for the tests of its editors: each test opens it for
// the model it needs and reaches the editors by module.
class SettingsEditorFixture : public ::testing::Test
{
protected:
    void TearDown() override
    {
        screen.reset();
        EXPECT_TRUE(closeSocket(socket()));
    }

    static std::shared_ptr<QXInsSocket> socket() { return QXConnect::connectManager().insSocket(); }

    // Connects to the fan as the current device of the model, with the functions and, when one is
    // given, the status, and makes the screen (neither shown nor filled yet).
    void open(qint64 model, quint64 functions, const QByteArray &status = {})
    {
        record = useCurrentDevice(model, fan.port());
        ASSERT_TRUE(connectSocket(socket()));
        giveFunctions(*record, functions);
        if (!status.isEmpty())
            record->configStatusWithData(status);
        fan.clearRecords();
        screen = std::make_unique<FunctionConfigViewController>();
    }

    template <typename Item>
    Item *editor(FunctionConfigViewController::FunctionModule module)
    {
        return itemOf<Item>(*screen, module);
    }

    // Waits for the fan to have received `count` frames and the socket to be idle again.
    bool settled(int count)
    {
        return waitUntil([&] { return fan.frames().size() == count && socket()->currentIns() == -1; });
    }

    FakeFan fan;
    AnsweringPresenter presenter;
    std::shared_ptr<QXDevice> record;
    std::unique_ptr<FunctionConfigViewController> screen;
};

} // namespace orvane::test
