// tavlo-grid run as a separate program: exit statuses, the JSON report, and
// survival on any input file.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>

#include <nlohmann/json.hpp>

#include "support/programme.h"

namespace {

using nlohmann::json;
using tavlotest::Resultat;

// tavlo-grid with args, its standard error kept apart from the output.
Resultat grid(const std::string& args) { return tavlotest::lance(std::string(TAVLO_GRID) + " " + args); }

using GrilleOutil = tavlotest::DossierTemporaire<>;

TEST_F(GrilleOutil, RefusesBadInputWithStatusTwo) {
  const std::string def = fichier("g.txt", "X\r\n");
  const struct {
    std::string args;
  } cas[] = {
      {""},
      {"nothing"},
      {"check"},
      {"check " + chemin("absent.txt")},
      {"check " + dossier().string()},  // a directory is no file
      {"check " + def + " " + def},
      {"check " + def + " --level"},
      {"check " + def + " --level 0"},
      {"check " + def + " --level 8"},
      {"check " + def + " --level 3x"},
      {"check " + def + " --colour red"},
  };
  for (const auto& c : cas) {
    SCOPED_TRACE(c.args);
    EXPECT_EQ(grid(c.args).statut, 2);
  }
}

TEST_F(GrilleOutil, JsonDescribesTwoOverlappingGroupsAtLevelSeven) {
  // Two groups one step apart; one cell tagged 120 and one 100, so level 7
  // exists and shows only the 120 cell.
  const std::string def = fichier("g.txt", "X\r\nxa\nAWPJ%120\r\nC V QK % 100\n");
  Resultat r = grid("check " + def + " --level 7 --json");
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
  Resultat r = grid("check " + def + " --state C14K --json");
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
    EXPECT_EQ(grid("check " + def + " --level " + std::to_string(1 + alea() % 7) +
                   " --state AbG1Kz7 --json").statut,
              0);
  }
}

TEST_F(GrilleOutil, ListNamesTheTenBuiltInGridsAndTheCatalogue) {
  Resultat r = grid("list");
  ASSERT_EQ(r.statut, 0);
  int lignes = 0;
  for (char c : r.sortie) lignes += c == '\n';
  EXPECT_EQ(lignes, 11);  // a heading and ten grids
  EXPECT_NE(r.sortie.find("1443-22   2      96"), std::string::npos);
  for (const char* gr : {"Gr1", "Gr2", "Gr3", "Gr4", "Gr5"}) EXPECT_NE(r.sortie.find(gr), std::string::npos);
}

TEST_F(GrilleOutil, ShowAppliesTheGridsOwnLevelUnlessTold) {
  const struct {
    std::string args;
    int niveau;
  } cas[] = {{"show 1709-17 --json", 4}, {"show 1709-17 --level 7 --json", 7}, {"show 1251-1 --json", 2}};
  for (const auto& c : cas) {
    SCOPED_TRACE(c.args);
    Resultat r = grid(c.args);
    ASSERT_EQ(r.statut, 0);
    EXPECT_EQ(json::parse(r.sortie)["level"]["niveau"], c.niveau);
  }
  EXPECT_EQ(grid("show " + fichier("g.txt", "X\n") + " --json").statut, 2);  // files are for check
}

TEST_F(GrilleOutil, SolveExitsZeroOnlyForAUniqueSolution) {
  const struct {
    std::string source;
    int statut;
    const char* solutions;
  } cas[] = {
      {"1443-22", 0, "solutions 1"},
      {"1239-1 --level 7", 0, "solutions 1"},
      // One group and no givens: many ways to fill it.
      {fichier("libre.txt", "X\n"), 1, "solutions 2"},
      // Two touching cells of one group both given 1: no way at all.
      {fichier("faux.txt", "X\nWPJ%120\nVPJ%120\n"), 1, "solutions 0"},
      {fichier("vide.txt", ""), 0, "solutions 1"},  // nothing to fill
  };
  for (const auto& c : cas) {
    SCOPED_TRACE(c.source);
    Resultat r = grid("solve " + c.source);
    EXPECT_EQ(r.statut, c.statut);
    EXPECT_NE(r.sortie.find(c.solutions), std::string::npos) << r.sortie;
    EXPECT_EQ(r.sortie.find("solution ") != std::string::npos, c.statut == 0);
  }
}

TEST_F(GrilleOutil, SolvedStateReadsBackAsAFullGrid) {
  Resultat r = grid("solve 1251-2");
  ASSERT_EQ(r.statut, 0);
  const std::size_t p = r.sortie.find("solution ");
  ASSERT_NE(p, std::string::npos);
  const std::string etat = r.sortie.substr(p + 9, r.sortie.find('\n', p) - p - 9);
  // One letter per cell, and every given keeps its own value.
  Resultat s = grid("show 1251-2 --json");
  ASSERT_EQ(s.statut, 0);
  const json cellules = json::parse(s.sortie)["cells"];
  EXPECT_EQ(etat.size(), cellules.size());
  for (const auto& c : cellules) {
    if (c["fixe"].get<bool>()) {
      EXPECT_EQ(etat[c["n"].get<int>() - 1], 'A' + c["val"].get<int>() - 1);
    }
  }
}

}  // namespace
