// Scrambling: debrouille's three steps undone in reverse order.
#include "brouille.h"

#include <algorithm>
#include <cstring>

#include "text/internal/alphabet.h"
#include "text/texte.h"

namespace tavlo {

namespace {

const TableCar& tablebrouille() {
  static const TableCar table = [] {
    TableCar t;
    tableidentite(t);
    tabledefinit(t, interne::alphabet(), interne::imagealphabet());
    return t;
  }();
  return table;
}

}  // namespace

void brouille(const char* clair, Chaine& cible) {
  if (clair == nullptr) clair = "";
  const std::size_t l = std::strlen(clair);
  char* s = nouveautexte(l + 1);

  // Inverse interleave: read back, in order, the places debrouille writes to.
  if (l > 1) {
    std::size_t j = 1;
    for (std::size_t i = 0; i < l; ++i) {
      s[i] = clair[j];
      j += 2;
      if (j >= l) j = 0;
    }
    s[l] = 0;
  } else {
    std::memcpy(s, clair, l + 1);
  }

  // The half reversal is its own inverse.
  if (l >= 3) {
    const std::size_t n = l / 2;
    std::reverse(s, s + n);
    std::reverse(s + n, s + l);
  }

  tableapplique(tablebrouille(), s);
  cible.prend(s);
}

}  // namespace tavlo
