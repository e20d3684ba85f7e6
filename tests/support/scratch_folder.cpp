// A scratch folder under the test's temporary directory.
#include "scratch_folder.h"

#include <stdlib.h>

#include <fstream>
#include <iterator>

namespace tolmark::testing_support {

void ScratchFolder::SetUp() {
  std::string pattern = (std::filesystem::path(::testing::TempDir()) / "tolmark-XXXXXX").string();
  ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
  folder_ = pattern;
}

void ScratchFolder::TearDown() {
  if (!previous_.empty()) std::filesystem::current_path(previous_);
  std::filesystem::remove_all(folder_);
}

void ScratchFolder::WorkInIt() {
  previous_ = std::filesystem::current_path();
  std::filesystem::current_path(folder_);
}

std::string Contents(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

}  // namespace tolmark::testing_support
