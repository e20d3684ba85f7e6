// X11 through the xcb connection Qt already has open; every reply may be missing because the
// window it asks about can vanish at any moment, so each one is checked.
#include "qt/x11_desktop.h"

#include <QAbstractNativeEventFilter>
#include <algorithm>
#include <QByteArray>
#include <QGuiApplication>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>
#include <xcb/shape.h>
#include <xcb/xcb.h>

#include "qt/xcb_util.h"

namespace tolmark::x11 {
namespace {

xcb_window_t Root(xcb_connection_t* c) {
  return xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
}

// An atom lives as long as the X server, so each name is asked for once per connection; a name
// no program has made yet (onlyIfExists) is asked for again the next time.
xcb_atom_t Atom(xcb_connection_t* c, const char* name, bool onlyIfExists = false) {
  static xcb_connection_t* knownOn = nullptr;
  static std::unordered_map<std::string, xcb_atom_t> known;
  if (c != knownOn) {
    known.clear();
    knownOn = c;
  }
  if (const auto it = known.find(name); it != known.end()) return it->second;
  const auto cookie = xcb_intern_atom(c, onlyIfExists ? 1 : 0,
                                      static_cast<std::uint16_t>(std::strlen(name)), name);
  Reply<xcb_intern_atom_reply_t> reply(xcb_intern_atom_reply(c, cookie, nullptr));
  const xcb_atom_t atom = reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
  if (atom != XCB_ATOM_NONE) known.emplace(name, atom);
  return atom;
}

// The raw bytes of a property, empty when the window or the property is gone.
struct Property {
  xcb_atom_t type = XCB_ATOM_NONE;
  int format = 0;
  QByteArray bytes;
};

Property ReadProperty(xcb_connection_t* c, xcb_window_t w, xcb_atom_t property,
                      xcb_atom_t type = XCB_GET_PROPERTY_TYPE_ANY) {
  Property result;
  if (property == XCB_ATOM_NONE) return result;
  const auto cookie = xcb_get_property(c, 0, w, property, type, 0, 4096);
  xcb_generic_error_t* error = nullptr;
  Reply<xcb_get_property_reply_t> reply(xcb_get_property_reply(c, cookie, &error));
  std::free(error);
  if (!reply || reply->type == XCB_ATOM_NONE) return result;
  result.type = reply->type;
  result.format = reply->format;
  const int length = xcb_get_property_value_length(reply.get());
  result.bytes = QByteArray(static_cast<const char*>(xcb_get_property_value(reply.get())), length);
  return result;
}

std::vector<std::uint32_t> Cardinals(const Property& p) {
  std::vector<std::uint32_t> values;
  if (p.format != 32) return values;
  values.resize(static_cast<std::size_t>(p.bytes.size()) / 4);
  std::memcpy(values.data(), p.bytes.constData(), values.size() * 4);
  return values;
}

std::optional<std::uint32_t> CurrentDesktop(xcb_connection_t* c) {
  const auto v = Cardinals(ReadProperty(c, Root(c), Atom(c, "_NET_CURRENT_DESKTOP", true),
                                        XCB_ATOM_CARDINAL));
  if (v.empty()) return std::nullopt;
  return v[0];
}

// A caption cut at its first NUL and at 128 characters, as the game compares captions.
std::string Caption(const QString& text) {
  QString cut = text.left(text.indexOf(QChar(0)) < 0 ? text.size() : text.indexOf(QChar(0)));
  return cut.left(128).toStdString();
}

std::optional<std::string> WindowName(xcb_connection_t* c, xcb_window_t w) {
  const Property utf8 = ReadProperty(c, w, Atom(c, "_NET_WM_NAME", true), Atom(c, "UTF8_STRING"));
  if (!utf8.bytes.isEmpty()) return Caption(QString::fromUtf8(utf8.bytes));
  const Property legacy = ReadProperty(c, w, XCB_ATOM_WM_NAME);
  if (legacy.type == XCB_ATOM_NONE) return std::nullopt;
  // WM_NAME is Latin-1 (STRING) or, from modern clients, often UTF-8 in disguise.
  if (legacy.type == XCB_ATOM_STRING) return Caption(QString::fromLatin1(legacy.bytes));
  return Caption(QString::fromUtf8(legacy.bytes));
}

xcb_window_t Parent(xcb_connection_t* c, xcb_window_t w) {
  Reply<xcb_query_tree_reply_t> tree(xcb_query_tree_reply(c, xcb_query_tree(c, w), nullptr));
  return tree ? tree->parent : xcb_window_t{XCB_WINDOW_NONE};
}

bool Intersect(const QRect& a, const QRect& b) { return a.intersects(b); }

}  // namespace

bool Available() { return Connection() != nullptr; }

bool HasShapes() {
  xcb_connection_t* c = Connection();
  if (!c) return false;
  const xcb_query_extension_reply_t* shape = xcb_get_extension_data(c, &xcb_shape_id);
  return shape && shape->present;
}

void SkipTaskbarAndPager(WId window) {
  xcb_connection_t* c = Connection();
  if (!c) return;
  const auto w = static_cast<xcb_window_t>(window);
  const xcb_atom_t state = Atom(c, "_NET_WM_STATE");
  const Property current = ReadProperty(c, w, state, XCB_ATOM_ATOM);
  const auto present = Cardinals(current);
  std::vector<xcb_atom_t> missing;
  for (const char* name : {"_NET_WM_STATE_SKIP_TASKBAR", "_NET_WM_STATE_SKIP_PAGER"}) {
    const xcb_atom_t atom = Atom(c, name);
    if (std::find(present.begin(), present.end(), atom) == present.end()) missing.push_back(atom);
  }
  if (missing.empty()) return;
  // Appended, not replaced: Qt merges its own states into this list when it maps the window.
  xcb_change_property(c, XCB_PROP_MODE_APPEND, w, state, XCB_ATOM_ATOM, 32,
                      static_cast<std::uint32_t>(missing.size()), missing.data());
  xcb_flush(c);
}

std::string FocusedWindowCaption() {
  xcb_connection_t* c = Connection();
  if (!c) return {};
  const xcb_window_t root = Root(c);
  // Any 32-bit type: the property is WINDOW by the book, but not every publisher says so.
  const auto active = Cardinals(ReadProperty(c, root, Atom(c, "_NET_ACTIVE_WINDOW", true)));
  if (!active.empty() && active[0] != XCB_WINDOW_NONE) {
    return WindowName(c, active[0]).value_or(std::string());
  }
  // No window manager publishes the active window: ask the server who has the focus and
  // climb to the first ancestor that carries a name.
  Reply<xcb_get_input_focus_reply_t> focus(
      xcb_get_input_focus_reply(c, xcb_get_input_focus(c), nullptr));
  if (!focus) return {};
  xcb_window_t w = focus->focus;
  for (int depth = 0; depth < 32 && w != XCB_WINDOW_NONE && w != XCB_INPUT_FOCUS_POINTER_ROOT &&
                      w != root;
       ++depth) {
    if (auto name = WindowName(c, w)) return *name;
    w = Parent(c, w);
  }
  return {};
}

namespace {

bool Contains(const std::vector<std::uint32_t>& atoms, xcb_atom_t atom) {
  return atom != XCB_ATOM_NONE && std::find(atoms.begin(), atoms.end(), atom) != atoms.end();
}

void SendToWindowManager(xcb_connection_t* c, const void* event) {
  xcb_send_event(c, 0, Root(c),
                 XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                 static_cast<const char*>(event));
  xcb_flush(c);
}

// Whether a window manager runs that says what it supports: its check window names itself, so a
// property left on the root by a manager that has ended does not count.
bool ManagerRuns(xcb_connection_t* c) {
  const xcb_atom_t check = Atom(c, "_NET_SUPPORTING_WM_CHECK", true);
  const auto onRoot = Cardinals(ReadProperty(c, Root(c), check, XCB_ATOM_WINDOW));
  if (onRoot.empty()) return false;
  const auto onItself = Cardinals(ReadProperty(c, onRoot[0], check, XCB_ATOM_WINDOW));
  return !onItself.empty() && onItself[0] == onRoot[0];
}

// How the running window manager lets a program raise a window without the keyboard.
enum class RaiseOffer { kNone, kPagerRestack, kSiblingRestack };

// Read again at most once a second: the watchdog raises every window of the game ten times a
// second, and a desktop changes its window manager rarely.
RaiseOffer OfferedRaise(xcb_connection_t* c) {
  static RaiseOffer offer = RaiseOffer::kNone;
  static std::optional<std::chrono::steady_clock::time_point> readAt;
  const auto now = std::chrono::steady_clock::now();
  if (readAt && now - *readAt < std::chrono::seconds(1)) return offer;
  readAt = now;
  offer = RaiseOffer::kNone;
  if (!ManagerRuns(c)) return offer;
  const auto supported =
      Cardinals(ReadProperty(c, Root(c), Atom(c, "_NET_SUPPORTED", true), XCB_ATOM_ATOM));
  if (supported.empty()) return offer;
  offer = Contains(supported, Atom(c, "_NET_RESTACK_WINDOW", true)) ? RaiseOffer::kPagerRestack
                                                                    : RaiseOffer::kSiblingRestack;
  return offer;
}

}  // namespace

bool RaiseWithoutKeyboard(WId window) {
  xcb_connection_t* c = Connection();
  if (!c) return false;
  const RaiseOffer offer = OfferedRaise(c);
  if (offer == RaiseOffer::kNone) return false;
  const xcb_window_t root = Root(c);
  const auto w = static_cast<xcb_window_t>(window);
  if (offer == RaiseOffer::kPagerRestack) {
    xcb_client_message_event_t event{};
    event.response_type = XCB_CLIENT_MESSAGE;
    event.format = 32;
    event.window = w;
    event.type = Atom(c, "_NET_RESTACK_WINDOW", true);
    event.data.data32[0] = 2;  // source: a pager, whose requests window managers honour
    event.data.data32[1] = XCB_WINDOW_NONE;
    event.data.data32[2] = XCB_STACK_MODE_ABOVE;
    SendToWindowManager(c, &event);
    return true;
  }
  // The window manager's stacking, bottom first; its top may be a panel in a higher layer,
  // which the manager keeps above the game all the same.
  const auto stacking = Cardinals(
      ReadProperty(c, root, Atom(c, "_NET_CLIENT_LIST_STACKING", true), XCB_ATOM_WINDOW));
  if (stacking.empty()) return false;
  if (stacking.back() == w) return true;  // in front already
  // A window's sibling must share its parent, and the manager's frames do not: so the request
  // goes to the root as an event, where the window manager reads it as the window's own.
  xcb_configure_request_event_t request{};
  request.response_type = XCB_CONFIGURE_REQUEST;
  request.stack_mode = XCB_STACK_MODE_ABOVE;
  request.parent = root;
  request.window = w;
  request.sibling = stacking.back();
  request.value_mask = XCB_CONFIG_WINDOW_SIBLING | XCB_CONFIG_WINDOW_STACK_MODE;
  SendToWindowManager(c, &request);
  return true;
}

void AskForGeometry(WId window, const QRect& place) {
  xcb_connection_t* c = Connection();
  if (!c) return;
  // Coordinates travel as 32-bit values; negative ones in two's complement.
  const std::uint32_t values[] = {static_cast<std::uint32_t>(place.x()),
                                  static_cast<std::uint32_t>(place.y()),
                                  static_cast<std::uint32_t>(std::max(1, place.width())),
                                  static_cast<std::uint32_t>(std::max(1, place.height()))};
  xcb_configure_window(c, static_cast<xcb_window_t>(window),
                       XCB_CONFIG_WINDOW_X | XCB_CONFIG_WINDOW_Y | XCB_CONFIG_WINDOW_WIDTH |
                           XCB_CONFIG_WINDOW_HEIGHT,
                       values);
  xcb_flush(c);
}

std::optional<QRect> PublishedWorkArea(const QRect& monitor) {
  xcb_connection_t* c = Connection();
  if (!c) return std::nullopt;
  const std::uint32_t desktop = CurrentDesktop(c).value_or(0);
  // Per-monitor work areas (published by GNOME and others): x, y, width, height per monitor.
  const QByteArray perMonitor = "_GTK_WORKAREAS_D" + QByteArray::number(desktop);
  const auto areas = Cardinals(ReadProperty(c, Root(c), Atom(c, perMonitor.constData(), true),
                                            XCB_ATOM_CARDINAL));
  for (std::size_t i = 0; i + 3 < areas.size(); i += 4) {
    const QRect area(static_cast<int>(areas[i]), static_cast<int>(areas[i + 1]),
                     static_cast<int>(areas[i + 2]), static_cast<int>(areas[i + 3]));
    if (Intersect(area, monitor)) return area.intersected(monitor);
  }
  // The desktop-wide work area: one rectangle per virtual desktop.
  const auto whole = Cardinals(ReadProperty(c, Root(c), Atom(c, "_NET_WORKAREA", true),
                                            XCB_ATOM_CARDINAL));
  const std::size_t at = static_cast<std::size_t>(desktop) * 4;
  if (at + 3 < whole.size()) {
    const QRect area(static_cast<int>(whole[at]), static_cast<int>(whole[at + 1]),
                     static_cast<int>(whole[at + 2]), static_cast<int>(whole[at + 3]));
    const QRect onMonitor = area.intersected(monitor);
    if (!onMonitor.isEmpty()) return onMonitor;
  }
  return std::nullopt;
}

namespace {

std::vector<xcb_window_t> Children(xcb_connection_t* c, xcb_window_t w) {
  Reply<xcb_query_tree_reply_t> tree(xcb_query_tree_reply(c, xcb_query_tree(c, w), nullptr));
  if (!tree) return {};
  const xcb_window_t* children = xcb_query_tree_children(tree.get());
  return std::vector<xcb_window_t>(children, children + xcb_query_tree_children_length(tree.get()));
}

bool Viewable(xcb_connection_t* c, xcb_window_t w) {
  Reply<xcb_get_window_attributes_reply_t> attributes(
      xcb_get_window_attributes_reply(c, xcb_get_window_attributes(c, w), nullptr));
  return attributes && attributes->map_state == XCB_MAP_STATE_VIEWABLE;
}

std::optional<Strut> StrutOf(xcb_connection_t* c, xcb_window_t w, xcb_atom_t partial,
                             xcb_atom_t whole) {
  const auto p = Cardinals(ReadProperty(c, w, partial, XCB_ATOM_CARDINAL));
  if (p.size() >= 12) {
    Strut strut{};
    std::copy_n(p.begin(), 12, strut.begin());
    return strut;
  }
  const auto s = Cardinals(ReadProperty(c, w, whole, XCB_ATOM_CARDINAL));
  if (s.size() >= 4) return StrutOfWholeEdges(s[0], s[1], s[2], s[3]);
  return std::nullopt;
}

}  // namespace

std::vector<Strut> PanelStruts() {
  xcb_connection_t* c = Connection();
  if (!c) return {};
  const xcb_atom_t partial = Atom(c, "_NET_WM_STRUT_PARTIAL", true);
  const xcb_atom_t whole = Atom(c, "_NET_WM_STRUT", true);
  std::vector<Strut> struts;
  if (partial == XCB_ATOM_NONE && whole == XCB_ATOM_NONE) return struts;  // nobody ever set one
  for (xcb_window_t top : Children(c, Root(c))) {
    if (!Viewable(c, top)) continue;
    if (auto strut = StrutOf(c, top, partial, whole)) {
      struts.push_back(*strut);
      continue;
    }
    for (xcb_window_t inner : Children(c, top)) {
      if (auto strut = StrutOf(c, inner, partial, whole)) struts.push_back(*strut);
    }
  }
  return struts;
}

namespace {

constexpr int kWatchedDesktops = 16;

class WorkAreaWatcher final : public QObject, public QAbstractNativeEventFilter {
 public:
  WorkAreaWatcher(xcb_connection_t* c, std::function<void()> changed)
      : root_(Root(c)),
        workArea_(Atom(c, "_NET_WORKAREA")),
        currentDesktop_(Atom(c, "_NET_CURRENT_DESKTOP")),
        clientList_(Atom(c, "_NET_CLIENT_LIST")),
        changed_(std::move(changed)) {
    // Add property changes to whatever this client already listens to on the root window.
    Reply<xcb_get_window_attributes_reply_t> attributes(
        xcb_get_window_attributes_reply(c, xcb_get_window_attributes(c, root_), nullptr));
    const std::uint32_t mask =
        (attributes ? attributes->your_event_mask : 0) | XCB_EVENT_MASK_PROPERTY_CHANGE;
    xcb_change_window_attributes(c, root_, XCB_CW_EVENT_MASK, &mask);
    xcb_flush(c);
    for (int d = 0; d < kWatchedDesktops; ++d) {
      const QByteArray name = "_GTK_WORKAREAS_D" + QByteArray::number(d);
      perMonitor_.push_back(Atom(c, name.constData()));
    }
    qGuiApp->installNativeEventFilter(this);
  }
  ~WorkAreaWatcher() override {
    if (qGuiApp) qGuiApp->removeNativeEventFilter(this);
  }

