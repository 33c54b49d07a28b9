#include "tests/aaxhost/testhost/ViewContainer.h"

#include "AAX_IACFViewContainer.h"
#include "AAX_UIDs.h"

namespace quindle::test::aaxhost
{
    class ViewContainer::Interface final : public Facet<AAX_IACFViewContainer_V3, ViewContainer>
    {
    public:
        using Facet::Facet;

        int32_t GetType() override
        {
            call ("GetType");
            return owner().state.type;
        }

        void* GetPtr() override
        {
            call ("GetPtr");
            return owner().state.nativeView;
        }

        AAX_Result GetModifiers (uint32_t* out) override { return reply ("GetModifiers", out, owner().state.modifiers); }

        AAX_Result SetViewSize (AAX_Point& size) override
        {
            const AAX_Result result = change ("SetViewSize", [&] { owner().mViewSizes.push_back (size); });

            if (result == AAX_SUCCESS && owner().mWindow != nullptr)
                owner().mWindow->resize (static_cast<int> (size.horz), static_cast<int> (size.vert));

            return result;
        }

        AAX_Result HandleParameterMouseDown (AAX_CParamID id, uint32_t modifiers) override { return mouse ("HandleParameterMouseDown", &id, 1, modifiers); }
        AAX_Result HandleParameterMouseDrag (AAX_CParamID id, uint32_t modifiers) override { return mouse ("HandleParameterMouseDrag", &id, 1, modifiers); }
        AAX_Result HandleParameterMouseUp (AAX_CParamID id, uint32_t modifiers) override { return mouse ("HandleParameterMouseUp", &id, 1, modifiers); }

        AAX_Result HandleMultipleParametersMouseDown (const AAX_CParamID* ids, uint32_t count, uint32_t modifiers) override
        {
            return mouse ("HandleMultipleParametersMouseDown", ids, count, modifiers);
        }

        AAX_Result HandleMultipleParametersMouseDrag (const AAX_CParamID* ids, uint32_t count, uint32_t modifiers) override
        {
            return mouse ("HandleMultipleParametersMouseDrag", ids, count, modifiers);
        }

        AAX_Result HandleMultipleParametersMouseUp (const AAX_CParamID* ids, uint32_t count, uint32_t modifiers) override
        {
            return mouse ("HandleMultipleParametersMouseUp", ids, count, modifiers);
        }

        AAX_Result HandleParameterMouseEnter (AAX_CParamID id, uint32_t modifiers) override { return mouse ("HandleParameterMouseEnter", &id, 1, modifiers); }
        AAX_Result HandleParameterMouseExit (AAX_CParamID id, uint32_t modifiers) override { return mouse ("HandleParameterMouseExit", &id, 1, modifiers); }

    private:
        AAX_Result mouse (const char* operation, const AAX_CParamID* ids, uint32_t count, uint32_t modifiers)
        {
            if (ids == nullptr && count != 0)
                return owner().nullArgument (operation);

            return change (operation, [&] {
                MouseEvent event { operation, {}, modifiers };
                for (uint32_t i = 0; i < count; ++i)
                    event.parameterIDs.push_back (textOf (ids[i]));
                owner().mMouseEvents.push_back (std::move (event));
            });
        }
    };

    ViewContainer::ViewContainer (Host& host, Versions offered)
        : HostObject (host, "ViewContainer", offered)
    {
        offerFacets (*this, mFacets, { IID_IAAXViewContainerV1, IID_IAAXViewContainerV2, IID_IAAXViewContainerV3 });
    }

    ViewContainer::~ViewContainer() = default;

    void ViewContainer::showIn (NativeWindow* window)
    {
        mWindow = window;
        state.type = window != nullptr ? AAX_eViewContainer_Type_HWND : AAX_eViewContainer_Type_NULL;
        state.nativeView = window != nullptr ? window->nativeView() : nullptr;
    }

    std::vector<AAX_Point> ViewContainer::viewSizes() const
    {
        const std::lock_guard<std::mutex> lock (mMutex);
        return mViewSizes;
    }

    std::vector<ViewContainer::MouseEvent> ViewContainer::mouseEvents() const
    {
        const std::lock_guard<std::mutex> lock (mMutex);
        return mMouseEvents;
    }
} // namespace quindle::test::aaxhost
