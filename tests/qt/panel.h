// A panel with a tray, as desktops have: tint2 along the top or the bottom of the screen.
#pragma once

#include <filesystem>
#include <memory>
#include <string>

#include "child_process.h"

namespace tolmark::testing {

constexpr int kPanelHeight = 30;

// A panel of kPanelHeight pixels across the whole screen at "top" or "bottom", reserving its
// rows; its settings are written to configFile.
std::unique_ptr<ChildProcess> StartPanel(const std::string& position,
                                         const std::filesystem::path& configFile,
                                         const ChildProcess::Options& env);

}  // namespace tolmark::testing
