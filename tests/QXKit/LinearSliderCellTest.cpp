#include "LinearSliderCell.h"

#include <gtest/gtest.h>

namespace {

TEST(LinearSliderCell, SpreadsTickMarksBetweenTheKnobCentres)
{
    LinearSliderCell slider;
    // A 108-point tick area plus the knob's two halves.
    slider.resize(int(108 + LinearSliderCell::knobThickness), 24);
    slider.setNumberOfTickMarks(5);
    const QList<QRectF> ticks = slider.tickMarkRects();
    ASSERT_EQ(ticks.size(), 5);
    EXPECT_DOUBLE_EQ(ticks.at(0).x(), LinearSliderCell::knobThickness / 2);
    for (int i = 1; i < ticks.size(); ++i)
        EXPECT_DOUBLE_EQ(ticks.at(i).x() - ticks.at(i - 1).x(), 27.0);
    slider.setNumberOfTickMarks(1);
    ASSERT_EQ(slider.tickMarkRects().size(), 1);
    EXPECT_DOUBLE_EQ(slider.tickMarkRects().at(0).x(), LinearSliderCell::knobThickness / 2);
    for (int none : {0, -3}) {
        slider.setNumberOfTickMarks(none);
        EXPECT_TRUE(slider.tickMarkRects().isEmpty());
    }
}

TEST(LinearSliderCell, FillsUpToTheValueAndNothingForAnEmptyRange)
{
    LinearSliderCell slider;
    slider.resize(208, 24);
    slider.setRange(0, 100);
    slider.setValue(50);
    EXPECT_DOUBLE_EQ(slider.filledBarRect().width(), 100.0);

    slider.setRange(5, 5);
    EXPECT_DOUBLE_EQ(slider.filledBarRect().width(), 0.0);
    // Drawing an empty range must not fail either.
    EXPECT_FALSE(slider.grab().isNull());
}

} // namespace
