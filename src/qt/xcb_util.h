// The xcb connection Qt holds, and replies that free themselves: shared by the X11 parts of the
// desktop, which talk to the server directly where Qt has no word for what they need.
#pragma once

#include <QGuiApplication>
#include <cstdlib>
#include <memory>
#include <xcb/xcb.h>

namespace tolmark::x11 {

// Null unless the application talks to an X server (directly or through XWayland).
inline xcb_connection_t* Connection() {
  auto* app = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
  return app ? app->connection() : nullptr;
}

struct FreeDeleter {
  void operator()(void* p) const { std::free(p); }
};
template <typename T>
using Reply = std::unique_ptr<T, FreeDeleter>;

}  // namespace tolmark::x11
