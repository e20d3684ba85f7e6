// Programs the desktop tests start: a display server, the game, X tools.
#pragma once

#include <sys/types.h>

#include <chrono>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace tolmark::testing {

class ChildProcess {
 public:
  struct Options {
    std::map<std::string, std::string> env;  // added to (or replacing in) the test's environment
    std::string folder;                      // current folder of the child; "" keeps ours
    bool captureOutput = false;              // standard output readable through ReadLine
    int passFd = -1;                         // kept open in the child under the same number
  };

  ChildProcess(std::vector<std::string> argv, Options options);
  ~ChildProcess();  // ends the child when it still runs
  ChildProcess(const ChildProcess&) = delete;
  ChildProcess& operator=(const ChildProcess&) = delete;

  pid_t Pid() const { return pid_; }
  bool Running();
  // The exit status once the child ended within the time, nullopt otherwise.
  std::optional<int> WaitExit(std::chrono::milliseconds timeout);
  // One line of standard output within the time, nullopt when none came.
  std::optional<std::string> ReadLine(std::chrono::milliseconds timeout);
  void Terminate();

 private:
  pid_t pid_ = -1;
  int outFd_ = -1;
  std::string buffered_;
  std::optional<int> status_;
};

// Runs a program to its end and returns its exit status and standard output.
struct RunResult {
  int status = -1;
  std::string output;
};
RunResult Run(std::vector<std::string> argv, const ChildProcess::Options& options = {});

// The command with its output and errors thrown away: the desktop's own programs talk a lot,
// and their words would bury the test's.
std::vector<std::string> QuietCommand(const std::vector<std::string>& argv);

}  // namespace tolmark::testing
