// A fresh folder for each test that writes the game's files; it goes afterwards.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace tolmark::testing_support {

class ScratchFolder : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Makes the folder the current one, as the game's own folder is; the old one comes back after.
  void WorkInIt();

  std::filesystem::path folder_;

 private:
  std::filesystem::path previous_;
};

// The whole contents of a file; empty when it cannot be read.
std::string Contents(const std::filesystem::path& path);

}  // namespace tolmark::testing_support
