// Internal to src/text, shared only with the scrambling tool (tools/brouille):
// the alphabet of stored texts and its image. debrouille maps the image onto
// the alphabet; the tool maps the alphabet onto the image. Keeping both here
// means the two directions cannot drift apart.
#pragma once

namespace tavlo::interne {

// 90 distinct bytes: letters, digits, accented Windows-1252 letters, punctuation.
const char* alphabet();
// The same bytes rearranged: the alphabet written twice, reversed, its first
// bytes dropped and the rest cut to 90 (a reversal and a rotation).
const char* imagealphabet();

}  // namespace tavlo::interne
