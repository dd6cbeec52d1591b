// Tourneur: rotates one point counter-clockwise about the origin, for the
// centring offset of rotated texts and the rotated shapes of the canvas.
// Right angles are handled exactly, without trigonometry, so that a quarter
// turn never loses a pixel to rounding.
//
//   Tourneur t;
//   t.fixeangle(30);
//   t.fixepoint(10, 0);
//   t.xtourne();            // 8 (8.66 truncated)
//   t.ytourne();            // 5
//
// Results are truncated toward zero to 16 bits; a value outside the 16-bit
// range wraps, and a value that is not a number gives 0.
#pragma once

#include <cstdint>

namespace tavlo {

class Tourneur {
public:
  Tourneur();  // angle 0, point (0, 0)

  // Angle in degrees, counter-clockwise. The angle is exact when, nudged by
  // a quarter of a degree and truncated, it lands on 0, 90, 180 or 270
  // (brought into 0..359).
  void fixeangle(float degres);
  void fixedixiemes(std::int16_t dixiemes) { fixeangle(static_cast<float>(dixiemes) / 10.0f); }
  void fixepoint(float x, float y) {
    x_ = x;
    y_ = y;
  }

  std::int16_t xtourne() const;
  std::int16_t ytourne() const;

  float angle() const { return angle_; }
  float radians() const { return radians_; }
  bool exact() const { return exact_ != 0; }
  std::int16_t quart() const { return quart_; }  // 0, 90, 180 or 270 when exact, else 0

private:
  float tourne(bool enx) const;

  float angle_;
  float radians_;
  float x_;
  float y_;
  std::uint8_t exact_;
  std::int16_t quart_;
};

}  // namespace tavlo
