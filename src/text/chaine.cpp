// Chaine: the owning text type. Every change builds the complete new text in a
// fresh buffer of exactly the needed size and only then frees the old one, so
// an out-of-memory exception leaves the old text intact and never a dangling
// pointer, and an argument pointing into the target's own text is read before
// it is freed.
#include "text/chaine.h"

#include <cstdio>
#include <cstring>
#include <initializer_list>

#include "text/internal/recherche.h"
#include "text/texte.h"

namespace tavlo {

char* nouveautexte(std::size_t octets) { return new char[octets == 0 ? 1 : octets]; }

void liberetexte(char* p) { delete[] p; }

char* copietexte(const char* s) {
  if (s == nullptr) s = "";
  const std::size_t l = std::strlen(s);
  char* p = nouveautexte(l + 1);
  std::memcpy(p, s, l + 1);
  return p;
}

namespace {

// A piece of a text under construction: a byte range, not necessarily terminated.
struct Morceau {
  Morceau(const char* s) : p(s != nullptr ? s : ""), n(std::strlen(p)) {}
  Morceau(const char* s, std::size_t l) : p(s), n(l) {}
  const char* p;
  std::size_t n;
};

char* assemble(std::initializer_list<Morceau> morceaux) {
  std::size_t total = 1;
  for (const Morceau& m : morceaux) total += m.n;
  char* neuf = nouveautexte(total);
  char* fin = neuf;
  for (const Morceau& m : morceaux) {
    std::memcpy(fin, m.p, m.n);
    fin += m.n;
  }
  *fin = 0;
  return neuf;
}

std::size_t positif(std::int16_t n) { return n > 0 ? static_cast<std::size_t>(n) : 0; }

// Common part of remplace and remplace1: one pass over the text, occurrences
// found ignoring case, inserted text never searched again.
char* remplacement(const char* texte, const char* motif, const char* par, bool tous) {
  if (motif == nullptr) motif = "";
  if (par == nullptr) par = "";
  const std::size_t lm = std::strlen(motif);
  const std::size_t lp = std::strlen(par);

  std::size_t total = std::strlen(texte) + 1;
  for (const char* p = interne::trouvemaj(texte, motif); p != nullptr;
       p = tous ? interne::trouvemaj(p + lm, motif) : nullptr) {
    total = total - lm + lp;
  }

  char* neuf = nouveautexte(total);
  char* fin = neuf;
  const char* reste = texte;
  for (const char* p = interne::trouvemaj(reste, motif); p != nullptr;
       p = tous ? interne::trouvemaj(reste, motif) : nullptr) {
    std::memcpy(fin, reste, static_cast<std::size_t>(p - reste));
    fin += p - reste;
    std::memcpy(fin, par, lp);
    fin += lp;
    reste = p + lm;
  }
  std::memcpy(fin, reste, std::strlen(reste) + 1);
  return neuf;
}

}  // namespace

Chaine::Chaine() : p_(copietexte("")) {}

Chaine::Chaine(const char* s) : p_(copietexte(s)) {}

Chaine::Chaine(const Chaine& autre) : p_(copietexte(autre.p_)) {}

Chaine& Chaine::operator=(const Chaine& autre) {
  affecte(autre.p_);
  return *this;
}

Chaine::~Chaine() {
  liberetexte(p_);
  p_ = nullptr;
}

void Chaine::remet(char* neuf) {
  liberetexte(p_);
  p_ = neuf;
}

void Chaine::vide() { remet(copietexte("")); }

void Chaine::affecte(const char* s) { remet(copietexte(s)); }

void Chaine::affecte2(const char* a, const char* b) { remet(assemble({a, b})); }

void Chaine::affecte3(const char* a, const char* b, const char* c) {
  remet(assemble({a, b, c}));
}

void Chaine::ajoute(const char* s) { remet(assemble({p_, s})); }

void Chaine::ajoute2(const char* a, const char* b) { remet(assemble({p_, a, b})); }

void Chaine::ajoute3(const char* a, const char* b, const char* c) {
  remet(assemble({p_, a, b, c}));
}

void Chaine::prend(char* p) {
  if (p == p_) return;
  remet(p != nullptr ? p : copietexte(""));
}

int Chaine::longueur() const { return static_cast<int>(std::strlen(p_)); }

bool Chaine::egale(const char* s) const { return egalemaj(p_, s); }

void Chaine::remplace(const char* motif, const char* remplacement) {
  remet(tavlo::remplacement(p_, motif, remplacement, true));
}

void Chaine::remplace1(const char* motif, const char* remplacement) {
  remet(tavlo::remplacement(p_, motif, remplacement, false));
}

void Chaine::numerote(const char* modele, std::int16_t n) {
  if (modele == nullptr) modele = "";
  char nombre[8];
  std::snprintf(nombre, sizeof nombre, "%d", static_cast<int>(n));
  const char* diese = std::strchr(modele, '#');
  if (diese == nullptr) {
    affecte(modele);
    return;
  }
  remet(assemble({Morceau(modele, static_cast<std::size_t>(diese - modele)), nombre, diese + 1}));
}

void Chaine::numerote2(const char* modele, std::int16_t n1, std::int16_t n2) {
  numerote(modele, n1);
  numerote(p_, n2);
}

void Chaine::repete(std::int16_t n, const char* s) {
  if (s == nullptr) s = "";
  const std::size_t fois = positif(n);
  const std::size_t l = std::strlen(s);
  char* neuf = nouveautexte(fois * l + 1);
  for (std::size_t i = 0; i < fois; ++i) std::memcpy(neuf + i * l, s, l);
  neuf[fois * l] = 0;
  remet(neuf);
}

void Chaine::plage(unsigned char c1, unsigned char c2) {
  const int pas = c1 <= c2 ? 1 : -1;
  const std::size_t n = static_cast<std::size_t>((c2 - c1) * pas) + 1;
  char* neuf = nouveautexte(n + 1);
  int c = c1;
  for (std::size_t i = 0; i < n; ++i, c += pas) neuf[i] = static_cast<char>(c);
  neuf[n] = 0;
  remet(neuf);
}

void Chaine::completea(std::int16_t largeur) {
  const std::size_t l = std::strlen(p_);
  const std::size_t w = positif(largeur);
  if (l >= w) return;
  char* neuf = nouveautexte(w + 1);
  std::memcpy(neuf, p_, l);
  std::memset(neuf + l, ' ', w - l);
  neuf[w] = 0;
  remet(neuf);
}

void Chaine::agrandit(std::int16_t n) {
  const std::size_t l = std::strlen(p_);
  const std::size_t plus = positif(n);
  char* neuf = nouveautexte(l + 1 + plus);
  std::memcpy(neuf, p_, l);
  // The extra room is zeroed so that whatever the caller writes there stays terminated.
  std::memset(neuf + l, 0, plus + 1);
  remet(neuf);
}

void Chaine::preleve(char* source, std::int16_t n) {
  const std::size_t ls = longueurtexte(source);
  const std::size_t k = positif(n) < ls ? positif(n) : ls;
  if (k == 0) {
    vide();
    return;
  }
  char* neuf = assemble({Morceau(source, k)});
  std::memmove(source, source + k, ls - k + 1);
  remet(neuf);
}

void Chaine::extraitchamp(char* source) {
  if (source == nullptr) {
    vide();
    return;
  }
  char* virgule = std::strchr(source, ',');
  const std::size_t lc = virgule != nullptr ? static_cast<std::size_t>(virgule - source)
                                            : std::strlen(source);
  // The field without its surrounding spaces.
  std::size_t debut = 0;
  std::size_t fin = lc;
  while (debut < fin && source[debut] == ' ') ++debut;
  while (fin > debut && source[fin - 1] == ' ') --fin;
  char* champ = assemble({Morceau(source + debut, fin - debut)});

  if (virgule == nullptr) {
    source[0] = 0;
  } else {
    const char* reste = virgule + 1;
    while (*reste == ' ') ++reste;
    std::memmove(source, reste, std::strlen(reste) + 1);
  }
  remet(champ);
}

void Chaine::extraitchampmaj(char* source) {
  extraitchamp(source);
  majuscules(p_);
}

}  // namespace tavlo
