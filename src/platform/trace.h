// ContexteTrace: a context that draws nothing and writes every call it gets as
// one readable line, for tests and tools that run the drawing code without
// pixels. Objects made by the free functions of dessin.h work with it as with
// the cairo contexts, and selection follows the same rules (previous object
// returned, defaults, a bitmap in one context at a time).
//
//   ContexteTrace t;                       // an 800 x 600 "screen"
//   t.selectionne(creestylo(2, 0x0000FF)); // "selectionne stylo 2 #0000FF"
//   Point p[] = {{0, 0}, {10, 0}, {10, 10}};
//   t.polygone(p, 3);                      // "polygone 3 (0,0) (10,0) (10,10)"
//   EXPECT_EQ(t.lignes().back(), "polygone 3 (0,0) (10,0) (10,10)");
//
// Colours are written as '#' and the six hex digits of the platform value, so
// #0000FF is red, as in the code that draws. Objects are written as
// "stylo WIDTH COLOUR", "brosse COLOUR", "fonte HxW esc E poids P [italique]
// FACE", "bitmap WxH", stock objects by their name ("stylonoir",
// "brosseblanche", "brossevide", "fontegui"), and "nul" for null or unknown.
// Texts are quoted, with '"', '\' and bytes outside 32..126 as \xHH.
//
// creecontextememoire on a trace gives another trace, named "memoire1",
// "memoire2", ... in order of creation, that writes into the same journal with
// its name and ": " before each line; copies name their source context.
// etendue answers without fonts: the cell height, and the average width times
// the length, so traces do not depend on the fonts installed.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/dessin.h"

namespace tavlo {

namespace internal {
class Selection;
}

class ContexteTrace final : public Contexte {
public:
  explicit ContexteTrace(std::int32_t largeur = 800, std::int32_t hauteur = 600);
  ~ContexteTrace() override;

  // Every line written so far by this trace and the memory traces made from it.
  const std::vector<std::string>& lignes() const;
  std::string texte() const;  // the lines, each ended by '\n'
  void efface();              // forgets the lines written so far
  const std::string& nom() const { return nom_; }

  Objet selectionne(Objet o) override;
  void deplace(std::int32_t x, std::int32_t y) override;
  void ligne(std::int32_t x, std::int32_t y) override;
  void polygone(const Point* points, int n) override;
  void ellipse(std::int32_t gauche, std::int32_t haut, std::int32_t droite, std::int32_t bas) override;
  void rectangle(std::int32_t gauche, std::int32_t haut, std::int32_t droite, std::int32_t bas) override;
  void remplit(const Rect& r, Objet brosse) override;
  std::uint16_t alignement(std::uint16_t drapeaux) override;
  ModeFond modefond(ModeFond m) override;
  Couleur couleurfond(Couleur c) override;
  Couleur couleurtexte(Couleur c) override;
  void ecrittexte(std::int32_t x, std::int32_t y, const char* texte, int n) override;
  Dimension etendue(const char* texte, int n) override;
  int capacite(Capacite c) const override;
  bool copiebloc(std::int32_t x, std::int32_t y, std::int32_t l, std::int32_t h, Contexte& source,
                 std::int32_t sx, std::int32_t sy) override;
  bool etire(std::int32_t x, std::int32_t y, std::int32_t l, std::int32_t h, Contexte& source,
             std::int32_t sx, std::int32_t sy, std::int32_t sl, std::int32_t sh) override;

  // What bitmapde and creecontextememoire answer for a trace.
  Objet bitmap() const;
  std::unique_ptr<Contexte> creememoire() const;

private:
  struct Journal;
  ContexteTrace(std::shared_ptr<Journal> journal, std::string nom, std::int32_t largeur,
                std::int32_t hauteur);
  void note(std::string ligne) const;

  std::shared_ptr<Journal> journal_;
  std::string nom_;
  std::unique_ptr<internal::Selection> sel_;
  std::int32_t largeur_, hauteur_;
  std::uint16_t alignement_ = ALIGNE_GAUCHE | ALIGNE_HAUT;
  ModeFond modefond_ = ModeFond::opaque;
  Couleur fond_ = 0xFFFFFF;
  Couleur texte_ = 0;
};

}  // namespace tavlo
