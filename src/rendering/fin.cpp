// The finish pass: values, pencil marks or neighbour links, group dots, group
// lines and pan arrows, drawn over a fresh copy of the background.
#include <string>
#include <vector>

#include "drawing/pointeurs.h"
#include "drawing/porteur.h"
#include "geometry/disposition.h"
#include "geometry/repere.h"
#include "rendering/internal/triangles.h"
#include "rendering/passes.h"

namespace tavlo {

namespace {

constexpr const char* ARIAL = "Arial";
constexpr std::int16_t POIDSTEXTE = 200;  // lighter than normal
const char* const CHIFFRES[] = {"0", "1", "2", "3", "4", "5", "6"};

// The marks of cell i. The caller knows its orientation: asking the grid
// would look the cell's name up once per mark.
void marques(AffichageGrille& a, Canevas& c, std::int16_t i, bool haut) {
  Grille& g = a.grille;
  const std::int16_t tca = etataffichage.tca;
  const std::int16_t h = hauteurmarques(tca);
  const std::int16_t s = decalmarques(tca);
  Fonte& f = porteurfonte();
  f.fonterot(h, static_cast<std::int16_t>(h / 2), 0, false, POIDSTEXTE, ARIAL);
  f.selectionne(c.hdc);
  f.aligne(true);
  f.couleur(coulmarques);
  const std::int16_t m = g.marques(i);
  const std::int16_t hauteur = g.grand().direction(1).y;
  for (int k = 1; k <= 6; ++k) {
    if ((m & (1 << (k - 1))) == 0) continue;
    std::int16_t dx = 0, dy = 0;
    decalagemarque(haut, k, g.taille(), hauteur, dx, dy);
    // The digit's top edge s above the mark: no centring offset of the holder.
    const Point p = c.appareil(g.xdecase(i) + dx, g.ydecase(i) + dy + s);
    f.ecrit0(p.x, p.y, CHIFFRES[k]);
  }
  f.remet();
}

// Segments "P:Q" from the vertex P to the vertex P followed by the moves Q.
void segments(Canevas& c, Repere& r, const ListeChaines& l) {
  std::string bout;
  for (const char* texte : l) {
    const std::string item = texte;
    const std::size_t deux = item.find(':');
    bout = item.substr(0, deux);
    if (deux != std::string::npos) bout += item.substr(deux + 1);
    c.trait(r.xde(item.c_str()), r.yde(item.c_str()), r.xde(bout.c_str()), r.yde(bout.c_str()));
  }
}

void fleches(Canevas& c, const Fleches& f) {
  if (c.hdc == nullptr) return;
  // Left and right go together, as do up and down: an arrow that cannot be
  // used is shown grey beside its usable partner.
  const int paires[2][2] = {{Fleches::DROITE, Fleches::GAUCHE}, {Fleches::HAUT, Fleches::BAS}};
  for (const auto& paire : paires) {
    if (!f.actives[paire[0]] && !f.actives[paire[1]]) continue;
    for (int k : paire) {
      c.brosse(f.actives[k] ? coulfleche : coulzone);
      // The outlines are client pixels already.
      c.hdc->polygone(f.contours[k], 4);
    }
  }
}

}  // namespace

void ecrisval(AffichageGrille& a, Canevas& c, std::int16_t i, Couleur couleur) {
  const std::int16_t v = a.grille.valeur(i);
  if (v < 1 || v > 6) return;
  Fonte& f = porteurfonte();
  f.fonterot(a.hautval, static_cast<std::int16_t>(a.hautval / 2), 0, false, POIDSTEXTE, ARIAL);
  f.selectionne(c.hdc);
  f.couleur(couleur);
  c.ecrit(a.grille.xdecase(i), a.grille.ydecase(i), CHIFFRES[v], true);
}

void ecrismarques(AffichageGrille& a, Canevas& c, std::int16_t i) {
  marques(a, c, i, a.grille.haut(i));
}

void dessingrifin(AffichageGrille& a, Canevas& c, bool variante, Couleur, Couleur) {
  Grille& g = a.grille;
  const EtatAffichage& e = etataffichage;
  g.assurepositions();
  if (e.surbrillance) g.assurevoisins();
  const std::int16_t w = largeurbord(g.taille());
  const bool avecmarques = !e.surbrillance && e.modeaff != MODE_PAGES;
  std::vector<std::uint8_t> hauts;  // read only when some empty cell has marks

  for (std::int16_t i = 1, fin = g.nbcases(); i <= fin; ++i) {
    const std::int16_t x = g.xdecase(i);
    const std::int16_t y = g.ydecase(i);
    if (g.valeur(i) > 0) ecrisval(a, c, i, g.estfixe(i) ? coulfixe : couljoueur);
    if (e.surbrillance) {
      c.stylo(1, coullien);
      c.brosse(coullien);
      for (int k = 0; k < Voisinage::NB; ++k) {
        const std::int16_t n = g.voisin(i, k);
        // each pair once, from its higher-numbered cell
        if (n > 0 && n < i) c.trait(x, y, g.xdecase(n), g.ydecase(n));
      }
      c.ellipse(x, y, 4, 4);
    }
    if (avecmarques && g.valeur(i) <= 0 && g.marques(i) != 0) {
      if (hauts.empty()) hauts = interne::hauts(g);
      marques(a, c, i, hauts[static_cast<std::size_t>(i)] != 0);
    }
  }

  // The dots keep whatever brush the frame holds: white by default, green
  // after the neighbour links.
  c.stylo(w, 0x000000);
  const std::int16_t r = c.pix600(10);
  for (std::int16_t h = 1, fin = g.nbhexas(); h <= fin; ++h)
    c.ellipse(g.xdegroupe(h), g.ydegroupe(h), r, r);

  placegrille(a, variante, c);

  g.assuretraits();
  Repere repere = g.grand();  // xde needs a frame of its own to work in
  c.stylo(1, coultrait);
  for (int k = 0; k < 3; ++k) segments(c, repere, g.interieurs(k));
  c.stylo(largeurcontour(g.taille(), variante), coultrait);
  for (int k = 0; k < 3; ++k) segments(c, repere, g.contours(k));
  porteurstylo().remet();  // the frame's default pen outlines the arrows

  fleches(c, e.fleches);

  c.depileorig();
  desoccupe();
}

}  // namespace tavlo
