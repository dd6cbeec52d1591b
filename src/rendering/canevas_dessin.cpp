// Canevas: pens, brushes, shapes and text, all through the program-wide
// holders and into hdc.
#include <array>
#include <cmath>
#include <vector>

#include "drawing/porteur.h"
#include "drawing/tourneur.h"
#include "geometry/gabarit.h"
#include "rendering/canevas.h"

namespace tavlo {

void Canevas::stylo(std::int16_t largeur, Couleur c) {
  pinceau_ = Pinceau{0, c, 0};
  Porteur& p = porteurstylo();
  p.adopte(creestylo(largeur, c));
  p.selectionne(hdc);
}

void Canevas::brosse(Couleur c) {
  Porteur& p = porteurbrosse();
  p.adopte(creebrosse(c));
  p.selectionne(hdc);
}

void Canevas::brossevide() {
  Porteur& p = porteurbrosse();
  p.adopte(objetstock(Stock::brossevide));
  p.selectionne(hdc);
}

void Canevas::trait(std::int16_t x1, std::int16_t y1, std::int16_t x2, std::int16_t y2) {
  if (hdc == nullptr) return;
  const Point a = appareil(x1, y1);
  const Point b = appareil(x2, y2);
  hdc->deplace(a.x, a.y);
  hdc->ligne(b.x, b.y);
}

void Canevas::polygone(std::int16_t x, std::int16_t y, const Point* points, int n) {
  if (hdc == nullptr || points == nullptr || n <= 0) return;
  // Shapes of the grid have four to seven points; no allocation for those.
  std::array<Point, 8> court;
  std::vector<Point> longue;
  Point* p = court.data();
  if (n > static_cast<int>(court.size())) {
    longue.resize(static_cast<std::size_t>(n));
    p = longue.data();
  }
  for (int k = 0; k < n; ++k) p[k] = appareil(x + points[k].x, y + points[k].y);
  hdc->polygone(p, n);
}

void Canevas::ellipse(std::int16_t x, std::int16_t y, std::int16_t rx, std::int16_t ry) {
  if (hdc == nullptr) return;
  const Point c = appareil(x, y);
  hdc->ellipse(c.x - rx, c.y - ry, c.x + rx, c.y + ry);
}

void Canevas::hexagone(std::int16_t x, std::int16_t y, std::int16_t angle, std::int16_t rayon) {
  Gabarit g;
  g.fixe(rayon, angle);
  Point p[7];
  for (int k = 0; k < 6; ++k) p[k] = Point{g.xsommet(k), g.ysommet(k)};
  p[6] = p[0];
  polygone(x, y, p, 7);
}

void Canevas::rectourne(std::int16_t x, std::int16_t y, float angle, std::int16_t l,
                        std::int16_t h) {
  const std::int32_t dl = l / 2;
  const std::int32_t dh = h / 2;
  Point p[5] = {{-dl, -dh}, {dl, -dh}, {dl, dh}, {-dl, dh}, {-dl, -dh}};
  tourne(angle, p, 5);
  polygone(x, y, p, 5);
}

void Canevas::tourne(float angle, Point* points, int n) {
  Tourneur t;
  t.fixeangle(angle);
  for (int k = 0; k < n; ++k) {
    t.fixepoint(static_cast<float>(points[k].x), static_cast<float>(points[k].y));
    points[k] = Point{t.xtourne(), t.ytourne()};
  }
}

void Canevas::ecrit(std::int16_t x, std::int16_t y, const char* texte, bool centre) {
  Fonte& f = porteurfonte();
  f.aligne(centre);
  if (hdc == nullptr) return;
  const Point p = appareil(x, y);
  f.ecritdec(p.x, p.y, texte);
}

void Canevas::ecritmm(float x, float y, const char* texte, bool centre) {
  ecrit(mmpixx(x), mmpixy(y), texte, centre);
}

void Canevas::marquedeposee(float x, float y, float taille) {
  Fonte& f = porteurfonte();
  const std::int16_t h = mmpixx(2 * taille);
  f.cree(h, static_cast<std::int16_t>(h / 3), 0, false, 0, "Times New Roman");
  f.selectionne(hdc);
  ecritmm(std::trunc(x), std::trunc(y), "\xAE", true);
  f.remet();
}

}  // namespace tavlo
