#pragma once

#include "tests/aaxhost/testhost/Versions.h"

#include "AAX_ACF.h"
#include "AAX_Errors.h"

class AAX_IACFEffectGUI;
class AAX_IACFEffectParameters;

namespace quindle::test::aaxhost
{
    class AutomationDelegate;
    class Controller;
    class Host;
    class HostObject;
    class NativeWindow;
    class PageTable;
    class PageTableController;
    class Transport;
    class ViewContainer;

    /** Which versions the run-time host interfaces of one instance offer. */
    struct InstanceOptions
    {
        Versions controller = Versions::all();
        Versions pageTableController = Versions::all();
        Versions automationDelegate = Versions::all();
        Versions transport = Versions::all();
        Versions viewContainer = Versions::all();
        /** Whether the instance's unknown also answers for the host's component factory. */
        bool componentFactory = true;
    };

    /** One plug-in instance as the host runs it: the unknown that the data-model and GUI objects
        are initialised with (it answers the controller, page-table controller, automation
        delegate, transport, the host's component factory and, once a data-model object is
        attached, that object's interfaces), and the host's side of the instance's life:
        initialise, open and close the view, update page tables, uninitialise. The objects
        belong to the Host, so their records outlive the instance. */
    class Instance
    {
    public:
        explicit Instance (Host& host, InstanceOptions options = {});
        /** Closes the view and uninitialises and releases what the instance still holds. */
        ~Instance();

        Instance (const Instance&) = delete;
        Instance& operator= (const Instance&) = delete;

        Host& host() const noexcept { return mHost; }
        /** The unknown to hand to Initialize; no reference is taken for the caller. */
        IACFUnknown* unknown() const noexcept;
        HostObject& instanceUnknown() const noexcept;

        Controller& controller() const noexcept { return *mController; }
        PageTableController& pageTableController() const noexcept { return *mPageTableController; }
        AutomationDelegate& automation() const noexcept { return *mAutomation; }
        Transport& transport() const noexcept { return *mTransport; }
        ViewContainer& viewContainer() const noexcept { return *mViewContainer; }

        /** Takes the host's reference on a new data-model object (a creation procedure's
            result) through IID_IAAXEffectParametersV1, attaches it to the automation delegate
            and calls its Initialize with unknown(). Returns the query's failure or Initialize's
            result. */
        AAX_Result initialize (IACFUnknown* dataModel);
        AAX_IACFEffectParameters* effect() const noexcept { return mEffect; }
        /** Calls Uninitialize and releases the host's reference; returns Uninitialize's result. */
        AAX_Result uninitialize();

        /** The same for a GUI object (IID_IAAXEffectGUIV1). */
        AAX_Result initializeGUI (IACFUnknown* guiObject);
        AAX_IACFEffectGUI* gui() const noexcept { return mGUI; }
        /** Hands the GUI object the view container, as the host does when the window opens. */
        AAX_Result openView();
        /** Opens the view in a real window of the host's, as a host does: the window becomes the
            view's native view, then takes the size the GUI object answers (GetViewSize). */
        AAX_Result openViewIn (NativeWindow& window);
        /** The host's periodic call on its GUI thread while the GUI object lives. */
        AAX_Result timerWakeup();
        /** Takes the view container away (SetViewContainer with null) and with it any window
            of the host's. */
        AAX_Result closeView();
        AAX_Result uninitializeGUI();

        struct PageTableUpdate
        {
            AAX_Result result;
            PageTable* table;   // the host table the plug-in was asked to fill
        };
        /** Asks the data-model object (fourth version) to fill a fresh host page table. */
        PageTableUpdate updatePageTable (uint32_t tableType, int32_t tablePageSize);

    private:
        class Unknown;

        Host& mHost;
        Unknown* mUnknown;
        Controller* mController;
        PageTableController* mPageTableController;
        AutomationDelegate* mAutomation;
        Transport* mTransport;
        ViewContainer* mViewContainer;

        AAX_IACFEffectParameters* mEffect = nullptr;
        AAX_IACFEffectGUI* mGUI = nullptr;
        bool mViewOpen = false;
    };
} // namespace quindle::test::aaxhost
