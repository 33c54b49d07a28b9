#pragma once

// A data-model object built on the library's effect base the way the framework's wrapper builds
// its own: EffectInit mirrors a list of parameters as AAX_CParameter<float> (unit linear taper,
// three decimals, a short name of 4 characters, steps, type and orientation) and ties the master
// bypass to a packet on field 3. With the test host's Instance around it, it is one plug-in
// instance as the host sees it.

#include "AAX_CEffectParameters.h"
#include "AAX_CLinearTaperDelegate.h"
#include "AAX_CNumberDisplayDelegate.h"
#include "tests/aaxhost/testhost/TestHost.h"

#include <memory>
#include <string>
#include <vector>

namespace quindle::test::aax
{
    struct ParameterDefinition
    {
        std::string id;
        std::string name;
        float defaultValue = 0.0f;
        uint32_t numSteps = 2048;
        bool discrete = false;
        bool inverted = false;
    };

    /** Quindle's 13 parameters in index order, then the wrapper's own master bypass. */
    inline std::vector<ParameterDefinition> quindleParameters()
    {
        return {
            { "Input M/S", "Input M/S", 0.0f, 3, true },
            { "L Enabled", "L Enabled", 1.0f, 2, true },
            { "R Enabled", "R Enabled", 1.0f, 2, true },
            { "Phase Flip L", "Phase Flip L", 0.0f, 2, true },
            { "Phase Flip R", "Phase Flip R", 0.0f, 2, true },
            { "Stereo Swap", "Stereo Swap", 0.0f, 2, true },
            { "Input Mono", "Input Mono", 0.0f, 2, true },
            { "Balance", "Balance", 0.5f, 2048, false },
            { "Stereo Pan", "Stereo Pan", 0.0f, 2, true },
            { "Width", "Width", 0.5f, 2048, false },
            { "Mono Freq", "Mono Freq", 0.0f, 2048, false, true },
            { "Mono Check", "Mono Check", 0.0f, 2, true },
            { "Output Gain", "Output Gain", 0.5f, 2048, false },
            { cDefaultMasterBypassID, "Master Bypass", 0.0f, 2, true },
        };
    }

    class TestEffect : public AAX_CEffectParameters
    {
    public:
        explicit TestEffect (std::vector<ParameterDefinition> parameters = quindleParameters(),
                             AAX_Result effectInitResult = AAX_SUCCESS)
            : mSpecs (std::move (parameters)), mEffectInitResult (effectInitResult)
        {
        }

        AAX_Result EffectInit() override
        {
            if (mEffectInitResult != AAX_SUCCESS)
                return mEffectInitResult;

            for (const auto& definition : mSpecs)
                addParameter (definition);

            return AAX_SUCCESS;
        }

        /** Mirrors one framework parameter as the wrapper's EffectInit does. */
        void addParameter (const ParameterDefinition& definition)
        {
            auto* parameter = new AAX_CParameter<float> (definition.id.c_str(), AAX_CString (definition.name.c_str()), definition.defaultValue,
                                                         AAX_CLinearTaperDelegate<float, 0>(),
                                                         AAX_CNumberDisplayDelegate<float, 3>(), true);
            parameter->AddShortenedName (AAX_CString (definition.name.substr (0, 4).c_str()));
            parameter->SetNumberOfSteps (definition.numSteps);
            parameter->SetType (definition.discrete ? AAX_eParameterType_Discrete : AAX_eParameterType_Continuous);
            parameter->SetOrientation (definition.inverted ? (AAX_eParameterOrientation_RightMinLeftMax
                                                        | AAX_eParameterOrientation_TopMinBottomMax
                                                        | AAX_eParameterOrientation_RotaryRightMinLeftMax)
                                                     : AAX_eParameterOrientation_Default);
            mParameterManager.AddParameter (parameter);

            if (definition.id == cDefaultMasterBypassID)
                mPacketDispatcher.RegisterPacket (parameter->Identifier(), 3);
        }

        AAX_CParameterManager& manager() noexcept { return mParameterManager; }
        AAX_CPacketDispatcher& dispatcher() noexcept { return mPacketDispatcher; }
        const std::set<std::string>& filteredIDs() const noexcept { return mFilteredParameters; }
        int32_t numChunkedParameters() const noexcept { return mNumChunkedParameters; }

        /** The parameter's real value, or -1 when it is not managed. */
        float valueOf (const std::string& id)
        {
            float value = -1.0f;
            if (auto* parameter = mParameterManager.GetParameterByID (id.c_str()))
                parameter->GetValueAsFloat (&value);
            return value;
        }

    private:
        std::vector<ParameterDefinition> mSpecs;
        AAX_Result mEffectInitResult;
    };

    /** One host, one instance and its data-model object, initialised. The instance holds the
        host's reference on the object and releases it (deleting it) when it goes. */
    struct EffectSession
    {
        explicit EffectSession (aaxhost::InstanceOptions options = {},
                                std::vector<ParameterDefinition> parameters = quindleParameters())
            : instance (host, options), effect (new TestEffect (std::move (parameters)))
        {
            initializeResult = instance.initialize (effect);
        }

        aaxhost::AutomationDelegate& automation() { return instance.automation(); }

        aaxhost::Host host;
        aaxhost::Instance instance;
        TestEffect* effect;
        AAX_Result initializeResult = AAX_ERROR_NOT_INITIALIZED;
    };

    /** Instance options for a host that offers no automation delegate. */
    inline aaxhost::InstanceOptions withoutAutomationDelegate()
    {
        aaxhost::InstanceOptions options;
        options.automationDelegate = aaxhost::Versions::none();
        return options;
    }
} // namespace quindle::test::aax
