// The catalogue, the built-in grid table and metgrille.
#include "settings/chargement.h"

#include "core/regles.h"
#include "settings/textesstockes.h"
#include "text/texte.h"
#include "textes/grilles.h"

namespace tavlo {

Chargement::Chargement() {
  // The catalogue file may list its identifiers on one line or several;
  // either way the program sees one comma text.
  ListeChaines lignes;
  ajoutelignes(cherchetexte(textes::grilles, "catalogue"), lignes);
  Chaine ligne;
  for (std::int16_t n = 1; n <= lignes.nombre(); ++n) {
    ligne.affecte(lignes.element(n));
    otespaces(ligne.texte());
    if (ligne.estvide()) continue;
    if (catalogue.nonvide()) catalogue.ajoute(",");
    catalogue.ajoute(ligne.texte());
  }
}

Chargement& chargement() {
  static Chargement c;
  return c;
}

void ajoutedefinition(const char* ligne, ListeChaines& defs) {
  Chaine reste(ligne);
  Chaine jeton;
  Chaine suffixe;
  while (reste.nonvide()) {
    jeton.extraitchamp(reste.texte());
    const char c = jeton.texte()[0];
    if (c == '%')
      suffixe.affecte(jeton.egale("%0") ? "" : jeton.texte());
    else if (c != '#' && c != 0)
      defs.ajoutefin2(jeton.texte(), suffixe.texte());
  }
}

bool cherchegrille(const char* id) {
  Chargement& c = chargement();
  c.numversion = 117;
  c.nbgrilles = 5;
  for (const GrilleIntegree& g : grillesintegrees) {
    if (!egalemaj(g.id, id)) continue;
    ajoutelignes(cherchetexte(textes::grilles, g.id), c.brouillon);
    c.niveauforce = g.niveau;
    return true;
  }
  return false;
}

void metgrille(const char* id, Grille& g) {
  Chargement& c = chargement();
  c.brouillon.efface();
  c.niveauforce = 0;
  c.style = 6;
  if (!cherchegrille(id)) {
    c.brouillon.efface();
    return;
  }
  c.defs.efface();
  g.nom.affecte(id);
  for (std::int16_t n = 1; n <= c.brouillon.nombre(); ++n)
    ajoutedefinition(c.brouillon.element(n), c.defs);

  Chaine cle;
  cle.affecte2(id, ",");
  if (!c.dernier.egale(cle.texte())) {
    c.dernier.affecte(cle.texte());
    g.setfromgrivecdef(c.defs);
  }
  // The level state and the size survive a build; applying them again makes
  // the level unresolved, so the next apply resolves it for this grid.
  g.fixepourcent(g.pourcentchoisi());
  const std::int16_t taille = g.taille();
  g.fixetaille(taille);
  if (c.changetaille) c.changetaille(g, taille);

  if (c.niveauforce > 0) g.fixeniveau(c.niveauforce);
  g.assurecases();
  g.assurevoisins();
  recalculepossibles(g);
  c.brouillon.efface();
}

void entreecatalogue(std::int16_t n, Chaine& cible) {
  Chaine reste(chargement().catalogue);
  otechamps(reste.texte(), static_cast<std::int16_t>(n > 1 ? n - 1 : 0));
  cible.extraitchamp(reste.texte());
}

}  // namespace tavlo
