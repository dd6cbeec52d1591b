// Internal to src/text: byte-level search shared by the text utilities, Chaine
// and ListeChaines. It works on pointers and size_t so that a text of any
// length can be searched, whereas the public functions speak 16-bit positions.
#pragma once

#include <cstddef>

namespace tavlo::interne {

inline unsigned char plie(char c) {
  unsigned char b = static_cast<unsigned char>(c);
  return (b >= 'a' && b <= 'z') ? static_cast<unsigned char>(b - 'a' + 'A') : b;
}

// First occurrence of motif in texte, or null. An empty motif is never found.
const char* trouve(const char* texte, const char* motif);
// The same ignoring case (a-z folded only).
const char* trouvemaj(const char* texte, const char* motif);

// Order of sorted lists: folded bytes as unsigned, a proper prefix first.
// Negative when a comes first, 0 when equal, positive when a comes after.
int ordre(const char* a, const char* b);

}  // namespace tavlo::interne
