// Chemin: reading, normalising and writing lattice paths.
#include "geometry/chemin.h"

#include <algorithm>

#include "geometry/internal/lettres.h"

namespace tavlo {

namespace internal {

void litchemin(const char* t, std::uint16_t comptes[6]) {
  if (t == nullptr) return;
  int courante = -1;
  for (; *t != 0; ++t) {
    const char c = *t;
    if (c >= 'A' && c <= 'F') {
      courante = c - 'A';
      ++comptes[courante];
    } else if (c >= '1' && c <= '9') {
      if (courante >= 0) comptes[courante] = static_cast<std::uint16_t>(comptes[courante] + (c - '1'));
    } else {
      break;
    }
  }
}

}  // namespace internal

namespace {

// Removes the same number of steps from a and b: min(a, b) pairs at once is
// the same as one pair at a time until one runs out.
std::uint16_t apparie(std::uint16_t& a, std::uint16_t& b) {
  const std::uint16_t m = std::min(a, b);
  a = static_cast<std::uint16_t>(a - m);
  b = static_cast<std::uint16_t>(b - m);
  return m;
}

}  // namespace

Chemin::Chemin() : comptes_{}, lu_(0), normal_(0), etendu_(0), compact_(0) {}

void Chemin::efface() {
  std::fill(comptes_, comptes_ + 6, std::uint16_t{0});
  lu_ = normal_ = etendu_ = compact_ = 0;
}

void Chemin::fixetexte(const char* t) {
  efface();
  internal::litchemin(t, comptes_);
  lu_ = 1;
}

void Chemin::fixecompte(int k, std::uint16_t n) {
  comptes_[internal::modulo6(k)] = n;
  lu_ = normal_ = etendu_ = compact_ = 0;
}

std::uint16_t Chemin::compte(int k) const { return comptes_[internal::modulo6(k)]; }

void Chemin::normalise() {
  if (normal_) return;
  // A merge can create a count that cancels or merges again (A + C gives a
  // B that may meet an E or a D), so passes repeat until one changes nothing.
  bool change = true;
  while (change) {
    change = false;
    for (int k = 0; k < 3; ++k) {
      if (apparie(comptes_[k], comptes_[k + 3]) > 0) change = true;
    }
    for (int k = 0; k < 6; ++k) {
      const std::uint16_t m = apparie(comptes_[k], comptes_[(k + 2) % 6]);
      if (m > 0) {
        std::uint16_t& milieu = comptes_[(k + 1) % 6];
        milieu = static_cast<std::uint16_t>(milieu + m);
        change = true;
      }
    }
  }
  normal_ = 1;
  // The counts may have changed under a cached text.
  etendu_ = compact_ = 0;
}

void Chemin::ecrit(bool enchiffres) {
  std::size_t n = 0;
  for (std::uint16_t c : comptes_) n += enchiffres ? 2 * ((c + 8) / 9) : c;
  char* neuf = nouveautexte(n + 1);
  char* p = neuf;
  for (int k = 0; k < 6; ++k) {
    const char lettre = static_cast<char>('A' + k);
    for (int reste = comptes_[k]; reste > 0;) {
      const int pas = enchiffres ? std::min(reste, 9) : 1;
      *p++ = lettre;
      if (pas > 1) *p++ = static_cast<char>('0' + pas);
      reste -= pas;
    }
  }
  *p = 0;
  texte_.prend(neuf);
}

const char* Chemin::texteetendu() {
  normalise();
  if (!etendu_) {
    ecrit(false);
    etendu_ = 1;
    compact_ = 0;
  }
  return texte_.texte();
}

const char* Chemin::textecompact() {
  normalise();
  if (!compact_) {
    ecrit(true);
    compact_ = 1;
    etendu_ = 0;
  }
  return texte_.texte();
}

std::int16_t Chemin::x() const {
  std::int32_t s = 0;
  for (int k = 0; k < 6; ++k) s += std::int32_t{comptes_[k]} * xsommet(k);
  return static_cast<std::int16_t>(s);
}

std::int16_t Chemin::y() const {
  std::int32_t s = 0;
  for (int k = 0; k < 6; ++k) s += std::int32_t{comptes_[k]} * ysommet(k);
  return static_cast<std::int16_t>(s);
}

}  // namespace tavlo
