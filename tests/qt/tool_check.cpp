#include "tool_check.h"

#include "child_process.h"

namespace tolmark::testing {

bool HaveTool(const std::string& name) {
  return Run({"sh", "-c", "command -v " + name + " >/dev/null"}).status == 0;
}

std::string MissingTool(const std::vector<std::string>& tools) {
  for (const std::string& tool : tools) {
    if (!HaveTool(tool)) return tool + " is not installed (scripts/install-deps)";
  }
  return {};
}

}  // namespace tolmark::testing
