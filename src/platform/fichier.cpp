// File access over the C runtime's buffered files, in binary mode throughout.
#include "platform/fichier.h"

#include <chrono>
#include <cstring>
#include <filesystem>
#include <string>
#include <system_error>
#include <thread>

namespace tavlo {

namespace {

// On Linux a directory opens for reading and then reads as an empty file, and
// remove() would delete an empty one. The program only ever means plain
// files, so a directory counts as no file at all.
bool estrepertoire(const char* chemin) {
  std::error_code ec;
  return std::filesystem::is_directory(chemin, ec);
}

bool ouvre(const char* chemin, const char* mode, Fichier& f) {
  f.ferme();
  if (chemin == nullptr || estrepertoire(chemin)) return false;
  f = Fichier(std::fopen(chemin, mode));
  return f.ouvert();
}

}  // namespace

Fichier::Fichier(Fichier&& autre) noexcept : flux_(autre.flux_) {
  autre.flux_ = nullptr;
}

Fichier& Fichier::operator=(Fichier&& autre) noexcept {
  if (this != &autre) {
    ferme();
    flux_ = autre.flux_;
    autre.flux_ = nullptr;
  }
  return *this;
}

Fichier::~Fichier() { ferme(); }

void Fichier::ferme() {
  if (flux_ != nullptr) {
    std::fclose(flux_);
    flux_ = nullptr;
  }
}

bool ouvrelecture(const char* chemin, Fichier& f, bool& fin) {
  fin = false;
  return ouvre(chemin, "rb", f);
}

bool ouvreajout(const char* chemin, Fichier& f) { return ouvre(chemin, "ab", f); }

bool ouvreecriture(const char* chemin, Fichier& f) { return ouvre(chemin, "wb", f); }

void lireligne(Fichier& f, Chaine& cible, bool& fin) {
  std::FILE* flux = f.flux();
  int c = flux != nullptr ? std::getc(flux) : EOF;
  if (c == EOF) {
    // Also for a closed handle, so that a reading loop always ends.
    cible.vide();
    fin = true;
    return;
  }
  // Lines have no length limit; gather them here and copy into cible once.
  std::string ligne;
  while (c != EOF && c != '\n' && c != '\r') {
    ligne.push_back(static_cast<char>(c));
    c = std::getc(flux);
  }
  if (c != EOF) {
    // CR LF and LF CR are one line end; anything else starts the next line.
    const int paire = c == '\n' ? '\r' : '\n';
    const int suivant = std::getc(flux);
    if (suivant != paire && suivant != EOF) std::ungetc(suivant, flux);
  }
  // A zero byte ends the text as far as a Chaine can tell, so trailing spaces
  // are those before it.
  ligne.resize(std::strlen(ligne.c_str()));
  while (!ligne.empty() && ligne.back() == ' ') ligne.pop_back();
  cible.affecte(ligne.c_str());
}

void ecrisligne(Fichier& f, const char* texte) {
  std::FILE* flux = f.flux();
  if (flux == nullptr) return;
  if (texte != nullptr) std::fwrite(texte, 1, std::strlen(texte), flux);
  std::fwrite("\r\n", 1, 2, flux);
}

bool existe(const char* chemin) {
  bool fin;
  Fichier f;
  return ouvrelecture(chemin, f, fin);
}

bool supprimefichier(const char* chemin) {
  if (chemin == nullptr || estrepertoire(chemin)) return false;
  return std::remove(chemin) == 0;
}

void copiefichier(const char* source, const char* destination) {
  if (source == nullptr || destination == nullptr) return;
  std::error_code ec;
  std::filesystem::copy_file(source, destination,
                             std::filesystem::copy_options::overwrite_existing, ec);
}

bool effaceapres(const char* chemin, std::int16_t delai) {
  if (!existe(chemin)) return true;
  // The file usually belongs to a process that is still ending; give it time
  // to let go before removing.
  if (delai > 0) std::this_thread::sleep_for(std::chrono::milliseconds(delai));
  supprimefichier(chemin);
  return !existe(chemin);
}

bool charge(ListeChaines& liste, const char* chemin) {
  Fichier f;
  bool fin;
  if (!ouvrelecture(chemin, f, fin)) return false;
  Chaine ligne;
  while (!fin) {
    lireligne(f, ligne, fin);
    if (ligne.nonvide()) liste.ajoutefin(ligne.texte());
  }
  return true;
}

void sauve(const ListeChaines& liste, const char* chemin) {
  Fichier f;
  if (!ouvreecriture(chemin, f)) return;
  const int n = liste.nombre();
  for (int i = 1; i <= n; ++i) ecrisligne(f, liste.element(static_cast<std::int16_t>(i)));
}

}  // namespace tavlo
