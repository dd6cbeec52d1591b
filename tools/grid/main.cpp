// tavlo-grid: the puzzle core without the window. Builds a grid from a
// definition file and reports what the game would make of it.
//
//   tavlo-grid check FILE [--level N] [--state ETATJEU] [--json]
//
// Exit status: 0 when the report was printed, 2 on bad input (a missing or
// unreadable file, an unknown or malformed option).
#include <iostream>
#include <string>
#include <vector>

#include "core/etatjeu.h"
#include "core/grille.h"
#include "core/regles.h"
#include "options.h"
#include "platform/fichier.h"
#include "rapport.h"

namespace {

using namespace tavlo;

constexpr int ERREUR = 2;
// Real grids have some dozens of lines; far more would only make the list
// searches of the core crawl and the 16-bit cell numbers overflow.
constexpr int LIGNESMAX = 1000;

int echec(const std::string& message) {
  std::cerr << "tavlo-grid: " << message << "\n";
  return ERREUR;
}

void usage(std::ostream& o) {
  o << "usage: tavlo-grid check FILE [--level N] [--state ETATJEU] [--json]\n"
       "  FILE     grid definition, one line per non-empty line (Windows-1252)\n"
       "  --level  level number 1 to 7 (default: the grid's level state as it is)\n"
       "  --state  game-state text to read into the grid\n"
       "  --json   print one JSON object instead of the text report\n";
}

int check(const std::vector<std::string>& args) {
  auto l = outil::analyse(args, {"level", "state"}, {"json"});
  auto niveau = l.entierentre("level", 1, 7);
  if (!l.erreur.empty()) return echec(l.erreur);
  if (l.positionnels.size() != 1) return echec("check needs exactly one FILE");
  const std::string& chemin = l.positionnels[0];

  ListeChaines lignes;
  if (!charge(lignes, chemin.c_str())) return echec("cannot read " + chemin);
  if (lignes.nombre() > LIGNESMAX)
    return echec(chemin + " has more than " + std::to_string(LIGNESMAX) + " definition lines");

  Grille g;
  g.setfromgrivecdef(lignes);
  if (niveau) g.fixeniveau(static_cast<std::int16_t>(*niveau));
  g.construit();
  g.assurevoisins();
  if (auto etat = l.valeur("state")) {
    litetatjeu(g, etat->c_str());
    g.construit();  // applies the queued records of the state
  }
  recalculepossibles(g);

  if (l.drapeau("json"))
    std::cout << outil::enjson(g).dump(2, ' ', false, nlohmann::json::error_handler_t::replace)
              << "\n";
  else
    outil::entexte(g, std::cout);
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  if (args.empty() || args[0] == "--help" || args[0] == "-h") {
    usage(args.empty() ? std::cerr : std::cout);
    return args.empty() ? ERREUR : 0;
  }
  const std::string commande = args[0];
  args.erase(args.begin());
  if (commande == "check") return check(args);
  usage(std::cerr);
  return echec("unknown command '" + commande + "'");
}
