#include "game_folders.h"

#include <unistd.h>

namespace tolmark::testing {

namespace fs = std::filesystem;

GameFolders::GameFolders(const std::string& suite)
    : root_(fs::temp_directory_path() / ("tolmark2-" + suite + "-" + std::to_string(getpid()))) {
  fs::remove_all(root_);
  for (const char* sub : {"home", "config", "data", "run", "play"}) Make(sub);
  fs::permissions(Runtime(), fs::perms::owner_all, fs::perm_options::replace);
}

GameFolders::~GameFolders() {
  std::error_code ignored;
  fs::remove_all(root_, ignored);
}

fs::path GameFolders::Make(const std::string& name) const {
  fs::create_directories(root_ / name);
  return root_ / name;
}

}  // namespace tolmark::testing
