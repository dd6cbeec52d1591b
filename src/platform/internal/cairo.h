// Internal to tavlo::platform: owning handles for cairo and fontconfig
// objects, so that no drawing code releases anything by hand.
#pragma once

#include <cairo.h>
#include <fontconfig/fontconfig.h>

#include <memory>

namespace tavlo::internal {

struct LibereContexteCairo {
  void operator()(cairo_t* p) const { cairo_destroy(p); }
};
struct LibereSurface {
  void operator()(cairo_surface_t* p) const { cairo_surface_destroy(p); }
};
struct LibereFace {
  void operator()(cairo_font_face_t* p) const { cairo_font_face_destroy(p); }
};
struct LibereFonteCairo {
  void operator()(cairo_scaled_font_t* p) const { cairo_scaled_font_destroy(p); }
};
struct LibereOptions {
  void operator()(cairo_font_options_t* p) const { cairo_font_options_destroy(p); }
};
struct LibereMotif {
  void operator()(cairo_pattern_t* p) const { cairo_pattern_destroy(p); }
};
struct LiberePatron {
  void operator()(FcPattern* p) const { FcPatternDestroy(p); }
};

using ContexteCairoPtr = std::unique_ptr<cairo_t, LibereContexteCairo>;
using SurfacePtr = std::unique_ptr<cairo_surface_t, LibereSurface>;
using FacePtr = std::unique_ptr<cairo_font_face_t, LibereFace>;
using FonteCairoPtr = std::unique_ptr<cairo_scaled_font_t, LibereFonteCairo>;
using OptionsPtr = std::unique_ptr<cairo_font_options_t, LibereOptions>;
using MotifPtr = std::unique_ptr<cairo_pattern_t, LibereMotif>;
using PatronPtr = std::unique_ptr<FcPattern, LiberePatron>;

}  // namespace tavlo::internal
