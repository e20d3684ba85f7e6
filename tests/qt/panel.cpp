#include "panel.h"

#include <fstream>

namespace tolmark::testing {

std::unique_ptr<ChildProcess> StartPanel(const std::string& position,
                                         const std::filesystem::path& configFile,
                                         const ChildProcess::Options& env) {
  std::ofstream(configFile) << "panel_items = TS\n"
                            << "panel_size = 100% " << kPanelHeight << "\n"
                            << "panel_position = " << position << " center horizontal\n"
                            << "panel_background_id = 0\n"
                            << "strut_policy = follow_size\n"
                            << "systray_icon_size = 22\n";
  return std::make_unique<ChildProcess>(QuietCommand({"tint2", "-c", configFile.string()}), env);
}

}  // namespace tolmark::testing
