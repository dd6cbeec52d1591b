// brouille: the scrambling that debrouille undoes, for the build tool that
// stores the program's fixed texts scrambled. Not linked into the game.
//
//   Chaine stocke;
//   brouille("Bravo !", stocke);     // debrouille(stocke.texte()) gives "Bravo !"
#pragma once

#include "text/chaine.h"

namespace tavlo {

// cible becomes the scrambled form of clair (which may be cible's own text).
void brouille(const char* clair, Chaine& cible);

}  // namespace tavlo
