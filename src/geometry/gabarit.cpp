// Gabarit: building the integer hexagon and its drawing outlines.
#include "geometry/gabarit.h"

#include <cmath>

#include "geometry/internal/lettres.h"
#include "text/nombres.h"

namespace tavlo {

namespace {

constexpr long double DEUXPI = 6.283185307179586L;

// Degrees to radians in extended precision, kept as a float: the vertex
// offsets must come out the same on every build, so the precision of each
// step is fixed rather than left to the compiler.
float enradians(int degres) {
  return static_cast<float>(static_cast<long double>(degres) / 360.0L * DEUXPI);
}

// One coordinate of a vertex. Narrowing the product to float before rounding
// decides once and for all which way a product close to a half goes.
std::int16_t composante(double trig, std::int16_t r) {
  return arrondi(static_cast<float>(trig * r));
}

}  // namespace

Gabarit::Gabarit() : points_{}, construit_(0), rayon_(30), angle_(0) {
  construit();
}

void Gabarit::fixerayon(std::int16_t r) {
  if (r != rayon_) {
    rayon_ = r;
    construit_ = 0;
  }
  if (!construit_) construit();
}

void Gabarit::fixeangle(std::int16_t a) {
  if (a != angle_) {
    angle_ = a;
    construit_ = 0;
  }
  if (!construit_) construit();
}

void Gabarit::fixe(std::int16_t r, std::int16_t a) {
  if (r != rayon_ || a != angle_) {
    rayon_ = r;
    angle_ = a;
    construit_ = 0;
  }
  if (!construit_) construit();
}

void Gabarit::construit() {
  // With an even radius, x of vertex B at angle 0 is exactly r / 2: B sits
  // halfway over A and neighbouring rows of triangles meet on whole pixels.
  if (rayon_ % 2 != 0) rayon_ = static_cast<std::int16_t>(rayon_ + 1);
  const float t0 = enradians(angle_);
  const float t1 = enradians(angle_ + 60);
  std::int16_t* x = points_ + X0;
  std::int16_t* y = points_ + Y0;
  x[0] = composante(std::cos(t0), rayon_);
  y[0] = composante(std::sin(t0), rayon_);
  x[1] = composante(std::cos(t1), rayon_);
  y[1] = composante(std::sin(t1), rayon_);
  // Vertex 2 from the other two, not from its own angle: rounding each
  // vertex separately could break A + C == B by one pixel.
  x[2] = static_cast<std::int16_t>(x[1] - x[0]);
  y[2] = static_cast<std::int16_t>(y[1] - y[0]);
  for (int k = 0; k < 3; ++k) {
    x[k + 3] = static_cast<std::int16_t>(-x[k]);
    y[k + 3] = static_cast<std::int16_t>(-y[k]);
  }
  points_[CXAF] = static_cast<std::int16_t>((x[0] + x[5]) / 3);
  points_[CYAF] = static_cast<std::int16_t>((y[0] + y[5]) / 3);
  points_[CXAB] = static_cast<std::int16_t>((x[0] + x[1]) / 3);
  points_[CYAB] = static_cast<std::int16_t>((y[0] + y[1]) / 3);
  construit_ = 1;
}

std::int16_t Gabarit::xsommet(int k) const { return points_[X0 + internal::modulo6(k)]; }

std::int16_t Gabarit::ysommet(int k) const { return points_[Y0 + internal::modulo6(k)]; }

void Gabarit::eventail(Point* p, std::int32_t cx, std::int32_t cy) const {
  int i = 0;
  for (int k = 0; k < 6; ++k) {
    p[i++] = Point{cx, cy};
    p[i++] = Point{cx + xsommet(k), cy + ysommet(k)};
    p[i++] = Point{cx + xsommet(k + 1), cy + ysommet(k + 1)};
  }
  p[i] = Point{cx, cy};
}

void Gabarit::centroides(Point* p, std::int32_t cx, std::int32_t cy) const {
  for (int k = 0; k < 6; ++k) {
    p[k] = Point{cx + (xsommet(k) + xsommet(k + 1)) / 3,
                 cy - (ysommet(k) + ysommet(k + 1)) / 3};
  }
}

}  // namespace tavlo
