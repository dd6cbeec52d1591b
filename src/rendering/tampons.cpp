// The off-screen buffers: making, copying and the cascade of releases.
#include "rendering/tampons.h"

#include "drawing/porteur.h"
#include "rendering/affichage.h"

namespace tavlo {

namespace {

void detruit(Objet& o) {
  if (o == nullptr) return;
  detruitobjet(o);
  o = nullptr;
}

}  // namespace

void Tampons::faitvierge(const Contexte& fenetre, Dimension client) {
  client_ = client;
  liberevierge();
  vierge_ = creebitmap(fenetre, client.cx, client.cy);
  ContexteSuivi memoire = suivi(creecontextememoire(fenetre));
  memoire->selectionne(vierge_);
  Porteur& brosse = porteurbrosse();
  brosse.adopte(creebrosse(coulecran));
  brosse.selectionne(memoire.get());
  // The context's own one-pixel black pen draws the border.
  memoire->rectangle(0, 0, client.cx, client.cy);
}

bool Tampons::verifietaille(const Contexte& fenetre, Dimension client) {
  const bool change = !(client == client_);
  if (change) {
    client_ = client;
    liberevierge();
  }
  if (vierge_ == nullptr) faitvierge(fenetre, client);
  return change;
}

Objet Tampons::copie(const Contexte& fenetre, Dimension client, Objet source) {
  Objet bitmap = creebitmap(fenetre, client.cx, client.cy);
  ContexteSuivi de = suivi(creecontextememoire(fenetre));
  ContexteSuivi vers = suivi(creecontextememoire(fenetre));
  de->selectionne(source);
  vers->selectionne(bitmap);
  vers->copiebloc(0, 0, client.cx, client.cy, *de, 0, 0);
  return bitmap;
}

void Tampons::faitfond(const Contexte& fenetre, Dimension client) {
  if (vierge_ == nullptr) faitvierge(fenetre, client);
  liberefond();
  fond_ = copie(fenetre, client, vierge_);
}

void Tampons::faitimage(const Contexte& fenetre, Dimension client) {
  libereimage();
  if (vierge_ == nullptr) faitvierge(fenetre, client);
  if (fond_ == nullptr) faitfond(fenetre, client);
  image_ = copie(fenetre, client, fond_);
}

void Tampons::liberevierge() {
  liberefond();
  detruit(vierge_);
}

void Tampons::liberefond() {
  libereimage();
  detruit(fond_);
}

void Tampons::libereimage() { detruit(image_); }

}  // namespace tavlo
