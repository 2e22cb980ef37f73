#include <gtest/gtest.h>

#include <climits>

#include "preview/ScrollMath.h"

namespace preview {
namespace {

TEST(ScrollMath, RoundsHalvesToEven) {
  EXPECT_EQ(roundHalfEven(10.5), 10);
  EXPECT_EQ(roundHalfEven(11.5), 12);
  EXPECT_EQ(roundHalfEven(5.82), 6);
  EXPECT_EQ(roundHalfEven(-2.5), -2);
  EXPECT_EQ(roundHalfEven(290.8), 291);
}

TEST(ScrollMath, AxisSetupForTheThreeCases) {
  // Not wider than the view: the bar is off.
  const AxisSetup fits = setupAxis(9330, 9330);
  EXPECT_FALSE(fits.enabled);
  EXPECT_EQ(fits.step, 0);
  EXPECT_FALSE(setupAxis(100, 9330).enabled);

  // 50 twips wider: single-twip units.
  const AxisSetup small = setupAxis(9380, 9330);
  EXPECT_TRUE(small.enabled);
  EXPECT_EQ(small.max, 50);
  EXPECT_EQ(small.step, 1);
  EXPECT_EQ(offsetForValue(small.step, 1), -1);

  // Exactly 100 wider is still in single units; 101 goes to tens.
  EXPECT_EQ(setupAxis(9430, 9330).step, 1);
  EXPECT_EQ(setupAxis(9431, 9330).step, 10);

  // 105 wider: 10.5 rounds to 10, so the last 5 twips are left to dragging.
  const AxisSetup tie = setupAxis(9435, 9330);
  EXPECT_EQ(tie.max, 10);
  EXPECT_EQ(tie.step, 10);
  EXPECT_EQ(offsetForValue(tie.step, tie.max), -100);

  // 2910 wider: 291 units of ten; the last one reaches the far edge.
  const AxisSetup wide = setupAxis(9330 + 2910, 9330);
  EXPECT_EQ(wide.max, 291);
  EXPECT_EQ(wide.step, 10);
  EXPECT_EQ(offsetForValue(wide.step, 291), -2910);
}

TEST(ScrollMath, LargePicturesDoNotOverflow) {
  // A page zoomed four times is far beyond 16-bit twips.
  const AxisSetup huge = setupAxis(12238L * 4, 9330);
  EXPECT_EQ(huge.max, 3962);  // (48952 - 9330) / 10 = 3962.2
  EXPECT_EQ(offsetForValue(10, huge.max), -39620);
  EXPECT_EQ(offsetForValue(10, SHRT_MAX), -327670);
}

TEST(ScrollMath, DragStaysWithinTheView) {
  // A wide picture: never right of the left edge, never leaving a gap on the right.
  EXPECT_EQ(clampDrag(35, 9300, 12238), 0);
  EXPECT_EQ(clampDrag(-500, 9300, 12238), -500);
  EXPECT_EQ(clampDrag(-5000, 9300, 12238), 9300 - 12238);
  // A narrow picture: a drag left puts its right edge at the view's inner right edge, a
  // drag right puts its left edge back at 0.
  EXPECT_EQ(clampDrag(-40, 9300, 3000), 6300);
  EXPECT_EQ(clampDrag(200, 9300, 3000), 0);
}

TEST(ScrollMath, PercentOfTravel) {
  // Not larger than the view: no percentage.
  EXPECT_FALSE(travelPercent(0, 9330, 9330).has_value());
  EXPECT_FALSE(travelPercent(0, 5000, 9330).has_value());
  // 2910 wider at left -50: 1.718 % rounds to 2.
  EXPECT_EQ(travelPercent(-50, 9330 + 2910, 9330), 2);
  // At the far end of a drag: 100 (more when the drag limit uses the inner width).
  EXPECT_EQ(travelPercent(-2910, 9330 + 2910, 9330), 100);
  EXPECT_EQ(travelPercent(-2940, 9330 + 2910, 9330), 101);
  EXPECT_EQ(travelPercent(0, 9330 + 2910, 9330), 0);
}

TEST(ScrollMath, ValueForPercent) {
  // The click that moves a bar to the neighbouring unit: 2 % of 291 is 5.82, so 6.
  EXPECT_EQ(valueForPercent(2, 291, true), 6);
  EXPECT_EQ(offsetForValue(10, *valueForPercent(2, 291, true)), -60);
  EXPECT_EQ(valueForPercent(0, 291, true), 0);
  EXPECT_EQ(valueForPercent(99, 291, true), 288);  // 288.09
  EXPECT_EQ(valueForPercent(50, 11, false), 6);    // 5.5 -> 6 (even)
  EXPECT_EQ(valueForPercent(50, 9, false), 4);     // 4.5 -> 4 (even)
  // 100 and beyond, and negative percentages, are refused.
  EXPECT_FALSE(valueForPercent(100, 291, true).has_value());
  EXPECT_FALSE(valueForPercent(100, 291, false).has_value());
  EXPECT_FALSE(valueForPercent(-1, 291, false).has_value());
}

TEST(ScrollMath, WheelAndPageKeysMoveTheBarWithinItsRange) {
  struct Case {
    int value, max, step;
    long twips;
    int expected;
  };
  const Case cases[] = {
      {0, 291, 10, kWheelNotchTwips, 72},     // one notch down
      {72, 291, 10, -kWheelNotchTwips, 0},    // and back up
      {10, 291, 10, -kWheelNotchTwips, 0},    // stops at the top
      {280, 291, 10, kWheelNotchTwips, 291},  // stops at the bottom
      {0, 50, 1, kWheelNotchTwips, 50},       // single-twip units
      {5, 0, 0, kWheelNotchTwips, 5},         // a disabled bar keeps its value
      {0, 3962, 10, LONG_MAX / 2, 3962},      // no overflow however far
      {3962, 3962, 10, -(LONG_MAX / 2), 0},
  };
  for (const Case& c : cases)
    EXPECT_EQ(valueAfterMove(c.value, c.max, c.step, c.twips), c.expected)
        << c.value << " " << c.max << " " << c.step << " " << c.twips;
  EXPECT_EQ(pageMoveTwips(7275), 7275 - 727);
  EXPECT_EQ(pageMoveTwips(5), 5);
  EXPECT_EQ(pageMoveTwips(0), 1);
}

TEST(ScrollMath, CtrlWheelZoomsInQuartersWithinTheLimits) {
  EXPECT_DOUBLE_EQ(zoomAfterNotches(1.0, 1), 1.25);
  EXPECT_DOUBLE_EQ(zoomAfterNotches(1.0, -2), 0.5);
  EXPECT_DOUBLE_EQ(zoomAfterNotches(3.75, 3), 4.0);
  EXPECT_DOUBLE_EQ(zoomAfterNotches(0.5, -5), 0.25);
  EXPECT_DOUBLE_EQ(zoomAfterNotches(2.0, 0), 2.0);

  // Parts of a notch add up; whole notches come out at once, either way.
  WheelNotches wheel;
  EXPECT_EQ(wheel.add(60), 0);
  EXPECT_EQ(wheel.add(60), 1);
  EXPECT_EQ(wheel.add(360), 3);
  EXPECT_EQ(wheel.add(-100), 0);
  EXPECT_EQ(wheel.add(-140), -2);
}

}  // namespace
}  // namespace preview
