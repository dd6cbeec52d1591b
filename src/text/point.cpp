// Printing of Point.
#include "text/point.h"

#include <ostream>

namespace tavlo {

std::ostream& operator<<(std::ostream& os, const Point& p) {
  return os << '(' << p.x << ", " << p.y << ')';
}

}  // namespace tavlo
