#include "AAX_UIDs.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <string>

namespace quindle::test::aax
{
namespace
{
    /** The 16 bytes an ID written as Data1-Data2-Data3-Data4 occupies in memory here: the three
        numbers little-endian, then the eight bytes as written. */
    std::string expectedBytes (const std::string& text)
    {
        const auto hex = [&] (size_t pos, size_t len) { return std::strtoul (text.substr (pos, len).c_str(), nullptr, 16); };
        std::string bytes;
        const auto littleEndian = [&] (unsigned long value, int count)
        {
            for (int i = 0; i < count; ++i)
                bytes += static_cast<char> ((value >> (8 * i)) & 0xFF);
        };

        littleEndian (hex (0, 8), 4);
        littleEndian (hex (9, 4), 2);
        littleEndian (hex (14, 4), 2);
        for (size_t pos : { 19u, 21u, 24u, 26u, 28u, 30u, 32u, 34u })
            bytes += static_cast<char> (hex (pos, 2));

        return bytes;
    }

    std::string bytesOf (const _acfUID& id)
    {
        return std::string (reinterpret_cast<const char*> (&id), sizeof (id));
    }

    struct GivenID
    {
        const char* name;
        const _acfUID* id;
        const char* text;
    };

    // The IDs the host knows the plug-in's objects by.
    const GivenID kGivenIDs[] = {
        { "IID_IACFUnknown", &IID_IACFUnknown, "00000000-0000-0000-C000-000000000046" },
        { "IID_IAAXEffectParametersV1", &IID_IAAXEffectParametersV1, "964E333D-334C-533F-C2C7-3834C3C23E3E" },
        { "IID_IAAXEffectParametersV2", &IID_IAAXEffectParametersV2, "F1F47D06-308F-4CC5-9C7C-50A83F8AB813" },
        { "IID_IAAXEffectParametersV3", &IID_IAAXEffectParametersV3, "D2540E9D-9163-42BB-A6FD-81E10EA32498" },
        { "IID_IAAXEffectParametersV4", &IID_IAAXEffectParametersV4, "2E485536-31A3-4697-9C16-E59BF6B28A41" },
        { "IID_IAAXEffectGUIV1", &IID_IAAXEffectGUIV1, "964E323D-424C-5E1A-2227-282423222E1E" },
    };

    struct NamedID
    {
        const char* name;
        const _acfUID* id;
    };

