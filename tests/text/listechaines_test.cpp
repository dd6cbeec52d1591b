// Tests of ListeChaines: positions, sorted insertion and sorting, moves
// between lists, key=value items.
#include "text/listechaines.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

#include "text/texte.h"

namespace tavlo {
namespace {

using Items = std::vector<std::string>;

// Through the public API only, as the file layer reads and writes lists.
Items contenu(const ListeChaines& l) {
  Items v;
  for (std::int16_t i = 1; i <= l.nombre(); ++i) v.emplace_back(l.element(i));
  return v;
}

void remplit(ListeChaines& l, std::initializer_list<const char*> items) {
  for (const char* s : items) l.ajoutefin(s);
}

TEST(ListeChaines, PositionsOutsideTheListAddressNothing) {
  ListeChaines l;
  EXPECT_TRUE(l.estvide());
  EXPECT_EQ(l.nombre(), 0);
  EXPECT_EQ(l.element(1), nullptr);

  remplit(l, {"a", "b", "c"});
  EXPECT_TRUE(l.nonvide());
  EXPECT_EQ(l.nombre(), 3);
  for (std::int16_t n : {0, -1, 4, 32767, -32768}) {
    SCOPED_TRACE(n);
    EXPECT_EQ(l.element(n), nullptr);
    l.supprime(n);
    l.change(n, "x");
    ListeChaines autre;
    l.deplace(n, autre);
    EXPECT_TRUE(autre.estvide());
    EXPECT_EQ(contenu(l), (Items{"a", "b", "c"}));
  }
  l.supprime(2);
  EXPECT_EQ(contenu(l), (Items{"a", "c"}));
  l.efface();
  EXPECT_TRUE(l.estvide());
}

TEST(ListeChaines, ElementStaysValidUntilItsItemChanges) {
  ListeChaines l;
  remplit(l, {"m", "z"});
  const char* m = l.element(1);
  l.insere("a");
  l.ajoutefin("b");
  l.supprime(3);  // "z"
  l.trie();
  l.ajouteliste(l);
  EXPECT_EQ(l.element(3), m);
  EXPECT_STREQ(m, "m");
  l.change(3, l.element(3));  // a copy of itself: read before the old text goes
  EXPECT_STREQ(l.element(3), "m");
}

TEST(ListeChaines, WalkingGivesTheItemsOfEveryPosition) {
  ListeChaines l;
  EXPECT_TRUE(l.begin() == l.end());
  remplit(l, {"c", "a", "b"});
  l.trie();
  std::int16_t i = 0;
  for (const char* item : l) EXPECT_EQ(item, l.element(++i));  // the same texts, not copies
  EXPECT_EQ(i, l.nombre());
}

TEST(ListeChaines, AppendingAndSearching) {
  ListeChaines l;
  EXPECT_EQ(l.cherche("abc"), 0);
  remplit(l, {"x", "ABC"});
  EXPECT_EQ(l.cherche("abc"), 2);
  EXPECT_EQ(l.cherche("ab"), 0);
  l.ajoutesiabsent("Abc");
  l.ajoutesiabsent("y");
  l.ajoutefin2("ke", "y=1");
  l.ajoutefin(nullptr);
  EXPECT_EQ(contenu(l), (Items{"x", "ABC", "y", "key=1", ""}));
  EXPECT_EQ(l.chercheprefixe("AB"), 2);
  EXPECT_EQ(l.chercheprefixe("b"), 0);
}

TEST(ListeChaines, InsereFindsTheSortedPlace) {
  struct Cas {
    Items avant;
    const char* nouveau;
    Items apres;
  } const cas[] = {
      {{"a", "c"}, "b", {"a", "b", "c"}},
      {{"a", "b"}, "B", {"a", "B", "b"}},  // in front of its equal
      {{}, "x", {"x"}},
      {{"a", "b"}, "c", {"a", "b", "c"}},
      {{"b"}, "9", {"9", "b"}},                   // digits before letters
      {{"z", "\xE9t\xE9"}, "Y", {"Y", "z", "\xE9t\xE9"}},  // accented letters after plain ones
      {{"ab", "abd"}, "abc", {"ab", "abc", "abd"}},        // a prefix comes first
      {{"B"}, "a_", {"a_", "B"}},                  // folded: A before B
  };
  for (const Cas& k : cas) {
    SCOPED_TRACE(k.nouveau);
    ListeChaines l;
    for (const std::string& s : k.avant) l.ajoutefin(s.c_str());
    l.insere(k.nouveau);
    EXPECT_EQ(contenu(l), k.apres);
  }
}

TEST(ListeChaines, InseresiabsentRefusesEqualItems) {
  ListeChaines l;
  EXPECT_TRUE(l.inseresiabsent("b"));
  EXPECT_TRUE(l.inseresiabsent("a"));
  EXPECT_FALSE(l.inseresiabsent("A"));
  EXPECT_EQ(contenu(l), (Items{"a", "b"}));
}

TEST(ListeChaines, SortingReversesEqualItemsAndDedoubleKeepsTheFirst) {
  struct Cas {
    const char* operation;
    Items avant;
    Items apres;
  } const cas[] = {
      {"trie", {"b", "A", "a"}, {"a", "A", "b"}},
      {"trie", {"c", "b", "a", "B"}, {"a", "B", "b", "c"}},
      {"trie", {"x"}, {"x"}},
      {"trie", {}, {}},
      {"triunique", {"b", "a", "B", "a"}, {"a", "B"}},
      {"dedouble", {"a", "A", "b", "B", "a"}, {"a", "b", "a"}},  // only neighbours count
      {"dedouble", {"x", "x", "x"}, {"x"}},
  };
  for (const Cas& k : cas) {
    SCOPED_TRACE(k.operation);
    ListeChaines l;
    for (const std::string& s : k.avant) l.ajoutefin(s.c_str());
    const std::string op = k.operation;
    if (op == "trie") l.trie();
    if (op == "triunique") l.triunique();
    if (op == "dedouble") l.dedouble();
    EXPECT_EQ(contenu(l), k.apres);
  }
}

TEST(ListeChaines, RetireHandsOverTheFirstText) {
  ListeChaines l;
  char* vide = l.retire();
  EXPECT_STREQ(vide, "");
  liberetexte(vide);
  EXPECT_TRUE(l.estvide());

  remplit(l, {"a", "b"});
  char* premier = l.retire();
  EXPECT_STREQ(premier, "a");
  liberetexte(premier);
  Chaine c("old");
  l.retire(c);
  EXPECT_STREQ(c.texte(), "b");
  l.retire(c);
  EXPECT_STREQ(c.texte(), "");
  EXPECT_TRUE(l.estvide());
}

TEST(ListeChaines, JointEmptiesTheList) {
  ListeChaines l;
  remplit(l, {"1", "2"});
  Chaine c;
  l.joint(c);
  EXPECT_STREQ(c.texte(), "1,2,");
  EXPECT_TRUE(l.estvide());
  c.affecte("old");
  l.joint(c);
  EXPECT_STREQ(c.texte(), "");
}

TEST(ListeChaines, MovingBetweenLists) {
  ListeChaines a;
  ListeChaines b;
  remplit(a, {"1", "2"});
  remplit(b, {"x"});

  a.ajouteliste(b);
  EXPECT_EQ(contenu(a), (Items{"1", "2", "x"}));
  EXPECT_EQ(contenu(b), (Items{"x"}));

  a.deplace(1, b);
  EXPECT_EQ(contenu(a), (Items{"2", "x"}));
  EXPECT_EQ(contenu(b), (Items{"x", "1"}));

  a.echange(b);
  EXPECT_EQ(contenu(a), (Items{"x", "1"}));
  EXPECT_EQ(contenu(b), (Items{"2", "x"}));

  a.transfere(b);
  EXPECT_TRUE(a.estvide());
  EXPECT_EQ(contenu(b), (Items{"2", "x", "x", "1"}));

  // A list given itself: copies are appended once, a move to itself keeps the items.
  b.ajouteliste(b);
  EXPECT_EQ(b.nombre(), 8);
  b.transfere(b);
  EXPECT_EQ(b.nombre(), 8);
  b.deplace(1, b);
  EXPECT_EQ(contenu(b), (Items{"x", "x", "1", "2", "x", "x", "1", "2"}));
}

TEST(ListeChaines, KeyValueItems) {
  ListeChaines l;
  remplit(l, {"a=1", "zz=9"});
  l.ecritcle("top", "10");
  EXPECT_EQ(contenu(l), (Items{"a=1", "top=10", "zz=9"}));  // sorted, not appended
  l.ecritcle("TOP", "20");
  EXPECT_EQ(contenu(l), (Items{"a=1", "TOP=20", "zz=9"}));  // replaced in place
  EXPECT_EQ(l.indexcle("top"), 2);

  ListeChaines cles;
  remplit(cles, {"gv1=5", "  VER= 1.2", "VR =3"});
  Chaine v("old");
  EXPECT_EQ(cles.litcle("gv", v), 0);  // the "=" is part of what is matched
  EXPECT_STREQ(v.texte(), "");
  EXPECT_EQ(cles.litcle("ver", v), 2);
  EXPECT_STREQ(v.texte(), "1.2");
  EXPECT_EQ(cles.litcle("vr", v), 0);  // a space before "=" belongs to the key
  EXPECT_EQ(cles.indexcle("gv1"), 1);
}

TEST(ListeChaines, Litentier) {
  struct Cas {
    const char* item;
    std::int32_t valeur;
  } const cas[] = {
      {"n=-12x", -12}, {"n=", 0}, {"n=7,8", 7}, {"n= 42 ", 42}, {"m=5", 0},
  };
  for (const Cas& k : cas) {
    SCOPED_TRACE(k.item);
    ListeChaines l;
    l.ajoutefin(k.item);
    EXPECT_EQ(l.litentier("n"), k.valeur);
    EXPECT_STREQ(l.element(1), k.item);  // reading consumes a copy, not the item
  }
}

TEST(ListeChaines, Separe) {
  ListeChaines l;
  remplit(l, {"a=b=c", "abc", " k = v "});
  Chaine cle("old");
  Chaine valeur("old");
  l.separe(1, cle, valeur);
  EXPECT_STREQ(cle.texte(), "a");
  EXPECT_STREQ(valeur.texte(), "b=c");
  l.separe(3, cle, valeur);
  EXPECT_STREQ(cle.texte(), " k ");
  EXPECT_STREQ(valeur.texte(), " v ");
  l.separe(2, cle, valeur);
  EXPECT_STREQ(cle.texte(), "");
  EXPECT_STREQ(valeur.texte(), "");
  cle.affecte("old");
  l.separe(9, cle, valeur);
  EXPECT_STREQ(cle.texte(), "");
}

}  // namespace
}  // namespace tavlo
