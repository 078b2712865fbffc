// The union operation screen on its own: the button strip read from the bundled list, button
// states and widths, and the grid's place in the visible area.
#include "AnsweringPresenter.h"
#include "Core/Language.h"
#include "EventLoop.h"
#include "Modules/Union/UnionConfigViewController.h"
#include "Modules/Union/UnionContainer.h"
#include "Modules/Union/UnionData.h"
#include "Modules/Union/UnionOperationItem.h"
#include "Modules/Union/UnionProgressSheet.h"
#include "NetworkingDevice.h"
#include "ProgressTableCell.h"
#include "QXProgress.h"
#include "QXProgressView.h"
#include "Screenshots.h"

#include <QAccessible>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace {

using Screen = UnionConfigViewController;
using Action = Screen::Operation::Action;

std::shared_ptr<UnionData> unionOf(qint64 rows, qint64 colomns, const QString &names = QStringLiteral("Orvane_kvi_%1"))
{
    auto made = std::make_shared<UnionData>(QStringLiteral("hall"), rows, colomns, false, QString());
    for (qint64 i = 0; i < rows * colomns; ++i) {
        made->setDevice(i / colomns, i % colomns,
                        std::make_shared<NetworkingDevice>(names.arg(i), QStringLiteral("192.168.2.%1").arg(20 + i)));
    }
    return made;
}

TEST(OperationList, AnythingButArraysOfActionsAndTitlesGivesNoButtons)
{
    const QList<QByteArray> refused = {
        "{}", "[{}]", R"([[{"title":"ov_back"}]])", R"([[{"action":0}]])", R"([[{"action":"0","title":"ov_back"}]])",
        R"([[{"action":16,"title":"ov_back"}]])", R"([[{"action":-1,"title":"ov_back"}]])",
        R"([[{"action":1.5,"title":"ov_back"}]])", R"([[{"action":0,"title":7}]])", "not json",
    };
    for (const QByteArray &json : refused)
        EXPECT_FALSE(Screen::decodeOperations(json)) << json.constData();

    const auto groups = Screen::decodeOperations(
        R"([[{"action":0,"title":"ov_back"}],[{"action":12,"title":"ov_union_sync_on"},{"action":14,"title":"no_such_key"}]])");
    ASSERT_TRUE(groups);
    ASSERT_EQ(groups->size(), 2);
    EXPECT_EQ(groups->at(1).at(0).action, Action::openWifiSync);
    EXPECT_FALSE(groups->at(1).at(0).enabled) << "synchronisation waits for the master's answer";
    EXPECT_TRUE(groups->at(1).at(1).enabled);
    EXPECT_EQ(groups->at(1).at(1).title, QStringLiteral("no_such_key"));
    EXPECT_EQ(Screen::decodeOperations("[]")->size(), 0);
}

TEST(OperationList, AShortTitleStillGivesAHundredPointButton)
{
    EXPECT_EQ(Screen::operationWidth(QString()), 100);
    EXPECT_EQ(Screen::operationWidth(QStringLiteral("ab")), 100);
    const QString longTitle(40, QLatin1Char('W'));
    QFont font;
    font.setPixelSize(14);
    EXPECT_EQ(Screen::operationWidth(longTitle), QFontMetrics(font).horizontalAdvance(longTitle) + 40);
}

class ScreenTest : public ::testing::Test
{
protected:
    void show(const std::shared_ptr<UnionData> &shown, QSize size = QSize(1000, 700))
    {
        screen = std::make_unique<Screen>(shown);
        screen->resize(size);
        screen->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(screen.get()));
        orvane::test::spinFor(50);
    }

    orvane::test::AnsweringPresenter presenter;
    std::unique_ptr<Screen> screen;
};

TEST_F(ScreenTest, TheStripFollowsTheBundledListWithLinesBetweenGroups)
{
    show(unionOf(2, 2));
    EXPECT_EQ(screen->nameLabel()->text(), QStringLiteral("hall"));
    const auto items = screen->operationItems();
    qsizetype count = 0;
    for (const auto &group : screen->operations())
        count += group.size();
    ASSERT_EQ(items.size(), count);
    ASSERT_EQ(items.size(), 16);
    qsizetype index = 0;
    for (qsizetype group = 0; group < screen->operations().size(); ++group) {
        for (qsizetype i = 0; i < screen->operations().at(group).size(); ++i, ++index) {
            const bool line = i == screen->operations().at(group).size() - 1 && group < screen->operations().size() - 1;
            EXPECT_EQ(items.at(index)->separator()->isVisibleTo(items.at(index)), line) << index;
            const Action action = screen->operations().at(group).at(i).action;
            const bool sync = action == Action::openWifiSync || action == Action::closeWifiSync;
            EXPECT_EQ(items.at(index)->titleBtn()->isEnabled(), !sync) << index;
            EXPECT_FALSE(items.at(index)->titleBtn()->accessibleName().isEmpty() && items.at(index)->titleBtn()->text().isEmpty());
        }
    }
    screen->setSyncOperationsEnabled(true);
    screen->setRefreshOperationEnabled(false);
    EXPECT_TRUE(items.at(12)->titleBtn()->isEnabled());
    EXPECT_TRUE(items.at(13)->titleBtn()->isEnabled());
    EXPECT_FALSE(items.at(14)->titleBtn()->isEnabled());
    orvane::language::setLanguage(QStringLiteral("en"));
    show(unionOf(2, 2));
    orvane::test::grabScreenshot(screen.get(), QStringLiteral("union-config"));
    EXPECT_NE(screen->operationItems().at(0)->titleBtn()->text(), QStringLiteral("ov_back")) << "titles are translated";
    orvane::language::setLanguage(std::nullopt);
}

