// The drawing interface over cairo image surfaces.
//
// Pixel model: coordinates name pixel corners, and a pixel is painted when its
// centre is inside the shape, with antialiasing off, which is how the Windows
// interface fills (a rectangle from 0 to 10 paints pixels 0 to 9). Pen strokes
// run through pixel centres, so a one-pixel outline of that rectangle sits on
// pixels 0 and 9 and a one-pixel line lights exactly the pixels it names. Cell
// outlines stay crisp, and the window shape cut from the same polygons is
// pixel-exact. Text stays antialiased.
#include <cairo.h>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <string>
#include <utility>

#include "platform/dessin.h"
#include "platform/internal/cairo.h"
#include "platform/internal/objet.h"
#include "platform/internal/selection.h"
#include "platform/trace.h"
#include "text/cp1252.h"

namespace tavlo {
namespace {

using internal::ContexteCairoPtr;

constexpr int dpi = 96;

void source(cairo_t* cr, Couleur c) {
  cairo_set_source_rgb(cr, rouge(c) / 255.0, vert(c) / 255.0, bleu(c) / 255.0);
}

// Where a text cell goes relative to its reference point, in the text's own
// (unrotated) frame: the offset of the cell's top-left corner.
struct Cellule {
  double gauche = 0, haut = 0, largeur = 0, hauteur = 0, ascent = 0;
};

Cellule placecellule(std::uint16_t drapeaux, double avance, const internal::Police& p) {
  Cellule c{0, 0, avance, p.hauteur, p.ascent};
  switch (drapeaux & ALIGNE_CENTRE) {
    case ALIGNE_DROITE: c.gauche = -avance; break;
    case ALIGNE_CENTRE: c.gauche = -avance / 2; break;
    default: break;
  }
  switch (drapeaux & ALIGNE_BASELINE) {
    case ALIGNE_BAS: c.haut = -p.hauteur; break;
    case ALIGNE_BASELINE: c.haut = -p.ascent; break;
    default: break;
  }
  return c;
}

class ContexteCairo final : public Contexte {
public:
  // A screen over its own bitmap, or a memory context (bitmap null).
  ContexteCairo(Objet ecran, std::int32_t largeur, std::int32_t hauteur)
      : sel_(ecran), largeur_(largeur), hauteur_(hauteur) {}

  Objet bitmap() const { return sel_.bitmap(); }

  Objet selectionne(Objet o) override {
    Objet bitmapavant = sel_.bitmap();
    Objet avant = sel_.selectionne(o);
    if (sel_.bitmap() != bitmapavant) cr_.reset();
    return avant;
  }

  void deplace(std::int32_t x, std::int32_t y) override {
    x_ = x;
    y_ = y;
  }

  void ligne(std::int32_t x, std::int32_t y) override {
    if (cairo_t* cr = cible()) {
      const double o = decalage();
      cairo_move_to(cr, x_ + o, y_ + o);
      cairo_line_to(cr, x + o, y + o);
      trait(cr);
    }
    x_ = x;
    y_ = y;
  }

  void polygone(const Point* points, int n) override {
    cairo_t* cr = cible();
    if (!cr || !points || n < 2) return;
    if (Objet b = brosse()) {
      chemin(cr, points, n, 0);
      cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);  // the default "alternate" fill
      source(cr, b->couleur);
      cairo_fill(cr);
    }
    chemin(cr, points, n, decalage());
    trait(cr);
  }

  void ellipse(std::int32_t gauche, std::int32_t haut, std::int32_t droite, std::int32_t bas) override {
    cairo_t* cr = cible();
    if (!cr) return;
    if (gauche > droite) std::swap(gauche, droite);
    if (haut > bas) std::swap(haut, bas);
    if (droite - gauche < 1 || bas - haut < 1) return;
    const double cx = (gauche + droite) / 2.0, cy = (haut + bas) / 2.0;
    const double rx = (droite - gauche) / 2.0, ry = (bas - haut) / 2.0;
    if (Objet b = brosse()) {
      arc(cr, cx, cy, rx, ry);
      source(cr, b->couleur);
      cairo_fill(cr);
    }
    // The outline runs through the centres of the box's edge pixels.
    arc(cr, cx, cy, std::max(rx - 0.5, 0.25), std::max(ry - 0.5, 0.25));
    trait(cr);
  }

  void rectangle(std::int32_t gauche, std::int32_t haut, std::int32_t droite, std::int32_t bas) override {
    cairo_t* cr = cible();
    if (!cr) return;
    if (gauche > droite) std::swap(gauche, droite);
    if (haut > bas) std::swap(haut, bas);
    if (droite - gauche < 1 || bas - haut < 1) return;
    if (Objet b = brosse()) {
      cairo_rectangle(cr, gauche, haut, droite - gauche, bas - haut);
      source(cr, b->couleur);
      cairo_fill(cr);
    }
    // Right and bottom edges excluded: the outline sits on the last pixels inside.
    const Point coins[4] = {{gauche, haut}, {droite - 1, haut}, {droite - 1, bas - 1}, {gauche, bas - 1}};
    chemin(cr, coins, 4, decalage());
    trait(cr);
  }

