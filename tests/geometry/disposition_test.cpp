// Tests of the grid layout on names. Hand-worked grids pin the exact texts;
// random grids are checked against oracles that know only the doubled
// coordinates of the lattice, never the names' rewriting rules.
#include "geometry/disposition.h"

#include <algorithm>
#include <map>
#include <random>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "geometry/noms.h"
#include "oracle.h"

namespace tavlo {
namespace {

using Noms = std::vector<std::string>;
using Pt = std::pair<int, int>;

Noms noms(const ListeChaines& l) {
  Noms v;
  for (std::int16_t i = 1; i <= l.nombre(); ++i) v.emplace_back(l.element(i));
  return v;
}

std::string canon(const std::string& nom, bool compact = false) {
  Chaine c;
  canonique(nom.c_str(), c, compact);
  return c.texte();
}

// ---- Oracle in doubled coordinates ----

Pt pt(const std::string& nom) {
  const Doublees d = doublees(nom.c_str());
  return {d.x, d.y};
}

bool haut(const std::string& triangle) {
  return triangle.size() >= 3 && triangle.compare(triangle.size() - 3, 3, ":AB") == 0;
}

// The corners of a triangle: V, V + A and V + B (up) or V + F (down).
std::set<Pt> coins(const std::string& triangle) {
  const Pt v = pt(triangle);
  return {v, {v.first + 2, v.second}, {v.first + 1, v.second + (haut(triangle) ? 1 : -1)}};
}

int communs(const std::string& a, const std::string& b) {
  const std::set<Pt> ca = coins(a), cb = coins(b);
  return static_cast<int>(std::count_if(ca.begin(), ca.end(), [&](const Pt& p) { return cb.count(p) != 0; }));
}

// ---- Grids from group centres, as the grid model builds them ----

struct Grille {
  ListeChaines hexas, hexaps, cases;
};

void remplit(Grille& g, const Noms& centres) {
  Chaine nom;
  for (const std::string& c : centres) {
    canonique(c.c_str(), nom);
    g.hexas.inseresiabsent(nom.texte());
    for (const Chaine& r : nomsrelatifs().groupe) {
      relatif(nom.texte(), r.texte(), nom);
      g.cases.inseresiabsent(nom.texte());
      canonique(c.c_str(), nom);
    }
  }
  g.hexas.triunique();
  g.cases.triunique();
  trouvegroupes(g.cases, g.hexas, g.hexaps);
}

// Line "name,  n1,n2," split into the name and its neighbours.
std::pair<std::string, Noms> litligne(const std::string& ligne) {
  const std::size_t sep = ligne.find(",  ");
  std::pair<std::string, Noms> r{ligne.substr(0, sep), {}};
  std::size_t debut = sep + 3;
  for (std::size_t v; (v = ligne.find(',', debut)) != std::string::npos; debut = v + 1) {
    r.second.push_back(ligne.substr(debut, v - debut));
  }
  EXPECT_EQ(debut, ligne.size()) << "each neighbour is followed by a comma: " << ligne;
  return r;
}

// ======================= Names =======================

TEST(Disposition, NomsCanoniques) {
  struct Cas {
    const char* nom;
    const char* etendu;
    const char* compact;
  };
  const Cas cas[] = {
      {"C:BC", "CC:AF", "C2:AF"},
      {"D:BA", "D:AB", "D:AB"},
      {"A:FA", "A:AF", "A:AF"},
      {":D", "D:A", "D:A"},
      {":E", "E:B", "E:B"},
      {":F", "F:C", "F:C"},
      {":CD", "D:AB", "D:AB"},
      {":DE", "D:AF", "D:AF"},
      {":EF", "E:AB", "E:AB"},
      {":C", ":C", ":C"},
      {"BAC", "BB", "B2"},             // a vertex: A + C = B
      {"AD:AB", ":AB", ":AB"},         // back at the origin
      {"A9A", "AAAAAAAAAA", "A9A"},
      {"xa3b:ba", "XAAAB:AB", "XA3B:AB"},  // small letters, group marker kept
      {"XAD", "X", "X"},
      {"", "", ""},
  };
  for (const Cas& c : cas) {
    EXPECT_EQ(canon(c.nom), c.etendu) << c.nom;
    EXPECT_EQ(canon(c.nom, true), c.compact) << c.nom;
  }
}

// Each triangle named from each of its three corners, both letter orders,
// with its path shuffled and padded with steps that cancel, must come out as
// one name; and no two triangles may share a name. Edges likewise, named
// from either end.
TEST(Disposition, UnNomParTriangleEtParArete) {
  std::mt19937 gen(7);
  const std::string lettres = "ABCDEF";
  // Corners of (V, V+A, V+B) seen from V+A and V+B, and of (V, V+A, V+F).
  struct Vue {
    std::string pas;
    std::string suffixe;
  };
  const Vue hautes[] = {{"", "AB"}, {"A", "CD"}, {"B", "EF"}};
  const Vue basses[] = {{"", "AF"}, {"A", "DE"}, {"F", "BC"}};
  std::map<std::string, std::pair<Pt, bool>> lieux;
  std::map<std::pair<Pt, bool>, std::string> parlieu;
  for (int essai = 0; essai < 200; ++essai) {
    geotest::Tirage t = geotest::tire(gen, 3);
    const Doublees d = geotest::oracle(t.comptes);
    const Pt v{d.x, d.y};
    for (bool h : {true, false}) {
      std::string attendu;
      for (const Vue& vue : h ? hautes : basses) {
        for (bool inverse : {false, true}) {
          std::string chemin = t.lettres + vue.pas + "AD" + "CF";
          std::shuffle(chemin.begin(), chemin.end(), gen);
          std::string suffixe = vue.suffixe;
          if (inverse) std::swap(suffixe[0], suffixe[1]);
          const std::string nom = canon(chemin + ":" + suffixe);
          if (attendu.empty()) attendu = nom;
          EXPECT_EQ(nom, attendu) << chemin << ":" << suffixe;
        }
      }
      EXPECT_EQ(pt(attendu), v);
      EXPECT_EQ(haut(attendu), h) << attendu;
      const auto lieu = std::make_pair(v, h);
      const auto deja = parlieu.emplace(lieu, attendu).first;
      EXPECT_EQ(deja->second, attendu) << "two names for one triangle";
      lieux[attendu] = lieu;
    }
    for (int k = 0; k < 6; ++k) {
      const std::string& depart = t.lettres;
      std::string arrivee = t.lettres + lettres[k];
      std::shuffle(arrivee.begin(), arrivee.end(), gen);
      const std::string a = canon(depart + ":" + lettres[k]);
      const std::string b = canon(arrivee + ":" + lettres[(k + 3) % 6]);
      EXPECT_EQ(a, b) << depart << " step " << lettres[k];
      EXPECT_EQ(a.find(':') + 2, a.size()) << a;
      EXPECT_NE(std::string("ABC").find(a.back()), std::string::npos) << a;
    }
  }
  EXPECT_EQ(lieux.size(), parlieu.size()) << "one name for two triangles";
}

TEST(Disposition, NomsRelatifsFixes) {
  const NomsRelatifs& n = nomsrelatifs();
  const Noms groupe = {":AB", "C:AF", "D:AB", "D:AF", "E:AB", ":AF"};
  const Noms rayons = {":A", ":B", ":C", "D:A", "E:B", "F:C"};
  // From each neighbour of V to the next one round, counter-clockwise.
  const Noms contour = {"C:A", "D:B", "E:C", "E:A", "F:B", "A:C"};
  for (int k = 0; k < 6; ++k) {
    EXPECT_EQ(n.groupe[k].texte(), groupe[k]);
    EXPECT_EQ(n.rayons[k].texte(), rayons[k]);
    EXPECT_EQ(n.contour[k].texte(), contour[k]);
  }
  // The ring: eighteen distinct triangles off the hexagon, six sharing one
  // of its outline edges and twelve a corner only.
  std::set<Pt> bord;
  for (const char* s : {"A", "B", "C", "D", "E", "F"}) bord.insert(pt(s));
  std::set<std::string> vus;
  int parlarete = 0;
  for (const Chaine& c : n.anneau) {
    const std::string t = c.texte();
    EXPECT_EQ(canon(t), t);
    EXPECT_TRUE(vus.insert(t).second) << t;
    const std::set<Pt> sommets = coins(t);
    EXPECT_EQ(sommets.count({0, 0}), 0u) << t;
    const auto surlebord = std::count_if(sommets.begin(), sommets.end(),
                                         [&](const Pt& p) { return bord.count(p) != 0; });
    EXPECT_GE(surlebord, 1) << t;
    if (surlebord == 2) ++parlarete;
  }
  EXPECT_EQ(parlarete, 6);
}

TEST(Disposition, SommetsEtVoisinsDArete) {
  std::mt19937 gen(11);
  Chaine sommets[3], voisins[3];
  for (int essai = 0; essai < 100; ++essai) {
    const geotest::Tirage t = geotest::tire(gen, 3);
    for (const char* suffixe : {":AB", ":AF"}) {
      const std::string tri = canon(t.lettres + suffixe);
      EXPECT_EQ(esthaut(tri.c_str()), std::string(suffixe) == ":AB");
      sommetsdutriangle(tri.c_str(), sommets);
      std::set<Pt> vus;
      for (const Chaine& s : sommets) {
        EXPECT_EQ(canon(s.texte()), s.texte());
        vus.insert(pt(s.texte()));
      }
      EXPECT_EQ(vus, coins(tri)) << tri;
      voisinsdarete(tri.c_str(), voisins);
      std::set<std::string> distincts;
      for (const Chaine& v : voisins) {
        EXPECT_EQ(canon(v.texte()), v.texte());
        EXPECT_EQ(communs(tri, v.texte()), 2) << tri << " / " << v.texte();
        distincts.insert(v.texte());
      }
      EXPECT_EQ(distincts.size(), 3u) << tri;
    }
  }
}

// ======================= Hand-worked grids =======================

TEST(Disposition, UnGroupeALOrigine) {
  Grille g;
  remplit(g, {""});
  EXPECT_EQ(noms(g.cases), (Noms{":AB", ":AF", "C:AF", "D:AB", "D:AF", "E:AB"}));
  EXPECT_EQ(noms(g.hexas), Noms{""});
  EXPECT_TRUE(g.hexaps.estvide());

  ListeChaines points;
  construitpoints(g.cases, points);
  EXPECT_EQ(noms(points), (Noms{"", "A", "B", "C", "D", "E", "F"}));

  ListeChaines voisins;
  construitvoisins(g.cases, voisins);
  ASSERT_EQ(voisins.nombre(), 6);
  EXPECT_STREQ(voisins.element(1), ":AB,  :AF,C:AF,D:AB,D:AF,E:AB,");
  for (const std::string& l : noms(voisins)) EXPECT_EQ(litligne(l).second.size(), 5u) << l;

  std::int16_t lig[7] = {}, col[7] = {}, nblignes = 0, nbcolonnes = 0;
  lignescolonnes(g.cases, lig, col, nblignes, nbcolonnes);
  const std::map<std::string, Pt> attendu = {
      {"D:AB", {1, 1}}, {"C:AF", {1, 2}}, {":AB", {1, 3}},
      {"D:AF", {2, 1}}, {"E:AB", {2, 2}}, {":AF", {2, 3}},
  };
  for (std::int16_t i = 1; i <= 6; ++i) {
    EXPECT_EQ(Pt(lig[i], col[i]), attendu.at(g.cases.element(i))) << g.cases.element(i);
  }
  EXPECT_EQ(nblignes, 2);
  EXPECT_EQ(nbcolonnes, 3);

  // Three spokes through the centre; the outline stays six single edges.
  ListeChaines interieurs[3], contours[3];
  traits(g.hexas, interieurs, contours);
  EXPECT_EQ(noms(interieurs[0]), Noms{"D:AA"});
  EXPECT_EQ(noms(interieurs[1]), Noms{"E:BB"});
  EXPECT_EQ(noms(interieurs[2]), Noms{"F:CC"});
  EXPECT_EQ(noms(contours[0]), (Noms{"C:A", "E:A"}));
  EXPECT_EQ(noms(contours[1]), (Noms{"D:B", "F:B"}));
  EXPECT_EQ(noms(contours[2]), (Noms{"A:C", "E:C"}));

  ListeChaines trous, exterieur;
  trousetexterieur(g.hexas, g.cases, trous, exterieur);
  EXPECT_TRUE(trous.estvide());
  EXPECT_EQ(exterieur.nombre(), 18);
}

TEST(Disposition, DeuxGroupesVoisins) {
  Grille g;
  remplit(g, {"", "A"});
  EXPECT_EQ(g.cases.nombre(), 10);
  EXPECT_EQ(noms(g.hexas), (Noms{"", "A"}));
  EXPECT_EQ(noms(g.hexaps), (Noms{"B", "F"}));
  ListeChaines voisins;
  construitvoisins(g.cases, voisins);
  std::map<std::string, std::size_t> combien;
  for (const std::string& l : noms(voisins)) {
    const auto [nom, proches] = litligne(l);
    combien[nom] = proches.size();
  }
  // The two cells both groups hold touch every other cell.
  EXPECT_EQ(combien[":AB"], 9u);
  EXPECT_EQ(combien[":AF"], 9u);
}

// Centres one row apart share the edge from A to B: it is drawn inside.
TEST(Disposition, AreteCommuneADeuxGroupes) {
  Grille g;
  remplit(g, {"", "AB"});
  EXPECT_EQ(noms(g.hexas), (Noms{"", "AB"}));
  ListeChaines interieurs[3], contours[3];
  traits(g.hexas, interieurs, contours);
  EXPECT_EQ(noms(interieurs[0]), (Noms{"B:AA", "D:AA"}));
  EXPECT_EQ(noms(interieurs[1]), (Noms{"A:BB", "E:BB"}));
  EXPECT_EQ(noms(interieurs[2]), (Noms{"A:C", "AA:CC", "F:CC"}));
  EXPECT_EQ(noms(contours[0]), (Noms{"A:A", "BB:A", "C:A", "E:A"}));
  EXPECT_EQ(noms(contours[1]), (Noms{"AA:B", "B:B", "D:B", "F:B"}));
  EXPECT_EQ(noms(contours[2]), (Noms{"AAB:C", "E:C"}));
}

// Six groups around the origin, whose own hexagon stays empty.
TEST(Disposition, TrousDUnAnneauDeGroupes) {
  Grille g;
  remplit(g, {"AB", "BC", "CD", "DE", "EF", "FA"});
  EXPECT_EQ(g.cases.nombre(), 36);
  EXPECT_EQ(g.hexas.nombre(), 6);
  ListeChaines trous, exterieur;
  trousetexterieur(g.hexas, g.cases, trous, exterieur);
  EXPECT_EQ(noms(trous), (Noms{":AB", ":AF", "C:AF", "D:AB", "D:AF", "E:AB"}));
  EXPECT_FALSE(exterieur.estvide());
  for (const std::string& e : noms(exterieur)) {
    EXPECT_EQ(trous.cherche(e.c_str()), 0) << e;
    EXPECT_EQ(g.cases.cherche(e.c_str()), 0) << e;
  }
}

// Every down triangle of the ring is made a cell, so the empty triangles are
// up triangles only: no two of them share an edge and the flood adds nothing,
// leaving the exterior exactly the six seeds, one per pair of directions.
TEST(Disposition, GrainesDeLExterieur) {
  struct Cas {
    const char* centre;
    Noms trous;
    Noms exterieur;
  };
  const Cas cas[] = {
      // Ties go to the later item: B over A for A-B, EE over DE for D-E.
      {"", {"A:AB", "C:AB", "DE:AB"},
       {"B:AB", "CD:AB", "DD:AB", "EE:AB", "EF:AB", "F:AB"}},
      // No C or D steps anywhere: C-D and D-E take the first item left.
      // AFF beats AAF for F-A, both 3 steps out.
      {"AA", {"AAF:AB", "AB:AB", "F:AB"},
       {":AB", "AAA:AB", "AAB:AB", "AFF:AB", "B:AB", "FF:AB"}},
  };
  for (const Cas& c : cas) {
    ListeChaines hexas, cases, trous, exterieur;
    hexas.ajoutefin(c.centre);
    Chaine nom;
    for (const Chaine& r : nomsrelatifs().anneau) {
      relatif(c.centre, r.texte(), nom);
      if (!esthaut(nom.texte())) cases.insere(nom.texte());
    }
    trousetexterieur(hexas, cases, trous, exterieur);
    EXPECT_EQ(noms(trous), c.trous) << '"' << c.centre << '"';
    EXPECT_EQ(noms(exterieur), c.exterieur) << '"' << c.centre << '"';
  }
}

// ======================= Random grids against the oracle =======================

// Unit edges of lattice segments "P:LLL", as ordered pairs of end points.
using Arete = std::pair<Pt, Pt>;
Arete arete(Pt a, Pt b) { return a < b ? Arete{a, b} : Arete{b, a}; }

void decoupe(const ListeChaines& l, std::multiset<Arete>& aretes) {
  for (const std::string& s : noms(l)) {
    const std::size_t dp = s.find(':');
    std::string chemin = s.substr(0, dp);
    for (std::size_t i = dp + 1; i < s.size(); ++i) {
      const Pt a = pt(chemin);
      chemin += s[i];
      aretes.insert(arete(a, pt(chemin)));
    }
  }
}

// No segment of a class ends where another starts: runs are maximal.
void maximaux(const ListeChaines& l) {
  std::set<Pt> debuts, fins;
  for (const std::string& s : noms(l)) {
    debuts.insert(pt(s));
    std::string tout = s;
    tout.erase(tout.find(':'), 1);
    fins.insert(pt(tout));
  }
  for (const Pt& f : fins) EXPECT_EQ(debuts.count(f), 0u) << "segment left unmerged";
}

TEST(Disposition, GrillesAuHasard) {
  std::mt19937 gen(2024);
  std::uniform_int_distribution<int> nombre(1, 8);
  for (int essai = 0; essai < 40; ++essai) {
    Noms centres;
    for (int n = nombre(gen); n > 0; --n) centres.push_back(geotest::tire(gen, 2).lettres);
    Grille g;
    remplit(g, centres);
    const Noms cases = noms(g.cases);
    SCOPED_TRACE(testing::Message() << "draw " << essai << ", " << cases.size() << " cells");

    // Points and groups: how many cells meet at each corner.
    std::map<Pt, int> parsommet;
    for (const std::string& c : cases) {
      for (const Pt& p : coins(c)) ++parsommet[p];
    }
    ListeChaines points;
    construitpoints(g.cases, points);
    std::set<Pt> vus;
    for (const std::string& p : noms(points)) vus.insert(pt(p));
    EXPECT_EQ(vus.size(), static_cast<std::size_t>(points.nombre()));
    EXPECT_EQ(vus.size(), parsommet.size());
    std::set<Pt> completes, partiels;
    for (const auto& [p, n] : parsommet) {
      if (n == 6) completes.insert(p);
      if (n >= 3 && n <= 5) partiels.insert(p);
    }
    std::set<Pt> h, hp;
    for (const std::string& s : noms(g.hexas)) h.insert(pt(s));
    for (const std::string& s : noms(g.hexaps)) hp.insert(pt(s));
    EXPECT_EQ(h, completes);
    EXPECT_EQ(hp, partiels);

    // Neighbours: exactly the cells sharing a corner, in list order. Equality
    // with that symmetric relation makes the lines symmetric too.
    ListeChaines voisins;
    construitvoisins(g.cases, voisins);
    ASSERT_EQ(voisins.nombre(), g.cases.nombre());
    for (std::int16_t i = 1; i <= voisins.nombre(); ++i) {
      const auto [nom, proches] = litligne(voisins.element(i));
      EXPECT_EQ(nom, cases[i - 1]);
      Noms attendus;
      for (const std::string& c : cases) {
        if (c != nom && communs(c, nom) > 0) attendus.push_back(c);
      }
      EXPECT_EQ(proches, attendus) << nom;
      EXPECT_LE(proches.size(), 12u);
    }

    // Rows and columns: one cell per place, numbered from 1.
    std::vector<std::int16_t> lig(cases.size() + 1), col(cases.size() + 1);
    std::int16_t nblignes = 0, nbcolonnes = 0;
    lignescolonnes(g.cases, lig.data(), col.data(), nblignes, nbcolonnes);
    std::set<Pt> places;
    for (std::size_t i = 1; i <= cases.size(); ++i) places.insert({lig[i], col[i]});
    EXPECT_EQ(places.size(), cases.size());
    EXPECT_EQ(*std::min_element(lig.begin() + 1, lig.end()), 1);
    EXPECT_EQ(*std::min_element(col.begin() + 1, col.end()), 1);
    EXPECT_EQ(*std::max_element(lig.begin() + 1, lig.end()), nblignes);
    EXPECT_EQ(*std::max_element(col.begin() + 1, col.end()), nbcolonnes);

    // Lines: an edge of a complete hexagon is inner when complete hexagons
    // lie on both its sides and outline when on one side only.
    std::set<std::string> couverts;
    for (const std::string& c : noms(g.hexas)) {
      for (const Chaine& r : nomsrelatifs().groupe) couverts.insert(canon(c + r.texte()));
    }
    std::map<Arete, int> cotes;
    for (const std::string& t : couverts) {
      const std::set<Pt> s = coins(t);
      const std::vector<Pt> v(s.begin(), s.end());
      for (int a = 0; a < 3; ++a) ++cotes[arete(v[a], v[(a + 1) % 3])];
    }
    std::multiset<Arete> interieures, contour, attinterieures, attcontour;
    for (const auto& [a, n] : cotes) (n == 2 ? attinterieures : attcontour).insert(a);
    ListeChaines interieurs[3], contours[3];
    traits(g.hexas, interieurs, contours);
    for (int c = 0; c < 3; ++c) {
      decoupe(interieurs[c], interieures);
      decoupe(contours[c], contour);
      maximaux(interieurs[c]);
      maximaux(contours[c]);
    }
    EXPECT_EQ(interieures, attinterieures);
    EXPECT_EQ(contour, attcontour);

    // Holes and exterior split the empty triangles that touch a complete
    // hexagon's outline: those around the centre's six neighbours.
    using Lieu = std::pair<Pt, bool>;  // corner V and up flag
    std::set<Lieu> remplis, vides;
    for (const std::string& c : cases) remplis.insert({pt(c), haut(c)});
    for (const Pt& v : completes) {
      for (int d = 0; d < 6; ++d) {
        const Pt n{v.first + geotest::DX[d], v.second + geotest::DY[d]};
        for (const Lieu& l : {Lieu{n, true}, Lieu{{n.first - 2, n.second}, true},
                              Lieu{{n.first - 1, n.second - 1}, true}, Lieu{n, false},
                              Lieu{{n.first - 2, n.second}, false},
                              Lieu{{n.first - 1, n.second + 1}, false}}) {
          if (remplis.count(l) == 0) vides.insert(l);
        }
      }
    }
    ListeChaines trous, exterieur;
    trousetexterieur(g.hexas, g.cases, trous, exterieur);
    std::set<Lieu> partage;
    for (const std::string& t : noms(trous)) partage.insert({pt(t), haut(t)});
    for (const std::string& t : noms(exterieur)) {
      EXPECT_TRUE(partage.insert({pt(t), haut(t)}).second) << t << " is both hole and exterior";
    }
    EXPECT_EQ(partage, vides);
    EXPECT_EQ(static_cast<std::size_t>(trous.nombre() + exterieur.nombre()), vides.size());
  }
}

// ======================= Hit tests and marks =======================

TEST(Disposition, RayonsDeTouche) {
  EXPECT_EQ(rayoncase(40), 20);
  EXPECT_EQ(rayonmarque(40), 6);
  EXPECT_EQ(rayongroupe(40), 6);
  EXPECT_EQ(rayonpartiel(40), 10);
  EXPECT_EQ(rayonsommet(40), 6);

  // Two centres 42 apart: the midpoint is 21 from both; one step nearer the
  // first it is 20 from it.
  const int cx[2] = {0, 42}, cy[2] = {0, 0};
  auto centre = [&](int i, int& x, int& y) {
    x = cx[i - 1];
    y = cy[i - 1];
  };
  EXPECT_EQ(plusproche(2, centre, 21, 0, rayoncase(40)), 0);
  EXPECT_EQ(plusproche(2, centre, 20, 0, rayoncase(40)), 1);
  EXPECT_EQ(plusproche(2, centre, 10, 10, rayoncase(40)), 1);  // Manhattan: 20
  EXPECT_EQ(plusproche(2, centre, 11, 10, rayoncase(40)), 0);
  EXPECT_EQ(plusproche(2, centre, 21, 0, 21), 1);  // a tie goes to the lower number
  EXPECT_EQ(plusproche(2, centre, 22, 0, 21), 2);
  EXPECT_EQ(plusproche(0, centre, 0, 0, 100), 0);
}

TEST(Disposition, DecalagesDesMarques) {
  // taille 40, h 35: s = 5, q = 8, u = 3 (35 / 12 = 2.92).
  struct Cas {
    bool haut;
    int k;
    std::int16_t dx, dy;
  };
  const Cas cas[] = {
      {true, 1, 0, 11},   {true, 2, -5, 3},  {true, 3, 5, 3},
      {true, 4, -10, -5}, {true, 5, 0, -5},  {true, 6, 10, -5},
      {false, 1, -10, 5}, {false, 2, 0, 5},  {false, 3, 10, 5},
      {false, 4, -5, -3}, {false, 5, 5, -3}, {false, 6, 0, -11},
      {true, 0, 0, 0},    {false, 7, 0, 0},
  };
  for (const Cas& c : cas) {
    std::int16_t dx = -1, dy = -1;
    decalagemarque(c.haut, c.k, 40, 35, dx, dy);
    EXPECT_EQ(dx, c.dx) << c.haut << " " << c.k;
    EXPECT_EQ(dy, c.dy) << c.haut << " " << c.k;
  }
  // u rounds a half up: h = 30 gives u = 3 (q = 7); h = 29 gives u = 2.
  std::int16_t dx = 0, dy = 0;
  decalagemarque(true, 1, 40, 30, dx, dy);
  EXPECT_EQ(dy, 7 + 3);
  decalagemarque(true, 1, 40, 29, dx, dy);
  EXPECT_EQ(dy, 7 + 2);
}

}  // namespace
}  // namespace tavlo
