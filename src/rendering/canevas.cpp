// Canevas: set-up, units and the origin stack. Plain arithmetic, no context.
#include "rendering/canevas.h"

#include "rendering/internal/entiers.h"
#include "text/nombres.h"
#include "text/texte.h"

namespace tavlo {

namespace {

// 25.4 as the 32-bit float the conversions were tuned on: 25.4 mm at 100 dpi
// must give exactly 100 pixels, which a double 25.4 would make 99.
constexpr float POUCE = 25.4f;

std::int16_t mmpix(std::int16_t dpi, float mm, float zoom) {
  const long double v = static_cast<long double>(dpi) * mm * zoom / static_cast<long double>(POUCE);
  return interne::tronque16(v);
}

float pixmm(std::int16_t dpi, float px, float zoom) {
  return px * POUCE / (static_cast<float>(dpi) * zoom);
}

}  // namespace

Canevas::Canevas() { initialise(); }

void Canevas::initialise() {
  hdc = nullptr;
  centrex_ = centrey_ = 0;
  origx_ = origy_ = 0;
  setdpi(300, 300);
  setpage(0, 0);
  setutile(0, 0);
  pgzoom_ = 1.0f;
  pdf_ = 0;
  nom_.vide();
}

void Canevas::recalcule() {
  // A device without a resolution reports no meaningful page either.
  if (dpix_ <= 0 || dpiy_ <= 0) return;
  if (utilepixl_ > pagepixl_) utilepixl_ = pagepixl_;
  if (utilepixh_ > pagepixh_) utilepixh_ = pagepixh_;
}

void Canevas::setdpi(std::int16_t x, std::int16_t y) {
  dpix_ = x;
  dpiy_ = y;
  recalcule();
}

void Canevas::setpage(std::int16_t l, std::int16_t h) {
  pagepixl_ = l;
  pagepixh_ = h;
  recalcule();
}

void Canevas::setutile(std::int16_t l, std::int16_t h) {
  utilepixl_ = l;
  utilepixh_ = h;
  recalcule();
}

void Canevas::centrer() {
  centrex_ = static_cast<std::uint16_t>(utilepixl_ / 2);
  centrey_ = static_cast<std::uint16_t>(utilepixh_ / 2);
  // A pdf printer measures y from the bottom of the page.
  if (pdf_) centrey_ = static_cast<std::uint16_t>(pagepixh_ - centrey_);
}

void Canevas::setnom(const char* texte) {
  nom_.affecte(texte);
  if (contientmaj(nom_.texte(), "pdfcreator")) {
    pdf_ = 1;
    centrer();
  }
}

void Canevas::installe(Contexte& contexte, const char* nom) {
  hdc = &contexte;
  setdpi(interne::en16(contexte.capacite(Capacite::dpix)),
         interne::en16(contexte.capacite(Capacite::dpiy)));
  const std::int16_t l = interne::en16(contexte.capacite(Capacite::largeur));
  const std::int16_t h = interne::en16(contexte.capacite(Capacite::hauteur));
  setpage(l, h);
  setutile(l, h);
  centrer();
  recalcule();
  setnom(nom);
}

void Canevas::setcentre(std::uint16_t x, std::uint16_t y) {
  centrex_ = x;
  centrey_ = y;
}

std::int16_t Canevas::mmpixx(float mm) const { return mmpix(dpix_, mm, pgzoom_); }
std::int16_t Canevas::mmpixy(float mm) const { return mmpix(dpiy_, mm, pgzoom_); }
float Canevas::pixmmx(float px) const { return pixmm(dpix_, px, pgzoom_); }
float Canevas::pixmmy(float px) const { return pixmm(dpiy_, px, pgzoom_); }

std::int16_t Canevas::pix600(std::int32_t n) const {
  const float v = static_cast<float>(static_cast<std::int64_t>(n) * dpix_) / 600.0f + 0.5f;
  return interne::tronque16(v);
}

void Canevas::origmm(float x, float y) {
  origx_ = static_cast<std::uint16_t>(centrex_ + mmpixx(x));
  origy_ = static_cast<std::uint16_t>(centrey_ - mmpixy(y));
}

void Canevas::empileorig() {
  Chaine pile;
  pile.affecte3(texteentier(origx_), ",", texteentier(origy_));
  pile.ajoute2(",", origines_.texte());
  origines_ = pile;
}

void Canevas::depileorig() {
  // entier takes each field out of the text as it reads it.
  origx_ = static_cast<std::uint16_t>(entier(origines_.texte()));
  origy_ = static_cast<std::uint16_t>(entier(origines_.texte()));
}

Point Canevas::appareil(std::int32_t x, std::int32_t y) const {
  return Point{static_cast<std::int32_t>(origx_) + x, static_cast<std::int32_t>(origy_) - y};
}

}  // namespace tavlo
