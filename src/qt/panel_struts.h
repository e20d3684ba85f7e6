// Panels and docks reserve the edges of the screen they stand on (_NET_WM_STRUT_PARTIAL, or
// the older _NET_WM_STRUT). Where no window manager publishes a work area, the usable part of a
// monitor is what their reservations leave of it.
#pragma once

#include <QRect>
#include <array>
#include <cstdint>
#include <vector>

namespace tolmark {

// The twelve numbers of _NET_WM_STRUT_PARTIAL: left, right, top, bottom widths from the edges
// of the whole screen, then the start and end of each along its edge (left_start_y,
// left_end_y, right_start_y, right_end_y, top_start_x, top_end_x, bottom_start_x,
// bottom_end_x). The four numbers of _NET_WM_STRUT reserve the whole length of each edge.
using Strut = std::array<std::uint32_t, 12>;
Strut StrutOfWholeEdges(std::uint32_t left, std::uint32_t right, std::uint32_t top,
                        std::uint32_t bottom);

// The part of the monitor that no strut reserves; screen is the whole screen (the root window),
// both in device pixels.
QRect AreaLeftByStruts(const QRect& screen, const QRect& monitor, const std::vector<Strut>& struts);

}  // namespace tolmark
