// Window layouts are given in twips (1/1440 inch); 15 twips make one pixel at 96 dpi.
#pragma once

#include <QRect>
#include <cmath>

namespace base {

constexpr int kTwipsPerPixel = 15;

inline int twipsToPixels(double twips) {
  return static_cast<int>(std::lround(twips / kTwipsPerPixel));
}
inline int pixelsToTwips(double pixels) {
  return static_cast<int>(std::lround(pixels * kTwipsPerPixel));
}

inline QRect twipsRect(int left, int top, int width, int height) {
  return QRect(twipsToPixels(left), twipsToPixels(top), twipsToPixels(width),
               twipsToPixels(height));
}

}  // namespace base
