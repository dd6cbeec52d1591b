// The game-state text: writing, reading and the queue of pending records.
#include "core/etatjeu.h"

#include <string>

#include "text/nombres.h"
#include "text/texte.h"

namespace tavlo {

ListeChaines& evenements() {
  static ListeChaines file;
  return file;
}

void ecritetatjeu(const Grille& g, Chaine& cible) {
  std::string s;
  for (int i = 1; i <= g.nbcases(); ++i) {
    const std::int16_t v = g.valeur(i);
    const std::int16_t m = g.marques(i);
    if (v > 0) {
      s += static_cast<char>('A' + v - 1);
    } else if (m == 0) {
      s += 'G';
    } else {
      s += static_cast<char>('0' + m % 8);
      s += static_cast<char>('0' + m / 8);
    }
  }
  cible.affecte(s.c_str());
  cible.remplace("GGG", "K");
  cible.remplace("GG", "H");
}

bool litetatjeu(Grille& g, const char* texte) {
  g.assurecases();
  Chaine codes(texte);
  majuscules(codes.texte());
  codes.remplace("H", "GG");
  codes.remplace("K", "GGG");
  const std::string s(codes.texte());

  ListeChaines& file = evenements();
  file.efface();
  Chaine record;
  bool convient = true;
  std::int16_t valeur = 0;
  std::int16_t marques = 0;
  int c = 0;
  for (std::size_t p = 0; p < s.size(); ++p) {
    const char code = s[p];
    ++c;
    if (c > g.nbcases()) {
      convient = false;
      continue;
    }
    const auto i = static_cast<std::int16_t>(c);
    if (code == 'G') {
      valeur = marques = 0;
    } else if (code >= 'A' && code <= 'F') {
      valeur = static_cast<std::int16_t>(code - 'A' + 1);
      marques = 0;
      if (!g.estfixe(i)) {
        record.numerote2("v,#,#", i, valeur);
        file.ajoutefin(record.texte());
      } else if (g.valeur(i) != valeur) {
        convient = false;
      }
    } else if (code >= '0' && code <= '7') {
      const int l = code - '0';
      const int h = p + 1 < s.size() ? s[++p] - '0' : 0;
      marques = static_cast<std::int16_t>((l + 8 * h) & Grille::TOUTES);
      valeur = 0;
      record.numerote2("p,#,#", i, marques);
      file.ajoutefin(record.texte());
    }
    // any other byte repeats the previous code
    g.fixevaleur(i, valeur);
    g.fixemarques(i, marques);
  }
  if (!convient) {
    g.retourfixes();
    g.effacetoutesmarques();
    // The codes may have emptied or changed a given before the text turned
    // out not to fit; a given always shows its own value.
    for (int i = 1; i <= g.nbcases(); ++i) {
      if (g.estfixe(i)) g.fixevaleur(i, g.cellule(i).sol);
    }
    // the queued values would otherwise come back at the next build
    file.efface();
  }
  return convient;
}

void draineevenements(Grille& g) {
  ListeChaines& file = evenements();
  Chaine record;
  Chaine genre;
  while (file.nonvide()) {
    file.retire(record);
    genre.extraitchampmaj(record.texte());
    const std::int32_t c = entier(record.texte());
    const std::int32_t n = entier(record.texte());
    if (c < 1 || c > g.nbcases()) continue;
    const auto i = static_cast<std::int16_t>(c);
    if (genre.egale("V")) {
      if (!g.estfixe(i) && n >= 0 && n <= 6) g.fixevaleur(i, static_cast<std::int16_t>(n));
    } else if (genre.egale("P")) {
      g.fixepossibles(i, static_cast<std::int16_t>(n & Grille::TOUTES));
    }
  }
}

}  // namespace tavlo
