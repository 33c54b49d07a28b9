// The test host's side of a whole bundle: objects made through the registered creation
// procedures, and an algorithm run through a component's process procedure with its context
// laid out from the registered fields.

#include "tests/aax/support/FakeEffectObjects.h"
#include "tests/aaxhost/testhost/TestHost.h"

#include "AAX_IACFComponentDescriptor.h"
#include "AAX_IACFController.h"
#include "AAX_IACFEffectDescriptor.h"
#include "AAX_IACFPropertyMap.h"
#include "AAX_UIDs.h"

#include <gtest/gtest.h>

#include <cstring>

namespace quindle::test::aaxhost
{
namespace
{
    template <class Interface>
    Interface* queryAs (IACFUnknown* object, const acfIID& iid)
    {
        void* out = nullptr;
        object->QueryInterface (iid, &out);
        return static_cast<Interface*> (out);
    }

    /** What the test plug-in keeps per instance in its private data. */
    struct InstanceState
    {
        float factor;
        int blocks;
    };

    /** The test plug-in's algorithm context: one pointer per field, in field-index order. */
    struct Context
    {
        float** inputs;
        float** outputs;
        int32_t* length;
        float* gain;              // data-in port
        InstanceState* state;     // private data
    };

    /** Output channel k is input channel min (k, inputs - 1) times the gain and the factor. */
    void process (Context* const begin[], const void* const end)
    {
        for (auto* instance = begin; instance < end; ++instance)
        {
            auto& c = **instance;
            for (int channel = 0; channel < 2; ++channel)
                for (int32_t i = 0; i < *c.length; ++i)
                    c.outputs[channel][i] = c.inputs[0][i] * *c.gain * c.state->factor;
            ++c.state->blocks;
        }
    }

    /** A data model that resets the private data the way the plug-in wants it and counts the
        host's coefficient requests. */
    struct ResettingDataModel : aax::FakeEffectParameters
    {
        AAX_Result ResetFieldData (AAX_CFieldIndex field, void* data, uint32_t size) const override
        {
            resets.push_back ({ field, size });
            *static_cast<InstanceState*> (data) = { 0.5f, 0 };
            return AAX_SUCCESS;
        }

        AAX_Result GenerateCoefficients() override
        {
            ++coefficientRequests;
            return AAX_SUCCESS;
        }

        mutable std::vector<std::pair<AAX_CFieldIndex, uint32_t>> resets;
        int coefficientRequests = 0;
    };

    /** A component described as a plug-in describes it: mono in, stereo out. */
    ComponentDescriptor& describeComponent (Host& host, std::vector<std::string> extraFields = {})
    {
        auto& component = host.make<ComponentDescriptor> (Versions::all());
        auto& properties = host.make<PropertyMap> (Versions::all());
        auto* c = queryAs<AAX_IACFComponentDescriptor> (component.unknown(), IID_IAAXComponentDescriptorV1);
        auto* map = queryAs<AAX_IACFPropertyMap> (properties.unknown(), IID_IAAXPropertyMapV1);

        c->AddAudioIn (0);
        c->AddAudioOut (1);
        c->AddAudioBufferLength (2);
        c->AddDataInPort (3, sizeof (float), AAX_eDataInPortType_Buffered);
        c->AddPrivateData (4, sizeof (InstanceState), 0);
        for (const auto& field : extraFields)
            if (field == "AddMIDINode")
                c->AddMIDINode (5, AAX_eMIDINodeType_LocalInput, "MIDI", 0xFFFF);
        map->AddProperty (AAX_eProperty_InputStemFormat, AAX_eStemFormat_Mono);
        map->AddProperty (AAX_eProperty_OutputStemFormat, AAX_eStemFormat_Stereo);
        c->AddProcessProc_Native (reinterpret_cast<AAX_CProcessProc> (process), map, nullptr, nullptr, nullptr);

        map->Release();
        c->Release();
        return component;
    }

