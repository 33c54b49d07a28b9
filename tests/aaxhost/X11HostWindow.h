#pragma once

#include "tests/common/x11/X11TestSupport.h"
#include "tests/aaxhost/testhost/ViewContainer.h"

#include <string>
#include <vector>

namespace quindle::test::aaxhost
{
    /** A top-level X11 window of the test host's that it hands to the plug-in as the view's
        native view, as an AAX host hands over its plug-in window: made on the test's own
        connection, resized whenever the plug-in asks for another view size, destroyed with this
        object. The host takes the view away before the window goes (Instance::closeView): the
        plug-in's window inside it must go first. */
    class X11HostWindow final : public NativeWindow
    {
    public:
        /** A window named `name` at (left, top) of the screen, mapped, 1 x 1 until the host sizes it. */
        X11HostWindow (const x11::Connection& connection, const std::string& name, int left, int top);
        ~X11HostWindow() override;

        X11HostWindow (const X11HostWindow&) = delete;
        X11HostWindow& operator= (const X11HostWindow&) = delete;

        void* nativeView() const override;
        /** Resizes the window and returns once the server has done it. */
        void resize (int width, int height) override;

        x11::WindowId id() const noexcept { return window; }

    private:
        const x11::Connection& x;
        const x11::WindowId window;
    };

    /** While it lives, X errors of every connection of the process (the plug-in's included) are
        collected here instead of ending the process, as a toolkit host's own handler does. */
    class X11ErrorLog
    {
    public:
        X11ErrorLog();
        ~X11ErrorLog();

        X11ErrorLog (const X11ErrorLog&) = delete;
        X11ErrorLog& operator= (const X11ErrorLog&) = delete;

        /** One line per error so far: its text and the request that failed. */
        std::vector<std::string> errors() const;
    };

    /** Makes the atoms that a desktop's window manager brings to its server and a bare Xvfb
        lacks: JUCE's plug-in windows use WM_PROTOCOLS and WM_STATE without checking that they
        exist, which on a bare server raises X errors. The server keeps them while the
        connection stays open (it forgets everything when its last client goes). */
    void makeWindowManagerAtoms (const x11::Connection&);

    struct WindowSize
    {
        int width = 0, height = 0;
    };

    /** A window's size as the server has it. */
    WindowSize sizeOf (const x11::Connection&, x11::WindowId);
} // namespace quindle::test::aaxhost
