// A plain X11 window for the desktop tests: it stands where it is told, in one colour, and
// writes "press X Y" to standard output for every button press it receives. Its name (the
// caption a watchdog reads when it has the focus) may be given.
#include <X11/Xlib.h>

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
  if (argc != 6 && argc != 7) {
    std::fprintf(stderr, "usage: click-target X Y WIDTH HEIGHT RRGGBB [NAME]\n");
    return 2;
  }
  Display* display = XOpenDisplay(nullptr);
  if (!display) return 1;
  const int screen = DefaultScreen(display);
  XSetWindowAttributes attributes{};
  attributes.background_pixel = std::strtoul(argv[5], nullptr, 16);
  attributes.event_mask = ButtonPressMask | ExposureMask;
  // Placed exactly, without a window manager's say: the test needs it at a known spot.
  attributes.override_redirect = True;
  const Window window = XCreateWindow(
      display, RootWindow(display, screen), std::atoi(argv[1]), std::atoi(argv[2]),
      static_cast<unsigned>(std::atoi(argv[3])), static_cast<unsigned>(std::atoi(argv[4])), 0,
      CopyFromParent, InputOutput, CopyFromParent,
      CWBackPixel | CWEventMask | CWOverrideRedirect, &attributes);
  XStoreName(display, window, argc == 7 ? argv[6] : "click-target");
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
