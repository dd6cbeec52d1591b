// Where tavlo-grid takes a grid from.
#include "source.h"

#include "core/etatjeu.h"
#include "core/grille.h"
#include "core/regles.h"
#include "platform/fichier.h"
#include "settings/chargement.h"
#include "text/texte.h"

namespace tavlo::outil {

namespace {

// Real grids have some dozens of lines; far more would only make the list
// searches of the core crawl and the 16-bit cell numbers overflow.
constexpr int LIGNESMAX = 1000;

}  // namespace

bool estintegree(const std::string& id) {
  for (const GrilleIntegree& g : grillesintegrees)
    if (egalemaj(g.id, id.c_str())) return true;
  return false;
}

bool prepare(const Demande& d, Grille& g, std::string& erreur) {
  if (d.integreepermise && estintegree(d.source)) {
    metgrille(d.source.c_str(), g);
  } else {
    ListeChaines lignes;
    if (!charge(lignes, d.source.c_str())) {
      erreur = "cannot read " + d.source +
               (d.integreepermise ? " (nor is it a built-in grid)" : std::string());
      return false;
    }
    if (lignes.nombre() > LIGNESMAX) {
      erreur = d.source + " has more than " + std::to_string(LIGNESMAX) + " definition lines";
      return false;
    }
    g.setfromgrivecdef(lignes);
  }
  if (d.niveau) g.fixeniveau(static_cast<std::int16_t>(*d.niveau));
  g.construit();
  g.assurevoisins();
  if (d.etat) {
    litetatjeu(g, d.etat->c_str());
    g.construit();  // applies the queued records of the state
  }
  recalculepossibles(g);
  return true;
}

}  // namespace tavlo::outil
