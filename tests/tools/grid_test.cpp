// tavlo-grid run as a separate program: exit statuses, the JSON report, and
// survival on any input file.
#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>

#include <nlohmann/json.hpp>

namespace {

namespace fs = std::filesystem;
using nlohmann::json;

struct Resultat {
  int statut = -1;
  std::string sortie;  // standard output only
};

Resultat lance(const std::string& args) {
  Resultat r;
  const std::string commande = std::string(TAVLO_GRID) + " " + args + " 2>/dev/null";
  FILE* p = popen(commande.c_str(), "r");
  if (p == nullptr) return r;
  std::array<char, 4096> tampon;
  std::size_t n;
  while ((n = std::fread(tampon.data(), 1, tampon.size(), p)) > 0) r.sortie.append(tampon.data(), n);
  const int s = pclose(p);
  r.statut = WIFEXITED(s) ? WEXITSTATUS(s) : 128 + WTERMSIG(s);
  return r;
}

class GrilleOutil : public ::testing::Test {
protected:
  void SetUp() override {
    dossier_ = fs::temp_directory_path() /
               ("tavlo-grid-" + std::to_string(::getpid()) + "-" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::create_directories(dossier_);
  }
  void TearDown() override { fs::remove_all(dossier_); }

  std::string fichier(const std::string& nom, const std::string& contenu) {
    const fs::path p = dossier_ / nom;
    std::ofstream(p, std::ios::binary) << contenu;
    return p.string();
  }

  fs::path dossier_;
};

TEST_F(GrilleOutil, RefusesBadInputWithStatusTwo) {
  const std::string def = fichier("g.txt", "X\r\n");
  const struct {
    std::string args;
  } cas[] = {
      {""},
      {"nothing"},
      {"check"},
      {"check " + (dossier_ / "absent.txt").string()},
      {"check " + dossier_.string()},  // a directory is no file
      {"check " + def + " " + def},
      {"check " + def + " --level"},
      {"check " + def + " --level 0"},
      {"check " + def + " --level 8"},
      {"check " + def + " --level 3x"},
      {"check " + def + " --colour red"},
  };
  for (const auto& c : cas) {
    SCOPED_TRACE(c.args);
    EXPECT_EQ(lance(c.args).statut, 2);
  }
}

TEST_F(GrilleOutil, JsonDescribesTwoOverlappingGroupsAtLevelSeven) {
  // Two groups one step apart; one cell tagged 120 and one 100, so level 7
  // exists and shows only the 120 cell.
  const std::string def = fichier("g.txt", "X\r\nxa\nAWPJ%120\r\nC V QK % 100\n");
  Resultat r = lance("check " + def + " --level 7 --json");
  ASSERT_EQ(r.statut, 0);
  const json j = json::parse(r.sortie);

  ASSERT_EQ(j["cells"].size(), 10u);
  EXPECT_EQ(j["complete_groups"].size(), 2u);
  ASSERT_EQ(j["partial_groups"].size(), 2u);
  EXPECT_EQ(j["partial_groups"][0]["centre"], "B");
  EXPECT_EQ(j["partial_groups"][0]["n"], 3);
  EXPECT_EQ(j["partial_groups"][1]["centre"], "F");
  EXPECT_EQ(j["level"]["niveau"], 7);
  EXPECT_EQ(j["level"]["effective"], 7);
  EXPECT_EQ(j["level"]["applied"], 120);
  EXPECT_EQ(j["level"]["level7"], true);

  int donnees = 0;
  for (const auto& c : j["cells"]) {
    donnees += c["fixe"].get<bool>();
    // The two cells shared by both groups touch all nine others.
    if (c["name"] == ":AB" || c["name"] == ":AF") {
      EXPECT_EQ(c["neighbours"].size(), 9u);
    }
    for (const auto& v : c["neighbours"]) {  // symmetric
      const auto& autre = j["cells"][v.get<int>() - 1];
      EXPECT_NE(std::find(autre["neighbours"].begin(), autre["neighbours"].end(), c["n"]),
                autre["neighbours"].end());
    }
  }
  EXPECT_EQ(donnees, 1);
}

TEST_F(GrilleOutil, StateTextSetsValuesAndMarks) {
  // Single group: six cells. Cell 1 takes 3, cell 2 marks 1 and 6, the rest empty.
  const std::string def = fichier("g.txt", "X\n");
  Resultat r = lance("check " + def + " --state C14K --json");
  ASSERT_EQ(r.statut, 0);
  const json j = json::parse(r.sortie);
  EXPECT_EQ(j["cells"][0]["val"], 3);
  EXPECT_EQ(j["cells"][1]["marques"], 33);
  EXPECT_EQ(j["cells"][2]["val"], 0);
  EXPECT_EQ(j["rows"], 2);
  EXPECT_EQ(j["columns"], 3);
  EXPECT_EQ(j["points"].size(), 7u);
}

TEST_F(GrilleOutil, SurvivesAnyInputFile) {
  std::mt19937 alea(20261211);
  const std::string morceaux[] = {"X", "A", "B9", "F", "W", "V", "PJ", "%", "120", ":AB",
                                  ":AF", "0", " ", "\r", "\n", "\xE9", "Z", "9999999"};
  for (int essai = 0; essai < 25; ++essai) {
    std::string contenu;
    const int n = 1 + static_cast<int>(alea() % 60);
    for (int k = 0; k < n; ++k) {
      if (alea() % 4 == 0)
        contenu.push_back(static_cast<char>(alea() % 256));
      else
        contenu += morceaux[alea() % std::size(morceaux)];
    }
    const std::string def = fichier("fuzz.txt", contenu);
    SCOPED_TRACE(essai);
    EXPECT_EQ(lance("check " + def + " --level " + std::to_string(1 + alea() % 7) +
                    " --state AbG1Kz7 --json").statut,
              0);
  }
}

}  // namespace