  bool nativeEventFilter(const QByteArray& type, void* message, qintptr*) override {
    if (type != "xcb_generic_event_t") return false;
    auto* event = static_cast<xcb_generic_event_t*>(message);
    const auto kind = event->response_type & 0x7f;
    if (kind != XCB_PROPERTY_NOTIFY) return false;
    auto* notify = reinterpret_cast<xcb_property_notify_event_t*>(event);
    if (notify->window != root_) return false;
    // A window manager's list of windows changes when a panel comes or goes, which counts
    // where it publishes no work area (the desktop's other windows are not watched: every
    // move of theirs would wake the game).
    if (notify->atom == workArea_ || notify->atom == currentDesktop_ ||
        notify->atom == clientList_ || IsPerMonitor(notify->atom)) {
      changed_();
    }
    return false;
  }

 private:
  bool IsPerMonitor(xcb_atom_t atom) const {
    return std::find(perMonitor_.begin(), perMonitor_.end(), atom) != perMonitor_.end();
  }

  xcb_window_t root_;
  xcb_atom_t workArea_;
  xcb_atom_t currentDesktop_;
  xcb_atom_t clientList_;
  std::function<void()> changed_;
  std::vector<xcb_atom_t> perMonitor_;  // interned once: root properties change often
};

}  // namespace

std::unique_ptr<QObject> WatchWorkAreas(std::function<void()> changed) {
  xcb_connection_t* c = Connection();
  if (!c) return nullptr;
  return std::make_unique<WorkAreaWatcher>(c, std::move(changed));
}

namespace {

// Window managers mark a window that asked for the keyboard and was refused, or that was shown
// without it, as demanding attention: task bars flash for it. The game's windows never call
// the player away from his work, so each such mark is withdrawn as soon as it is set.
class AttentionDecliner final : public QObject, public QAbstractNativeEventFilter {
 public:
  explicit AttentionDecliner(xcb_connection_t* c)
      : connection_(c),
        root_(Root(c)),
        state_(Atom(c, "_NET_WM_STATE")),
        attention_(Atom(c, "_NET_WM_STATE_DEMANDS_ATTENTION")) {
    qGuiApp->installNativeEventFilter(this);
  }
  ~AttentionDecliner() override {
    if (qGuiApp) qGuiApp->removeNativeEventFilter(this);
  }

