// Gabarit: the regular hexagon from which every position of the puzzle is
// built. Its six integer vertex offsets are the six unit steps A..F of the
// triangular lattice (A at the angle, then counter-clockwise every 60
// degrees), and vertex 2 is computed as vertex 1 minus vertex 0 so that
// A + C == B holds exactly in pixels. Coordinates have y upward.
//
//   Gabarit g;
//   g.fixe(40, 0);          // radius 40, angle 0
//   g.xsommet(1);           // 20 (vertex B is (20, 35))
//   g.ycentre(true);        // 11: centroid of the up triangle (centre, A, B)
//
// The radius is always even: an odd radius is raised by one when the points
// are built.
#pragma once

#include <cstdint>

#include "text/point.h"

namespace tavlo {

class Gabarit {
public:
  static constexpr int NBEVENTAIL = 19;   // points filled by eventail
  static constexpr int NBCENTROIDES = 6;  // points filled by centroides

  Gabarit();  // radius 30, angle 0, points built

  // Set the radius, the angle (degrees) or both; the points are rebuilt
  // whenever a value changed.
  void fixerayon(std::int16_t r);
  void fixeangle(std::int16_t a);
  void fixe(std::int16_t r, std::int16_t a);

  std::int16_t rayon() const { return rayon_; }
  std::int16_t angle() const { return angle_; }
  bool estconstruit() const { return construit_ != 0; }

  // Offset of vertex k (direction "A" + k); k is taken modulo 6.
  std::int16_t xsommet(int k) const;
  std::int16_t ysommet(int k) const;

  // Centroid offset of the up triangle (centre, A, B) when haut is set, of
  // the down triangle (centre, A, F) otherwise.
  std::int16_t xcentre(bool haut) const { return points_[haut ? CXAB : CXAF]; }
  std::int16_t ycentre(bool haut) const { return points_[haut ? CYAB : CYAF]; }

  // Outlines for the drawing, written into the caller's array around (cx, cy).
  // eventail: NBEVENTAIL points, a polyline through the six triangles (centre,
  // vertex k, vertex k+1 for each k, then the centre again); y is added.
  // centroides: NBCENTROIDES points, the centroids of the six triangles with
  // y subtracted, so (cx, cy) is a centre in window coordinates (y downward).
  void eventail(Point* p, std::int32_t cx, std::int32_t cy) const;
  void centroides(Point* p, std::int32_t cx, std::int32_t cy) const;

private:
  // Layout of points_: x0..x5, y0..y5, then the two centroid pairs.
  enum : int { X0 = 0, Y0 = 6, CXAF = 12, CXAB = 13, CYAF = 14, CYAB = 15 };

  void construit();

  std::int16_t points_[16];
  std::uint8_t construit_;
  std::int16_t rayon_;
  std::int16_t angle_;
};

}  // namespace tavlo
