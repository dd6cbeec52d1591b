// Grille: loading a definition and the seven levels. Every valued cell of a
// definition carries a tag; a level shows as givens the cells whose tag
// reaches its threshold. On loosely packed grids a shift raises the
// effective level of the easy levels, so they show fewer givens there.
#include <algorithm>

#include "core/grille.h"
#include "core/lignedef.h"
#include "text/nombres.h"

namespace tavlo {

namespace {

constexpr std::int16_t POURCENTS[7] = {75, 80, 85, 90, 95, 100, 120};

}  // namespace

void Grille::setfromgrivecdef(const ListeChaines& lignes) {
  vide();
  LigneDef d;
  Chaine nomcase;
  Chaine valeur;
  const std::int16_t n = lignes.nombre();
  for (int l = 1; l <= n; ++l) {
    if (!d.lit(lignes.element(l))) continue;
    if (d.groupe) hexas_.ajoutefin(d.texteetendu());
    if (!d.cellule) continue;
    nomcase.affecte2(d.texteetendu(), d.haut ? ":AB" : ":AF");
    cases_.ajoutefin(nomcase.texte());
    if (d.val != 0) {
      valeur.numerote2("#,#", d.val, d.niv);
      valeurs_.ecritcle(nomcase.texte(), valeur.texte());
      valeurspresentes_ = 1;
    }
  }
  cases_.triunique();
  hexas_.triunique();
  assurelistes();
}

// ---- Levels ----

std::int16_t Grille::pourcentdeniveau(int k) { return k >= 1 && k <= 7 ? POURCENTS[k - 1] : 75; }

std::int16_t Grille::niveaudepourcent(int p) {
  for (int k = 1; k <= 7; ++k) {
    if (POURCENTS[k - 1] == p) return static_cast<std::int16_t>(k);
  }
  return 1;
}

std::int16_t Grille::calculedecalage() {
  assurelistes();
  int plus = 0;
  Chemin c;
  for (const char* centre : hexas_) {
    int entoures = 0;
    for (int k = 0; k < 6; ++k) {
      c.fixetexte(centre);
      c.fixecompte(k, static_cast<std::uint16_t>(c.compte(k) + 1));
      if (hexas_.cherche(c.texteetendu()) != 0) ++entoures;
    }
    plus = std::max(plus, entoures);
  }
  return static_cast<std::int16_t>(std::min(3, 6 - plus));
}

bool Grille::niveau7disponible() {
  assurecases();
  assurevaleurs();
  bool a120 = false;
  bool a100 = false;
  for (std::size_t i = 1; i < tablecases_.size(); ++i) {
    a120 = a120 || tablecases_[i].niv == 120;
    a100 = a100 || tablecases_[i].niv == 100;
  }
  if (a120 && !a100) {
    for (Case& c : tablecases_) c.niv = std::min<std::int16_t>(c.niv, 100);
  }
  return a120 && a100;
}

void Grille::fixepourcent(std::int16_t p) {
  pourcentchoisi_ = p;
  resolu_ = 0;
  if (p == 120 && !niveau7disponible()) pourcentchoisi_ = 100;
}

void Grille::fixeniveau(std::int16_t k) {
  niveau_ = k;
  decalage_ = calculedecalage();
  if (k == 7) {
    niveaueff_ = niveauaffiche_ = niveau7disponible() ? 7 : 6;
  } else {
    niveaueff_ = static_cast<std::int16_t>(std::min(6, k + decalage_));
    niveauaffiche_ = k;
  }
  pourcentchoisi_ = pourcentdeniveau(k);
  pourcentapplique_ = pourcentdeniveau(niveaueff_);
  resolu_ = 1;
}

void Grille::resoutpourcent() {
  if (resolu_) return;
  if (pourcentchoisi_ <= 74) pourcentchoisi_ = 100;
  fixeniveau(niveaudepourcent(pourcentchoisi_));
}

void Grille::assurevaleurs() {
  if (valeursok_) return;
  assurecases();
  for (Case& c : tablecases_) {
    c.sol = c.niv = 0;
    c.fixe = 0;
  }
  if (valeurspresentes_) {
    Chaine cle;
    Chaine valeur;
    const std::int16_t n = valeurs_.nombre();
    for (int l = 1; l <= n; ++l) {
      valeurs_.separe(l, cle, valeur);
      const std::int16_t i = numero(cle.texte());
      if (!estcase(i)) continue;
      const std::int32_t v = entier(valeur.texte());
      const std::int32_t tag = entier(valeur.texte());
      // Only a value the rule knows makes a given; the definition reader
      // never writes another, but valeurs is a plain list.
      if (v < 1 || v > 6) continue;
      Case& c = modifiable(i);
      c.sol = static_cast<std::int16_t>(v);
      c.niv = static_cast<std::int16_t>(borne(tag, 0, 10000));
      c.fixe = 1;
    }
  }
  valeursok_ = 1;
  // A grid without values has no givens to show, and revealing would only
  // empty the cells the player filled.
  if (valeurspresentes_) revele(pourcentapplique_);
}

void Grille::revele(std::int16_t p) {
  for (std::size_t i = 1; i < tablecases_.size(); ++i) {
    Case& c = tablecases_[i];
    if (c.niv < p || c.sol <= 0) {
      c.val = 0;
      c.fixe = 0;
    } else {
      c.val = c.sol;
      c.fixe = 1;
    }
  }
  pourcentdernier_ = p;
}

void Grille::appliqueniveau() {
  if (!valeurspresentes_) {
    valeursok_ = 0;
    return;
  }
  assurevaleurs();
  resoutpourcent();
  if (pourcentapplique_ != pourcentdernier_) revele(pourcentapplique_);
}

void Grille::libelleniveau(Chaine& cible) const { cible.affecte(texteentier(niveauaffiche_)); }

}  // namespace tavlo
