// Requests go through the xcb connection Qt already holds, so they keep their order with Qt's
// own (the window's shape among them). Failures of single requests cannot hurt the game: the
// server reports them as errors that Qt logs, and the window keeps its last good pixels.
#include "qt/x11_scene_surface.h"

#include <QImage>
#include <QtEndian>
#include <algorithm>
#include <unordered_map>
#include <vector>
#include <xcb/shape.h>
#include <xcb/xcb.h>

#include "present/shapes.h"
#include "qt/picture_images.h"
#include "qt/x11_desktop.h"
#include "qt/xcb_util.h"

namespace tolmark {
namespace {

// Whether windows of this visual take pixels as 0x00RRGGBB in 32 bits, as QImage::Format_RGB32.
bool IsPlainTrueColour(xcb_connection_t* c, xcb_visualid_t visual, std::uint8_t depth) {
  if (depth != 24) return false;
  bool bitsMatch = false;
  for (auto f = xcb_setup_pixmap_formats_iterator(xcb_get_setup(c)); f.rem; xcb_format_next(&f)) {
    if (f.data->depth == depth) bitsMatch = f.data->bits_per_pixel == 32;
  }
  if (!bitsMatch) return false;
  for (auto s = xcb_setup_roots_iterator(xcb_get_setup(c)); s.rem; xcb_screen_next(&s)) {
    for (auto d = xcb_screen_allowed_depths_iterator(s.data); d.rem; xcb_depth_next(&d)) {
      for (auto v = xcb_depth_visuals_iterator(d.data); v.rem; xcb_visualtype_next(&v)) {
        if (v.data->visual_id != visual) continue;
        return v.data->_class == XCB_VISUAL_CLASS_TRUE_COLOR && v.data->red_mask == 0xFF0000 &&
               v.data->green_mask == 0x00FF00 && v.data->blue_mask == 0x0000FF;
      }
    }
  }
  return false;
}

std::int16_t Coord(int v) { return static_cast<std::int16_t>(std::clamp(v, -32768, 32767)); }
std::uint16_t Extent(int v) { return static_cast<std::uint16_t>(std::clamp(v, 0, 65535)); }

}  // namespace

struct X11SceneSurface::Server {
  struct Picture {
    xcb_pixmap_t pixmap = 0;
    QSize size;                          // in device pixels
    std::vector<xcb_rectangle_t> shape;  // in the pixmap's device pixels, banded top to bottom
  };

  xcb_connection_t* c = nullptr;
  xcb_window_t window = 0;
  QSize size;
  int scale = 1;
  xcb_pixmap_t canvas = 0;
  xcb_gcontext_t fill = 0;  // black, never clipped
  xcb_gcontext_t copy = 0;  // clipped to the shape of the picture being copied
  // Never shown: the frame's shape is united here, then handed to the window in one request,
  // so the window never takes a half-united shape.
  xcb_window_t shaper = 0;
  bool msbFirst = false;
  std::unordered_map<int, Picture> pictures;

  ~Server() {
    for (auto& [number, picture] : pictures) xcb_free_pixmap(c, picture.pixmap);
    xcb_destroy_window(c, shaper);
    xcb_free_gc(c, copy);
    xcb_free_gc(c, fill);
    xcb_free_pixmap(c, canvas);
    xcb_flush(c);
  }

  std::vector<xcb_rectangle_t> DeviceRects(std::span<const QRect> area) const {
    std::vector<xcb_rectangle_t> rects;
    rects.reserve(area.size());
    for (const QRect& r : area) {
      rects.push_back({Coord(r.x() * scale), Coord(r.y() * scale), Extent(r.width() * scale),
                       Extent(r.height() * scale)});
    }
    return rects;
  }

