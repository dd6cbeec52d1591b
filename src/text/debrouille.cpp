// Unscrambling of stored texts: substitution, half reversal, interleave.
#include "text/debrouille.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "text/chaine.h"
#include "text/internal/alphabet.h"
#include "text/texte.h"

namespace tavlo {

namespace interne {

const char* alphabet() {
  static const Chaine a = [] {
    Chaine morceau;
    Chaine tout;
    morceau.plage('9', '0');
    tout.ajoute(morceau.texte());
    morceau.plage('a', 'z');
    tout.ajoute(morceau.texte());
    tout.ajoute(" .,;:!?'-()/=#*");
    morceau.plage('Z', 'A');
    tout.ajoute(morceau.texte());
    // à â ç è é ê ë î ï ô ù û ü
    tout.ajoute("\xE0\xE2\xE7\xE8\xE9\xEA\xEB\xEE\xEF\xF4\xF9\xFB\xFC");
    return tout;
  }();
  return a.texte();
}

const char* imagealphabet() {
  // Dropping an even number of bytes leaves no byte of the image in its own
  // place in the alphabet, so every letter of the alphabet is disguised.
  static constexpr std::int16_t rotation = 38;
  static const Chaine image = [] {
    Chaine i;
    i.affecte2(alphabet(), alphabet());
    inverse(i.texte());
    supprimedebut(i.texte(), rotation);
    tronque(i.texte(), static_cast<std::int16_t>(longueurtexte(alphabet())));
    return i;
  }();
  return image.texte();
}

}  // namespace interne

namespace {

struct Etat {
  Etat() : tampon(152), travail(152) {
    tableidentite(table);
    tabledefinit(table, interne::imagealphabet(), interne::alphabet());
  }
  TableCar table;
  std::vector<char> tampon;   // holds the result; its address changes only when it grows
  std::vector<char> travail;  // scratch for the interleave
};

Etat& etat() {
  static Etat e;
  return e;
}

}  // namespace

const char* debrouille(const char* brouille) {
  Etat& e = etat();
  if (brouille == nullptr) brouille = "";
  const std::size_t l = std::strlen(brouille);
  // A text that points into the buffer (the previous result) fits it, so the
  // buffer only grows for texts that live elsewhere.
  if (l + 1 > e.tampon.size()) {
    e.tampon.resize(l + 1);
    e.travail.resize(l + 1);
  }
  char* t = e.tampon.data();
  std::memmove(t, brouille, l + 1);

  tableapplique(e.table, t);

  // Half reversal: each half reversed on its own (positions 1..n and n+1..l).
  if (l >= 3) {
    const std::size_t n = l / 2;
    std::reverse(t, t + n);
    std::reverse(t + n, t + l);
  }

  // Interleave: bytes in order go to the odd places 1, 3, 5, ... and, once the
  // place passes the end, to the even places 0, 2, 4, ...
  if (l > 1) {
    char* w = e.travail.data();
    std::size_t j = 1;
    for (std::size_t i = 0; i < l; ++i) {
      w[j] = t[i];
      j += 2;
      if (j >= l) j = 0;
    }
    std::memcpy(t, w, l);
  }
  return t;
}

}  // namespace tavlo
