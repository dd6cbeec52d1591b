// Where tavlo-grid takes a grid from: a built-in identifier, loaded as the
// game loads it, or a definition file. Every subcommand that builds a grid
// goes through prepare(), so they all agree on levels and states.
#pragma once

#include <optional>
#include <string>

namespace tavlo {
class Grille;
}

namespace tavlo::outil {

struct Demande {
  std::string source;                // identifier or file
  bool integreepermise = true;       // false: source is always a file
  std::optional<int> niveau;         // level by number, 1..7
  std::optional<std::string> etat;   // game-state text read after the build
};

// Whether id names a built-in grid (ignoring case).
bool estintegree(const std::string& id);

// Builds the grid: a built-in one with its own level unless d.niveau says
// otherwise; a file with the level state left at its defaults unless
// d.niveau. Then the complete build, the neighbour table, the state text and
// the candidates. False, with a one-line reason, on bad input.
bool prepare(const Demande& d, Grille& g, std::string& erreur);

}  // namespace tavlo::outil
