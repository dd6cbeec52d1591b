// LigneDef: reading one definition line.
#include "core/lignedef.h"

#include <string>

#include "text/texte.h"

namespace tavlo {

namespace {

bool dansleschemin(char c) { return (c >= 'A' && c <= 'F') || (c >= '0' && c <= '9'); }

// The step counts the path grammar gives, without the 16-bit wrap of a
// Chemin, so that an absurdly long path can be refused rather than misread.
bool cheminraisonnable(const std::string& chemin) {
  long comptes[6] = {};
  int courante = -1;
  for (char c : chemin) {
    if (c >= 'A' && c <= 'F') {
      courante = c - 'A';
      ++comptes[courante];
    } else if (c >= '1' && c <= '9') {
      if (courante >= 0) comptes[courante] += c - '1';
    } else {
      break;
    }
    if (courante >= 0 && comptes[courante] > LigneDef::PASMAXI) return false;
  }
  return true;
}

}  // namespace

bool LigneDef::lit(const char* ligne) {
  efface();
  texte.vide();
  val = niv = drapeaux = 0;
  groupe = cellule = formevaleur = haut = 0;

  std::string s(ligne != nullptr ? ligne : "");
  for (char& c : s) c = majuscule(c);
  const std::size_t n = s.size();
  std::size_t p = 0;
  auto espaces = [&] {
    while (p < n && s[p] == ' ') ++p;
  };

  if (p < n && s[p] == 'X') {
    groupe = 1;
    ++p;
  }
  const std::size_t debut = p;
  while (p < n && dansleschemin(s[p])) ++p;
  const std::string chemin = s.substr(debut, p - debut);
  if (!cheminraisonnable(chemin)) {
    groupe = 0;
    return false;
  }
  texte.affecte(chemin.c_str());
  fixetexte(chemin.c_str());

  espaces();
  bool partievaleur = false;
  if (p < n && (s[p] == 'W' || s[p] == 'V')) {
    cellule = 1;
    haut = s[p] == 'W';
    partievaleur = true;
    ++p;
  } else if (s.compare(p, 3, ":AB") == 0 || s.compare(p, 3, ":AF") == 0) {
    cellule = 1;
    haut = s[p + 2] == 'B';
  }

  if (partievaleur) {
    espaces();
    // The two letters are whatever comes next; a line that stops short
    // reads the terminating zero, which gives no value.
    const char lettre = p < n ? s[p++] : 0;
    const char drapeau = p < n ? s[p++] : 0;
    if (lettre >= 'P' && lettre <= 'U') {
      val = static_cast<std::int16_t>(lettre - 'P' + 1);
    } else if (lettre >= 'J' && lettre <= 'O') {
      val = static_cast<std::int16_t>(lettre - 'J' + 1);
      formevaleur = 1;
    }
    drapeaux = static_cast<std::int16_t>(drapeau - 'J');
    espaces();
    if (p < n && s[p] == '%') {
      ++p;
      espaces();
      int tag = 0;
      while (p < n && s[p] >= '0' && s[p] <= '9') {
        // past any real tag: saturate rather than overflow
        if (tag < 10000) tag = tag * 10 + (s[p] - '0');
        ++p;
      }
      niv = static_cast<std::int16_t>(tag < 10000 ? tag : 10000);
    }
  }
  return groupe != 0 || cellule != 0;
}

}  // namespace tavlo
