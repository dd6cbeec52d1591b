#!/usr/bin/env bash
# Makes the ten built-in grids again, data/grids/<identifier>.txt, from the
# options recorded in their "#" notes. The same options give the same files.
# Usage: tools/generateur/regenerate.sh [GENERATOR]
#   GENERATOR defaults to build/tools/generateur/tavlo-generateur; a Release
#   build makes all ten in about a second.
set -euo pipefail
cd "$(dirname "$0")/../.."
gen=${1:-build/tools/generateur/tavlo-generateur}
mkdir -p data/grids

grille() {
  local id=$1
  shift
  echo "== $id" >&2
  "$gen" "$@" -o "data/grids/$id.txt"
}

# The catalogue, Gr1 to Gr5, from a small compact patch to a band too wide
# for the screen at the largest cell size.
grille 1251-1  --graine 1 --forme bloc --groupes 12 --serre 3 --saut 0 --lignes 5 --essais 100
grille 1443-22 --graine 1 --forme anneau --rayon 3 --epaisseur 1 --groupes 9 --cases 96 --lignes 10 --essais 100
grille 2037-1  --graine 1 --forme anneau --rayon 3 --epaisseur 2 --groupes 4 --lignes 15 --essais 100
grille 1920-5  --graine 1 --forme bloc --groupes 56 --serre 1 --saut 12 --lignes 15 --essais 100
grille 1932-34 --graine 1 --forme bloc --groupes 56 --serre 0 --saut 5 --hauteur 2 --largeur70 1300 --boite40 1000 --lignes 15 --essais 100

# The other built-in grids.
grille 1709-17 --graine 1 --forme dentelle --rayon 2 --trous 15 --lignes 11 --essais 100
grille 1251-2  --graine 1 --forme anneau --rayon 2 --epaisseur 1 --groupes 2 --lignes 6 --essais 100
grille 1251-3  --graine 1 --forme serpent --groupes 14 --sinueux 40 --saut 0 --lignes 6 --essais 100
grille 1222-65 --graine 1 --forme dentelle --rayon 1 --trous 0 --lignes 5 --essais 100
grille 1239-1  --graine 1 --forme serpent --groupes 34 --sinueux 45 --saut 30 --lignes 13 --essais 100
