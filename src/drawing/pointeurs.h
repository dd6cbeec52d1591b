// Pointer cursors: which pointer the game window shows (the number a left
// click would place, the eraser, busy, a group centre, the erase animation),
// the eleven pointer shapes, and the busy counter that forces the wait
// pointer during long operations.
//
//   Pointeurs& p = pointeurs();
//   p.cree(montreur);          // start-up: the window's way of showing a pointer
//   p.etat.chiffre = 4;        // the shell keeps the inputs of the rule up to date
//   p.choisit();               // shows pointer 4 unless it is already shown
//   occupe(); ...; desoccupe();  // wait pointer around a long operation
//
// Codes: 0 eraser, 1..6 arrow with that digit, 7 the system wait pointer,
// 8 the system arrow, 9 group centre, 10 erase animation.
#pragma once

#include <cstdint>

namespace tavlo {

enum : std::int16_t {
  POINTEUR_GOMME = 0,
  POINTEUR_ATTENTE = 7,
  POINTEUR_FLECHE = 8,
  POINTEUR_GROUPE = 9,
  POINTEUR_ECLAT = 10,
  NBPOINTEURS = 11,
};

// A 32 x 32 monochrome pointer as the window system takes it: rows from the
// top, 4 bytes a row, the leftmost pixel in the high bit. AND 0 / XOR 0 is
// black, AND 0 / XOR 1 white, AND 1 / XOR 0 leaves the screen as it is.
struct MasquePointeur {
  static constexpr int COTE = 32;
  std::uint8_t et[COTE * COTE / 8];
  std::uint8_t ou[COTE * COTE / 8];
  std::int16_t xpoint, ypoint;  // hotspot

  bool bitet(int x, int y) const { return (et[y * 4 + x / 8] >> (7 - x % 8)) & 1; }
  bool bitou(int x, int y) const { return (ou[y * 4 + x / 8] >> (7 - x % 8)) & 1; }
};

// The shape of pointer code, or null for the two system pointers (7, 8) and
// codes outside 0..10. The shapes are built once and live until exit.
const MasquePointeur* masquepointeur(int code);

// The window's side of a pointer change: make the pointer of code the
// window's pointer. masque is its shape, or null for a system pointer (7
// wait, 8 arrow). The shell implements it over the window system; it may keep
// one platform cursor per code between calls.
class Montreur {
public:
  virtual ~Montreur() = default;
  virtual void montre(std::int16_t code, const MasquePointeur* masque) = 0;
};

// Inputs of the selection rule, owned by the shell, which updates them as the
// window changes.
struct EtatPointeur {
  bool pages = false;       // the help pages are shown
  bool surgroupe = false;   // over a group centre and not over a cell
  bool effacement = false;  // the erase animation is running
  std::int16_t chiffre = 0;  // selected number, 0 the eraser
};

// The rule: busy 7, pages 8, group 9, erase animation 10, else the selected
// number (a number outside 0..6 gives the arrow, 8).
std::int16_t codepointeur(const EtatPointeur& e, std::int16_t occupation);

class Pointeurs {
public:
  EtatPointeur etat;

  // Start-up: pointers are shown through m from now on; the next choice
  // always reaches it. libere stops that (window destruction).
  void cree(Montreur& m);
  void libere();

  // Applies the rule. Unless forced, nothing happens when the code equals
  // the one last applied. Before cree the code is remembered but shown
  // nowhere.
  void choisit(bool force = false);

  // Busy counter: the first raise shows the wait pointer, the lowering that
  // brings it back to 0 shows the pointer of the current state. Lowering at
  // 0 stays at 0 and chooses again.
  void occupe();
  void desoccupe();

  std::int16_t occupation() const { return occupation_; }
  std::int16_t code() const { return code_; }  // last applied, -1 before any

private:
  Montreur* montreur_ = nullptr;
  std::int16_t code_ = -1;
  std::int16_t occupation_ = 0;
};

// The program's pointer state, for the window and the drawing passes.
Pointeurs& pointeurs();
inline void choisitpointeur(bool force = false) { pointeurs().choisit(force); }
inline void occupe() { pointeurs().occupe(); }
inline void desoccupe() { pointeurs().desoccupe(); }

}  // namespace tavlo
