// The X11 test support against a server of its own: a window made by one client is found, waited
// for, clicked with a modifier held and read back by another, as a test does with a toolkit's window.

#include "tests/common/x11/X11TestSupport.h"

#include <gtest/gtest.h>

#include <vector>

// After GoogleTest, whose names Xlib's macros (None, Bool) would otherwise replace.
#include <X11/Xlib.h>

namespace quindle::test::x11
{
namespace
{
std::vector<XEvent> pendingEvents (const Connection& x)
{
    x.sync();
    std::vector<XEvent> events;

    while (XPending (x.display()) > 0)
    {
        XEvent event {};
        XNextEvent (x.display(), &event);
        events.push_back (event);
    }

    return events;
}
} // namespace

TEST (X11TestSupport, AnotherClientsWindowIsFoundClickedWithAltHeldAndReadBack)
{
    const VirtualServer server (640, 480);
    const Connection application (server.displayName().c_str());
    const Connection test (server.displayName().c_str());

    const auto window = createTopLevelWindow (application, "support check", 40, 30, 200, 100);
    XSelectInput (application.display(), window, ButtonPressMask | ButtonReleaseMask | KeyPressMask | KeyReleaseMask);

    // A white band across the top half of the black window.
    const auto gc = XCreateGC (application.display(), window, 0, nullptr);
    XSetForeground (application.display(), gc, WhitePixel (application.display(), DefaultScreen (application.display())));
    XFillRectangle (application.display(), window, gc, 0, 0, 200, 50);
    XFreeGC (application.display(), gc);
    application.sync();

    ASSERT_EQ (findWindowByName (test, "support check"), window);
    EXPECT_EQ (findWindowByName (test, "no such window"), WindowId { 0 });
    ASSERT_TRUE (waitUntilViewable (test, window));

    const auto at = screenPositionOf (test, window, 10, 20);
    EXPECT_EQ (at.x, 50);
    EXPECT_EQ (at.y, 50);

    click (test, at.x, at.y, alt);
    const auto events = pendingEvents (application);

    std::vector<int> types;
    for (const auto& e : events)
        types.push_back (e.type);

    ASSERT_EQ (types, (std::vector<int> { KeyPress, ButtonPress, ButtonRelease, KeyRelease }));
    EXPECT_EQ (events[1].xbutton.x, 10);
    EXPECT_EQ (events[1].xbutton.y, 20);
    EXPECT_EQ (events[1].xbutton.state & Mod1Mask, (unsigned) Mod1Mask) << "Alt is held during the press";
    EXPECT_EQ (events[2].xbutton.state & Button1Mask, (unsigned) Button1Mask) << "a release reports the button held before it";

    const auto image = readPixels (test, window);
    ASSERT_EQ (image.width, 200);
    ASSERT_EQ (image.height, 100);
    EXPECT_EQ (image.pixel (100, 10), (std::array<std::uint8_t, 3> { 255, 255, 255 }));
    EXPECT_EQ (image.pixel (100, 90), (std::array<std::uint8_t, 3> { 0, 0, 0 }));
}
} // namespace quindle::test::x11
