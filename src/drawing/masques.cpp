// The nine pointer shapes the program draws itself, built once from a few
// strokes: the eraser cross, the arrow with a digit, the group hexagon and
// the erase burst.
#include <array>
#include <cmath>
#include <cstdlib>
#include <numbers>

#include "drawing/pointeurs.h"

namespace tavlo {

namespace {

constexpr int COTE = MasquePointeur::COTE;

// A shape being drawn: every pixel transparent until painted.
class Trace {
public:
  explicit Trace(MasquePointeur& m) : m_(m) {
    for (auto& b : m_.et) b = 0xFF;
    for (auto& b : m_.ou) b = 0;
  }

  void noir(int x, int y) { pose(x, y, false); }
  void blanc(int x, int y) { pose(x, y, true); }

  // A line of square dots of side 2 * demi + 1 (Bresenham).
  void ligne(int x0, int y0, int x1, int y1, int demi) {
    const int dx = std::abs(x1 - x0), dy = -std::abs(y1 - y0);
    const int sx = x0 < x1 ? 1 : -1, sy = y0 < y1 ? 1 : -1;
    int err = dx + dy;
    for (;;) {
      for (int a = -demi; a <= demi; ++a)
        for (int b = -demi; b <= demi; ++b) noir(x0 + a, y0 + b);
      if (x0 == x1 && y0 == y1) break;
      const int e2 = 2 * err;
      if (e2 >= dy) {
        err += dy;
        x0 += sx;
      }
      if (e2 <= dx) {
        err += dx;
        y0 += sy;
      }
    }
  }

  // Rows of text: 'X' black, '.' white, anything else untouched.
  void dessin(int x0, int y0, const char* const* lignes, int n, int echelle = 1) {
    for (int r = 0; r < n; ++r)
      for (int c = 0; lignes[r][c] != 0; ++c)
        for (int a = 0; a < echelle; ++a)
          for (int b = 0; b < echelle; ++b) {
            const int x = x0 + c * echelle + a, y = y0 + r * echelle + b;
            if (lignes[r][c] == 'X') noir(x, y);
            if (lignes[r][c] == '.') blanc(x, y);
          }
  }

private:
  void pose(int x, int y, bool blanc) {
    if (x < 0 || y < 0 || x >= COTE || y >= COTE) return;
    const int octet = y * 4 + x / 8;
    const auto bit = static_cast<std::uint8_t>(0x80 >> (x % 8));
    m_.et[octet] = static_cast<std::uint8_t>(m_.et[octet] & ~bit);
    m_.ou[octet] = static_cast<std::uint8_t>(blanc ? m_.ou[octet] | bit : m_.ou[octet] & ~bit);
  }

  MasquePointeur& m_;
};

// The classic arrow, tip at the top left.
constexpr const char* FLECHE[] = {
    "X",           "XX",          "X.X",         "X..X",        "X...X",
    "X....X",      "X.....X",     "X......X",    "X.......X",   "X........X",
    "X.....XXXXX", "X..X..X",     "X.X X..X",    "XX  X..X",    "X    X..X",
    "     X..X",   "      X..X",  "      X..X",  "       XX",
};

// Digits 1..6 on a 5 x 7 grid, drawn at twice that size.
constexpr const char* CHIFFRES[6][7] = {
    {"  X  ", " XX  ", "  X  ", "  X  ", "  X  ", "  X  ", " XXX "},
    {" XXX ", "X   X", "    X", "   X ", "  X  ", " X   ", "XXXXX"},
    {"XXXXX", "   X ", "  X  ", "   X ", "    X", "X   X", " XXX "},
    {"   X ", "  XX ", " X X ", "X  X ", "XXXXX", "   X ", "   X "},
    {"XXXXX", "X    ", "XXXX ", "    X", "    X", "X   X", " XXX "},
    {"  XX ", " X   ", "X    ", "XXXX ", "X   X", "X   X", " XXX "},
};

void gomme(MasquePointeur& m) {
  Trace t(m);
  t.ligne(5, 5, 27, 27, 1);
  t.ligne(5, 27, 27, 5, 1);
  m.xpoint = 16;
  m.ypoint = 16;
}

void chiffre(MasquePointeur& m, int k) {
  Trace t(m);
  t.dessin(1, 1, FLECHE, static_cast<int>(std::size(FLECHE)));
  t.dessin(18, 16, CHIFFRES[k - 1], 7, 2);
  m.xpoint = 1;
  m.ypoint = 1;
}

// A hexagon with its three long diagonals: the six triangles of a group.
void groupe(MasquePointeur& m) {
  Trace t(m);
  int x[6], y[6];
  for (int k = 0; k < 6; ++k) {
    const double a = k * std::numbers::pi / 3;
    x[k] = 16 + static_cast<int>(std::lround(14 * std::cos(a)));
    y[k] = 16 - static_cast<int>(std::lround(14 * std::sin(a)));
  }
  for (int k = 0; k < 6; ++k) t.ligne(x[k], y[k], x[(k + 1) % 6], y[(k + 1) % 6], 0);
  for (int k = 0; k < 3; ++k) t.ligne(x[k], y[k], x[k + 3], y[k + 3], 0);
  m.xpoint = 16;
  m.ypoint = 16;
}

// Sixteen rays of alternating length around a solid core.
void eclat(MasquePointeur& m) {
  Trace t(m);
  const int cx = 15, cy = 22;
  for (int k = 0; k < 16; ++k) {
    const double a = k * std::numbers::pi / 8;
    const double r = k % 2 == 0 ? 9.4 : 6.0;
    t.ligne(cx, cy, cx + static_cast<int>(std::lround(r * std::cos(a))),
            cy - static_cast<int>(std::lround(r * std::sin(a))), 0);
  }
  for (int a = -2; a <= 2; ++a)
    for (int b = -2; b <= 2; ++b)
      if (a * a + b * b <= 5) t.noir(cx + a, cy + b);
  m.xpoint = cx;
  m.ypoint = cy;
}

std::array<MasquePointeur, NBPOINTEURS> construit() {
  std::array<MasquePointeur, NBPOINTEURS> m{};
  gomme(m[POINTEUR_GOMME]);
  for (int k = 1; k <= 6; ++k) chiffre(m[static_cast<std::size_t>(k)], k);
  groupe(m[POINTEUR_GROUPE]);
  eclat(m[POINTEUR_ECLAT]);
  return m;
}

}  // namespace

const MasquePointeur* masquepointeur(int code) {
  static const std::array<MasquePointeur, NBPOINTEURS> masques = construit();
  if (code < 0 || code >= NBPOINTEURS || code == POINTEUR_ATTENTE || code == POINTEUR_FLECHE) return nullptr;
  return &masques[static_cast<std::size_t>(code)];
}

}  // namespace tavlo
