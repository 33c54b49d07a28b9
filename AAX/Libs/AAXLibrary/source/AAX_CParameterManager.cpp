#include "AAX_CParameterManager.h"

#include <utility>

AAX_CParameterManager::AAX_CParameterManager() = default;

AAX_CParameterManager::~AAX_CParameterManager()
{
    RemoveAllParameters();
}

void AAX_CParameterManager::Initialize (AAX_IAutomationDelegate* iAutomationDelegatePtr)
{
    mAutomationDelegate = iAutomationDelegatePtr;
}

int32_t AAX_CParameterManager::NumParameters() const
{
    return static_cast<int32_t> (mParameters.size());
}

void AAX_CParameterManager::AddParameter (AAX_IParameter* param)
{
    if (param == nullptr || param->Identifier() == nullptr || GetParameterByID (param->Identifier()) != nullptr)
        return;

    param->SetAutomationDelegate (mAutomationDelegate);
    mParameters.push_back (param);
    mParametersMap.emplace (param->Identifier(), param);
}

void AAX_CParameterManager::RemoveAllParameters()
{
    // Unfiled first, so that no lookup finds a parameter being deleted.
    std::vector<AAX_IParameter*> parameters;
    parameters.swap (mParameters);
    mParametersMap.clear();

    for (auto* parameter : parameters)
        delete parameter;
}

AAX_IParameter* AAX_CParameterManager::GetParameterByID (AAX_CParamID identifier)
{
    return const_cast<AAX_IParameter*> (std::as_const (*this).GetParameterByID (identifier));
}

const AAX_IParameter* AAX_CParameterManager::GetParameterByID (AAX_CParamID identifier) const
{
    if (identifier == nullptr)
        return nullptr;

    const auto found = mParametersMap.find (identifier);
    return found != mParametersMap.end() ? found->second : nullptr;
}

AAX_IParameter* AAX_CParameterManager::GetParameter (int32_t index)
{
    return const_cast<AAX_IParameter*> (std::as_const (*this).GetParameter (index));
}

const AAX_IParameter* AAX_CParameterManager::GetParameter (int32_t index) const
{
    if (index < 0 || index >= NumParameters())
        return nullptr;

    return mParameters[static_cast<size_t> (index)];
}
