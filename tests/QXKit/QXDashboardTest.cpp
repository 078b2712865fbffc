#include "QXDashboard.h"
#include "QXLogCapture.h"

#include <QAccessible>
#include <QApplication>
#include <QElapsedTimer>
#include <QTest>

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <numbers>
#include <utility>
#include <vector>

namespace {

struct RecordingDelegate : QXDashboardDelegate
{
    QXDashboard *dashboard = nullptr;
    std::vector<std::pair<double, double>> calls;
    std::vector<double> valuesDuringCall;
    void valueChanged(double from, double to) override
    {
        calls.emplace_back(from, to);
        valuesDuringCall.push_back(dashboard->value());
    }
};

struct QXDashboardTest : ::testing::Test
{
    QXDashboard dashboard;
    RecordingDelegate delegate;
    const QPoint centre{120, 120};

    void SetUp() override
    {
        dashboard.resize(240, 240);
        delegate.dashboard = &dashboard;
        dashboard.setDelegate(&delegate);
        dashboard.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&dashboard));
    }

    // The point at `degrees` clockwise from straight up, `distance` from the centre.
    QPointF pointAt(double degrees, double distance) const
    {
        const double radians = degrees * std::numbers::pi / 180;
        return QPointF(centre.x() + distance * std::sin(radians), centre.y() - distance * std::cos(radians));
    }
};

TEST_F(QXDashboardTest, ADoubleClickSetsTheAngleClockwiseFromUp)
{
    const std::vector<std::pair<QPoint, double>> clicks{
        {centre + QPoint(50, 0), 90}, {centre + QPoint(0, 50), 180}, {centre + QPoint(-50, 0), 270}, {centre + QPoint(0, -50), 0}};
    for (const auto &[point, expected] : clicks) {
        QTest::mouseDClick(&dashboard, Qt::LeftButton, {}, point);
        EXPECT_EQ(dashboard.value(), expected);
    }
    const std::vector<std::pair<double, double>> expectedCalls{{0, 90}, {90, 180}, {180, 270}, {270, 0}};
    EXPECT_EQ(delegate.calls, expectedCalls);
    // The delegate hears of the change while the dial still shows the old value.
    EXPECT_EQ(delegate.valuesDuringCall, (std::vector<double>{0, 90, 180, 270}));
}

TEST_F(QXDashboardTest, ASingleClickChangesNothing)
{
    QTest::mouseClick(&dashboard, Qt::LeftButton, {}, centre + QPoint(50, 0));
    QTest::qWait(QApplication::doubleClickInterval() + 50);
    QTest::mouseClick(&dashboard, Qt::LeftButton, {}, centre + QPoint(0, 50));
    EXPECT_EQ(dashboard.value(), 0);
    EXPECT_TRUE(delegate.calls.empty());
}

TEST_F(QXDashboardTest, OnlyClicksWithinTheRingCount)
{
    QTest::mouseDClick(&dashboard, Qt::LeftButton, {}, centre + QPoint(106, 0));
    EXPECT_TRUE(delegate.calls.empty());
    QTest::mouseDClick(&dashboard, Qt::LeftButton, {}, centre + QPoint(105, 0));
    EXPECT_EQ(dashboard.value(), 90);
    // The exact centre has no direction.
    dashboard.onClickeWithClick(centre);
    EXPECT_EQ(delegate.calls.size(), 1u);
}

TEST_F(QXDashboardTest, AnglesRoundToWholeDegreesAnd360IsZero)
{
    dashboard.onClickeWithClick(pointAt(200.6, 60));
    EXPECT_EQ(dashboard.value(), 201);
    dashboard.onClickeWithClick(pointAt(359.6, 60));
    EXPECT_EQ(dashboard.value(), 0);
    dashboard.onClickeWithClick(pointAt(0.4, 60));
    EXPECT_EQ(dashboard.value(), 0);
    dashboard.onClickeWithClick(pointAt(44.7, 100));
    EXPECT_EQ(dashboard.value(), 45);
}

TEST_F(QXDashboardTest, TheDefaultScaleHasSixtyTicksAndTwelveNumbers)
{
    const auto &ticks = dashboard.scaleTicks();
    ASSERT_EQ(ticks.size(), 60);
    for (int i = 0; i < ticks.size(); ++i) {
        EXPECT_EQ(ticks.at(i).value, 6 * i);
        EXPECT_EQ(ticks.at(i).large, i % 5 == 0) << i;
    }

    const auto &labels = dashboard.scaleLabels();
    ASSERT_EQ(labels.size(), 12);
    EXPECT_EQ(labels.at(3).text, QStringLiteral("90"));
    EXPECT_EQ(labels.at(3).anchor, QPointF(76, 0));
}