  void remplit(const Rect& r, Objet b) override {
    cairo_t* cr = cible();
    b = internal::connu(b);
    if (!cr || !b || b->genre != Genre::brosse || b->vide) return;
    if (r.droite <= r.gauche || r.bas <= r.haut) return;
    cairo_rectangle(cr, r.gauche, r.haut, r.droite - r.gauche, r.bas - r.haut);
    source(cr, b->couleur);
    cairo_fill(cr);
  }

  std::uint16_t alignement(std::uint16_t drapeaux) override { return std::exchange(alignement_, drapeaux); }
  ModeFond modefond(ModeFond m) override {
    if (m != ModeFond::transparent && m != ModeFond::opaque) return ModeFond{};
    return std::exchange(modefond_, m);
  }
  Couleur couleurfond(Couleur c) override { return std::exchange(fond_, c & 0xFFFFFF); }
  Couleur couleurtexte(Couleur c) override { return std::exchange(texte_, c & 0xFFFFFF); }

  void ecrittexte(std::int32_t x, std::int32_t y, const char* texte, int n) override {
    cairo_t* cr = cible();
    if (!cr || !texte || n <= 0) return;
    const std::string utf8 = versutf8(texte, n);
    const internal::Police& p = internal::policede(sel_.fonte());
    cairo_text_extents_t e;
    cairo_scaled_font_text_extents(p.fonte.get(), utf8.c_str(), &e);
    const Cellule c = placecellule(alignement_, e.x_advance, p);

    cairo_save(cr);
    cairo_translate(cr, x, y);
    // Escapement turns counter-clockwise on the screen; y points down here,
    // so that is a negative angle for cairo.
    if (const int esc = sel_.fonte()->fonte.escapement; esc % 3600 != 0)
      cairo_rotate(cr, -esc * std::numbers::pi / 1800.0);
    if (modefond_ == ModeFond::opaque) {
      cairo_rectangle(cr, c.gauche, c.haut, c.largeur, c.hauteur);
      source(cr, fond_);
      cairo_fill(cr);
    }
    cairo_set_scaled_font(cr, p.fonte.get());
    source(cr, texte_);
    cairo_move_to(cr, c.gauche, c.haut + c.ascent);
    cairo_show_text(cr, utf8.c_str());
    cairo_restore(cr);
  }

  Dimension etendue(const char* texte, int n) override { return mesure(sel_.fonte(), texte, n); }

  int capacite(Capacite c) const override {
    switch (c) {
      case Capacite::dpix:
      case Capacite::dpiy: return dpi;
      case Capacite::largeur: return largeur_;
      case Capacite::hauteur: return hauteur_;
    }
    return 0;
  }

  bool copiebloc(std::int32_t x, std::int32_t y, std::int32_t l, std::int32_t h, Contexte& source,
                 std::int32_t sx, std::int32_t sy) override {
    return copie(x, y, l, h, source, sx, sy, l, h);
  }

  bool etire(std::int32_t x, std::int32_t y, std::int32_t l, std::int32_t h, Contexte& source,
             std::int32_t sx, std::int32_t sy, std::int32_t sl, std::int32_t sh) override {
    return copie(x, y, l, h, source, sx, sy, sl, sh);
  }

  static Dimension mesure(Objet fonte, const char* texte, int n) {
    const internal::Police& p = internal::policede(fonte);
    Dimension d{0, static_cast<std::int32_t>(std::lround(p.hauteur))};
    if (!texte || n <= 0) return d;
    const std::string utf8 = versutf8(texte, n);
    cairo_text_extents_t e;
    cairo_scaled_font_text_extents(p.fonte.get(), utf8.c_str(), &e);
    d.cx = static_cast<std::int32_t>(std::lround(e.x_advance));
    return d;
  }

private:
  // The cairo context over the selected bitmap, made when first needed after
  // each bitmap change; null when there is no bitmap to draw on.
  cairo_t* cible() {
    // A cairo context that went into error (a bad matrix, say) stays there:
    // start again with a fresh one rather than drawing nothing from then on.
    if (cr_ && cairo_status(cr_.get()) != CAIRO_STATUS_SUCCESS) cr_.reset();
    if (!cr_) {
      Objet b = sel_.bitmap();
      if (!b) return nullptr;
      cr_.reset(cairo_create(internal::surfacede(b)));
      cairo_set_antialias(cr_.get(), CAIRO_ANTIALIAS_NONE);
      cairo_set_line_cap(cr_.get(), CAIRO_LINE_CAP_ROUND);
      cairo_set_line_join(cr_.get(), CAIRO_LINE_JOIN_ROUND);
    }
    return cairo_status(cr_.get()) == CAIRO_STATUS_SUCCESS ? cr_.get() : nullptr;
  }

  Objet brosse() const {
    Objet b = sel_.brosse();
    return b->vide ? nullptr : b;
  }

  // Odd widths are centred on the pixel centres and even widths on the pixel
  // edges, so that either edge of a stroke falls between pixel centres and
  // its width in pixels never hangs on how the rasteriser breaks ties.
  double decalage() const { return sel_.stylo()->largeur % 2 ? 0.5 : 0.0; }