    const NamedID kAllIDs[] = {
        { "IID_IACFUnknown", &IID_IACFUnknown },
        { "IID_IACFComponentFactory", &IID_IACFComponentFactory },
        { "IID_IACFDefinition", &IID_IACFDefinition },
        { "IID_IACFPluginDefinition", &IID_IACFPluginDefinition },
        { "IID_IACFComponentDefinition", &IID_IACFComponentDefinition },
        { "IID_IAAXEffectParametersV1", &IID_IAAXEffectParametersV1 },
        { "IID_IAAXEffectParametersV2", &IID_IAAXEffectParametersV2 },
        { "IID_IAAXEffectParametersV3", &IID_IAAXEffectParametersV3 },
        { "IID_IAAXEffectParametersV4", &IID_IAAXEffectParametersV4 },
        { "IID_IAAXEffectGUIV1", &IID_IAAXEffectGUIV1 },
        { "IID_IAAXCollectionV1", &IID_IAAXCollectionV1 },
        { "IID_IAAXEffectDescriptorV1", &IID_IAAXEffectDescriptorV1 },
        { "IID_IAAXEffectDescriptorV2", &IID_IAAXEffectDescriptorV2 },
        { "IID_IAAXComponentDescriptorV1", &IID_IAAXComponentDescriptorV1 },
        { "IID_IAAXComponentDescriptorV2", &IID_IAAXComponentDescriptorV2 },
        { "IID_IAAXComponentDescriptorV3", &IID_IAAXComponentDescriptorV3 },
        { "IID_IAAXPropertyMapV1", &IID_IAAXPropertyMapV1 },
        { "IID_IAAXPropertyMapV2", &IID_IAAXPropertyMapV2 },
        { "IID_IAAXPropertyMapV3", &IID_IAAXPropertyMapV3 },
        { "IID_IAAXDescriptionHostV1", &IID_IAAXDescriptionHostV1 },
        { "IID_IAAXFeatureInfoV1", &IID_IAAXFeatureInfoV1 },
        { "IID_IAAXControllerV1", &IID_IAAXControllerV1 },
        { "IID_IAAXControllerV2", &IID_IAAXControllerV2 },
        { "IID_IAAXControllerV3", &IID_IAAXControllerV3 },
        { "IID_IAAXPageTableController", &IID_IAAXPageTableController },
        { "IID_IAAXPageTableControllerV2", &IID_IAAXPageTableControllerV2 },
        { "IID_IAAXAutomationDelegateV1", &IID_IAAXAutomationDelegateV1 },
        { "IID_IAAXTransportV1", &IID_IAAXTransportV1 },
        { "IID_IAAXTransportV2", &IID_IAAXTransportV2 },
        { "IID_IAAXTransportV3", &IID_IAAXTransportV3 },
        { "IID_IAAXViewContainerV1", &IID_IAAXViewContainerV1 },
        { "IID_IAAXViewContainerV2", &IID_IAAXViewContainerV2 },
        { "IID_IAAXViewContainerV3", &IID_IAAXViewContainerV3 },
        { "IID_IAAXPageTableV1", &IID_IAAXPageTableV1 },
        { "IID_IAAXPageTableV2", &IID_IAAXPageTableV2 },
        { "IID_IAAXHostServicesV1", &IID_IAAXHostServicesV1 },
        { "IID_IAAXHostServicesV2", &IID_IAAXHostServicesV2 },
        { "IID_IAAXHostServicesV3", &IID_IAAXHostServicesV3 },
        { "AAXCompID_AAXCollection", &AAXCompID_AAXCollection },
        { "AAXCompID_AAXEffectDescriptor", &AAXCompID_AAXEffectDescriptor },
        { "AAXCompID_AAXComponentDescriptor", &AAXCompID_AAXComponentDescriptor },
        { "AAXCompID_AAXPropertyMap", &AAXCompID_AAXPropertyMap },
        { "AAXCompID_PageTable", &AAXCompID_PageTable },
        { "AAXCompID_HostServices", &AAXCompID_HostServices },
        { "AAXATTR_ClientFeature_StemFormat", &AAXATTR_ClientFeature_StemFormat },
    };
}

TEST (UIDs, PlugInObjectIDsAreByteExact)
{
    static_assert (sizeof (_acfUID) == 16, "IDs are 16 bytes with no padding");

    for (const auto& given : kGivenIDs)
    {
        SCOPED_TRACE (given.name);
        EXPECT_EQ (bytesOf (*given.id), expectedBytes (given.text));
    }
}

TEST (UIDs, EveryIDIsDistinct)
{
    for (const auto& a : kAllIDs)
        for (const auto& b : kAllIDs)
            if (a.id != b.id)
            {
                EXPECT_FALSE (*a.id == *b.id) << a.name << " equals " << b.name;
            }
}

TEST (UIDs, EqualityComparesAllSixteenBytes)
{
    for (size_t byte = 0; byte < sizeof (_acfUID); ++byte)
    {
        SCOPED_TRACE (byte);
        _acfUID changed = IID_IAAXEffectParametersV1;
        reinterpret_cast<unsigned char*> (&changed)[byte] ^= 0x01;
        EXPECT_TRUE (changed != IID_IAAXEffectParametersV1);
        EXPECT_FALSE (changed == IID_IAAXEffectParametersV1);
    }

    const _acfUID copy = IID_IAAXEffectGUIV1;
    EXPECT_TRUE (copy == IID_IAAXEffectGUIV1);
}
} // namespace quindle::test::aax
