#include "tests/common/x11/X11TestSupport.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <stdexcept>
#include <thread>
#include <utility>
#include <fcntl.h>
#include <unistd.h>
#include <sys/prctl.h>
#include <sys/wait.h>

namespace quindle::test::x11
{
//==============================================================================
namespace
{
// Starts Xvfb on display `number` and waits until it takes connections; -1 as the process id
// when it does not start (the number is taken, or there is no Xvfb).
pid_t startServer (int number, const std::string& screen)
{
    int pipeEnds[2];

    if (pipe (pipeEnds) != 0)
        return -1;

    const auto readEnd = pipeEnds[0], writeEnd = pipeEnds[1];
    const auto display = ":" + std::to_string (number);
    const auto pid = fork();

    if (pid == 0)
    {
        // The server dies with the test, and holds none of its descriptors: a server left
        // holding the test's output would keep CTest waiting for the end of it.
        prctl (PR_SET_PDEATHSIG, SIGTERM);
        dup2 (writeEnd, 3);
        const auto nowhere = open ("/dev/null", O_RDWR);
        dup2 (nowhere, 0);
        dup2 (nowhere, 1);
        dup2 (nowhere, 2);
        close_range (4, ~0u, 0);

        execlp ("Xvfb", "Xvfb", display.c_str(), "-displayfd", "3", "-screen", "0", screen.c_str(),
                "-nolisten", "tcp", static_cast<char*> (nullptr));
        _exit (127);
    }

    close (writeEnd);

    // The server writes its display number and a newline once it takes connections, and ends
    // itself when it cannot write all of it, so the pipe stays open until the newline. A server
    // that cannot start closes the pipe without a word.
    std::string written;
    char c = 0;

    while (pid > 0 && read (readEnd, &c, 1) == 1 && c != '\n')
        written += c;

    const auto ready = c == '\n' && written == std::to_string (number);
    close (readEnd);

    if (pid > 0 && ! ready)
        waitpid (pid, nullptr, 0);

    return ready ? pid : -1;
}
} // namespace

VirtualServer::VirtualServer (int width, int height)
{
    // Far from :0, which JUCE (and Xlib's users generally) fall back to without a DISPLAY, and
    // spread by process id so that parallel tests seldom try the same number; Xvfb's lock file
    // settles the rest.
    const auto screen = std::to_string (width) + "x" + std::to_string (height) + "x24";
    const auto first = 200 + static_cast<int> (getpid() % 800);

    for (int number = first; number < first + 64; ++number)
    {
        pid = startServer (number, screen);

        if (pid > 0)
        {
            name = ":" + std::to_string (number);
            return;
        }
    }

    throw std::runtime_error ("Xvfb did not start (is the xvfb package installed?)");
}

VirtualServer::~VirtualServer()
{
    kill (pid, SIGTERM);
    waitpid (pid, nullptr, 0);
}

void ignoreErrors()
{
    XSetErrorHandler ([] (Display*, XErrorEvent*) { return 0; });
}

//==============================================================================
Connection::Connection (const char* displayName)
    : connection (XOpenDisplay (displayName))
{
    if (connection == nullptr)
        throw std::runtime_error (std::string ("cannot open the X display ") + XDisplayName (displayName));

    int eventBase = 0, errorBase = 0, major = 0, minor = 0;

    if (! XTestQueryExtension (connection, &eventBase, &errorBase, &major, &minor))
    {
        XCloseDisplay (connection);
        throw std::runtime_error ("the X server has no XTest extension");
    }
}

Connection::~Connection()
{
    XCloseDisplay (connection);
}

WindowId Connection::root() const noexcept
{
    return DefaultRootWindow (connection);
}

void Connection::sync() const
{
    XSync (connection, False);
}

//==============================================================================
namespace
{
// Once the server has handled the request, the event it made is queued for its client.
void send (const Connection& x)
{
    x.sync();
}

void sendKey (const Connection& x, unsigned long key, bool press)
{
    XTestFakeKeyEvent (x.display(), XKeysymToKeycode (x.display(), key), press ? True : False, CurrentTime);
    send (x);
}

// Left-hand keys, pressed in this order and released in the reverse order.
constexpr std::array<std::pair<Modifiers, KeySym>, 3> modifierKeys { {
    { shift, XK_Shift_L }, { control, XK_Control_L }, { alt, XK_Alt_L } } };
} // namespace

void movePointer (const Connection& x, int screenX, int screenY)
{
    XTestFakeMotionEvent (x.display(), -1, screenX, screenY, CurrentTime);
    send (x);
}

void pressButton (const Connection& x, unsigned button)
{
    XTestFakeButtonEvent (x.display(), button, True, CurrentTime);
    send (x);
}

void releaseButton (const Connection& x, unsigned button)
{
    XTestFakeButtonEvent (x.display(), button, False, CurrentTime);
    send (x);
}

void pressKey (const Connection& x, unsigned long key)   { sendKey (x, key, true); }
void releaseKey (const Connection& x, unsigned long key) { sendKey (x, key, false); }

void pressModifiers (const Connection& x, unsigned modifiers)
{
    for (const auto& [flag, key] : modifierKeys)
        if ((modifiers & flag) != 0)
            pressKey (x, key);
}

void releaseModifiers (const Connection& x, unsigned modifiers)
{
    for (auto k = modifierKeys.rbegin(); k != modifierKeys.rend(); ++k)
        if ((modifiers & k->first) != 0)
            releaseKey (x, k->second);
}

void click (const Connection& x, int screenX, int screenY, unsigned modifiers)
{
    movePointer (x, screenX, screenY);
    pressModifiers (x, modifiers);
    pressButton (x);
    releaseButton (x);
    releaseModifiers (x, modifiers);
}

void drag (const Connection& x, int fromX, int fromY, int toX, int toY, unsigned modifiers, int steps)
{
    movePointer (x, fromX, fromY);
    pressModifiers (x, modifiers);
    pressButton (x);

    for (int step = 1; step <= steps; ++step)
        movePointer (x, fromX + (toX - fromX) * step / steps, fromY + (toY - fromY) * step / steps);

    releaseButton (x);
    releaseModifiers (x, modifiers);
}

//==============================================================================
std::vector<WindowId> childrenOf (const Connection& x, WindowId parent)
{
    Window root = None, parentOfParent = None, *children = nullptr;
    unsigned count = 0;
    std::vector<WindowId> result;

    if (XQueryTree (x.display(), parent, &root, &parentOfParent, &children, &count) != 0 && children != nullptr)
    {
        result.assign (children, children + count);
        XFree (children);
    }

    return result;
}

namespace
{
std::string nameOf (const Connection& x, WindowId window)
{
    XTextProperty property {};
    std::string name;

    if (XGetWMName (x.display(), window, &property) != 0 && property.value != nullptr)
    {
        name.assign (reinterpret_cast<const char*> (property.value), property.nitems);
        XFree (property.value);
    }

    return name;
}
} // namespace

WindowId findWindowByName (const Connection& x, const std::string& name, WindowId under)
{
    if (under == 0)
        under = x.root();

    if (nameOf (x, under) == name)
        return under;

    for (auto child : childrenOf (x, under))
        if (const auto found = findWindowByName (x, name, child); found != 0)
            return found;

    return 0;
}

bool waitUntilViewable (const Connection& x, WindowId window, const std::function<void()>& betweenTries, int timeoutMs)
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds (timeoutMs);

