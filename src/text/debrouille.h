// debrouille: turns a text stored scrambled in the program into plain text.
// Fixed texts (messages, help pages, built-in grids) are kept scrambled and
// unscrambled on use; tools/brouille produces them.
//
//   Chaine message;
//   message.affecte(debrouille(stocke));  // copy at once: the next call reuses the buffer
//
// The result lives in one program-wide buffer that every call overwrites. Any
// length is accepted: a text that does not fit the usual 152 bytes grows the
// buffer. Bytes outside the alphabet keep their value, only their place moves.
// Not reentrant.
#pragma once

namespace tavlo {

const char* debrouille(const char* brouille);

}  // namespace tavlo
