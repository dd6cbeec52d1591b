// ContexteTrace: the recording context (see trace.h for the line formats).
#include "platform/trace.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <utility>

#include "platform/internal/objet.h"
#include "platform/internal/selection.h"

namespace tavlo {

struct ContexteTrace::Journal {
  std::vector<std::string> lignes;
  int memoires = 0;
};

namespace {

std::string couleur(Couleur c) {
  char b[16];
  std::snprintf(b, sizeof b, "#%06X", static_cast<unsigned>(c & 0xFFFFFF));
  return b;
}

std::string objet(Objet o) {
  if (!internal::connu(o, false)) return "nul";
  if (o == objetstock(Stock::stylonoir)) return "stylonoir";
  if (o == objetstock(Stock::brosseblanche)) return "brosseblanche";
  if (o == objetstock(Stock::brossevide)) return "brossevide";
  if (o == objetstock(Stock::fontegui)) return "fontegui";
  switch (o->genre) {
    case Genre::stylo: return "stylo " + std::to_string(o->largeur) + " " + couleur(o->couleur);
    case Genre::brosse: return "brosse " + couleur(o->couleur);
    case Genre::fonte: {
      const auto& f = o->fonte;
      return "fonte " + std::to_string(f.hauteur) + "x" + std::to_string(f.largeur) + " esc " +
             std::to_string(f.escapement) + " poids " + std::to_string(f.poids) +
             (f.italique ? " italique " : " ") + f.face;
    }
    case Genre::bitmap: return "bitmap " + std::to_string(o->l) + "x" + std::to_string(o->h);
  }
  return "nul";
}

std::string cite(const char* texte, int n) {
  std::string r = "\"";
  for (int i = 0; texte && i < n; ++i) {
    const auto b = static_cast<unsigned char>(texte[i]);
    if (b < 32 || b > 126 || b == '"' || b == '\\') {
      char e[8];
      std::snprintf(e, sizeof e, "\\x%02X", b);
      r += e;
    } else {
      r += static_cast<char>(b);
    }
  }
  return r + "\"";
}

std::string nombres(std::initializer_list<std::int32_t> v) {
  std::string r;
  for (auto x : v) r += " " + std::to_string(x);
  return r;
}

std::string source(const Contexte& c) {
  if (auto* t = dynamic_cast<const ContexteTrace*>(&c)) return t->nom();
  return objet(bitmapde(c));
}

// Widths of the trace's stand-in font: Arial's proportions.
constexpr double celluleparem = 2288.0 / 2048.0;
constexpr double moyenneparcellule = 904.0 / 2288.0;

}  // namespace

ContexteTrace::ContexteTrace(std::int32_t largeur, std::int32_t hauteur)
    : ContexteTrace(std::make_shared<Journal>(), "trace", largeur, hauteur) {}

ContexteTrace::ContexteTrace(std::shared_ptr<Journal> journal, std::string nom, std::int32_t largeur,
                             std::int32_t hauteur)
    : journal_(std::move(journal)), nom_(std::move(nom)), largeur_(largeur), hauteur_(hauteur) {
  // The root trace is a screen with its own (never drawn) surface.
  Objet ecran = nullptr;
  if (nom_ == "trace") ecran = internal::nouveaubitmap(std::max(largeur, 0), std::max(hauteur, 0));
  sel_ = std::make_unique<internal::Selection>(ecran);
  detruitobjet(ecran);
}

ContexteTrace::~ContexteTrace() = default;

const std::vector<std::string>& ContexteTrace::lignes() const { return journal_->lignes; }

std::string ContexteTrace::texte() const {
  std::string r;
  for (const auto& l : journal_->lignes) r += l + "\n";
  return r;
}

void ContexteTrace::efface() { journal_->lignes.clear(); }

void ContexteTrace::note(std::string ligne) const {
  journal_->lignes.push_back(nom_ == "trace" ? std::move(ligne) : nom_ + ": " + ligne);
}

Objet ContexteTrace::bitmap() const { return sel_->bitmap(); }

std::unique_ptr<Contexte> ContexteTrace::creememoire() const {
  const std::string nom = "memoire" + std::to_string(++journal_->memoires);
  note("creememoire " + nom);
  return std::unique_ptr<Contexte>(new ContexteTrace(journal_, nom, largeur_, hauteur_));
}

Objet ContexteTrace::selectionne(Objet o) {
  note("selectionne " + objet(internal::connu(o)));
  return sel_->selectionne(o);
}

void ContexteTrace::deplace(std::int32_t x, std::int32_t y) { note("deplace" + nombres({x, y})); }
void ContexteTrace::ligne(std::int32_t x, std::int32_t y) { note("ligne" + nombres({x, y})); }

void ContexteTrace::polygone(const Point* points, int n) {
  std::string l = "polygone " + std::to_string(n);
  for (int i = 0; points && i < n; ++i)
    l += " (" + std::to_string(points[i].x) + "," + std::to_string(points[i].y) + ")";
  note(std::move(l));
}

void ContexteTrace::ellipse(std::int32_t gauche, std::int32_t haut, std::int32_t droite, std::int32_t bas) {
  note("ellipse" + nombres({gauche, haut, droite, bas}));
}

void ContexteTrace::rectangle(std::int32_t gauche, std::int32_t haut, std::int32_t droite,
                              std::int32_t bas) {
  note("rectangle" + nombres({gauche, haut, droite, bas}));
}

void ContexteTrace::remplit(const Rect& r, Objet brosse) {
  note("remplit" + nombres({r.gauche, r.haut, r.droite, r.bas}) + " " + objet(internal::connu(brosse)));
}

std::uint16_t ContexteTrace::alignement(std::uint16_t drapeaux) {
  note("alignement " + std::to_string(drapeaux));
  return std::exchange(alignement_, drapeaux);
}

ModeFond ContexteTrace::modefond(ModeFond m) {
  note(std::string("modefond ") + (m == ModeFond::opaque ? "opaque" : m == ModeFond::transparent ? "transparent" : "?"));
  if (m != ModeFond::transparent && m != ModeFond::opaque) return ModeFond{};
  return std::exchange(modefond_, m);
}

Couleur ContexteTrace::couleurfond(Couleur c) {
  note("couleurfond " + couleur(c));
  return std::exchange(fond_, c & 0xFFFFFF);
}

Couleur ContexteTrace::couleurtexte(Couleur c) {
  note("couleurtexte " + couleur(c));
  return std::exchange(texte_, c & 0xFFFFFF);
}

void ContexteTrace::ecrittexte(std::int32_t x, std::int32_t y, const char* texte, int n) {
  note("ecrittexte" + nombres({x, y}) + " " + cite(texte, n));
}

Dimension ContexteTrace::etendue(const char* texte, int n) {
  note("etendue " + cite(texte, n));
  const auto& f = sel_->fonte()->fonte;
  const double cellule = f.hauteur > 0 ? f.hauteur : f.hauteur < 0 ? -f.hauteur * celluleparem : 16;
  const double moyenne = f.largeur > 0 ? f.largeur : cellule * moyenneparcellule;
  const int longueur = texte && n > 0 ? n : 0;
  return {static_cast<std::int32_t>(std::lround(moyenne * longueur)),
          static_cast<std::int32_t>(std::lround(cellule))};
}

int ContexteTrace::capacite(Capacite c) const {
  switch (c) {
    case Capacite::dpix: note("capacite dpix"); return 96;
    case Capacite::dpiy: note("capacite dpiy"); return 96;
    case Capacite::largeur: note("capacite largeur"); return largeur_;
    case Capacite::hauteur: note("capacite hauteur"); return hauteur_;
  }
  return 0;
}

bool ContexteTrace::copiebloc(std::int32_t x, std::int32_t y, std::int32_t l, std::int32_t h,
                              Contexte& de, std::int32_t sx, std::int32_t sy) {
  note("copiebloc" + nombres({x, y, l, h}) + " " + source(de) + nombres({sx, sy}));
  return bitmap() && bitmapde(de);
}

bool ContexteTrace::etire(std::int32_t x, std::int32_t y, std::int32_t l, std::int32_t h, Contexte& de,
                          std::int32_t sx, std::int32_t sy, std::int32_t sl, std::int32_t sh) {
  note("etire" + nombres({x, y, l, h}) + " " + source(de) + nombres({sx, sy, sl, sh}));
  return bitmap() && bitmapde(de) && sl != 0 && sh != 0;
}

}  // namespace tavlo