  const Picture& Upload(int number) {
    auto found = pictures.find(number);
    if (found != pictures.end()) return found->second;
    Picture picture;
    QImage image = PictureImage(number).convertToFormat(QImage::Format_RGB32);
    if (scale > 1) {
      // Pixel art: whole blocks of pixels, never a blur.
      image = image.scaled(image.size() * scale, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    }
    picture.size = image.size();
    picture.pixmap = xcb_generate_id(c);
    xcb_create_pixmap(c, 24, picture.pixmap, window, Extent(image.width()),
                      Extent(image.height()));
    PutImage(picture.pixmap, image);
    for (const PixelRect& r : PictureShapeOf(number).rects) {
      picture.shape.push_back({Coord(r.left * scale), Coord(r.top * scale),
                               Extent((r.right - r.left) * scale),
                               Extent((r.bottom - r.top) * scale)});
    }
    return pictures.emplace(number, std::move(picture)).first->second;
  }

  // Sends the image in bands of rows that each fit in one request.
  void PutImage(xcb_pixmap_t target, QImage& image) {
    if (msbFirst) {
      for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<std::uint32_t*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) line[x] = qToBigEndian(line[x]);
      }
    }
    const std::size_t rowBytes = static_cast<std::size_t>(image.bytesPerLine());
    const std::size_t maxBytes = std::size_t{xcb_get_maximum_request_length(c)} * 4 - 64;
    const int rowsPerRequest = std::max(1, static_cast<int>(maxBytes / rowBytes));
    for (int top = 0; top < image.height(); top += rowsPerRequest) {
      const int rows = std::min(rowsPerRequest, image.height() - top);
      xcb_put_image(c, XCB_IMAGE_FORMAT_Z_PIXMAP, target, fill, Extent(image.width()),
                    Extent(rows), 0, Coord(top), 0, 24,
                    static_cast<std::uint32_t>(rowBytes * static_cast<std::size_t>(rows)),
                    image.constScanLine(top));
    }
  }
};

std::unique_ptr<X11SceneSurface> X11SceneSurface::Attach(WId window, QSize devicePixels,
                                                         int scale) {
  xcb_connection_t* c = x11::Connection();
  if (!c || devicePixels.isEmpty() || !x11::HasShapes()) return nullptr;
  const auto w = static_cast<xcb_window_t>(window);
  x11::Reply<xcb_get_window_attributes_reply_t> attributes(
      xcb_get_window_attributes_reply(c, xcb_get_window_attributes(c, w), nullptr));
  x11::Reply<xcb_get_geometry_reply_t> geometry(
      xcb_get_geometry_reply(c, xcb_get_geometry(c, w), nullptr));
  if (!attributes || !geometry || !IsPlainTrueColour(c, attributes->visual, geometry->depth)) {
    return nullptr;
  }
  auto server = std::make_unique<Server>();
  server->c = c;
  server->window = w;
  server->size = devicePixels;
  server->scale = std::max(1, scale);
  server->msbFirst = xcb_get_setup(c)->image_byte_order == XCB_IMAGE_ORDER_MSB_FIRST;

  server->canvas = xcb_generate_id(c);
  xcb_create_pixmap(c, 24, server->canvas, w, Extent(devicePixels.width()),
                    Extent(devicePixels.height()));
  // No graphics exposures: a copy must not send an event back for each frame.
  const std::uint32_t fillValues[] = {0x000000, 0};
  server->fill = xcb_generate_id(c);
  xcb_create_gc(c, server->fill, server->canvas,
                XCB_GC_FOREGROUND | XCB_GC_GRAPHICS_EXPOSURES, fillValues);
  const std::uint32_t copyValues[] = {0};
  server->copy = xcb_generate_id(c);
  xcb_create_gc(c, server->copy, server->canvas, XCB_GC_GRAPHICS_EXPOSURES, copyValues);
  server->shaper = xcb_generate_id(c);
  xcb_create_window(c, XCB_COPY_FROM_PARENT, server->shaper, geometry->root, 0, 0,
                    Extent(devicePixels.width()), Extent(devicePixels.height()), 0,
                    XCB_WINDOW_CLASS_INPUT_ONLY, XCB_COPY_FROM_PARENT, 0, nullptr);
  const xcb_rectangle_t all{0, 0, Extent(devicePixels.width()), Extent(devicePixels.height())};
  xcb_poly_fill_rectangle(c, server->canvas, server->fill, 1, &all);

  // The canvas is the background: the server repaints from it whatever becomes visible, so the
  // window no longer needs to hear of exposures (one event burst per frame while a figure walks).
  const std::uint32_t windowValues[] = {
      server->canvas, attributes->your_event_mask & ~std::uint32_t{XCB_EVENT_MASK_EXPOSURE}};
  xcb_change_window_attributes(c, w, XCB_CW_BACK_PIXMAP | XCB_CW_EVENT_MASK, windowValues);
  xcb_clear_area(c, 0, w, 0, 0, 0, 0);
  xcb_flush(c);
  return std::unique_ptr<X11SceneSurface>(new X11SceneSurface(std::move(server)));
}

