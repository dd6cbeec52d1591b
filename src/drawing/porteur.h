// The pen, brush and font holders: nothing in the program selects a drawing
// object into a context directly. A holder owns the object it holds,
// remembers what the context held before its first selection, and deletes
// its object when it is replaced. The font holder also carries the text
// colour, background mode, alignment and the offset that centres a text on a
// point (rotated with the font).
//
//   Porteur& p = porteurstylo();
//   p.adopte(creestylo(2, 0x0000FF));  // the previous pen is put back and deleted
//   p.selectionne(contexte);
//   ...
//   p.remet();                         // the context's default pen again
//
// A new object replaces the old in one step; the holders never restore the
// previous object between drawings. Because the previous object is taken only
// at the very first selection, what remet puts back is the default (stock)
// object of the first context the holder met, valid in any context.
//
// Contexts die while holders remember them (a memory context lives for one
// paint): before a context is destroyed, oubliecontexte must run for it, or
// the context must be owned by a ContexteSuivi, which does it. A holder that
// has forgotten its context puts nothing back, as a call on a deleted device
// context does nothing on Windows.
#pragma once

#include <cstdint>
#include <memory>

#include "platform/dessin.h"

namespace tavlo {

class Porteur {
public:
  Porteur();
  ~Porteur();  // libere
  Porteur(const Porteur&) = delete;
  Porteur& operator=(const Porteur&) = delete;

  // libere, then hold o and own it. Adopting the object already held keeps
  // it rather than deleting it first.
  void adopte(Objet o);
  // Remembers c and selects the held object into it; the first selection
  // also keeps what c held before. A null context is ignored; with nothing
  // held, c is only remembered (the previous object is taken from the first
  // real selection, never as null).
  void selectionne(Contexte* c);
  // Selects the previous object into the remembered context.
  void remet();
  // remet, then deletes the held object when owned (and holds nothing).
  void libere();

  Objet objet() const { return objet_; }
  Objet precedent() const { return precedent_; }
  Contexte* contexte() const { return contexte_; }
  bool possede() const { return possede_ != 0; }
  bool estselectionne() const { return selectionne_ != 0; }

private:
  friend void oubliecontexte(const Contexte* c);

  Contexte* contexte_ = nullptr;
  Objet objet_ = nullptr;
  Objet precedent_ = nullptr;
  std::uint8_t possede_ = 0;
  std::uint8_t selectionne_ = 0;

  // Every live holder, so that a dying context can be forgotten by all.
  Porteur* suivant_ = nullptr;
  Porteur* avant_ = nullptr;
};

class Fonte {
public:
  Fonte() = default;
  Fonte(const Fonte&) = delete;
  Fonte& operator=(const Fonte&) = delete;

  void adopte(Objet o) { porteur_.adopte(o); }
  void selectionne(Contexte* c) { porteur_.selectionne(c); }
  void remet() { porteur_.remet(); }
  void libere() { porteur_.libere(); }

  // Makes and adopts a font (not selected): height and width in pixels,
  // escapement in tenths of a degree counter-clockwise, weight 0..1000. The
  // offset is reset to (0, 0).
  void cree(std::int16_t hauteur, std::int16_t largeur, std::int16_t escapement, bool italique,
            std::int16_t poids, const char* face);
  // cree, then the offset that centres a text on its point: half the height
  // upward (a fifth more when the text is not at a right angle), turned with
  // the text when the escapement is positive.
  void fonterot(std::int16_t hauteur, std::int16_t largeur, std::int16_t escapement,
                bool italique, std::int16_t poids, const char* face);

  // Text colour; from then on texts are written without a background.
  void couleur(Couleur c);
  // Centred: the point is the middle of the text's top edge; else its top
  // left corner. Applied to the remembered context at once.
  void aligne(bool centre);
  // Writes at (x, y) with the colours and background mode of the holder.
  void ecrit0(std::int32_t x, std::int32_t y, const char* texte);
  // The same at (x + dx, y - dy), the stored alignment applied again first.
  void ecritdec(std::int32_t x, std::int32_t y, const char* texte);

  Objet objet() const { return porteur_.objet(); }
  Objet precedent() const { return porteur_.precedent(); }
  Contexte* contexte() const { return porteur_.contexte(); }
  bool possede() const { return porteur_.possede(); }
  bool estselectionne() const { return porteur_.estselectionne(); }
  Couleur couleurtexte() const { return couleurtexte_; }
  Couleur couleurfond() const { return couleurfond_; }
  bool opaque() const { return opaque_ != 0; }
  bool centre() const { return centre_ != 0; }
  std::int16_t dx() const { return dx_; }
  std::int16_t dy() const { return dy_; }

private:
  Porteur porteur_;
  Couleur couleurtexte_ = 0;
  Couleur couleurfond_ = 0xFFFFFF;
  std::uint8_t opaque_ = 1;
  std::uint8_t centre_ = 0;
  std::int16_t dx_ = 0;
  std::int16_t dy_ = 0;
};

// The program's three holders. They are made together on first use and
// destroyed at exit in the reverse order (font, brush, pen), each releasing
// what it holds.
Porteur& porteurstylo();
Porteur& porteurbrosse();
Fonte& porteurfonte();

// Every holder that remembers c forgets it. Call it before c is destroyed.
void oubliecontexte(const Contexte* c);

// Owns a context and makes the holders forget it before destroying it:
//   ContexteSuivi memoire = suivi(creecontextememoire(*ecran));
struct Oublieur {
  void operator()(Contexte* c) const;
};
using ContexteSuivi = std::unique_ptr<Contexte, Oublieur>;
inline ContexteSuivi suivi(std::unique_ptr<Contexte> c) { return ContexteSuivi(c.release()); }

}  // namespace tavlo
