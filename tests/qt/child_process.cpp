// fork and exec with an environment of our choosing; children are always reaped.
#include "child_process.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <thread>

namespace tolmark::testing {

ChildProcess::ChildProcess(std::vector<std::string> argv, Options options) {
  int out[2] = {-1, -1};
  if (options.captureOutput && pipe(out) != 0) return;
  pid_ = fork();
  if (pid_ == 0) {
    if (options.captureOutput) {
      dup2(out[1], STDOUT_FILENO);
      close(out[0]);
      close(out[1]);
    }
    for (const auto& [name, value] : options.env) setenv(name.c_str(), value.c_str(), 1);
    if (!options.folder.empty() && chdir(options.folder.c_str()) != 0) _exit(126);
    for (int fd = 3; fd < 256; ++fd) {
      if (fd != options.passFd) close(fd);
    }
    std::vector<char*> args;
    for (auto& a : argv) args.push_back(a.data());
    args.push_back(nullptr);
    execvp(args[0], args.data());
    _exit(127);
  }
  if (options.captureOutput) {
    close(out[1]);
    outFd_ = out[0];
  }
}

ChildProcess::~ChildProcess() {
  Terminate();
  if (outFd_ >= 0) close(outFd_);
}

bool ChildProcess::Running() {
  if (pid_ <= 0 || status_) return false;
  int status = 0;
  if (waitpid(pid_, &status, WNOHANG) == pid_) {
    status_ = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    return false;
  }
  return true;
}

std::optional<int> ChildProcess::WaitExit(std::chrono::milliseconds timeout) {
  const auto deadline = std::chrono::steady_clock::now() + timeout;
  while (Running()) {
    if (std::chrono::steady_clock::now() > deadline) return std::nullopt;
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  return status_;
}

std::optional<std::string> ChildProcess::ReadLine(std::chrono::milliseconds timeout) {
  const auto deadline = std::chrono::steady_clock::now() + timeout;
  while (true) {
    if (auto nl = buffered_.find('\n'); nl != std::string::npos) {
      std::string line = buffered_.substr(0, nl);
      buffered_.erase(0, nl + 1);
      return line;
    }
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
        deadline - std::chrono::steady_clock::now());
    if (outFd_ < 0 || left.count() <= 0) return std::nullopt;
    pollfd p{outFd_, POLLIN, 0};
    if (poll(&p, 1, static_cast<int>(left.count())) <= 0) continue;
    char chunk[512];
    const ssize_t n = read(outFd_, chunk, sizeof chunk);
    if (n <= 0) return std::nullopt;
    buffered_.append(chunk, static_cast<std::size_t>(n));
  }
}

void ChildProcess::Terminate() {
  if (!Running()) return;
  kill(pid_, SIGTERM);
  if (!WaitExit(std::chrono::seconds(3))) {
    kill(pid_, SIGKILL);
    WaitExit(std::chrono::seconds(3));
  }
}

RunResult Run(std::vector<std::string> argv, const ChildProcess::Options& options) {
  ChildProcess::Options withOutput = options;
  withOutput.captureOutput = true;
  ChildProcess child(std::move(argv), withOutput);
  RunResult result;
  while (auto line = child.ReadLine(std::chrono::seconds(30))) result.output += *line + "\n";
  result.status = child.WaitExit(std::chrono::seconds(30)).value_or(-1);
  return result;
}

std::vector<std::string> QuietCommand(const std::vector<std::string>& argv) {
  std::string command = "exec";
  for (const std::string& arg : argv) command += " '" + arg + "'";
  return {"sh", "-c", command + " >/dev/null 2>&1"};
}

}  // namespace tolmark::testing