X11SceneSurface::X11SceneSurface(std::unique_ptr<Server> server) : server_(std::move(server)) {}

X11SceneSurface::~X11SceneSurface() = default;

bool X11SceneSurface::Serves(WId window, QSize devicePixels, int scale) const {
  return server_->window == static_cast<xcb_window_t>(window) && server_->size == devicePixels &&
         server_->scale == scale;
}

void X11SceneSurface::Shape(const std::vector<ScenePicture>& frame) {
  xcb_connection_t* c = server_->c;
  bool any = false;
  for (const ScenePicture& placed : frame) {
    const Server::Picture& p = server_->Upload(placed.picture);
    if (p.shape.empty()) continue;
    const QPoint at = placed.rect.topLeft() * server_->scale;
    xcb_shape_rectangles(c, any ? XCB_SHAPE_SO_UNION : XCB_SHAPE_SO_SET, XCB_SHAPE_SK_BOUNDING,
                         XCB_CLIP_ORDERING_YX_SORTED, server_->shaper, Coord(at.x()),
                         Coord(at.y()), static_cast<std::uint32_t>(p.shape.size()),
                         p.shape.data());
    any = true;
  }
  if (any) {
    xcb_shape_combine(c, XCB_SHAPE_SO_SET, XCB_SHAPE_SK_BOUNDING, XCB_SHAPE_SK_BOUNDING,
                      server_->window, 0, 0, server_->shaper);
  } else {
    // Nothing drawn: the window loses its shape and shows whole, in its background colour.
    xcb_shape_mask(c, XCB_SHAPE_SO_SET, XCB_SHAPE_SK_BOUNDING, server_->window, 0, 0, XCB_NONE);
  }
}

void X11SceneSurface::Erase(std::span<const QRect> area) {
  const auto rects = server_->DeviceRects(area);
  if (rects.empty()) return;
  xcb_poly_fill_rectangle(server_->c, server_->canvas, server_->fill,
                          static_cast<std::uint32_t>(rects.size()), rects.data());
}

void X11SceneSurface::DrawPicture(int picture, QPoint at) {
  const Server::Picture& p = server_->Upload(picture);
  if (p.shape.empty()) return;
  xcb_connection_t* c = server_->c;
  const QPoint device = at * server_->scale;
  xcb_set_clip_rectangles(c, XCB_CLIP_ORDERING_YX_SORTED, server_->copy, Coord(device.x()),
                          Coord(device.y()), static_cast<std::uint32_t>(p.shape.size()),
                          p.shape.data());
  xcb_copy_area(c, p.pixmap, server_->canvas, server_->copy, 0, 0, Coord(device.x()),
                Coord(device.y()), Extent(p.size.width()), Extent(p.size.height()));
}

void X11SceneSurface::Reveal(std::span<const QRect> area) {
  for (const xcb_rectangle_t& r : server_->DeviceRects(area)) {
    if (r.width > 0 && r.height > 0) {
      xcb_clear_area(server_->c, 0, server_->window, r.x, r.y, r.width, r.height);
    }
  }
  xcb_flush(server_->c);
}

}  // namespace tolmark
