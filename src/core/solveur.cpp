// The solver: reasoning steps to a fixed point, then branching on a cell with
// fewest candidates, stopping at the second solution.
#include "core/solveur.h"

#include <algorithm>
#include <bit>
#include <string>
#include <unordered_map>

#include "geometry/disposition.h"

namespace tavlo {

namespace {

constexpr int NBVOISINS = 12;
constexpr unsigned TOUTES = 63;

bool unseul(unsigned m) { return m != 0 && (m & (m - 1)) == 0; }
int premiervaleur(unsigned m) { return std::countr_zero(m) + 1; }

}  // namespace

// Candidates and values of every cell during a resolution. The queue holds
// cells that came down to one candidate and await placing.
struct Plateau::Etat {
  std::vector<std::uint8_t> cand;
  std::vector<std::int8_t> val;
  std::vector<std::int16_t> file;
  int places = 0;
};

struct Plateau::Recherche {
  unsigned etapes = ETAPES_TOUTES;
  int voulues = 2;  // stop once this many solutions are found
  int solutions = 0;
  std::vector<std::int16_t> premiere;
  const std::function<unsigned(unsigned)>* hasard = nullptr;
  long noeuds = 0;
  long limite = -1;  // no limit when negative
  bool abandon = false;
};

Plateau::Plateau(Grille& g) {
  g.assurelistes();
  g.assurecases();
  g.assurevoisins();
  nbcases_ = g.nbcases();
  const auto n = static_cast<std::size_t>(nbcases_);

  voisins_.assign((n + 1) * NBVOISINS, 0);
  for (int i = 1; i <= nbcases_; ++i) {
    int k2 = 0;
    for (int k = 0; k < Voisinage::NB; ++k) {
      const std::int16_t c = g.voisin(static_cast<std::int16_t>(i), k);
      if (c >= 1 && c <= nbcases_ && c != i)
        voisins_[static_cast<std::size_t>(i * NBVOISINS + k2++)] = c;
    }
  }

  // Cell numbers by name in one pass over a copy of the list: element(n)
  // would walk the list from its head for every cell.
  std::unordered_map<std::string, std::int16_t> numeros;
  {
    ListeChaines copie;
    copie.ajouteliste(g.cases());
    Chaine nom;
    std::int16_t i = 0;
    while (copie.nonvide()) {
      copie.retire(nom);
      numeros.emplace(nom.texte(), ++i);
    }
  }
  const NomsRelatifs& relatifs = nomsrelatifs();
  Chaine nom;
  for (std::int16_t gr = 1; gr <= g.nbhexas(); ++gr) {
    const char* centre = g.nomdegroupe(gr);
    std::int16_t cellules[6] = {};
    bool complet = centre != nullptr;
    for (int k = 0; k < 6 && complet; ++k) {
      relatif(centre, relatifs.groupe[k].texte(), nom);
      const auto trouve = numeros.find(nom.texte());
      complet = trouve != numeros.end();
      if (complet) cellules[k] = trouve->second;
    }
    if (!complet) continue;
    groupes_.insert(groupes_.end(), cellules, cellules + 6);
    ++nbgroupes_;
  }

  debuts_.assign(static_cast<std::size_t>(nbgroupes_) * 64 + 1, 0);
  std::vector<std::pair<int, unsigned>> autour;  // a cell outside, the places it touches
  for (int gr = 0; gr < nbgroupes_; ++gr) {
    autour.clear();
    for (int p = 0; p < 6; ++p) {
      for (int k = 0; k < NBVOISINS; ++k) {
        const int x = voisin(casedugroupe(gr, p), k);
        if (x == 0) break;
        bool dedans = false;
        for (int q = 0; q < 6; ++q) dedans = dedans || casedugroupe(gr, q) == x;
        if (dedans) continue;
        auto a =
            std::find_if(autour.begin(), autour.end(), [x](const auto& e) { return e.first == x; });
        if (a == autour.end())
          autour.emplace_back(x, 1u << p);
        else
          a->second |= 1u << p;
      }
    }
    for (unsigned s = 0; s < 64; ++s) {
      debuts_[static_cast<std::size_t>(gr) * 64 + s] = static_cast<std::int32_t>(touchants_.size());
      if (s == 0 || unseul(s)) continue;
      for (const auto& [x, m] : autour)
        if ((m & s) == s) touchants_.push_back(static_cast<std::int16_t>(x));
    }
  }
  debuts_.back() = static_cast<std::int32_t>(touchants_.size());
}

bool Plateau::retire(Etat& e, int i, unsigned bit, unsigned etapes) const {
  const auto ii = static_cast<std::size_t>(i);
  if ((e.cand[ii] & bit) == 0) return true;
  if (e.val[ii] != 0) return false;  // a neighbour already holds this value
  e.cand[ii] = static_cast<std::uint8_t>(e.cand[ii] & ~bit);
  if (e.cand[ii] == 0) return false;
  if ((etapes & ETAPE_SEUL) && unseul(e.cand[ii])) e.file.push_back(static_cast<std::int16_t>(i));
  return true;
}

bool Plateau::place(Etat& e, int i, int v, unsigned etapes) const {
  const auto ii = static_cast<std::size_t>(i);
  const unsigned bit = 1u << (v - 1);
  if (e.val[ii] == v) return true;
  if (e.val[ii] != 0 || (e.cand[ii] & bit) == 0) return false;
  e.val[ii] = static_cast<std::int8_t>(v);
  e.cand[ii] = static_cast<std::uint8_t>(bit);
  ++e.places;
  for (int k = 0; k < NBVOISINS; ++k) {
    const int c = voisin(i, k);
    if (c == 0) break;
    if (!retire(e, c, bit, etapes)) return false;
  }
  return true;
}

// The steps until none changes anything. False on a contradiction: a cell
// without candidates, or a value without a place in some complete group.
bool Plateau::propage(Etat& e, unsigned etapes) const {
  for (;;) {
    while (!e.file.empty()) {
      const int c = e.file.back();
      e.file.pop_back();
      const auto cc = static_cast<std::size_t>(c);
      if (e.val[cc] == 0 && !place(e, c, premiervaleur(e.cand[cc]), etapes)) return false;
    }
    if (e.places == nbcases_) return true;
    bool change = false;
    for (int gr = 0; gr < nbgroupes_; ++gr) {
      // places[v]: the positions in the group where value v + 1 still fits.
      // Placing during the loop leaves them a superset of the truth, which
      // keeps every conclusion drawn from them sound.
      unsigned places[6] = {};
      for (int p = 0; p < 6; ++p) {
        const unsigned m = e.cand[static_cast<std::size_t>(casedugroupe(gr, p))];
        for (int v = 0; v < 6; ++v) places[v] |= ((m >> v) & 1u) << p;
      }
      for (int v = 0; v < 6; ++v) {
        const unsigned s = places[v];
        if (s == 0) return false;
        if (unseul(s)) {
          const int c = casedugroupe(gr, std::countr_zero(s));
          if ((etapes & ETAPE_CACHE) && e.val[static_cast<std::size_t>(c)] == 0) {
            if (!place(e, c, v + 1, etapes)) return false;
            change = true;
          }
        } else if (etapes & ETAPE_CONFINE) {
          const std::size_t debut = static_cast<std::size_t>(gr) * 64 + s;
          for (std::int32_t t = debuts_[debut]; t < debuts_[debut + 1]; ++t) {
            const int x = touchants_[static_cast<std::size_t>(t)];
            if ((e.cand[static_cast<std::size_t>(x)] >> v) & 1u) {
              if (!retire(e, x, 1u << v, etapes)) return false;
              change = true;
            }
          }
        }
      }
    }
    if (!change && e.file.empty()) return true;
  }
}

bool Plateau::depart(Etat& e, const std::vector<std::int16_t>& donnees, unsigned etapes,
                     int* nbdonnees) const {
  const auto n = static_cast<std::size_t>(nbcases_) + 1;
  e.cand.assign(n, TOUTES);
  e.cand[0] = 0;
  e.val.assign(n, 0);
  e.file.clear();
  e.places = 0;
  const std::size_t fin = std::min(n, donnees.size());
  int compte = 0;
  bool ok = true;
  for (std::size_t i = 1; i < fin; ++i) {
    const int v = donnees[i];
    if (v < 1 || v > 6) continue;
    ++compte;
    if (ok) ok = place(e, static_cast<int>(i), v, etapes);
  }
  if (nbdonnees) *nbdonnees = compte;
  return ok;
}

void Plateau::explore(const Etat& e, Recherche& r) const {
  int choisie = 0;
  int moins = 7;
  for (int i = 1; i <= nbcases_; ++i) {
    const auto ii = static_cast<std::size_t>(i);
    if (e.val[ii] != 0) continue;
    const int k = std::popcount(static_cast<unsigned>(e.cand[ii]));
    if (k < moins) {
      moins = k;
      choisie = i;
      if (k <= 2) break;
    }
  }
  if (choisie == 0) return;
  int valeurs[6];
  int nb = 0;
  for (int v = 1; v <= 6; ++v)
    if ((e.cand[static_cast<std::size_t>(choisie)] >> (v - 1)) & 1u) valeurs[nb++] = v;
  for (int reste = nb; reste > 0; --reste) {
    if (r.solutions >= r.voulues || r.abandon) return;
    if (r.limite >= 0 && ++r.noeuds > r.limite) {
      r.abandon = true;
      return;
    }
    // take the next value, at random when asked, from those still untried
    int k = 0;
    if (r.hasard)
      k = static_cast<int>((*r.hasard)(static_cast<unsigned>(reste)) %
                           static_cast<unsigned>(reste));
    const int v = valeurs[k];
    valeurs[k] = valeurs[reste - 1];
    Etat f = e;
    if (!place(f, choisie, v, r.etapes) || !propage(f, r.etapes)) continue;
    if (f.places == nbcases_) {
      if (++r.solutions == 1) r.premiere.assign(f.val.begin(), f.val.end());
      continue;
    }
    explore(f, r);
  }
}

Resolution Plateau::resous(const std::vector<std::int16_t>& donnees, unsigned etapes) const {
  Resolution res;
  Etat e;
  if (!depart(e, donnees, etapes, &res.donnees) || !propage(e, etapes)) return res;
  if (e.places == nbcases_) {
    res.solutions = 1;
    res.raisonnement = true;
    res.valeurs.assign(e.val.begin(), e.val.end());
    return res;
  }
  Recherche r;
  r.etapes = etapes;
  explore(e, r);
  res.solutions = std::min(r.solutions, 2);
  if (res.solutions == 1) res.valeurs = std::move(r.premiere);
  return res;
}

bool Plateau::deduit(const std::vector<std::int16_t>& donnees, std::vector<std::int16_t>* solution,
                     unsigned etapes) const {
  Etat e;
  if (!depart(e, donnees, etapes, nullptr) || !propage(e, etapes) || e.places != nbcases_)
    return false;
  if (solution) solution->assign(e.val.begin(), e.val.end());
  return true;
}

bool Plateau::remplit(std::vector<std::int16_t>& valeurs,
                      const std::function<unsigned(unsigned)>& hasard, long noeuds) const {
  Etat e;
  if (!depart(e, valeurs, ETAPES_TOUTES, nullptr) || !propage(e, ETAPES_TOUTES)) return false;
  if (e.places != nbcases_) {
    Recherche r;
    r.voulues = 1;
    r.hasard = &hasard;
    r.limite = noeuds;
    explore(e, r);
    if (r.solutions == 0) return false;
    valeurs.assign(r.premiere.begin(), r.premiere.end());
    return true;
  }
  valeurs.assign(e.val.begin(), e.val.end());
  return true;
}

std::vector<std::int16_t> donneesde(const Grille& g) {
  std::vector<std::int16_t> d(static_cast<std::size_t>(std::max<int>(0, g.nbcases())) + 1, 0);
  for (std::int16_t i = 1; i <= g.nbcases(); ++i) {
    const std::int16_t v = g.valeur(i);
    if (g.estfixe(i) && v >= 1 && v <= 6) d[static_cast<std::size_t>(i)] = v;
  }
  return d;
}

Resolution resous(Grille& g, unsigned etapes) {
  const Plateau p(g);
  return p.resous(donneesde(g), etapes);
}

}  // namespace tavlo
