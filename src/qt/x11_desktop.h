// The few X11 conversations Qt does not hold for us: task-bar hints, the focused window's
// caption, raising without the keyboard and the work areas the desktop publishes.
#pragma once

#include <QRect>
#include <QWindow>
#include <QObject>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "qt/panel_struts.h"

namespace tolmark::x11 {

// Whether the application talks to an X server (directly or through XWayland).
bool Available();

// Whether the server can give windows the shapes of their pictures (the SHAPE extension).
bool HasShapes();

// Keeps a window that is about to be mapped out of the task bar and the pager. Window managers
// drop these states when a window is hidden, so this is asked again before every showing.
void SkipTaskbarAndPager(WId window);

// The caption of the window holding the focus, "" when there is none or it vanished.
std::string FocusedWindowCaption();

// Asks the window manager to put a window it manages above the desktop's other windows without
// giving it the keyboard: as a pager would (_NET_RESTACK_WINDOW) where the manager offers that,
// else as a client restacks beside another program's window (a ConfigureRequest sent to the
// root, naming the topmost window as the sibling). A plain raise, which names no sibling, is
// taken by some window managers (xfwm4) as the program asking for the keyboard. False where no
// window manager runs that says what it supports and which windows it stacks (EWMH): there the
// X server's own raise serves.
bool RaiseWithoutKeyboard(WId window);

// Asks for the window's client area at a rectangle of the root (device pixels) with a request
// of its own, also where Qt believes the window stands there already: a window manager may have
// moved it a moment ago, and Qt hears of that only later.
void AskForGeometry(WId window, const QRect& devicePixels);

// The usable rectangle of the monitor whose geometry is given (device pixels), as the
// desktop publishes it: per-monitor work areas first, then the desktop-wide work area.
std::optional<QRect> PublishedWorkArea(const QRect& monitorDevicePixels);

// What the mapped panels and docks reserve at the screen's edges (top-level windows and, under
// a window manager that frames them, the windows inside the frames).
std::vector<Strut> PanelStruts();

// Calls back whenever the desktop republishes its work areas (a panel moved, a monitor came)
// or the window manager's list of windows changes (a panel came or went),
// for as long as the returned watch lives; none without an X server.
std::unique_ptr<QObject> WatchWorkAreas(std::function<void()> changed);

// Withdraws every attention mark (_NET_WM_STATE_DEMANDS_ATTENTION) a window manager sets on
// the game's windows, for as long as the returned watch lives; none without an X server.
std::unique_ptr<QObject> DeclineAttentionHints();

}  // namespace tolmark::x11
