#include "EventLoop.h"
#include "MultyProgressDialogController.h"
#include "ProgressTableCell.h"
#include "QXButton.h"
#include "QXColor.h"
#include "QXLocalized.h"
#include "QXProgress.h"
#include "QXProgressView.h"
#include "QXView.h"
#include "Screenshots.h"

#include <QAccessible>
#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPointer>
#include <QScrollArea>
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

TEST(QXProgressView, AssistiveTechnologyGetsThePercentageAsAValueAndTheEndInWords)
{
    QXProgressView bar;
    bar.setProgress(0.457f);
    QAccessibleValueInterface *value = QAccessible::queryAccessibleInterface(&bar)->valueInterface();
    ASSERT_NE(value, nullptr);
    EXPECT_EQ(value->currentValue().toInt(), 45);
    EXPECT_EQ(value->maximumValue().toInt(), 100);
    bar.setFailed(QStringLiteral("No answer from the fan"));
    EXPECT_EQ(bar.valueText(), QStringLiteral("No answer from the fan"));
    EXPECT_EQ(value->currentValue().toInt(), 45) << "where the work stopped";

    bar.setRunning();
    bar.setProgress(1.2f);
    EXPECT_EQ(bar.state(), QXProgressView::State::Finished);
    EXPECT_EQ(value->currentValue().toInt(), 100) << "the value stays in its range";
    EXPECT_EQ(bar.valueText(), qxLocalized(QStringLiteral("ov_progress_finished")));
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
    EXPECT_EQ(cell.progressBar()->state(), QXProgressView::State::Failed);

    progress->resume();
    ASSERT_TRUE(waitUntil([&] { return cell.progressBar()->backgroundColor() == qxkit::hexWithHex(0x3B3D4C); }));
    EXPECT_EQ(cell.progressBar()->state(), QXProgressView::State::Running);
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
    QScrollArea *list = single.list();
    EXPECT_EQ(single.heightOfRow(0), qreal(list->viewport()->height()));
    ProgressTableCell *row = single.cell(0);
    ASSERT_NE(row, nullptr);
    EXPECT_EQ(row->height(), list->viewport()->height());
    for (QLabel *text : {row->progressBar()->infoLabel(), row->progressBar()->progressLabel()}) {
        const QRect shown(text->mapTo(list->viewport(), QPoint()), text->size());
        EXPECT_TRUE(list->viewport()->rect().contains(shown)) << text->text().toStdString();
    }
    orvane::test::grabScreenshot(&single, QStringLiteral("progress-sheet-one-row"));

    single.resize(single.width(), single.height() + 60);
    EXPECT_EQ(row->height(), list->viewport()->height());
    MultyProgressDialogController adjusted({{a, QStringLiteral("a")}}, {}, true, 80.0);
    EXPECT_EQ(adjusted.heightOfRow(0), 80.0);
}

// The accessible progress bars under the interface, in tree order.
void collectBars(QAccessibleInterface *node, QList<QAccessibleInterface *> &bars)
{
    if (node->role() == QAccessible::ProgressBar)
        bars.append(node);
    for (int i = 0; i < node->childCount(); ++i)
        collectBars(node->child(i), bars);
}

TEST(MultyProgressDialogController, EachRowIsAProgressBarTheKeyboardReachesAndAFailedOneSaysSo)
{
    auto total = std::make_shared<QXProgress>(200);
    auto failed = QXProgress::create(100, total, 100);
    failed->setCompletedUnitCount(40);
    // Failed before the sheet was made: the row shows it from the start.
    failed->pause();
    auto running = QXProgress::create(100, total, 100);
    MultyProgressDialogController sheet({{failed, QStringLiteral("orvane_kvi_SN0001")},
                                         {running, QStringLiteral("orvane_kvi_SN0002")}},
                                        total);
    sheet.show();
    running->setCompletedUnitCount(45);
    ASSERT_TRUE(waitUntil([&] { return sheet.cell(1)->progressBar()->progress() == 0.45f; }));
    EXPECT_EQ(sheet.cell(2), nullptr);
    EXPECT_EQ(sheet.cell(0)->progressBar()->backgroundColor(), qxkit::hexWithHex(0x7D0000)) << "the look stays";

    // Walked from the sheet as a screen reader does; item-view cells would not be found this way.
    QList<QAccessibleInterface *> bars;
    collectBars(QAccessible::queryAccessibleInterface(&sheet), bars);
    ASSERT_EQ(bars.size(), 2);
    EXPECT_EQ(bars.at(0)->text(QAccessible::Name), QStringLiteral("orvane_kvi_SN0001"));
    EXPECT_EQ(bars.at(0)->text(QAccessible::Value), qxLocalized(QStringLiteral("ov_progress_failed")));
    ASSERT_NE(bars.at(0)->valueInterface(), nullptr);
    EXPECT_EQ(bars.at(0)->valueInterface()->currentValue().toInt(), 40);
    EXPECT_EQ(bars.at(1)->text(QAccessible::Name), QStringLiteral("orvane_kvi_SN0002"));
    EXPECT_EQ(bars.at(1)->text(QAccessible::Value), QStringLiteral("45%"));
    for (QAccessibleInterface *bar : bars)
        EXPECT_TRUE(bar->state().focusable);

    // Tab goes through the rows to the confirm button, which Enter presses.
    QApplication::setActiveWindow(&sheet);
    sheet.cell(0)->progressBar()->setFocus();
    ASSERT_TRUE(sheet.cell(0)->progressBar()->hasFocus());
    const auto tab = [] {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier);
        QApplication::sendEvent(QApplication::focusWidget(), &press);
        return QApplication::focusWidget();
    };
    EXPECT_EQ(tab(), sheet.cell(1)->progressBar());
    EXPECT_EQ(tab(), sheet.confirmBtn());
    EXPECT_TRUE(sheet.confirmBtn()->isDefault());
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
