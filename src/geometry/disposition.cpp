// Grid layout on names: canonical names, the relative names around a vertex,
// and the vertices, groups, neighbours, rows and columns of a set of cells.
#include "geometry/disposition.h"

#include <cstring>
#include <string>
#include <unordered_set>

#include "geometry/chemin.h"
#include "geometry/noms.h"
#include "text/texte.h"

namespace tavlo {

namespace {

// The one step that moves a non-canonical suffix onto the vertex that owns
// its triangle or edge, and the suffix that remains there.
struct Reecriture {
  const char* avant;  // suffix letters, sorted for triangles
  int pas;            // direction index of the extra step
  const char* apres;
};

constexpr Reecriture REECRITURES[] = {
    {"BC", 2, "AF"}, {"CD", 3, "AB"}, {"DE", 3, "AF"}, {"EF", 4, "AB"},
    {"D", 3, "A"},   {"E", 4, "B"},   {"F", 5, "C"},
};

void ajoutepas(Chemin& ch, int k) { ch.fixecompte(k, static_cast<std::uint16_t>(ch.compte(k) + 1)); }

// Point reached from the vertex part of `depart` by the extra steps in
// `lettres`, as an expanded canonical text.
void avance(Chemin& ch, const char* depart, const char* lettres, Chaine& cible) {
  ch.fixetexte(depart);
  for (const char* l = lettres; *l != 0; ++l) ajoutepas(ch, *l - 'A');
  cible.affecte(ch.texteetendu());
}

// Membership of canonical cell names. Canonical names are upper case, so an
// exact match is the list's own case-blind match; the list would answer the
// same by a linear search per question, which voisins asks some eighteen
// times per cell.
class Ensemble {
public:
  explicit Ensemble(const ListeChaines& l) {
    for (std::int16_t i = 1; i <= l.nombre(); ++i) noms_.insert(l.element(i));
  }
  bool contient(const char* nom) const { return noms_.count(nom) != 0; }

private:
  std::unordered_set<std::string> noms_;
};

// The names of `rel` (a relative list) placed at `sommet`, keeping those
// that are cells.
int cellesautour(const Ensemble& cases, const char* sommet, const Chaine (&rel)[6],
                 ListeChaines* trouvees) {
  int n = 0;
  Chaine nom;
  for (const Chaine& r : rel) {
    relatif(sommet, r.texte(), nom);
    if (cases.contient(nom.texte())) {
      ++n;
      if (trouvees != nullptr) trouvees->ajoutefin(nom.texte());
    }
  }
  return n;
}

}  // namespace

void canonique(const char* nom, Chaine& cible, bool compact) {
  Chaine travail(nom);
  majuscules(travail.texte());
  const char* t = travail.texte();
  const bool marque = *t == 'X';
  if (marque) ++t;

  Chemin ch;
  ch.fixetexte(t);
  const char* deuxpoints = std::strchr(t, ':');
  Chaine suffixe(deuxpoints != nullptr ? deuxpoints + 1 : "");
  if (suffixe.longueur() == 2) triecar(suffixe.texte());
  for (const Reecriture& r : REECRITURES) {
    if (std::strcmp(suffixe.texte(), r.avant) == 0) {
      ajoutepas(ch, r.pas);
      suffixe.affecte(r.apres);
      break;
    }
  }

  Chaine resultat(marque ? "X" : "");
  resultat.ajoute(compact ? ch.textecompact() : ch.texteetendu());
  if (deuxpoints != nullptr) resultat.ajoute2(":", suffixe.texte());
  cible.affecte(resultat.texte());
}

void relatif(const char* sommet, const char* nom, Chaine& cible) {
  Chaine c;
  c.affecte2(sommet, nom);
  canonique(c.texte(), cible);
}

const NomsRelatifs& nomsrelatifs() {
  static const NomsRelatifs noms = [] {
    // Six turns of a seed by 60 degrees about the vertex, each brought back
    // to its canonical name before the next turn.
    auto tournee = [](const char* graine, Chaine* cible) {
      Chaine c(graine);
      for (int k = 0; k < 6; ++k) {
        canonique(c.texte(), cible[k]);
        c.affecte(cible[k].texte());
        tourne(c.texte());
      }
    };
    NomsRelatifs n;
    tournee(":AB", n.groupe);
    tournee(":A", n.rayons);
    tournee("C:A", n.contour);
    tournee("B:AF", n.anneau);
    tournee("A:AB", n.anneau + 6);
    tournee("A:AF", n.anneau + 12);
    return n;
  }();
  return noms;
}

bool esthaut(const char* triangle) { return contient(triangle, ":AB"); }

void sommetsdutriangle(const char* triangle, Chaine sommets[3]) {
  Chemin ch;
  avance(ch, triangle, "", sommets[0]);
  avance(ch, triangle, "A", sommets[1]);
  avance(ch, triangle, esthaut(triangle) ? "B" : "F", sommets[2]);
}

void voisinsdarete(const char* triangle, Chaine voisins[3]) {
  // Across the edges of (V, V+A, V+B): the down triangles of V, V+B and V+C;
  // across those of (V, V+A, V+F): the up triangles of V, V+E and V+F.
  const bool haut = esthaut(triangle);
  const char* const pas[3] = {"", haut ? "B" : "E", haut ? "C" : "F"};
  Chemin ch;
  Chaine sommet;
  for (int k = 0; k < 3; ++k) {
    avance(ch, triangle, pas[k], sommet);
    voisins[k].affecte2(sommet.texte(), haut ? ":AF" : ":AB");
  }
}

void construitpoints(const ListeChaines& cases, ListeChaines& points) {
  points.efface();
  Chaine sommets[3];
  for (std::int16_t i = 1; i <= cases.nombre(); ++i) {
    sommetsdutriangle(cases.element(i), sommets);
    for (const Chaine& s : sommets) points.ajoutefin(s.texte());
  }
  points.triunique();
}

void trouvegroupes(const ListeChaines& cases, ListeChaines& hexas, ListeChaines& hexaps) {
  const Ensemble ensemble(cases);
  const NomsRelatifs& rel = nomsrelatifs();
  ListeChaines points;
  construitpoints(cases, points);
  for (std::int16_t i = 1; i <= points.nombre(); ++i) {
    const char* sommet = points.element(i);
    const int n = cellesautour(ensemble, sommet, rel.groupe, nullptr);
    if (n == 6) {
      hexas.inseresiabsent(sommet);
    } else if (n >= 3) {
      hexaps.inseresiabsent(sommet);
    }
  }
  hexas.triunique();
  hexaps.triunique();
}

void construitvoisins(const ListeChaines& cases, ListeChaines& voisins) {
  voisins.efface();
  const Ensemble ensemble(cases);
  const NomsRelatifs& rel = nomsrelatifs();
  Chaine sommets[3];
  Chaine ligne;
  for (std::int16_t i = 1; i <= cases.nombre(); ++i) {
    const char* nom = cases.element(i);
    ListeChaines proches;
    sommetsdutriangle(nom, sommets);
    for (const Chaine& s : sommets) cellesautour(ensemble, s.texte(), rel.groupe, &proches);
    proches.triunique();
    proches.supprime(proches.cherche(nom));
    ligne.affecte2(nom, ",  ");
    for (std::int16_t j = 1; j <= proches.nombre(); ++j) ligne.ajoute2(proches.element(j), ",");
    voisins.ajoutefin(ligne.texte());
  }
}

void lignescolonnes(const ListeChaines& cases, std::int16_t* lig, std::int16_t* col,
                    std::int16_t& nblignes, std::int16_t& nbcolonnes) {
  nblignes = 0;
  nbcolonnes = 0;
  const std::int16_t n = cases.nombre();
  if (n == 0) return;
  // Doubled x already steps by one between neighbouring triangles of a row;
  // a down triangle hangs below the up triangle of its vertex, one row lower.
  int colmin = 0, ligmin = 0;
  for (std::int16_t i = 1; i <= n; ++i) {
    const char* nom = cases.element(i);
    const Doublees d = doublees(nom);
    col[i] = static_cast<std::int16_t>(d.x + 1);
    lig[i] = static_cast<std::int16_t>(1 - d.y + (esthaut(nom) ? 0 : 1));
    if (i == 1 || col[i] < colmin) colmin = col[i];
    if (i == 1 || lig[i] < ligmin) ligmin = lig[i];
  }
  for (std::int16_t i = 1; i <= n; ++i) {
    col[i] = static_cast<std::int16_t>(col[i] - colmin + 1);
    lig[i] = static_cast<std::int16_t>(lig[i] - ligmin + 1);
    if (col[i] > nbcolonnes) nbcolonnes = col[i];
    if (lig[i] > nblignes) nblignes = lig[i];
  }
}

void decalagemarque(bool haut, int k, std::int16_t taille, std::int16_t hauteur,
                    std::int16_t& dx, std::int16_t& dy) {
  // Multiples of s and q from the cell centre: a small triangle of six marks
  // with the cell's own orientation (1 on top of an up cell, 3 below it).
  static constexpr int HAUT[6][2] = {{0, 1}, {-1, 0}, {1, 0}, {-2, -1}, {0, -1}, {2, -1}};
  static constexpr int BAS[6][2] = {{-2, 1}, {0, 1}, {2, 1}, {-1, 0}, {1, 0}, {0, -1}};
  dx = 0;
  dy = 0;
  if (k < 1 || k > 6) return;
  const int s = taille / 8;
  const int q = hauteur / 4;
  // h / 12 rounded half up, floor((2h + 12) / 24) also for a negative h.
  const int num = 2 * hauteur + 12;
  const int u = num >= 0 ? num / 24 : -((-num + 23) / 24);
  const int(&m)[2] = haut ? HAUT[k - 1] : BAS[k - 1];
  dx = static_cast<std::int16_t>(m[0] * s);
  dy = static_cast<std::int16_t>(m[1] * q + (haut ? u : -u));
}

}  // namespace tavlo