    for (;;)
    {
        XWindowAttributes attributes {};

        if (XGetWindowAttributes (x.display(), window, &attributes) != 0 && attributes.map_state == IsViewable)
            return true;

        if (std::chrono::steady_clock::now() > deadline)
            return false;

        if (betweenTries)
            betweenTries();

        std::this_thread::sleep_for (std::chrono::milliseconds (5));
    }
}

Point screenPositionOf (const Connection& x, WindowId window, int windowX, int windowY)
{
    Point p;
    Window child = None;
    XTranslateCoordinates (x.display(), window, x.root(), windowX, windowY, &p.x, &p.y, &child);
    return p;
}

bool Rectangle::contains (const Rectangle& other) const noexcept
{
    return other.x >= x && other.y >= y && other.x + other.width <= x + width && other.y + other.height <= y + height;
}

Rectangle screenBoundsOf (const Connection& x, WindowId window)
{
    XWindowAttributes attributes {};

    if (XGetWindowAttributes (x.display(), window, &attributes) == 0)
        return {};

    const auto at = screenPositionOf (x, window);
    return { at.x, at.y, attributes.width, attributes.height };
}

void requestClose (const Connection& x, WindowId window)
{
    XEvent event {};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = XInternAtom (x.display(), "WM_PROTOCOLS", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = static_cast<long> (XInternAtom (x.display(), "WM_DELETE_WINDOW", False));
    event.xclient.data.l[1] = CurrentTime;
    XSendEvent (x.display(), window, False, NoEventMask, &event);
    x.sync();
}

WindowId createTopLevelWindow (const Connection& x, const std::string& name, int windowX, int windowY, int width, int height)
{
    const auto screen = DefaultScreen (x.display());
    const auto window = XCreateSimpleWindow (x.display(), x.root(), windowX, windowY, (unsigned) width, (unsigned) height,
                                             0, BlackPixel (x.display(), screen), BlackPixel (x.display(), screen));
    XStoreName (x.display(), window, name.c_str());
    XMapWindow (x.display(), window);
    x.sync();
    return window;
}

//==============================================================================
std::array<std::uint8_t, 3> Image::pixel (int x, int y) const
{
    const auto* p = &rgb[(static_cast<size_t> (y) * static_cast<size_t> (width) + static_cast<size_t> (x)) * 3];
    return { p[0], p[1], p[2] };
}

namespace
{
// One colour channel of a pixel value, scaled to 8 bits, by the channel's mask.
std::uint8_t channel (unsigned long pixel, unsigned long mask)
{
    if (mask == 0)
        return 0;

    int shift = 0;
    while (((mask >> shift) & 1) == 0)
        ++shift;

    const auto max = mask >> shift;
    return static_cast<std::uint8_t> (((pixel & mask) >> shift) * 255 / max);
}
} // namespace

Image readPixels (const Connection& x, WindowId window, int areaX, int areaY, int width, int height)
{
    Image image;
    auto* ximage = XGetImage (x.display(), window, areaX, areaY, (unsigned) width, (unsigned) height, AllPlanes, ZPixmap);

    if (ximage == nullptr)
        return image;

    image.width = width;
    image.height = height;
    image.rgb.reserve (static_cast<size_t> (width * height * 3));

    for (int py = 0; py < height; ++py)
    {
        for (int px = 0; px < width; ++px)
        {
            const auto value = XGetPixel (ximage, px, py);
            image.rgb.push_back (channel (value, ximage->red_mask));
            image.rgb.push_back (channel (value, ximage->green_mask));
            image.rgb.push_back (channel (value, ximage->blue_mask));
        }
    }

    XDestroyImage (ximage);
    return image;
}

Image readPixels (const Connection& x, WindowId window)
{
    XWindowAttributes attributes {};
    XGetWindowAttributes (x.display(), window, &attributes);
    return readPixels (x, window, 0, 0, attributes.width, attributes.height);
}
} // namespace quindle::test::x11
