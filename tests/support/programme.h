// Test support for programs run as the user runs them: a shell command run
// with its exit status, standard output and standard error, and a fixture
// that gives every test a fresh folder for the files it hands the program.
//
//   using Outil = tavlotest::DossierTemporaire<>;
//   TEST_F(Outil, ChecksAGrid) {
//     const tavlotest::Resultat r =
//         tavlotest::lance(std::string(TAVLO_GRID) + " check " + fichier("g.txt", "X\n"));
//     EXPECT_EQ(r.statut, 0) << r.erreurs;
//   }
//
// A fixture that already has its own set-up composes: DossierTemporaire<Propre>
// runs Propre's set-up before making the folder and its tear-down after
// removing it.
#pragma once

#include <gtest/gtest.h>

#include <stdlib.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace tavlotest {

struct Resultat {
  int statut = -1;      // exit status, 128 + the signal when killed, -1 when not run
  std::string sortie;   // standard output
  std::string erreurs;  // standard error
};

// Runs commande through the shell. Standard output comes through a pipe;
// standard error goes to a temporary file read back once the command is
// over, so a program that fills both streams cannot stall on either.
inline Resultat lance(const std::string& commande) {
  Resultat r;
  std::string modele = (std::filesystem::temp_directory_path() / "tavlo-erreurs-XXXXXX").string();
  const int fd = ::mkstemp(modele.data());
  if (fd < 0) return r;
  ::close(fd);
  const std::string complete = "( " + commande + " ) 2>'" + modele + "'";
  if (FILE* p = ::popen(complete.c_str(), "r")) {
    std::array<char, 4096> tampon;
    std::size_t n;
    while ((n = std::fread(tampon.data(), 1, tampon.size(), p)) > 0) r.sortie.append(tampon.data(), n);
    const int s = ::pclose(p);
    r.statut = WIFEXITED(s) ? WEXITSTATUS(s) : 128 + WTERMSIG(s);
    std::ifstream e(modele, std::ios::binary);
    r.erreurs.assign(std::istreambuf_iterator<char>(e), std::istreambuf_iterator<char>());
  }
  std::filesystem::remove(modele);
  return r;
}

// A folder of its own for each test, under the system's temporary folder,
// named after the process and the test; made empty before the test and
// removed with everything in it after.
template <class Base = ::testing::Test>
class DossierTemporaire : public Base {
protected:
  void SetUp() override {
    Base::SetUp();
    const ::testing::TestInfo* t = ::testing::UnitTest::GetInstance()->current_test_info();
    std::string nom = "tavlo-" + std::to_string(::getpid()) + "-" + t->test_suite_name() + "-" + t->name();
    std::replace(nom.begin(), nom.end(), '/', '_');  // parameterised tests
    dossier_ = std::filesystem::temp_directory_path() / nom;
    std::filesystem::remove_all(dossier_);
    std::filesystem::create_directories(dossier_);
  }
  void TearDown() override {
    std::error_code ignoree;
    std::filesystem::remove_all(dossier_, ignoree);
    Base::TearDown();
  }

  const std::filesystem::path& dossier() const { return dossier_; }

  // Path of nom in the folder, whether or not it exists.
  std::string chemin(const std::string& nom) const { return (dossier_ / nom).string(); }

  // Writes contenu byte for byte to nom in the folder; its path.
  std::string fichier(const std::string& nom, const std::string& contenu) const {
    std::ofstream(dossier_ / nom, std::ios::binary) << contenu;
    return chemin(nom);
  }

private:
  std::filesystem::path dossier_;
};

}  // namespace tavlotest
