// The holders: selection with the previous object kept once, replacement in
// one step, the font's colours, alignment and centring offset.
#include "drawing/porteur.h"

#include <cstring>

#include "drawing/tourneur.h"

namespace tavlo {

namespace {

// Head of the list of live holders. A plain pointer: it needs no
// construction, so it is usable from any holder's constructor or destructor.
Porteur* premier = nullptr;

}  // namespace

Porteur::Porteur() {
  suivant_ = premier;
  if (premier != nullptr) premier->avant_ = this;
  premier = this;
}

Porteur::~Porteur() {
  libere();
  if (avant_ != nullptr) avant_->suivant_ = suivant_;
  else premier = suivant_;
  if (suivant_ != nullptr) suivant_->avant_ = avant_;
}

void Porteur::adopte(Objet o) {
  if (o != nullptr && o == objet_) {
    possede_ = 1;
    return;
  }
  libere();
  objet_ = o;
  possede_ = 1;
}

void Porteur::selectionne(Contexte* c) {
  if (c == nullptr) return;
  contexte_ = c;
  if (objet_ == nullptr) return;
  if (selectionne_ == 0) {
    precedent_ = c->selectionne(objet_);
    selectionne_ = 1;
  } else {
    c->selectionne(objet_);
  }
}

void Porteur::remet() {
  if (contexte_ != nullptr && selectionne_ != 0) contexte_->selectionne(precedent_);
}

void Porteur::libere() {
  remet();
  if (possede_ != 0) {
    detruitobjet(objet_);
    objet_ = nullptr;
    possede_ = 0;
  }
}

void oubliecontexte(const Contexte* c) {
  if (c == nullptr) return;
  for (Porteur* p = premier; p != nullptr; p = p->suivant_) {
    if (p->contexte_ == c) p->contexte_ = nullptr;
  }
}

void Oublieur::operator()(Contexte* c) const {
  oubliecontexte(c);
  delete c;
}

void Fonte::cree(std::int16_t hauteur, std::int16_t largeur, std::int16_t escapement,
                 bool italique, std::int16_t poids, const char* face) {
  dx_ = 0;
  dy_ = 0;
  adopte(creefonte(hauteur, largeur, escapement, poids, italique, face));
}

void Fonte::fonterot(std::int16_t hauteur, std::int16_t largeur, std::int16_t escapement,
                     bool italique, std::int16_t poids, const char* face) {
  cree(hauteur, largeur, escapement, italique, poids, face);
  dy_ = static_cast<std::int16_t>(hauteur / 2);
  // A slanted text needs more room along its own vertical than a level one.
  if (escapement % 900 != 0) dy_ = static_cast<std::int16_t>(dy_ * 1.2);
  if (escapement > 0) {
    Tourneur t;
    t.fixedixiemes(escapement);
    t.fixepoint(dx_, dy_);
    dx_ = t.xtourne();
    dy_ = t.ytourne();
  }
}

void Fonte::couleur(Couleur c) {
  couleurtexte_ = c;
  opaque_ = 0;
}

void Fonte::aligne(bool centre) {
  centre_ = centre ? 1 : 0;
  if (Contexte* c = contexte()) c->alignement(centre ? ALIGNE_CENTRE : ALIGNE_GAUCHE | ALIGNE_HAUT);
}

void Fonte::ecrit0(std::int32_t x, std::int32_t y, const char* texte) {
  Contexte* c = contexte();
  if (c == nullptr) return;
  if (opaque_ != 0) {
    c->modefond(ModeFond::opaque);
    c->couleurfond(couleurfond_);
  } else {
    c->modefond(ModeFond::transparent);
  }
  c->couleurtexte(couleurtexte_);
  if (texte == nullptr) texte = "";
  c->ecrittexte(x, y, texte, static_cast<int>(std::strlen(texte)));
}

void Fonte::ecritdec(std::int32_t x, std::int32_t y, const char* texte) {
  aligne(centre_ != 0);
  ecrit0(x + dx_, y - dy_, texte);
}

namespace {

// Destroyed at exit in reverse order: font, brush, pen, each deleting what it
// holds (the platform's object table outlives every static).
struct Porteurs {
  Porteur stylo;
  Porteur brosse;
  Fonte fonte;
};

Porteurs& porteurs() {
  static Porteurs p;
  return p;
}

}  // namespace

Porteur& porteurstylo() { return porteurs().stylo; }
Porteur& porteurbrosse() { return porteurs().brosse; }
Fonte& porteurfonte() { return porteurs().fonte; }

}  // namespace tavlo