TEST_F(ScreenTest, ANarrowGridIsCentredAndAWideOneWidensTheContent)
{
    show(unionOf(1, 2));
    const QRect grid = screen->unionView()->geometry();
    const int visible = screen->contentView()->parentWidget()->width();
    EXPECT_GE(grid.x(), 10);
    EXPECT_NEAR(grid.x() + grid.width() / 2, visible / 2, 1);
    EXPECT_EQ(grid.y(), 10);

    show(unionOf(3, 12), QSize(600, 500));
    EXPECT_EQ(screen->unionView()->x(), 10);
    EXPECT_GT(screen->contentView()->width(), screen->contentView()->parentWidget()->width());
}

TEST_F(ScreenTest, TheUnionListMakesThisScreen)
{
    std::unique_ptr<QWidget> made(orvane::unions::makeUnionConfigViewController(unionOf(1, 1)));
    auto *config = qobject_cast<Screen *>(made.get());
    ASSERT_TRUE(config);
    EXPECT_EQ(config->data()->name(), QStringLiteral("hall"));
}

TEST_F(ScreenTest, EachMemberOfTheProgressSheetIsHeardWithItsStateInTheOperatorsLanguage)
{
    struct Words
    {
        const char *code;
        const char *failedAt, *failed, *running, *complete;
    };
    const Words languages[] = {{"en", "Failed at 40%", "Failed", "In progress: 45%", "Complete"},
                               {"ja", "40% で失敗", "失敗", "進行中：45%", "完了"}};
    for (const Words &words : languages) {
        orvane::language::setLanguage(QString::fromLatin1(words.code));
        show(unionOf(2, 2, QStringLiteral("orvane_kvi_SN000%1")));
        const QString code = QLatin1String(words.code);
        orvane::test::grabScreenshot(screen.get(), QStringLiteral("union-config-long-names-%1").arg(code));
        const UnionProgress progress = UnionProgress::make({QStringLiteral("orvane_kvi_SN0001"),
                                                            QStringLiteral("orvane_kvi_SN0002"),
                                                            QStringLiteral("orvane_kvi_SN0003")});
        const QPointer<MultyProgressDialogController> sheet = presentUnionProgress(screen.get(), progress, true);
        ASSERT_TRUE(sheet);
        // The first member's socket fails at 40%, the second runs, the third is done.
        progress.row(0)->setCompletedUnitCount(40);
        rowOutcome(progress.row(0), [] {}).failure(nullptr, 0, {});
        progress.row(1)->setCompletedUnitCount(45);
        rowOutcome(progress.row(2), [] {}).success(nullptr, 0, {});
        ASSERT_TRUE(orvane::test::waitUntil([&] {
            return sheet->cell(0)->progressBar()->state() == QXProgressView::State::Failed
                && sheet->cell(1)->progressBar()->progress() == 0.45f
                && sheet->cell(2)->progressBar()->state() == QXProgressView::State::Finished;
        }));
        const auto heard = [&](int row, QAccessible::Text kind) {
            return QAccessible::queryAccessibleInterface(sheet->cell(row)->progressBar())->text(kind);
        };
        EXPECT_EQ(heard(0, QAccessible::Name), QStringLiteral("orvane_kvi_SN0001"));
        EXPECT_EQ(heard(0, QAccessible::Description), QString::fromUtf8(words.failedAt));
        EXPECT_EQ(heard(0, QAccessible::Value), QString::fromUtf8(words.failed));
        EXPECT_EQ(heard(1, QAccessible::Description), QString::fromUtf8(words.running));
        EXPECT_EQ(heard(1, QAccessible::Value), QStringLiteral("45%"));
        EXPECT_EQ(heard(2, QAccessible::Description), QString::fromUtf8(words.complete));
        sheet->show();
        orvane::test::spinFor(20);
        orvane::test::grabScreenshot(sheet, QStringLiteral("union-sheet-failed-%1").arg(code));
        sheet->accept();
    }
    orvane::language::setLanguage(std::nullopt);
}

} // namespace
