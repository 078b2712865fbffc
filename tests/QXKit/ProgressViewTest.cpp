#include "EventLoop.h"
#include "MultyProgressDialogController.h"
#include "ProgressTableCell.h"
#include "QXButton.h"
#include "QXColor.h"
#include "QXProgress.h"
#include "QXProgressView.h"
#include "QXView.h"
#include "Screenshots.h"

#include <QAccessible>
#include <QLabel>
#include <QPointer>
#include <QTableWidget>
#include <QWidget>

#include <gtest/gtest.h>

namespace {

using orvane::test::waitUntil;

TEST(QXProgressView, PercentageIsComputedInSinglePrecision)
{
    for (const auto &[fraction, text] : {std::pair{0.57f, "57%"}, {0.999f, "99%"}, {1.2f, "120%"}, {0.05f, "5%"}})
        EXPECT_EQ(QXProgressView::percentText(fraction), QLatin1String(text)) << fraction;
}

TEST(QXProgressView, StartsEmptyThenFillsUpToTheFullWidthOnly)
{
    QXProgressView bar;
    bar.resize(300, 30);
    bar.show();
    EXPECT_EQ(bar.progressLabel()->text(), QStringLiteral("0%"));
    EXPECT_TRUE(bar.infoLabel()->text().isEmpty());
    EXPECT_EQ(bar.progressView()->width(), 0);
    EXPECT_EQ(bar.lineView()->geometry(), QRect(0, 0, 300, 2));

    bar.setProgress(1.2f);
    EXPECT_EQ(bar.progressView()->geometry(), QRect(0, 0, 300, 30));
    ASSERT_TRUE(waitUntil([&] { return bar.progressLabel()->text() == QStringLiteral("120%"); }));

    bar.setProgress(0.5f);
    EXPECT_EQ(bar.progressView()->width(), 150);
    bar.resize(400, 30);
    EXPECT_EQ(bar.progressView()->width(), 200);
}

TEST(QXProgressView, LongTextIsShortenedInTheMiddleAndAnnouncedAsAProgressBar)
{
    QXProgressView bar;
    bar.resize(200, 30);
    bar.show();
    const QString name = QStringLiteral("start_") + QString(200, QLatin1Char('x')) + QStringLiteral("_end.mp4");
    bar.setText(name);
    EXPECT_EQ(bar.text(), name);
    EXPECT_TRUE(bar.infoLabel()->text().startsWith(QStringLiteral("start_")));
    EXPECT_TRUE(bar.infoLabel()->text().endsWith(QStringLiteral("_end.mp4")));
    EXPECT_LT(bar.infoLabel()->text().size(), name.size());

    QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(&bar);
    ASSERT_NE(accessible, nullptr);
    EXPECT_EQ(accessible->role(), QAccessible::ProgressBar);
    EXPECT_EQ(accessible->text(QAccessible::Name), name);
    bar.setProgress(0.5f);
    EXPECT_EQ(accessible->text(QAccessible::Value), QStringLiteral("50%"));
}

TEST(ProgressTableCell, FollowsItsProgressAndRecoloursOnPauseAndResume)
{
    auto progress = std::make_shared<QXProgress>(100);
    ProgressTableCell cell;
    cell.config(progress, QStringLiteral("fan 1"));
    EXPECT_EQ(cell.progressBar()->text(), QStringLiteral("fan 1"));

    progress->setCompletedUnitCount(57);
    ASSERT_TRUE(waitUntil([&] { return cell.progressBar()->progressLabel()->text() == QStringLiteral("57%"); }));

    progress->pause();
    ASSERT_TRUE(waitUntil([&] { return cell.progressBar()->backgroundColor() == qxkit::hexWithHex(0x7D0000); }));
    EXPECT_EQ(cell.progressBar()->progressColor(), qxkit::hexWithHex(0x7D0000));
    EXPECT_EQ(cell.progressBar()->textColor(), qxkit::hexWithHex(0xC80000));

    progress->resume();
    ASSERT_TRUE(waitUntil([&] { return cell.progressBar()->backgroundColor() == qxkit::hexWithHex(0x3B3D4C); }));
    EXPECT_EQ(cell.progressBar()->progressColor(), QColor(Qt::white));
    EXPECT_EQ(cell.progressBar()->textColor(), qxkit::hexWithHex(0xC80000));
}

TEST(ProgressTableCell, ReboundRowForgetsTheOldProgress)
{
    auto first = std::make_shared<QXProgress>(100);
    auto second = std::make_shared<QXProgress>(100);
    ProgressTableCell cell;
    cell.config(first, QStringLiteral("first"));
    // A change still queued from the first progress must not reach the rebound row either.
    first->setCompletedUnitCount(90);
    cell.config(second, QStringLiteral("second"));
    EXPECT_EQ(cell.progress(), second);
    EXPECT_EQ(first.use_count(), 1);

    first->pause();
    first->setCompletedUnitCount(80);
    orvane::test::spinFor(50);
    EXPECT_EQ(cell.progressBar()->backgroundColor(), QColor(Qt::lightGray));
    EXPECT_EQ(cell.progressBar()->progress(), 0.0f);
    EXPECT_EQ(cell.progressBar()->text(), QStringLiteral("second"));

    second->setCompletedUnitCount(30);
    ASSERT_TRUE(waitUntil([&] { return cell.progressBar()->progress() == 0.3f; }));
}

TEST(MultyProgressDialogController, ConfirmUnlocksAtExactlyOneEvenWhenStartedDisabled)
{
    auto total = std::make_shared<QXProgress>(10000);
    MultyProgressDialogController sheet({{total, QStringLiteral("all")}}, total, false);
    EXPECT_FALSE(sheet.confirmBtn()->isEnabled());

    total->setCompletedUnitCount(9999);
    orvane::test::spinFor(50);
    EXPECT_FALSE(sheet.confirmBtn()->isEnabled());

    total->setCompletedUnitCount(10000);
    ASSERT_TRUE(waitUntil([&] { return sheet.confirmBtn()->isEnabled(); }));
    EXPECT_FALSE(sheet.confirmEnabled());

    sheet.setConfirmEnabled(false);
    ASSERT_TRUE(waitUntil([&] { return !sheet.confirmBtn()->isEnabled(); }));
}

TEST(MultyProgressDialogController, WorkFinishedBeforeTheSheetDoesNotLockIt)
{
    auto total = std::make_shared<QXProgress>(1);
    total->setCompletedUnitCount(1);
    MultyProgressDialogController sheet({}, total, false);
    ASSERT_TRUE(waitUntil([&] { return sheet.confirmBtn()->isEnabled(); }));
}

TEST(MultyProgressDialogController, ASingleRowFillsTheListAndShowsItsTextUnlessAHeightIsGiven)
{
    auto a = std::make_shared<QXProgress>(2);
    a->setCompletedUnitCount(1);
    MultyProgressDialogController single({{a, QStringLiteral("Uploading lobby.mp4")}});
    single.show();
    QTableWidget *list = single.table();
    EXPECT_EQ(single.heightOfRow(0), qreal(list->viewport()->height()));
    EXPECT_EQ(list->rowHeight(0), list->viewport()->height());
    auto *row = qobject_cast<ProgressTableCell *>(list->cellWidget(0, 0));
    ASSERT_NE(row, nullptr);
    for (QLabel *text : {row->progressBar()->infoLabel(), row->progressBar()->progressLabel()}) {
        const QRect shown(text->mapTo(list->viewport(), QPoint()), text->size());
        EXPECT_TRUE(list->viewport()->rect().contains(shown)) << text->text().toStdString();
    }
    EXPECT_EQ(list->item(0, 0)->data(Qt::AccessibleTextRole).toString(), QStringLiteral("Uploading lobby.mp4"));
    orvane::test::grabScreenshot(&single, QStringLiteral("progress-sheet-one-row"));

    single.resize(single.width(), single.height() + 60);
    EXPECT_EQ(list->rowHeight(0), list->viewport()->height());
    MultyProgressDialogController adjusted({{a, QStringLiteral("a")}}, {}, true, 80.0);
    EXPECT_EQ(adjusted.heightOfRow(0), 80.0);
}

TEST(MultyProgressDialogController, ConfirmRunsTheClosureBeforeDismissing)
{
    QWidget window;
    window.show();
    bool visibleDuringClosure = false;
    QPointer<MultyProgressDialogController> sheet;
    sheet = new MultyProgressDialogController({}, {}, true, std::nullopt,
                                              [&] { visibleDuringClosure = sheet && sheet->isVisible(); }, &window);
    sheet->open();
    sheet->confirmBtn()->click();
    EXPECT_TRUE(visibleDuringClosure);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(sheet.isNull());

    // Without a closure the button only dismisses.
    QPointer<MultyProgressDialogController> plain = new MultyProgressDialogController({}, {}, true, std::nullopt, {}, &window);
    plain->open();
    plain->confirmBtn()->click();
    EXPECT_FALSE(plain->isVisible());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(plain.isNull());
}

} // namespace
