// Whether the programs a desktop suite runs are installed; a suite without them is skipped.
#pragma once

#include <string>
#include <vector>

namespace tolmark::testing {

// Whether the program is on the PATH.
bool HaveTool(const std::string& name);

// Why the suite cannot run: the first program that is not installed, and where it comes from.
// Empty when every one is there.
std::string MissingTool(const std::vector<std::string>& tools);

}  // namespace tolmark::testing
