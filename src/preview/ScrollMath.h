// The arithmetic of panning and scrolling the page picture inside its view, in twips and
// scroll-bar units, kept free of widgets so every case can be checked exactly.
#pragma once

#include <optional>

namespace preview {

// Rounds to the nearest whole number, halves to the even neighbour.
long roundHalfEven(double value);

// A scroll bar's set-up for one direction.
struct AxisSetup {
  bool enabled = false;
  int max = 0;   // the bar's range is 0..max units
  int step = 0;  // twips per unit: 0 (disabled), 1 or 10
};

// How a bar is set up for a picture of `pictureOuter` twips in a view of `viewOuter`:
// disabled when the picture fits, single-twip units up to 100 twips of travel, tens beyond.
AxisSetup setupAxis(long pictureOuter, long viewOuter);

// The picture's left (or top) for a bar at `value`: never overflows for any bar value.
long offsetForValue(int step, int value);

// Keeps a dragged picture's left (or top) within the view: never right of (below) the
// view's edge, and never so far left (up) that it leaves a gap, unless the picture fits.
double clampDrag(double newPosition, long viewInner, long pictureOuter);

// How far through its travel the picture is, in whole percent (halves to even); nothing
// when the picture is not larger than the view in that direction.
std::optional<int> travelPercent(double position, long pictureOuter, long viewOuter);

// The bar value a percentage stands for; nothing when the percentage is outside 0..99
// or, with `refuseBeyondMax`, when the value would pass the bar's maximum.
std::optional<int> valueForPercent(int percent, int max, bool refuseBeyondMax);

// How far a wheel notch (120 eighths of a degree) moves the page, in twips: about three
// lines of text, as other programs scroll.
inline constexpr long kWheelNotchTwips = 720;

// The bar value after the page moved `twips` further along (negative: back), in units of
// `step` twips, held within 0..max. A bar without steps (disabled) keeps its value.
int valueAfterMove(int value, int max, int step, long twips);

// How far Page Up and Page Down move the page: the view's inner size less a tenth, so the
// edge just passed stays in sight.
long pageMoveTwips(long viewInner);

// The zoom after `notches` Ctrl+wheel notches from `zoom`: 0.25 a notch, held within the
// zoom limits 0.25 to 4.
double zoomAfterNotches(double zoom, int notches);

// Whole notches from wheel deltas: high-resolution wheels and touchpads send parts of a
// notch, which are kept until they add up to one.
class WheelNotches {
 public:
  int add(int angleDelta);

 private:
  int pending_ = 0;
};

}  // namespace preview