    void postGain (Instance& instance, float gain)
    {
        auto* controller = queryAs<AAX_IACFController> (instance.unknown(), IID_IAAXControllerV1);
        controller->PostPacket (3, &gain, sizeof (gain));
        controller->Release();
    }
}

TEST (TestHostAlgorithm, RunsTheProcessProcedureOverAContextLaidOutFromTheFields)
{
    Host host;
    Instance instance (host);
    auto* dataModel = new ResettingDataModel;
    instance.initialize (dataModel);
    postGain (instance, 4.0f);

    Algorithm algorithm (describeComponent (host), *instance.effect(), instance.controller(), 64);
    EXPECT_EQ (algorithm.numInputs(), 1);
    EXPECT_EQ (algorithm.numOutputs(), 2);
    EXPECT_EQ (dataModel->resets, (std::vector<std::pair<AAX_CFieldIndex, uint32_t>> { { 4, sizeof (InstanceState) } }));

    const auto outputs = algorithm.process ({ { 1.0f, -0.5f, 0.25f } });

    ASSERT_EQ (outputs.size(), 2u);
    EXPECT_EQ (outputs[0], (std::vector<float> { 2.0f, -1.0f, 0.5f })) << "gain from the port, factor from the reset";
    EXPECT_EQ (outputs[1], outputs[0]);
    EXPECT_EQ (dataModel->coefficientRequests, 1);

    postGain (instance, 2.0f);
    postGain (instance, 1.0f);
    const auto second = algorithm.process ({ { 1.0f } });
    ASSERT_EQ (second.size(), 2u);
    EXPECT_EQ (second[0], std::vector<float> { 0.5f }) << "the packet posted last reaches the port";
    float delivered = 0.0f;
    const auto port = algorithm.portContents (3);
    ASSERT_EQ (port.size(), sizeof (float));
    std::memcpy (&delivered, port.data(), sizeof (delivered));
    EXPECT_EQ (delivered, 1.0f);
    EXPECT_TRUE (algorithm.problems().empty());
}

TEST (TestHostAlgorithm, WhatTheHostCannotGiveOrTheCallerGetsWrongIsAProblem)
{
    Host host;
    Instance instance (host);
    instance.initialize (new ResettingDataModel);

    Algorithm algorithm (describeComponent (host, { "AddMIDINode" }), *instance.effect(), instance.controller(), 4);
    EXPECT_EQ (algorithm.problems(), std::vector<std::string> { "AddMIDINode: not offered by this host" });

    struct Case
    {
        const char* name;
        std::vector<std::vector<float>> inputs;
    };
    const Case cases[] = {
        { "two channels for a mono input", { { 1.0f }, { 1.0f } } },
        { "a block longer than the maximum", { std::vector<float> (5, 0.0f) } },
    };

    for (const auto& c : cases)
    {
        SCOPED_TRACE (c.name);
        EXPECT_TRUE (algorithm.process (c.inputs).empty());
        EXPECT_EQ (algorithm.problems().back(), "process: the algorithm cannot run this block");
    }
}

namespace
{
    AAX_IEffectParameters* AAX_CALLBACK createDataModel() { return new aax::FakeEffectParameters; }
    AAX_IEffectGUI* AAX_CALLBACK createGUI() { return new aax::FakeEffectGUI; }
}

TEST (TestHostAlgorithm, CreationProceduresMakeTheObjectsTheInstanceTakesOn)
{
    Host host;
    auto& effect = host.make<EffectDescriptor> (Versions::all());
    EXPECT_EQ (effect.createDataModel(), nullptr);
    EXPECT_EQ (effect.createGUI(), nullptr);

    auto* descriptor = queryAs<AAX_IACFEffectDescriptor> (effect.unknown(), IID_IAAXEffectDescriptorV1);
    descriptor->AddProcPtr (reinterpret_cast<void*> (createDataModel), kAAX_ProcPtrID_Create_EffectParameters);
    descriptor->AddProcPtr (reinterpret_cast<void*> (createGUI), kAAX_ProcPtrID_Create_EffectGUI);
    descriptor->Release();

    Instance instance (host);
    EXPECT_EQ (instance.initialize (effect.createDataModel()), AAX_ERROR_UNIMPLEMENTED) << "the fake's own Initialize";
    EXPECT_NE (instance.effect(), nullptr);
    EXPECT_EQ (instance.initializeGUI (effect.createGUI()), AAX_ERROR_UNIMPLEMENTED);
    EXPECT_NE (instance.gui(), nullptr);
}
} // namespace quindle::test::aaxhost
