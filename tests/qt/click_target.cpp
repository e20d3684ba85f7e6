// A plain X11 window for the desktop tests: it stands where it is told, in one colour, and
// writes "press X Y" to standard output for every button press it receives. Its name (the
// caption a watchdog reads when it has the focus) may be given, and it may reserve the rows it
// covers at the screen's bottom edge as a panel does (_NET_WM_STRUT_PARTIAL), or be the
// desktop's own window, which window managers keep under every other (as a file manager's
// desktop of icons is).
#include <X11/Xatom.h>
#include <X11/Xlib.h>

#include <cstdio>
#include <cstdlib>
#include <string_view>

int main(int argc, char** argv) {
  if (argc < 6 || argc > 8) {
    std::fprintf(stderr, "usage: click-target X Y WIDTH HEIGHT RRGGBB [NAME [bottom-panel|desktop]]\n");
    return 2;
  }
  Display* display = XOpenDisplay(nullptr);
  if (!display) return 1;
  const int screen = DefaultScreen(display);
  XSetWindowAttributes attributes{};
  attributes.background_pixel = std::strtoul(argv[5], nullptr, 16);
  attributes.event_mask = ButtonPressMask | ExposureMask;
  // Placed exactly, without a window manager's say: the test needs it at a known spot. A panel
  // is an ordinary window, as panels are (the tests that use one run without a manager), and so
  // is the desktop's window, which a manager then keeps at the bottom.
  const bool panel = argc == 8 && std::string_view(argv[7]) == "bottom-panel";
  const bool desktop = argc == 8 && std::string_view(argv[7]) == "desktop";
  attributes.override_redirect = panel || desktop ? False : True;
  const Window window = XCreateWindow(
      display, RootWindow(display, screen), std::atoi(argv[1]), std::atoi(argv[2]),
      static_cast<unsigned>(std::atoi(argv[3])), static_cast<unsigned>(std::atoi(argv[4])), 0,
      CopyFromParent, InputOutput, CopyFromParent,
      CWBackPixel | CWEventMask | CWOverrideRedirect, &attributes);
  XStoreName(display, window, argc >= 7 ? argv[6] : "click-target");
  if (panel) {
    const long x = std::atol(argv[1]), width = std::atol(argv[3]), height = std::atol(argv[4]);
    const long strut[12] = {0, 0, 0, height, 0, 0, 0, 0, 0, 0, x, x + width - 1};
    XChangeProperty(display, window, XInternAtom(display, "_NET_WM_STRUT_PARTIAL", False),
                    XA_CARDINAL, 32, PropModeReplace,
                    reinterpret_cast<const unsigned char*>(strut), 12);
  }
  if (desktop) {
    const Atom type = XInternAtom(display, "_NET_WM_WINDOW_TYPE_DESKTOP", False);
    XChangeProperty(display, window, XInternAtom(display, "_NET_WM_WINDOW_TYPE", False), XA_ATOM,
                    32, PropModeReplace, reinterpret_cast<const unsigned char*>(&type), 1);
  }
  XMapWindow(display, window);
  XSync(display, False);
  std::printf("mapped\n");
  std::fflush(stdout);
  for (;;) {
    XEvent event;
    XNextEvent(display, &event);
    if (event.type == ButtonPress) {
      std::printf("press %d %d\n", event.xbutton.x_root, event.xbutton.y_root);
      std::fflush(stdout);
    }
  }
}
