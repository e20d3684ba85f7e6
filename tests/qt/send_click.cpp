// A mouse click handed straight to a window (XSendEvent), for X servers whose pointer cannot be
// driven through XTEST: XWayland under a compositor without input devices (Weston's headless
// back end) has no pointer to move.
//   send-click WINDOW X Y BUTTON   X and Y inside the window; BUTTON 1 left, 3 right
#include <X11/Xlib.h>

#include <cstdio>
#include <cstdlib>
#include <initializer_list>

int main(int argc, char** argv) {
  if (argc != 5) {
    std::fprintf(stderr, "usage: send-click WINDOW X Y BUTTON\n");
    return 2;
  }
  Display* display = XOpenDisplay(nullptr);
  if (!display) return 1;
  const Window window = std::strtoul(argv[1], nullptr, 0);
  const int x = std::atoi(argv[2]), y = std::atoi(argv[3]);
  const Window root = DefaultRootWindow(display);
  int rootX = 0, rootY = 0;
  Window child = 0;
  if (!XTranslateCoordinates(display, window, root, x, y, &rootX, &rootY, &child)) return 1;
  for (const int type : {ButtonPress, ButtonRelease}) {
    XEvent event{};
    event.xbutton.type = type;
    event.xbutton.display = display;
    event.xbutton.window = window;
    event.xbutton.root = root;
    event.xbutton.x = x;
    event.xbutton.y = y;
    event.xbutton.x_root = rootX;
    event.xbutton.y_root = rootY;
    event.xbutton.button = static_cast<unsigned>(std::atoi(argv[4]));
    event.xbutton.state = type == ButtonRelease ? (Button1Mask << (event.xbutton.button - 1)) : 0;
    event.xbutton.same_screen = True;
    // No event mask: the event goes to the program that made the window, whatever it selected.
    XSendEvent(display, window, False, 0, &event);
  }
  XSync(display, False);
  XCloseDisplay(display);
  return 0;
}
