// What tavlo-grid prints about a built grid: a short text report, or one JSON
// object holding every cell, group, vertex, hole and the level state.
#pragma once

#include <iosfwd>

#include <nlohmann/json.hpp>

namespace tavlo {
class Grille;
}

namespace tavlo::outil {

// Both make sure of the tables they read (neighbours, holes and exterior).
nlohmann::json enjson(Grille& g);
void entexte(Grille& g, std::ostream& sortie);

}  // namespace tavlo::outil
