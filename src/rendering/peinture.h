// The grid part of a window paint, in the order the window runs it: check the
// buffer size when asked, reuse the background or make it and run the
// background pass, copy it into a fresh frame, run the finish pass (not while
// the help pages are shown), put the origin back on the lattice origin, let
// the window draw its overlays, and copy the frame to the window.
//
//   Tampons tampons;
//   peintgrille(tampons, *fenetre, {l, h}, affichage, canevas, premiere);
//
// The canvas becomes the current canvas with zoom 1; during each step its hdc
// is a memory context of the buffer being drawn, and afterwards the window.
#pragma once

#include <functional>

#include "platform/dessin.h"
#include "rendering/affichage.h"
#include "rendering/canevas.h"
#include "rendering/tampons.h"

namespace tavlo {

struct Peinture {
  bool tailleachangee = false;  // the size check released the buffers
  bool fondredessine = false;   // the background pass ran
};

// verifier: the window has flagged a possible change of its client size.
Peinture peintgrille(Tampons& t, Contexte& fenetre, Dimension client, AffichageGrille& a,
                     Canevas& c, bool verifier,
                     const std::function<void(Canevas&)>& surcouches = {});

}  // namespace tavlo
