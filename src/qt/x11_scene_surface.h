// A scene window's pixels and shape kept by the X server. The frame is composed on a server-side
// canvas that is also the window's background, from pictures uploaded once, and its shape is
// united from the pictures' shapes by the server too; showing it asks the server to repaint the
// changed rectangles from that background. A walking figure so costs a handful of small requests
// a frame and nothing comes back: no image transfer, no exposure events, no round trip. The
// server also repaints uncovered or newly shaped parts by itself.
#pragma once

#include <QRect>
#include <QSize>
#include <QWindow>
#include <memory>
#include <span>
#include <vector>

namespace tolmark {

// One picture of a frame: its number and where its image lands, in logical window pixels.
struct ScenePicture {
  int picture;
  QRect rect;
  friend bool operator==(const ScenePicture&, const ScenePicture&) = default;
};

class X11SceneSurface {
 public:
  // Gives the window (its native handle) a black canvas of its size in device pixels; pictures
  // are enlarged by `scale`, a whole number. Null when the display is not X11 or the window is
  // not of the 24-bit true-colour kind the pictures are uploaded in: the window then paints
  // itself.
  static std::unique_ptr<X11SceneSurface> Attach(WId window, QSize devicePixels, int scale);
  ~X11SceneSurface();
  X11SceneSurface(const X11SceneSurface&) = delete;
  X11SceneSurface& operator=(const X11SceneSurface&) = delete;

  // Whether this surface still serves a window of that handle, size and scale.
  bool Serves(WId window, QSize devicePixels, int scale) const;

  // The following take logical window pixels, as the widget does; nothing shows before Reveal.
  // The window takes the union of the pictures' shapes at once, or shows whole when they have
  // none.
  void Shape(const std::vector<ScenePicture>& frame);
  // Paints the area black on the canvas.
  void Erase(std::span<const QRect> area);
  // Copies the picture onto the canvas with its top-left at `at`, only the pixels of its shape.
  void DrawPicture(int picture, QPoint at);
  // The window shows the canvas in the area; every request so far goes to the server.
  void Reveal(std::span<const QRect> area);

 private:
  struct Server;  // the server-side resources and the requests that fill them
  explicit X11SceneSurface(std::unique_ptr<Server> server);
  std::unique_ptr<Server> server_;
};

}  // namespace tolmark
