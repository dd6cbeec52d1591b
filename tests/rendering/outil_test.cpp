// tavlo-grid render run as the user runs it: a small grid painted into a PNG
// whose cells lie where the printed origin says.
#include <gtest/gtest.h>

#include <cairo.h>

#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>

#include "outils.h"
#include "support/programme.h"

namespace {

namespace fs = std::filesystem;
using namespace rendutest;
using tavlotest::Resultat;

// tavlo-grid with args, its standard error kept apart from the output.
Resultat grid(const std::string& args) { return tavlotest::lance(std::string(TAVLO_GRID) + " " + args); }

// The display state put back around each test, and g.txt in a fresh folder.
class Outil : public tavlotest::DossierTemporaire<Propre> {
protected:
  void SetUp() override {
    DossierTemporaire::SetUp();
    fichier("g.txt", "X\r\nXA\r\nAWRJ%100\r\n");
  }
};

using Surface = std::unique_ptr<cairo_surface_t, decltype(&cairo_surface_destroy)>;

// Platform colour (red in the low byte) of a pixel of a PNG file.
Couleur pixelpng(cairo_surface_t* s, int x, int y) {
  cairo_surface_flush(s);
  const auto* ligne = cairo_image_surface_get_data(s) + y * cairo_image_surface_get_stride(s);
  const std::uint32_t p = reinterpret_cast<const std::uint32_t*>(ligne)[x];
  return rvb(static_cast<std::uint8_t>(p >> 16), static_cast<std::uint8_t>(p >> 8),
             static_cast<std::uint8_t>(p));
}

TEST_F(Outil, RendersAPngWhoseOriginLineLocatesTheCells) {
  const Resultat r = grid("render " + chemin("g.txt") + " --png " + chemin("g.png") + " --size 50");
  ASSERT_EQ(r.statut, 0) << r.erreurs;
  ASSERT_TRUE(fs::exists(chemin("g.png")));

  // the last line: "origin X Y"
  std::string derniere = r.sortie.substr(0, r.sortie.size() - 1);
  derniere = derniere.substr(derniere.rfind('\n') + 1);
  int ox = -1, oy = -1;
  ASSERT_EQ(std::sscanf(derniere.c_str(), "origin %d %d", &ox, &oy), 2) << r.sortie;

  Surface png(cairo_image_surface_create_from_png(chemin("g.png").c_str()), cairo_surface_destroy);
  ASSERT_EQ(cairo_surface_status(png.get()), CAIRO_STATUS_SUCCESS);
  // the client area is the extent the layout computes at 96 dpi
  Grille g;
  AffichageGrille a(g);
  charge(g, {"X", "XA", "AWRJ%100"});
  changetaille(a, 50);
  g.construit();
  Canevas c;
  c.setdpi(96, 96);
  etendue(a, c);
  EXPECT_EQ(cairo_image_surface_get_width(png.get()),
            c.mmpixx(etenduegrille.droite) - c.mmpixx(etenduegrille.gauche));
  EXPECT_EQ(ox, -c.mmpixx(etenduegrille.gauche));
  EXPECT_EQ(oy, c.mmpixy(etenduegrille.haut));

  // every empty cell is cell-coloured at its centre; the given is not
  for (std::int16_t i = 1; i <= g.nbcases(); ++i) {
    const Couleur p = pixelpng(png.get(), ox + g.xdecase(i), oy - g.ydecase(i));
    EXPECT_EQ(p == coulcase, g.estvide(i)) << i;
  }
}

TEST_F(Outil, RendersABuiltInGridByItsIdentifier) {
  const Resultat r = grid("render 1251-1 --png " + chemin("b.png"));
  ASSERT_EQ(r.statut, 0) << r.erreurs;
  EXPECT_NE(r.sortie.find("\norigin "), std::string::npos) << r.sortie;
  Surface png(cairo_image_surface_create_from_png(chemin("b.png").c_str()), cairo_surface_destroy);
  EXPECT_EQ(cairo_surface_status(png.get()), CAIRO_STATUS_SUCCESS);
  // an identifier that is not built in reads as a file name
  EXPECT_EQ(grid("render 1251-9 --png " + chemin("c.png")).statut, 2);
}

TEST_F(Outil, BadInputIsOneLineOnStandardErrorAndStatusTwo) {
  fichier("vide.txt", "\r\n");
  const std::string png = " --png " + chemin("x.png");
  const std::string g = chemin("g.txt");
  const std::string cas[] = {
      "render",
      "render " + g,                                   // no --png
      "render " + chemin("absent.txt") + png,          // no such file
      "render " + chemin("vide.txt") + png,            // no cell to draw
      "render " + g + png + " --size 45",
      "render " + g + png + " --size 80",
      "render " + g + png + " --level 9",
      "render " + g + " " + g + png,
      "render " + g + png + " --colour red",
      "render " + g + " --png " + chemin("absent/x.png"),  // cannot be written
  };
  for (const std::string& args : cas) {
    SCOPED_TRACE(args);
    const Resultat r = grid(args);
    EXPECT_EQ(r.statut, 2);
    EXPECT_EQ(r.erreurs.find("tavlo-grid: "), 0u) << r.erreurs;
    EXPECT_EQ(r.erreurs.find('\n'), r.erreurs.size() - 1) << r.erreurs;
  }
  EXPECT_FALSE(fs::exists(chemin("x.png")));
}

}  // namespace
