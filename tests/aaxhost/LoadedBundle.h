#pragma once

// The built AAX bundle loaded as a host loads it (dlopen, its seven exports, start-up and
// registration), one Quindle instance of it driven by the test host, a HOME of the test's own
// holding the settings file, and audio rendered through the registered process procedure.

#include "tests/aax/support/ChunkBuffer.h"
#include "tests/aaxhost/testhost/TestHost.h"

#include "AAX_IACFEffectParameters.h"

#include <gtest/gtest.h>

#include <dlfcn.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

namespace quindle::test::aaxhost
{
    constexpr double kSampleRate = 48000.0;
    constexpr int kBlockSize = 512;

    using Startup = ACFRESULT (*) (IACFUnknown*);
    using RegisterPlugin = ACFRESULT (*) (IACFUnknown*, IACFPluginDefinition**);
    using RegisterComponent = ACFRESULT (*) (IACFUnknown*, ACFUInt32, IACFComponentDefinition**);
    using GetClassFactory = ACFRESULT (*) (IACFUnknown*, const acfCLSID&, const acfIID&, void**);
    using CanUnloadNow = ACFRESULT (*) (IACFUnknown*);
    using Shutdown = ACFRESULT (*) (IACFUnknown*);
    using GetSDKVersion = ACFRESULT (*) (uint64_t*);

    inline std::optional<AAX_CPropertyValue> propertyOf (const ComponentDescriptor::ProcessProc& proc, AAX_EProperty property)
    {
        const auto& values = proc.properties.contents.values;
        const auto entry = values.find (property);
        return entry != values.end() ? std::optional<AAX_CPropertyValue> (entry->second) : std::nullopt;
    }

    /** The loaded bundle after start-up and registration, as a host has it when it scans. */
    class LoadedBundle : public ::testing::Test
    {
    protected:
        void SetUp() override
        {
            bundle = dlopen (QUINDLE_AAX_BUNDLE, RTLD_NOW | RTLD_LOCAL);
            ASSERT_NE (bundle, nullptr) << dlerror();

            startup = exported<Startup> ("ACFStartup");
            registerPlugin = exported<RegisterPlugin> ("ACFRegisterPlugin");
            registerComponent = exported<RegisterComponent> ("ACFRegisterComponent");
            getClassFactory = exported<GetClassFactory> ("ACFGetClassFactory");
            canUnloadNow = exported<CanUnloadNow> ("ACFCanUnloadNow");
            shutdown = exported<Shutdown> ("ACFShutdown");
            getSDKVersion = exported<GetSDKVersion> ("ACFGetSDKVersion");
            ASSERT_TRUE (startup && registerPlugin && registerComponent && getClassFactory && canUnloadNow && shutdown
                         && getSDKVersion);

            ASSERT_EQ (startup (host.unknown()), ACF_OK);
            ASSERT_EQ (registerPlugin (host.unknown(), &definition), ACF_OK);
            ASSERT_EQ (host.objects<Collection>().size(), 1u);
            collection = host.objects<Collection>()[0];
            const auto effects = collection->description().effects;
            ASSERT_EQ (effects.size(), 1u);
            ASSERT_NE (effects[0].descriptor, nullptr);
            effect = effects[0].descriptor;
        }

        void TearDown() override
        {
            if (bundle == nullptr)
                return;

            if (definition != nullptr)
                definition->Release();
            if (canUnloadNow != nullptr)
            {
                EXPECT_EQ (canUnloadNow (host.unknown()), 0) << "every object of the bundle is gone";
                EXPECT_EQ (shutdown (host.unknown()), ACF_OK);
            }
            EXPECT_EQ (host.outstandingReferences(), 0) << host.describeReferences();
            EXPECT_TRUE (host.problems().empty());
            EXPECT_TRUE (host.services().assertions().empty());
            EXPECT_EQ (dlclose (bundle), 0) << dlerror();
        }

        template <typename Function>
        Function exported (const char* name) const
        {
            return reinterpret_cast<Function> (dlsym (bundle, name));
        }

        /** The registered component for one pair of main stem formats. */
        const ComponentDescriptor* componentFor (AAX_EStemFormat input, AAX_EStemFormat output) const
        {
            for (const auto* component : effect->description().components)
            {
                const auto procs = component->description().processProcs;
                if (! procs.empty() && propertyOf (procs[0], AAX_eProperty_InputStemFormat) == input
                    && propertyOf (procs[0], AAX_eProperty_OutputStemFormat) == output)
                    return component;
            }
            return nullptr;
        }

