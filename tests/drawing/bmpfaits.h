// Test helper: BMP files with 8-bit pixels built field by field, so that each
// test can damage exactly one field.
#pragma once

#include <cstdint>
#include <vector>

namespace tavlo::bmptest {

struct Fichier {
  Fichier(std::int32_t l, std::int32_t h) : largeur(l), hauteur(h) {}

  std::int32_t largeur;
  std::int32_t hauteur;
  std::uint32_t compression = 1;  // RLE8
  std::vector<std::uint8_t> donnees;  // pixel data as stored

  char magique = 'B';
  std::uint16_t bits = 8;
  std::uint32_t tailleinfo = 40;
  std::uint32_t nbcouleurs = 0;  // biClrUsed; 0 means 256
  std::uint32_t ecritpalette = 0;  // entries written; 0: as nbcouleurs says
  std::int64_t decalage = -1;    // bfOffBits; -1: right after the palette
  std::int64_t tailleimage = -1;  // biSizeImage; -1: the data's size
  bool taillefichier = true;      // bfSize given (else 0)

  // Palette entry i: red i, green i * 16 (mod 256), blue 0x40, so that no
  // entry is black.
  std::vector<std::uint8_t> octets() const {
    std::vector<std::uint8_t> o;
    auto mot = [&](std::uint32_t v, int n) {
      for (int i = 0; i < n; ++i) o.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
    };
    const std::uint32_t nbpalette = ecritpalette != 0 ? ecritpalette : nbcouleurs != 0 ? nbcouleurs : 256;
    const std::uint32_t entetes = 14 + (tailleinfo >= 40 && tailleinfo <= 124 ? tailleinfo : 40);
    const std::uint32_t debut = entetes + 4 * nbpalette;
    const auto total = static_cast<std::uint32_t>(debut + donnees.size());
    o.push_back(static_cast<std::uint8_t>(magique));
    o.push_back('M');
    mot(taillefichier ? total : 0, 4);
    mot(0, 4);
    mot(decalage < 0 ? debut : static_cast<std::uint32_t>(decalage), 4);
    mot(tailleinfo, 4);
    mot(static_cast<std::uint32_t>(largeur), 4);
    mot(static_cast<std::uint32_t>(hauteur), 4);
    mot(1, 2);
    mot(bits, 2);
    mot(compression, 4);
    mot(tailleimage < 0 ? static_cast<std::uint32_t>(donnees.size()) : static_cast<std::uint32_t>(tailleimage), 4);
    mot(2835, 4);
    mot(2835, 4);
    mot(nbcouleurs, 4);
    mot(0, 4);
    while (o.size() < entetes) o.push_back(0);
    for (std::uint32_t i = 0; i < nbpalette; ++i) {
      o.push_back(0x40);                                     // blue
      o.push_back(static_cast<std::uint8_t>(i * 16));        // green
      o.push_back(static_cast<std::uint8_t>(i));             // red
      o.push_back(0);
    }
    o.insert(o.end(), donnees.begin(), donnees.end());
    return o;
  }
};

}  // namespace tavlo::bmptest
