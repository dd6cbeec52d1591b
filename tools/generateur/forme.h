// The shape of a grid: the centres of its complete groups, as lattice points
// a * A + b * B. The cells are the six triangles around each centre.
//
//   bloc      grown from the origin one neighbour at a time; --serre favours
//             places with many neighbours (compact), --saut places two
//             steps away (loose, groups joined only at a corner), and
//             --hauteur keeps it within that many rows of the origin's,
//             which makes a band;
//   anneau    the centres at distance rayon .. rayon + epaisseur - 1 from the
//             origin, a hole in the middle, plus --groupes bumps outside;
//   serpent   a thin random walk of --groupes centres; --cap forbids going
//             back against one direction, --sinueux is the chance to turn;
//   dentelle  every other point within --rayon, so that groups meet only at
//             corners and leave single triangles empty between them; --trous
//             drops that share of them while the rest stays in one piece.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "hasard.h"

namespace tavlo::generation {

struct Point {
  int a = 0;
  int b = 0;
  friend bool operator==(const Point&, const Point&) = default;
  friend auto operator<=>(const Point&, const Point&) = default;
};

// The six unit steps A..F.
inline constexpr Point PAS[6] = {{1, 0}, {0, 1}, {-1, 1}, {-1, 0}, {0, -1}, {1, -1}};

inline Point operator+(Point p, Point q) { return {p.a + q.a, p.b + q.b}; }
inline Point operator*(int k, Point p) { return {k * p.a, k * p.b}; }
// Steps between two points.
int distance(Point p, Point q);

struct ParametresForme {
  std::string forme = "bloc";
  int groupes = 10;
  int rayon = 2;
  int epaisseur = 1;
  int serre = 2;     // bloc: weight of a place = (its neighbours) ^ serre
  int saut = 0;      // bloc, serpent: percent of places taken two steps away
  int hauteur = 0;   // bloc: rows allowed above and below the origin, 0 any
  int sinueux = 30;  // serpent: percent of turns
  int cap = -1;      // serpent: 0..5 forbids the opposite direction; -1 none
  int trous = 0;     // dentelle: percent of centres dropped
};

// The centres of one shape, sorted, moved so that their middle is near the
// origin (short paths). Empty when the parameters make no shape (an unknown
// name, a walk that ran into itself).
std::vector<Point> forme(const ParametresForme& p, Hasard& h);

// The compact canonical path of a point ("" for the origin, "A3B").
std::string chemin(Point p);

}  // namespace tavlo::generation
