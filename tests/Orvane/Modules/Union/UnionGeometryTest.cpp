#include "Modules/Union/UnionData.h"
#include "NetworkingDevice.h"

#include <gtest/gtest.h>

namespace {

using Code = QXInsCode;

std::shared_ptr<NetworkingDevice> fan(const QString &name, qint64 diameter = 720)
{
    auto device = std::make_shared<NetworkingDevice>(name, QStringLiteral("10.0.0.1"));
    device->setDiameter(diameter);
    return device;
}

MaskPlan topPlan()
{
    return {{Code::maskMode, 1}, {Code::coverLength, 30}, {Code::innerRadius, 333}};
}

MaskPlan bottomPlan(qint16 right, qint16 top, qint16 left, qint16 bottom)
{
    return {{Code::maskMode, 2},          {Code::coverLength, 30},       {Code::innerRadius, 333},
            {Code::rightMaskAngle, 0},    {Code::rightMaskLength, right}, {Code::topMaskAngle, 512},
            {Code::topMaskLength, top},   {Code::leftMaskAngle, 1024},   {Code::leftMaskLength, left},
            {Code::bottomMaskAngle, 1536}, {Code::bottomMaskLength, bottom}};
}

TEST(UnionGeometryTest, TwoByTwoFormsACheckerboardWhosePhaseTheTopFlagSets)
{
    auto a = fan("A"), b = fan("B"), c = fan("C"), d = fan("D");
    UnionData u("u", 2, 2, false, QString(), UnionGrid{{a, b}, {c, d}});
    EXPECT_EQ(u.position(a), (MemberPosition{1, 1}));
    EXPECT_EQ(u.position(d), (MemberPosition{2, 2}));

    EXPECT_FALSE(u.isTopDevice(a));
    EXPECT_EQ(u.maskInstructions(a), bottomPlan(510, 1023, 1023, 510));
    EXPECT_EQ(u.maskInstructions(b), topPlan());
    EXPECT_EQ(u.maskInstructions(c), topPlan());
    EXPECT_EQ(u.maskInstructions(d), bottomPlan(1023, 510, 510, 1023));

    u.setIsTop(true);
    EXPECT_EQ(u.maskInstructions(a), topPlan());
    EXPECT_EQ(u.maskInstructions(b), bottomPlan(1023, 1023, 510, 510));
    EXPECT_EQ(u.maskInstructions(c), bottomPlan(510, 510, 1023, 1023));
    EXPECT_EQ(u.maskInstructions(d), topPlan());
}

TEST(UnionGeometryTest, OneFanIsBottomWithEveryEdgeOrTop)
{
    auto only = fan("only");
    UnionData u("u", 1, 1, false, QString(), UnionGrid{{only}});
    EXPECT_EQ(u.maskInstructions(only), bottomPlan(1023, 1023, 1023, 1023));
    u.setIsTop(true);
    EXPECT_EQ(u.maskInstructions(only), topPlan());
}

TEST(UnionGeometryTest, NeighbourLengthFollowsTheFansOwnDiameterAndEmptySlotsCount)
{
    // The lone fan at (2, 2) of an otherwise empty 3 x 3 grid still has neighbour slots all round.
    for (const auto &[diameter, length] : {std::pair{720, 510}, {512, 362}, {1024, 724}, {0, 1}}) {
        auto middle = fan("M", diameter);
        UnionData u("u", 3, 3, false, QString());
        u.setDevice(1, 1, middle);
        EXPECT_EQ(u.maskInstructions(middle), bottomPlan(length, length, length, length)) << diameter;
    }
}

TEST(UnionGeometryTest, DeviceOutsideTheGridIsFoundByIdentityOnly)
{
    auto inside = fan("same");
    UnionData u("u", 2, 2, true, QString());
    u.setDevice(0, 1, inside);
    const auto twin = fan("same");
    EXPECT_EQ(u.position(twin), MemberPosition{});
    EXPECT_FALSE(u.isTopDevice(twin));
    EXPECT_EQ(u.maskInstructions(twin), bottomPlan(510, 1023, 1023, 510));
    EXPECT_EQ(u.position(nullptr), MemberPosition{});
    EXPECT_EQ(u.position(inside), (MemberPosition{1, 2}));
    // Slots outside the grid are never written.
    u.setDevice(2, 0, twin);
    u.setDevice(0, -1, twin);
    EXPECT_EQ(u.allDevices(), std::vector<std::shared_ptr<NetworkingDevice>>{inside});
}

TEST(UnionGeometryTest, NewRecordAndItsTextForm)
{
    EXPECT_EQ(emptyGrid<std::optional<int>>(2, 3), (std::vector<std::vector<std::optional<int>>>(2, {{}, {}, {}})));
    auto a = std::make_shared<NetworkingDevice>("A", "1.1.1.1");
    auto b = std::make_shared<NetworkingDevice>("B", "1.1.1.2");
    UnionData u("wall", 2, 3, true, QString(), UnionGrid{{nullptr, a, nullptr}, {b, nullptr, nullptr}});
    EXPECT_EQ(u.index(), -1);
    EXPECT_EQ(u.allDevices(), (std::vector<std::shared_ptr<NetworkingDevice>>{a, b}));
    u.setMasterDevice(b);
    EXPECT_EQ(u.fileText(), "wall,2,3,1,B\n,#A,1.1.1.1#,\nB,1.1.1.2#,#,\n");
}

} // namespace
