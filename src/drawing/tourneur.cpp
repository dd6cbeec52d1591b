// Rotation of a point: exact quarters, otherwise double-precision trigonometry.
#include "drawing/tourneur.h"

#include <cmath>
#include <numbers>

namespace tavlo {

namespace {

// Truncation toward zero to 16 bits. The value is first brought into the
// 32-bit range, where the conversion is defined, and then wrapped.
std::int16_t tronque16(float v) {
  if (!std::isfinite(v)) return 0;
  double t = std::trunc(static_cast<double>(v));
  t = std::fmod(t, 65536.0);
  return static_cast<std::int16_t>(static_cast<std::int32_t>(t));
}

}  // namespace

Tourneur::Tourneur() : angle_(0), radians_(0), x_(0), y_(0), exact_(1), quart_(0) {}

void Tourneur::fixeangle(float degres) {
  angle_ = degres;
  radians_ = static_cast<float>(static_cast<double>(degres) * std::numbers::pi / 180.0);
  exact_ = 0;
  quart_ = 0;
  if (!std::isfinite(degres)) return;
  // The quarter of a degree absorbs angles that arrive as 89.99... from a
  // float division (900 tenths / 10 is exact, but computed angles are not).
  double k = std::fmod(std::trunc(static_cast<double>(degres + 0.25f)), 360.0);
  if (k < 0) k += 360.0;
  if (k == 0 || k == 90 || k == 180 || k == 270) {
    exact_ = 1;
    quart_ = static_cast<std::int16_t>(k);
  }
}

float Tourneur::tourne(bool enx) const {
  if (exact_ != 0) {
    switch (quart_) {
      case 90: return enx ? -y_ : x_;
      case 180: return enx ? -x_ : -y_;
      case 270: return enx ? y_ : -x_;
      default: return enx ? x_ : y_;
    }
  }
  const double r = radians_, x = x_, y = y_;
  return static_cast<float>(enx ? x * std::cos(r) - y * std::sin(r)
                                : x * std::sin(r) + y * std::cos(r));
}

std::int16_t Tourneur::xtourne() const { return tronque16(tourne(true)); }
std::int16_t Tourneur::ytourne() const { return tronque16(tourne(false)); }

}  // namespace tavlo
