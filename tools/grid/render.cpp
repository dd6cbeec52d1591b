// tavlo-grid render: builds a built-in grid, or one from a definition file, and
// paints it as the game window would, without a window: the client area is the grid's extent
// as the window layout computes it at 96 dpi, the background pass goes into
// the background buffer, the finish pass into the frame, and the frame is
// written as a PNG.
//
//   tavlo-grid render ID|FILE --png OUT [--level N] [--size 40|50|60|70]
//                     [--state ETATJEU] [--highlight]
//
// ID is a built-in grid identifier such as 1239-1 (any case), loaded as the
// game loads it, with its own level unless --level says otherwise; anything
// else names a definition file.
// The last line printed is "origin X Y": the pixel of the lattice origin, so
// that a cell centred at grid position (x, y) is at pixel (X + x, Y - y).
#include "render.h"

#include <cstdlib>
#include <iostream>

#include "core/grille.h"
#include "drawing/porteur.h"
#include "options.h"
#include "platform/dessin.h"
#include "rendering/affichage.h"
#include "rendering/canevas.h"
#include "rendering/peinture.h"
#include "rendering/tampons.h"
#include "source.h"

namespace tavlo::outil {

namespace {

constexpr int ERREUR = 2;
// An image this size is some 64 MB; a definition asking for more is refused
// rather than allowed to exhaust memory.
constexpr std::int64_t PIXELSMAX = 16'000'000;

int echec(const std::string& message) {
  std::cerr << "tavlo-grid: " << message << "\n";
  return ERREUR;
}

}  // namespace

int render(const std::vector<std::string>& args) {
  auto l = analyse(args, {"png", "level", "size", "state"}, {"highlight"});
  auto niveau = l.entierentre("level", 1, 7);
  auto taille = l.entierentre("size", 40, 70);
  if (!l.erreur.empty()) return echec(l.erreur);
  if (taille && *taille % 10 != 0) return echec("--size takes 40, 50, 60 or 70");
  if (l.positionnels.size() != 1) return echec("render needs exactly one ID or FILE");
  auto png = l.valeur("png");
  if (!png || png->empty()) return echec("render needs --png OUT");
  const std::string& chemin = l.positionnels[0];

  Grille g;
  Demande d;
  d.source = chemin;
  d.niveau = niveau;
  d.etat = l.valeur("state");
  std::string erreur;
  if (!prepare(d, g, erreur)) return echec(erreur);
  // The size last, as the window applies it: the positions follow it.
  AffichageGrille a(g);
  const auto tca = static_cast<std::int16_t>(taille.value_or(40));
  changetaille(a, tca);
  appliquestyle(a, AffichageGrille::STYLE);
  g.construit();
  if (g.nbcases() == 0) return echec(chemin + " defines no cell");

  EtatAffichage& e = etataffichage;
  e.modeaff = MODE_JEU;
  e.tca = tca;
  e.surbrillance = l.drapeau("highlight");

  // The window layout: the extent in millimetres, back to pixels at the
  // screen's resolution; the lattice origin sits L from the left, T from the top.
  Canevas c;
  c.setdpi(96, 96);
  etendue(a, c);
  const std::int32_t gauche = std::abs(c.mmpixx(etenduegrille.gauche));
  const std::int32_t droite = c.mmpixx(etenduegrille.droite);
  const std::int32_t haut = c.mmpixy(etenduegrille.haut);
  const std::int32_t bas = std::abs(c.mmpixy(etenduegrille.bas));
  const Dimension client{gauche + droite, haut + bas};
  if (client.cx <= 0 || client.cy <= 0 ||
      static_cast<std::int64_t>(client.cx) * client.cy > PIXELSMAX)
    return echec(chemin + " gives a grid of " + std::to_string(client.cx) + " x " +
                 std::to_string(client.cy) + " pixels, outside what render draws");

  ContexteSuivi fenetre = suivi(creecontexteimage(client.cx, client.cy));
  c.installe(*fenetre, "tavlo-grid");
  c.setcentre(static_cast<std::uint16_t>(gauche), static_cast<std::uint16_t>(haut));
  Tampons tampons;
  peintgrille(tampons, *fenetre, client, a, c, true);
  c.hdc = nullptr;
  canevascour = nullptr;

  if (!ecrispng(bitmapde(*fenetre), png->c_str())) return echec("cannot write " + *png);
  std::cout << "wrote " << *png << " (" << client.cx << " x " << client.cy << ", cell size "
            << tca << ")\n";
  std::cout << "origin " << c.origx() << " " << c.origy() << "\n";
  return 0;
}

}  // namespace tavlo::outil
