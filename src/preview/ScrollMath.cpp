#include "preview/ScrollMath.h"

#include <algorithm>
#include <cmath>

namespace preview {

long roundHalfEven(double value) { return std::lrint(std::nearbyint(value)); }

AxisSetup setupAxis(long pictureOuter, long viewOuter) {
  const long travel = pictureOuter - viewOuter;
  if (travel <= 0) return {false, 0, 0};
  if (travel <= 100) return {true, static_cast<int>(travel), 1};
  return {true, static_cast<int>(roundHalfEven(travel / 10.0)), 10};
}

long offsetForValue(int step, int value) {
  return -(static_cast<long>(step) * static_cast<long>(value));
}

double clampDrag(double newPosition, long viewInner, long pictureOuter) {
  if (newPosition > 0) return 0;
  const double lowest = static_cast<double>(viewInner - pictureOuter);
  if (lowest > newPosition) return lowest;
  return newPosition;
}

std::optional<int> travelPercent(double position, long pictureOuter, long viewOuter) {
  const long travel = pictureOuter - viewOuter;
  if (travel <= 0) return std::nullopt;
  return static_cast<int>(roundHalfEven(std::fabs(position) / travel * 100.0));
}

std::optional<int> valueForPercent(int percent, int max, bool refuseBeyondMax) {
  if (percent < 0 || percent >= 100) return std::nullopt;
  const double value = percent / 100.0 * max;
  if (refuseBeyondMax && value > max) return std::nullopt;
  return static_cast<int>(roundHalfEven(value));
}

int valueAfterMove(int value, int max, int step, long twips) {
  if (step <= 0 || max <= 0) return value;
  // In 64 bits: a large move on a large bar must not wrap.
  const long long moved = static_cast<long long>(value) + twips / step;
  return static_cast<int>(std::clamp<long long>(moved, 0, max));
}

long pageMoveTwips(long viewInner) { return std::max(1L, viewInner - viewInner / 10); }

double zoomAfterNotches(double zoom, int notches) {
  return std::clamp(zoom + 0.25 * notches, 0.25, 4.0);
}

int WheelNotches::add(int angleDelta) {
  pending_ += angleDelta;
  const int notches = pending_ / 120;  // towards zero: a part notch either way waits
  pending_ -= notches * 120;
  return notches;
}

}  // namespace preview
