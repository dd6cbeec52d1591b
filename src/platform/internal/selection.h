// Internal to tavlo::platform: the four objects a context holds selected, with
// the reference counting that keeps a deleted object alive while selected.
// Both the cairo contexts and ContexteTrace keep one.
#pragma once

#include "platform/dessin.h"
#include "platform/internal/objet.h"

namespace tavlo::internal {

class Selection {
public:
  // bitmap: the context's own surface (a "screen"), which no other bitmap may
  // replace; null for a memory context.
  explicit Selection(Objet bitmap = nullptr) : bitmap_(bitmap), ecran_(bitmap != nullptr) {
    retiens(bitmap_);
  }
  Selection(const Selection&) = delete;
  Selection& operator=(const Selection&) = delete;
  ~Selection() {
    relache(stylo_);
    relache(brosse_);
    relache(fonte_);
    relache(bitmap_);
  }

  // The previous object of o's kind, or null and no change when o is refused:
  // null, unknown, deleted, a bitmap already selected elsewhere (a bitmap
  // lives in one context at a time), or any bitmap for a screen.
  Objet selectionne(Objet o) {
    o = connu(o);
    if (!o) return nullptr;
    Objet* place = nullptr;
    switch (o->genre) {
      case Genre::stylo: place = &stylo_; break;
      case Genre::brosse: place = &brosse_; break;
      case Genre::fonte: place = &fonte_; break;
      case Genre::bitmap:
        if (ecran_ || (o != bitmap_ && o->selections > 0)) return nullptr;
        place = &bitmap_;
        break;
    }
    Objet avant = *place;
    if (avant == o) return avant;
    retiens(o);
    *place = o;
    relache(avant);  // may free avant: it is only returned as a handle, never followed
    return avant;
  }

  Objet stylo() const { return stylo_; }
  Objet brosse() const { return brosse_; }
  Objet fonte() const { return fonte_; }
  Objet bitmap() const { return bitmap_; }

private:
  Objet stylo_ = objetstock(Stock::stylonoir);
  Objet brosse_ = objetstock(Stock::brosseblanche);
  Objet fonte_ = objetstock(Stock::fontegui);
  Objet bitmap_ = nullptr;
  bool ecran_ = false;
};

}  // namespace tavlo::internal