  bool nativeEventFilter(const QByteArray& type, void* message, qintptr*) override {
    if (type != "xcb_generic_event_t") return false;
    auto* event = static_cast<xcb_generic_event_t*>(message);
    if ((event->response_type & 0x7f) != XCB_PROPERTY_NOTIFY) return false;
    auto* notify = reinterpret_cast<xcb_property_notify_event_t*>(event);
    // Property changes of other windows than the root reach the game only for its own.
    if (notify->window == root_ || notify->atom != state_ ||
        notify->state != XCB_PROPERTY_NEW_VALUE) {
      return false;
    }
    const auto states = Cardinals(ReadProperty(connection_, notify->window, state_, XCB_ATOM_ATOM));
    if (std::find(states.begin(), states.end(), attention_) == states.end()) return false;
    xcb_client_message_event_t request{};
    request.response_type = XCB_CLIENT_MESSAGE;
    request.format = 32;
    request.window = notify->window;
    request.type = state_;
    request.data.data32[0] = 0;  // remove
    request.data.data32[1] = attention_;
    request.data.data32[3] = 2;  // source: a pager, as for restacking
    xcb_send_event(connection_, 0, root_,
                   XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                   reinterpret_cast<const char*>(&request));
    xcb_flush(connection_);
    return false;
  }

 private:
  xcb_connection_t* connection_;
  xcb_window_t root_;
  xcb_atom_t state_;
  xcb_atom_t attention_;
};

}  // namespace

std::unique_ptr<QObject> DeclineAttentionHints() {
  xcb_connection_t* c = Connection();
  if (!c) return nullptr;
  return std::make_unique<AttentionDecliner>(c);
}

}  // namespace tolmark::x11
