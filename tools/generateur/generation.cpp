// The generator's steps: shape, solution, removals, tags, tokens, check.
#include "generation.h"

#include <algorithm>
#include <climits>
#include <map>
#include <set>

#include "core/grille.h"
#include "core/solveur.h"
#include "geometry/disposition.h"
#include "stockage.h"

namespace tavlo::generation {

namespace {

constexpr int SEUILS[8] = {0, 75, 80, 85, 90, 95, 100, 120};
constexpr const char* LETTRES = "ABCDEF";

void charge(Grille& g, const std::vector<std::string>& lignes) {
  ListeChaines l;
  for (const std::string& s : lignes) l.ajoutefin(s.c_str());
  g.setfromgrivecdef(l);
}

std::vector<std::string> lignesdegroupes(const std::vector<Point>& centres) {
  std::vector<std::string> l;
  for (const Point& c : centres) l.push_back("X" + chemin(c));
  return l;
}

// The six cell names around a centre, canonical as the grid names them.
std::vector<std::string> cellulesde(const std::string& centre) {
  Chemin c;
  c.fixetexte(centre.c_str());
  const std::string etendu = c.texteetendu();
  std::vector<std::string> noms;
  Chaine nom;
  for (const Chaine& r : nomsrelatifs().groupe) {
    relatif(etendu.c_str(), r.texte(), nom);
    noms.emplace_back(nom.texte());
  }
  return noms;
}

std::size_t comptecases(const std::vector<Point>& centres) {
  std::set<std::string> noms;
  for (const Point& c : centres)
    for (std::string& n : cellulesde(chemin(c))) noms.insert(std::move(n));
  return noms.size();
}

std::vector<std::string> nomsdescases(const Grille& g) {
  std::vector<std::string> noms(1);  // cell numbers start at 1
  for (const char* nom : g.cases()) noms.emplace_back(nom);
  return noms;
}


// The token of a cell with a value: compact path, "W" up or "V" down, the
// value letter, the flags letter.
std::string jetondecase(const std::string& nom, int valeur) {
  Chemin c;
  c.fixetexte(nom.c_str());  // stops at ":"
  std::string t = c.textecompact();
  t += esthaut(nom.c_str()) ? 'W' : 'V';
  t += static_cast<char>('P' + valeur - 1);
  t += 'J';
  return t;
}

// How many of the removed givens each effective level shows: the profile's
// share, each level strictly fewer than the one below when there are
// enough, the last level before 7 at least one so that tags 100 and 120
// both exist.
std::vector<int> parniveau(const std::vector<int>& profil, int retirees, int premier) {
  std::vector<int> k(7, 0);
  for (int l = premier; l <= 6; ++l) {
    const int part =
        l - 1 < static_cast<int>(profil.size()) ? profil[static_cast<std::size_t>(l - 1)] : 0;
    k[static_cast<std::size_t>(l)] = std::clamp((retirees * part + 50) / 100, 0, retirees);
  }
  k[6] = std::max(k[6], std::min(1, retirees));
  for (int l = 5; l >= premier; --l)
    k[static_cast<std::size_t>(l)] = std::min(
        retirees, std::max(k[static_cast<std::size_t>(l)], k[static_cast<std::size_t>(l + 1)] + 1));
  return k;
}

}  // namespace

std::vector<std::string> enoptions(const Parametres& p) {
  const ParametresForme& f = p.forme;
  std::vector<std::string> o;
  auto ajoute = [&o](const char* nom, const std::string& v) {
    o.push_back(std::string(nom) + "=" + v);
  };
  auto ajoutenombre = [&ajoute](const char* nom, int v) { ajoute(nom, std::to_string(v)); };
  ajoutenombre("graine", static_cast<int>(p.graine));
  ajoute("forme", f.forme);
  if (f.forme == "bloc") {
    ajoutenombre("groupes", f.groupes);
    ajoutenombre("serre", f.serre);
    ajoutenombre("saut", f.saut);
    if (f.hauteur) ajoutenombre("hauteur", f.hauteur);
  } else if (f.forme == "anneau") {
    ajoutenombre("rayon", f.rayon);
    ajoutenombre("epaisseur", f.epaisseur);
    ajoutenombre("groupes", f.groupes);
  } else if (f.forme == "serpent") {
    ajoutenombre("groupes", f.groupes);
    ajoutenombre("sinueux", f.sinueux);
    ajoutenombre("saut", f.saut);
    if (f.cap >= 0) ajoute("cap", std::string(1, LETTRES[f.cap % 6]));
  } else if (f.forme == "dentelle") {
    ajoutenombre("rayon", f.rayon);
    ajoutenombre("trous", f.trous);
  }
  if (p.cases) ajoutenombre("cases", p.cases);
  if (p.largeur70) ajoutenombre("largeur70", p.largeur70);
  if (p.boite40) ajoutenombre("boite40", p.boite40);
  ajoutenombre("lignes", p.lignes);
  ajoutenombre("essais", p.essais);
  std::string profil;
  for (std::size_t i = 0; i < p.profil.size(); ++i) {
    if (i > 0) profil += '/';
    profil += std::to_string(p.profil[i]);
  }
  ajoute("profil", profil);
  return o;
}

namespace {

bool entier(const std::string& texte, int& v) {
  if (texte.empty() || texte.size() > 9 ||
      texte.find_first_not_of("0123456789") != std::string::npos)
    return false;
  v = std::stoi(texte);
  return true;
}

}  // namespace

bool fixeoption(const std::string& nom, const std::string& valeur, Parametres& p,
                std::string& erreur) {
  ParametresForme& f = p.forme;
  const std::map<std::string, int*> entiers = {
      {"groupes", &f.groupes},     {"rayon", &f.rayon},     {"epaisseur", &f.epaisseur},
      {"serre", &f.serre},         {"hauteur", &f.hauteur}, {"saut", &f.saut},
      {"sinueux", &f.sinueux},     {"trous", &f.trous},     {"cases", &p.cases},
      {"largeur70", &p.largeur70}, {"boite40", &p.boite40}, {"lignes", &p.lignes},
      {"essais", &p.essais},
  };
  int n = 0;
  if (nom == "forme") {
    if (valeur != "bloc" && valeur != "anneau" && valeur != "serpent" && valeur != "dentelle") {
      erreur = "unknown shape " + valeur;
      return false;
    }
    f.forme = valeur;
  } else if (nom == "graine") {
    if (!entier(valeur, n)) {
      erreur = "bad seed " + valeur;
      return false;
    }
    p.graine = static_cast<std::uint32_t>(n);
  } else if (nom == "cap") {
    if (valeur.size() != 1 || valeur[0] < 'A' || valeur[0] > 'F') {
      erreur = "cap takes a letter A..F";
      return false;
    }
    f.cap = valeur[0] - 'A';
  } else if (nom == "profil") {
    std::vector<int> profil;
    std::size_t debut = 0;
    while (debut <= valeur.size()) {
      std::size_t barre = valeur.find('/', debut);
      if (barre == std::string::npos) barre = valeur.size();
      if (!entier(valeur.substr(debut, barre - debut), n) || n > 100) break;
      profil.push_back(n);
      debut = barre + 1;
    }
    if (debut <= valeur.size() || profil.size() != 6) {
      erreur = "profil takes six percentages P/P/P/P/P/P";
      return false;
    }
    p.profil = profil;
  } else if (const auto e = entiers.find(nom); e != entiers.end()) {
    if (!entier(valeur, n)) {
      erreur = "bad value for " + nom + ": " + valeur;
      return false;
    }
    *e->second = n;
  } else {
    erreur = "unknown option " + nom;
    return false;
  }
  if (p.lignes < 1) {
    erreur = "lignes must be at least 1";
    return false;
  }
  return true;
}

bool depuisnotes(const std::vector<std::string>& stockees, Parametres& p, std::string& erreur) {
  const Parametres defaut;
  p = defaut;
  int lues = 0;
  for (const std::string& ligne : stockees) {
    std::size_t debut = 0;
    while (debut < ligne.size()) {
      std::size_t virgule = ligne.find(',', debut);
      if (virgule == std::string::npos) virgule = ligne.size();
      const std::string jeton = ligne.substr(debut, virgule - debut);
      debut = virgule + 1;
      const std::size_t egal = jeton.find('=');
      if (jeton.empty() || jeton[0] != '#' || egal == std::string::npos) continue;
      if (!fixeoption(jeton.substr(1, egal - 1), jeton.substr(egal + 1), p, erreur)) return false;
      ++lues;
    }
  }
  if (lues == 0) erreur = "no generator notes";
  return lues > 0;
}

bool Bilan::bon() const {
  if (!niveau7) return false;
  for (int k = 1; k <= 7; ++k) {
    if (solutions[k] != 1 || !raisonnement[k]) return false;
    if (k > 1 && donnees[k] > donnees[k - 1]) return false;
  }
  return true;
}

Bilan examine(const std::vector<std::string>& stockees) {
  Bilan b;
  for (const std::string& l : stockees) b.pluslongue = std::max(b.pluslongue, l.size());
  Grille g;
  charge(g, definitions(stockees));
  g.assurelistes();
  b.cases = g.nbcases();
  b.complets = g.nbhexas();
  b.partiels = g.nbhexaps();
  b.decalage = g.calculedecalage();
  b.niveau7 = g.niveau7disponible();
  const Plateau plateau(g);
  for (std::int16_t k = 1; k <= 7; ++k) {
    g.fixeniveau(k);
    g.appliqueniveau();
    const Resolution r = plateau.resous(donneesde(g));
    b.donnees[k] = r.donnees;
    b.solutions[k] = r.solutions;
    b.raisonnement[k] = r.raisonnement;
    if (k == 7) b.solution = r.valeurs;
  }
  dimensions(g, 40, b.largeur40, b.hauteur40);
  dimensions(g, 70, b.largeur70, b.hauteur70);
  return b;
}

bool genere(const Parametres& p, Sortie& s, std::string& erreur) {
  s = Sortie{};
  Hasard h(p.graine);

  // 1. The shape.
  Grille g;
  std::vector<Point> centres;
  constexpr int FORMESMAX = 20000;
  for (;;) {
    if (++s.formes > FORMESMAX) {
      erreur = "no shape met the constraints in " + std::to_string(FORMESMAX) + " draws";
      return false;
    }
    centres = forme(p.forme, h);
    if (centres.empty()) continue;
    if (p.cases > 0 && comptecases(centres) != static_cast<std::size_t>(p.cases)) continue;
    charge(g, lignesdegroupes(centres));
    if (p.largeur70 > 0 || p.boite40 > 0) {
      int l70 = 0, h70 = 0, l40 = 0, h40 = 0;
      dimensions(g, 70, l70, h70);
      dimensions(g, 40, l40, h40);
      g.fixetaille(Grille::TAILLEDEFAUT);
      if (p.largeur70 > 0 && l70 < p.largeur70) continue;
      if (p.boite40 > 0 && (l40 > p.boite40 || h40 > p.boite40)) continue;
    }
    break;
  }
  const Plateau plateau(g);
  const int n = plateau.nbcases();
  const auto taille = static_cast<std::size_t>(n) + 1;

  // 2. A solution.
  const std::function<unsigned(unsigned)> tirage = [&h](unsigned k) { return h.sous(k); };
  std::vector<std::int16_t> solution;
  for (int essai = 0;; ++essai) {
    if (essai == 1000) {
      erreur = "no solution found for the shape";
      return false;
    }
    solution.assign(taille, 0);
    if (plateau.remplit(solution, tirage, 50L * n)) break;
  }

  // 3. The removals.
  std::vector<int> sequence;
  int minimales = INT_MAX;
  for (int essai = 0; essai < std::max(1, p.essais); ++essai) {
    std::vector<int> ordre;
    for (int i = 1; i <= n; ++i) ordre.push_back(i);
    h.melange(ordre);
    std::vector<std::int16_t> donnees = solution;
    std::vector<int> retirees;
    for (int i : ordre) {
      const auto ii = static_cast<std::size_t>(i);
      donnees[ii] = 0;
      if (plateau.deduit(donnees))
        retirees.push_back(i);
      else
        donnees[ii] = solution[ii];
    }
    if (n - static_cast<int>(retirees.size()) < minimales) {
      minimales = n - static_cast<int>(retirees.size());
      sequence = std::move(retirees);
    }
  }
  s.minimales = minimales;

  // 4. The tags. Levels below 1 + decalage are never in effect for this grid.
  const int premier = std::min(6, 1 + g.calculedecalage());
  const int r = static_cast<int>(sequence.size());
  const std::vector<int> montrees = parniveau(p.profil, r, premier);
  std::vector<int> tag(taille, 120);
  for (int j = 0; j < r; ++j) {
    const int depuislafin = r - j;  // 1 for the last given taken away
    int t = 0;
    for (int l = premier; l <= 6; ++l)
      if (depuislafin <= montrees[static_cast<std::size_t>(l)]) t = SEUILS[l];
    tag[static_cast<std::size_t>(sequence[static_cast<std::size_t>(j)])] = t;
  }

  // 5. Tokens: the notes, the group centres, then the cells with a tag.
  const std::vector<std::string> noms = nomsdescases(g);
  std::vector<Jeton> jetons;
  jetons.push_back({"#tavlo-generateur", 0});
  for (const std::string& option : enoptions(p)) jetons.push_back({"#" + option, 0});
  // A centre goes unlisted when each of its cells is named anyway, by
  // another listed centre or by its own value line.
  std::set<std::string> nommees;
  for (int i = 1; i <= n; ++i)
    if (tag[static_cast<std::size_t>(i)] > 0) nommees.insert(noms[static_cast<std::size_t>(i)]);
  std::map<std::string, int> couverture;
  std::vector<std::pair<std::string, std::vector<std::string>>> listes;
  for (const Point& c : centres) {
    listes.emplace_back("X" + chemin(c), cellulesde(chemin(c)));
    for (const std::string& nom : listes.back().second) ++couverture[nom];
  }
  for (auto& [ligne, cellules] : listes) {
    const bool inutile = std::all_of(cellules.begin(), cellules.end(), [&](const std::string& nom) {
      return couverture[nom] > 1 || nommees.count(nom) != 0;
    });
    if (inutile) {
      for (const std::string& nom : cellules) --couverture[nom];
      ligne.clear();
    } else {
      jetons.push_back({ligne, 0});
    }
  }
  std::vector<int> valuees;
  for (int i = 1; i <= n; ++i)
    if (tag[static_cast<std::size_t>(i)] > 0) valuees.push_back(i);
  std::stable_sort(valuees.begin(), valuees.end(), [&tag](int a, int b) {
    return tag[static_cast<std::size_t>(a)] > tag[static_cast<std::size_t>(b)];
  });
  for (int i : valuees) {
    const auto ii = static_cast<std::size_t>(i);
    jetons.push_back({jetondecase(noms[ii], solution[ii]), tag[ii]});
  }
  if (!emballe(jetons, p.lignes, s.lignes)) {
    std::size_t octets = 0;
    for (const Jeton& j : jetons) octets += j.texte.size() + 1;
    erreur = std::to_string(jetons.size()) + " tokens (" + std::to_string(octets) +
             " bytes) do not fit " + std::to_string(p.lignes) + " lines of " +
             std::to_string(LONGUEURMAX) + " bytes";
    return false;
  }

  // The stored lines read back as the program will read them.
  s.bilan = examine(s.lignes);
  if (s.bilan.cases != n || !s.bilan.bon() || s.bilan.solution != solution) {
    erreur = "the stored grid does not read back as generated";
    return false;
  }
  return true;
}

void dimensions(Grille& g, std::int16_t taille, int& largeur, int& hauteur) {
  g.fixetaille(taille);
  std::int16_t gauche = 0, droite = 0, dessus = 0, dessous = 0;
  g.boite(gauche, droite, dessus, dessous);
  largeur = droite - gauche;
  hauteur = dessus - dessous;
}

}  // namespace tavlo::generation
