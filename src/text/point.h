// Point: a pair of 32-bit integer coordinates, the layout the drawing layer
// hands to polygon calls. Geometry and drawing share it; the text foundations
// shift and mirror lists of them (decale, miroir in text/nombres.h).
#pragma once

#include <cstdint>
#include <iosfwd>

namespace tavlo {

struct Point {
  std::int32_t x = 0;
  std::int32_t y = 0;

  friend bool operator==(const Point&, const Point&) = default;
};

// "(x, y)", so that test failures show coordinates rather than raw bytes.
std::ostream& operator<<(std::ostream& os, const Point& p);

}  // namespace tavlo
