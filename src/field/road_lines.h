// A line said on the road and the code after it, by the hero or by whoever stands beside him;
// with kRefresh the open windows are filled again first, where the step changed what they show.
#pragma once

#include <cstdint>
#include <string>
#include <utility>

#include "scene/outcome.h"

namespace tolmark::field {

inline constexpr bool kRefresh = true;

inline Outcome HeroSays(std::int32_t next, std::string line, bool refresh = false) {
  Outcome o = Says(Speaker::Hero, std::move(line), next);
  o.refreshWindows = refresh;
  return o;
}

inline Outcome VisitorSays(std::int32_t next, std::string line, bool refresh = false) {
  Outcome o = Says(Speaker::Visitor, std::move(line), next);
  o.refreshWindows = refresh;
  return o;
}

}  // namespace tolmark::field
