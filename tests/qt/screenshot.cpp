// Screenshots go through a PPM file: the simplest format to read, and import writes it.
#include "screenshot.h"

#include <fstream>
#include <sstream>

#include "child_process.h"

namespace tolmark::testing {

int Screenshot::CountOther(int x0, int y0, int x1, int y1, std::uint32_t colour) const {
  int count = 0;
  for (int y = std::max(0, y0); y < std::min(height, y1); ++y) {
    for (int x = std::max(0, x0); x < std::min(width, x1); ++x) {
      if (At(x, y) != colour) ++count;
    }
  }
  return count;
}

Screenshot ReadPpm(const std::string& bytes) {
  Screenshot shot;
  std::istringstream in(bytes);
  std::string magic;
  int width = 0, height = 0, maxval = 0;
  in >> magic >> width >> height >> maxval;
  if (magic != "P6" || width <= 0 || height <= 0 || maxval != 255) return shot;
  in.get();  // the single whitespace before the pixels
  const std::size_t count = static_cast<std::size_t>(width) * static_cast<std::size_t>(height);
  std::string raw(count * 3, '\0');
  if (!in.read(raw.data(), static_cast<std::streamsize>(raw.size()))) return shot;
  shot.width = width;
  shot.height = height;
  shot.pixels.resize(count);
  for (std::size_t i = 0; i < count; ++i) {
    const auto r = static_cast<unsigned char>(raw[3 * i]);
    const auto g = static_cast<unsigned char>(raw[3 * i + 1]);
    const auto b = static_cast<unsigned char>(raw[3 * i + 2]);
    shot.pixels[i] = (std::uint32_t{r} << 16) | (std::uint32_t{g} << 8) | b;
  }
  return shot;
}

namespace {

Screenshot ReadPpmFile(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  std::stringstream bytes;
  bytes << file.rdbuf();
  return ReadPpm(bytes.str());
}

// Where a shot is first written as PPM: the copy to keep itself when it is wanted as PPM, with no
// conversion to wait for.
std::string PpmFor(const std::string& savePath) {
  const bool ppmWanted =
      savePath.size() >= 4 && savePath.compare(savePath.size() - 4, 4, ".ppm") == 0;
  return ppmWanted ? savePath : savePath + ".ppm";
}

// The shot written at `ppm`, with its copy kept at savePath in the format the name asks for.
Screenshot Kept(const std::string& ppm, const std::string& savePath) {
  if (ppm != savePath) Run({"convert", "ppm:" + ppm, savePath});
  return ReadPpmFile(ppm);
}

}  // namespace

Screenshot TakeScreenshot(const std::string& display, const std::string& savePath) {
  const std::string ppm = PpmFor(savePath);
  ChildProcess::Options options;
  options.env["DISPLAY"] = display;
  if (Run({"import", "-silent", "-window", "root", "-depth", "8", "ppm:" + ppm}, options).status != 0) return {};
  return Kept(ppm, savePath);
}

Screenshot TakeWestonScreenshot(const ChildProcess::Options& env, const std::filesystem::path& scratch,
                                const std::string& savePath) {
  namespace fs = std::filesystem;
  fs::create_directories(scratch);
  for (const auto& old : fs::directory_iterator(scratch)) fs::remove(old.path());
  ChildProcess::Options options = env;
  options.folder = scratch.string();
  if (Run({"weston-screenshooter"}, options).status != 0) return {};
  for (const auto& taken : fs::directory_iterator(scratch)) {
    const fs::path ppm = scratch / "shot.ppm";
    fs::copy_file(taken.path(), savePath, fs::copy_options::overwrite_existing);
    Run({"convert", savePath, "-depth", "8", "ppm:" + ppm.string()});
    return ReadPpmFile(ppm.string());
  }
  return {};
}

Screenshot TakeXWindowsShot(const ChildProcess::Options& env, const std::string& savePath) {
  const std::string ppm = PpmFor(savePath);
  if (Run({"sh", "-c", std::string(X_WINDOW_SHOT_PATH) + " > '" + ppm + "'"}, env).status != 0) {
    return {};
  }
  return Kept(ppm, savePath);
}

}  // namespace tolmark::testing
