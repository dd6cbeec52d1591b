// tavlo-textes: the build step that stores the program's fixed texts. Reads
// UTF-8 data files and writes a C++ header and source holding every line in
// Windows-1252, scrambled for debrouille.
//
//   tavlo-textes --symbol NAME --header OUT.h --source OUT.cpp FILE...
//
// A text is looked up by its file name without directory and extension, so
// names must differ (ignoring case) within one call. Exit status 1, with
// "file:line: error: ..." on the standard error and nothing written, when a
// file cannot be read, a character has no Windows-1252 byte or a line is
// too long; 2 on bad arguments.
#include <cstdio>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#include "preparetextes.h"
#include "text/texte.h"

namespace {

using namespace tavlo::preparation;

int usage() {
  std::cerr << "usage: tavlo-textes --symbol NAME --header OUT.h --source OUT.cpp FILE...\n";
  return 2;
}

bool ecris(const std::string& chemin, const std::string& contenu) {
  std::ofstream f(chemin, std::ios::binary | std::ios::trunc);
  f << contenu;
  f.close();
  if (f) return true;
  std::cerr << chemin << ": error: cannot write the file\n";
  return false;
}

}  // namespace

int main(int argc, char** argv) {
  std::string symbole;
  std::string h;
  std::string cpp;
  std::vector<std::string> fichiers;
  for (int k = 1; k < argc; ++k) {
    const std::string a = argv[k];
    std::string* cible = a == "--symbol" ? &symbole : a == "--header" ? &h : a == "--source" ? &cpp : nullptr;
    if (cible != nullptr) {
      if (++k == argc) return usage();
      *cible = argv[k];
    } else if (a.rfind("--", 0) == 0) {
      return usage();
    } else {
      fichiers.push_back(a);
    }
  }
  if (h.empty() || cpp.empty()) return usage();
  if (!estsymbole(symbole)) {
    std::cerr << "tavlo-textes: '" << symbole << "' is not a C++ identifier\n";
    return 2;
  }

  std::vector<TexteSource> textes;
  for (const std::string& f : fichiers) {
    TexteSource t;
    std::string erreur;
    if (!litsource(f, t, erreur)) {
      std::cerr << erreur << "\n";
      return 1;
    }
    for (const TexteSource& autre : textes)
      if (tavlo::egalemaj(autre.nom.c_str(), t.nom.c_str())) {
        std::cerr << f << ":0: error: the name '" << t.nom << "' is already taken by another file\n";
        return 1;
      }
    textes.push_back(std::move(t));
  }
  if (textes.size() > LIGNESMAX) {
    std::cerr << "tavlo-textes: more than " << LIGNESMAX << " files\n";
    return 1;
  }
  if (!ecris(h, entete(symbole)) || !ecris(cpp, source(symbole, textes))) {
    std::remove(h.c_str());
    std::remove(cpp.c_str());
    return 1;
  }
  return 0;
}
