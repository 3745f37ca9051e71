#pragma once

#include <QRect>

#include "core/twips.h"

namespace lavrix {

inline QRect ToPixels(const TwipsRect& twips) {
  return {TwipsToPixels(twips.left), TwipsToPixels(twips.top), TwipsToPixels(twips.width),
          TwipsToPixels(twips.height)};
}

}  // namespace lavrix
