#include "tests/aaxhost/X11HostWindow.h"

#include <X11/Xlib.h>

#include <cstdint>
#include <mutex>

namespace quindle::test::aaxhost
{
    X11HostWindow::X11HostWindow (const x11::Connection& connection, const std::string& name, int left, int top)
        : x (connection), window (x11::createTopLevelWindow (connection, name, left, top, 1, 1))
    {
    }

    X11HostWindow::~X11HostWindow()
    {
        XDestroyWindow (x.display(), window);
        x.sync();
    }

    void* X11HostWindow::nativeView() const
    {
        return reinterpret_cast<void*> (static_cast<std::uintptr_t> (window));
    }

    void X11HostWindow::resize (int width, int height)
    {
        XResizeWindow (x.display(), window, static_cast<unsigned> (width), static_cast<unsigned> (height));
        x.sync();
    }

    namespace
    {
        std::mutex errorsMutex;
        std::vector<std::string> collectedErrors;
        XErrorHandler previousHandler = nullptr;

        int collectError (Display* display, XErrorEvent* event)
        {
            char text[128] {};
            XGetErrorText (display, event->error_code, text, sizeof (text));
            const std::lock_guard<std::mutex> lock (errorsMutex);
            collectedErrors.push_back (std::string (text) + " (request " + std::to_string (event->request_code) + ")");
            return 0;
        }
    }

    X11ErrorLog::X11ErrorLog()
    {
        const std::lock_guard<std::mutex> lock (errorsMutex);
        collectedErrors.clear();
        previousHandler = XSetErrorHandler (&collectError);
    }

    X11ErrorLog::~X11ErrorLog()
    {
        XSetErrorHandler (previousHandler);
    }

    std::vector<std::string> X11ErrorLog::errors() const
    {
        const std::lock_guard<std::mutex> lock (errorsMutex);
        return collectedErrors;
    }

    void makeWindowManagerAtoms (const x11::Connection& x)
    {
        for (const char* name : { "WM_PROTOCOLS", "WM_STATE" })
            XInternAtom (x.display(), name, False);

        x.sync();
    }

    WindowSize sizeOf (const x11::Connection& x, x11::WindowId window)
    {
        XWindowAttributes attributes {};
        XGetWindowAttributes (x.display(), window, &attributes);
        return { attributes.width, attributes.height };
    }
} // namespace quindle::test::aaxhost
