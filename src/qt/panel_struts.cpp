#include "qt/panel_struts.h"

#include <algorithm>

namespace tolmark {
namespace {

// Whether the span [start, end] (inclusive, as struts give it) meets [from, to).
bool Meets(std::uint32_t start, std::uint32_t end, int from, int to) {
  return static_cast<std::int64_t>(start) < to && static_cast<std::int64_t>(end) >= from;
}

}  // namespace

Strut StrutOfWholeEdges(std::uint32_t left, std::uint32_t right, std::uint32_t top,
                        std::uint32_t bottom) {
  constexpr std::uint32_t kWhole = 0x7fffffff;
  return {left, right, top, bottom, 0, kWhole, 0, kWhole, 0, kWhole, 0, kWhole};
}

QRect AreaLeftByStruts(const QRect& screen, const QRect& monitor, const std::vector<Strut>& struts) {
  int left = monitor.left(), right = monitor.right() + 1;
  int top = monitor.top(), bottom = monitor.bottom() + 1;
  const int screenRight = screen.right() + 1, screenBottom = screen.bottom() + 1;
  for (const Strut& s : struts) {
    // Each reservation counts on this monitor only where it lies over it.
    if (s[0] > 0 && Meets(s[4], s[5], monitor.top(), monitor.bottom() + 1) &&
        screen.left() + static_cast<std::int64_t>(s[0]) > monitor.left()) {
      left = std::max(left, screen.left() + static_cast<int>(s[0]));
    }
    if (s[1] > 0 && Meets(s[6], s[7], monitor.top(), monitor.bottom() + 1) &&
        screenRight - static_cast<std::int64_t>(s[1]) < monitor.right() + 1) {
      right = std::min(right, screenRight - static_cast<int>(s[1]));
    }
    if (s[2] > 0 && Meets(s[8], s[9], monitor.left(), monitor.right() + 1) &&
        screen.top() + static_cast<std::int64_t>(s[2]) > monitor.top()) {
      top = std::max(top, screen.top() + static_cast<int>(s[2]));
    }
    if (s[3] > 0 && Meets(s[10], s[11], monitor.left(), monitor.right() + 1) &&
        screenBottom - static_cast<std::int64_t>(s[3]) < monitor.bottom() + 1) {
      bottom = std::min(bottom, screenBottom - static_cast<int>(s[3]));
    }
  }
  if (right <= left || bottom <= top) return monitor;  // nonsense reservations reserve nothing
  return QRect(left, top, right - left, bottom - top);
}

}  // namespace tolmark
