#include "tests/aaxhost/testhost/Instance.h"

#include "tests/aaxhost/testhost/AutomationDelegate.h"
#include "tests/aaxhost/testhost/ComponentFactory.h"
#include "tests/aaxhost/testhost/Controller.h"
#include "tests/aaxhost/testhost/Host.h"
#include "tests/aaxhost/testhost/PageTable.h"
#include "tests/aaxhost/testhost/PageTableController.h"
#include "tests/aaxhost/testhost/Router.h"
#include "tests/aaxhost/testhost/Transport.h"
#include "tests/aaxhost/testhost/ViewContainer.h"

#include "AAX_IACFEffectGUI.h"
#include "AAX_IACFEffectParameters.h"
#include "AAX_UIDs.h"

#include <utility>

namespace quindle::test::aaxhost
{
    /** The instance's unknown: the run-time objects, and the attached data-model object for
        queries of its interfaces (the GUI object finds its data model this way). */
    class Instance::Unknown final : public Router
    {
    public:
        Unknown (Host& host, const Instance& instance) : Router (host, "InstanceUnknown"), mInstance (instance) {}

    private:
        ACFRESULT queryFurther (const acfIID& iid, void** out) override
        {
            const bool dataModelID = iid == IID_IAAXEffectParametersV1 || iid == IID_IAAXEffectParametersV2
                                  || iid == IID_IAAXEffectParametersV3 || iid == IID_IAAXEffectParametersV4;

            if (dataModelID && mInstance.effect() != nullptr)
                return mInstance.effect()->QueryInterface (iid, out);

            return ACF_E_NOINTERFACE;
        }

        const Instance& mInstance;
    };

    Instance::Instance (Host& host, InstanceOptions options)
        : mHost (host),
          mUnknown (&host.make<Unknown> (*this)),
          mController (&host.make<Controller> (options.controller)),
          mPageTableController (&host.make<PageTableController> (options.pageTableController)),
          mAutomation (&host.make<AutomationDelegate> (options.automationDelegate)),
          mTransport (&host.make<Transport> (options.transport)),
          mViewContainer (&host.make<ViewContainer> (options.viewContainer))
    {
        mUnknown->alsoAsk (*mController);
        mUnknown->alsoAsk (*mPageTableController);
        mUnknown->alsoAsk (*mAutomation);
        mUnknown->alsoAsk (*mTransport);
        if (options.componentFactory)
            mUnknown->alsoAsk (host.factory());
    }

    Instance::~Instance()
    {
        if (mGUI != nullptr)
            uninitializeGUI();
        if (mEffect != nullptr)
            uninitialize();
    }

    IACFUnknown* Instance::unknown() const noexcept
    {
        return mUnknown->unknown();
    }

    HostObject& Instance::instanceUnknown() const noexcept
    {
        return *mUnknown;
    }

    namespace
    {
        /** The host's reference on a plug-in object: queries iid into held, which must be empty. */
        template <class Interface>
        AAX_Result takeReference (IACFUnknown* object, const acfIID& iid, Interface*& held)
        {
            if (object == nullptr || held != nullptr)
                return AAX_ERROR_INVALID_ARGUMENT;

            void* iface = nullptr;
            const ACFRESULT queried = object->QueryInterface (iid, &iface);
            if (queried != ACF_OK || iface == nullptr)
                return queried != ACF_OK ? queried : AAX_Result { AAX_ERROR_NULL_OBJECT };

            held = static_cast<Interface*> (iface);
            return AAX_SUCCESS;
        }
    }

    AAX_Result Instance::initialize (IACFUnknown* dataModel)
    {
        const AAX_Result taken = takeReference (dataModel, IID_IAAXEffectParametersV1, mEffect);
        if (taken != AAX_SUCCESS)
            return taken;

        mAutomation->attach (mEffect);
        return mEffect->Initialize (unknown());
    }

    AAX_Result Instance::uninitialize()
    {
        if (mEffect == nullptr)
            return AAX_ERROR_NOT_INITIALIZED;

        const AAX_Result result = mEffect->Uninitialize();
        mAutomation->attach (nullptr);
        std::exchange (mEffect, nullptr)->Release();
        return result;
    }

    AAX_Result Instance::initializeGUI (IACFUnknown* guiObject)
    {
        const AAX_Result taken = takeReference (guiObject, IID_IAAXEffectGUIV1, mGUI);
        return taken != AAX_SUCCESS ? taken : mGUI->Initialize (unknown());
    }

    AAX_Result Instance::openView()
    {
        if (mGUI == nullptr)
            return AAX_ERROR_NOT_INITIALIZED;

        mViewOpen = true;
        return mGUI->SetViewContainer (mViewContainer->unknown());
    }

    AAX_Result Instance::openViewIn (NativeWindow& window)
    {
        mViewContainer->showIn (&window);
        const AAX_Result opened = openView();
        if (opened != AAX_SUCCESS)
            return opened;

        // A GUI object may build its contents only once it has a view, so the window takes the
        // GUI's size after the view is open.
        AAX_Point size { 0.0f, 0.0f };
        const AAX_Result sized = mGUI->GetViewSize (&size);
        if (sized == AAX_SUCCESS)
            window.resize (static_cast<int> (size.horz), static_cast<int> (size.vert));

        return sized;
    }

    AAX_Result Instance::timerWakeup()
    {
        return mGUI != nullptr ? mGUI->TimerWakeup() : AAX_ERROR_NOT_INITIALIZED;
    }

    AAX_Result Instance::closeView()
    {
        if (mGUI == nullptr)
            return AAX_ERROR_NOT_INITIALIZED;

        mViewOpen = false;
        const AAX_Result result = mGUI->SetViewContainer (nullptr);
        mViewContainer->showIn (nullptr);   // the host's window may go now
        return result;
    }

    AAX_Result Instance::uninitializeGUI()
    {
        if (mGUI == nullptr)
            return AAX_ERROR_NOT_INITIALIZED;

        if (mViewOpen)
            closeView();

        const AAX_Result result = mGUI->Uninitialize();
        std::exchange (mGUI, nullptr)->Release();
        return result;
    }

    Instance::PageTableUpdate Instance::updatePageTable (uint32_t tableType, int32_t tablePageSize)
    {
        auto& table = mHost.make<PageTable> (mHost.options().pageTable);

        void* effect = nullptr;
        if (mEffect == nullptr || mEffect->QueryInterface (IID_IAAXEffectParametersV4, &effect) != ACF_OK || effect == nullptr)
            return { AAX_ERROR_NOT_INITIALIZED, &table };

        auto* v4 = static_cast<AAX_IACFEffectParameters_V4*> (effect);
        const AAX_Result result = v4->UpdatePageTable (tableType, tablePageSize, unknown(), table.unknown());
        v4->Release();
        return { result, &table };
    }
} // namespace quindle::test::aaxhost