  static void chemin(cairo_t* cr, const Point* points, int n, double o) {
    cairo_new_path(cr);
    cairo_move_to(cr, points[0].x + o, points[0].y + o);
    for (int i = 1; i < n; ++i) cairo_line_to(cr, points[i].x + o, points[i].y + o);
    cairo_close_path(cr);
  }

  static void arc(cairo_t* cr, double cx, double cy, double rx, double ry) {
    cairo_new_path(cr);
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_scale(cr, rx, ry);
    cairo_arc(cr, 0, 0, 1, 0, 2 * std::numbers::pi);
    cairo_restore(cr);  // the stroke width must not be scaled with the path
  }

  void trait(cairo_t* cr) {
    Objet s = sel_.stylo();
    cairo_set_line_width(cr, s->largeur);
    source(cr, s->couleur);
    cairo_stroke(cr);
  }

  bool copie(std::int32_t x, std::int32_t y, std::int32_t l, std::int32_t h, Contexte& de,
             std::int32_t sx, std::int32_t sy, std::int32_t sl, std::int32_t sh) {
    Objet sb = bitmapde(de);
    cairo_t* cr = cible();
    if (!cr || !sb) return false;
    if (l == 0 || h == 0 || sl == 0 || sh == 0) return l == 0 || h == 0;
    cairo_surface_t* src = internal::surfacede(sb);
    internal::SurfacePtr copiee;
    if (sb == sel_.bitmap()) {
      // Copying within one bitmap: read from a snapshot so that overlapping
      // blocks copy as if the source were read first.
      copiee.reset(cairo_surface_create_similar_image(src, CAIRO_FORMAT_RGB24, sb->l, sb->h));
      ContexteCairoPtr c(cairo_create(copiee.get()));
      cairo_set_source_surface(c.get(), src, 0, 0);
      cairo_set_operator(c.get(), CAIRO_OPERATOR_SOURCE);
      cairo_paint(c.get());
      src = copiee.get();
    }
    // Target pixel (x + i) reads source pixel (sx + i * sl / l); a negative
    // size on one side mirrors, as the Windows stretch does.
    internal::MotifPtr motif(cairo_pattern_create_for_surface(src));
    cairo_matrix_t m;
    const double kx = static_cast<double>(sl) / l, ky = static_cast<double>(sh) / h;
    cairo_matrix_init(&m, kx, 0, 0, ky, sx - x * kx, sy - y * ky);
    cairo_pattern_set_matrix(motif.get(), &m);
    if (std::abs(l) >= std::abs(sl) && std::abs(h) >= std::abs(sh)) {
      // Same size or larger: every target pixel is one source pixel, exactly.
      cairo_pattern_set_filter(motif.get(), CAIRO_FILTER_NEAREST);
    } else {
      // Shrinking (the help pictures, three times smaller): average, so that
      // thin lines fade instead of vanishing as rows are dropped.
      cairo_pattern_set_filter(motif.get(), CAIRO_FILTER_GOOD);
      cairo_pattern_set_extend(motif.get(), CAIRO_EXTEND_PAD);
    }
    cairo_save(cr);
    cairo_rectangle(cr, std::min(x, x + l), std::min(y, y + h), std::abs(l), std::abs(h));
    cairo_set_source(cr, motif.get());
    // Outside the source there is nothing to copy: the target keeps its pixels
    // (a shrink pads with the edge pixels, which its averaging reaches).
    cairo_set_operator(cr, CAIRO_OPERATOR_OVER);
    cairo_fill(cr);
    cairo_restore(cr);
    return true;
  }

  internal::Selection sel_;
  std::int32_t largeur_, hauteur_;
  ContexteCairoPtr cr_;
  std::int32_t x_ = 0, y_ = 0;
  std::uint16_t alignement_ = ALIGNE_GAUCHE | ALIGNE_HAUT;
  ModeFond modefond_ = ModeFond::opaque;
  Couleur fond_ = 0xFFFFFF;
  Couleur texte_ = 0;
};

}  // namespace

std::unique_ptr<Contexte> creecontexteimage(std::int32_t largeur, std::int32_t hauteur) {
  Objet ecran = internal::nouveaubitmap(largeur, hauteur);
  if (!ecran) return nullptr;
  auto c = std::make_unique<ContexteCairo>(ecran, ecran->l, ecran->h);
  detruitobjet(ecran);  // the context's own now: it goes with the context
  return c;
}

std::unique_ptr<Contexte> creecontextememoire(const Contexte& compatible) {
  if (auto* t = dynamic_cast<const ContexteTrace*>(&compatible)) return t->creememoire();
  // A memory context reports the size of the device it is compatible with.
  return std::make_unique<ContexteCairo>(nullptr, compatible.capacite(Capacite::largeur),
                                         compatible.capacite(Capacite::hauteur));
}

Objet bitmapde(const Contexte& c) {
  if (auto* k = dynamic_cast<const ContexteCairo*>(&c)) return k->bitmap();
  if (auto* t = dynamic_cast<const ContexteTrace*>(&c)) return t->bitmap();
  return nullptr;
}

}  // namespace tavlo
