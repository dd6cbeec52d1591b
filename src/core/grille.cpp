// Grille: the cell and group tables, their building on demand, the accessors,
// the resets and the hit tests.
#include "core/grille.h"

#include <algorithm>
#include <string>
#include <unordered_map>

#include "core/etatjeu.h"
#include "geometry/disposition.h"
#include "text/texte.h"

namespace tavlo {

namespace {

// Read in place of a cell or group outside the tables: empty, no candidate.
const Case& casevierge() {
  static const Case c = [] {
    Case v;
    v.possibles = 0;
    v.reserve2 = 0;
    return v;
  }();
  return c;
}

const Hexa& hexavierge() {
  static const Hexa h;
  return h;
}

// A list count as a table size: the lists address at most 32767 items.
std::int16_t taillede(const ListeChaines& l) { return std::max<std::int16_t>(0, l.nombre()); }

std::int16_t somme16(int a, int b) { return static_cast<std::int16_t>(std::min(a + b, 32767)); }

}  // namespace

Grille::Grille() {
  grand_.construit(6, taille_, static_cast<float>(angle_));
  petit_.construit(6, static_cast<std::int16_t>((taille_ + 1) / 3), static_cast<float>(angle_));
}

void Grille::vide() {
  // swap rather than clear, so that a big grid's memory goes with it
  std::vector<Hexa>().swap(tablehexas_);
  std::vector<Case>().swap(tablecases_);
  std::vector<Voisinage>().swap(tablevoisins_);
  nbhexas_ = nbhexaps_ = nbgroupes_ = nbcases_ = nbpoints_ = 0;
  nblignes_ = nbcolonnes_ = 0;
  listesok_ = pointsok_ = positionsok_ = casesok_ = hexasok_ = 0;
  voisinsok_ = valeursok_ = traitsok_ = trousok_ = valeurspresentes_ = 0;
  // Without a case table nothing has been revealed: the first apply after a
  // load must show the givens whatever the level.
  pourcentdernier_ = 0;
  hexas_.efface();
  hexaps_.efface();
  cases_.efface();
  points_.efface();
  voisins_.efface();
  for (int k = 0; k < 3; ++k) {
    interieurs_[k].efface();
    contours_[k].efface();
  }
  trous_.efface();
  exterieur_.efface();
  valeurs_.efface();
}

const ListeChaines& Grille::interieurs(int k) const {
  static const ListeChaines aucune;
  return k >= 0 && k < 3 ? interieurs_[k] : aucune;
}

const ListeChaines& Grille::contours(int k) const {
  static const ListeChaines aucune;
  return k >= 0 && k < 3 ? contours_[k] : aucune;
}

// ---- Geometry ----

void Grille::fixetaille(std::int16_t t) {
  if (t < 2) return;
  taille_ = t;
  // a third rounded to the nearest: 40 gives 13, 50 gives 17
  grand_.construit(6, taille_, static_cast<float>(angle_));
  petit_.construit(6, static_cast<std::int16_t>((taille_ + 1) / 3), static_cast<float>(angle_));
  nettoiepositions();
}

void Grille::fixeangle(std::int16_t a) {
  angle_ = a;
  Gabarit::fixeangle(a);
  grand_.construit(6, taille_, static_cast<float>(angle_));
  petit_.construit(6, static_cast<std::int16_t>((taille_ + 1) / 3), static_cast<float>(angle_));
  nettoiepositions();
}

void Grille::nettoiepositions() {
  if (!hexasok_) return;
  for (Hexa& h : tablehexas_) h.fixeposition(0, 0);
  for (Case& c : tablecases_) c.x = c.y = 0;
  positionsok_ = 0;
}

// ---- Building on demand ----

void Grille::assurelistes() {
  if (listesok_) return;
  ListeChaines centres;
  Chaine nom;
  while (hexas_.nonvide()) {
    hexas_.retire(nom);
    Chaine canon;
    canonique(nom.texte(), canon);
    centres.ajoutefin(canon.texte());
  }
  centres.triunique();
  hexas_.echange(centres);

  const NomsRelatifs& relatifs = nomsrelatifs();
  for (const char* centre : hexas_) {
    for (const Chaine& r : relatifs.groupe) {
      relatif(centre, r.texte(), nom);
      cases_.ajoutefin(nom.texte());
    }
  }
  cases_.triunique();
  nbcases_ = taillede(cases_);

  trouvegroupes(cases_, hexas_, hexaps_);
  nbhexas_ = taillede(hexas_);
  nbhexaps_ = taillede(hexaps_);
  nbgroupes_ = somme16(nbhexas_, nbhexaps_);
  listesok_ = 1;
}

void Grille::assurepoints() {
  if (pointsok_) return;
  assurelistes();
  points_.efface();
  construitpoints(cases_, points_);
  nbpoints_ = taillede(points_);
  pointsok_ = 1;
}

void Grille::assurehexas() {
  if (hexasok_) return;
  assurelistes();
  tablehexas_.assign(static_cast<std::size_t>(nbgroupes_) + 1, Hexa{});
  hexasok_ = 1;
}

void Grille::assurecases() {
  if (casesok_) return;
  assurelistes();
  const std::size_t n = static_cast<std::size_t>(nbcases_) + 1;
  tablecases_.assign(n, Case{});
  std::vector<std::int16_t> lig(n, 0);
  std::vector<std::int16_t> col(n, 0);
  if (nbcases_ > 0) lignescolonnes(cases_, lig.data(), col.data(), nblignes_, nbcolonnes_);
  for (std::size_t i = 1; i < n; ++i) {
    Case& c = tablecases_[i];
    c.possibles = 0;
    c.marques = 0;
    c.lig = lig[i];
    c.col = col[i];
    c.colbis = col[i];
  }
  casesok_ = 1;
  // a fresh table knows no values and shows no givens yet
  valeursok_ = 0;
  pourcentdernier_ = 0;
}

void Grille::assurepositions() {
  if (positionsok_) return;
  assurecases();
  assurehexas();
  std::size_t i = 1;
  for (const char* nomcase : cases_) {
    if (i >= tablecases_.size()) break;
    const bool h = esthaut(nomcase);
    Case& c = tablecases_[i++];
    c.x = static_cast<std::int16_t>(grand_.xde(nomcase) + grand_.xcentre(h));
    c.y = static_cast<std::int16_t>(grand_.yde(nomcase) + grand_.ycentre(h));
  }
  // complete centres first, then partial ones: the group numbering
  std::size_t g = 1;
  for (const ListeChaines* centres : {&hexas_, &hexaps_}) {
    for (const char* centre : *centres) {
      if (g >= tablehexas_.size()) break;
      tablehexas_[g++].fixeposition(grand_.xde(centre), grand_.yde(centre));
    }
  }
  positionsok_ = 1;
}

void Grille::assurevoisins() {
  if (voisinsok_) return;
  assurelistes();
  voisins_.efface();
  construitvoisins(cases_, voisins_);
  tablevoisins_.assign(static_cast<std::size_t>(nbcases_) + 1, Voisinage{});
  // The numbers numero() would give, found in constant time: keys folded as
  // the list compares them, the first of equal names kept.
  auto cle = [](std::string nomcase) {
    for (char& c : nomcase) c = majuscule(c);
    return nomcase;
  };
  std::unordered_map<std::string, std::int16_t> numeros;
  std::int16_t n = 0;
  for (const char* nomcase : cases_) numeros.emplace(cle(nomcase), ++n);
  auto numerode = [&](const std::string& nomcase) -> std::int16_t {
    const auto trouve = numeros.find(cle(nomcase));
    return trouve == numeros.end() ? 0 : trouve->second;
  };
  // Each line: "name,  neighbour,neighbour,...,"
  Chaine reste;
  Chaine champ;
  for (const char* ligne : voisins_) {
    reste.affecte(ligne);
    champ.extraitchamp(reste.texte());
    const std::int16_t i = numerode(champ.texte());
    if (i < 1 || i > nbcases_) continue;
    int k = 0;
    while (reste.nonvide() && k < Voisinage::NB) {
      champ.extraitchamp(reste.texte());
      if (const std::int16_t j = numerode(champ.texte()))
        tablevoisins_[static_cast<std::size_t>(i)].v[k++] = j;
    }
  }
  voisinsok_ = 1;
}

void Grille::assuretraits() {
  if (traitsok_) return;
  assurelistes();
  for (int k = 0; k < 3; ++k) {
    interieurs_[k].efface();
    contours_[k].efface();
  }
  traits(hexas_, interieurs_, contours_);
  traitsok_ = 1;
}

void Grille::assuretrous() {
  if (trousok_) return;
  assurelistes();
  trous_.efface();
  exterieur_.efface();
  trousetexterieur(hexas_, cases_, trous_, exterieur_);
  trousok_ = 1;
}

void Grille::construit() {
  assurelistes();
  assurepoints();
  assurehexas();
  assurecases();
  assurepositions();
  if (valeurspresentes_) appliqueniveau();
  draineevenements(*this);
  assuretraits();
}

// ---- Cells ----

const Case& Grille::cellule(std::int16_t i) const {
  return estcase(i) ? tablecases_[static_cast<std::size_t>(i)] : casevierge();
}

Case& Grille::modifiable(std::int16_t i) { return tablecases_[static_cast<std::size_t>(i)]; }

void Grille::fixevaleur(std::int16_t i, std::int16_t v) {
  if (estcase(i) && v >= 0 && v <= 6) modifiable(i).val = v;
}

void Grille::otefixe(std::int16_t i) {
  if (estcase(i)) modifiable(i).fixe = 0;
}

void Grille::fixepossibles(std::int16_t i, std::int16_t masque) {
  if (estcase(i)) modifiable(i).possibles = static_cast<std::int16_t>(masque & TOUTES);
}

bool Grille::estpossible(std::int16_t i, std::int16_t v) const {
  return v >= 1 && v <= 6 && (cellule(i).possibles & (1 << (v - 1))) != 0;
}

void Grille::fixemarques(std::int16_t i, std::int16_t masque) {
  if (estcase(i)) modifiable(i).marques = static_cast<std::int16_t>(masque & TOUTES);
}

void Grille::basculemarque(std::int16_t i, std::int16_t v) {
  if (estcase(i) && v >= 1 && v <= 6) modifiable(i).marques ^= static_cast<std::int16_t>(1 << (v - 1));
}

void Grille::effacemarques(std::int16_t i) {
  if (estcase(i)) modifiable(i).marques = 0;
}

void Grille::effacetoutesmarques() {
  for (Case& c : tablecases_) c.marques = 0;
}

bool Grille::ademarques() const {
  return std::any_of(tablecases_.begin(), tablecases_.end(),
                     [](const Case& c) { return c.marques != 0; });
}

std::int16_t Grille::voisin(std::int16_t i, int k) const {
  if (i < 1 || i >= static_cast<int>(tablevoisins_.size()) || k < 0 || k >= Voisinage::NB) return 0;
  return tablevoisins_[static_cast<std::size_t>(i)].v[k];
}

bool Grille::haut(std::int16_t i) const {
  if (i < 1 || i > nbcases_) return false;
  const char* nomcase = cases_.element(i);
  return nomcase != nullptr && esthaut(nomcase);
}

const Hexa& Grille::hexa(std::int16_t g) const {
  return g >= 1 && g < static_cast<int>(tablehexas_.size()) ? tablehexas_[static_cast<std::size_t>(g)]
                                                           : hexavierge();
}

const char* Grille::nomdegroupe(std::int16_t g) const {
  if (g >= 1 && g <= nbhexas_) return hexas_.element(g);
  if (g > nbhexas_ && g <= nbgroupes_) return hexaps_.element(static_cast<std::int16_t>(g - nbhexas_));
  return nullptr;
}

bool Grille::toutrempli() const {
  if (!casesok_) return false;
  return std::none_of(tablecases_.begin() + 1, tablecases_.end(),
                      [](const Case& c) { return c.val <= 0; });
}

// ---- Resets ----

void Grille::remetcase(std::int16_t i) {
  if (estcase(i)) modifiable(i) = Case{};
}

void Grille::retourfixes() {
  for (std::size_t i = 1; i < tablecases_.size(); ++i) {
    Case& c = tablecases_[i];
    if (!c.fixe) c.val = 0;
    c.possibles = 0;
  }
}

// ---- Hit tests ----

std::int16_t Grille::caseen(int x, int y) {
  assurepositions();
  return plusproche(
      nbcases_,
      [this](int i, int& cx, int& cy) {
        cx = tablecases_[static_cast<std::size_t>(i)].x;
        cy = tablecases_[static_cast<std::size_t>(i)].y;
      },
      x, y, rayoncase(taille_));
}

void Grille::positionmarque(std::int16_t i, int k, std::int16_t& x, std::int16_t& y) {
  assurepositions();
  std::int16_t dx = 0;
  std::int16_t dy = 0;
  decalagemarque(haut(i), k, taille_, grand_.direction(1).y, dx, dy);
  x = static_cast<std::int16_t>(xdecase(i) + dx);
  y = static_cast<std::int16_t>(ydecase(i) + dy);
}

std::int16_t Grille::marqueen(std::int16_t i, int x, int y) {
  assurepositions();
  if (!estcase(i)) return 0;
  return plusproche(
      6,
      [this, i](int k, int& cx, int& cy) {
        std::int16_t px = 0;
        std::int16_t py = 0;
        positionmarque(i, k, px, py);
        cx = px;
        cy = py;
      },
      x, y, rayonmarque(taille_));
}

std::int16_t Grille::hexaen(int x, int y) {
  assurepositions();
  return plusproche(
      nbhexas_,
      [this](int g, int& cx, int& cy) {
        cx = tablehexas_[static_cast<std::size_t>(g)].x();
        cy = tablehexas_[static_cast<std::size_t>(g)].y();
      },
      x, y, rayongroupe(taille_));
}

std::int16_t Grille::groupeen(int x, int y) {
  const std::int16_t g = hexaen(x, y);
  if (g != 0) return g;
  const std::int16_t k = plusproche(
      nbgroupes_ - nbhexas_,
      [this](int p, int& cx, int& cy) {
        const Hexa& h = hexa(static_cast<std::int16_t>(nbhexas_ + p));
        cx = h.x();
        cy = h.y();
      },
      x, y, rayonpartiel(taille_));
  return k == 0 ? 0 : static_cast<std::int16_t>(nbhexas_ + k);
}

std::int16_t Grille::sommeten(int x, int y) {
  assurepoints();
  return plusproche(
      nbpoints_,
      [this](int p, int& cx, int& cy) {
        const char* sommet = points_.element(static_cast<std::int16_t>(p));
        cx = grand_.xde(sommet);
        cy = grand_.yde(sommet);
      },
      x, y, rayonsommet(taille_));
}

void Grille::libellecase(std::int16_t i, Chaine& cible) const {
  cible.numerote2("L# C#", cellule(i).lig, cellule(i).col);
}

void Grille::boite(std::int16_t& gauche, std::int16_t& droite, std::int16_t& dessus,
                   std::int16_t& dessous) {
  assurepositions();
  gauche = droite = dessus = dessous = 0;
  if (nbcases_ == 0) return;
  int xmin = tablecases_[1].x;
  int xmax = xmin;
  int ymin = tablecases_[1].y;
  int ymax = ymin;
  for (std::size_t i = 2; i < tablecases_.size(); ++i) {
    xmin = std::min<int>(xmin, tablecases_[i].x);
    xmax = std::max<int>(xmax, tablecases_[i].x);
    ymin = std::min<int>(ymin, tablecases_[i].y);
    ymax = std::max<int>(ymax, tablecases_[i].y);
  }
  gauche = static_cast<std::int16_t>(xmin - taille_);
  droite = static_cast<std::int16_t>(xmax + taille_);
  dessus = static_cast<std::int16_t>(ymax + taille_);
  dessous = static_cast<std::int16_t>(ymin - taille_);
}

}  // namespace tavlo
