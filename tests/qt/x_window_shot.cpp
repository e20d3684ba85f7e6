// What the X windows of a rootless XWayland show, as one picture: the root of such a server has
// no pixels of its own (import refuses it), and the compositor that shows the windows may offer
// no screenshot to a test. Every viewable top-level window is copied onto a black screen in the
// server's stacking order, bottom to top, clipped to its shape; a window with an alpha channel
// leaves its fully transparent pixels out. Writes a binary PPM to standard output.
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/shape.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <vector>

namespace {

int IgnoreErrors(Display*, XErrorEvent*) { return 0; }  // a window that went meanwhile

int Shift(unsigned long mask) {
  int shift = 0;
  while (mask && !(mask & 1)) {
    mask >>= 1;
    ++shift;
  }
  return shift;
}

}  // namespace

int main() {
  Display* display = XOpenDisplay(nullptr);
  if (!display) return 1;
  XSetErrorHandler(IgnoreErrors);
  const Window root = DefaultRootWindow(display);
  const int width = DisplayWidth(display, DefaultScreen(display));
  const int height = DisplayHeight(display, DefaultScreen(display));
  std::vector<std::uint32_t> screen(static_cast<std::size_t>(width) * height, 0);

  Window rootReturn, parent, *children = nullptr;
  unsigned count = 0;
  XQueryTree(display, root, &rootReturn, &parent, &children, &count);
  for (unsigned i = 0; i < count; ++i) {  // bottom to top
    XWindowAttributes a;
    if (!XGetWindowAttributes(display, children[i], &a) || a.map_state != IsViewable ||
        a.c_class != InputOutput) {
      continue;
    }
    const int x0 = std::max(0, a.x), y0 = std::max(0, a.y);
    const int x1 = std::min(width, a.x + a.width), y1 = std::min(height, a.y + a.height);
    if (x0 >= x1 || y0 >= y1) continue;
    XImage* image = XGetImage(display, children[i], x0 - a.x, y0 - a.y, x1 - x0, y1 - y0,
                              AllPlanes, ZPixmap);
    if (!image) continue;
    int rectangles = 0, ordering = 0;
    XRectangle* shape =
        XShapeGetRectangles(display, children[i], ShapeBounding, &rectangles, &ordering);
    auto inShape = [&](int x, int y) {  // window coordinates
      if (!shape) return true;
      for (int r = 0; r < rectangles; ++r) {
        if (x >= shape[r].x && x < shape[r].x + shape[r].width && y >= shape[r].y &&
            y < shape[r].y + shape[r].height) {
          return true;
        }
      }
      return false;
    };
    const Visual* v = a.visual;
    const int rs = Shift(v->red_mask), gs = Shift(v->green_mask), bs = Shift(v->blue_mask);
    const bool alpha = a.depth == 32;
    for (int y = y0; y < y1; ++y) {
      for (int x = x0; x < x1; ++x) {
        if (!inShape(x - a.x, y - a.y)) continue;
        const unsigned long p = XGetPixel(image, x - x0, y - y0);
        if (alpha && (p >> 24) == 0) continue;
        const std::uint32_t r = (p & v->red_mask) >> rs, g = (p & v->green_mask) >> gs,
                            b = (p & v->blue_mask) >> bs;
        screen[static_cast<std::size_t>(y) * width + x] = (r << 16) | (g << 8) | b;
      }
    }
    if (shape) XFree(shape);
    XDestroyImage(image);
  }
  if (children) XFree(children);
  std::printf("P6\n%d %d\n255\n", width, height);
  for (const std::uint32_t p : screen) {
    std::putchar(static_cast<int>(p >> 16));
    std::putchar(static_cast<int>((p >> 8) & 0xff));
    std::putchar(static_cast<int>(p & 0xff));
  }
  XCloseDisplay(display);
  return 0;
}
