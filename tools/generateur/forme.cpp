// Shapes of grids: group centres grown, ringed, walked or laced.
#include "forme.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <map>
#include <set>

#include "geometry/chemin.h"

namespace tavlo::generation {

namespace {

using Ensemble = std::set<Point>;

int voisinsdans(const Ensemble& c, Point p, int pas = 1) {
  int n = 0;
  for (const Point& d : PAS) n += static_cast<int>(c.count(p + pas * d));
  return n;
}

bool procheduncentre(const Ensemble& c, Point p, Point sauf) {
  for (const Point& q : c) {
    if (q != sauf && distance(p, q) <= 1) return true;
  }
  return false;
}

std::uint32_t puissance(int base, int exposant) {
  std::uint32_t r = 1;
  for (int k = 0; k < exposant; ++k) r *= static_cast<std::uint32_t>(std::max(1, base));
  return r;
}

std::vector<Point> bloc(const ParametresForme& p, Hasard& h) {
  Ensemble c = {{0, 0}};
  const int serre = std::clamp(p.serre, 0, 8);
  while (static_cast<int>(c.size()) < p.groupes) {
    const bool loin = p.saut > 0 && h.pourcent(p.saut);
    std::map<Point, std::uint32_t> places;
    for (const Point& q : c) {
      for (const Point& d : PAS) {
        const Point n = q + (loin ? 2 : 1) * d;
        if (c.count(n) || places.count(n)) continue;
        if (p.hauteur > 0 && std::abs(n.b) > p.hauteur) continue;
        if (loin) {
          // joined at a corner only: no centre right next to it
          if (!procheduncentre(c, n, n)) places[n] = 1;
        } else {
          places[n] = puissance(voisinsdans(c, n), serre);
        }
      }
    }
    if (places.empty()) continue;
    std::vector<Point> lieux;
    std::vector<std::uint32_t> poids;
    for (const auto& [lieu, w] : places) {
      lieux.push_back(lieu);
      poids.push_back(w);
    }
    c.insert(lieux[h.selon(poids)]);
  }
  return {c.begin(), c.end()};
}

std::vector<Point> anneau(const ParametresForme& p, Hasard& h) {
  const int r = std::max(1, p.rayon);
  const int e = std::max(1, p.epaisseur);
  Ensemble c;
  std::vector<Point> bords;
  const Point origine{0, 0};
  for (int a = -(r + e); a <= r + e; ++a) {
    for (int b = -(r + e); b <= r + e; ++b) {
      const Point q{a, b};
      const int d = distance(q, origine);
      if (d >= r && d < r + e)
        c.insert(q);
      else if (d == r + e || (r >= 2 && d == r - 1))
        bords.push_back(q);
    }
  }
  // bumps outside the ring, or inside when the hole stays open
  for (int k = 0; k < p.groupes && !bords.empty(); ++k) {
    const std::size_t i = h.sous(static_cast<std::uint32_t>(bords.size()));
    c.insert(bords[i]);
    bords.erase(bords.begin() + static_cast<std::ptrdiff_t>(i));
  }
  return {c.begin(), c.end()};
}

std::vector<Point> serpent(const ParametresForme& p, Hasard& h) {
  Ensemble c = {{0, 0}};
  Point dernier{0, 0};
  int dir = p.cap >= 0 ? p.cap % 6 : static_cast<int>(h.sous(6));
  const int interdit = p.cap >= 0 ? (p.cap + 3) % 6 : -1;
  for (int i = 1; i < p.groupes; ++i) {
    if (h.pourcent(p.sinueux)) {
      std::vector<int> dirs;
      for (int d = 0; d < 6; ++d)
        if (d != dir && d != (dir + 3) % 6 && d != interdit) dirs.push_back(d);
      dir = dirs[h.sous(static_cast<std::uint32_t>(dirs.size()))];
    }
    const int pas = (p.saut > 0 && h.pourcent(p.saut)) ? 2 : 1;
    // the chosen direction first, then the others that keep the walk thin
    std::vector<int> essais = {dir};
    std::vector<int> autres;
    for (int d = 0; d < 6; ++d)
      if (d != dir && d != (dir + 3) % 6 && d != interdit) autres.push_back(d);
    h.melange(autres);
    essais.insert(essais.end(), autres.begin(), autres.end());
    bool avance = false;
    for (int d : essais) {
      const Point n = dernier + pas * PAS[d];
      if (c.count(n) || procheduncentre(c, n, pas == 1 ? dernier : n)) continue;
      c.insert(n);
      dernier = n;
      dir = d;
      avance = true;
      break;
    }
    if (!avance) return {};
  }
  return {c.begin(), c.end()};
}

bool dunseultenant(const Ensemble& c) {
  if (c.empty()) return true;
  Ensemble vus = {*c.begin()};
  std::vector<Point> pile = {*c.begin()};
  while (!pile.empty()) {
    const Point q = pile.back();
    pile.pop_back();
    for (const Point& d : PAS) {
      const Point n = q + 2 * d;
      if (c.count(n) && vus.insert(n).second) pile.push_back(n);
    }
  }
  return vus.size() == c.size();
}

std::vector<Point> dentelle(const ParametresForme& p, Hasard& h) {
  const int r = std::max(1, p.rayon);
  Ensemble c;
  for (int a = -r; a <= r; ++a)
    for (int b = -r; b <= r; ++b)
      if (distance({a, b}, {0, 0}) <= r) c.insert(2 * Point{a, b});
  std::vector<Point> ordre(c.begin(), c.end());
  h.melange(ordre);
  for (const Point& q : ordre) {
    if (!h.pourcent(p.trous)) continue;
    c.erase(q);
    if (!dunseultenant(c)) c.insert(q);
  }
  return {c.begin(), c.end()};
}

}  // namespace

int distance(Point p, Point q) {
  const int da = p.a - q.a;
  const int db = p.b - q.b;
  return (std::abs(da) + std::abs(db) + std::abs(da + db)) / 2;
}

std::vector<Point> forme(const ParametresForme& p, Hasard& h) {
  std::vector<Point> c;
  if (p.forme == "bloc")
    c = bloc(p, h);
  else if (p.forme == "anneau")
    c = anneau(p, h);
  else if (p.forme == "serpent")
    c = serpent(p, h);
  else if (p.forme == "dentelle")
    c = dentelle(p, h);
  if (c.empty()) return c;
  // Centre on the middle of the drawing (x runs as 2a + b, y as b).
  double sx = 0, sy = 0;
  for (const Point& q : c) {
    sx += 2 * q.a + q.b;
    sy += q.b;
  }
  const auto n = static_cast<double>(c.size());
  const int b0 = static_cast<int>(std::lround(sy / n));
  const int a0 = static_cast<int>(std::lround((sx / n - b0) / 2));
  for (Point& q : c) q = q + Point{-a0, -b0};
  std::sort(c.begin(), c.end());
  return c;
}

std::string chemin(Point p) {
  Chemin c;
  c.fixecompte(0, static_cast<std::uint16_t>(std::max(0, p.a)));
  c.fixecompte(3, static_cast<std::uint16_t>(std::max(0, -p.a)));
  c.fixecompte(1, static_cast<std::uint16_t>(std::max(0, p.b)));
  c.fixecompte(4, static_cast<std::uint16_t>(std::max(0, -p.b)));
  return c.textecompact();
}

}  // namespace tavlo::generation