TEST(QXDashboardScale, BuildingAndPaintingADialLogsItsScaleOnce)
{
    orvane::test::QXLogCapture log("orvane.kit.dashboard");
    for (int dial = 0; dial < 2; ++dial) {
        QXDashboard dashboard;
        dashboard.resize(240, 240);
        dashboard.grab();
        dashboard.grab();
    }
    EXPECT_EQ(log.count(QStringLiteral("Scale Start:")), 2) << log.lines().join(u'\n').toStdString();
}

TEST(QXDashboardScale, ConfigsOutsideTheLimitsDrawWhatTheyCanWithoutLooping)
{
    QElapsedTimer timer;
    timer.start();

    QXDashboardConfig noSteps;
    noSteps.totalScales = 0;
    EXPECT_TRUE(QXDashboard(noSteps).scaleTicks().isEmpty());

    QXDashboardConfig notANumber;
    notANumber.maxValue = std::numeric_limits<double>::quiet_NaN();
    EXPECT_TRUE(QXDashboard(notANumber).scaleTicks().isEmpty());

    QXDashboardConfig tooFine;
    tooFine.totalScales = 1e12;
    EXPECT_TRUE(QXDashboard(tooFine).scaleTicks().isEmpty());

    QXDashboardConfig noLargeTicks;
    noLargeTicks.largeScales = 0;
    QXDashboard withoutLarge(noLargeTicks);
    EXPECT_EQ(withoutLarge.scaleTicks().size(), 60);
    EXPECT_TRUE(withoutLarge.scaleLabels().isEmpty());
    for (const auto &tick : withoutLarge.scaleTicks())
        EXPECT_FALSE(tick.large);

    // More intervals than whole values: the interval is 0.
    QXDashboardConfig zeroInterval;
    zeroInterval.largeScales = 500;
    EXPECT_TRUE(QXDashboard(zeroInterval).scaleLabels().isEmpty());

    // A first value already at the end of the scale.
    QXDashboardConfig empty;
    empty.minValiue = 360;
    EXPECT_TRUE(QXDashboard(empty).scaleTicks().isEmpty());

    EXPECT_LT(timer.elapsed(), 2000);
}

TEST_F(QXDashboardTest, AssistiveTechnologySeesADialWithItsValue)
{
    dashboard.setAccessibleName(QStringLiteral("Angle"));
    dashboard.setValue(135);
    QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(&dashboard);
    ASSERT_NE(accessible, nullptr);
    EXPECT_EQ(accessible->role(), QAccessible::Dial);
    EXPECT_EQ(accessible->text(QAccessible::Name), QStringLiteral("Angle"));
    ASSERT_NE(accessible->valueInterface(), nullptr);
    EXPECT_EQ(accessible->valueInterface()->currentValue().toDouble(), 135);
    EXPECT_EQ(accessible->text(QAccessible::Value), QStringLiteral("135"));

    // Setting the value is the operator's choice, told to the delegate first.
    accessible->valueInterface()->setCurrentValue(200.4);
    EXPECT_EQ(dashboard.value(), 200);
    ASSERT_EQ(delegate.calls.size(), 1u);
    EXPECT_EQ(delegate.calls[0], std::make_pair(135.0, 200.0));
}

TEST_F(QXDashboardTest, ArrowsTurnThePointerAndEnterChoosesIt)
{
    dashboard.setValue(358);
    EXPECT_TRUE(dashboard.focusPolicy() & Qt::TabFocus);
    struct Step
    {
        Qt::Key key;
        double pointed;
    };
    const std::vector<Step> steps = {{Qt::Key_Right, 359}, {Qt::Key_Up, 0}, {Qt::Key_PageUp, 10},
                                     {Qt::Key_Left, 9},    {Qt::Key_PageDown, 359}, {Qt::Key_Down, 358},
                                     {Qt::Key_Home, 0},    {Qt::Key_Left, 359}};
    QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(&dashboard);
    for (const Step &step : steps) {
        QTest::keyClick(&dashboard, step.key);
        EXPECT_EQ(dashboard.pointedValue(), step.pointed) << step.key;
        EXPECT_EQ(accessible->valueInterface()->currentValue().toDouble(), step.pointed);
    }
    EXPECT_EQ(dashboard.value(), 358) << "turning alone changes nothing";
    EXPECT_TRUE(delegate.calls.empty());

    QTest::keyClick(&dashboard, Qt::Key_Return);
    EXPECT_EQ(dashboard.value(), 359);
    ASSERT_EQ(delegate.calls.size(), 1u);
    EXPECT_EQ(delegate.calls[0], std::make_pair(358.0, 359.0));

    // Enter without a turn sends nothing; Esc turns the pointer back.
    QTest::keyClick(&dashboard, Qt::Key_Enter);
    QTest::keyClick(&dashboard, Qt::Key_Left);
    QTest::keyClick(&dashboard, Qt::Key_Escape);
    EXPECT_EQ(dashboard.pointedValue(), 359);
    QTest::keyClick(&dashboard, Qt::Key_Return);
    EXPECT_EQ(delegate.calls.size(), 1u);
}

} // namespace
