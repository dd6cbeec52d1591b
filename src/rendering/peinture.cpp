// The grid part of a window paint.
#include "rendering/peinture.h"

#include "drawing/porteur.h"
#include "rendering/passes.h"

namespace tavlo {

Peinture peintgrille(Tampons& t, Contexte& fenetre, Dimension client, AffichageGrille& a,
                     Canevas& c, bool verifier, const std::function<void(Canevas&)>& surcouches) {
  Peinture p;
  canevascour = &c;
  c.setzoom(1.0f);
  if (verifier) p.tailleachangee = t.verifietaille(fenetre, client);

  // Each buffer is drawn through a memory context of its own: the frame's
  // must start with the default brush, which the group dots show.
  if (!t.fondexiste()) {
    t.faitfond(fenetre, client);
    ContexteSuivi fond = suivi(creecontextememoire(fenetre));
    fond->selectionne(t.fond());
    c.hdc = fond.get();
    dessingrifond(a, c, false, 0, 0);
    c.hdc = &fenetre;
    p.fondredessine = true;
  }

  t.faitimage(fenetre, client);
  ContexteSuivi image = suivi(creecontextememoire(fenetre));
  image->selectionne(t.image());
  c.hdc = image.get();
  if (etataffichage.modeaff != MODE_PAGES) dessingrifin(a, c, false, 0, 0);
  placegrille(a, false, c);
  if (surcouches) surcouches(c);
  fenetre.copiebloc(0, 0, client.cx, client.cy, *image, 0, 0);
  c.hdc = &fenetre;
  return p;
}

}  // namespace tavlo
