#include "AAX_CEffectGUI.h"

#include "AAX_CString.h"
#include "AAX_Errors.h"
#include "AAX_IEffectParameters.h"
#include "AAX_UIDs.h"
#include "AAX_VController.h"
#include "AAX_VTransport.h"
#include "AAX_VViewContainer.h"

#include <atomic>
#include <utility>

namespace
{
    std::atomic<AAX_CEffectGUI::TimerWakeupHook> sTimerWakeupHook { nullptr };
}

AAX_CEffectGUI::AAX_CEffectGUI() = default;

AAX_CEffectGUI::~AAX_CEffectGUI()
{
    // The derived class is gone by now, so an attached view cannot be detached from here: the
    // host takes the view away (SetViewContainer (null) or Uninitialize) before it destroys us.
    ReleaseEffectParameters();
}

//==============================================================================
AAX_Result AAX_CEffectGUI::Initialize (IACFUnknown* iController)
{
    // As the data model does: the contents built by the first Initialize belong to the first
    // data model, so the GUI is not linked to another one under them.
    if (mController != nullptr)
        return kAAX_Result_AlreadyInitialized;

    mController = std::make_unique<AAX_VController> (iController);

    if (iController == nullptr)
        return AAX_ERROR_NOT_INITIALIZED;

    // The host's unknown answers for the instance's data-model object, which lives in this
    // bundle; without one the GUI simply has no parameters to follow.
    void* effectParameters = nullptr;

    if (ACFSUCCEEDED (iController->QueryInterface (IID_IAAXEffectParametersV1, &effectParameters)))
        mEffectParameters = static_cast<AAX_IEffectParameters*> (static_cast<AAX_IACFEffectParameters*> (effectParameters));

    mTransport = std::make_unique<AAX_VTransport> (iController);

    CreateViewContents();
    return AAX_SUCCESS;
}

AAX_Result AAX_CEffectGUI::Uninitialize()
{
    if (mViewContainer != nullptr)
        SetViewContainer (nullptr);

    ReleaseEffectParameters();
    mController.reset();
    mTransport.reset();
    return AAX_SUCCESS;
}

AAX_Result AAX_CEffectGUI::NotificationReceived (AAX_CTypeID, const void*, uint32_t)
{
    return AAX_SUCCESS;
}

AAX_Result AAX_CEffectGUI::SetViewContainer (IACFUnknown* iViewContainer)
{
    if (iViewContainer == nullptr)
    {
        DeleteViewContainer();
        mViewContainer.reset();
        return AAX_SUCCESS;
    }

    // A new view replaces the old one outright: the derived class attaches to the new view in
    // CreateViewContainer, so it is not told to detach from the old one first.
    mViewContainer = std::make_unique<AAX_VViewContainer> (iViewContainer);
    CreateViewContainer();
    UpdateAllParameters();
    return AAX_SUCCESS;
}

AAX_Result AAX_CEffectGUI::GetViewSize (AAX_Point*) const
{
    return AAX_SUCCESS;
}

AAX_Result AAX_CEffectGUI::Draw (AAX_Rect*)
{
    return AAX_SUCCESS;
}

AAX_Result AAX_CEffectGUI::TimerWakeup()
{
    if (const auto hook = sTimerWakeupHook.load())
        hook();

    return AAX_SUCCESS;
}

AAX_Result AAX_CEffectGUI::ParameterUpdated (AAX_CParamID)
{
    return AAX_SUCCESS;
}

AAX_Result AAX_CEffectGUI::GetCustomLabel (AAX_EPlugInStrings, AAX_IString*) const
{
    return AAX_ERROR_NULL_OBJECT;
}

AAX_Result AAX_CEffectGUI::SetControlHighlightInfo (AAX_CParamID, AAX_CBoolean, AAX_EHighlightColor)
{
    return AAX_SUCCESS;
}

//==============================================================================
void AAX_CEffectGUI::UpdateAllParameters()
{
    if (mEffectParameters == nullptr)
        return;

    int32_t numParameters = 0;

    if (mEffectParameters->GetNumberOfParameters (&numParameters) != AAX_SUCCESS || numParameters < 0)
        return;

    for (int32_t index = 0; index < numParameters; ++index)
    {
        AAX_CString parameterID;

        if (mEffectParameters->GetParameterIDFromIndex (index, &parameterID) == AAX_SUCCESS)
            ParameterUpdated (parameterID.Get());
    }
}

AAX_IViewContainer* AAX_CEffectGUI::GetViewContainer()
{
    return mViewContainer.get();
}

const AAX_IViewContainer* AAX_CEffectGUI::GetViewContainer() const
{
    return mViewContainer.get();
}

int32_t AAX_CEffectGUI::GetViewContainerType()
{
    return mViewContainer != nullptr ? mViewContainer->GetType() : AAX_eViewContainer_Type_NULL;
}

void* AAX_CEffectGUI::GetViewContainerPtr()
{
    return mViewContainer != nullptr ? mViewContainer->GetPtr() : nullptr;
}

AAX_IEffectParameters* AAX_CEffectGUI::GetEffectParameters()
{
    return mEffectParameters;
}

const AAX_IEffectParameters* AAX_CEffectGUI::GetEffectParameters() const
{
    return mEffectParameters;
}

void AAX_CEffectGUI::SetTimerWakeupHook (TimerWakeupHook hook) noexcept
{
    sTimerWakeupHook.store (hook);
}

void AAX_CEffectGUI::ReleaseEffectParameters()
{
    if (auto* effectParameters = std::exchange (mEffectParameters, nullptr))
        effectParameters->Release();
}
