// The union editor's search for fans over real multicast, inside the private network of
// scripts/in-test-lan.
#include "EventLoop.h"
#include "FakeFanSsdp.h"
#include "Modules/Union/UnionDeviceCell.h"
#include "Modules/Union/UnionEditViewController.h"
#include "NetworkingDevice.h"
#include "QXUdpSocket.h"

#include <QLabel>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>

#include <gtest/gtest.h>

namespace {

using orvane::test::FakeFanSsdp;
using orvane::test::spinFor;
using orvane::test::waitUntil;

class UnionEditorSearch : public ::testing::Test
{
protected:
    void SetUp() override
    {
        fan = std::make_unique<FakeFanSsdp>(QHostAddress(QStringLiteral("192.168.2.10")));
        fan->setAnswers({FakeFanSsdp::answer(QStringLiteral("192.168.2.10"), QStringLiteral("Zeta_kvi_01")),
                         FakeFanSsdp::answer(QStringLiteral("192.168.2.11"), QStringLiteral("Alpha_kvi_02"))});
        ASSERT_TRUE(fan->start());
        editor = new UnionEditViewController(nullptr, {}, &socket);
        editor->show();
    }
    void TearDown() override { delete editor.data(); }

    QStringList listed() const
    {
        QStringList names;
        for (qint64 row = 0; UnionDeviceCell *cell = editor->cell(row); ++row)
            names << cell->nameLabel()->text() + u' ' + cell->toolTip();
        return names;
    }

    std::unique_ptr<FakeFanSsdp> fan;
    QXUdpSocket socket{QStringLiteral("239.255.255.250"), 1901, 1900};
    QPointer<UnionEditViewController> editor;
};

TEST_F(UnionEditorSearch, AFiveSecondSearchListsTheFansByName)
{
    editor->searchBtn()->click();
    EXPECT_TRUE(editor->searchBtn()->isHidden());
    EXPECT_FALSE(editor->indicator()->isHidden());
    spinFor(3000);
    EXPECT_FALSE(editor->indicator()->isHidden()) << "the search lasts five seconds";
    ASSERT_TRUE(waitUntil([&] { return editor->indicator()->isHidden(); }, 5000));
    spinFor(20);
    EXPECT_FALSE(editor->searchBtn()->isHidden());
    EXPECT_EQ(listed(), (QStringList{"Alpha_kvi_02 192.168.2.11", "Zeta_kvi_01 192.168.2.10"}));
}

TEST_F(UnionEditorSearch, ASearchRefusedWhileAnotherRunsEmptiesTheList)
{
    bool otherDone = false;
    socket.searchDevicesWithDuration(0.5, [&](const QXSearchResults &) { otherDone = true; });
    editor->searchDevices();
    spinFor(50);
    EXPECT_TRUE(listed().isEmpty());
    EXPECT_TRUE(editor->indicator()->isHidden());
    ASSERT_TRUE(waitUntil([&] { return otherDone; }));
}

TEST_F(UnionEditorSearch, AnEditorGoneBeforeTheSearchEndsIsLeftAlone)
{
    editor->searchDevices();
    delete editor.data();
    // The search ends with nobody to show its results, and the socket is free again.
    ASSERT_TRUE(waitUntil([&] { return socket.status() == QXUdpSocket::Status::Ready; }, 7000));
    spinFor(50);
}

} // namespace
