// Tests of lattice names: rotation by 60 degrees and doubled coordinates.
#include "geometry/noms.h"

#include <string>

#include <gtest/gtest.h>

#include "geometry/chemin.h"
#include "oracle.h"

namespace tavlo {
namespace {

TEST(Noms, TourneChangeChaqueLettreEnLaSuivante) {
  struct Cas {
    const char* avant;
    const char* apres;
  };
  const Cas cas[] = {
      {":AB", ":BC"},
      {"C:AF", "D:BA"},
      {"abcdef", "BCDEFA"},  // small letters come out as capitals
      {"F9X:ag", "A9X:Bg"},  // digits and other letters stay
      {"", ""},
  };
  for (const Cas& c : cas) {
    std::string s = c.avant;
    tourne(s.data());
    EXPECT_EQ(s, c.apres) << c.avant;
  }
  tourne(nullptr);
}

// One turn maps doubled coordinates (X, Y) to ((X - 3Y) / 2, (X + Y) / 2),
// the 60-degree rotation that takes A (2, 0) to B (1, 1); six turns of a
// canonical name, each brought back to canonical form, give the name back.
TEST(Noms, SixRotationsRamenentLeNom) {
  std::mt19937 gen(42);
  for (int essai = 0; essai < 300; ++essai) {
    const geotest::Tirage t = geotest::tire(gen, 6);
    Chemin ch;
    ch.fixetexte(t.lettres.c_str());
    const std::string depart = ch.texteetendu();
    std::string nom = depart;
    Doublees p = geotest::oracle(t.comptes);
    for (int tour = 0; tour < 6; ++tour) {
      tourne(nom.data());
      ch.fixetexte(nom.c_str());
      nom = ch.texteetendu();
      p = Doublees{static_cast<std::int16_t>((p.x - 3 * p.y) / 2),
                   static_cast<std::int16_t>((p.x + p.y) / 2)};
      EXPECT_EQ(doublees(nom.c_str()), p) << depart << " after " << tour + 1;
    }
    EXPECT_EQ(nom, depart);
  }
}

TEST(Noms, CoordonneesDoublees) {
  struct Cas {
    const char* nom;
    Doublees attendu;
  };
  const Cas cas[] = {
      {"", {0, 0}},    {"A", {2, 0}},   {"B", {1, 1}},     {"C", {-1, 1}},
      {"D", {-2, 0}},  {"E", {-1, -1}}, {"F", {1, -1}},    {"AAB", {5, 1}},
      {"A2B", {5, 1}}, {"AD", {0, 0}},  {"AB:AF", {3, 1}}, {"EE:AB", {-2, -2}},
  };
  for (const Cas& c : cas) EXPECT_EQ(doublees(c.nom), c.attendu) << '"' << c.nom << '"';
}

}  // namespace
}  // namespace tavlo
