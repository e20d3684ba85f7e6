// A virtual X display of the test's own.
#pragma once

#include <memory>
#include <string>

#include "child_process.h"

namespace tolmark::testing {

// An Xvfb server of width x height pixels at 24 bits, on a display number it picks itself.
struct VirtualDisplay {
  std::unique_ptr<ChildProcess> server;
  std::string name;  // ":N"; empty when the server did not start
};
VirtualDisplay StartVirtualDisplay(int width, int height);

}  // namespace tolmark::testing
