// The whole screen as pixels, taken the way a user would: `import -window root` on an X
// server, the compositor's own screenshooter under Wayland.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "child_process.h"

namespace tolmark::testing {

struct Screenshot {
  int width = 0;
  int height = 0;
  std::vector<std::uint32_t> pixels;  // 0xRRGGBB, row-major

  std::uint32_t At(int x, int y) const {
    return pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
                  static_cast<std::size_t>(x)];
  }
  // How many pixels of the rectangle [x0, x1) x [y0, y1) differ from the colour.
  int CountOther(int x0, int y0, int x1, int y1, std::uint32_t colour) const;
};

// Takes a screenshot of the display and keeps a copy at savePath (any format import writes;
// a .ppm copy is the quickest).
// An empty picture when it failed.
Screenshot TakeScreenshot(const std::string& display, const std::string& savePath);

// What a Weston compositor shows, through weston-screenshooter (the compositor runs with
// --debug), with env reaching the compositor; scratch is an empty folder for the shot's file,
// and a copy is kept at savePath (.png). An empty picture when it failed.
Screenshot TakeWestonScreenshot(const ChildProcess::Options& env, const std::filesystem::path& scratch,
                                const std::string& savePath);

// What the X windows of a rootless XWayland show, put together by x-window-shot in their
// stacking order, with env reaching the X server; a copy is kept at savePath (any format
// convert writes). An empty picture when it failed.
Screenshot TakeXWindowsShot(const ChildProcess::Options& env, const std::string& savePath);

// Reads a binary PPM (P6, maxval 255).
Screenshot ReadPpm(const std::string& bytes);

}  // namespace tolmark::testing
