// Repere: the step table of the screen frame and positions of named points.
#include "geometry/repere.h"

#include "geometry/internal/lettres.h"

namespace tavlo {

Repere::Repere() : exact_(0), nbdirections_(6), demi_(3), pas_(0), angle_(0.0f), table_{} {
  for (int k = 0; k < 6; ++k) table_[k].nom[0] = static_cast<char>('A' + k);
}

void Repere::construit([[maybe_unused]] std::int16_t directions, std::int16_t pas, float angle) {
  nbdirections_ = 6;
  demi_ = 3;
  angle_ = angle;
  fixe(pas, static_cast<std::int16_t>(angle));
  pas_ = rayon();
  for (int k = 0; k < 6; ++k) {
    table_[k].x = xsommet(k);
    table_[k].y = ysommet(k);
    table_[k].nom[0] = static_cast<char>('A' + k);
    table_[k].nom[1] = 0;
  }
  exact_ = 1;
}

const Repere::Direction& Repere::direction(int k) const {
  return table_[internal::modulo6(k)];
}

std::int16_t Repere::xde(const char* texte) {
  fixetexte(texte);
  return x();
}

std::int16_t Repere::yde(const char* texte) {
  fixetexte(texte);
  return y();
}

}  // namespace tavlo
