// Reports on a built grid for tavlo-grid.
#include "rapport.h"

#include <ostream>
#include <string>

#include "core/grille.h"
#include "geometry/disposition.h"

namespace tavlo::outil {

namespace {

using nlohmann::json;

json noms(const ListeChaines& l) {
  json a = json::array();
  for (const char* nom : l) a.push_back(nom);
  return a;
}

json voisinsde(const Grille& g, std::int16_t i) {
  json a = json::array();
  for (int k = 0; k < Voisinage::NB; ++k)
    if (std::int16_t v = g.voisin(i, k)) a.push_back(v);
  return a;
}

// Level 7 is there when some cell is tagged 120 and some 100. Read from the
// cells rather than through the grid's own test, which may lower tags.
bool niveau7(const Grille& g) {
  bool a120 = false, a100 = false;
  for (std::int16_t i = 1; i <= g.nbcases(); ++i) {
    a120 = a120 || g.cellule(i).niv == 120;
    a100 = a100 || g.cellule(i).niv == 100;
  }
  return a120 && a100;
}

json groupes(Grille& g, int premier, int dernier) {
  json a = json::array();
  for (int n = premier; n <= dernier; ++n) {
    const auto gn = static_cast<std::int16_t>(n);
    const char* centre = g.nomdegroupe(gn);
    a.push_back({{"n", n}, {"centre", centre ? centre : ""}, {"x", g.xdegroupe(gn)},
                 {"y", g.ydegroupe(gn)}});
  }
  return a;
}

}  // namespace

json enjson(Grille& g) {
  g.assurevoisins();
  g.assuretrous();
  json cells = json::array();
  for (std::int16_t i = 1; i <= g.nbcases(); ++i) {
    const Case& c = g.cellule(i);
    cells.push_back({{"n", i},
                     {"name", g.cases().element(i)},
                     {"up", g.haut(i)},
                     {"x", c.x},
                     {"y", c.y},
                     {"lig", c.lig},
                     {"col", c.col},
                     {"sol", c.sol},
                     {"niv", c.niv},
                     {"fixe", c.fixe != 0},
                     {"val", c.val},
                     {"marques", c.marques},
                     {"possibles", c.possibles},
                     {"neighbours", voisinsde(g, i)}});
  }
  json j;
  j["cells"] = std::move(cells);
  j["complete_groups"] = groupes(g, 1, g.nbhexas());
  j["partial_groups"] = groupes(g, g.nbhexas() + 1, g.nbgroupes());
  j["points"] = noms(g.points());
  j["holes"] = noms(g.trous());
  j["exterior"] = noms(g.exterieur());
  j["rows"] = g.nblignes();
  j["columns"] = g.nbcolonnes();
  j["decalage"] = g.calculedecalage();
  j["level"] = {{"niveau", g.niveau()},
                {"effective", g.niveaueff()},
                {"shown", g.niveauaffiche()},
                {"pourcent", g.pourcentchoisi()},
                {"applied", g.pourcentapplique()},
                {"level7", niveau7(g)}};
  return j;
}

void entexte(Grille& g, std::ostream& o) {
  g.assurevoisins();
  g.assuretrous();
  o << "cells " << g.nbcases() << ", complete groups " << g.nbhexas() << ", partial groups "
    << g.nbhexaps() << ", rows " << g.nblignes() << ", columns " << g.nbcolonnes()
    << ", decalage " << g.calculedecalage() << "\n";
  o << "level " << g.niveau() << " (effective " << g.niveaueff() << ", shown "
    << g.niveauaffiche() << "), pourcent " << g.pourcentchoisi() << ", applied "
    << g.pourcentapplique() << ", level 7 " << (niveau7(g) ? "available" : "not available")
    << "\n";
  for (std::int16_t i = 1; i <= g.nbcases(); ++i) {
    const Case& c = g.cellule(i);
    o << i << " " << g.cases().element(i) << " lig " << c.lig << " col " << c.col << " at ("
      << c.x << ", " << c.y << ") val " << c.val << (c.fixe ? " fixe" : "") << " sol " << c.sol
      << " niv " << c.niv << " marques " << c.marques << " neighbours";
    for (int k = 0; k < Voisinage::NB; ++k)
      if (std::int16_t v = g.voisin(i, k)) o << " " << v;
    o << "\n";
  }
}

}  // namespace tavlo::outil
