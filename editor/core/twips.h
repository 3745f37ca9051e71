#pragma once

namespace lavrix {

// The design's unit: 1/1440 inch, 15 to a pixel at 96 dots per inch.
inline constexpr int kTwipsPerPixel = 15;

constexpr int TwipsToPixels(int twips) {
  return twips / kTwipsPerPixel;
}

struct TwipsRect {
  int left;
  int top;
  int width;
  int height;
};

}  // namespace lavrix
