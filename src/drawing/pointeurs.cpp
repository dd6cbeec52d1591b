// The pointer selection rule and the busy counter.
#include "drawing/pointeurs.h"

namespace tavlo {

std::int16_t codepointeur(const EtatPointeur& e, std::int16_t occupation) {
  if (occupation > 0) return POINTEUR_ATTENTE;
  if (e.pages) return POINTEUR_FLECHE;
  if (e.surgroupe) return POINTEUR_GROUPE;
  if (e.effacement) return POINTEUR_ECLAT;
  if (e.chiffre < 0 || e.chiffre > 6) return POINTEUR_FLECHE;
  return e.chiffre;
}

void Pointeurs::cree(Montreur& m) {
  montreur_ = &m;
  code_ = -1;
}

void Pointeurs::libere() {
  montreur_ = nullptr;
  code_ = -1;
}

void Pointeurs::choisit(bool force) {
  const std::int16_t c = codepointeur(etat, occupation_);
  if (!force && c == code_) return;
  code_ = c;
  if (montreur_ != nullptr) montreur_->montre(c, masquepointeur(c));
}

void Pointeurs::occupe() {
  if (occupation_ == INT16_MAX) return;
  if (occupation_++ == 0) choisit();
}

void Pointeurs::desoccupe() {
  // The finish pass lowers the counter even when the background pass that
  // raised it was skipped, so lowering at 0 must be harmless.
  if (--occupation_ <= 0) {
    occupation_ = 0;
    choisit();
  }
}

Pointeurs& pointeurs() {
  static Pointeurs p;
  return p;
}

}  // namespace tavlo
