// The stored-texts build step: UTF-8 to Windows-1252, line splitting, the
// length limit, and tavlo-textes run as the build runs it.
#include "preparetextes.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "support/programme.h"

namespace tavlo::preparation {
namespace {

namespace fs = std::filesystem;

TEST(Utf8VersCp1252, LettersAndSpecials) {
  const struct {
    const char* utf8;
    const char* cp1252;
  } cas[] = {
      {"Grille 3, niveau 2 !", "Grille 3, niveau 2 !"},
      {"\t~\x7F", "\t~\x7F"},
      // à â ç è é ê ë î ï ô ù û ü ÿ À É Ç
      {"àâçèéêëîïôùûüÿÀÉÇ",
       "\xE0\xE2\xE7\xE8\xE9\xEA\xEB\xEE\xEF\xF4\xF9\xFB\xFC\xFF\xC0\xC9\xC7"},
      {"\u00A0«»°", "\xA0\xAB\xBB\xB0"},
      // € ‚ ƒ „ … † ‡ ˆ ‰ Š ‹ Œ Ž ‘ ’ “ ” • – — ˜ ™ š › œ ž Ÿ
      {"€‚ƒ„…†‡ˆ‰Š‹ŒŽ‘’“”•–—˜™š›œžŸ",
       "\x80\x82\x83\x84\x85\x86\x87\x88\x89\x8A\x8B\x8C\x8E\x91\x92\x93\x94\x95\x96\x97"
       "\x98\x99\x9A\x9B\x9C\x9E\x9F"},
      {"C’est l’œuvre…", "C\x92" "est l\x92\x9Cuvre\x85"},
      {"", ""},
  };
  for (const auto& c : cas) {
    SCOPED_TRACE(c.utf8);
    std::string cible = "<";
    std::size_t colonne = 0;
    std::string raison;
    EXPECT_TRUE(utf8verscp1252(c.utf8, cible, colonne, raison)) << raison;
    EXPECT_EQ(cible, std::string("<") + c.cp1252);
  }
}

TEST(Utf8VersCp1252, RefusesWhatHasNoByteAndMalformedUtf8) {
  const struct {
    std::string utf8;
    std::size_t colonne;
    const char* raison;
  } cas[] = {
      {"ab\u0100", 3, "U+0100 has no Windows-1252 byte"},
      {"\u2192 arrow", 1, "U+2192 has no Windows-1252 byte"},
      {"x\U0001F600", 2, "U+1F600 has no Windows-1252 byte"},
      {"\u0081", 1, "U+0081 has no Windows-1252 byte"},  // C1 control, unassigned in 1252
      {"\u0080", 1, "U+0080 has no Windows-1252 byte"},
      {std::string("a\0b", 3), 2, "U+0000 has no Windows-1252 byte"},
      {"\xE9t\xE9", 1, "malformed UTF-8"},  // already Windows-1252
      {"ab\xC3", 3, "malformed UTF-8"},     // cut short at the end
      {"\xE2\x82x", 1, "malformed UTF-8"},  // cut short before a plain byte
      {"\xC0\xAF", 1, "malformed UTF-8"},   // overlong "/"
      {"\xED\xA0\x80", 1, "malformed UTF-8"},  // surrogate
      {"\xF4\x90\x80\x80", 1, "malformed UTF-8"},  // beyond U+10FFFF
      {"\xBF", 1, "malformed UTF-8"},
  };
  for (const auto& c : cas) {
    SCOPED_TRACE(c.raison);
    std::string cible;
    std::size_t colonne = 0;
    std::string raison;
    EXPECT_FALSE(utf8verscp1252(c.utf8, cible, colonne, raison));
    EXPECT_EQ(colonne, c.colonne);
    EXPECT_EQ(raison, c.raison);
  }
}

TEST(Decoupe, LineEnds) {
  using V = std::vector<std::string>;
  EXPECT_EQ(decoupe(""), V{});
  EXPECT_EQ(decoupe("a"), V{"a"});
  EXPECT_EQ(decoupe("a\n"), V{"a"});
  EXPECT_EQ(decoupe("a\r\nb\n\n c \r\n"), (V{"a", "b", "", " c "}));
  EXPECT_EQ(decoupe("\n\n"), (V{"", ""}));
  EXPECT_EQ(decoupe("\xEF\xBB\xBFz\n"), V{"z"});
}

using Fichiers = tavlotest::DossierTemporaire<>;

TEST_F(Fichiers, LengthIsCountedInWindows1252Bytes) {
  // 149 bytes + "é" (two in UTF-8, one in Windows-1252) = 150; + "’" = 151.
  const std::string l151 = std::string(149, 'a') + "é’";
  const std::string l152 = l151 + "x";
  TexteSource t;
  std::string erreur;
  ASSERT_TRUE(litsource(fichier("ok.txt", "court\n" + l151 + "\n"), t, erreur)) << erreur;
  EXPECT_EQ(t.nom, "ok");
  ASSERT_EQ(t.lignes.size(), 2u);
  EXPECT_EQ(t.lignes[1].size(), 151u);

  const std::string long_ = fichier("long.txt", "court\n" + l152 + "\n");
  EXPECT_FALSE(litsource(long_, t, erreur));
  EXPECT_EQ(erreur.rfind(long_ + ":2: error: line of 152 bytes", 0), 0u) << erreur;
}

TEST_F(Fichiers, ErrorsNameTheFileAndTheLine) {
  TexteSource t;
  std::string erreur;
  const std::string f = fichier("grille.1.txt", "a\r\nb\r\nabc\xE2\x86\x92\r\n");
  EXPECT_FALSE(litsource(f, t, erreur));
  EXPECT_EQ(erreur, f + ":3:4: error: U+2192 has no Windows-1252 byte");

  const std::string absent = chemin("absent.txt");
  EXPECT_FALSE(litsource(absent, t, erreur));
  EXPECT_EQ(erreur, absent + ":0: error: cannot read the file");

  ASSERT_TRUE(litsource(fichier("grille.1.txt", ""), t, erreur));
  EXPECT_EQ(t.nom, "grille.1");  // only the last extension goes
  EXPECT_TRUE(t.lignes.empty());
}

// tavlo-textes as the build runs it; the status and what was written.
class Outil : public Fichiers {
protected:
  static tavlotest::Resultat lance(const std::vector<std::string>& args) {
    std::string commande = TAVLO_TEXTES;
    for (const std::string& a : args) commande += " '" + a + "'";
    return tavlotest::lance(commande);
  }
  std::vector<std::string> sorties(const std::vector<std::string>& fichiers,
                                   const std::string& symbole = "essai") {
    std::vector<std::string> a = {"--symbol", symbole, "--header", h_, "--source", cpp_};
    a.insert(a.end(), fichiers.begin(), fichiers.end());
    return a;
  }
  std::string h_;
  std::string cpp_;
  void SetUp() override {
    Fichiers::SetUp();
    h_ = chemin("essai.h");
    cpp_ = chemin("essai.cpp");
  }
};

TEST_F(Outil, WritesBothFilesOrNothing) {
  const std::string a = fichier("a.txt", "un\ndeux\n");
  const std::string b = fichier("B.txt", "");
  const tavlotest::Resultat r = lance(sorties({a, b}));
  ASSERT_EQ(r.statut, 0) << r.erreurs;
  EXPECT_TRUE(fs::exists(h_));
  EXPECT_TRUE(fs::exists(cpp_));
  fs::remove(h_);
  fs::remove(cpp_);

  const std::string mauvais = fichier("mauvais.txt", "ok\nok\n\xC3(\n");
  const std::string double_ = fichier("A.txt", "x\n");
  const struct {
    std::vector<std::string> args;
    int statut;
    std::string message;
  } cas[] = {
      {sorties({a, mauvais}), 1, mauvais + ":3:1: error: malformed UTF-8"},
      {sorties({a, chemin("z.txt")}), 1, "z.txt:0: error: cannot read the file"},
      {sorties({a, fs::path(double_).string()}), 1, "the name 'A' is already taken"},
      {sorties({a}, "pas un symbole"), 2, "is not a C++ identifier"},
      {sorties({a}, "9a"), 2, "is not a C++ identifier"},
      {{"--symbol", "essai", "--source", cpp_, a}, 2, "usage"},
      {{"--symbol", "essai", "--header", h_, "--source", cpp_, "--verbose", a}, 2, "usage"},
  };
  for (const auto& c : cas) {
    SCOPED_TRACE(c.message);
    const tavlotest::Resultat r = lance(c.args);
    EXPECT_EQ(r.statut, c.statut);
    EXPECT_NE(r.erreurs.find(c.message), std::string::npos) << r.erreurs;
    EXPECT_FALSE(fs::exists(h_));
    EXPECT_FALSE(fs::exists(cpp_));
  }
}

}  // namespace
}  // namespace tavlo::preparation
