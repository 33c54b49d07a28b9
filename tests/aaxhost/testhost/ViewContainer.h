#pragma once

#include "HostObject.h"

#include "AAX_Enums.h"

#include <vector>

namespace aaxhost
{
    /** The host window that holds the editor (three versions): answers its type, native view
        and modifier keys from state, and records the view sizes and the parameter mouse events
        the plug-in sends. */
    class ViewContainer : public HostObject
    {
    public:
        ViewContainer (Host& host, Versions offered);
        ~ViewContainer() override;

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
        std::vector<AAX_Point> mViewSizes;
        std::vector<MouseEvent> mMouseEvents;
    };
} // namespace aaxhost
