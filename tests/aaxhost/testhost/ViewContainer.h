#pragma once

#include "tests/aaxhost/testhost/HostObject.h"

#include "AAX_Enums.h"

#include <vector>

namespace quindle::test::aaxhost
{
    /** A real window of the host's for the plug-in's view: the native view handed out (an X11
        window on Linux) and what the host does when the plug-in asks for another size. */
    class NativeWindow
    {
    public:
        virtual ~NativeWindow() = default;
        virtual void* nativeView() const = 0;
        virtual void resize (int width, int height) = 0;
    };

    /** The host window that holds the editor (three versions): answers its type, native view
        and modifier keys from state, and records the view sizes and the parameter mouse events
        the plug-in sends. */
    class ViewContainer : public HostObject
    {
    public:
        ViewContainer (Host& host, Versions offered);
        ~ViewContainer() override;

        /** Offers window as the native view (type HWND, the window's handle), and resizes it to
            every view size the plug-in asks for; null goes back to no native view. The window
            must outlive its use here. */
        void showIn (NativeWindow* window);

        struct State
        {
            int32_t type = AAX_eViewContainer_Type_NULL;
            void* nativeView = nullptr;
            uint32_t modifiers = AAX_eModifiers_None;
        };

        /** What the host answers; set by the test. */
        State state;

        struct MouseEvent
        {
            std::string operation;                  // "HandleParameterMouseDown", ...
            std::vector<std::string> parameterIDs;
            uint32_t modifiers;
        };

        std::vector<AAX_Point> viewSizes() const;
        std::vector<MouseEvent> mouseEvents() const;

    private:
        class Interface;
        std::vector<std::unique_ptr<Interface>> mFacets;
        NativeWindow* mWindow = nullptr;
        std::vector<AAX_Point> mViewSizes;
        std::vector<MouseEvent> mMouseEvents;
    };
} // namespace quindle::test::aaxhost
