// One instruction, or each member's mask plan, sent to every member of a union.
#include "UnionFans.h"

#include "Modules/Union/UnionSender.h"

#include "QXButton.h"

namespace {

using namespace orvane::test;

class SendToAll : public UnionFans
{
protected:
    // Runs the default masks on a union of fresh fans and checks that each received its own
    // plan and that every row completed; returns how many members are bottom fans.
    int expectEachMemberGetsItsMaskPlan(qint64 rows, qint64 colomns)
    {
        addFans(int(rows * colomns));
        const std::shared_ptr<UnionData> wall = unionOf(rows, colomns);
        presenter.answerNext(press("btnOK"));
        UnionSender(wall, connector()).defaultMaskAction();
        EXPECT_TRUE(waitUntil([&] { return sheetSettled(); }, 15000));
        int bottoms = 0;
        for (const auto &fan : fans) {
            const MaskPlan plan = wall->maskInstructions(fan->device);
            QList<std::pair<quint8, qint16>> expected;
            for (auto it = plan.cbegin(); it != plan.cend(); ++it)
                expected.append({quint8(it.key()), it.value()});
            QList<std::pair<quint8, qint16>> received = fan->instructions();
            std::sort(received.begin(), received.end());
            std::sort(expected.begin(), expected.end());
            EXPECT_EQ(received, expected) << fan->name.toStdString();
            EXPECT_EQ(received.size(), wall->isTopDevice(fan->device) ? 3 : 11);
            bottoms += wall->isTopDevice(fan->device) ? 0 : 1;
        }
        const auto sheet = sheetRows();
        EXPECT_EQ(sheet.size(), rows * colomns);
        for (const auto &row : sheet)
            EXPECT_EQ(row->fractionCompleted(), 1.0);
        return bottoms;
    }
};

int engaged(const std::vector<std::unique_ptr<UnionFan>> &fans)
{
    return int(std::count_if(fans.cbegin(), fans.cend(), [](const auto &fan) { return fan->ins->connectionCount() > 0; }));
}

TEST_F(SendToAll, AtMostNineMembersAreEngagedAndTheRestFollowInOrder)
{
    addFans(12);
    for (const auto &fan : fans)
        fan->ins->setDelay(700);
    UnionSender(unionOf(3, 4), connector()).sendInsForAllDevice(QXInsCode::whiteBlank, 1);
    ASSERT_TRUE(waitUntil([&] { return engaged(fans) == 9; }));
    spinFor(300);
    EXPECT_EQ(engaged(fans), 9) << "the tenth waits while nine replies are held";
    for (int i = 9; i < 12; ++i)
        EXPECT_EQ(fans.at(i)->ins->connectionCount(), 0) << "members start in grid order";

    ASSERT_TRUE(waitUntil([&] { return sheetSettled(); }, 10000));
    for (const auto &row : sheetRows())
        EXPECT_EQ(row->fractionCompleted(), 1.0);
    for (const auto &fan : fans)
        EXPECT_EQ(fan->instructions(), (QList<std::pair<quint8, qint16>>{{35, 1}}));
    auto *sheet = qobject_cast<MultyProgressDialogController *>(presenter.last());
    EXPECT_TRUE(sheet->confirmBtn()->isEnabled());
}

TEST_F(SendToAll, AnOfflineMemberPausesItsRowAndTheOthersComplete)
{
    addFans(3);
    fans.at(1)->ins->setRefuseConnections(true);
    UnionSender(unionOf(1, 3), connector()).sendInsForAllDevice(QXInsCode::clearList, 0);
    ASSERT_TRUE(waitUntil([&] { return sheetSettled(); }));
    const auto rows = sheetRows();
    ASSERT_EQ(rows.size(), 3);
    EXPECT_EQ(rows[0]->fractionCompleted(), 1.0);
    EXPECT_TRUE(rows[1]->isPaused());
    EXPECT_EQ(rows[1]->fractionCompleted(), 0.0);
    EXPECT_EQ(rows[2]->fractionCompleted(), 1.0);
    EXPECT_EQ(fans.at(2)->instructions(), (QList<std::pair<quint8, qint16>>{{5, 0}}));
}

TEST(DeleteIndex, OnlyAPlainDecimalNumberIsAnEntry)
{
    const QList<std::pair<QString, std::optional<qint16>>> cases = {
        {"3", 2}, {"+3", 2}, {"1", 0}, {"0", -1}, {"-5", -6}, {"32767", 32766}, {"-32767", -32768},
        {"", std::nullopt}, {"abc", std::nullopt}, {" 3", std::nullopt}, {"3 ", std::nullopt}, {"3a", std::nullopt},
        {"32768", std::nullopt}, {"-32768", std::nullopt}, {"1.5", std::nullopt}, {"٣", std::nullopt},
    };
    for (const auto &[text, value] : cases)
        EXPECT_EQ(UnionSender::deleteIndexValue(text), value) << text.toStdString();
}

TEST_F(SendToAll, DeleteVideoSendsTheTypedEntryLessOneOrNothing)
{
    addFans(2);
    const UnionSender sender(unionOf(1, 2), connector());
    for (const char *refused : {"", "abc", " 3"}) {
        presenter.answerNext(typeAndPress(QString::fromLatin1(refused), "confirmBtn", "valueText"));
        sender.deleteVideoAction();
    }
    spinFor(300);
    EXPECT_EQ(presenter.presented().size(), 3) << "no sheet for an entry that does not read";
    EXPECT_EQ(engaged(fans), 0);

    presenter.answerNext(typeAndPress(QStringLiteral("3"), "confirmBtn", "valueText"));
    sender.deleteVideoAction();
    ASSERT_TRUE(waitUntil([&] { return sheetSettled(); }));
    for (const auto &fan : fans)
        EXPECT_EQ(fan->instructions(), (QList<std::pair<quint8, qint16>>{{4, 2}}));
}

TEST_F(SendToAll, DefaultMaskSendsEachMemberItsOwnPlan)
{
    EXPECT_EQ(expectEachMemberGetsItsMaskPlan(2, 2), 2);
}

// Nine members at a time: the last three start as the first ones end.
TEST_F(SendToAll, DefaultMaskReachesEveryMemberOfAThreeByFourUnion)
{
    EXPECT_EQ(expectEachMemberGetsItsMaskPlan(3, 4), 6);
}

TEST_F(SendToAll, OpenMasksFollowTheCheckerboardAndCancellingSendsNothing)
{
    addFans(2);
    const std::shared_ptr<UnionData> pair = unionOf(1, 2);
    presenter.answerNext(press("btnCancel"));
    UnionSender(pair, connector()).onlyOpenMaskAction(true);
    spinFor(200);
    EXPECT_EQ(engaged(fans), 0);

    presenter.answerNext(press("btnOK"));
    UnionSender(pair, connector()).onlyOpenMaskAction(true);
    ASSERT_TRUE(waitUntil([&] { return sheetSettled(); }));
    for (const auto &fan : fans) {
        const qint16 mode = pair->isTopDevice(fan->device) ? 1 : 2;
        EXPECT_EQ(fan->instructions(), (QList<std::pair<quint8, qint16>>{{34, mode}}));
    }
}

} // namespace
