// Text utilities on plain zero-terminated texts.
#include "text/texte.h"

#include <algorithm>
#include <cstring>
#include <initializer_list>

#include "text/internal/recherche.h"

namespace tavlo {

namespace interne {

namespace {

// Naive search: the texts are short and this keeps "found ignoring case" and
// "found exactly" one algorithm.
template <typename Egal>
const char* cherchepar(const char* texte, const char* motif, Egal egal) {
  if (texte == nullptr || motif == nullptr || motif[0] == 0) return nullptr;
  const std::size_t lm = std::strlen(motif);
  const std::size_t lt = std::strlen(texte);
  if (lm > lt) return nullptr;
  for (std::size_t i = 0; i + lm <= lt; ++i) {
    std::size_t k = 0;
    while (k < lm && egal(texte[i + k], motif[k])) ++k;
    if (k == lm) return texte + i;
  }
  return nullptr;
}

}  // namespace

const char* trouve(const char* texte, const char* motif) {
  return cherchepar(texte, motif, [](char a, char b) { return a == b; });
}

const char* trouvemaj(const char* texte, const char* motif) {
  return cherchepar(texte, motif, [](char a, char b) { return plie(a) == plie(b); });
}

int ordre(const char* a, const char* b) {
  if (a == nullptr) a = "";
  if (b == nullptr) b = "";
  for (;; ++a, ++b) {
    const unsigned char fa = plie(*a);
    const unsigned char fb = plie(*b);
    if (fa != fb) return fa < fb ? -1 : 1;
    if (fa == 0) return 0;
  }
}

}  // namespace interne

namespace {

const char* ou(const char* s) { return s != nullptr ? s : ""; }

int rang(const char* texte, const char* trouve) {
  return trouve != nullptr ? static_cast<int>(trouve - texte) + 1 : 0;
}

}  // namespace

// ---- Length and emptiness ----

std::size_t longueurtexte(const char* s) { return s != nullptr ? std::strlen(s) : 0; }

void videtexte(char* s) {
  if (s != nullptr) s[0] = 0;
}

bool estvidetexte(const char* s) { return s == nullptr || s[0] == 0; }

bool nonvidetexte(const char* s) { return !estvidetexte(s); }

// ---- Searching and comparing ----

int position(const char* texte, const char* motif) {
  return rang(texte, interne::trouve(texte, motif));
}

int positionmaj(const char* texte, const char* motif) {
  return rang(texte, interne::trouvemaj(texte, motif));
}

int derniere(const char* texte, char c) {
  if (texte == nullptr || c == 0) return 0;
  return rang(texte, std::strrchr(texte, c));
}

bool contient(const char* texte, const char* motif) {
  return interne::trouve(texte, motif) != nullptr;
}

bool contientmaj(const char* texte, const char* motif) {
  return interne::trouvemaj(texte, motif) != nullptr;
}

bool commence(const char* texte, const char* prefixe) {
  texte = ou(texte);
  prefixe = ou(prefixe);
  while (*texte == ' ') ++texte;
  for (; *prefixe != 0; ++texte, ++prefixe) {
    // The text's zero byte never equals a prefix byte, so a short text fails here.
    if (interne::plie(*texte) != interne::plie(*prefixe)) return false;
  }
  return true;
}

bool finit(const char* texte, const char* suffixe) {
  texte = ou(texte);
  suffixe = ou(suffixe);
  const std::size_t lt = std::strlen(texte);
  const std::size_t ls = std::strlen(suffixe);
  if (ls == 0 || ls > lt) return false;
  return egalemaj(texte + (lt - ls), suffixe);
}

bool egalemaj(const char* a, const char* b) { return interne::ordre(a, b) == 0; }

int compare(const char* a, const char* b) {
  const int o = interne::ordre(a, b);
  return o == 0 ? 0 : (o > 0 ? 1 : 2);
}

// ---- In-place editing ----

void otespacesdebut(char* s) {
  if (s == nullptr || s[0] != ' ') return;
  std::size_t i = 0;
  while (s[i] == ' ') ++i;
  std::memmove(s, s + i, std::strlen(s + i) + 1);
}

void otespacesfin(char* s) {
  if (s == nullptr) return;
  std::size_t n = std::strlen(s);
  while (n > 0 && s[n - 1] == ' ') --n;
  s[n] = 0;
}

void otespaces(char* s) {
  otespacesfin(s);
  otespacesdebut(s);
}

void supprimedebut(char* s, std::int16_t n) {
  if (s == nullptr || n <= 0) return;
  const std::size_t l = std::strlen(s);
  const std::size_t k = static_cast<std::size_t>(n);
  if (k >= l) {
    s[0] = 0;
    return;
  }
  std::memmove(s, s + k, l - k + 1);
}

void supprimefin(char* s, std::int16_t n) {
  if (s == nullptr || n <= 0) return;
  const std::size_t l = std::strlen(s);
  const std::size_t k = static_cast<std::size_t>(n);
  s[k >= l ? 0 : l - k] = 0;
}

void tronque(char* s, std::int16_t n) {
  if (s == nullptr) return;
  const std::size_t k = n > 0 ? static_cast<std::size_t>(n) : 0;
  // Only walk as far as the cut: the text may be much longer than n.
  std::size_t i = 0;
  while (i < k && s[i] != 0) ++i;
  s[i] = 0;
}

void otecar(char* s, char c) {
  if (s == nullptr || c == 0) return;
  char* ecrit = s;
  for (const char* lu = s; *lu != 0; ++lu) {
    if (*lu != c) *ecrit++ = *lu;
  }
  *ecrit = 0;
}

void changecar(char* s, char c1, char c2) {
  if (s == nullptr || c1 == 0) return;
  for (; *s != 0; ++s) {
    if (*s == c1) {
      *s = c2;
      if (c2 == 0) return;  // the text ends here now
    }
  }
}

void traduit(char* s, const char* source, const char* cible) {
  if (s == nullptr) return;
  source = ou(source);
  cible = ou(cible);
  const std::size_t k = std::min(std::strlen(source), std::strlen(cible));
  if (k == 0) return;
  for (; *s != 0; ++s) {
    const void* trouve = std::memchr(source, *s, k);
    if (trouve != nullptr) {
      *s = cible[static_cast<const char*>(trouve) - source];
      if (*s == 0) return;
    }
  }
}

void majuscules(char* s) {
  if (s == nullptr) return;
  for (; *s != 0; ++s) *s = static_cast<char>(interne::plie(*s));
}

void inverse(char* s) {
  if (s == nullptr) return;
  std::reverse(s, s + std::strlen(s));
}

void inverseplage(char* s, std::int16_t a, std::int16_t b) {
  if (s == nullptr || a < 1 || b <= a) return;
  const std::size_t l = std::strlen(s);
  if (l < 2 || static_cast<std::size_t>(b) > l) return;
  std::reverse(s + (a - 1), s + b);
}

void triecar(char* s) {
  if (s == nullptr) return;
  const std::size_t l = std::strlen(s);
  bool echange = true;
  while (echange) {
    echange = false;
    for (std::size_t i = 0; i + 1 < l; ++i) {
      if (static_cast<signed char>(s[i]) > static_cast<signed char>(s[i + 1])) {
        std::swap(s[i], s[i + 1]);
        echange = true;
      }
    }
  }
}

void otechamps(char* s, std::int16_t n) {
  if (s == nullptr || n <= 0) return;
  char* reste = s;
  for (std::int16_t i = 0; i < n; ++i) {
    char* virgule = std::strchr(reste, ',');
    if (virgule == nullptr) {
      s[0] = 0;
      return;
    }
    reste = virgule + 1;
  }
  std::memmove(s, reste, std::strlen(reste) + 1);
}

bool oteprefixe(char* s, const char* prefixe) {
  if (s == nullptr || estvidetexte(prefixe) || !commence(s, prefixe)) return false;
  std::size_t i = 0;
  while (s[i] == ' ') ++i;
  i += std::strlen(prefixe);
  while (s[i] == ' ') ++i;
  std::memmove(s, s + i, std::strlen(s + i) + 1);
  return true;
}

// ---- Replacing inside a buffer ----

void remplacedans(char* tampon, std::int16_t n, const char* motif, const char* remplacement) {
  if (tampon == nullptr || estvidetexte(motif) || n <= 0) return;
  remplacement = ou(remplacement);
  const std::size_t lm = std::strlen(motif);
  const std::size_t lr = std::strlen(remplacement);
  char* depart = tampon;
  for (std::int16_t fait = 0; fait < n; ++fait) {
    char* p = const_cast<char*>(interne::trouvemaj(depart, motif));
    if (p == nullptr) return;
    const char* suite = p + lm;
    std::memmove(p + lr, suite, std::strlen(suite) + 1);
    std::memcpy(p, remplacement, lr);
    depart = p + lr;
  }
}

void remplacesur(char* tampon, std::int16_t n, const char* motif, const char* remplacement) {
  if (longueurtexte(remplacement) > longueurtexte(motif)) return;
  remplacedans(tampon, n, motif, remplacement);
}

namespace {

void assemble(char* tampon, std::initializer_list<const char*> morceaux) {
  if (tampon == nullptr) return;
  char* fin = tampon;
  bool premier = true;
  for (const char* m : morceaux) {
    if (premier && m == tampon) {
      fin += std::strlen(tampon);  // appending to what the buffer already holds
    } else {
      m = ou(m);
      const std::size_t l = std::strlen(m);
      std::memmove(fin, m, l);
      fin += l;
    }
    premier = false;
  }
  *fin = 0;
}

}  // namespace

void assemble2(char* tampon, const char* a, const char* b) { assemble(tampon, {a, b}); }

void assemble3(char* tampon, const char* a, const char* b, const char* c) {
  assemble(tampon, {a, b, c});
}

void assemble4(char* tampon, const char* a, const char* b, const char* c, const char* d) {
  assemble(tampon, {a, b, c, d});
}

void assemble5(char* tampon, const char* a, const char* b, const char* c, const char* d,
               const char* e) {
  assemble(tampon, {a, b, c, d, e});
}

// ---- Character tests ----

bool estchiffre(char c) { return c >= '0' && c <= '9'; }

bool dansplages(char c, const char* plages) {
  if (plages == nullptr) return false;
  const signed char v = static_cast<signed char>(c);
  for (; plages[0] != 0 && plages[1] != 0; plages += 2) {
    if (static_cast<signed char>(plages[0]) <= v && v <= static_cast<signed char>(plages[1])) {
      return true;
    }
  }
  return false;
}

bool esthexa(char c) { return dansplages(c, "AFaf09"); }

bool esthexalettre(char c) { return dansplages(c, "AFaf"); }

char majuscule(char c) { return static_cast<char>(interne::plie(c)); }

// ---- Byte translation tables ----

void tableidentite(TableCar& table) {
  table[0] = 0;
  for (int b = 0; b < 256; ++b) table[b + 1] = static_cast<unsigned char>(b);
}

void tabledefinit(TableCar& table, const char* source, const char* cible) {
  source = ou(source);
  cible = ou(cible);
  const std::size_t l = std::strlen(source);
  if (l == 0 || l != std::strlen(cible)) return;
  for (std::size_t k = 0; k < l; ++k) {
    const unsigned char de = static_cast<unsigned char>(source[k]);
    const unsigned char vers = static_cast<unsigned char>(cible[k]);
    table[de + 1] = vers;
    if (de < 32 || vers < 32) table[0] = 1;
  }
}

void tableapplique(const TableCar& table, char* s) {
  if (s == nullptr) return;
  for (; *s != 0; ++s) {
    *s = static_cast<char>(table[static_cast<unsigned char>(*s) + 1]);
    if (*s == 0) return;  // a table may map a byte to zero, which ends the text
  }
}

}  // namespace tavlo
