// tavlo-grid render run as the user runs it: a small grid painted into a PNG
// whose cells lie where the printed origin says.
#include <gtest/gtest.h>

#include <cairo.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include "outils.h"

namespace {

namespace fs = std::filesystem;
using namespace rendutest;

struct Resultat {
  int statut = -1;
  std::string sortie, erreurs;
};

Resultat lance(const std::string& args, const fs::path& dossier) {
  Resultat r;
  const fs::path erreurs = dossier / "stderr.txt";
  // Sanitizer builds would list the suppressed library leaks on stderr.
  const std::string commande = "LSAN_OPTIONS=print_suppressions=0 " + std::string(TAVLO_GRID) +
                               " " + args + " 2>" + erreurs.string();
  FILE* p = popen(commande.c_str(), "r");
  if (p == nullptr) return r;
  std::array<char, 4096> tampon;
  std::size_t n;
  while ((n = std::fread(tampon.data(), 1, tampon.size(), p)) > 0) r.sortie.append(tampon.data(), n);
  const int s = pclose(p);
  r.statut = WIFEXITED(s) ? WEXITSTATUS(s) : 128 + WTERMSIG(s);
  std::ifstream e(erreurs);
  std::getline(e, r.erreurs, '\0');
  return r;
}

class Outil : public Propre {
protected:
  void SetUp() override {
    Propre::SetUp();
    dossier = fs::temp_directory_path() /
              ("tavlo-render-" + std::to_string(::getpid()) + "-" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::create_directories(dossier);
    std::ofstream(dossier / "g.txt", std::ios::binary) << "X\r\nXA\r\nAWRJ%100\r\n";
  }
  void TearDown() override {
    fs::remove_all(dossier);
    Propre::TearDown();
  }
  std::string chemin(const char* nom) const { return (dossier / nom).string(); }
  fs::path dossier;
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
  const Resultat r = lance("render " + chemin("g.txt") + " --png " + chemin("g.png") + " --size 50", dossier);
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
  const Resultat r = lance("render 1251-1 --png " + chemin("b.png"), dossier);
  ASSERT_EQ(r.statut, 0) << r.erreurs;
  EXPECT_NE(r.sortie.find("\norigin "), std::string::npos) << r.sortie;
  Surface png(cairo_image_surface_create_from_png(chemin("b.png").c_str()), cairo_surface_destroy);
  EXPECT_EQ(cairo_surface_status(png.get()), CAIRO_STATUS_SUCCESS);
  // an identifier that is not built in reads as a file name
  EXPECT_EQ(lance("render 1251-9 --png " + chemin("c.png"), dossier).statut, 2);
}

TEST_F(Outil, BadInputIsOneLineOnStandardErrorAndStatusTwo) {
  std::ofstream(dossier / "vide.txt") << "\r\n";
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
    const Resultat r = lance(args, dossier);
    EXPECT_EQ(r.statut, 2);
    EXPECT_EQ(r.erreurs.find("tavlo-grid: "), 0u) << r.erreurs;
    EXPECT_EQ(r.erreurs.find('\n'), r.erreurs.size() - 1) << r.erreurs;
  }
  EXPECT_FALSE(fs::exists(chemin("x.png")));
}

}  // namespace
