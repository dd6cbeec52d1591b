// Stored texts end to end: every line the build stored unscrambles to the
// Windows-1252 form of its data file's line, and lookups by name and line.
#include "settings/textesstockes.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "preparetextes.h"
#include "textes/epreuve.h"
#include "textes/grilles.h"
#include "text/debrouille.h"

namespace tavlo {
namespace {

std::vector<std::string> fichiers(const std::string& liste) {
  std::vector<std::string> r;
  std::size_t debut = 0;
  for (std::size_t fin; (fin = liste.find('|', debut)) != std::string::npos; debut = fin + 1)
    r.push_back(liste.substr(debut, fin - debut));
  r.push_back(liste.substr(debut));
  return r;
}

// Each file, in order, is one text of r holding exactly its converted lines.
void allerretour(const RecueilTextes& r, const std::string& liste) {
  const std::vector<std::string> f = fichiers(liste);
  ASSERT_EQ(r.nombre, static_cast<std::int16_t>(f.size()));
  for (std::size_t k = 0; k < f.size(); ++k) {
    SCOPED_TRACE(f[k]);
    preparation::TexteSource attendu;
    std::string erreur;
    ASSERT_TRUE(preparation::litsource(f[k], attendu, erreur)) << erreur;
    const TexteStocke* t = cherchetexte(r, attendu.nom.c_str());
    ASSERT_EQ(t, &r.textes[k]);
    ASSERT_EQ(t->nombre, static_cast<std::int16_t>(attendu.lignes.size()));
    for (std::int16_t n = 1; n <= t->nombre; ++n) {
      const char* b = lignebrouillee(t, n);
      ASSERT_NE(b, nullptr);
      EXPECT_EQ(std::string(debrouille(b)), attendu.lignes[n - 1]) << "line " << n;
    }
  }
}

TEST(TextesStockes, EveryStoredLineUnscramblesToItsDataLine) {
  allerretour(textes::grilles, TAVLO_FICHIERS_GRILLES);
  // Quotes, backslashes, "??" sequences, accents before digits, spaces at both
  // ends, a tab, an empty line, a line of 151 bytes, and an empty file.
  allerretour(textes::epreuve, TAVLO_FICHIERS_EPREUVE);
}

TEST(TextesStockes, StoredLinesAreScrambled) {
  const TexteStocke* t = cherchetexte(textes::epreuve, "epreuve");
  ASSERT_NE(t, nullptr);
  const std::string brouillee = lignebrouillee(t, 1);
  EXPECT_EQ(brouillee.size(), std::string("Bravo ! Grille r\xE9solue en 3 min.").size());
  EXPECT_EQ(brouillee.find("Bravo"), std::string::npos);
  EXPECT_EQ(brouillee.find("Grille"), std::string::npos);
}

TEST(TextesStockes, LookupByNameAndLine) {
  Chaine l("avant");
  EXPECT_TRUE(litligne(textes::epreuve, "EPREUVE", 1, l));  // names ignore case
  EXPECT_STREQ(l.texte(), "Bravo ! Grille r\xE9solue en 3 min.");
  EXPECT_TRUE(litligne(textes::epreuve, "epreuve", 3, l));
  EXPECT_STREQ(l.texte(), "");

  const TexteStocke* vide = cherchetexte(textes::epreuve, "vide");
  ASSERT_NE(vide, nullptr);
  EXPECT_EQ(vide->nombre, 0);

  const struct {
    const char* nom;
    std::int16_t n;
  } absents[] = {{"epreuve", 0}, {"epreuve", 8}, {"epreuve", -1}, {"vide", 1},
                 {"absent", 1},  {"", 1},        {nullptr, 1},    {"epreuve.txt", 1}};
  for (const auto& a : absents) {
    SCOPED_TRACE(a.nom == nullptr ? "(null)" : a.nom);
    l.affecte("avant");
    EXPECT_FALSE(litligne(textes::epreuve, a.nom, a.n, l)) << a.n;
    EXPECT_STREQ(l.texte(), "");
  }
  EXPECT_EQ(cherchetexte(textes::epreuve, "absent"), nullptr);

  ListeChaines lignes;
  lignes.ajoutefin("d\xE9j\xE0");
  ajoutelignes(cherchetexte(textes::epreuve, "epreuve"), lignes);
  ajoutelignes(nullptr, lignes);
  ASSERT_EQ(lignes.nombre(), 8);
  EXPECT_STREQ(lignes.element(1), "d\xE9j\xE0");
  EXPECT_STREQ(lignes.element(7), "tab\tulation");
}

}  // namespace
}  // namespace tavlo
