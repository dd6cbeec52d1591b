// Command-line parsing for tavlo-grid: a subcommand, positional arguments and
// "--name value" or "--flag" options. Anything malformed is reported as one
// line of text that the caller prints before exiting with status 2.
#pragma once

#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace tavlo::outil {

struct Ligne {
  std::vector<std::string> positionnels;
  std::map<std::string, std::string> valeurs;  // --name value
  std::set<std::string> drapeaux;              // --flag
  std::string erreur;                          // empty when the line was fine

  bool drapeau(const std::string& nom) const { return drapeaux.count(nom) != 0; }
  std::optional<std::string> valeur(const std::string& nom) const;
  // The integer value of --nom when it lies in [min, max]; sets erreur otherwise.
  std::optional<int> entierentre(const std::string& nom, int min, int max);
};

// Reads args against the options a subcommand accepts.
Ligne analyse(const std::vector<std::string>& args, const std::set<std::string>& avecvaleur,
              const std::set<std::string>& drapeaux);

}  // namespace tavlo::outil
