// File access on real files in a scratch folder: line ends, writers, removal,
// copying, and loading and saving string lists.
#include "platform/fichier.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <utility>
#include <vector>

namespace tavlo {
namespace {

namespace fs = std::filesystem;
using namespace std::string_literals;

// Each test gets its own folder, removed afterwards.
class Fichiers : public ::testing::Test {
protected:
  void SetUp() override {
    const char* base = std::getenv("TAVLO_TEST_TMP");
    const fs::path racine = base != nullptr && *base != 0 ? fs::path(base)
                                                          : fs::temp_directory_path();
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    dossier_ = racine / ("platform-" + std::string(info->name()) + "-" +
                         std::to_string(::getpid()));
    fs::remove_all(dossier_);
    fs::create_directories(dossier_);
  }
  void TearDown() override {
    std::error_code ec;
    fs::remove_all(dossier_, ec);
  }

  std::string chemin(const std::string& nom) const { return (dossier_ / nom).string(); }
  // A path whose folder does not exist: nothing can be created there.
  std::string impossible() const { return chemin("absent/f.txt"); }

  void ecris(const std::string& nom, const std::string& octets) const {
    std::ofstream(chemin(nom), std::ios::binary) << octets;
  }
  std::string lis(const std::string& nom) const {
    std::ifstream f(chemin(nom), std::ios::binary);
    return {std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
  }

  // Every line up to and including the one that sets the end flag, with the
  // flag as returned.
  std::vector<std::pair<std::string, bool>> toutesleslignes(const std::string& nom) const {
    std::vector<std::pair<std::string, bool>> lignes;
    Fichier f;
    bool fin = true;
    EXPECT_TRUE(ouvrelecture(chemin(nom).c_str(), f, fin));
    EXPECT_FALSE(fin);
    Chaine ligne("avant");
    while (!fin && lignes.size() < 100) {
      lireligne(f, ligne, fin);
      lignes.emplace_back(ligne.texte(), fin);
    }
    return lignes;
  }

  fs::path dossier_;
};

std::vector<std::string> items(const ListeChaines& liste) {
  std::vector<std::string> v;
  for (int i = 1; i <= liste.nombre(); ++i) v.emplace_back(liste.element(static_cast<std::int16_t>(i)));
  return v;
}

struct CasLignes {
  const char* nom;
  std::string octets;
  // The lines in order; only the last one comes with the end flag set.
  std::vector<std::string> lignes;
};

TEST_F(Fichiers, LireligneDecoupeToutesLesFinsDeLigne) {
  const CasLignes cas[] = {
      {"CR LF", "a\r\nb", {"a", "b", ""}},
      {"LF CR", "a\n\rb", {"a", "b", ""}},
      {"CR", "a\rb", {"a", "b", ""}},
      {"LF", "a\nb", {"a", "b", ""}},
      {"CR CR", "a\r\rb", {"a", "", "b", ""}},
      {"LF LF", "a\n\nb", {"a", "", "b", ""}},
      {"CR LF CR LF", "a\r\n\r\nb", {"a", "", "b", ""}},
      {"LF CR LF CR", "a\n\r\n\rb", {"a", "", "b", ""}},
      {"CR LF LF", "a\r\n\nb", {"a", "", "b", ""}},
      {"LF CR CR", "a\n\r\rb", {"a", "", "b", ""}},
      {"final CR LF", "a\r\n", {"a", ""}},
      {"final CR", "a\r", {"a", ""}},
      {"final CR LF CR", "a\r\n\r", {"a", "", ""}},
      {"no final end", "ab", {"ab", ""}},
      {"empty file", "", {""}},
      {"line end only", "\r\n", {"", ""}},
      {"trailing spaces", "x   \r\ny \n", {"x", "y", ""}},
      {"spaces only, no end", "   ", {"", ""}},
      {"leading spaces kept", "  a\n", {"  a", ""}},
      {"tabs, byte 26, bytes above 127", "\t\xE9t\xE9\x1A\xFF \t  \r\n",
       {"\t\xE9t\xE9\x1A\xFF \t", ""}},
      // A zero byte ends what a Chaine can hold; spaces before it still go.
      {"zero byte", "ab \0cd\nz"s, {"ab", "z", ""}},
  };
  for (const auto& c : cas) {
    SCOPED_TRACE(c.nom);
    ecris("lignes.txt", c.octets);
    std::vector<std::pair<std::string, bool>> attendu;
    for (std::size_t i = 0; i < c.lignes.size(); ++i)
      attendu.emplace_back(c.lignes[i], i + 1 == c.lignes.size());
    EXPECT_EQ(toutesleslignes("lignes.txt"), attendu);
  }
}

TEST_F(Fichiers, LireligneSansLimiteDeLongueur) {
  std::string longue(100000, ' ');
  for (std::size_t i = 0; i < longue.size(); ++i) longue[i] = static_cast<char>('a' + i % 26);
  ecris("longue.txt", longue + "   \r\n" + longue);
  const std::vector<std::pair<std::string, bool>> attendu = {
      {longue, false}, {longue, false}, {"", true}};
  EXPECT_EQ(toutesleslignes("longue.txt"), attendu);
}

TEST_F(Fichiers, LectureImpossibleNeLitRien) {
  Fichier f;
  bool fin = true;
  EXPECT_FALSE(ouvrelecture(chemin("absent.txt").c_str(), f, fin));
  EXPECT_FALSE(fin);
  EXPECT_FALSE(f.ouvert());
  // A loop that ignores the failed open still ends at once.
  Chaine ligne("avant");
  lireligne(f, ligne, fin);
  EXPECT_STREQ(ligne.texte(), "");
  EXPECT_TRUE(fin);

  // On Linux a folder would open and read as empty; it is not a file.
  EXPECT_FALSE(ouvrelecture(dossier_.c_str(), f, fin));
  EXPECT_FALSE(existe(dossier_.c_str()));
}

TEST_F(Fichiers, EcriturePuisAjout) {
  ecris("f.txt", "ancien contenu\r\n");
  Fichier f;
  ASSERT_TRUE(ouvreecriture(chemin("f.txt").c_str(), f));
  ecrisligne(f, "a");
  ecrisligne(f, "");
  ecrisligne(f, "b \xE9\t");
  f.ferme();
  f.ferme();
  EXPECT_EQ(lis("f.txt"), "a\r\n\r\nb \xE9\t\r\n");

  ASSERT_TRUE(ouvreajout(chemin("f.txt").c_str(), f));
  ecrisligne(f, "c");
  f.ferme();
  EXPECT_EQ(lis("f.txt"), "a\r\n\r\nb \xE9\t\r\nc\r\n");

  ASSERT_TRUE(ouvreajout(chemin("nouveau.txt").c_str(), f));
  ecrisligne(f, "d");
  f.ferme();
  EXPECT_EQ(lis("nouveau.txt"), "d\r\n");

  ASSERT_TRUE(ouvreecriture(chemin("f.txt").c_str(), f));
  f.ferme();
  EXPECT_EQ(fs::file_size(chemin("f.txt")), 0u);
}

TEST_F(Fichiers, UnFichierEstFermeEnChangeantDeMainOuDeFichier) {
  {
    Fichier f;
    ASSERT_TRUE(ouvreecriture(chemin("un.txt").c_str(), f));
    ecrisligne(f, "1");
    // Reopening closes, and so flushes, the first file.
    ASSERT_TRUE(ouvreecriture(chemin("deux.txt").c_str(), f));
    EXPECT_EQ(lis("un.txt"), "1\r\n");

    Fichier g(std::move(f));
    EXPECT_FALSE(f.ouvert());
    ecrisligne(f, "perdu");
    ecrisligne(g, "2");
  }
  EXPECT_EQ(lis("deux.txt"), "2\r\n");
}

TEST_F(Fichiers, EcritureImpossibleNEcritRien) {
  Fichier f;
  EXPECT_FALSE(ouvreecriture(impossible().c_str(), f));
  ecrisligne(f, "x");
  EXPECT_FALSE(ouvreajout(impossible().c_str(), f));
  ecrisligne(f, "x");
  EXPECT_FALSE(f.ouvert());
  EXPECT_FALSE(fs::exists(fs::path(impossible()).parent_path()));
}

TEST_F(Fichiers, ExisteEtSupprimefichier) {
  ecris("f.txt", "x");
  EXPECT_TRUE(existe(chemin("f.txt").c_str()));
  EXPECT_TRUE(supprimefichier(chemin("f.txt").c_str()));
  EXPECT_FALSE(existe(chemin("f.txt").c_str()));
  EXPECT_FALSE(supprimefichier(chemin("f.txt").c_str()));

  // remove() would take an empty folder with it on Linux.
  fs::create_directory(chemin("vide"));
  EXPECT_FALSE(supprimefichier(chemin("vide").c_str()));
  EXPECT_TRUE(effaceapres(chemin("vide").c_str(), 0));
  EXPECT_TRUE(fs::is_directory(chemin("vide")));
}

TEST_F(Fichiers, CopiefichierRemplaceLaDestination) {
  ecris("source.txt", "neuf\r\n");
  ecris("dest.txt", "un contenu plus long\r\n");
  copiefichier(chemin("source.txt").c_str(), chemin("dest.txt").c_str());
  EXPECT_EQ(lis("dest.txt"), "neuf\r\n");
  EXPECT_EQ(lis("source.txt"), "neuf\r\n");

  // Failures go unreported and leave no destination.
  copiefichier(chemin("absent.txt").c_str(), chemin("autre.txt").c_str());
  EXPECT_FALSE(existe(chemin("autre.txt").c_str()));
  copiefichier(chemin("source.txt").c_str(), impossible().c_str());
  EXPECT_FALSE(existe(impossible().c_str()));
}

TEST_F(Fichiers, EffaceapresAttendPuisSupprime) {
  using horloge = std::chrono::steady_clock;

  auto debut = horloge::now();
  EXPECT_TRUE(effaceapres(chemin("absent.txt").c_str(), 3000));
  EXPECT_LT(horloge::now() - debut, std::chrono::milliseconds(1000));

  ecris("vieux.exe", "x");
  debut = horloge::now();
  EXPECT_TRUE(effaceapres(chemin("vieux.exe").c_str(), 100));
  EXPECT_GE(horloge::now() - debut, std::chrono::milliseconds(100));
  EXPECT_FALSE(fs::exists(chemin("vieux.exe")));

  for (const std::int16_t delai : {std::int16_t{0}, std::int16_t{-5}}) {
    ecris("vieux.exe", "x");
    EXPECT_TRUE(effaceapres(chemin("vieux.exe").c_str(), delai));
    EXPECT_FALSE(fs::exists(chemin("vieux.exe")));
  }
}

TEST_F(Fichiers, ChargeAjouteLesLignesNonVides) {
  for (const char* fin : {"\r\n", "\n\r", "\r", "\n"}) {
    SCOPED_TRACE(testing::PrintToString(std::string(fin)));
    const std::string f(fin);
    ecris("liste.txt", "a" + f + "  " + f + f + "b" + f);
    ListeChaines liste;
    liste.ajoutefin("x");
    EXPECT_TRUE(charge(liste, chemin("liste.txt").c_str()));
    EXPECT_EQ(items(liste), (std::vector<std::string>{"x", "a", "b"}));
  }

  ListeChaines liste;
  liste.ajoutefin("x");
  EXPECT_FALSE(charge(liste, chemin("absent.txt").c_str()));
  EXPECT_EQ(items(liste), std::vector<std::string>{"x"});
}

TEST_F(Fichiers, SauvePuisCharge) {
  ListeChaines liste;
  for (const char* s : {"x", "  devant", "derriere   ", "", "   ", "\xE9t\xE9", "a=b"})
    liste.ajoutefin(s);
  sauve(liste, chemin("liste.txt").c_str());
  EXPECT_EQ(lis("liste.txt"), "x\r\n  devant\r\nderriere   \r\n\r\n   \r\n\xE9t\xE9\r\na=b\r\n");
  EXPECT_EQ(liste.nombre(), 7);

  ListeChaines relue;
  ASSERT_TRUE(charge(relue, chemin("liste.txt").c_str()));
  EXPECT_EQ(items(relue),
            (std::vector<std::string>{"x", "  devant", "derriere", "\xE9t\xE9", "a=b"}));

  // An empty list empties the file.
  ListeChaines vide;
  sauve(vide, chemin("liste.txt").c_str());
  EXPECT_EQ(lis("liste.txt"), "");
}

TEST_F(Fichiers, SauveImpossibleNEcritRien) {
  ListeChaines liste;
  liste.ajoutefin("x");
  sauve(liste, impossible().c_str());
  EXPECT_FALSE(fs::exists(fs::path(impossible()).parent_path()));
  EXPECT_EQ(items(liste), std::vector<std::string>{"x"});
}

}  // namespace
}  // namespace tavlo
