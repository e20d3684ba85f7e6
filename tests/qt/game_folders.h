// The folders a desktop suite gives the game and the desktop's programs: a temporary home of
// their own, so no test reads or leaves anything in the user's.
#pragma once

#include <filesystem>
#include <string>

namespace tolmark::testing {

class GameFolders {
 public:
  // A fresh folder under the system's temporary folder, named after the suite and this process,
  // holding home, config (XDG_CONFIG_HOME), data (XDG_DATA_HOME), run (XDG_RUNTIME_DIR, for
  // the owner only) and play (where the game is started).
  explicit GameFolders(const std::string& suite);
  ~GameFolders();  // removes it all
  GameFolders(const GameFolders&) = delete;
  GameFolders& operator=(const GameFolders&) = delete;

  const std::filesystem::path& Root() const { return root_; }
  std::filesystem::path Home() const { return root_ / "home"; }
  std::filesystem::path Config() const { return root_ / "config"; }
  std::filesystem::path Data() const { return root_ / "data"; }
  std::filesystem::path Runtime() const { return root_ / "run"; }
  std::filesystem::path Play() const { return root_ / "play"; }
  // A further folder under the root, made when missing.
  std::filesystem::path Make(const std::string& name) const;

 private:
  std::filesystem::path root_;
};

}  // namespace tolmark::testing
