// Crash-safe replace and append of the game's files, on top of the POSIX file calls.
#include "save/atomic_file.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <cstring>
#include <string>
#include <system_error>

namespace tolmark {
namespace {

FileWriteResult Failure(std::string_view what, const std::filesystem::path& path, int error) {
  return {false, std::string(what) + " " + path.string() + ": " + std::strerror(error)};
}

// Writes every byte, going on after short writes and interrupted calls; false with errno set.
bool WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t written = ::write(fd, bytes.data(), bytes.size());
    if (written < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    bytes.remove_prefix(static_cast<std::size_t>(written));
  }
  return true;
}

// The rename itself is only durable once the folder's entry is on the disk; best effort,
// since the new file is complete either way.
void SyncFolderOf(const std::filesystem::path& path) {
  std::filesystem::path folder = path.parent_path();
  if (folder.empty()) folder = ".";
  const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}

// A fresh temporary file in the folder of `path`, so that the final rename never crosses
// file systems. Returns -1 with errno set when none can be made.
int CreateTemporaryBeside(const std::filesystem::path& path, std::filesystem::path& temporary) {
  static unsigned serial = 0;
  for (int attempt = 0; attempt < 100; ++attempt) {
    temporary = path;
    temporary += ".tmp" + std::to_string(::getpid()) + "-" + std::to_string(serial++);
    const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0 || errno != EEXIST) return fd;
  }
  return -1;
}

// The process id in the name of one of our temporaries, "<name>.tmp<pid>-<serial>"; 0 for any
// other name.
pid_t TemporaryOwner(std::string_view entry, std::string_view name) {
  const std::string prefix = std::string(name) + ".tmp";
  if (!entry.starts_with(prefix)) return 0;
  entry.remove_prefix(prefix.size());
  const std::size_t dash = entry.find('-');
  if (dash == std::string_view::npos || dash == 0 || dash + 1 == entry.size()) return 0;
  const std::string_view serial = entry.substr(dash + 1);
  if (serial.find_first_not_of("0123456789") != std::string_view::npos) return 0;
  long long pid = 0;
  const auto [end, ec] = std::from_chars(entry.data(), entry.data() + dash, pid);
  if (ec != std::errc() || end != entry.data() + dash || pid <= 0) return 0;
  return pid > INT32_MAX ? INT32_MAX : static_cast<pid_t>(pid);
}

// A save killed between making its temporary file and the rename leaves that file behind; the
// next save clears away those of processes that are gone, never another live writer's.
void RemoveStaleTemporaries(const std::filesystem::path& path) {
  std::filesystem::path folder = path.parent_path();
  if (folder.empty()) folder = ".";
  const std::string name = path.filename().string();
  std::error_code error;
  for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
    const pid_t owner = TemporaryOwner(entry.path().filename().string(), name);
    if (owner == 0 || owner == ::getpid()) continue;
    if (::kill(owner, 0) == 0 || errno != ESRCH) continue;  // still running, or not ours to ask
    std::filesystem::remove(entry.path(), error);
  }
}

}  // namespace

FileWriteResult ReplaceFileAtomically(const std::filesystem::path& path, std::string_view bytes) {
  std::filesystem::path temporary;
  const int fd = CreateTemporaryBeside(path, temporary);
  if (fd < 0) return Failure("cannot create a file beside", path, errno);

  const auto give_up = [&](std::string_view what, int error) {
    ::unlink(temporary.c_str());
    return Failure(what, path, error);
  };
  if (!WriteAll(fd, bytes)) {
    const int error = errno;
    ::close(fd);
    return give_up("cannot write", error);
  }
  if (::fsync(fd) != 0) {
    const int error = errno;
    ::close(fd);
    return give_up("cannot flush", error);
  }
  if (::close(fd) != 0) return give_up("cannot close", errno);
  if (::rename(temporary.c_str(), path.c_str()) != 0) return give_up("cannot replace", errno);
  SyncFolderOf(path);
  RemoveStaleTemporaries(path);
  return {true, {}};
}

FileWriteResult AppendToFile(const std::filesystem::path& path, std::string_view bytes) {
  const int fd = ::open(path.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0666);
  if (fd < 0) return Failure("cannot open", path, errno);

  struct stat before {};
  if (::fstat(fd, &before) != 0) {
    const int error = errno;
    ::close(fd);
    return Failure("cannot examine", path, error);
  }
  if (!WriteAll(fd, bytes) || ::fsync(fd) != 0) {
    const int error = errno;
    // Cut a half-written report away so that earlier reports stay readable.
    if (::ftruncate(fd, before.st_size) == 0) ::fsync(fd);
    ::close(fd);
    return Failure("cannot append to", path, error);
  }
  if (::close(fd) != 0) return Failure("cannot close", path, errno);
  return {true, {}};
}

}  // namespace tolmark
