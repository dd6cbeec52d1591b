// The three off-screen buffers of the grid window: the blank client area,
// the background (blank plus the background pass) and the frame (background
// plus the finish pass) that is copied to the window. The blank and
// background buffers are kept between paints; the frame is made anew at
// every paint.
//
//   Tampons t;
//   t.verifietaille(fenetre, client);   // new blank buffer if the size moved
//   if (!t.fondexiste()) { t.faitfond(fenetre, client); ...background pass... }
//   t.faitimage(fenetre, client);      // fresh copy of the background
//
// Releasing cascades: the blank buffer takes the background with it, the
// background takes the frame. Releasing an absent buffer does nothing. The
// bitmaps are compatible with the window's context and of its client size.
#pragma once

#include "platform/dessin.h"

namespace tavlo {

class Tampons {
public:
  Tampons() = default;
  Tampons(const Tampons&) = delete;
  Tampons& operator=(const Tampons&) = delete;
  ~Tampons() { liberetout(); }

  // The client area filled with coulecran and outlined by the default pen;
  // remembers the client size.
  void faitvierge(const Contexte& fenetre, Dimension client);
  // A client size other than the remembered one releases everything; a
  // blank buffer is then made if there is none. True when the size changed.
  bool verifietaille(const Contexte& fenetre, Dimension client);
  // A copy of the blank buffer (made first if missing).
  void faitfond(const Contexte& fenetre, Dimension client);
  // A copy of the background (blank and background made first if missing).
  void faitimage(const Contexte& fenetre, Dimension client);

  void liberevierge();
  void liberefond();
  void libereimage();
  // What the window does when the client size, the cell size or the grid
  // changes.
  void liberetout() { liberevierge(); }

  bool viergeexiste() const { return vierge_ != nullptr; }
  bool fondexiste() const { return fond_ != nullptr; }
  bool imageexiste() const { return image_ != nullptr; }
  Objet vierge() const { return vierge_; }
  Objet fond() const { return fond_; }
  Objet image() const { return image_; }
  Dimension client() const { return client_; }

private:
  // A new bitmap of the client size holding a copy of source.
  static Objet copie(const Contexte& fenetre, Dimension client, Objet source);

  Objet vierge_ = nullptr;
  Objet fond_ = nullptr;
  Objet image_ = nullptr;
  Dimension client_;
};

}  // namespace tavlo