        Host host;
        void* bundle = nullptr;
        Startup startup = nullptr;
        RegisterPlugin registerPlugin = nullptr;
        RegisterComponent registerComponent = nullptr;
        GetClassFactory getClassFactory = nullptr;
        CanUnloadNow canUnloadNow = nullptr;
        Shutdown shutdown = nullptr;
        GetSDKVersion getSDKVersion = nullptr;
        IACFPluginDefinition* definition = nullptr;
        Collection* collection = nullptr;
        EffectDescriptor* effect = nullptr;
    };

    /** One Quindle instance: its data-model object made by the registered procedure and
        initialised by the host. */
    struct QuindleInstance
    {
        explicit QuindleInstance (Host& host, const EffectDescriptor& effect, InstanceOptions options = {})
            : instance (host, options)
        {
            initializeResult = instance.initialize (effect.createDataModel());
        }

        AAX_IACFEffectParameters& dataModel() const { return *instance.effect(); }

        double normalisedValue (const char* id) const
        {
            double value = -1.0;
            EXPECT_EQ (dataModel().GetParameterNormalizedValue (id, &value), AAX_SUCCESS) << id;
            return value;
        }

        std::string textOf (const char* id, double normalised) const
        {
            HostString text;
            EXPECT_EQ (dataModel().GetParameterStringFromValue (id, normalised, &text, 100), AAX_SUCCESS) << id;
            return text.text();
        }

        /** The chunk as the host saves it: size first, then the data. */
        aax::ChunkBuffer chunk (AAX_CTypeID id) const
        {
            uint32_t size = 0;
            EXPECT_EQ (dataModel().GetChunkSize (id, &size), AAX_SUCCESS);
            aax::ChunkBuffer buffer (static_cast<int32_t> (size));
            EXPECT_EQ (dataModel().GetChunk (id, buffer.chunk()), AAX_SUCCESS);
            return buffer;
        }

        Instance instance;
        AAX_Result initializeResult = AAX_ERROR_NOT_INITIALIZED;
    };

    /** HOME pointed at a fresh folder while it lives, holding the per-user settings file the
        plug-in's editor reads its width from ("size-x"), or no settings file at all. */
    class HomeWithSavedWidth
    {
    public:
        explicit HomeWithSavedWidth (const std::optional<std::string>& savedWidth)
        {
            std::string pattern = (std::filesystem::temp_directory_path() / "quindle-aax-home-XXXXXX").string();
            EXPECT_NE (mkdtemp (pattern.data()), nullptr);
            home = pattern;

            if (const auto* old = std::getenv ("HOME"))
                previousHome = old;

            setenv ("HOME", home.c_str(), 1);

            if (savedWidth.has_value())
                store (*savedWidth);
        }

        ~HomeWithSavedWidth()
        {
            if (previousHome.has_value())
                setenv ("HOME", previousHome->c_str(), 1);
            else
                unsetenv ("HOME");

            std::error_code ignored;
            std::filesystem::remove_all (home, ignored);
        }

        /** Writes a settings file holding this width, as another instance's save does. */
        void store (const std::string& width) const
        {
            std::filesystem::create_directories (settingsFile().parent_path());
            std::ofstream (settingsFile())
                << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<PROPERTIES>\n  <VALUE name=\"size-x\" val=\""
                << width << "\"/>\n</PROPERTIES>\n";
        }

        /** The width the settings file holds, empty when there is none. */
        std::string storedWidth() const
        {
            std::ifstream file (settingsFile());
            const std::string contents { std::istreambuf_iterator<char> (file), {} }, key = "name=\"size-x\" val=\"";
            const auto start = contents.find (key);
            if (start == std::string::npos)
                return {};

            const auto from = start + key.size();
            return contents.substr (from, contents.find ('"', from) - from);
        }

    private:
        std::filesystem::path settingsFile() const { return home / "Norvane" / "Quindle" / "Quindle.config"; }

        std::filesystem::path home;
        std::optional<std::string> previousHome;
    };

    /** The signal run through the algorithm block by block. */
    inline std::vector<std::vector<float>> render (Algorithm& algorithm, const std::vector<std::vector<float>>& signal)
    {
        std::vector<std::vector<float>> output (2);
        for (size_t start = 0; start < signal[0].size(); start += kBlockSize)
        {
            std::vector<std::vector<float>> block;
            for (const auto& channel : signal)
                block.emplace_back (channel.begin() + static_cast<std::ptrdiff_t> (start),
                                    channel.begin() + static_cast<std::ptrdiff_t> (start + kBlockSize));
            const auto processed = algorithm.process (block);
            if (processed.size() != 2)
                return {};
            for (size_t channel = 0; channel < 2; ++channel)
                output[channel].insert (output[channel].end(), processed[channel].begin(), processed[channel].end());
        }
        return output;
    }
} // namespace quindle::test::aaxhost
