// tavlo-generateur's steps: the draws, the packing of tokens into stored
// lines and back, the options recorded in a grid's notes, and the whole
// generation, which must give the data files again from their notes.
#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "generation.h"
#include "hasard.h"
#include "stockage.h"

namespace tavlo::generation {
namespace {

std::vector<std::string> fichier(const std::string& id) {
  std::ifstream f(std::string(TAVLO_GRILLES) + "/" + id + ".txt", std::ios::binary);
  std::vector<std::string> lignes;
  for (std::string l; std::getline(f, l);) lignes.push_back(l);
  return lignes;
}

TEST(Generateur, TiragesUniformes) {
  Hasard h(7);
  for (std::uint32_t n : {1u, 2u, 3u, 7u, 0x80000001u}) {
    for (int k = 0; k < 1000; ++k) ASSERT_LT(h.sous(n), std::max(n, 1u));
  }
  int comptes[6] = {};
  for (int k = 0; k < 60000; ++k) ++comptes[h.sous(6)];
  for (int c : comptes) EXPECT_NEAR(c, 10000, 500);
  // the engine is the standard's: its first draw from the default seed is fixed
  EXPECT_EQ(Hasard(5489).brut(), 3499211612u);
}

TEST(Generateur, DefinitionsDesLignesStockees) {
  EXPECT_EQ(definitions({"%95,A,B,%0,C"}), (std::vector<std::string>{"A%95", "B%95", "C"}));
  // the suffix ends with its line; notes, empty tokens and spaces give nothing
  EXPECT_EQ(definitions({"#x, XA ,%90,,BWPJ", "CVQJ,#y=1"}),
            (std::vector<std::string>{"XA", "BWPJ%90", "CVQJ"}));
}

TEST(Generateur, Emballage) {
  std::vector<Jeton> jetons = {{"#note", 0}, {"X", 0}, {"XA2", 0}};
  std::vector<std::string> attendues = {"X", "XA2"};
  for (int k = 0; k < 40; ++k) {
    const int niveau = k < 10 ? 120 : k < 25 ? 100 : 95;
    jetons.push_back(
        {"A" + std::to_string(2 + k % 8) + "B" + std::to_string(2 + k / 8) + "WPJ", niveau});
    attendues.push_back(jetons.back().texte + "%" + std::to_string(niveau));
  }
  for (int n : {3, 4, 10, 43}) {
    SCOPED_TRACE(n);
    std::vector<std::string> lignes;
    ASSERT_TRUE(emballe(jetons, n, lignes));
    EXPECT_EQ(static_cast<int>(lignes.size()), n);
    for (const std::string& l : lignes)
      EXPECT_LE(l.size(), static_cast<std::size_t>(LONGUEURMAX)) << l;
    EXPECT_EQ(definitions(lignes), attendues);
  }
  std::vector<std::string> lignes;
  EXPECT_FALSE(emballe(jetons, 2, lignes));   // too many bytes
  EXPECT_FALSE(emballe(jetons, 44, lignes));  // a line without a token
  EXPECT_FALSE(emballe({{std::string(LONGUEURMAX + 1, 'A'), 0}}, 1, lignes));
}

TEST(Generateur, Options) {
  Parametres p;
  std::string erreur;
  for (const auto& [nom, valeur] :
       std::vector<std::pair<std::string, std::string>>{{"forme", "cercle"},
                                                        {"cap", "G"},
                                                        {"graine", "-1"},
                                                        {"profil", "1/2"},
                                                        {"profil", "1/2/3/4/5/101"},
                                                        {"lignes", "0"},
                                                        {"groupes", "x"},
                                                        {"couleur", "1"}}) {
    Parametres q;
    EXPECT_FALSE(fixeoption(nom, valeur, q, erreur)) << nom << "=" << valeur;
  }
  // the notes of a grid give its parameters back
  ASSERT_TRUE(fixeoption("forme", "serpent", p, erreur));
  ASSERT_TRUE(fixeoption("cap", "B", p, erreur));
  ASSERT_TRUE(fixeoption("profil", "50/40/30/20/10/5", p, erreur));
  ASSERT_TRUE(fixeoption("graine", "77", p, erreur));
  std::vector<std::string> notes;
  for (const std::string& o : enoptions(p)) notes.push_back("#" + o);
  Parametres relu;
  ASSERT_TRUE(depuisnotes({notes.front(), "XA", notes.back()}, relu, erreur));
  notes.push_back("X");
  std::string ligne;
  for (const std::string& n : notes) {
    if (!ligne.empty()) ligne += ',';
    ligne += n;
  }
  ASSERT_TRUE(depuisnotes({ligne}, relu, erreur)) << erreur;
  EXPECT_EQ(enoptions(relu), enoptions(p));
  EXPECT_FALSE(depuisnotes({"X,XA"}, relu, erreur));
}

TEST(Generateur, EchecsAnnonces) {
  Parametres p;
  Sortie s;
  std::string erreur;
  p.forme.groupes = 12;
  p.essais = 1;
  p.lignes = 1;
  EXPECT_FALSE(genere(p, s, erreur));
  EXPECT_NE(erreur.find("do not fit"), std::string::npos) << erreur;
  p.lignes = 10;
  p.forme.groupes = 2;
  p.cases = 7;  // two groups have 10 or 12 cells
  EXPECT_FALSE(genere(p, s, erreur));
  EXPECT_NE(erreur.find("no shape"), std::string::npos) << erreur;
}

// The data files are what their notes make: the generator is deterministic
// and the notes record everything it needs.
TEST(Generateur, RefaitLesGrillesIntegrees) {
  for (const char* id : {"1443-22", "2037-1", "1709-17", "1920-5", "1932-34", "1251-1", "1251-2",
                         "1251-3", "1222-65", "1239-1"}) {
    SCOPED_TRACE(id);
    const std::vector<std::string> lignes = fichier(id);
    Parametres p;
    std::string erreur;
    ASSERT_TRUE(depuisnotes(lignes, p, erreur)) << erreur;
    Sortie s;
    ASSERT_TRUE(genere(p, s, erreur)) << erreur;
    EXPECT_EQ(s.lignes, lignes);
    EXPECT_TRUE(s.bilan.bon());
  }
}

}  // namespace
}  // namespace tavlo::generation
