// Fonts with their Windows meaning: fontconfig picks the face, FreeType gives
// its OS/2 metrics, cairo draws it at the size that makes the requested cell
// height and average width come out in pixels.
#include "platform/internal/polices.h"

#include <cairo-ft.h>
#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_ADVANCES_H
#include FT_TRUETYPE_TABLES_H

#include <algorithm>
#include <cctype>
#include <map>
#include <tuple>

namespace tavlo::internal {
namespace {

// Families the program names that a Linux machine lacks, sent to their
// metric-compatible Liberation faces. "Helvetica" is listed because
// fontconfig would otherwise give Nimbus Sans, whose widths differ.
std::string famillelocale(const std::string& face) {
  std::string bas = face;
  std::transform(bas.begin(), bas.end(), bas.begin(), [](unsigned char c) { return std::tolower(c); });
  static const std::map<std::string, std::string> alias = {
      {"", "Liberation Sans"},
      {"arial", "Liberation Sans"},
      {"helvetica", "Liberation Sans"},
      {"ms sans serif", "Liberation Sans"},
      {"ms shell dlg", "Liberation Sans"},
      {"ms shell dlg 2", "Liberation Sans"},
      {"microsoft sans serif", "Liberation Sans"},
      {"system", "Liberation Sans"},
      {"times new roman", "Liberation Serif"},
      {"times", "Liberation Serif"},
      {"ms serif", "Liberation Serif"},
      {"courier new", "Liberation Mono"},
      {"courier", "Liberation Mono"},
  };
  const auto i = alias.find(bas);
  return i == alias.end() ? face : i->second;
}

// Windows reports as average width the weighted mean of the lower-case letters
// and the space, with the letter frequencies of English text (the definition
// of xAvgCharWidth before OS/2 version 3). Liberation stores the newer
// all-glyph mean instead, so the value is computed from the advances.
int moyenneponderee(FT_Face f) {
  static constexpr int poids[26] = {64, 14, 27, 35, 100, 20, 14, 42, 63, 3, 6, 35, 20,
                                    56, 56, 17, 4,  49, 56, 71,  31, 10, 18, 3, 18, 2};
  long somme = 0;
  for (int i = 0; i <= 26; ++i) {
    const FT_ULong c = i < 26 ? FT_ULong('a' + i) : FT_ULong(' ');
    const FT_UInt g = FT_Get_Char_Index(f, c);
    FT_Fixed avance = 0;
    if (g == 0 || FT_Get_Advance(f, g, FT_LOAD_NO_SCALE, &avance) != 0 || avance == 0) return 0;
    somme += static_cast<long>(avance) * (i < 26 ? poids[i] : 166);
  }
  return static_cast<int>(somme / 1000);
}

struct Face {
  FacePtr face;
  MetriquesFace metriques;
};

using CleFace = std::tuple<std::string, bool, bool>;

OptionsPtr options() {
  OptionsPtr o(cairo_font_options_create());
  // Metrics unhinted: hinted metrics round the cell to whole pixels and a
  // 22-pixel cell would come out 23. Outlines lightly hinted, grey antialiased.
  cairo_font_options_set_hint_metrics(o.get(), CAIRO_HINT_METRICS_OFF);
  cairo_font_options_set_hint_style(o.get(), CAIRO_HINT_STYLE_SLIGHT);
  cairo_font_options_set_antialias(o.get(), CAIRO_ANTIALIAS_GRAY);
  return o;
}

Face resous(const std::string& famille, bool gras, bool italique) {
  PatronPtr p(FcPatternCreate());
  FcPatternAddString(p.get(), FC_FAMILY, reinterpret_cast<const FcChar8*>(famille.c_str()));
  FcPatternAddInteger(p.get(), FC_WEIGHT, gras ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
  FcPatternAddInteger(p.get(), FC_SLANT, italique ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
  FcConfigSubstitute(nullptr, p.get(), FcMatchPattern);
  FcDefaultSubstitute(p.get());
  FcResult r = FcResultNoMatch;
  PatronPtr choisi(FcFontMatch(nullptr, p.get(), &r));

  Face f;
  f.face.reset(cairo_ft_font_face_create_for_pattern(choisi ? choisi.get() : p.get()));
  if (choisi) {
    FcChar8* nom = nullptr;
    if (FcPatternGetString(choisi.get(), FC_FAMILY, 0, &nom) == FcResultMatch && nom)
      f.metriques.famille = reinterpret_cast<const char*>(nom);
  }

  cairo_matrix_t taille, identite;
  cairo_matrix_init_scale(&taille, 16, 16);
  cairo_matrix_init_identity(&identite);
  const OptionsPtr o = options();
  FonteCairoPtr mesure(cairo_scaled_font_create(f.face.get(), &taille, &identite, o.get()));
  MetriquesFace& m = f.metriques;
  if (FT_Face ft = cairo_ft_scaled_font_lock_face(mesure.get())) {
    m.upem = ft->units_per_EM > 0 ? ft->units_per_EM : 2048;
    const auto* os2 = static_cast<const TT_OS2*>(FT_Get_Sfnt_Table(ft, FT_SFNT_OS2));
    if (os2 && os2->version != 0xFFFF && os2->usWinAscent + os2->usWinDescent > 0) {
      m.ascent = os2->usWinAscent;
      m.descent = os2->usWinDescent;
    } else {
      m.ascent = ft->ascender;
      m.descent = -ft->descender;
    }
    m.moyenne = moyenneponderee(ft);
    if (m.moyenne == 0 && os2 && os2->version != 0xFFFF) m.moyenne = os2->xAvgCharWidth;
    cairo_ft_scaled_font_unlock_face(mesure.get());
  }
  // A face without usable metrics still draws: give it the proportions of Arial.
  if (m.ascent + m.descent <= 0) {
    m.ascent = m.upem * 1854 / 2048;
    m.descent = m.upem * 434 / 2048;
  }
  if (m.moyenne <= 0) m.moyenne = m.upem * 904 / 2048;
  return f;
}

std::map<CleFace, Face>& faces() {
  static std::map<CleFace, Face> c;
  return c;
}

const Face& face(const DescriptionFonte& d) {
  // As Windows, 600 and above is bold; lighter weights use the regular face.
  CleFace cle{famillelocale(d.face), d.poids >= 600, d.italique};
  auto i = faces().find(cle);
  if (i == faces().end())
    i = faces().emplace(cle, resous(std::get<0>(cle), std::get<1>(cle), std::get<2>(cle))).first;
  return i->second;
}

// A cell height of 0 asks for the default size.
constexpr int hauteurdefaut = 16;

std::shared_ptr<const Police> dimensionne(const Face& f, const DescriptionFonte& d) {
  const MetriquesFace& m = f.metriques;
  const double cellule = static_cast<double>(m.ascent + m.descent) / m.upem;  // em units
  double emy;
  if (d.hauteur > 0)
    emy = d.hauteur / cellule;
  else if (d.hauteur < 0)
    emy = -d.hauteur;  // negative: the em height itself, as Windows reads it
  else
    emy = hauteurdefaut / cellule;
  const double emx = d.largeur > 0 ? static_cast<double>(d.largeur) * m.upem / m.moyenne : emy;

  auto p = std::make_shared<Police>();
  cairo_matrix_t matrice, identite;
  cairo_matrix_init_scale(&matrice, emx, emy);
  cairo_matrix_init_identity(&identite);
  const OptionsPtr o = options();
  p->fonte.reset(cairo_scaled_font_create(f.face.get(), &matrice, &identite, o.get()));
  p->hauteur = cellule * emy;
  p->ascent = static_cast<double>(m.ascent) / m.upem * emy;
  p->face = m;
  return p;
}

using ClePolice = std::tuple<std::string, bool, bool, std::int16_t, std::int16_t>;

std::map<ClePolice, std::shared_ptr<const Police>>& cache() {
  static std::map<ClePolice, std::shared_ptr<const Police>> c;
  return c;
}

// Past this many sizes the fonts no object uses any more are dropped.
constexpr std::size_t cachemax = 128;

}  // namespace

std::shared_ptr<const Police> police(const DescriptionFonte& d) {
  ClePolice cle{famillelocale(d.face), d.poids >= 600, d.italique, d.hauteur, d.largeur};
  auto& c = cache();
  if (auto i = c.find(cle); i != c.end()) return i->second;
  if (c.size() >= cachemax) std::erase_if(c, [](const auto& e) { return e.second.use_count() == 1; });
  auto p = dimensionne(face(d), d);
  c.emplace(std::move(cle), p);
  return p;
}

std::shared_ptr<const Police> creepolice(const DescriptionFonte& d) {
  const Face f = resous(famillelocale(d.face), d.poids >= 600, d.italique);
  return dimensionne(f, d);
}

std::size_t taillecachepolices() { return cache().size(); }

void videcachepolices() {
  std::erase_if(cache(), [](const auto& e) { return e.second.use_count() == 1; });
  faces().clear();
}

}  // namespace tavlo::internal

#if defined(__SANITIZE_ADDRESS__)
// fontconfig keeps a few hundred bytes of its parsed configuration for the
// life of the process and never frees them; under LeakSanitizer (the test
// builds) that would fail every program that draws text. Read by the
// sanitizer runtime at start-up.
extern "C" const char* __lsan_default_suppressions() { return "leak:libfontconfig.so\n"; }
extern "C" const char* __lsan_default_options() { return "print_suppressions=0"; }
#endif
