#pragma once

// Real X11 input and output for tests, without JUCE: a virtual X server of the test's own, real
// pointer and key events through the XTest extension, windows found by name and waited for, and
// a window's pixels read back. Links Xlib and libXtst only (target QuindleX11TestSupport).
//
// A typical test: start a VirtualServer before anything opens a display, point DISPLAY at it,
// open a Connection of the test's own, then click the window of the code under test:
//
//     VirtualServer server;
//     setenv ("DISPLAY", server.displayName().c_str(), 1);
//     Connection x;
//     ... the code under test opens its window ...
//     const auto window = findWindowByName (x, "Quindle");
//     waitUntilViewable (x, window, runEventLoopOnce);
//     const auto at = screenPositionOf (x, window, 20, 30);
//     click (x, at.x, at.y, alt);
//     readPixels (x, window).pixel (20, 30);
//
// Each call returns once the server has handled its events and queued them for whichever client
// owns the window under the pointer, or has the keyboard focus; an in-process toolkit sees them
// only once its own event loop runs, so a test runs that loop after each step.
// Nothing here is thread-safe: use one Connection from one thread.

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <sys/types.h>
#include <vector>

// Xlib's display, declared as Xlib declares it: the header keeps Xlib's macros (None, Bool,
// Status, ...) out of the tests that include it.
struct _XDisplay;

namespace quindle::test::x11
{
/** An X window or other resource id (Xlib's Window, an XID); 0 is none. */
using WindowId = unsigned long;

//==============================================================================
/** An Xvfb server of this process's own, on a free display number well away from :0, so that
    tests in parallel never share one and code that falls back to :0 never finds it. Stopped
    when destroyed, and when the process ends without destroying it. */
class VirtualServer
{
public:
    /** Starts Xvfb with one screen of this size at 24 bits per pixel and waits until it takes
        connections. Throws std::runtime_error when it cannot be started. */
    explicit VirtualServer (int width = 1280, int height = 1024);
    ~VirtualServer();

    VirtualServer (const VirtualServer&) = delete;
    VirtualServer& operator= (const VirtualServer&) = delete;

    /** The display name to give to DISPLAY or XOpenDisplay, e.g. ":5". */
    const std::string& displayName() const noexcept { return name; }

private:
    pid_t pid = -1;
    std::string name;
};

/** Replaces Xlib's default error handler, which ends the process, by one that ignores errors, as
    a host does for the plug-ins it loads: JUCE installs no handler of its own inside a plug-in,
    and without a window manager it asks for properties of atoms that do not exist. Process-wide;
    call it before the code under test opens its display. */
void ignoreErrors();

//==============================================================================
/** A connection of the test's own to an X server that offers XTest. */
class Connection
{
public:
    /** Opens the display (DISPLAY when null). Throws std::runtime_error when the display cannot
        be opened or has no XTest extension. */
    explicit Connection (const char* displayName = nullptr);
    ~Connection();

    Connection (const Connection&) = delete;
    Connection& operator= (const Connection&) = delete;

    _XDisplay* display() const noexcept { return connection; }
    WindowId root() const noexcept;

    /** Returns once the server has handled every request sent so far. */
    void sync() const;

private:
    _XDisplay* connection = nullptr;
};

//==============================================================================
// Pointer and keys, as the server sees a real user's. Positions are screen coordinates.

/** Modifier keys held around pointer actions; combine with |. */
enum Modifiers : unsigned
{
    noModifiers = 0,
    shift       = 1u << 0,
    control     = 1u << 1,
    alt         = 1u << 2
};

void movePointer (const Connection&, int x, int y);
void pressButton (const Connection&, unsigned button = 1);
void releaseButton (const Connection&, unsigned button = 1);

/** Presses or releases the left Shift, Control and Alt keys named in `modifiers`. */
void pressModifiers (const Connection&, unsigned modifiers);
void releaseModifiers (const Connection&, unsigned modifiers);

/** Presses or releases one key by its key symbol (XK_... from X11/keysym.h). */
void pressKey (const Connection&, unsigned long keySym);
void releaseKey (const Connection&, unsigned long keySym);

/** Moves to (x, y), then presses the modifiers, presses and releases button 1 and releases the
    modifiers, in that order. */
void click (const Connection&, int x, int y, unsigned modifiers = noModifiers);

/** Moves to (fromX, fromY), presses the modifiers and button 1, moves to (toX, toY) in `steps`
    equal steps, then releases the button and the modifiers, in that order. */
void drag (const Connection&, int fromX, int fromY, int toX, int toY, unsigned modifiers = noModifiers, int steps = 8);

//==============================================================================
// Windows.

/** The direct children of a window, bottom-most first. */
std::vector<WindowId> childrenOf (const Connection&, WindowId parent);

/** The first window named `name` (WM_NAME) at or below `under` (the root when 0), searched
    depth-first; 0 when there is none. */
WindowId findWindowByName (const Connection&, const std::string& name, WindowId under = 0);

/** Waits until the window is mapped and viewable, calling `betweenTries` (when given) between
    looks, e.g. to let an in-process toolkit run its event loop. False after `timeoutMs`. */
bool waitUntilViewable (const Connection&, WindowId, const std::function<void()>& betweenTries = {},
                        int timeoutMs = 5000);

struct Point
{
    int x = 0, y = 0;
};

/** The screen position of the point (x, y) of a window. */
Point screenPositionOf (const Connection&, WindowId, int x = 0, int y = 0);

struct Rectangle
{
    int x = 0, y = 0, width = 0, height = 0;

    /** True when the other rectangle lies wholly inside this one. */
    bool contains (const Rectangle& other) const noexcept;
};

/** Where a window lies on the screen, without its border; empty when there is no such window. */
Rectangle screenBoundsOf (const Connection&, WindowId);

/** Asks the client that owns a top-level window to close it, as a window manager does when the
    user closes it (a WM_DELETE_WINDOW message). */
void requestClose (const Connection&, WindowId);

/** A plain top-level window with this name and size at (x, y), mapped; for a test that plays a
    host and hands the window to the code under test as its parent. */
WindowId createTopLevelWindow (const Connection&, const std::string& name, int x, int y, int width, int height);

//==============================================================================
// Pixels.

/** 8-bit RGB pixels, row by row from the top left. */
struct Image
{
    int width = 0, height = 0;
    std::vector<std::uint8_t> rgb;

    /** The {red, green, blue} of a pixel; the point must lie inside the image. */
    std::array<std::uint8_t, 3> pixel (int x, int y) const;
};

/** Reads back the area (x, y, width, height) of a viewable window, in window coordinates, as the
    screen shows it (whatever covers the window included). The area must lie inside the window:
    Xlib's default error handler ends the process otherwise. */
Image readPixels (const Connection&, WindowId, int x, int y, int width, int height);

/** The whole viewable window. */
Image readPixels (const Connection&, WindowId);
} // namespace quindle::test::x11
