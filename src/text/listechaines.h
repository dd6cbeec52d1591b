// ListeChaines: the one container of the program, an ordered list of owned
// texts addressed by 1-based position. It serves as a plain list, as a sorted
// set (insere, triunique) and as a key=value store (ecritcle, litcle). Texts
// compare ignoring case (a-z folded), bytes as unsigned, a prefix first.
//
//   ListeChaines l;
//   l.ecritcle("tca", "40");            // inserts "tca=40" in sorted place
//   int n = l.litentier("tca");         // 40
//
// Loading from and saving to files (charge, sauve) live with the file access
// layer (platform/fichier.h), which builds on this list.
#pragma once

#include <cstdint>

#include "text/chaine.h"

namespace tavlo {

class ListeChaines {
public:
  ListeChaines();
  ListeChaines(const ListeChaines&) = delete;
  ListeChaines& operator=(const ListeChaines&) = delete;
  ~ListeChaines();

  void efface();
  bool estvide() const;
  bool nonvide() const;
  std::int16_t nombre() const;
  // Text of item n, or null. Stays valid until that item is changed or deleted.
  const char* element(std::int16_t n) const;

  void ajoutefin(const char* s);
  void ajoutefin2(const char* a, const char* b);
  void ajoutesiabsent(const char* s);
  void insere(const char* s);
  bool inseresiabsent(const char* s);
  std::int16_t cherche(const char* s) const;
  std::int16_t chercheprefixe(const char* prefixe) const;
  char* retire();             // caller owns the text (free with liberetexte)
  void retire(Chaine& cible);
  void supprime(std::int16_t n);
  void change(std::int16_t n, const char* s);
  void trie();
  void dedouble();
  void triunique();
  void transfere(ListeChaines& autre);
  void ajouteliste(const ListeChaines& autre);
  void deplace(std::int16_t n, ListeChaines& autre);
  void echange(ListeChaines& autre);
  void joint(Chaine& cible);

  // The items in order, in one pass (element(n) walks from the front for
  // every n):  for (const char* item : liste) ...
  class Parcours;
  Parcours begin() const;
  Parcours end() const;

  std::int16_t indexcle(const char* cle) const;
  void ecritcle(const char* cle, const char* valeur);
  std::int16_t litcle(const char* cle, Chaine& cible) const;
  void separe(std::int16_t n, Chaine& cle, Chaine& valeur) const;
  std::int32_t litentier(const char* cle) const;

private:
  struct Noeud;
  Noeud* tete_ = nullptr;
};

class ListeChaines::Parcours {
public:
  const char* operator*() const;
  Parcours& operator++();
  bool operator==(const Parcours& autre) const { return n_ == autre.n_; }

private:
  friend class ListeChaines;
  explicit Parcours(const Noeud* n) : n_(n) {}
  const Noeud* n_;
};

}  // namespace tavlo
