// tavlo-grid render: a grid drawn as the game window draws it, into a PNG.
#pragma once

#include <string>
#include <vector>

namespace tavlo::outil {

// The arguments after "render"; the exit status (2 on bad input, after one
// line on standard error).
int render(const std::vector<std::string>& args);

}  // namespace tavlo::outil
