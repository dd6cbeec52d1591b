// ListeChaines: a singly linked chain of owned texts. Nodes are relinked rather
// than copied wherever items move (trie, transfere, deplace), so an item's text
// keeps its address until that item itself is changed or deleted.
#include "text/listechaines.h"

#include <cstring>
#include <limits>
#include <utility>

#include "text/internal/recherche.h"
#include "text/nombres.h"
#include "text/texte.h"

namespace tavlo {

struct ListeChaines::Noeud {
  char* texte;
  Noeud* suivant;
};

namespace {

// The helpers below are templates on the node type N only so that they can
// live outside the class: the node type is private and may not be named here,
// but it can be deduced from the chain they are handed.

constexpr std::int16_t maxpositions = std::numeric_limits<std::int16_t>::max();

template <typename N>
void libere(N* n) {
  liberetexte(n->texte);
  delete n;
}

// Links a new node holding texte (adopted) at *lien.
template <typename N>
void accroche(N** lien, char* texte) {
  N* n;
  try {
    n = new N{texte, *lien};
  } catch (...) {
    liberetexte(texte);  // the text must not leak when the node cannot be made
    throw;
  }
  *lien = n;
}

// Link that points at the first item not smaller than s: where sorted
// insertion puts s, in front of any equal items.
template <typename N>
N** placetriee(N** lien, const char* s) {
  while (*lien != nullptr && interne::ordre((*lien)->texte, s) < 0) lien = &(*lien)->suivant;
  return lien;
}

template <typename N>
N** dernierlien(N** lien) {
  while (*lien != nullptr) lien = &(*lien)->suivant;
  return lien;
}

// The link that holds item n (so that it can be replaced or unlinked), or
// null when there is no item n. Lien is N** or, in const members, N* const*.
template <typename Lien>
Lien lienitem(Lien tete, std::int16_t n) {
  if (n < 1) return nullptr;
  Lien lien = tete;
  for (std::int16_t i = 1; i < n && *lien != nullptr; ++i) lien = &(*lien)->suivant;
  return *lien != nullptr ? lien : nullptr;
}

// Position of the first node whose text passes test, within the range a 16-bit
// position can address; 0 when none.
template <typename N, typename Test>
std::int16_t premier(const N* n, Test test) {
  for (std::int16_t i = 1; n != nullptr; n = n->suivant, ++i) {
    if (test(n->texte)) return i;
    if (i == maxpositions) break;
  }
  return 0;
}

// First node of the whole chain whose text passes test, or null.
template <typename N, typename Test>
N* trouve(N* n, Test test) {
  for (; n != nullptr; n = n->suivant) {
    if (test(n->texte)) return n;
  }
  return nullptr;
}

}  // namespace

ListeChaines::ListeChaines() = default;

ListeChaines::~ListeChaines() { efface(); }

void ListeChaines::efface() {
  while (tete_ != nullptr) {
    Noeud* n = tete_;
    tete_ = n->suivant;
    libere(n);
  }
}

bool ListeChaines::estvide() const { return tete_ == nullptr; }

bool ListeChaines::nonvide() const { return tete_ != nullptr; }

std::int16_t ListeChaines::nombre() const {
  // Items past the last 16-bit position cannot be addressed; they are not counted.
  std::int16_t k = 0;
  for (const Noeud* n = tete_; n != nullptr && k < maxpositions; n = n->suivant) ++k;
  return k;
}

const char* ListeChaines::element(std::int16_t n) const {
  Noeud* const* lien = lienitem(&tete_, n);
  return lien != nullptr ? (*lien)->texte : nullptr;
}

void ListeChaines::ajoutefin(const char* s) { accroche(dernierlien(&tete_), copietexte(s)); }

void ListeChaines::ajoutefin2(const char* a, const char* b) {
  Chaine c;
  c.affecte2(a, b);
  ajoutefin(c.texte());
}

void ListeChaines::ajoutesiabsent(const char* s) {
  if (trouve(tete_, [s](const char* t) { return egalemaj(t, s); }) == nullptr) ajoutefin(s);
}

void ListeChaines::insere(const char* s) {
  // Placed by s itself, which stays valid: nothing is freed before the node is linked.
  accroche(placetriee(&tete_, s), copietexte(s));
}

bool ListeChaines::inseresiabsent(const char* s) {
  if (trouve(tete_, [s](const char* t) { return egalemaj(t, s); }) != nullptr) return false;
  insere(s);
  return true;
}

std::int16_t ListeChaines::cherche(const char* s) const {
  return premier(tete_, [s](const char* t) { return egalemaj(t, s); });
}

std::int16_t ListeChaines::chercheprefixe(const char* prefixe) const {
  return premier(tete_, [prefixe](const char* t) { return commence(t, prefixe); });
}

char* ListeChaines::retire() {
  if (tete_ == nullptr) return copietexte("");
  Noeud* n = tete_;
  tete_ = n->suivant;
  char* texte = n->texte;
  delete n;
  return texte;
}

void ListeChaines::retire(Chaine& cible) { cible.prend(retire()); }

void ListeChaines::supprime(std::int16_t n) {
  Noeud** lien = lienitem(&tete_, n);
  if (lien == nullptr) return;
  Noeud* ote = *lien;
  *lien = ote->suivant;
  libere(ote);
}

void ListeChaines::change(std::int16_t n, const char* s) {
  Noeud** lien = lienitem(&tete_, n);
  if (lien == nullptr) return;
  char* neuf = copietexte(s);  // before freeing: s may be this very item
  liberetexte((*lien)->texte);
  (*lien)->texte = neuf;
}

void ListeChaines::trie() {
  if (tete_ == nullptr || tete_->suivant == nullptr) return;
  // Each node taken from the front goes in front of its equals, which is what
  // reverses the order of equal items.
  Noeud* reste = tete_;
  tete_ = nullptr;
  while (reste != nullptr) {
    Noeud* n = reste;
    reste = n->suivant;
    Noeud** lien = placetriee(&tete_, n->texte);
    n->suivant = *lien;
    *lien = n;
  }
}

void ListeChaines::dedouble() {
  // Equality ignoring case is transitive, so deleting forward every item equal
  // to the survivor before it keeps the first of each run, as a backward walk
  // from the end would, in one pass.
  for (Noeud* n = tete_; n != nullptr; n = n->suivant) {
    while (n->suivant != nullptr && egalemaj(n->suivant->texte, n->texte)) {
      Noeud* ote = n->suivant;
      n->suivant = ote->suivant;
      libere(ote);
    }
  }
}

void ListeChaines::triunique() {
  trie();
  dedouble();
}

void ListeChaines::transfere(ListeChaines& autre) {
  if (&autre == this) return;
  *dernierlien(&autre.tete_) = tete_;
  tete_ = nullptr;
}

void ListeChaines::ajouteliste(const ListeChaines& autre) {
  // The copies form a chain of their own first: when autre is this list, the
  // walk must not run into the copies it adds.
  ListeChaines copies;
  Noeud** fin = &copies.tete_;
  for (const Noeud* n = autre.tete_; n != nullptr; n = n->suivant) {
    accroche(fin, copietexte(n->texte));
    fin = &(*fin)->suivant;
  }
  copies.transfere(*this);
}

void ListeChaines::deplace(std::int16_t n, ListeChaines& autre) {
  // The node itself moves; its text is the copy the other list receives.
  Noeud** lien = lienitem(&tete_, n);
  if (lien == nullptr) return;
  Noeud* item = *lien;
  *lien = item->suivant;
  item->suivant = nullptr;
  *dernierlien(&autre.tete_) = item;
}

void ListeChaines::echange(ListeChaines& autre) { std::swap(tete_, autre.tete_); }

void ListeChaines::joint(Chaine& cible) {
  std::size_t total = 1;
  for (const Noeud* n = tete_; n != nullptr; n = n->suivant) total += std::strlen(n->texte) + 1;
  char* texte = nouveautexte(total);
  char* fin = texte;
  for (const Noeud* n = tete_; n != nullptr; n = n->suivant) {
    const std::size_t l = std::strlen(n->texte);
    std::memcpy(fin, n->texte, l);
    fin += l;
    *fin++ = ',';
  }
  *fin = 0;
  cible.prend(texte);
  efface();
}

// ---- key=value items ----
// The "=" belongs to what is matched, so a key never matches a longer key it
// is a prefix of.

std::int16_t ListeChaines::indexcle(const char* cle) const {
  Chaine motif;
  motif.affecte2(cle, "=");
  return chercheprefixe(motif.texte());
}

void ListeChaines::ecritcle(const char* cle, const char* valeur) {
  Chaine motif;
  motif.affecte2(cle, "=");
  Chaine item;
  item.affecte2(motif.texte(), valeur);
  Noeud* n = trouve(tete_, [&motif](const char* t) { return commence(t, motif.texte()); });
  if (n == nullptr) {
    insere(item.texte());
    return;
  }
  char* neuf = copietexte(item.texte());
  liberetexte(n->texte);
  n->texte = neuf;
}

std::int16_t ListeChaines::litcle(const char* cle, Chaine& cible) const {
  const std::int16_t n = indexcle(cle);
  if (n == 0) {
    cible.vide();
    return 0;
  }
  Chaine motif;
  motif.affecte2(cle, "=");
  Chaine valeur(element(n));
  oteprefixe(valeur.texte(), motif.texte());
  cible.affecte(valeur.texte());
  return n;
}

void ListeChaines::separe(std::int16_t n, Chaine& cle, Chaine& valeur) const {
  const char* item = element(n);
  const char* egal = item != nullptr ? std::strchr(item, '=') : nullptr;
  if (egal == nullptr) {
    cle.vide();
    valeur.vide();
    return;
  }
  Chaine avant(item);
  avant.texte()[egal - item] = 0;
  valeur.affecte(egal + 1);
  cle.affecte(avant.texte());
}

std::int32_t ListeChaines::litentier(const char* cle) const {
  Chaine valeur;
  litcle(cle, valeur);
  return entier(valeur.texte());
}

ListeChaines::Parcours ListeChaines::begin() const { return Parcours(tete_); }
ListeChaines::Parcours ListeChaines::end() const { return Parcours(nullptr); }
const char* ListeChaines::Parcours::operator*() const { return n_->texte; }
ListeChaines::Parcours& ListeChaines::Parcours::operator++() {
  n_ = n_->suivant;
  return *this;
}

}  // namespace tavlo
