#pragma once

#include "AAX_IParameter.h"

#include <map>
#include <string>
#include <vector>

class AAX_IAutomationDelegate;

/** Owns an instance's parameters in insertion order and finds them by ID. No lock: parameters
    are added only during EffectInit and removed only while no other call is under way. */
class AAX_CParameterManager
{
public:
    AAX_CParameterManager();
    ~AAX_CParameterManager();

    AAX_CParameterManager (const AAX_CParameterManager&) = delete;
    AAX_CParameterManager& operator= (const AAX_CParameterManager&) = delete;

    /** The automation delegate that every parameter added from now on registers with. */
    void Initialize (AAX_IAutomationDelegate* iAutomationDelegatePtr);

    int32_t NumParameters() const;
    /** Takes ownership of param; a null param or one whose ID is already managed is ignored and
        stays with the caller. */
    void AddParameter (AAX_IParameter* param);
    /** Deletes every parameter. */
    void RemoveAllParameters();

    AAX_IParameter* GetParameterByID (AAX_CParamID identifier);
    const AAX_IParameter* GetParameterByID (AAX_CParamID identifier) const;
    /** The parameter at index in insertion order, or null. */
    AAX_IParameter* GetParameter (int32_t index);
    const AAX_IParameter* GetParameter (int32_t index) const;

private:
    AAX_IAutomationDelegate* mAutomationDelegate = nullptr;
    std::vector<AAX_IParameter*> mParameters;
    std::map<std::string, AAX_IParameter*> mParametersMap;
};
