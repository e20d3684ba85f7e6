// Reading and writing Tolmark.dat.
#include "save/save_file.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <optional>
#include <string>
#include <system_error>

#include "save/atomic_file.h"

namespace tolmark {
namespace {

// A real save is a few hundred bytes; reading stops well past that, so a huge file planted
// in its place cannot exhaust memory. Anything longer is no save of this game.
inline constexpr std::size_t kLongestPlausibleSave = 64 * 1024;

// The file's content up to one byte past the plausible size, or nothing when it cannot be
// read (missing, a folder, no right to read).
std::optional<std::string> ReadWholeFile(const std::filesystem::path& path) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return std::nullopt;
  std::string text;
  char buffer[4096];
  while (text.size() <= kLongestPlausibleSave) {
    const ssize_t got = ::read(fd, buffer, sizeof buffer);
    if (got == 0) break;
    if (got < 0) {
      if (errno == EINTR) continue;
      ::close(fd);
      return std::nullopt;
    }
    text.append(buffer, static_cast<std::size_t>(got));
  }
  ::close(fd);
  return text;
}

}  // namespace

bool SaveFileExists() {
  std::error_code ignored;
  return std::filesystem::exists(std::filesystem::path(kSaveFileName), ignored);
}

FileWriteResult WriteSaveFile(GameState& s, const std::filesystem::path& path) {
  if (s.Gold < 0) s.Gold = 0;
  return ReplaceFileAtomically(path, EncodeSaveFile(s));
}

LoadResult ReadSaveFile(GameState& s, const std::filesystem::path& path) {
  s.LoadSucceeded = kFalse;
  const std::optional<std::string> text = ReadWholeFile(path);
  if (!text) return LoadResult::kUnreadable;
  if (text->size() > kLongestPlausibleSave) return LoadResult::kRejected;

  const LoadResult result = DecodeSaveFile(*text, s);
  s.LoadSucceeded = AsFlag(result == LoadResult::kAccepted);
  return result;
}

}  // namespace tolmark
