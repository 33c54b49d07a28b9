#pragma once

#include "AAX_IEffectGUI.h"
#include "AAX_IViewContainer.h"

#include <memory>

class AAX_IEffectParameters;
class AAX_VController;
class AAX_VTransport;
class AAX_VViewContainer;

/** The GUI object of one instance as the host sees it: links to the instance's data-model
    object, keeps the controller, transport and view-container wrappers and tells the derived
    class when to build its contents and when to attach them to or detach them from the host's
    view. Runs on the thread the host calls it on; takes no lock. */
class AAX_CEffectGUI : public AAX_IEffectGUI
{
public:
    AAX_CEffectGUI();
    ~AAX_CEffectGUI() override;

    AAX_CEffectGUI (const AAX_CEffectGUI&) = delete;
    AAX_CEffectGUI& operator= (const AAX_CEffectGUI&) = delete;

    // The host interface, in vtable order.

    /** Once until Uninitialize: a second Initialize is refused with
        kAAX_Result_AlreadyInitialized and changes nothing. */
    AAX_Result Initialize (IACFUnknown* iController) override;
    AAX_Result Uninitialize() override;
    AAX_Result NotificationReceived (AAX_CTypeID inNotificationType, const void* inNotificationData,
                                     uint32_t inNotificationDataSize) override;
    AAX_Result SetViewContainer (IACFUnknown* iViewContainer) override;
    AAX_Result GetViewSize (AAX_Point* oViewSize) const override;
    AAX_Result Draw (AAX_Rect* iDrawRect) override;
    AAX_Result TimerWakeup() override;
    AAX_Result ParameterUpdated (AAX_CParamID inParamID) override;
    AAX_Result GetCustomLabel (AAX_EPlugInStrings iSelector, AAX_IString* oString) const override;
    AAX_Result SetControlHighlightInfo (AAX_CParamID iParameterID, AAX_CBoolean iIsHighlighted,
                                        AAX_EHighlightColor iColor) override;

    // For the derived class, after the host interface in vtable order.

    /** Builds the GUI's contents; called by Initialize. */
    virtual void CreateViewContents() = 0;
    /** Attaches the contents to the host's view; called when the host hands over a view. */
    virtual void CreateViewContainer() = 0;
    /** Detaches the contents from the host's view; called before the view goes away. */
    virtual void DeleteViewContainer() = 0;
    /** Calls ParameterUpdated for every parameter of the data model, in index order. */
    virtual void UpdateAllParameters();

    AAX_IViewContainer* GetViewContainer();
    const AAX_IViewContainer* GetViewContainer() const;
    /** The view's AAX_EViewContainer_Type, or 0 without a view. */
    int32_t GetViewContainerType();
    /** The native view, or null without a view. */
    void* GetViewContainerPtr();
    AAX_IEffectParameters* GetEffectParameters();
    const AAX_IEffectParameters* GetEffectParameters() const;

    /** What TimerWakeup runs besides answering 0. The host calls TimerWakeup periodically on
        its GUI thread; where no run loop of the host's delivers the plug-in framework's
        events (Linux), the bundle names here what delivers them. One hook per process, null
        (the default) for none; set it before the host can call TimerWakeup. */
    using TimerWakeupHook = void (*)();
    static void SetTimerWakeupHook (TimerWakeupHook hook) noexcept;

private:
    void ReleaseEffectParameters();

    std::unique_ptr<AAX_VController> mController;
    AAX_IEffectParameters* mEffectParameters = nullptr;   // one reference held
    std::unique_ptr<AAX_VViewContainer> mViewContainer;
    std::unique_ptr<AAX_VTransport> mTransport;
};
