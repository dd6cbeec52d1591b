// tavlo-grid: the puzzle core without the window. Builds a grid from a
// definition file or from the built-in table and reports what the game would
// make of it.
//
//   tavlo-grid check FILE [--level N] [--state ETATJEU] [--json]
//   tavlo-grid list
//   tavlo-grid show ID [--level N] [--json]
//   tavlo-grid solve ID|FILE [--level N]
//   tavlo-grid render ID|FILE --png OUT [--level N] [--size 40|50|60|70]
//                     [--state ETATJEU] [--highlight]
//
// Exit status: 0 when the command did its work (for solve: the solution is
// unique), 1 when solve finds no solution or several, 2 on bad input (a
// missing or unreadable file, an unknown grid, an unknown or malformed option).
#include <iomanip>
#include <iostream>
#include <string>
#include <vector>

#include "core/etatjeu.h"
#include "core/grille.h"
#include "core/solveur.h"
#include "options.h"
#include "rapport.h"
#include "render.h"
#include "settings/chargement.h"
#include "source.h"
#include "text/texte.h"

namespace {

using namespace tavlo;

constexpr int ERREUR = 2;

int echec(const std::string& message) {
  std::cerr << "tavlo-grid: " << message << "\n";
  return ERREUR;
}

void usage(std::ostream& o) {
  o << "usage: tavlo-grid check FILE [--level N] [--state ETATJEU] [--json]\n"
       "       tavlo-grid list\n"
       "       tavlo-grid show ID [--level N] [--json]\n"
       "       tavlo-grid solve ID|FILE [--level N]\n"
       "       tavlo-grid render ID|FILE --png OUT [--level N] [--size 40|50|60|70]\n"
       "                         [--state ETATJEU] [--highlight]\n"
       "  FILE       grid definition, one line per non-empty line (Windows-1252)\n"
       "  ID         a built-in grid identifier (see list), loaded with its own level\n"
       "  --level    level number 1 to 7\n"
       "  --state    game-state text to read into the grid\n"
       "  --json     print one JSON object instead of the text report\n"
       "  solve      prints the number of solutions (2 means two or more), whether\n"
       "             reasoning alone finds it, and the solution as a game-state text;\n"
       "             exits 0 when it is unique, 1 otherwise\n"
       "  render     paints the grid as the game window does into a PNG; the last\n"
       "             line printed is 'origin X Y', the pixel of the lattice origin\n";
}

void imprime(Grille& g, bool json) {
  if (json)
    std::cout << outil::enjson(g).dump(2, ' ', false, nlohmann::json::error_handler_t::replace)
              << "\n";
  else
    outil::entexte(g, std::cout);
}

int check(const std::vector<std::string>& args) {
  auto l = outil::analyse(args, {"level", "state"}, {"json"});
  auto niveau = l.entierentre("level", 1, 7);
  if (!l.erreur.empty()) return echec(l.erreur);
  if (l.positionnels.size() != 1) return echec("check needs exactly one FILE");
  Grille g;
  std::string erreur;
  if (!outil::prepare({l.positionnels[0], false, niveau, l.valeur("state")}, g, erreur))
    return echec(erreur);
  imprime(g, l.drapeau("json"));
  return 0;
}

int show(const std::vector<std::string>& args) {
  auto l = outil::analyse(args, {"level"}, {"json"});
  auto niveau = l.entierentre("level", 1, 7);
  if (!l.erreur.empty()) return echec(l.erreur);
  if (l.positionnels.size() != 1) return echec("show needs exactly one ID");
  const std::string& id = l.positionnels[0];
  if (!outil::estintegree(id)) return echec("'" + id + "' is not a built-in grid (see list)");
  Grille g;
  std::string erreur;
  if (!outil::prepare({id, true, niveau, std::nullopt}, g, erreur)) return echec(erreur);
  imprime(g, l.drapeau("json"));
  return 0;
}

int list(const std::vector<std::string>& args) {
  auto l = outil::analyse(args, {}, {});
  if (!l.erreur.empty()) return echec(l.erreur);
  if (!l.positionnels.empty()) return echec("list takes no argument");
  std::cout << std::left << std::setw(10) << "grid" << std::setw(7) << "level" << std::setw(7)
            << "cells" << std::setw(10) << "complete" << std::setw(9) << "partial"
            << "catalogue\n";
  for (const GrilleIntegree& gi : grillesintegrees) {
    Grille g;
    std::string erreur;
    outil::prepare({gi.id, true, std::nullopt, std::nullopt}, g, erreur);
    int position = 0;
    Chaine entree;
    for (int n = 1; n <= chargement().nbgrilles && position == 0; ++n) {
      entreecatalogue(static_cast<std::int16_t>(n), entree);
      if (egalemaj(entree.texte(), gi.id)) position = n;
    }
    std::cout << std::setw(10) << gi.id << std::setw(7) << gi.niveau << std::setw(7)
              << g.nbcases() << std::setw(10) << g.nbhexas() << std::setw(9) << g.nbhexaps()
              << (position ? "Gr" + std::to_string(position) : std::string("-")) << "\n";
  }
  return 0;
}

int solve(const std::vector<std::string>& args) {
  auto l = outil::analyse(args, {"level"}, {});
  auto niveau = l.entierentre("level", 1, 7);
  if (!l.erreur.empty()) return echec(l.erreur);
  if (l.positionnels.size() != 1) return echec("solve needs exactly one ID or FILE");
  Grille g;
  std::string erreur;
  if (!outil::prepare({l.positionnels[0], true, niveau, std::nullopt}, g, erreur))
    return echec(erreur);
  const Resolution r = resous(g);
  std::cout << "givens " << r.donnees << "\n"
            << "solutions " << r.solutions << (r.solutions > 1 ? " (two or more)" : "") << "\n"
            << "reasoning " << (r.raisonnement ? "yes" : "no") << "\n";
  if (r.solutions != 1) return 1;
  for (std::int16_t i = 1; i <= g.nbcases(); ++i) g.fixevaleur(i, r.valeurs[static_cast<std::size_t>(i)]);
  Chaine etat;
  ecritetatjeu(g, etat);
  std::cout << "solution " << etat.texte() << "\n";
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
  if (commande == "list") return list(args);
  if (commande == "show") return show(args);
  if (commande == "solve") return solve(args);
  if (commande == "render") return outil::render(args);
  usage(std::cerr);
  return echec("unknown command '" + commande + "'");
}
