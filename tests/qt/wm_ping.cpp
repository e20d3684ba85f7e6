// The liveness question in plain Xlib, kept apart: Xlib's macros clash with the test framework.
#include "wm_ping.h"

#include <X11/Xlib.h>

#include <thread>

namespace tolmark::testing {

using namespace std::chrono_literals;

// Asks a window the window manager's liveness question and waits for the answer on the root.
bool AnswersPing(const std::string& display, unsigned long window, std::chrono::milliseconds wait) {
  Display* x = XOpenDisplay(display.c_str());
  if (!x) return false;
  const Window root = DefaultRootWindow(x);
  // Answers go to whoever manages the windows: for this short moment, that is us.
  XSelectInput(x, root, SubstructureRedirectMask | SubstructureNotifyMask);
  const Atom protocols = XInternAtom(x, "WM_PROTOCOLS", False);
  const Atom ping = XInternAtom(x, "_NET_WM_PING", False);
  XEvent event{};
  event.xclient.type = ClientMessage;
  event.xclient.window = window;
  event.xclient.message_type = protocols;
  event.xclient.format = 32;
  event.xclient.data.l[0] = static_cast<long>(ping);
  event.xclient.data.l[1] = 4242;  // the time stamp the answer must carry back
  event.xclient.data.l[2] = static_cast<long>(window);
  XSendEvent(x, window, False, NoEventMask, &event);
  XFlush(x);
  bool answered = false;
  const auto deadline = std::chrono::steady_clock::now() + wait;
  while (!answered && std::chrono::steady_clock::now() < deadline) {
    while (XPending(x) > 0) {
      XEvent reply;
      XNextEvent(x, &reply);
      answered |= reply.type == ClientMessage && reply.xclient.window == root &&
                  static_cast<Atom>(reply.xclient.data.l[0]) == ping &&
                  reply.xclient.data.l[1] == 4242;
    }
    std::this_thread::sleep_for(20ms);
  }
  XCloseDisplay(x);
  return answered;
}

}  // namespace tolmark::testing
