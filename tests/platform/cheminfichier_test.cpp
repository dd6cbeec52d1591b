// Splitting paths into drive, directory, name and extension, and rebuilding them.
#include "platform/cheminfichier.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace tavlo {
namespace {

struct CasDecoupe {
  const char* chemin;
  const char* unite;
  const char* repertoire;
  const char* fichier;
  const char* extension;
};

TEST(CheminFichier, DecoupeSepareLesQuatreParties) {
  const CasDecoupe cas[] = {
      {"c:\\Jeux\\Grilles\\x.TXT", "C:", "/Jeux/Grilles/", "x", ".TXT"},
      {"prog.exe", "", "", "prog", ".exe"},
      {"a.b.exe", "", "", "a", ".b.exe"},
      {"README", "", "", "README", ""},
      {"../d/f.txt", "", "../d/", "f", ".txt"},
      {"/usr/local/bin/tavlo", "", "/usr/local/bin/", "tavlo", ""},
      {"rep.d/x", "", "rep.d/", "x", ""},
      {"d:/rep/", "D:", "/rep/", "", ""},
      {".bashrc", "", "", "", ".bashrc"},
      {"\\\\serveur\\part\\f.txt", "", "//serveur/part/", "f", ".txt"},
      // The name is trimmed on both sides, the extension only after the dot.
      {"  mon nom  .  txt  ", "", "", "mon nom", ".txt  "},
      // Only the first colon ends the drive; folding leaves accents alone.
      {"c:d:f", "C:", "", "d:f", ""},
      {"\xE9z:x", "\xE9Z:", "", "x", ""},
      // The drive field holds 7 bytes: a longer drive part keeps what fits.
      {"abcdef:x", "ABCDEF:", "", "x", ""},
      {"abcdefghij:rep/x.y", "ABCDEFG", "rep/", "x", ".y"},
      {"", "", "", "", ""},
  };
  for (const auto& c : cas) {
    SCOPED_TRACE(c.chemin);
    CheminFichier chemin;
    chemin.decoupe(c.chemin);
    ASSERT_LT(std::strlen(chemin.unite), sizeof chemin.unite);
    EXPECT_STREQ(chemin.unite, c.unite);
    EXPECT_STREQ(chemin.repertoire.texte(), c.repertoire);
    EXPECT_STREQ(chemin.fichier.texte(), c.fichier);
    EXPECT_STREQ(chemin.extension.texte(), c.extension);
  }
}

TEST(CheminFichier, DecoupeOublieLeCheminPrecedent) {
  CheminFichier chemin;
  chemin.decoupe("c:/a/b.c");
  chemin.decoupe("x");
  EXPECT_STREQ(chemin.unite, "");
  EXPECT_STREQ(chemin.repertoire.texte(), "");
  EXPECT_STREQ(chemin.fichier.texte(), "x");
  EXPECT_STREQ(chemin.extension.texte(), "");
}

struct CasCompose {
  const char* chemin;
  const char* selection;
  const char* attendu;
};

TEST(CheminFichier, ComposeLesPartiesChoisies) {
  const char* jeux = "c:\\Jeux\\Grilles\\x.TXT";
  const CasCompose cas[] = {
      {jeux, "FX", "x.TXT"},
      {jeux, "URFX", "C:/Jeux/Grilles/x.TXT"},
      {jeux, "RF", "/Jeux/Grilles/x"},
      {jeux, "U", "C:"},
      {jeux, "", ""},
      // Letters in any case, spaces and unknown letters skipped.
      {jeux, "urfx", "C:/Jeux/Grilles/x.TXT"},
      {jeux, " u r f x ", "C:/Jeux/Grilles/x.TXT"},
      {jeux, "UQF?X", "C:x.TXT"},
      // Parts come in the order asked, separators only between named pairs.
      {jeux, "XF", ".TXTx"},
      {"prog.exe", "URFX", "prog.exe"},
      {"a.b.exe", "FX", "a.b.exe"},
      {"README", "FX", "README."},
      {".bashrc", "FX", ".bashrc"},
      {"c:x.txt", "URFX", "C:/x.txt"},
      // Doubled separators collapse, even where the path had them.
      {"../d/f.txt", "URFX", "./d/f.txt"},
      {"a..b", "FX", "a.b"},
      {"//serveur///part/f", "RF", "/serveur/part/f"},
  };
  for (const auto& c : cas) {
    SCOPED_TRACE(std::string(c.chemin) + " / " + c.selection);
    CheminFichier chemin;
    chemin.decoupe(c.chemin);
    Chaine cible("ancien");
    chemin.compose(c.selection, cible);
    EXPECT_STREQ(cible.texte(), c.attendu);
  }
}

TEST(CheminFichier, ComposeDansUnDeSesChamps) {
  CheminFichier chemin;
  chemin.decoupe("c:/a/nom.txt");
  chemin.compose("URFX", chemin.fichier);
  EXPECT_STREQ(chemin.fichier.texte(), "C:/a/nom.txt");
}

TEST(CheminFichier, ComposeReduitLesBarresInversesParPaires) {
  // decoupe never leaves a backslash; fields set by hand may hold some.
  CheminFichier chemin;
  chemin.fichier.affecte("a\\\\\\\\b\\c");
  Chaine cible;
  chemin.compose("F", cible);
  EXPECT_STREQ(cible.texte(), "a\\\\b\\c");
}

}  // namespace
}  // namespace tavlo
